// Runs the built sondrel-cli with its settings and home folder in a
// temporary folder, and checks stdout, stderr, exit codes and the file.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "app/SettingsCatalog.h"
#include "support/RunProcess.h"
#include "support/TempDir.h"

namespace {

class OptionsCommandTest : public ::testing::Test {
 protected:
  ProcessResult Cli(const std::vector<std::string>& args) {
    return RunCliProcess(args, {{"HOME", home_.Path()}, {"XDG_CONFIG_HOME", home_.File("config")}});
  }
  std::string SettingsFile() const { return home_.File("config/Vantrel Technologies/Sondrel.conf"); }

  // The value printed for `name` by `sondrel-cli options`.
  std::string Printed(const std::string& name) {
    const ProcessResult result = Cli({"options"});
    std::istringstream lines(result.out);
    for (std::string line; std::getline(lines, line);)
      if (line.rfind(name + "=", 0) == 0) return line.substr(name.size() + 1);
    return "<missing>";
  }

  TempDir home_;
};

TEST_F(OptionsCommandTest, PrintsEveryDefaultInTableOrder) {
  const ProcessResult result = Cli({"options"});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.err, "");

  std::vector<std::string> names;
  std::istringstream lines(result.out);
  for (std::string line; std::getline(lines, line);) names.push_back(line.substr(0, line.find('=')));

  std::vector<std::string> expected;
  for (const SettingValue& value : SettingsCatalog()) expected.push_back(value.name);
  for (const PresetSlot& slot : PresetSlots())
    for (const PresetValue& field : PresetCatalog())
      expected.push_back(std::string(slot.name) + "Tag/" + field.name);
  EXPECT_EQ(names, expected);

  EXPECT_EQ(result.out.substr(0, 17), "OutputFormat=mp3\n");
  EXPECT_NE(result.out.find("\nDestOutputFolderOpt=custom\n"), std::string::npos);
  EXPECT_NE(result.out.find("\nDestSpecifiedFolder=" + home_.Path() + "/Documents\n"), std::string::npos);
  EXPECT_NE(result.out.find("\nFilterExts=\n"), std::string::npos);
  EXPECT_NE(result.out.find("\nM4ATag/CustomTrackNum=0\n"), std::string::npos);
}

TEST_F(OptionsCommandTest, ChangedValuesAreCorrectedSavedAndReadBack) {
  const ProcessResult set = Cli({"options", "OGGBitRate=192000", "OutputFormat=m4b",
                                 "MP3Tag/Artist=Dvořák", "WMATag/Album=東京, 1999",
                                 "FilterExts=wav,,mp3", "AmplifyWMACoeff=5"});
  ASSERT_EQ(set.exitCode, 0) << set.err;
  EXPECT_EQ(set.out,
            "OGGBitRate=192\nOutputFormat=m4b\nMP3Tag/Artist=Dvořák\n"
            "WMATag/Album=東京, 1999\nFilterExts=wav,,mp3\nAmplifyWMACoeff=10\n");

  EXPECT_EQ(
      set.err,
      "OGGBitRate=192000 is stored as 192.\nAmplifyWMACoeff=5 is stored as 10 (the lowest).\n");
  EXPECT_NE(ReadFileText(SettingsFile()).find("OutputFormat=6700"), std::string::npos);

  EXPECT_EQ(Printed("OGGBitRate"), "192");
  EXPECT_EQ(Printed("OutputFormat"), "m4b");
  EXPECT_EQ(Printed("MP3Tag/Artist"), "Dvořák");
  EXPECT_EQ(Printed("WMATag/Album"), "東京, 1999");
  EXPECT_EQ(Printed("FilterExts"), "wav,,mp3");
  EXPECT_EQ(Printed("AmplifyWMACoeff"), "10");
  EXPECT_EQ(Printed("MP3BitRate"), "128");
}

TEST_F(OptionsCommandTest, OnlyTheOwningGroupIsWritten) {
  ASSERT_EQ(Cli({"options", "OutputFormat=wav"}).exitCode, 0);
  const std::string afterFormat = ReadFileText(SettingsFile());
  EXPECT_NE(afterFormat.find("OutputFormat=2000"), std::string::npos);
  EXPECT_EQ(afterFormat.find("MP3BitRate"), std::string::npos) << afterFormat;
  EXPECT_EQ(afterFormat.find("Folder"), std::string::npos) << afterFormat;

  ASSERT_EQ(Cli({"options", "Folder=/home/ann/Music"}).exitCode, 0);
  EXPECT_EQ(ReadFileText(SettingsFile()).find("MP3BitRate"), std::string::npos);

  ASSERT_EQ(Cli({"options", "MP3BitRate=320"}).exitCode, 0);
  const std::string afterOptions = ReadFileText(SettingsFile());
  EXPECT_NE(afterOptions.find("MP3BitRate=320"), std::string::npos);
  EXPECT_NE(afterOptions.find("M4ATag\\TitleAsFileName=1"), std::string::npos) << afterOptions;
  EXPECT_EQ(Printed("Folder"), "/home/ann/Music");
  EXPECT_EQ(Printed("OutputFormat"), "wav");
}

// A text is typed as `options` prints it: \n, \t and \\ stand for a line
// feed, a tab and a backslash; a backslash before anything else stays one.
TEST_F(OptionsCommandTest, TextsAreTakenBackAsTheyArePrinted) {
  const ProcessResult set = Cli({"options", "OGGTag/Comment=a\\nb\\tc\\\\d\\qe"});
  ASSERT_EQ(set.exitCode, 0) << set.err;
  EXPECT_EQ(set.out, "OGGTag/Comment=a\\nb\\tc\\\\d\\\\qe\n");
  EXPECT_EQ(Printed("OGGTag/Comment"), "a\\nb\\tc\\\\d\\\\qe");
}

TEST_F(OptionsCommandTest, BadPairsAreRefusedAndNothingIsWritten) {
  const std::vector<std::vector<std::string>> bad = {
      {"options", "MP3SampleRate=22050", "NoSuchOption=1"},
      {"options", "MP3SampleRate=22050", "MP3BitRate=fast"},
      {"options", "MP3SampleRate=22050", "MP3BitRate=-1"},
      {"options", "MP3SampleRate=22050", "MP3BitRate=4294967296"},
      {"options", "MP3SampleRate=22050", "OutputFormat=ape"},
      {"options", "MP3SampleRate=22050", "OutputFormat=1234"},
      {"options", "MP3SampleRate=22050", "MP3Tag/Nothing=x"},
      {"options", "MP3SampleRate=22050", "APETag/Title=x"},
      {"options", "MP3SampleRate=22050", "MP3Tag/TrackNumType=one"},
      {"options", "MP3SampleRate=22050", "=5"},
      {"options", "MP3SampleRate=22050", "MP3BitRate"},
      {"options", "Folder=/" + std::string(MAX_PATH_BYTES, 'a')},
      // Outside an enumerated option's set, even where loading would pick a
      // fallback: a wrong code names no choice.
      {"options", "MP3SampleRate=22050", "TargetExistsOpt=99"},
      {"options", "MP3SampleRate=22050", "TargetExistsOpt=replace"},
      {"options", "MP3SampleRate=22050", "DestOutputFolderOpt=1"},
      {"options", "MP3SampleRate=22050", "MonoType=5"},
      {"options", "MP3SampleRate=22050", "MP3ID3TagType=7"},
      {"options", "MP3SampleRate=22050", "WMAID3TagType=7"},
      {"options", "MP3SampleRate=22050", "WAVBitsPerSample=24"},
      {"options", "MP3SampleRate=22050", "MP3ChannelMode=2"},
      {"options", "MP3SampleRate=22050", "WMAChannels=0"},
      {"options", "MP3SampleRate=22050", "CreateDirs=2"},
      {"options", "MP3SampleRate=22050", "AMRMode=8"},
      {"options", "MP3SampleRate=22050", "AMRMode=6.60"},
      {"options", "MP3SampleRate=22050", "M4ATag/TrackNumType=3"},
      // Outside a range that loading does not correct.
      {"options", "MP3SampleRate=22050", "AmplifyAACCoef=5"},
  };
  for (const auto& args : bad) {
    const ProcessResult result = Cli(args);
    EXPECT_EQ(result.exitCode, 2) << args.back();
    EXPECT_FALSE(result.err.empty()) << args.back();
    EXPECT_EQ(result.out, "") << args.back();
  }
  EXPECT_FALSE(std::ifstream(SettingsFile()).good());

  const ProcessResult unknown = Cli({"options", "NoSuchOption=1"});
  EXPECT_NE(unknown.err.find("unknown option \"NoSuchOption\""), std::string::npos) << unknown.err;
  const ProcessResult notNumber = Cli({"options", "MP3BitRate=fast"});
  EXPECT_NE(notNumber.err.find("MP3BitRate takes a whole number"), std::string::npos) << notNumber.err;
  EXPECT_EQ(Cli({"options", "TargetExistsOpt=99"}).err,
            "sondrel-cli: TargetExistsOpt takes rename, overwrite or skip (or 11, 22, 33), not "
            "\"99\".\n");
  EXPECT_EQ(Cli({"options", "WAVBitsPerSample=24"}).err,
            "sondrel-cli: WAVBitsPerSample takes 8, 16 or same (or 8, 16, 0), not \"24\".\n");
  EXPECT_EQ(Cli({"options", "AmplifyAACCoef=5"}).err,
            "sondrel-cli: AmplifyAACCoef takes 10 to 3000, not \"5\".\n");
}

TEST_F(OptionsCommandTest, UnwritableSettingsFailTheCommand) {
  WriteFileText(home_.File("config"), "a file where the folder should be");
  const ProcessResult result = Cli({"options", "MP3BitRate=320"});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.err.find("could not be saved"), std::string::npos) << result.err;
}

TEST_F(OptionsCommandTest, UnparsableSettingsFileIsReportedByName) {
  const std::string broken = "[Options\nMP3BitRate=320\n";
  WriteFileText(SettingsFile(), broken);
  const std::string named = "\"" + SettingsFile() + "\" cannot be parsed";

  const ProcessResult set = Cli({"options", "MP3BitRate=192"});
  EXPECT_EQ(set.exitCode, 1);
  EXPECT_EQ(set.out, "");
  EXPECT_NE(set.err.find(named), std::string::npos) << set.err;
  EXPECT_EQ(set.err.find("writable"), std::string::npos) << set.err;
  EXPECT_EQ(ReadFileText(SettingsFile()), broken);

  // Listing still shows the values in effect, the defaults, and says why.
  const ProcessResult list = Cli({"options"});
  EXPECT_EQ(list.exitCode, 0);
  EXPECT_NE(list.out.find("\nMP3BitRate=128\n"), std::string::npos);
  EXPECT_NE(list.err.find(named), std::string::npos) << list.err;

  // The working commands say it too, rather than ignore the user's options.
  const ProcessResult info = Cli({"info", SettingsFile()});
  EXPECT_NE(info.err.find(named), std::string::npos) << info.err;
}

TEST_F(OptionsCommandTest, TextsPrintOnOneLineWithTabsAndLineFeedsEscaped) {
  const ProcessResult set = Cli({"options", "MP3Tag/Comment=two\nlines\tand a \\ backslash"});
  ASSERT_EQ(set.exitCode, 0) << set.err;
  const std::string escaped = "two\\nlines\\tand a \\\\ backslash";
  EXPECT_EQ(set.out, "MP3Tag/Comment=" + escaped + "\n");
  EXPECT_EQ(Printed("MP3Tag/Comment"), escaped);

  const ProcessResult list = Cli({"options"});
  size_t lines = 0;
  for (const char c : list.out) lines += c == '\n';
  EXPECT_EQ(lines, SettingsCatalog().size() + PresetSlots().size() * PresetCatalog().size());
}

TEST_F(OptionsCommandTest, HelpVersionAndUnknownCommands) {
  const ProcessResult help = Cli({"--help"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_NE(help.out.find("Usage: sondrel-cli"), std::string::npos);

  const ProcessResult version = Cli({"--version"});
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_EQ(version.out, std::string("sondrel-cli ") + SONDREL_VERSION + "\n");

  const ProcessResult none = Cli({});
  EXPECT_EQ(none.exitCode, 2);
  EXPECT_NE(none.err.find("Usage:"), std::string::npos);

  const ProcessResult unknown = Cli({"frobnicate"});
  EXPECT_EQ(unknown.exitCode, 2);
  EXPECT_NE(unknown.err.find("unknown command \"frobnicate\""), std::string::npos);
}

// One enumerated value as typed, as `options` prints it after loading, and
// as the settings file stores it for the window.
struct NamedValue {
  std::string name;
  std::string typed;
  std::string printed;
  std::string stored;  // the line in the settings file
};

class OptionsNamedValueTest : public OptionsCommandTest,
                              public ::testing::WithParamInterface<NamedValue> {};

TEST_P(OptionsNamedValueTest, IsStoredAsItsNumberAndPrintedByName) {
  const NamedValue& row = GetParam();
  const ProcessResult set = Cli({"options", row.name + "=" + row.typed});
  ASSERT_EQ(set.exitCode, 0) << set.err;
  EXPECT_EQ(set.err, "");
  EXPECT_EQ(set.out, row.name + "=" + row.printed + "\n");
  const std::string file = ReadFileText(SettingsFile());
  EXPECT_NE(file.find("\n" + row.stored + "\n"), std::string::npos) << file;
  EXPECT_EQ(Printed(row.name), row.printed);
}

INSTANTIATE_TEST_SUITE_P(
    Options, OptionsNamedValueTest,
    ::testing::Values(
        NamedValue{"TargetExistsOpt", "overwrite", "overwrite", "TargetExistsOpt=22"},
        NamedValue{"TargetExistsOpt", "33", "skip", "TargetExistsOpt=33"},
        NamedValue{"DestOutputFolderOpt", "source", "source", "DestOutputFolderOpt=199"},
        NamedValue{"MonoType", "RIGHT", "right", "MonoType=2"},
        NamedValue{"ConvertJobs", "3", "3", "ConvertJobs=3"},
        NamedValue{"MP3ID3TagType", "none", "none", "MP3ID3TagType=2"},
        NamedValue{"M4AID3TagType", "preset", "preset", "M4AID3TagType=0"},
        NamedValue{"MP3ChannelMode", "stereo", "stereo", "MP3ChannelMode=0"},
        NamedValue{"MP3ChannelMode", "mono", "mono", "MP3ChannelMode=3"},
        NamedValue{"MP3WriteID3Version", "both", "both", "MP3WriteID3Version=2"},
        NamedValue{"WAVChannelNum", "same", "same", "WAVChannelNum=0"},
        NamedValue{"OGGChannels", "mono", "mono", "OGGChannels=1"},
        NamedValue{"WMAChannels", "1", "mono", "WMAChannels=1"},
        NamedValue{"WAVBitsPerSample", "8", "8", "WAVBitsPerSample=8"},
        NamedValue{"WAVBitsPerSample", "same", "same", "WAVBitsPerSample=0"},
        NamedValue{"AACMpegVersion", "mpeg2", "mpeg2", "AACMpegVersion=1"},
        NamedValue{"M4ABlockType", "nolong", "nolong", "M4ABlockType=2"},
        NamedValue{"AMRType", "wb", "wb", "AMRType=1"},
        NamedValue{"AMRMode", "12.2", "12.2", "AMRMode=7"},
        NamedValue{"AWBMode", "23.85", "23.85", "AWBMode=8"},
        NamedValue{"CreateDirs", "on", "on", "CreateDirs=1"},
        NamedValue{"KeepAddedSubfolders", "on", "on", "KeepAddedSubfolders=1"},
        NamedValue{"AmplifyOGG", "1", "on", "AmplifyOGG=1"},
        NamedValue{"OutputFormat", "AWB", "awb", "OutputFormat=5600"},
        NamedValue{"MP3Tag/TrackNumType", "sequence", "sequence", "MP3Tag\\TrackNumType=1"}));

TEST_F(OptionsCommandTest, ValuesLoadingCorrectsAreStoredCorrectedWithANote) {
  const ProcessResult set =
      Cli({"options", "AmplifyMp3Coeff=5", "AmplifyWavCoeff=5000", "OGGBitRate=64000"});
  ASSERT_EQ(set.exitCode, 0) << set.err;
  EXPECT_EQ(set.out, "AmplifyMp3Coeff=10\nAmplifyWavCoeff=3000\nOGGBitRate=64\n");
  EXPECT_EQ(set.err,
            "AmplifyMp3Coeff=5 is stored as 10 (the lowest).\n"
            "AmplifyWavCoeff=5000 is stored as 3000 (the highest).\n"
            "OGGBitRate=64000 is stored as 64.\n");
  const std::string file = ReadFileText(SettingsFile());
  for (const char* line :
       {"\nAmplifyMp3Coeff=10\n", "\nAmplifyWavCoeff=3000\n", "\nOGGBitRate=64\n"})
    EXPECT_NE(file.find(line), std::string::npos) << line;
}

TEST_F(OptionsCommandTest, DescribeListsEveryOptionOnceWithItsValuesAndMeaning) {
  ASSERT_EQ(Cli({"options", "TargetExistsOpt=skip"}).exitCode, 0);
  const ProcessResult result = Cli({"options", "--describe"});
  ASSERT_EQ(result.exitCode, 0) << result.err;

  // Each option is a line "Name=Value" followed by two indented lines.
  std::vector<std::string> names;
  std::vector<std::string> lines;
  std::istringstream in(result.out);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  for (size_t i = 0; i < lines.size(); i += 3) {
    names.push_back(lines[i].substr(0, lines[i].find('=')));
    ASSERT_LT(i + 2, lines.size());
    EXPECT_EQ(lines[i + 1].substr(0, 4), "    ") << lines[i];
    EXPECT_GT(lines[i + 2].size(), 10u) << lines[i];
  }
  const ProcessResult list = Cli({"options"});
  std::vector<std::string> listed;
  std::istringstream listLines(list.out);
  for (std::string line; std::getline(listLines, line);)
    listed.push_back(line.substr(0, line.find('=')));
  EXPECT_EQ(names, listed);

  EXPECT_NE(
      result.out.find("\nTargetExistsOpt=skip\n    rename, overwrite or skip (or 11, 22, 33)\n"),
      std::string::npos);
  EXPECT_NE(result.out.find("\nAmplifyMp3Coeff=100\n    10 to 3000\n"), std::string::npos);
  EXPECT_NE(result.out.find("\nMP3Tag/Artist=\n    any text\n    MP3 tag preset: "),
            std::string::npos);
}

}  // namespace
