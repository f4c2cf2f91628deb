// Loudness normalisation: outputs of every format decoded and measured by
// ffmpeg's EBU R128 meter land on the target within the ceiling; a peaky
// source gets the largest gain the ceiling allows; an album shares one
// gain; a MIDI song is rendered once, from memory or a temporary file that
// nothing leaves behind.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>

#include "app/EngineStartup.h"
#include "app/OutputFormat.h"
#include "codecs/readers/ProgramReaders.h"
#include "convert/ConversionJob.h"
#include "convert/ConversionLoop.h"
#include "convert/ConvertRoutines.h"
#include "convert/KeptRender.h"
#include "source/SourceKind.h"
#include "source/SourceList.h"
#include "support/AudioFixtures.h"
#include "support/FileSizeLimit.h"
#include "support/LoudnessFixtures.h"
#include "support/MidiFixtures.h"
#include "support/ProgramFolder.h"
#include "support/RunProcess.h"
#include "support/ScriptedFrontEnd.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

namespace {

double Decibels(double linear) {
  return 20 * std::log10(linear);
}

struct NormalizeRow {
  uint32_t format;
  const char* extension;
};
std::ostream& operator<<(std::ostream& out, const NormalizeRow& row) {
  return out << row.extension;
}

class NormalizeTest : public ::testing::TestWithParam<NormalizeRow> {
 protected:
  NormalizeTest() : folder_(true, true), engine_(folder_.Path()), settings_(dir_.File("docs")) {
    settings_.normalize = NORMALIZE_TRACK;
  }

  bool Convert(uint32_t format, const std::string& source, const std::string& output) {
    settings_.outputFormat = format;
    const ConversionContext context{settings_, progress_, 1};
    const bool ok = RoutineFor(format)(SourceKindFromPath(source), source, output, context);
    note_ = context.note;
    return ok;
  }

  TestProgramFolder folder_;
  EngineSession engine_;
  TempDir dir_;
  ConvertSettings settings_;
  RecordingProgress progress_;
  std::string note_;
};

TEST_P(NormalizeTest, OutputMeasuresTheTargetWithinTheCeiling) {
  const NormalizeRow& row = GetParam();
  const std::string source = MusicLike(dir_.File("quiet.wav"), 0.05);
  ASSERT_FALSE(source.empty());
  settings_.normalizeLufs = 23;
  settings_.amplifyMp3 = settings_.amplifyWav = 1;  // normalisation takes their place
  settings_.amplifyMp3Coeff = settings_.amplifyWavCoeff = 300;
  const std::string output = dir_.File(std::string("out.") + row.extension);
  ASSERT_TRUE(Convert(row.format, source, output));
  EXPECT_EQ(note_.rfind("normalised: +", 0), 0u) << note_;
  EXPECT_EQ(note_.find("lowered"), std::string::npos) << note_;
  const Loudness measured = FfmpegLoudness(output);
  EXPECT_NEAR(measured.integrated, -23, 0.5);
  EXPECT_LE(Decibels(measured.truePeak), -1.0 + 0.3);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, NormalizeTest,
    ::testing::Values(NormalizeRow{FORMAT_MP3, "mp3"}, NormalizeRow{FORMAT_OGG, "ogg"},
                      NormalizeRow{FORMAT_FLAC, "flac"}, NormalizeRow{FORMAT_OPUS, "opus"},
                      NormalizeRow{FORMAT_M4A, "m4a"}, NormalizeRow{FORMAT_AAC, "aac"},
                      NormalizeRow{FORMAT_WMA, "wma"}, NormalizeRow{FORMAT_WAV, "wav"}),
    [](const auto& row) { return std::string(row.param.extension); });

TEST_F(NormalizeTest, PeakySourceGetsTheLargestGainTheCeilingAllows) {
  // A quiet tone with a near full-scale click every second.
  std::vector<int16_t> samples = SineWave(8 * 44100, 2, 44100, 440, 0.03);
  for (size_t at = 22050 * 2; at < samples.size(); at += 44100 * 2) samples[at] = 29000;
  WriteWav16(dir_.File("peaky.wav"), 44100, 2, samples);
  ASSERT_TRUE(Convert(FORMAT_WAV, dir_.File("peaky.wav"), dir_.File("out.wav")));
  EXPECT_NE(note_.find(", lowered by the true-peak ceiling"), std::string::npos) << note_;
  const Loudness measured = FfmpegLoudness(dir_.File("out.wav"));
  EXPECT_NEAR(Decibels(measured.truePeak), -1.0, 0.15);
  EXPECT_LT(measured.integrated, -17);

  // Silence has no loudness to bring anywhere.
  WriteWav16(dir_.File("silent.wav"), 44100, 2, std::vector<int16_t>(44100 * 2, 0));
  ASSERT_TRUE(Convert(FORMAT_WAV, dir_.File("silent.wav"), dir_.File("silent-out.wav")));
  EXPECT_EQ(note_, "not normalised: the source is silent");
}

TEST_F(NormalizeTest, MidiSongIsRenderedOnceFromMemoryOrATemporaryFile) {
  const std::string midi = dir_.File("song.mid");
  WriteFileText(midi, OneNoteSong(500000, 16));
  // Renders go to a temporary folder of the test's own, which must stay empty.
  const std::string temporary = dir_.File("tmp");
  fs::create_directories(temporary);
  const char* oldTmp = std::getenv("TMPDIR");
  const std::string restore = oldTmp ? oldTmp : "";
  setenv("TMPDIR", temporary.c_str(), 1);

  // A piano's attack peaks high: a low target keeps the ceiling out of it.
  settings_.normalizeLufs = 26;
  const uint64_t before = SequencedRendersStarted();
  ASSERT_TRUE(Convert(FORMAT_WAV, midi, dir_.File("memory.wav")));
  EXPECT_EQ(SequencedRendersStarted() - before, 1u);
  EXPECT_EQ(note_.find("lowered"), std::string::npos) << note_;
  EXPECT_NEAR(FfmpegLoudness(dir_.File("memory.wav")).integrated, -26, 0.5);
  // The first pass is the first half of the bar, the second the rest.
  EXPECT_TRUE(std::is_sorted(progress_.bars.begin(), progress_.bars.end()));
  EXPECT_NE(std::find(progress_.bars.begin(), progress_.bars.end(), progress_.width / 2),
            progress_.bars.end());
  EXPECT_EQ(progress_.bars.back(), progress_.width);

  KeptRender::SetMemoryBudgetForTest(1);  // every chunk goes to the file
  ASSERT_TRUE(Convert(FORMAT_WAV, midi, dir_.File("file.wav")));
  EXPECT_EQ(ReadFileText(dir_.File("file.wav")), ReadFileText(dir_.File("memory.wav")));
  // Cancel in the first pass leaves no output and no temporary file.
  progress_.pumps = 0;
  progress_.cancelAtPump = 100;
  EXPECT_FALSE(Convert(FORMAT_WAV, midi, dir_.File("cancelled.wav")));
  // A temporary folder without room fails the entry, as a full disk does.
  progress_.cancelAtPump = 0;
  {
    const FileSizeLimit limit(512 * 1024);
    ASSERT_TRUE(limit.Active());
    const ConversionContext context{settings_, progress_, 1};
    EXPECT_FALSE(RoutineFor(FORMAT_WAV)(KIND_MIDI, midi, dir_.File("full.wav"), context));
    EXPECT_EQ(context.reason, "the temporary folder has no room for the render");
  }
  KeptRender::SetMemoryBudgetForTest(0);
  EXPECT_FALSE(fs::exists(dir_.File("cancelled.wav")) || fs::exists(dir_.File("full.wav")));
  EXPECT_TRUE(fs::is_empty(temporary));
  if (oldTmp)
    setenv("TMPDIR", restore.c_str(), 1);
  else
    unsetenv("TMPDIR");
}

TEST_F(NormalizeTest, AlbumSharesOneGainOneAtATimeOnWorkersAndOnTheCommandLine) {
  fs::create_directories(dir_.File("album"));
  const std::string quiet = MusicLike(dir_.File("album/quiet.wav"), 0.05);
  const std::string loud = MusicLike(dir_.File("album/loud.wav"), 0.2);
  ASSERT_FALSE(quiet.empty() || loud.empty());
  const double apart = FfmpegLoudness(loud).integrated - FfmpegLoudness(quiet).integrated;
  settings_.outputFormat = FORMAT_FLAC;
  settings_.normalize = NORMALIZE_ALBUM;
  settings_.destOutputFolderOpt = DEST_CUSTOM_FOLDER;
  settings_.browseOutputFolder = 0;
  for (const int jobs : {1, 2}) {
    settings_.destSpecifiedFolder = dir_.File("out" + std::to_string(jobs));
    SourceList list{ProgramReaders()};
    list.AddOneFile(quiet);
    list.AddOneFile(loud);
    ScriptedPrompter prompter;
    ConversionJob job(settings_, engine_, prompter, progress_, PlacementContext(), jobs);
    ASSERT_EQ(ConvertAll(list, job, prompter).converted, 2);
  }

  const ProcessResult cli =
      RunCliProcess({"convert", "--to", "wav", "--normalize=-20", "--normalize-by", "album",
                     "--out", dir_.File("cli"), dir_.File("album")},
                    {{"XDG_CONFIG_HOME", dir_.File("config")}});
  ASSERT_TRUE(Succeeded(cli));
  for (const std::string& folder : {dir_.File("out1"), dir_.File("out2"), dir_.File("cli")}) {
    const bool cliRun = folder == dir_.File("cli");
    const std::string extension = cliRun ? ".wav" : ".flac";
    const double louder = FfmpegLoudness(folder + "/loud" + extension).integrated;
    EXPECT_NEAR(louder - FfmpegLoudness(folder + "/quiet" + extension).integrated, apart, 0.1);
    EXPECT_GT(louder, cliRun ? -20 : -16) << folder;
  }
  EXPECT_EQ(RunCliProcess({"convert", "--normalize=-3", dir_.File("album")}).exitCode, 2);
}

}  // namespace
