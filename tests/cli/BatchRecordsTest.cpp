// sondrel-cli convert --dry-run, --report and --shard, run as built on files
// made at test time: the plan names what a real run writes, a report
// survives a run that is stopped, and shares of a batch add up to it.

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <map>
#include <set>
#include <sstream>

#include "support/AudioFixtures.h"
#include "support/MidiFixtures.h"
#include "support/RunProcess.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  std::istringstream in(line);
  for (std::string field; std::getline(in, field, '\t');) fields.push_back(field);
  return fields;
}

// Every file below `folder` by its relative path, with its bytes.
std::map<std::string, std::string> Tree(const std::string& folder) {
  std::map<std::string, std::string> files;
  std::error_code error;
  for (const auto& item : fs::recursive_directory_iterator(folder, error))
    if (item.is_regular_file())
      files[fs::relative(item.path(), folder).string()] = ReadFileText(item.path().string());
  return files;
}

class BatchRecordsTest : public ::testing::Test {
 protected:
  ProcessResult Cli(std::vector<std::string> args) {
    args.insert(args.begin(), {"convert", "--to", "wav", "--out", dir_.File("out")});
    return RunCliProcess(args, Env());
  }
  std::map<std::string, std::string> Env() {
    return {{"HOME", dir_.Path()}, {"XDG_CONFIG_HOME", dir_.File("config")}};
  }
  // Two "a" in different folders, MIDI, and a file that fails to load.
  void MakeClashingBatch() {
    for (const char* folder : {"music/x", "music/y", "out"})
      fs::create_directories(dir_.File(folder));
    for (const char* name : {"music/x/a.wav", "music/y/a.wav", "music/b.wav"})
      WriteWav16(dir_.File(name), 8000, 1, SineWave(4000, 1, 8000, 440));
    WriteFileText(dir_.File("music/c.mid"), OneNoteSong(250000, 2, 69));
    WriteFileText(dir_.File("bad.wav"), "not audio");
    WriteFileText(dir_.File("out/b.wav"), "an earlier output");
  }
  TempDir dir_;
};

class DryRunTest : public BatchRecordsTest,
                   public ::testing::WithParamInterface<std::vector<std::string>> {};

// The plan, then the real run: each converted entry takes the plan's name,
// in the plan's order, the skipped and failed ones are the plan's, and the
// plan itself left the output folder as it was.
TEST_P(DryRunTest, PlanGivesTheNamesOfARealRun) {
  MakeClashingBatch();
  std::vector<std::string> args = GetParam();
  args.insert(args.end(), {dir_.File("music"), dir_.File("bad.wav")});
  std::vector<std::string> dry = args;
  dry.push_back("--dry-run");
  const ProcessResult plan = Cli(dry);
  // Not a folder nor a temporary file more than before.
  EXPECT_EQ(std::distance(fs::recursive_directory_iterator(dir_.File("out")), {}), 1);
  dry.push_back("--json");
  const QJsonArray json = QJsonDocument::fromJson(QByteArray::fromStdString(Cli(dry).out)).array();
  args.insert(args.begin(), {"--jobs", "2"});
  const ProcessResult real = Cli(args);
  EXPECT_EQ(plan.exitCode, real.exitCode);

  std::vector<std::string> expected;
  std::set<std::string> written = {"b.wav"};
  const std::vector<std::string> rows = Lines(plan.out);
  ASSERT_EQ(rows.size(), 5u) << plan.out << plan.err;
  ASSERT_EQ(json.size(), 5);
  for (size_t i = 0; i < rows.size(); ++i) {
    const std::vector<std::string> row = Fields(rows[i]);
    ASSERT_GE(row.size(), 3u) << rows[i];
    EXPECT_EQ(
        json[static_cast<int>(i)].toObject()[QStringLiteral("action")].toString().toStdString(),
        row[1]);
    if (row[1] == "fail" && row[0] == dir_.File("bad.wav")) {
      EXPECT_NE(real.err.find(row[0] + ": " + row[2]), std::string::npos) << real.err;
      continue;
    }
    const std::string name = row[2].substr(row[2].rfind('/') + 1);
    expected.push_back(row[0] + "\t" + (row[1] == "skip" ? row[2] : name));
    if (row[1] != "skip") written.insert(fs::relative(row[2], dir_.File("out")).string());
  }
  EXPECT_EQ(Lines(real.out), expected) << plan.out;
  std::set<std::string> names;
  for (const auto& [name, bytes] : Tree(dir_.File("out"))) names.insert(name);
  EXPECT_EQ(names, written);
}

INSTANTIATE_TEST_SUITE_P(Cli, DryRunTest,
                         ::testing::Values(std::vector<std::string>{},
                                           std::vector<std::string>{"--overwrite"},
                                           std::vector<std::string>{"--skip-existing"},
                                           std::vector<std::string>{"--keep-folders"}));

class ReportTest : public BatchRecordsTest, public ::testing::WithParamInterface<int> {};

// A run stopped in its second file (Ctrl+C, or killed outright) leaves a
// report of whole JSON lines; a rerun with --skip-existing adds the rest.
TEST_P(ReportTest, StoppedRunLeavesValidLinesThatARerunCompletes) {
  std::vector<std::string> sources;
  for (const int seconds : {1, 300, 1}) {
    sources.push_back(dir_.File(std::to_string(sources.size() + 1) + ".wav"));
    WriteWav16(sources.back(), 8000, 1, SineWave(8000 * seconds, 1, 8000, 440));
  }
  const std::string report = dir_.File("report.jsonl");
  QStringList args;
  for (const char* arg : {"convert", "--jobs", "1", "--to", "wav", "--set", "WAVSampleRate=48000"})
    args << QString::fromLatin1(arg);
  args << QStringLiteral("--out") << QString::fromStdString(dir_.File("out"))
       << QStringLiteral("--report") << QString::fromStdString(report);
  for (const std::string& source : sources) args << QString::fromStdString(source);
  QProcess process;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  for (const auto& [name, value] : Env())
    env.insert(QString::fromStdString(name), QString::fromStdString(value));
  process.setProcessEnvironment(env);
  process.start(QStringLiteral(SONDREL_CLI_PATH), args);
  ASSERT_TRUE(process.waitForStarted(30000));
  for (int i = 0; i < 600 && ReadFileText(report).find("1.wav") == std::string::npos; ++i)
    process.waitForFinished(50);
  ASSERT_EQ(process.state(), QProcess::Running) << "the batch ended before the signal";
  ::kill(static_cast<pid_t>(process.processId()), GetParam());
  ASSERT_TRUE(process.waitForFinished(60000));

  const auto objects = [&report] {
    std::vector<QJsonObject> parsed;
    for (const std::string& line : Lines(ReadFileText(report))) {
      const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(line));
      EXPECT_TRUE(document.isObject()) << line;
      parsed.push_back(document.object());
    }
    return parsed;
  };
  std::vector<QJsonObject> stopped = objects();
  ASSERT_GE(stopped.size(), 1u);
  EXPECT_EQ(stopped[0][QStringLiteral("status")].toString().toStdString(), "converted");
  EXPECT_EQ(stopped[0][QStringLiteral("bytes")].toInteger(),
            static_cast<qint64>(fs::file_size(dir_.File("out/1.wav"))));
  EXPECT_NEAR(stopped[0][QStringLiteral("output_seconds")].toDouble(), 1.0, 0.01);
  // Caught, the run ends its report: the rest not converted, then the summary.
  EXPECT_EQ(stopped.size(), GetParam() == SIGKILL ? 1u : 4u);
  EXPECT_EQ(stopped.back()[QStringLiteral("cancelled")].toBool(), GetParam() != SIGKILL);

  args.insert(1, QStringLiteral("--skip-existing"));
  QProcess rerun;
  rerun.setProcessEnvironment(env);
  rerun.start(QStringLiteral(SONDREL_CLI_PATH), args);
  ASSERT_TRUE(rerun.waitForFinished(kProcessSeconds * 1000));
  EXPECT_EQ(rerun.exitCode(), 0) << rerun.readAllStandardError().toStdString();
  const std::vector<QJsonObject> all = objects();
  std::set<std::string> converted;
  for (const QJsonObject& object : all)
    if (object[QStringLiteral("status")].toString() == QLatin1String("converted"))
      converted.insert(object[QStringLiteral("source")].toString().toStdString());
  EXPECT_EQ(converted, std::set<std::string>(sources.begin(), sources.end()));
  EXPECT_EQ(all.back()[QStringLiteral("summary")].toBool(), true);
  // What the stopped run finished (on a loaded machine the long file may
  // finish before the signal lands) is what the rerun skips.
  const auto finished = std::count_if(stopped.begin(), stopped.end(), [](const QJsonObject& o) {
    return o[QStringLiteral("status")].toString() == QLatin1String("converted");
  });
  EXPECT_EQ(all.back()[QStringLiteral("skipped")].toInt(), finished);
}

INSTANTIATE_TEST_SUITE_P(Cli, ReportTest, ::testing::Values(SIGINT, SIGKILL),
                         [](const ::testing::TestParamInfo<int>& param) {
                           return std::string(sigabbrev_np(param.param));
                         });

// Three shares run side by side through GNU parallel write, byte for byte,
// what one run writes, names that clash across folders included (the
// entries whose outputs could take one name go to one share).
TEST_F(BatchRecordsTest, ShardsThroughParallelAddUpToOneRun) {
  if (RunProcess("parallel", {"--version"}).exitCode != 0)
    GTEST_SKIP() << "GNU parallel is not installed (scripts/install-deps.sh installs it)";
  MakeClashingBatch();
  fs::remove(dir_.File("out/b.wav"));
  for (const char* name : {"d.wav", "e.wav", "x/f.wav", "y/g.wav", "y/B.wav", "a_1.wav"})
    WriteWav16(dir_.File(std::string("music/") + name), 8000, 1, SineWave(2000, 1, 8000, 330));
  const std::vector<std::string> flags = {"--to", "wav"};
  std::vector<std::string> one = {"convert", "--out", dir_.File("one")};
  one.insert(one.end(), flags.begin(), flags.end());
  one.push_back(dir_.File("music"));
  ASSERT_EQ(RunCliProcess(one, Env()).exitCode, 0);
  std::vector<std::string> shards = {"--will-cite",      "--halt",  "never",
                                     SONDREL_CLI_PATH,   "convert", "--out",
                                     dir_.File("three"), "--shard", "{}/3"};
  shards.insert(shards.end(), flags.begin(), flags.end());
  shards.insert(shards.end(), {dir_.File("music"), ":::", "1", "2", "3"});
  const ProcessResult three = RunProcess("parallel", shards, Env());
  EXPECT_EQ(three.exitCode, 0) << three.err;
  const auto names = [](const std::map<std::string, std::string>& tree) {
    std::vector<std::string> list;
    for (const auto& item : tree) list.push_back(item.first);
    return list;
  };
  const auto byShares = Tree(dir_.File("three"));
  const auto byOne = Tree(dir_.File("one"));
  EXPECT_EQ(names(byShares), names(byOne));
  EXPECT_TRUE(byShares == byOne) << "the shares' outputs differ from one run's in their bytes";
  EXPECT_EQ(byOne.size(), 10u);
}

}  // namespace
