// The fallback chain of OpenSource with the real readers, on files made so
// that each step of the chain is the one that opens them.

#include <gtest/gtest.h>

#include <filesystem>

#include "app/EngineStartup.h"
#include "codecs/readers/AiffSource.h"
#include "codecs/readers/AuSource.h"
#include "codecs/readers/ContainerProbe.h"
#include "codecs/readers/ContainerSource.h"
#include "codecs/readers/RiffWaveSource.h"
#include "convert/ConvertRoutines.h"
#include "source/EngineSource.h"
#include "source/OpenSource.h"
#include "source/SourceKind.h"
#include "support/ProgramFolder.h"
#include "support/ReaderFixtures.h"
#include "support/RunProcess.h"
#include "support/ScriptedFrontEnd.h"
#include "support/TempDir.h"

namespace {

template <typename Reader>
bool OpensWith(const std::string& path, bool forConversion = true) {
  const std::unique_ptr<AudioSource> source =
      OpenSource(path, SourceKindFromPath(path), 0, forConversion);
  return dynamic_cast<Reader*>(source.get()) != nullptr;
}

class OpenSourceChainTest : public ::testing::Test {
 protected:
  OpenSourceChainTest() : folder_(false, false), engine_(folder_.Path()) {}
  TestProgramFolder folder_;  // no add-ons: FLAC is not the engine's
  EngineSession engine_;
  TempDir dir_;
  const std::vector<int16_t> samples_ = SineWave(4000, 2, 8000, 440);
};

TEST_F(OpenSourceChainTest, EachKindStartsWithItsOwnReader) {
  WriteBytes(dir_.File("a.aiff"),
             AiffFile(false, {IffChunk("COMM", AiffCommBody(2, 4000, 16, 8000)),
                              IffChunk("SSND", AiffSsndBody(PcmBytes16(samples_, true)))}));
  EXPECT_TRUE(OpensWith<AiffSource>(dir_.File("a.aiff")));
  AuHeader au;
  au.channels = 2;
  WriteBytes(dir_.File("a.au"), AuFile(au, PcmBytes16(samples_, true)));
  EXPECT_TRUE(OpensWith<AuSource>(dir_.File("a.au")));
  WriteBytes(dir_.File("a.wav"), PcmWave16(8000, 2, samples_));
  EXPECT_TRUE(OpensWith<EngineSource>(dir_.File("a.wav")));
}

TEST_F(OpenSourceChainTest, DamagedAiffFallsBackToTheEngineThenTheContainerLibrary) {
  // A plain AIFF whose common chunk is 20 bytes: the program's reader wants
  // exactly 18, the engine reads it.
  Bytes comm = AiffCommBody(2, 4000, 16, 8000);
  comm.push_back(0);
  comm.push_back(0);
  WriteBytes(dir_.File("long-comm.aiff"),
             AiffFile(false, {IffChunk("COMM", comm), IffChunk("SSND", AiffSsndBody(PcmBytes16(samples_, true)))}));
  EXPECT_FALSE(AiffSource().Open(dir_.File("long-comm.aiff"), 0));
  EXPECT_TRUE(OpensWith<EngineSource>(dir_.File("long-comm.aiff")));

  // A FLAC file named ".aiff": neither the AIFF reader nor the engine
  // without its add-on reads it; the container library does.
  WriteBytes(dir_.File("in.wav"), PcmWave16(8000, 2, samples_));
  ASSERT_TRUE(RunFfmpeg({"-i", dir_.File("in.wav"), "-f", "flac", dir_.File("flac.aiff")}));
  EXPECT_TRUE(OpensWith<ContainerSource>(dir_.File("flac.aiff")));
  EXPECT_TRUE(OpensWith<ContainerProbe>(dir_.File("flac.aiff"), false));
}

TEST_F(OpenSourceChainTest, WavThatOnlyTheRiffWaveReaderReads) {
  // An odd-sized chunk without its pad byte before the format chunk: the
  // chunk walk of the program's reader finds "fmt " again by scanning to
  // the next letter; the engine and the container library lose their way.
  const Bytes list = RiffChunk("LIST", Bytes{'I', 'N', 'F', 'O', 'x'}, /*pad=*/false);
  const Bytes format = RiffChunk("fmt ", WaveFormatBody(1, 2, 8000, 4, 16));
  const Bytes data = RiffChunk("data", PcmBytes16(samples_, false));
  WriteBytes(dir_.File("odd.wav"), WaveFile({list, format, data}));

  EXPECT_FALSE(EngineSource().Open(dir_.File("odd.wav"), 0));
  EXPECT_FALSE(ContainerSource().Open(dir_.File("odd.wav"), 0));
  const std::unique_ptr<AudioSource> source = OpenSource(dir_.File("odd.wav"), KIND_WAVE, 0, true);
  ASSERT_TRUE(dynamic_cast<RiffWaveSource*>(source.get()));
  EXPECT_EQ(ReadToEnd(*source).samples, samples_);
}

TEST_F(OpenSourceChainTest, FilesWithoutAKnownExtensionConvertThroughTheContainerLibrary) {
  WriteBytes(dir_.File("in.wav"), PcmWave16(8000, 1, SineWave(16000, 1, 8000, 440)));
  ASSERT_TRUE(RunProcess("sox", {dir_.File("in.wav"), "-t", "amr-nb", dir_.File("speech.amr")}).exitCode == 0);
  ASSERT_TRUE(RunFfmpeg({"-i", dir_.File("in.wav"), "-f", "flac", dir_.File("noextension")}));
  EXPECT_TRUE(OpensWith<ContainerSource>(dir_.File("speech.amr")));
  EXPECT_TRUE(OpensWith<ContainerSource>(dir_.File("noextension")));

  ConvertSettings settings;
  RecordingProgress progress;
  const ConversionContext context{settings, progress, 1};
  for (const char* name : {"speech.amr", "noextension"}) {
    const std::string out = dir_.File(std::string(name) + ".wav");
    ASSERT_TRUE(ConvertToWav(SourceKindFromPath(dir_.File(name)), dir_.File(name), out, context)) << name;
    EXPECT_EQ(ProbeStreamField(out, "sample_rate"), "8000") << name;
    EXPECT_NEAR(std::stod(ProbeStreamField(out, "duration")), 2.0, 0.05) << name;
  }
}

}  // namespace
