// Loudness measured while converting: the ReplayGain tags of each output
// format, read back by ffprobe, against ffmpeg's EBU R128 meter run on the
// decoded output; album values across a batch; the note of samples that
// amplification clipped; info --loudness.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>

#include "app/EngineStartup.h"
#include "app/OutputFormat.h"
#include "codecs/readers/ProgramReaders.h"
#include "convert/AlbumGain.h"
#include "convert/ConversionJob.h"
#include "convert/ConvertRoutines.h"
#include "source/SourceFile.h"
#include "source/SourceKind.h"
#include "source/SourceList.h"
#include "support/AudioFixtures.h"
#include "support/LoudnessFixtures.h"
#include "support/ProgramFolder.h"
#include "support/RunProcess.h"
#include "support/ScriptedFrontEnd.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

namespace {

// Every tag ffprobe shows of the file and its stream, names in lower case.
std::map<std::string, std::string> ProbeTags(const std::string& path) {
  const ProcessResult run =
      RunProcess("ffprobe", {"-v", "error", "-show_entries", "format_tags:stream_tags", "-of",
                             "default=noprint_wrappers=1", path});
  EXPECT_TRUE(Succeeded(run));
  std::map<std::string, std::string> tags;
  std::istringstream lines(run.out);
  for (std::string line; std::getline(lines, line);) {
    const size_t equals = line.find('=');
    if (line.rfind("TAG:", 0) != 0 || equals == std::string::npos) continue;
    std::string name = line.substr(4, equals - 4);
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
    tags[name] = line.substr(equals + 1);
  }
  return tags;
}

double Number(const std::map<std::string, std::string>& tags, const std::string& name) {
  const auto found = tags.find(name);
  return found == tags.end() ? NAN : std::stod(found->second);
}

struct FormatRow {
  uint32_t format;
  const char* extension;
  const char* gainTag;  // as ffprobe names it; "" when the format holds none
  const char* peakTag;
};
std::ostream& operator<<(std::ostream& out, const FormatRow& row) { return out << row.extension; }

class ReplayGainTest : public ::testing::TestWithParam<FormatRow> {
 protected:
  ReplayGainTest() : folder_(true, true), engine_(folder_.Path()), settings_(dir_.File("docs")) {}

  bool Convert(uint32_t format, const std::string& source, const std::string& output) {
    settings_.outputFormat = format;
    const ConversionContext context{settings_, progress_, 1};
    const bool ok = RoutineFor(format)(SourceKindFromPath(source), source, output, context);
    note_ = context.note;
    loudness_ = context.loudness;
    return ok;
  }

  TestProgramFolder folder_;
  EngineSession engine_;
  TempDir dir_;
  ConvertSettings settings_;
  RecordingProgress progress_;
  std::string note_;
  std::shared_ptr<LoudnessMeter> loudness_;
};

TEST_P(ReplayGainTest, TrackTagsMatchAnIndependentMeterOfWhatWasWritten) {
  const FormatRow& row = GetParam();
  const std::string source = MusicLike(dir_.File("song.wav"), 0.8);
  ASSERT_FALSE(source.empty());
  settings_.replayGain = REPLAYGAIN_TRACK;
  const std::string output = dir_.File(std::string("song.") + row.extension);
  const std::string written = dir_.File("written.wav");
  ASSERT_TRUE(Convert(row.format, source, output));
  ASSERT_TRUE(Convert(FORMAT_WAV, source, written));

  const std::map<std::string, std::string> tags = ProbeTags(output);
  if (*row.gainTag == 0) {
    for (const auto& [name, value] : tags) EXPECT_EQ(name.find("replaygain"), std::string::npos);
    return;
  }
  // The tags describe the output as a player decodes it: a lossy encoder
  // may change the level (LAME at 128 kbit/s takes 0.45 dB off).
  const Loudness truth = FfmpegLoudness(output);
  double gain = Number(tags, row.gainTag);
  if (row.format == FORMAT_OPUS) gain = gain / 256 + 5;  // Q7.8 relative to -23 LUFS
  EXPECT_NEAR(gain, -18 - truth.integrated, 0.1) << row.gainTag;
  if (*row.peakTag) {
    EXPECT_NEAR(20 * std::log10(Number(tags, row.peakTag) / truth.truePeak), 0, 0.1);
  }
  // ... and about as loud as what was written (a lossy encoder loses a
  // little; a wrong channel count would be 3 LU off).
  EXPECT_NEAR(FfmpegLoudness(written).integrated, truth.integrated, 0.6);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, ReplayGainTest,
    ::testing::Values(
        FormatRow{FORMAT_MP3, "mp3", "replaygain_track_gain", "replaygain_track_peak"},
        FormatRow{FORMAT_OGG, "ogg", "replaygain_track_gain", "replaygain_track_peak"},
        FormatRow{FORMAT_FLAC, "flac", "replaygain_track_gain", "replaygain_track_peak"},
        FormatRow{FORMAT_OPUS, "opus", "r128_track_gain", ""},
        FormatRow{FORMAT_M4A, "m4a", "replaygain_track_gain", "replaygain_track_peak"},
        FormatRow{FORMAT_WMA, "wma", "replaygain_track_gain", "replaygain_track_peak"},
        FormatRow{FORMAT_WAV, "wav", "", ""}, FormatRow{FORMAT_AAC, "aac", "", ""}),
    [](const auto& format) { return std::string(format.param.extension); });

TEST_F(ReplayGainTest, AlbumGainIsSharedByTheFolderAndItsPeakIsTheLoudestTrack) {
  fs::create_directories(dir_.File("a"));
  fs::create_directories(dir_.File("b"));
  const std::vector<std::string> sources = {MusicLike(dir_.File("a/quiet.wav"), 0.2),
                                            MusicLike(dir_.File("a/loud.wav"), 0.9),
                                            MusicLike(dir_.File("b/other.wav"), 0.5)};
  for (const std::string& source : sources) ASSERT_FALSE(source.empty());
  settings_.outputFormat = FORMAT_FLAC;
  settings_.replayGain = REPLAYGAIN_ALBUM;
  settings_.destOutputFolderOpt = DEST_CUSTOM_FOLDER;
  settings_.destSpecifiedFolder = dir_.File("out");
  settings_.browseOutputFolder = 0;
  SourceList list{ProgramReaders()};
  for (const std::string& source : sources) list.AddOneFile(source);
  ScriptedPrompter prompter;
  ConversionJob job(settings_, engine_, prompter, progress_, PlacementContext(), 2);
  ASSERT_EQ(ConvertAll(list, job, prompter).converted, 3);

  const auto quiet = ProbeTags(dir_.File("out/quiet.flac"));
  const auto loud = ProbeTags(dir_.File("out/loud.flac"));
  const auto other = ProbeTags(dir_.File("out/other.flac"));
  EXPECT_EQ(quiet.at("replaygain_album_gain"), loud.at("replaygain_album_gain"));
  EXPECT_EQ(quiet.at("replaygain_album_peak"), loud.at("replaygain_album_peak"));
  EXPECT_EQ(loud.at("replaygain_album_peak"), loud.at("replaygain_track_peak"));
  const double album = Number(loud, "replaygain_album_gain");
  EXPECT_GT(album, Number(loud, "replaygain_track_gain"));
  EXPECT_LT(album, Number(quiet, "replaygain_track_gain"));
  // The other folder is an album of its own: its one track.
  EXPECT_EQ(other.at("replaygain_album_gain"), other.at("replaygain_track_gain"));

  // On the command line the whole batch can be one album.
  ASSERT_TRUE(Succeeded(RunCliProcess({"convert", "--to", "mp3", "--replaygain", "album",
                                       "--album-by", "batch", "--out", dir_.File("cli"),
                                       dir_.File("a"), dir_.File("b")},
                                      {{"XDG_CONFIG_HOME", dir_.File("config")}})));
  const std::string batchGain = ProbeTags(dir_.File("cli/quiet.mp3")).at("replaygain_album_gain");
  EXPECT_EQ(ProbeTags(dir_.File("cli/other.mp3")).at("replaygain_album_gain"), batchGain);
  EXPECT_NE(ProbeTags(dir_.File("cli/other.mp3")).at("replaygain_track_gain"), batchGain);
}

// Cancel while an album's values are written: the file done keeps them, the
// file being copied and the one after it stay byte for byte as they were,
// and no copy is left beside them.
TEST_F(ReplayGainTest, CancelWhileAlbumValuesAreWrittenLeavesEveryFileWithThemOrAsItWas) {
  settings_.replayGain = REPLAYGAIN_ALBUM;
  fs::create_directories(dir_.File("in"));
  fs::create_directories(dir_.File("out"));
  std::vector<SourceFile> entries(3);
  for (size_t i = 0; i < entries.size(); ++i)
    entries[i].path = MusicLike(dir_.File("in/" + std::to_string(i) + ".wav"), 0.3 + 0.2 * i);
  AlbumGain albums;
  albums.Begin(settings_, {&entries[0], &entries[1], &entries[2]});
  AlbumRewrite album;
  std::vector<std::string> before;
  for (SourceFile& entry : entries) {
    entry.destinationPath = dir_.File("out/" + fs::path(entry.path).stem().string() + ".flac");
    ASSERT_TRUE(Convert(FORMAT_FLAC, entry.path, entry.destinationPath));
    before.push_back(ReadFileText(entry.destinationPath));
    album = albums.EntryEnded(entry.path, entry.destinationPath, loudness_);
  }
  // Cancel comes in the middle of the second file's copy, 64 KiB a step.
  size_t asked = 0;
  EXPECT_EQ(album.Write([&] { return ++asked > before[0].size() / 65536 + 5; }),
            "the batch was cancelled with the album ReplayGain tags written into 1 of the "
            "album's 3 files");
  EXPECT_TRUE(ProbeTags(entries[0].destinationPath).count("replaygain_album_gain"));
  for (size_t i = 1; i < entries.size(); ++i)
    EXPECT_EQ(ReadFileText(entries[i].destinationPath), before[i]) << i;
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_.File("out")), fs::directory_iterator()), 3);
}

TEST_F(ReplayGainTest, AmplificationThatClipsSaysHowManySamples) {
  // A sine at half scale tripled: every sample above a third of full scale clips.
  const std::vector<int16_t> samples = SineWave(44100, 2, 44100, 441);
  const std::string source = dir_.File("sine.wav");
  WriteWav16(source, 44100, 2, samples);
  const auto clips = std::count_if(samples.begin(), samples.end(), [](int16_t s) {
    return std::abs(static_cast<int>(std::trunc(s * 3.0))) > 32767;
  });
  ASSERT_GT(clips, 0);
  settings_.amplifyWav = 1;
  settings_.amplifyWavCoeff = 300;
  ASSERT_TRUE(Convert(FORMAT_WAV, source, dir_.File("loud.wav")));
  EXPECT_EQ(note_, "amplification clipped " + std::to_string(clips) + " samples");
  settings_.amplifyWavCoeff = 150;
  ASSERT_TRUE(Convert(FORMAT_WAV, source, dir_.File("fine.wav")));
  EXPECT_EQ(note_, "");
}

TEST_F(ReplayGainTest, InfoLoudnessAgreesWithAnIndependentMeter) {
  const std::string one = MusicLike(dir_.File("one.wav"), 0.3);
  const std::string two = MusicLike(dir_.File("two.wav"), 0.9);
  ASSERT_FALSE(one.empty() || two.empty());
  const ProcessResult run = RunCliProcess({"info", "--loudness", "--json", "-j", "2", one, two});
  ASSERT_TRUE(Succeeded(run));
  for (const std::string& path : {one, two}) {
    // The keys of an entry's object come in name order, its loudness before its path.
    const size_t object = run.out.rfind('{', run.out.find('"' + path + '"'));
    const size_t at = run.out.find("\"loudness_lufs\": ", object);
    ASSERT_NE(at, std::string::npos) << run.out;
    EXPECT_NEAR(std::stod(run.out.substr(at + 17)), FfmpegLoudness(path).integrated, 0.1) << path;
  }
}

}  // namespace
