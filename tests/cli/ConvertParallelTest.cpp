// sondrel-cli convert --jobs: several files at a time give the outputs,
// statuses and reasons of one at a time, and Ctrl+C leaves only complete
// outputs. Run as built on files made at test time with sox and ffmpeg.

#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

#include <csignal>
#include <filesystem>
#include <map>
#include <memory>
#include <sstream>

#include "support/AudioFixtures.h"
#include "support/CaselessFolder.h"
#include "support/MidiFixtures.h"
#include "support/RunProcess.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;

// Every file below `folder` (hidden ones included) by its relative path,
// with its bytes.
std::map<std::string, std::string> Tree(const std::string& folder) {
  std::map<std::string, std::string> files;
  std::error_code error;
  for (const auto& item : fs::recursive_directory_iterator(folder, error))
    if (item.is_regular_file())
      files[fs::relative(item.path(), folder).string()] = ReadFileText(item.path().string());
  return files;
}

std::vector<std::string> Names(const std::map<std::string, std::string>& tree) {
  std::vector<std::string> names;
  for (const auto& [name, bytes] : tree) names.push_back(name);
  return names;
}

class CliParallelFixture : public ::testing::Test {
 protected:
  ProcessResult Cli(const std::string& program, const std::vector<std::string>& args) {
    return RunProcess(program, args,
                      {{"HOME", dir_.Path()}, {"XDG_CONFIG_HOME", dir_.File("config")}});
  }
  // A program folder without a SoundFont: the built program linked (or
  // copied) into a folder of its own, which it takes as its program folder.
  std::string ProgramWithoutSoundFont() {
    const std::string program = dir_.File("bare/sondrel-cli");
    fs::create_directories(dir_.File("bare"));
    std::error_code error;
    fs::create_hard_link(SONDREL_CLI_PATH, program, error);
    if (error) fs::copy_file(SONDREL_CLI_PATH, program);
    return program;
  }

  TempDir dir_;
};

struct ParallelRow {
  const char* name;
  const char* format;                // --to
  std::vector<std::string> flags;    // the target-exists policy
  bool soundFont;                    // the program folder has ct4mgm.sf2
  const char* existing;              // an output file there before the batch, or nullptr
  std::vector<std::string> outputs;  // what the output folder holds afterwards
  bool caseless = false;             // the output folder ignores letter case
  bool failingFirst = false;         // a "song" that fails to convert comes first
};

void PrintTo(const ParallelRow& row, std::ostream* out) {
  *out << row.name;
}

class CliParallelTest : public CliParallelFixture,
                        public ::testing::WithParamInterface<ParallelRow> {
 protected:
  // Three sources whose outputs take one name ("song", once spelled
  // "SONG"), the longest first so that later entries finish before it; a
  // source that loads and fails to convert (a 1 Hz WAV the encoders
  // refuse); and one more.
  void MakeSources() {
    for (const char* folder : {"music/a", "music/b", "music/c", "music/d"})
      fs::create_directories(dir_.File(folder));
    if (GetParam().failingFirst) {
      fs::create_directories(dir_.File("music/0"));
      WriteWav16(dir_.File("music/0/song.wav"), 1, 2, SineWave(100, 2, 1, 0.1));
    }
    ASSERT_TRUE(Succeeded(
        RunProcess("sox", {"-n", "-r", "44100", "-c", "2", dir_.File("music/a/song.wav"), "synth",
                           "6", "pluck", "C3", "pluck", "E3", "fade", "0", "6", "1"})));
    ASSERT_TRUE(RunFfmpeg({"-f", "lavfi", "-i", "sine=frequency=660:duration=1.5", "-ac", "2",
                           "-c:a", "libmp3lame", "-b:a", "96k", dir_.File("music/b/SONG.mp3")}));
    WriteFileText(dir_.File("music/c/song.mid"), OneNoteSong(250000, 4, 69));
    WriteWav16(dir_.File("music/c/refused.wav"), 1, 2, SineWave(100, 2, 1, 0.1));
    ASSERT_TRUE(
        Succeeded(RunProcess("sox", {"-n", "-r", "22050", "-c", "1", dir_.File("music/d/tone.wav"),
                                     "synth", "1", "sine", "300"})));
  }
  ProcessResult Convert(const std::string& program, const std::string& jobs,
                        const std::string& out) {
    const ParallelRow& row = GetParam();
    if (row.existing) WriteFileText(dir_.File(out + "/" + row.existing), "an earlier output");
    std::vector<std::string> args = {"convert",      "--to",   row.format, "--out",
                                     dir_.File(out), "--jobs", jobs};
    args.insert(args.end(), row.flags.begin(), row.flags.end());
    args.push_back(dir_.File("music"));
    return Cli(program, args);
  }
};

// The same batch with one job and with four: the same statuses in the same
// order, the same reasons, the same exit code and, byte for byte, the same
// files in the output folder, nothing hidden left over.
TEST_P(CliParallelTest, SeveralJobsGiveTheOutputsOfOne) {
  const ParallelRow& row = GetParam();
  MakeSources();
  const std::string program = row.soundFont ? SONDREL_CLI_PATH : ProgramWithoutSoundFont();
  std::unique_ptr<CaselessFolder> caseless[2];
  if (row.caseless) {
    caseless[0] = std::make_unique<CaselessFolder>(dir_.File("one"));
    caseless[1] = std::make_unique<CaselessFolder>(dir_.File("four"));
    if (!caseless[1]->Mounted()) GTEST_SKIP() << caseless[1]->Why();
  }
  const ProcessResult one = Convert(program, "1", "one");
  const ProcessResult four = Convert(program, "4", "four");
  EXPECT_EQ(four.exitCode, one.exitCode) << four.err;
  EXPECT_EQ(four.out, one.out);
  EXPECT_EQ(four.err, one.err);
  const auto oneTree = Tree(dir_.File("one"));
  const auto fourTree = Tree(dir_.File("four"));
  EXPECT_EQ(Names(oneTree), row.outputs) << one.out;
  EXPECT_EQ(Names(fourTree), row.outputs) << four.out;
  EXPECT_TRUE(fourTree == oneTree);
  // Each new output decodes; a file skipped or renamed around keeps what it held.
  for (const auto& [name, bytes] : fourTree) {
    if (bytes == "an earlier output") continue;
    EXPECT_FALSE(ProbeStreamField(dir_.File("four/" + name), "duration").empty()) << name;
  }
}

// MP3 has no time in it; OGG is left out (each stream gets a random serial
// number) and so are AMR and AWB (their encoder does not always give the
// same bytes).
INSTANTIATE_TEST_SUITE_P(
    Cli, CliParallelTest,
    ::testing::Values(
        ParallelRow{"Mp3Rename",
                    "mp3",
                    {},
                    true,
                    nullptr,
                    {"SONG.mp3", "song.mp3", "song_1.mp3", "tone.mp3"}},
        ParallelRow{"Mp3WithoutSoundFont",
                    "mp3",
                    {},
                    false,
                    "song.mp3",
                    {"SONG.mp3", "song.mp3", "song_1.mp3", "tone.mp3"}},
        // Each success has its own file: overwrite replaces only what was
        // there before the batch.
        ParallelRow{"WavOverwrite",
                    "wav",
                    {"--overwrite"},
                    true,
                    "song.wav",
                    {"SONG.wav", "refused.wav", "song.wav", "song_1.wav", "tone.wav"}},
        ParallelRow{"M4aSkipExisting",
                    "m4a",
                    {"--skip-existing"},
                    true,
                    nullptr,
                    {"SONG.m4a", "song.m4a", "tone.m4a"}},
        // Skip decides against the disk: the name of an entry that failed
        // is free for the next one.
        ParallelRow{"M4aSkipAfterAFailure",
                    "m4a",
                    {"--skip-existing"},
                    true,
                    nullptr,
                    {"SONG.m4a", "song.m4a", "tone.m4a"},
                    false,
                    true},
        // A USB stick: "SONG" and "song" are one name there.
        ParallelRow{"Mp3RenameCaseless",
                    "mp3",
                    {},
                    true,
                    nullptr,
                    {"SONG_1.mp3", "song.mp3", "song_2.mp3", "tone.mp3"},
                    true},
        ParallelRow{"WavOverwriteCaseless",
                    "wav",
                    {"--overwrite"},
                    true,
                    "SONG.wav",
                    {"SONG.wav", "SONG_1.wav", "refused.wav", "song_2.wav", "tone.wav"},
                    true}),
    [](const ::testing::TestParamInfo<ParallelRow>& row) { return row.param.name; });

// A number of jobs that is not a whole number above 0 is a wrong command
// line, said before anything is converted.
TEST_F(CliParallelFixture, JobsMustBeAWholeNumberAboveZero) {
  WriteWav16(dir_.File("a.wav"), 8000, 1, SineWave(800, 1, 8000, 440));
  const std::vector<std::vector<std::string>> rows = {
      {"--jobs", "0"}, {"--jobs=two"}, {"-j", "-1"}, {"-j", "1.5"}, {"--jobs"}};
  for (const std::vector<std::string>& flags : rows) {
    std::vector<std::string> args = {"convert", "--out", dir_.File("out"), dir_.File("a.wav")};
    args.insert(args.end(), flags.begin(), flags.end());
    const ProcessResult result = Cli(SONDREL_CLI_PATH, args);
    EXPECT_EQ(result.exitCode, 2) << flags[0];
    if (flags == std::vector<std::string>{"--jobs"}) {
      EXPECT_EQ(result.err,
                "sondrel-cli: --jobs needs a value. Run 'sondrel-cli convert --help'.\n");
      continue;
    }
    const std::string value = flags.size() > 1 ? flags[1] : flags[0].substr(7);
    EXPECT_EQ(result.err,
              "sondrel-cli: --jobs takes a whole number above 0, not \"" + value + "\".\n");
  }
  EXPECT_FALSE(fs::exists(dir_.File("out")));
}

// Ctrl+C while three files convert at once: each of them stops and its
// temporary output goes; the outputs that finished stay, complete; entries
// not started get nothing; the exit code is that of an interrupted run.
TEST_F(CliParallelFixture, InterruptLeavesOnlyCompleteOutputs) {
  std::vector<std::string> sources;
  fs::create_directories(dir_.File("in"));
  QStringList args = {QStringLiteral("convert"),
                      QStringLiteral("--jobs"),
                      QStringLiteral("3"),
                      QStringLiteral("--to"),
                      QStringLiteral("wav"),
                      QStringLiteral("--out"),
                      QString::fromStdString(dir_.File("out")),
                      QStringLiteral("--set"),
                      QStringLiteral("AutoDestWAVEncodingParam=0"),
                      QStringLiteral("--set"),
                      QStringLiteral("WAVSampleRate=48000"),
                      QStringLiteral("--set"),
                      QStringLiteral("WAVChannelNum=2")};
  for (int i = 1; i <= 6; ++i) {
    sources.push_back(dir_.File("in/" + std::to_string(i) + ".wav"));
    // Two short files, then files long enough that the signal lands in them.
    const int seconds = i <= 2 ? 1 : 600;
    WriteWav16(sources.back(), 8000, 1, SineWave(8000 * seconds, 1, 8000, 440));
    args.append(QString::fromStdString(sources.back()));
  }
  QProcess process;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("HOME"), QString::fromStdString(dir_.Path()));
  env.insert(QStringLiteral("XDG_CONFIG_HOME"), QString::fromStdString(dir_.File("config")));
  process.setProcessEnvironment(env);
  process.start(QStringLiteral(SONDREL_CLI_PATH), args);
  ASSERT_TRUE(process.waitForStarted(30000)) << "sondrel-cli does not start";
  // Wait until the two short outputs are done and the three long ones are
  // being written (in hidden temporary files ".<name>.<random>.wav").
  const auto ready = [&] {
    int growing = 0;
    std::error_code error;
    for (const auto& item : fs::directory_iterator(dir_.File("out"), error)) {
      const std::string name = item.path().filename().string();
      const bool longOne =
          name.rfind(".3.", 0) == 0 || name.rfind(".4.", 0) == 0 || name.rfind(".5.", 0) == 0;
      growing += longOne && item.file_size(error) > 100000;
    }
    return growing == 3 && fs::exists(dir_.File("out/1.wav")) && fs::exists(dir_.File("out/2.wav"));
  };
  for (int i = 0; i < 1200 && !ready(); ++i) process.waitForFinished(50);
  ASSERT_EQ(process.state(), QProcess::Running) << "the conversion ended before the signal";
  ::kill(static_cast<pid_t>(process.processId()), SIGINT);
  ASSERT_TRUE(process.waitForFinished(60000)) << "sondrel-cli convert still running after Ctrl+C";

  EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(process.exitCode(), 130);
  EXPECT_EQ(process.readAllStandardOutput().toStdString(),
            sources[0] + "\t1.wav\n" + sources[1] + "\t2.wav\n" + sources[2] + "\tCancelled\n" +
                sources[3] + "\tCancelled\n" + sources[4] + "\tCancelled\n" + sources[5] +
                "\tNot converted\n");
  EXPECT_EQ(Names(Tree(dir_.File("out"))), (std::vector<std::string>{"1.wav", "2.wav"}));
  for (const char* name : {"1.wav", "2.wav"})
    EXPECT_EQ(ProbeStreamField(dir_.File(std::string("out/") + name), "duration"), "1.000000");
}

}  // namespace
