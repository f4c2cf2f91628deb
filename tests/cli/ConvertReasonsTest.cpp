// sondrel-cli convert says why: a line per file that fails to load, the
// reason of a failed conversion and where an output went when its folder
// could not be used. Run as built on files made at test time.

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include "support/AudioFixtures.h"
#include "support/RunProcess.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;

class CliReasonsFixture : public ::testing::Test {
 protected:
  CliReasonsFixture() {
    fs::create_directories(dir_.File("music"));
    good_ = dir_.File("music/good.wav");
    WriteWav16(good_, 8000, 1, SineWave(800, 1, 8000, 440));
  }
  ProcessResult Cli(const std::vector<std::string>& args) {
    return RunCliProcess(args, {{"HOME", dir_.Path()}, {"XDG_CONFIG_HOME", dir_.File("config")}},
                         kProcessSeconds);
  }

  TempDir dir_;
  std::string good_;
};

struct LoadRow {
  const char* name;
  const char* content;  // nullptr: the file is not made
  bool named;           // named on the command line, else found in the folder
  const char* reason;
};

void PrintTo(const LoadRow& row, std::ostream* out) {
  *out << row.name;
}

class CliLoadReasonTest : public CliReasonsFixture,
                          public ::testing::WithParamInterface<LoadRow> {};

// One line "path: reason" per file that fails to load (with --verbose, also
// for a file found in the folder that is not a sound file); the readable file
// is converted all the same. Only a file named on the command line fails the
// run.
TEST_P(CliLoadReasonTest, EachFailedFileGetsItsReason) {
  const LoadRow& row = GetParam();
  const std::string bad = dir_.File(std::string("music/bad-") + row.name + ".mp3");
  if (row.content) WriteFileText(bad, row.content);
  std::vector<std::string> args = {"convert", "--verbose", "--to", "wav", "--out",
                                   dir_.File("out")};
  if (row.named) {
    args.push_back(good_);
    args.push_back(bad);
  } else {
    args.push_back(dir_.File("music"));
  }
  const ProcessResult result = Cli(args);
  EXPECT_EQ(result.exitCode, row.named ? 1 : 0) << result.err;
  EXPECT_EQ(result.out, good_ + "\tgood.wav\n");
  EXPECT_EQ(result.err, bad + ": " + row.reason + "\n");
}

INSTANTIATE_TEST_SUITE_P(Cli, CliLoadReasonTest,
                         ::testing::Values(LoadRow{"Missing", nullptr, true, "no such file"},
                                           LoadRow{"EmptyNamed", "", true, "empty file"},
                                           LoadRow{"EmptyFound", "", false, "empty file"},
                                           LoadRow{"TextNamed", "a shopping list", true,
                                                   "not a sound file Sondrel can read"},
                                           LoadRow{"TextFound", "a shopping list", false,
                                                   "not a sound file Sondrel can read"}),
                         [](const ::testing::TestParamInfo<LoadRow>& row) {
                           return row.param.name;
                         });

struct PlacementRow {
  const char* name;
  const char* fallback;    // --set OutputFiles2MyDocuments=...; nullptr: the stored "on"
  bool documentsFallback;  // the output goes to the documents folder
};

void PrintTo(const PlacementRow& row, std::ostream* out) {
  *out << row.name;
}

class CliPlacementReasonTest : public CliReasonsFixture,
                               public ::testing::WithParamInterface<PlacementRow> {};

// The output folder named is a file: the output goes to the documents folder
// with a note giving its full path, or the entry fails with the placement
// message as its reason. A folder named by --out is where the outputs must
// go, whatever the stored option says.
TEST_P(CliPlacementReasonTest, UnusableFolderIsExplained) {
  const PlacementRow& row = GetParam();
  const std::string blocked = dir_.File("blocked");
  WriteFileText(blocked, "a file where the folder should be");
  std::vector<std::string> args = {"convert", "--to", "wav", "--out", blocked, good_};
  if (row.fallback)
    args.insert(args.end() - 1, {"--set", std::string("OutputFiles2MyDocuments=") + row.fallback});
  const ProcessResult result = Cli(args);
  const std::string documentsOutput = dir_.File("Documents/good.wav");
  if (row.documentsFallback) {
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, good_ + "\tgood.wav\n");
    EXPECT_EQ(result.err, "sondrel-cli: note: " + good_ +
                              ": the output folder could not be used; written to " +
                              documentsOutput + "\n");
    EXPECT_EQ(ProbeStreamField(documentsOutput, "sample_rate"), "8000");
  } else {
    EXPECT_EQ(result.exitCode, 1);
    const std::string status = result.out.substr(result.out.find('\t') + 1);
    ASSERT_FALSE(status.empty()) << result.out;
    // The status the window shows, repeated on stderr as the reason.
    EXPECT_EQ(result.err, good_ + ": " + status);
    EXPECT_NE(status.find(blocked), std::string::npos) << status;
    EXPECT_FALSE(fs::exists(documentsOutput));
  }
  EXPECT_EQ(ReadFileText(blocked), "a file where the folder should be");
}

INSTANTIATE_TEST_SUITE_P(Cli, CliPlacementReasonTest,
                         ::testing::Values(PlacementRow{"DocumentsFallback", "on", true},
                                           PlacementRow{"NoFallback", "off", false},
                                           PlacementRow{"OutWithStoredFallback", nullptr, false}),
                         [](const ::testing::TestParamInfo<PlacementRow>& row) {
                           return row.param.name;
                         });

// Eleven files found beside the music that are not sound files are counted in
// one line, each named under --verbose (no cut after ten) and left unsaid
// under --quiet, which prints no result either; the file named on the
// command line gets its line and fails the run, for info as for convert.
using CommandAndFlag = std::tuple<const char*, const char*>;
class CliVerbosityTest : public CliReasonsFixture,
                         public ::testing::WithParamInterface<CommandAndFlag> {};

TEST_P(CliVerbosityTest, FoundFilesThatAreNotSoundFilesAreCounted) {
  const std::string command = std::get<0>(GetParam()), flag = std::get<1>(GetParam());
  const std::string reason = ": not a sound file Sondrel can read\n";
  std::string listed;
  for (int i = 10; i <= 20; ++i) {
    WriteFileText(dir_.File("music/n" + std::to_string(i) + ".json"), "{}");
    listed += dir_.File("music/n" + std::to_string(i) + ".json") + reason;
  }
  const std::string named = dir_.File("named.txt");
  WriteFileText(named, "a shopping list");
  std::vector<std::string> args = {command, "--to", "wav", "--out", dir_.File("out")};
  if (command == "info") args.resize(1);
  if (!flag.empty()) args.push_back(flag);
  args.insert(args.end(), {dir_.File("music"), named});
  const ProcessResult result = Cli(args);
  EXPECT_EQ(result.exitCode, 1);
  const std::string count =
      "sondrel-cli: 11 files in the folders were not sound files; --verbose lists them.\n";
  EXPECT_EQ(result.err, flag == "--verbose" ? listed + named + reason
                        : flag == "--quiet" ? named + reason
                                            : named + reason + count);
  EXPECT_EQ(result.out.find("good.wav") != std::string::npos, flag != "--quiet") << result.out;
}

INSTANTIATE_TEST_SUITE_P(Cli, CliVerbosityTest,
                         ::testing::Combine(::testing::Values("convert", "info"),
                                            ::testing::Values("", "--verbose", "--quiet")));

}  // namespace
