// sondrel-cli convert's flags for the output format, for targets that exist
// and for the SoundFont, run as built on files made at test time and
// checked with ffprobe and ffmpeg.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <map>

#include "support/AudioFixtures.h"
#include "support/MidiFixtures.h"
#include "support/ProgramFolder.h"
#include "support/RunProcess.h"
#include "support/SoundFontFixtures.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;

class CliFlagsFixture : public ::testing::Test {
 protected:
  ProcessResult Cli(const std::vector<std::string>& args) {
    return RunCliProcess(args, {{"HOME", dir_.Path()}, {"XDG_CONFIG_HOME", dir_.File("config")}},
                         kProcessSeconds);
  }
  // Two seconds of stereo at 44100 Hz with the title "Tune".
  std::string TaggedSource() {
    const std::string path = dir_.File("t.ogg");
    EXPECT_TRUE(RunFfmpeg({"-f", "lavfi", "-i", "sine=frequency=440:duration=2", "-ac", "2", "-ar",
                           "44100", "-c:a", "libvorbis", "-metadata", "title=Tune", path}));
    return path;
  }
  bool SettingsSaved() { return fs::exists(dir_.File("config/Vantrel Technologies/Sondrel.conf")); }

  TempDir dir_;
};

// The title as ffprobe reads it from the container or the stream; "" if none.
std::string Title(const std::string& path) {
  const ProcessResult probe =
      RunProcess("ffprobe", {"-v", "error", "-show_entries", "format_tags=title:stream_tags=title",
                             "-of", "default=nw=1:nk=1", path});
  return probe.out.substr(0, probe.out.find('\n'));
}

struct FlagRow {
  const char* name;
  std::vector<std::string> args;  // after "convert"
  const char* extension;
  std::map<std::string, std::string> stream;  // ffprobe fields of the output's stream
  int kbps;                                   // the stream's bit rate, within 15%; 0: not checked
  const char* title;                          // nullptr: not checked
};

void PrintTo(const FlagRow& row, std::ostream* out) {
  *out << row.name;
}

class CliFormatFlagsTest : public CliFlagsFixture, public ::testing::WithParamInterface<FlagRow> {};

// Each flag reaches the encoder of the format chosen, with the format's
// automatic mode off; nothing is saved.
TEST_P(CliFormatFlagsTest, FlagsSetTheOutputFormatsValues) {
  const FlagRow& row = GetParam();
  const std::string source = TaggedSource();
  std::vector<std::string> args = {"convert", "--out", dir_.File("out")};
  args.insert(args.end(), row.args.begin(), row.args.end());
  args.push_back(source);
  const ProcessResult result = Cli(args);
  ASSERT_EQ(result.exitCode, 0) << result.err;
  const std::string output = dir_.File(std::string("out/t.") + row.extension);
  EXPECT_EQ(result.out, source + "\tt." + row.extension + "\n");
  for (const auto& [field, value] : row.stream) {
    EXPECT_EQ(ProbeStreamField(output, field), value) << field;
  }
  if (row.kbps != 0) {
    // Ogg Opus streams tell no bit rate of their own; the file's counts then.
    std::string bitRate = ProbeStreamField(output, "bit_rate");
    if (bitRate.empty() || bitRate == "N/A") bitRate = ProbeFormatField(output, "bit_rate");
    const double kbps = std::atof(bitRate.c_str()) / 1000;
    EXPECT_NEAR(kbps, row.kbps, row.kbps * 0.15);
  }
  if (row.title) {
    EXPECT_EQ(Title(output), row.title);
  }
  EXPECT_FALSE(SettingsSaved());
}

INSTANTIATE_TEST_SUITE_P(
    Cli, CliFormatFlagsTest,
    ::testing::Values(
        FlagRow{"Mp3",
                {"--to", "mp3", "--bitrate", "96", "--rate=32000", "--channels", "1"},
                "mp3",
                {{"sample_rate", "32000"}, {"channels", "1"}},
                96,
                "Tune"},
        // The format flags count for the format named after them too.
        FlagRow{"Mp3TagNoneBeforeTo",
                {"--tag", "none", "--channels=stereo", "--to=mp3"},
                "mp3",
                {{"channels", "2"}, {"sample_rate", "44100"}},
                0,
                ""},
        FlagRow{"Wav",
                {"--to", "wav", "--rate", "8000", "--channels", "mono"},
                "wav",
                {{"sample_rate", "8000"}, {"channels", "1"}},
                0,
                nullptr},
        FlagRow{"Ogg",
                {"--to", "ogg", "--rate", "22050", "--channels", "1", "--tag", "preset", "--set",
                 "OGGTag/TitleAsFileName=off", "--set", "OGGTag/Title=Chosen"},
                "ogg",
                {{"sample_rate", "22050"}, {"channels", "1"}},
                0,
                "Chosen"},
        // WMA stores bit/s: 64 kbit/s is 64000.
        FlagRow{"Wma",
                {"--to", "wma", "--bitrate", "64", "--rate", "22050"},
                "wma",
                {{"sample_rate", "22050"}},
                64,
                nullptr},
        // The writer resamples to the chosen rate; the output verifies at it.
        FlagRow{"WmaVerified",
                {"--to", "wma", "--rate", "22050", "--channels", "1", "--verify"},
                "wma",
                {{"sample_rate", "22050"}, {"channels", "1"}},
                0,
                nullptr},
        // The average bit rate counts once the variable bit rate is off.
        FlagRow{"M4a", {"--to", "m4a", "--bitrate", "64", "--tag", "none"}, "m4a", {}, 64, ""},
        // The lowest Vorbis quality; libvorbisenc's nominal rate for it.
        FlagRow{"OggQuality", {"--to", "ogg", "--quality", "-1"}, "ogg", {{"bit_rate", "45000"}},
                0, nullptr},
        FlagRow{"Mp3BitRateEndsTheVariableBitRate",
                {"--to", "mp3", "--set", "MP3VBR=on", "--bitrate", "96"}, "mp3", {}, 96, nullptr},
        FlagRow{"Flac",
                {"--to", "flac", "--rate", "22050", "--channels", "1", "--quality", "8", "--tag",
                 "preset", "--set", "FLACTag/TitleAsFileName=off", "--set", "FLACTag/Title=東京"},
                "flac",
                {{"sample_rate", "22050"}, {"channels", "1"}, {"codec_name", "flac"}},
                0,
                "東京"},
        FlagRow{"Opus",
                {"--to", "opus", "--bitrate", "64", "--channels", "1", "--quality", "3"},
                "opus",
                {{"channels", "1"}, {"codec_name", "opus"}},
                64,
                "Tune"}),
    [](const ::testing::TestParamInfo<FlagRow>& row) { return row.param.name; });

struct RefusedRow {
  const char* name;
  std::vector<std::string> args;  // after "convert"
  const char* message;            // part of stderr
};

void PrintTo(const RefusedRow& row, std::ostream* out) {
  *out << row.name;
}

class CliRefusedFlagsTest : public CliFlagsFixture,
                            public ::testing::WithParamInterface<RefusedRow> {};

// A flag that the format has no value for, or a value the flag does not
// take, is a wrong command line: nothing is converted or saved.
TEST_P(CliRefusedFlagsTest, FlagIsRefusedBeforeAnythingIsDone) {
  const RefusedRow& row = GetParam();
  const std::string source = dir_.File("a.wav");
  WriteWav16(source, 8000, 1, SineWave(800, 1, 8000, 440));
  std::vector<std::string> args = {"convert", "--out", dir_.File("out")};
  args.insert(args.end(), row.args.begin(), row.args.end());
  args.push_back(source);
  const ProcessResult result = Cli(args);
  EXPECT_EQ(result.exitCode, 2);
  EXPECT_EQ(result.out, "");
  EXPECT_NE(result.err.find(row.message), std::string::npos) << result.err;
  EXPECT_FALSE(fs::exists(dir_.File("out")));
  EXPECT_FALSE(SettingsSaved());
}

INSTANTIATE_TEST_SUITE_P(
    Cli, CliRefusedFlagsTest,
    ::testing::Values(
        RefusedRow{"AmrRate", {"--to", "amr", "--rate", "8000"}, "--rate does not apply to AMR"},
        RefusedRow{"AwbChannels", {"--to=awb", "--channels=1"}, "--channels does not apply to AWB"},
        RefusedRow{
            "WavBitRate", {"--to", "wav", "--bitrate", "128"}, "--bitrate does not apply to WAV"},
        RefusedRow{"AacTag", {"--to", "aac", "--tag", "none"}, "--tag does not apply to AAC"},
        RefusedRow{"ThreeChannels", {"--to", "mp3", "--channels", "3"}, "1, 2, mono or stereo"},
        RefusedRow{"ZeroBitRate", {"--to", "ogg", "--bitrate", "0"}, "whole number above 0"},
        RefusedRow{"RateInKilohertz", {"--to", "wav", "--rate", "44.1k"}, "whole number above 0"},
        RefusedRow{"UnknownTagMode", {"--to", "mp3", "--tag", "copy"}, "preset, transfer or none"},
        RefusedRow{"BothPolicies", {"--overwrite", "--skip-existing"}, "exclude each other"},
        RefusedRow{"QualityForWav", {"--to", "wav", "--quality", "5"},
                   "--quality does not apply to WAV output"},
        RefusedRow{"Mp3QualityAboveNine", {"--to", "mp3", "--quality", "10"}, "from 0 to 9 for MP3"},
        RefusedRow{"QualityWithBitRate", {"--to", "ogg", "--quality", "5", "--bitrate", "128"},
                   "exclude each other"},
        RefusedRow{"OpusRate", {"--to", "opus", "--rate", "44100"}, "--rate does not apply to Opus"},
        RefusedRow{"ShardZero", {"--shard", "0/3"}, "1 <= K <= N"},
        RefusedRow{"ShardPastCount", {"--shard", "4/3"}, "1 <= K <= N"},
        RefusedRow{"JsonWithoutPlan", {"--json"}, "give both"},
        RefusedRow{"ReportOfAPlan", {"--dry-run", "--report", "r.jsonl"}, "nothing for --report"},
        RefusedRow{"NamePatternClimbsOut", {"--name", "../{title}"}, "below the output folder"}),
    [](const ::testing::TestParamInfo<RefusedRow>& row) { return row.param.name; });

// A flag's value that the format's own rules change is said once, and the
// output holds the value said; a rate MP3 cannot take is refused (exit 2).
struct ChangedRow {
  const char* name;
  std::vector<std::string> args;  // after "convert": "--to", the extension, more flags
  const char* err;                // all of stderr
  const char* field;              // ffprobe's stream field for the value; nullptr: refused
  const char* value;
};

class CliChangedValueTest : public CliFlagsFixture,
                            public ::testing::WithParamInterface<ChangedRow> {};

TEST_P(CliChangedValueTest, ChangeIsSaidOnceWithTheValueUsed) {
  const ChangedRow& row = GetParam();
  std::vector<std::string> args = {"convert", "--out", dir_.File("out")};
  args.insert(args.end(), row.args.begin(), row.args.end());
  args.push_back(TaggedSource());
  const ProcessResult result = Cli(args);
  EXPECT_EQ(result.exitCode, row.field ? 0 : 2);
  EXPECT_EQ(result.err, row.err);
  if (row.field) {
    EXPECT_EQ(ProbeStreamField(dir_.File("out/t." + row.args[1]), row.field), row.value);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cli, CliChangedValueTest,
    ::testing::Values(
        ChangedRow{"OggBitRateAboveItsLimit",
                   {"--to", "ogg", "--rate", "22050", "--channels", "1", "--bitrate", "256"},
                   "sondrel-cli: OGG allows at most 80 kbit/s at 22,050 Hz mono; 80 is used.\n",
                   "bit_rate", "80000"},
        ChangedRow{"OggRateBetweenItsRates", {"--to", "ogg", "--rate", "12345"},
                   "sondrel-cli: OGG does not encode at 12,345 Hz; the nearest rate it does, "
                   "12,000 Hz, is used.\n", "sample_rate", "12000"},
        ChangedRow{"Mp3BitRateBetweenItsRates", {"--to", "mp3", "--bitrate", "100"},
                   "sondrel-cli: MP3 has no bit rate of 100 kbit/s; the nearest, 96, is used.\n",
                   "bit_rate", "96000"},
        ChangedRow{"Mp3BitRateItHas", {"--to", "mp3", "--bitrate", "96"}, "", "bit_rate", "96000"},
        ChangedRow{"Mp3RateNoStreamHas", {"--to", "mp3", "--rate", "12345"},
                   "sondrel-cli: MP3 cannot be written at 12,345 Hz; --rate takes 8000, 11025, "
                   "12000, 16000, 22050, 24000, 32000, 44100 or 48000.\n", nullptr, nullptr},
        ChangedRow{"WmaNearestCodecFormat", {"--to", "wma", "--bitrate", "100", "--rate", "22050"},
                   "sondrel-cli: WMA has no codec format of 100 kbit/s at 22,050 Hz stereo; the "
                   "nearest, 96 kbit/s, 22.05 kHz, stereo, is used.\n", "bit_rate", "96000"}),
    [](const ::testing::TestParamInfo<ChangedRow>& row) { return row.param.name; });

struct ExistingRow {
  const char* name;
  const char* flag;
  const char* status;  // the second run's status
  bool replaced;       // the first output was replaced
};

void PrintTo(const ExistingRow& row, std::ostream* out) {
  *out << row.name;
}

class CliExistingTargetTest : public CliFlagsFixture,
                              public ::testing::WithParamInterface<ExistingRow> {};

// A second run over the same file: --overwrite replaces the output in place,
// --skip-existing leaves it and still succeeds; no numbered copy appears.
TEST_P(CliExistingTargetTest, SecondRunFollowsTheFlag) {
  const ExistingRow& row = GetParam();
  const std::string source = dir_.File("a.wav");
  WriteWav16(source, 8000, 1, SineWave(8000, 1, 8000, 440));
  const std::string out = dir_.File("out");
  ASSERT_EQ(Cli({"convert", "--to", "wav", "--out", out, source}).exitCode, 0);
  // Marks the first output so that a replacement shows.
  WriteFileText(out + "/a.wav", "first");

  const ProcessResult second = Cli({"convert", "--to", "wav", "--out", out, row.flag, source});
  EXPECT_EQ(second.exitCode, 0) << second.err;
  EXPECT_EQ(second.out, source + "\t" + row.status + "\n");
  EXPECT_EQ(ReadFileText(out + "/a.wav") != "first", row.replaced);
  EXPECT_FALSE(fs::exists(out + "/a_1.wav"));
  EXPECT_FALSE(SettingsSaved());
}

INSTANTIATE_TEST_SUITE_P(
    Cli, CliExistingTargetTest,
    ::testing::Values(ExistingRow{"Overwrite", "--overwrite", "a.wav", true},
                      ExistingRow{"Skip", "--skip-existing", "Target exists and skipped", false}),
    [](const ::testing::TestParamInfo<ExistingRow>& row) { return row.param.name; });

// --keep-folders repeats a searched folder's structure below the output
// folder (with a trailing "/" on the folder named too), so equal names stay
// apart, and a second run with --skip-existing writes nothing new.
TEST_F(CliFlagsFixture, KeepFoldersRepeatsTheSearchedStructure) {
  const std::string in = dir_.File("in");
  for (const char* folder : {"in/a", "in/b/deep"}) fs::create_directories(dir_.File(folder));
  for (const char* file : {"in/top.wav", "in/a/song.wav", "in/b/deep/song.wav"})
    WriteWav16(dir_.File(file), 8000, 1, SineWave(8000, 1, 8000, 440));
  const std::string out = dir_.File("out");
  const std::vector<std::string> args = {"convert", "--to", "wav", "--out", out,
                                         "--keep-folders", "--skip-existing", in + "/"};
  const ProcessResult first = Cli(args);
  ASSERT_EQ(first.exitCode, 0) << first.err;
  std::vector<std::string> written;
  for (const auto& item : fs::recursive_directory_iterator(out))
    if (item.is_regular_file()) written.push_back(fs::relative(item.path(), out).string());
  std::sort(written.begin(), written.end());
  EXPECT_EQ(written, (std::vector<std::string>{"a/song.wav", "b/deep/song.wav", "top.wav"}));

  const ProcessResult second = Cli(args);
  EXPECT_EQ(second.exitCode, 0) << second.err;
  size_t skipped = 0;
  for (size_t at = 0; (at = second.out.find("\tTarget exists and skipped\n", at)) != std::string::npos;
       ++at)
    ++skipped;
  EXPECT_EQ(skipped, 3u) << second.out;
}

// Rising zero crossings per second of the first channel over [from, to) s.
double Frequency(const Decoded& decoded, double from, double to) {
  int crossings = 0;
  const int64_t first = static_cast<int64_t>(from * decoded.rate);
  const int64_t last = std::min<int64_t>(static_cast<int64_t>(to * decoded.rate), decoded.Frames());
  for (int64_t frame = first + 1; frame < last; ++frame) {
    const int16_t before = decoded.samples[(frame - 1) * decoded.channels];
    const int16_t now = decoded.samples[frame * decoded.channels];
    if (before < 0 && now >= 0) ++crossings;
  }
  return crossings / (static_cast<double>(last - first) / decoded.rate);
}

// MIDI renders with the SoundFont named: the test font's pure 441 Hz sine
// for key 69, and the program's own font when it is named by its path.
TEST_F(CliFlagsFixture, SoundFontFlagRendersMidiWithThatFont) {
  const std::string song = dir_.File("song.mid");
  WriteFileText(song, OneNoteSong(500000, 4, 69));
  const std::string tiny = dir_.File("fonts/tiny.sf2");
  fs::create_directories(dir_.File("fonts"));
  WriteFileText(tiny, TinySoundFontBytes());
  const auto render = [&](const std::string& folder, const std::vector<std::string>& flags) {
    std::vector<std::string> args = {"convert", "--to", "wav", "--out", dir_.File(folder)};
    args.insert(args.end(), flags.begin(), flags.end());
    args.push_back(song);
    const ProcessResult result = Cli(args);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    return DecodeWithFfmpeg(dir_.File(folder + "/song.wav"));
  };
  const Decoded withTiny = render("tiny", {"--soundfont", tiny});
  const Decoded standard = render("standard", {});
  const Decoded named = render("named", {"--soundfont=" + BuildProgramFolder() + "ct4mgm.sf2"});
  ASSERT_TRUE(withTiny.ok && standard.ok && named.ok);
  EXPECT_NEAR(Frequency(withTiny, 0.2, 1.2), 441, 3);
  EXPECT_FALSE(withTiny.samples == standard.samples);
  EXPECT_TRUE(named.samples == standard.samples);
}

// Without --soundfont, MIDI renders with the SoundFontFile that `options`
// stored (its one preset an octave up: 882 Hz); a stored font that cannot be
// used gives way to the program's own, with a warning, and the run goes on.
TEST_F(CliFlagsFixture, StoredSoundFontRendersMidiWithoutTheFlag) {
  const std::string song = dir_.File("song.mid");
  WriteFileText(song, OneNoteSong(500000, 4, 69));
  const std::string font = dir_.File("octave.sf2");
  WriteFileText(font, TinySoundFontBytes(0.1, {{0, 0, 12}}));
  ASSERT_EQ(Cli({"options", "SoundFontFile=" + font}).exitCode, 0);
  EXPECT_NE(Cli({"options"}).out.find("\nSoundFontFile=" + font + "\n"), std::string::npos);
  const ProcessResult stored = Cli({"convert", "--to", "wav", "--out", dir_.File("a"), song});
  ASSERT_EQ(stored.exitCode, 0) << stored.err;
  const Decoded decoded = DecodeWithFfmpeg(dir_.File("a/song.wav"));
  ASSERT_TRUE(decoded.ok);
  EXPECT_NEAR(Frequency(decoded, 0.2, 1.2), 882, 6);

  fs::remove(font);
  const ProcessResult fallback = Cli({"convert", "--to", "wav", "--out", dir_.File("b"), song});
  EXPECT_EQ(fallback.exitCode, 0) << fallback.err;
  EXPECT_NE(fallback.err.find("\"" + font + "\" of SoundFontFile cannot be used (No such file"),
            std::string::npos)
      << fallback.err;
  EXPECT_TRUE(fs::exists(dir_.File("b/song.wav")));
}

// A SoundFont without the instrument a song asks for: the song plays with
// the nearest preset the font has, as the note says and the pitch shows
// (each preset is transposed its own way); when even that is silent, the
// entry fails with the reason and leaves no file.
struct FallbackRow {
  const char* name;
  std::vector<TinyPreset> presets;
  bool silent;  // the font's sample data is all zero
  int channel;  // 9: the drum channel
  int program;
  int semitones;        // of the preset that plays
  const char* message;  // part of stderr: the note, or the failure's reason
};

void PrintTo(const FallbackRow& row, std::ostream* out) {
  *out << row.name;
}

class CliFontFallbackTest : public CliFlagsFixture,
                            public ::testing::WithParamInterface<FallbackRow> {};

TEST_P(CliFontFallbackTest, SongPlaysWithTheNearestPresetOrFailsWhenSilent) {
  const FallbackRow& row = GetParam();
  const std::string song = dir_.File("song.mid");
  MidiTrackWriter track;
  track.Program(0, row.channel, row.program).NoteOn(0, row.channel, 69);
  WriteFileText(song, MidiFileBytes(0, 480, {track.NoteOff(1920, row.channel, 69).EndOfTrack()}));
  const std::string font = dir_.File("font.sf2");
  WriteFileText(font, TinySoundFontBytes(0.1, row.presets, row.silent));
  const ProcessResult result =
      Cli({"convert", "--to", "wav", "--out", dir_.File("out"), "--soundfont", font, song});
  EXPECT_NE(result.err.find(row.message), std::string::npos) << result.err;
  if (row.silent) {
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, song + "\tConversion Failure\n");
    EXPECT_FALSE(fs::exists(dir_.File("out/song.wav")));
    return;
  }
  ASSERT_EQ(result.exitCode, 0) << result.err;
  const Decoded decoded = DecodeWithFfmpeg(dir_.File("out/song.wav"));
  ASSERT_TRUE(decoded.ok);
  EXPECT_NEAR(Frequency(decoded, 0.2, 1.2), 441 * std::pow(2, row.semitones / 12.0), 4);
}

INSTANTIATE_TEST_SUITE_P(
    Cli, CliFontFallbackTest,
    ::testing::Values(
        FallbackRow{"OnlyBank1", {{1, 0, 0}}, false, 0, 0, 0,
                    "bank 0 program 0 by bank 1 program 0"},
        FallbackRow{"SameProgramInTheLowestBank", {{0, 0, 12}, {16, 5, 7}, {8, 5, 4}}, false, 0, 5,
                    4, "bank 0 program 5 by bank 8 program 5"},
        FallbackRow{"NearestProgramOfBank0", {{0, 3, 3}, {0, 8, 7}, {1, 6, 12}}, false, 0, 5, 3,
                    "bank 0 program 5 by bank 0 program 3"},
        FallbackRow{"OnlyADrumKit", {{128, 0, 5}}, false, 0, 5, 5,
                    "bank 0 program 5 by bank 128 program 0"},
        FallbackRow{"DrumsWithoutKits", {{0, 0, 2}}, false, 9, 0, 2,
                    "drum kit 0 by bank 0 program 0"},
        FallbackRow{"SilentSamples", {{0, 0, 0}}, true, 0, 0, 0,
                    "the SoundFont's instruments for this song make no sound; the render is "
                    "silent"}),
    [](const ::testing::TestParamInfo<FallbackRow>& row) { return row.param.name; });

struct FontRow {
  const char* name;
  const char* font;     // in the test folder; made by the test
  const char* message;  // part of stderr
};

void PrintTo(const FontRow& row, std::ostream* out) {
  *out << row.name;
}

class CliSoundFontRefusedTest : public CliFlagsFixture,
                                public ::testing::WithParamInterface<FontRow> {};

// A SoundFont that cannot be used is a wrong command line, said before
// anything is converted.
TEST_P(CliSoundFontRefusedTest, NothingIsConverted) {
  const FontRow& row = GetParam();
  fs::create_directories(dir_.File("folder.sf2"));
  WriteFileText(dir_.File("text.sf2"), "RIFF but not a SoundFont");
  const std::string source = dir_.File("a.wav");
  WriteWav16(source, 8000, 1, SineWave(800, 1, 8000, 440));
  const ProcessResult result = Cli({"convert", "--to", "wav", "--out", dir_.File("out"),
                                    "--soundfont", dir_.File(row.font), source});
  EXPECT_EQ(result.exitCode, 2);
  EXPECT_EQ(result.out, "");
  EXPECT_NE(result.err.find(row.message), std::string::npos) << result.err;
  EXPECT_NE(result.err.find(dir_.File(row.font)), std::string::npos) << result.err;
  EXPECT_FALSE(fs::exists(dir_.File("out")));
}

INSTANTIATE_TEST_SUITE_P(
    Cli, CliSoundFontRefusedTest,
    ::testing::Values(FontRow{"Missing", "none.sf2", "No such file or directory"},
                      FontRow{"Folder", "folder.sf2", "not a file"},
                      FontRow{"NotASoundFont", "text.sf2", "is not a SoundFont Sondrel can read"}),
    [](const ::testing::TestParamInfo<FontRow>& row) { return row.param.name; });

// A --set the run will not use is named on stderr with the setting that
// would make it count. Following each piece of advice in turn must end the
// warnings and bring the value into the output, which ffprobe checks; the
// first output, made under the warning, must not have it.
struct UnusedSetRow {
  const char* name;
  std::vector<std::string> args;  // after "convert"
  const char* extension;          // of the output once the advice is followed
  const char* entry;              // ffprobe's -show_entries
  const char* value;              // what the value makes the entry
};

void PrintTo(const UnusedSetRow& row, std::ostream* out) {
  *out << row.name;
}

class CliUnusedSetTest : public CliFlagsFixture,
                         public ::testing::WithParamInterface<UnusedSetRow> {};

TEST_P(CliUnusedSetTest, AdviceMakesTheValueCount) {
  const UnusedSetRow& row = GetParam();
  const std::string source = TaggedSource();
  std::vector<std::string> args = {"convert", "--overwrite", "--out", dir_.File("out")};
  args.insert(args.end(), row.args.begin(), row.args.end());
  const std::string marker = " has no effect unless ";
  const auto probe = [&](const std::string& output) {
    const ProcessResult probed = RunProcess(
        "ffprobe", {"-v", "error", "-show_entries", row.entry, "-of", "default=nw=1:nk=1", output});
    return probed.out.substr(0, probed.out.find('\n'));
  };
  std::vector<std::string> advice;
  for (int round = 0;; ++round) {
    std::vector<std::string> run = args;
    run.push_back(source);
    const ProcessResult result = Cli(run);
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const std::string::size_type at = result.err.find(marker);
    if (at == std::string::npos) break;
    ASSERT_LT(round, 3) << result.err;
    ASSERT_EQ(result.err.find(marker, at + 1), std::string::npos) << "warned more than once";
    const std::string::size_type start = at + marker.size();
    const std::string needed = result.err.substr(start, result.err.find(".\n", start) - start);
    // The status line is "source<TAB>output name".
    const std::string line = result.out.substr(0, result.out.find('\n'));
    const std::string produced = dir_.File("out/" + line.substr(line.find('\t') + 1));
    EXPECT_NE(probe(produced), row.value) << "warned about a value that was used: " << result.err;
    advice.push_back(needed);
    args.insert(args.end(), {"--set", needed});
  }
  EXPECT_FALSE(advice.empty()) << "no warning for a value the run ignores";
  EXPECT_EQ(probe(dir_.File(std::string("out/t.") + row.extension)), row.value);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CliUnusedSetTest,
    ::testing::Values(
        UnusedSetRow{"Mp3RateUnderAutomatic",
                     {"--to", "mp3", "--set", "MP3SampleRate=22050"},
                     "mp3",
                     "stream=sample_rate",
                     "22050"},
        UnusedSetRow{"OggChannelsUnderAutomatic",
                     {"--to", "ogg", "--set", "OGGChannels=mono"},
                     "ogg",
                     "stream=channels",
                     "1"},
        UnusedSetRow{"PresetArtistUnderTransfer",
                     {"--to", "mp3", "--set", "MP3Tag/Artist=Zo\u00eb M\u00fcller"},
                     "mp3",
                     "format_tags=artist",
                     "Zo\u00eb M\u00fcller"},
        UnusedSetRow{"WavRateForAnotherFormat",
                     {"--to", "ogg", "--set", "WAVSampleRate=22050"},
                     "wav",
                     "stream=sample_rate",
                     "22050"},
        UnusedSetRow{"WideBandModeUnderNarrowBand",
                     {"--to", "amr", "--set", "AMRWBMode=8"},
                     "amr",
                     "stream=sample_rate",
                     "16000"}),
    [](const ::testing::TestParamInfo<UnusedSetRow>& row) { return std::string(row.param.name); });

}  // namespace
