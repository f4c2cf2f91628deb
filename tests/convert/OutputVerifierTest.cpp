// Verified outputs: every format's normal conversions verify, and outputs
// that a faulty writer spoiled fail their entry and leave the old target.

#include <gtest/gtest.h>

#include <filesystem>

#include "app/EngineStartup.h"
#include "app/OutputFormat.h"
#include "codecs/readers/ProgramReaders.h"
#include "codecs/writers/AudioWriter.h"
#include "convert/ConversionJob.h"
#include "convert/ConvertFile.h"
#include "source/SourceList.h"
#include "support/AudioFixtures.h"
#include "support/MidiFixtures.h"
#include "support/ProgramFolder.h"
#include "support/ScriptedFrontEnd.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;

enum class Fault { kLosesBlocks, kTruncatesTheFile, kWritesSilence };
Fault injected = Fault::kLosesBlocks;

// Passes everything on to the real writer but the fault chosen.
class FaultyWriter : public AudioWriter {
 public:
  explicit FaultyWriter(std::unique_ptr<AudioWriter> inner) : inner_(std::move(inner)) {}
  bool Open(const std::string& path, const WriterFormat& format) override {
    path_ = path;
    return inner_->Open(path, format);
  }
  bool WriteBlock16(const int16_t* left, const int16_t* right, int count) override {
    if (injected == Fault::kLosesBlocks && ++blocks_ % 3 == 0) return true;
    const std::vector<int16_t> zero(injected == Fault::kWritesSilence ? count : 0);
    return zero.empty() ? inner_->WriteBlock16(left, right, count)
                        : inner_->WriteBlock16(zero.data(), zero.data(), count);
  }
  bool WriteBlock8(const uint8_t* left, const uint8_t* right, int count) override {
    return inner_->WriteBlock8(left, right, count);
  }
  bool Close() override {
    const bool closed = inner_->Close();
    if (injected == Fault::kTruncatesTheFile) fs::resize_file(path_, fs::file_size(path_) / 2);
    return closed;
  }

 private:
  std::unique_ptr<AudioWriter> inner_;
  std::string path_;
  int blocks_ = 0;
};

class VerifyFixture : public ::testing::Test {
 protected:
  VerifyFixture() : folder_(true, true), engine_(folder_.Path()), settings_(dir_.File("docs")) {
    settings_.destOutputFolderOpt = DEST_CUSTOM_FOLDER;
    settings_.destSpecifiedFolder = dir_.File("out");
    settings_.browseOutputFolder = 0;
    settings_.verifyOutputs = 1;
    fs::create_directories(dir_.File("in"));
  }
  ~VerifyFixture() override { SetWriterWrap(nullptr); }

  std::string Tone(const std::string& name, int frames) {
    WriteWav16(dir_.File("in/" + name), 44100, 2, SineWave(frames, 2, 44100, 440));
    return dir_.File("in/" + name);
  }
  BatchResult Run(const std::vector<std::string>& paths, int jobs = 1) {
    for (const std::string& path : paths) list_.AddOneFile(path);
    ConversionJob job(settings_, engine_, prompter_, progress_, PlacementContext(), jobs);
    return ConvertAll(list_, job, prompter_);
  }

  TestProgramFolder folder_;
  EngineSession engine_;
  TempDir dir_;
  ConvertSettings settings_;
  SourceList list_{ProgramReaders()};
  struct : RecordingProgress {
    void SetEntryReason(size_t index, const std::string& text) override { reasons[index] = text; }
    std::map<size_t, std::string> reasons;
  } progress_;
  ScriptedPrompter prompter_;
};

class VerifiedFormatTest : public VerifyFixture, public ::testing::WithParamInterface<uint32_t> {};

// A tone, a file of a few milliseconds and a MIDI render all verify in
// every format: no false alarm from a codec's delay, padding or frames.
TEST_P(VerifiedFormatTest, NormalConversionsVerify) {
  settings_.outputFormat = GetParam();
  WriteFileText(dir_.File("in/song.mid"), OneNoteSong(500000, 2));
  EXPECT_EQ(
      Run({Tone("tone.wav", 44100 * 2), Tone("blip.wav", 300), dir_.File("in/song.mid")}).converted,
      3);
  for (const auto& [row, reason] : progress_.reasons) ADD_FAILURE() << row << ": " << reason;
}

INSTANTIATE_TEST_SUITE_P(Formats, VerifiedFormatTest,
                         ::testing::Values(FORMAT_MP3, FORMAT_WAV, FORMAT_FLAC, FORMAT_OGG,
                                           FORMAT_OPUS, FORMAT_AMR, FORMAT_AWB, FORMAT_AAC,
                                           FORMAT_M4A, FORMAT_WMA),
                         [](const auto& row) { return OutputFormatDisplayName(row.param); });

struct FaultRow {
  const char* name;
  Fault fault;
  uint32_t format;
  int jobs;
  const char* reason;  // how the reason starts
};

class VerifyFaultTest : public VerifyFixture, public ::testing::WithParamInterface<FaultRow> {};

// A spoiled output fails its entry with the reason, and the file that an
// overwrite would have replaced stays as it was.
TEST_P(VerifyFaultTest, SpoiledOutputFailsAndKeepsTheOldTarget) {
  const FaultRow& row = GetParam();
  settings_.outputFormat = row.format;
  settings_.targetExistsOpt = TARGET_OVERWRITE;
  const std::string target = dir_.File("out/tone." + OutputExtension(row.format));
  fs::create_directories(dir_.File("out"));
  WriteFileText(target, "the old output");
  injected = row.fault;
  SetWriterWrap([](std::unique_ptr<AudioWriter> writer) -> std::unique_ptr<AudioWriter> {
    return std::make_unique<FaultyWriter>(std::move(writer));
  });
  EXPECT_EQ(Run({Tone("tone.wav", 44100 * 3), Tone("other.wav", 44100)}, row.jobs).failed, 2);
  EXPECT_EQ(progress_.reasons[0].rfind(row.reason, 0), 0u) << progress_.reasons[0];
  EXPECT_EQ(ReadFileText(target), "the old output");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_.File("out")), fs::directory_iterator()), 1);
}

constexpr const char* kShort = "the output does not verify: it decodes to 0:02.";
INSTANTIATE_TEST_SUITE_P(Faults, VerifyFaultTest,
                         ::testing::Values(FaultRow{"Mp3LosesBlocks", Fault::kLosesBlocks,
                                                    FORMAT_MP3, 1, kShort},
                                           FaultRow{"WavLosesBlocksOnWorkers", Fault::kLosesBlocks,
                                                    FORMAT_WAV, 2, kShort},
                                           FaultRow{"OggTruncated", Fault::kTruncatesTheFile,
                                                    FORMAT_OGG, 1, "the output does not"},
                                           FaultRow{"AacSilent", Fault::kWritesSilence, FORMAT_AAC,
                                                    1, "the output does not verify: it is silent"}),
                         [](const auto& row) { return std::string(row.param.name); });

}  // namespace
