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
  for (const char* preset : {"MP3Tag", "OGGTag", "WMATag", "M4ATag"})
    for (const PresetValue& field : PresetCatalog()) expected.push_back(std::string(preset) + "/" + field.name);
  EXPECT_EQ(names, expected);

  EXPECT_EQ(result.out.substr(0, 18), "OutputFormat=1000\n");
  EXPECT_NE(result.out.find("\nDestOutputFolderOpt=399\n"), std::string::npos);
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
            "OGGBitRate=192\nOutputFormat=6700\nMP3Tag/Artist=Dvořák\n"
            "WMATag/Album=東京, 1999\nFilterExts=wav,,mp3\nAmplifyWMACoeff=10\n");

  EXPECT_EQ(Printed("OGGBitRate"), "192");
  EXPECT_EQ(Printed("OutputFormat"), "6700");
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
  EXPECT_EQ(Printed("OutputFormat"), "2000");
}

TEST_F(OptionsCommandTest, BadPairsAreRefusedAndNothingIsWritten) {
  const std::vector<std::vector<std::string>> bad = {
      {"options", "MP3SampleRate=22050", "NoSuchOption=1"},
      {"options", "MP3SampleRate=22050", "MP3BitRate=fast"},
      {"options", "MP3SampleRate=22050", "MP3BitRate=-1"},
      {"options", "MP3SampleRate=22050", "MP3BitRate=4294967296"},
      {"options", "MP3SampleRate=22050", "OutputFormat=flac"},
      {"options", "MP3SampleRate=22050", "OutputFormat=1234"},
      {"options", "MP3SampleRate=22050", "MP3Tag/Nothing=x"},
      {"options", "MP3SampleRate=22050", "FLACTag/Title=x"},
      {"options", "MP3SampleRate=22050", "MP3Tag/TrackNumType=one"},
      {"options", "MP3SampleRate=22050", "=5"},
      {"options", "MP3SampleRate=22050", "MP3BitRate"},
      {"options", "Folder=/" + std::string(MAX_PATH_BYTES, 'a')},
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
  EXPECT_EQ(lines, SettingsCatalog().size() + 4 * PresetCatalog().size());
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

}  // namespace
