// The fallback chain of OpenSource with the real readers, on files made so
// that each step of the chain is the one that opens them.

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <filesystem>

#include "app/EngineStartup.h"
#include "codecs/readers/AiffSource.h"
#include "codecs/readers/AuSource.h"
#include "codecs/readers/ContainerProbe.h"
#include "codecs/readers/ContainerSource.h"
#include "codecs/readers/ProgramReaders.h"
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
      OpenSource(path, SourceKindFromPath(path), 0, forConversion, ProgramReaders());
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
  const std::unique_ptr<AudioSource> source = OpenSource(dir_.File("odd.wav"), KIND_WAVE, 0, true, ProgramReaders());
  ASSERT_TRUE(dynamic_cast<RiffWaveSource*>(source.get()));
  EXPECT_EQ(ReadToEnd(*source).samples, samples_);
}

TEST_F(OpenSourceChainTest, FilesWithoutAKnownExtensionConvertThroughTheContainerLibrary) {
  WriteBytes(dir_.File("in.wav"), PcmWave16(8000, 1, SineWave(16000, 1, 8000, 440)));
  ASSERT_TRUE(
      Succeeded(RunProcess("sox", {dir_.File("in.wav"), "-t", "amr-nb", dir_.File("speech.amr")})));
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

TEST_F(OpenSourceChainTest, ForgedSizesDoNotTakeGigabytes) {
  // A 188-byte WAV whose LIST chunk claims nearly 4 GiB: the container
  // library would allocate 1.5 GB for it without the cap set at start-up.
  const Bytes forged = {
      0x52, 0x49, 0x46, 0x46, 0x46, 0x05, 0x00, 0x00, 0x57, 0x41, 0x56, 0x45, 0x66, 0x6d, 0x74, 0x20,
      0x10, 0x00, 0x00, 0x00, 0x01, 0x00, 0x02, 0x00, 0x40, 0x1f, 0x00, 0x00, 0x00, 0x7d, 0x00, 0x00,
      0x04, 0x00, 0x10, 0x00, 0x4c, 0x49, 0x53, 0x54, 0x1a, 0x00, 0x01, 0xe9, 0x49, 0x4e, 0x46, 0x4f,
      0x49, 0x53, 0x46, 0x54, 0x0e, 0x00, 0x00, 0x00, 0x4c, 0x61, 0x76, 0x66, 0x35, 0x39, 0x2e, 0x32,
      0x00, 0x30, 0xd1, 0x4f, 0xcf, 0x46, 0xd4, 0x2e, 0x35, 0x55, 0xfd, 0xff, 0x90, 0x59, 0x31, 0xd1,
      0x4d, 0x53, 0x29, 0xb0, 0x36, 0x43, 0xaf, 0xa6, 0x2a, 0x2b, 0x82, 0xb7, 0x05, 0x0e, 0xb7, 0xdd,
      0x36, 0xef, 0x05, 0x0e, 0x64, 0xd2, 0x30, 0x3a, 0xf6, 0xba, 0x37, 0x55, 0xb3, 0xab, 0x1f, 0x57,
      0x68, 0xa6, 0x5c, 0x3f, 0xb1, 0xab, 0xea, 0x14, 0xf7, 0xba, 0x51, 0xe4, 0x64, 0xd2, 0xdd, 0xbb,
      0x36, 0xef, 0x82, 0xa7, 0x04, 0x0e, 0x37, 0xad, 0x2c, 0x2b, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
      0x00, 0x00, 0x00, 0x00, 0x58, 0x7f, 0x58, 0x70, 0x57, 0x21, 0x44, 0xa7, 0x4b, 0xb0, 0x1b, 0xeb,
      0x36, 0x15, 0xeb, 0xb0, 0x1b, 0xa5, 0xc0, 0x30, 0xfd, 0xe0, 0xa8, 0x04, 0xdf, 0xc9, 0xaa, 0xbf,
      0xc4, 0xcf, 0x00, 0x00, 0x00, 0x00, 0x00, 0xc5, 0x7b, 0x00, 0x00, 0xb1,
  };
  WriteBytes(dir_.File("forged.wav"), forged);
  rusage before{};
  getrusage(RUSAGE_SELF, &before);
  for (const bool forConversion : {false, true}) {
    if (std::unique_ptr<AudioSource> source = OpenSource(dir_.File("forged.wav"), KIND_WAVE, 0, forConversion, ProgramReaders()))
      ReadToEnd(*source);
  }
  rusage after{};
  getrusage(RUSAGE_SELF, &after);
  EXPECT_LT(after.ru_maxrss - before.ru_maxrss, 512 * 1024) << "KiB";
}

}  // namespace
