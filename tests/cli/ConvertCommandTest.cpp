// sondrel-cli info and convert, run as built on files made at test time.

#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

#include <sys/resource.h>

#include <algorithm>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <sstream>

#include "support/AudioFixtures.h"
#include "support/MidiFixtures.h"
#include "support/RunProcess.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;

// The size of the output for the target `name` while it is being written
// into `folder` (a hidden file ".<name>.<random>.wav"); 0 while there is none.
uintmax_t PartialOutputSize(const std::string& folder, const std::string& name) {
  for (const std::string& found : FolderNames(folder)) {
    std::error_code error;
    const uintmax_t size = fs::file_size(folder + "/" + found, error);
    if (found.rfind("." + name + ".", 0) == 0 && !error) return size;
  }
  return 0;
}

class CliCommandTest : public ::testing::Test {
 protected:
  CliCommandTest() { fs::create_directories(dir_.File("music/sub")); }

  ProcessResult Cli(const std::vector<std::string>& args) { return CliIn("", args); }
  // The CLI started in `workingFolder`, for paths typed relative to it.
  ProcessResult CliIn(const std::string& workingFolder, const std::vector<std::string>& args) {
    return RunCliProcess(args, {{"HOME", dir_.Path()}, {"XDG_CONFIG_HOME", dir_.File("config")}},
                         kProcessSeconds, workingFolder);
  }
  QProcessEnvironment Environment() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), QString::fromStdString(dir_.Path()));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), QString::fromStdString(dir_.File("config")));
    return env;
  }
  std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }
  std::string Wav(const std::string& name, int rate, int channels, int frames) {
    const std::string path = dir_.File(name);
    WriteWav16(path, rate, channels, SineWave(frames, channels, rate, 440));
    return path;
  }

  TempDir dir_;
};

TEST_F(CliCommandTest, InfoPrintsTheListCells) {
  Wav("music/a.wav", 44100, 2, 44100 * 59 + 100);
  Wav("music/sub/six.wav", 48000, 6, 48000);
  ASSERT_TRUE(RunFfmpeg({"-f", "lavfi", "-i", "sine=frequency=440:duration=3", "-ac", "2", "-c:a",
                         "libmp3lame", "-b:a", "128k", "-joint_stereo", "1", dir_.File("music/b.mp3")}));
  WriteFileText(dir_.File("music/c.mid"), OneNoteSong(500000, 1));
  WriteFileText(dir_.File("music/junk.wav"), "not audio");

  const ProcessResult result = Cli({"info", dir_.File("music")});
  // A file met while searching a folder fails nothing, as for convert.
  EXPECT_EQ(result.exitCode, 0);
  const std::vector<std::string> lines = Lines(result.out);
  ASSERT_EQ(lines.size(), 5u) << result.out;
  EXPECT_EQ(lines[0], "File\tDuration\tBit Rate\tFreq.\tChannels");
  EXPECT_EQ(lines[1], "a.wav\t00:59\t1411 kbps\t44100 Hz\tStereo");
  EXPECT_EQ(lines[2].substr(0, 12), "b.mp3\t00:03\t") << lines[2];
  EXPECT_NE(lines[2].find(" kbps\t44100 Hz\t"), std::string::npos) << lines[2];
  const std::string mode = lines[2].substr(lines[2].rfind('\t') + 1);
  EXPECT_TRUE(mode == "Stereo" || mode == "J-Stereo") << lines[2];
  EXPECT_EQ(lines[3].substr(0, 6), "c.mid\t");
  EXPECT_EQ(lines[4], "six.wav\t00:01\t4608 kbps\t48000 Hz\t5.1");
  EXPECT_EQ(result.err,
            "sondrel-cli: 1 file in the folders was not a sound file; --verbose lists them.\n");
}

// A tab or a line feed in a file's name is written as \t or \n, so each
// entry stays one line: convert's status and reason lines, info's File column.
TEST_F(CliCommandTest, NamesWithTabsAndLineFeedsStayOnOneLine) {
  const std::string odd = Wav("music/a\tb\nc.wav", 8000, 1, 800);
  const std::string junk = dir_.File("x\ny.wav");
  WriteFileText(junk, "not audio");
  const ProcessResult converted =
      Cli({"convert", "--to", "wav", "--out", dir_.File("out"), odd, junk});
  EXPECT_EQ(converted.out, dir_.File("music/a\\tb\\nc.wav") + "\ta\\tb\\nc.wav\n");
  EXPECT_EQ(converted.err, dir_.File("x\\ny.wav") + ": not a sound file Sondrel can read\n");
  const std::vector<std::string> table = Lines(Cli({"info", odd}).out);
  ASSERT_EQ(table.size(), 2u);
  EXPECT_EQ(table[1].substr(0, 12), "a\\tb\\nc.wav\t");
}

TEST_F(CliCommandTest, InfoWithTagsAndUsageErrors) {
  ASSERT_TRUE(RunFfmpeg({"-f", "lavfi", "-i", "sine=duration=1", "-c:a", "libvorbis", "-metadata",
                         "title=Dvořák", "-metadata", "comment=two\nlines", dir_.File("t.ogg")}));
  const ProcessResult result = Cli({"info", "--tags", dir_.File("t.ogg"), dir_.File("t.ogg")});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  const std::vector<std::string> lines = Lines(result.out);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_NE(lines[0].find("\tTitle\tArtist\tAlbum\tYear\tGenre\tComment\tTrack\tComposer\tCopyright"),
            std::string::npos);
  EXPECT_NE(lines[1].find("\tDvořák\t\t\t\t\ttwo\\nlines\t"), std::string::npos) << lines[1];

  EXPECT_EQ(Cli({"info"}).exitCode, 2);
  EXPECT_EQ(Cli({"info", "--bogus", "x"}).exitCode, 2);
  const ProcessResult valued = Cli({"info", "--tags=yes", dir_.File("t.ogg")});
  EXPECT_EQ(valued.exitCode, 2);
  EXPECT_EQ(valued.err, "sondrel-cli: --tags takes no value. Run 'sondrel-cli info --help'.\n");
}

TEST_F(CliCommandTest, ConvertPrintsOneStatusPerEntry) {
  const std::string a = Wav("music/a.wav", 22050, 1, 22050);
  const std::string b = Wav("music/sub/b.wav", 44100, 2, 44100);
  WriteFileText(dir_.File("music/junk.wav"), "not audio");
  const ProcessResult result = Cli({"convert", "--to", "wav", "--out", dir_.File("out"), "--set",
                                    "AutoDestWAVEncodingParam=0", "--set", "WAVSampleRate=8000",
                                    dir_.File("music")});
  // A file met while searching the folder is reported but fails nothing.
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, a + "\ta.wav\n" + b + "\tb.wav\n");
  EXPECT_EQ(result.err,
            "sondrel-cli: 1 file in the folders was not a sound file; --verbose lists them.\n");
  EXPECT_EQ(ProbeStreamField(dir_.File("out/b.wav"), "sample_rate"), "8000");
  // Flags are for this run only.
  EXPECT_FALSE(fs::exists(dir_.File("config/Vantrel Technologies/Sondrel.conf")));

  const ProcessResult clean = Cli({"convert", "--to", "wav", "--out", dir_.File("out2"), a});
  EXPECT_EQ(clean.exitCode, 0) << clean.err;
  EXPECT_EQ(clean.out, a + "\ta.wav\n");
}

TEST_F(CliCommandTest, ConvertUsageErrors) {
  const std::string a = Wav("a.wav", 8000, 1, 800);
  for (const std::vector<std::string>& args : {std::vector<std::string>{"convert"},
                                               {"convert", "--to", "ape", a},
                                               {"convert", "--to"},
                                               {"convert", "--set", "NoSuch=1", a},
                                               {"convert", "--set", "MP3SampleRate=12345", a},
                                               {"convert", "--frobnicate", a},
                                               {"convert", "--to=ape", a},
                                               {"convert", "--set=TargetExistsOpt=99", a}}) {
    const ProcessResult result = Cli(args);
    EXPECT_EQ(result.exitCode, 2) << args.back();
    EXPECT_FALSE(result.err.empty());
    EXPECT_EQ(result.out, "");
  }
  // Nothing to convert is said so.
  std::filesystem::create_directories(dir_.File("empty"));
  const ProcessResult empty = Cli({"convert", dir_.File("empty")});
  EXPECT_EQ(empty.exitCode, 1);
  EXPECT_EQ(empty.err, "There aren't files in list.\n");
}

// Each command's help, wherever -h or --help stands before "--" and
// whatever else the line holds; nothing is run or saved.
TEST_F(CliCommandTest, EachCommandPrintsItsOwnHelp) {
  const std::string infoUsage =
      "Usage: sondrel-cli info [--tags] [--loudness [-j N]] [--json] [--quiet | --verbose] PATH...\n";
  const std::pair<std::vector<std::string>, std::string> rows[] = {
      {{"convert", "--help"}, "Usage: sondrel-cli convert [FLAGS] PATH...\n"},
      {{"convert", "a.wav", "--to", "ogg", "-h"}, "Usage: sondrel-cli convert [FLAGS] PATH...\n"},
      {{"convert", "--bogus", "--help"}, "Usage: sondrel-cli convert [FLAGS] PATH...\n"},
      {{"info", "--help"}, infoUsage},
      {{"info", "-h", "missing.wav"}, infoUsage},
      {{"options", "--help"}, "Usage: sondrel-cli options [NAME=VALUE...]\n"},
      {{"options", "TargetExistsOpt=skip", "-h"}, "Usage: sondrel-cli options [NAME=VALUE...]\n"},
  };
  for (const auto& [args, firstLine] : rows) {
    SCOPED_TRACE(args.back());
    const ProcessResult result = Cli(args);
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out.substr(0, firstLine.size()), firstLine);
    EXPECT_EQ(result.err, "");
  }
  EXPECT_FALSE(fs::exists(dir_.File("config/Vantrel Technologies/Sondrel.conf")));
  // After "--", "--help" is a path like any other.
  EXPECT_EQ(Cli({"info", "--", "--help"}).exitCode, 1);
}

// The same run typed "--flag value" and "--flag=value": both write a mono
// Vorbis file into the folder named, with the options given by name.
class CliFlagStyleTest : public CliCommandTest, public ::testing::WithParamInterface<bool> {};

TEST_P(CliFlagStyleTest, ValuesFollowTheFlagOrAnEqualsSign) {
  const bool equals = GetParam();
  const std::string a = Wav("a.wav", 22050, 2, 22050);
  const std::string out = dir_.File("out");
  std::vector<std::string> args = {"convert"};
  for (const auto& [flag, value] : {std::pair<std::string, std::string>{"--to", "ogg"},
                                    {"--out", out},
                                    {"--set", "AutoDestOGGEncodingParam=off"},
                                    {"--set", "OGGChannels=mono"}}) {
    if (equals) {
      args.push_back(flag + "=" + value);
    } else {
      args.push_back(flag);
      args.push_back(value);
    }
  }
  args.push_back(a);
  const ProcessResult result = Cli(args);
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, a + "\ta.ogg\n");
  EXPECT_EQ(ProbeStreamField(out + "/a.ogg", "codec_name"), "vorbis");
  EXPECT_EQ(ProbeStreamField(out + "/a.ogg", "channels"), "1");
}

INSTANTIATE_TEST_SUITE_P(Cli, CliFlagStyleTest, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& row) {
                           return row.param ? "EqualsSign" : "NextArgument";
                         });

// Every output format the command line names converts a plain source, and
// what it writes is read back as that format by ffprobe.
TEST_F(CliCommandTest, EveryOutputFormatConvertsFromTheCommandLine) {
  const std::string a = Wav("a.wav", 8000, 1, 8000);
  const char* const kMp4 = "mov,mp4,m4a,3gp,3g2,mj2";  // ffprobe's name for the family
  const std::pair<const char*, const char*> formats[] = {
      {"mp3", "mp3"}, {"wav", "wav"}, {"wma", "asf"}, {"ogg", "ogg"}, {"aac", "aac"},
      {"m4a", kMp4},  {"mp4", kMp4},  {"m4b", kMp4},  {"amr", "amr"}, {"awb", "amr"}};
  for (const auto& [name, container] : formats) {
    SCOPED_TRACE(name);
    const std::string out = dir_.File(std::string("o-") + name);
    const ProcessResult result = Cli({"convert", "--to", name, "--out", out, a});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    const std::string file = out + "/a." + name;
    EXPECT_EQ(result.out, a + "\ta." + name + "\n");
    const ProcessResult probe = RunProcess(
        "ffprobe", {"-v", "error", "-show_entries", "format=format_name", "-of", "default=nw=1:nk=1", file});
    EXPECT_EQ(probe.out, std::string(container) + "\n");
  }
}

TEST_F(CliCommandTest, RelativeSourcesAreMirroredByTheirRealFolder) {
  Wav("music/sub/x.wav", 8000, 1, 800);
  // The working folder as the program sees it (links resolved).
  const std::string real = fs::canonical(dir_.Path()).string();
  const ProcessResult result = CliIn(
      dir_.File("music/sub"),
      {"convert", "--to", "wav", "--out", "../../M", "--set", "CreateDirs=1", "../sub/./x.wav"});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, real + "/music/sub/x.wav\tx.wav\n");
  EXPECT_TRUE(fs::is_regular_file(real + "/M" + real + "/music/sub/x.wav"));
  EXPECT_FALSE(fs::exists(real + "/M/sub"));
}

TEST_F(CliCommandTest, FileSizeLimitFailsOnlyTheFileThatPassesIt) {
  const std::string big = Wav("big.wav", 44100, 2, 44100 * 3);
  const std::string small = Wav("small.wav", 44100, 2, 44100);
  QProcess process;
  process.setProcessEnvironment(Environment());
  // The limit of a shell's "ulimit -f", with the signal as a shell leaves it.
  process.setChildProcessModifier([] {
    rlimit limit{300000, 300000};  // more than a second of CD audio, less than three
    setrlimit(RLIMIT_FSIZE, &limit);
    signal(SIGXFSZ, SIG_DFL);
  });
  process.start(QStringLiteral(SONDREL_CLI_PATH),
                {QStringLiteral("convert"), QStringLiteral("--to"), QStringLiteral("wav"),
                 QStringLiteral("--out"), QString::fromStdString(dir_.File("out")),
                 QString::fromStdString(big), QString::fromStdString(small)});
  ASSERT_TRUE(process.waitForFinished(60000)) << "sondrel-cli convert still running after 60 s";
  EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(process.exitCode(), 1);
  EXPECT_EQ(process.readAllStandardOutput().toStdString(),
            big + "\tConversion Failure\n" + small + "\tsmall.wav\n");
  EXPECT_EQ(process.readAllStandardError().toStdString(),
            big + ": reading the source or writing the output failed part-way\n");
  EXPECT_EQ(FolderNames(dir_.File("out")), std::vector<std::string>{"small.wav"});
  EXPECT_EQ(ProbeStreamField(dir_.File("out/small.wav"), "duration"), "1.000000");
}

struct SignalCase {
  int signal;
  bool caught;  // false: the process dies of it
};

void PrintTo(const SignalCase& c, std::ostream* out) {
  *out << strsignal(c.signal);
}

class CliSignalTest : public CliCommandTest, public ::testing::WithParamInterface<SignalCase> {};

TEST_P(CliSignalTest, TerminatingSignalCancelsTheFileBeingConverted) {
  const SignalCase& c = GetParam();
  const std::string first = Wav("1.wav", 8000, 1, 8000);
  // Long enough that the signal lands in the middle of it.
  const std::string longOne = Wav("2.wav", 8000, 1, 8000 * 1200);
  const std::string never = Wav("3.wav", 8000, 1, 800);  // never reached

  QProcess process;
  process.setProcessEnvironment(Environment());
  process.start(QStringLiteral(SONDREL_CLI_PATH),
                {QStringLiteral("convert"), QStringLiteral("--jobs"), QStringLiteral("1"),
                 QStringLiteral("--to"), QStringLiteral("wav"),
                 QStringLiteral("--out"), QString::fromStdString(dir_.File("out")), QStringLiteral("--set"),
                 QStringLiteral("AutoDestWAVEncodingParam=0"), QStringLiteral("--set"),
                 QStringLiteral("WAVSampleRate=48000"), QStringLiteral("--set"),
                 QStringLiteral("WAVChannelNum=2"), QString::fromStdString(first),
                 QString::fromStdString(longOne), QString::fromStdString(never)});
  ASSERT_TRUE(process.waitForStarted(30000)) << "sondrel-cli does not start";
  // One file at a time: wait until the second output has begun (in its
  // hidden temporary file), then send the signal.
  for (int i = 0; i < 600 && PartialOutputSize(dir_.File("out"), "2") <= 100000; ++i)
    process.waitForFinished(50);
  ASSERT_EQ(process.state(), QProcess::Running) << "the conversion ended before the signal";
  ::kill(static_cast<pid_t>(process.processId()), c.signal);
  ASSERT_TRUE(process.waitForFinished(60000))
      << "sondrel-cli convert still running 60 s after " << strsignal(c.signal);
  const std::string out = process.readAllStandardOutput().toStdString();
  std::vector<std::string> visible;
  for (const std::string& name : FolderNames(dir_.File("out")))
    if (name[0] != '.') visible.push_back(name);
  // Nothing ever appears under the target's name of the unfinished file.
  EXPECT_EQ(visible, std::vector<std::string>{"1.wav"});
  EXPECT_TRUE(fs::exists(longOne));
  if (c.caught) {
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 130);
    EXPECT_EQ(out, first + "\t1.wav\n" + longOne + "\tCancelled\n" + never + "\tNot converted\n");
    // The temporary file went too.
    EXPECT_EQ(FolderNames(dir_.File("out")), std::vector<std::string>{"1.wav"});
  } else {
    EXPECT_EQ(process.exitStatus(), QProcess::CrashExit);
    EXPECT_EQ(out, first + "\t1.wav\n");
  }
}

INSTANTIATE_TEST_SUITE_P(CliCommandTest, CliSignalTest,
                         ::testing::Values(SignalCase{SIGINT, true}, SignalCase{SIGTERM, true},
                                           SignalCase{SIGHUP, true}, SignalCase{SIGQUIT, true},
                                           SignalCase{SIGPIPE, true},
                                           SignalCase{SIGKILL, false}),
                         [](const ::testing::TestParamInfo<SignalCase>& param) {
                           return std::string(sigabbrev_np(param.param.signal));
                         });

}  // namespace
