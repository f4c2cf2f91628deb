// Whole batches on real files through the engine, driven by a scripted
// front end.

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <set>
#include <thread>

#include "app/EngineStartup.h"
#include "app/NoApplication.h"
#include "app/OutputFormat.h"
#include "codecs/readers/ProgramReaders.h"
#include "convert/ConversionJob.h"
#include "source/SourceList.h"
#include "support/AudioFixtures.h"
#include "support/FileSizeLimit.h"
#include "support/MidiFixtures.h"
#include "support/ProgramFolder.h"
#include "support/ScriptedFrontEnd.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;

// A front end under which another program writes a file (the entry's
// target) while the entry converts.
class RacingProgress : public RecordingProgress {
 public:
  void Pump() override {
    RecordingProgress::Pump();
    if (pumps == appearAtPump) WriteFileText(appearPath, "appeared");
  }
  int appearAtPump = 0;
  std::string appearPath;
};

// A front end that notes each thread that calls what a routine calls.
class ThreadNotingProgress : public RecordingProgress {
 public:
  int FileBarWidth() override {
    Note();
    return RecordingProgress::FileBarWidth();
  }
  void SetFileBar(int position) override {
    Note();
    RecordingProgress::SetFileBar(position);
  }
  void SetFileLine(const std::string& text) override {
    Note();
    RecordingProgress::SetFileLine(text);
  }
  void SetEntryStatus(size_t index, const std::string& text) override {
    Note();
    RecordingProgress::SetEntryStatus(index, text);
  }
  void Pump() override {
    Note();
    RecordingProgress::Pump();
  }
  bool CancelRequested() override {
    Note();
    return RecordingProgress::CancelRequested();
  }

  std::set<std::thread::id> threads;

 private:
  void Note() { threads.insert(std::this_thread::get_id()); }
};

class ConversionJobTest : public ::testing::Test {
 protected:
  ConversionJobTest() : settings_(dir_.File("docs")) {
    settings_.outputFormat = FORMAT_WAV;
    settings_.destOutputFolderOpt = DEST_CUSTOM_FOLDER;
    settings_.destSpecifiedFolder = dir_.File("out");
    settings_.browseOutputFolder = 0;
  }

  std::string Wav(const std::string& name, int seconds = 1) {
    const std::string path = dir_.File("in/" + name);
    fs::create_directories(dir_.File("in"));
    WriteWav16(path, 44100, 2, SineWave(44100 * seconds, 2, 44100, 440));
    return path;
  }
  std::string Midi(const std::string& name) {
    const std::string path = dir_.File("in/" + name);
    fs::create_directories(dir_.File("in"));
    WriteFileText(path, OneNoteSong(500000, 1));
    return path;
  }

  BatchResult Run(EngineSession& engine, const std::vector<std::string>& paths) {
    for (const std::string& path : paths) list_.AddOneFile(path);
    ConversionJob job(settings_, engine, prompter_, progress_,
                      PlacementContext([this] { return dir_.File("docs"); }));
    return ConvertAll(list_, job, prompter_);
  }

  TempDir dir_;
  ConvertSettings settings_;
  SourceList list_{ProgramReaders()};
  RacingProgress progress_;
  ScriptedPrompter prompter_;
};

TEST_F(ConversionJobTest, EveryEntryGetsItsOutputNameAndTheBarsMove) {
  TestProgramFolder folder(true, true);
  EngineSession engine(folder.Path());
  const BatchResult result = Run(engine, {Wav("a.wav"), Wav("b.wav", 2), Midi("c.mid")});
  EXPECT_TRUE(result.ran);
  EXPECT_EQ(result.converted, 3);
  EXPECT_EQ(progress_.status[0], "a.wav");
  EXPECT_EQ(progress_.status[1], "b.wav");
  EXPECT_EQ(progress_.status[2], "c.wav");
  EXPECT_TRUE(fs::file_size(dir_.File("out/a.wav")) > 44);
  EXPECT_EQ(list_.At(2).destinationPath, dir_.File("out/c.wav"));
  EXPECT_EQ(progress_.batchLines.front(), "Converting 1 of 3 file(s) to WAV...");
  EXPECT_EQ(progress_.batchSteps, 3);
  EXPECT_EQ(progress_.finished, 1);

  // Percentages only grow within a file and end at 100.
  int last = -1;
  for (const std::string& line : progress_.fileLines) {
    const auto dots = line.rfind("...");
    const std::string tail = line.substr(dots + 3);
    if (tail.empty()) {
      last = -1;
      continue;
    }
    const int percent = std::stoi(tail);
    EXPECT_GT(percent, last) << line;
    last = percent;
  }
  EXPECT_EQ(progress_.fileLines.back(), "Converting c.mid...100%");
  EXPECT_LE(progress_.bars.size(), 3u * (1 + 200 + 1));
}

TEST_F(ConversionJobTest, NothingToConvertShowsAMessage) {
  TestProgramFolder folder(false, false);
  EngineSession engine(folder.Path());
  ConversionJob job(settings_, engine, prompter_, progress_);
  EXPECT_FALSE(ConvertAll(list_, job, prompter_).ran);
  EXPECT_FALSE(ConvertSelected(list_, {}, job, prompter_).ran);
  EXPECT_EQ(prompter_.shown,
            (std::vector<std::string>{"information: There aren't files in list.",
                                      "information: You should select a file at least."}));
  EXPECT_EQ(progress_.begun, -1);
}

TEST_F(ConversionJobTest, UnknownOutputFormatIsRefusedBeforeTheBatch) {
  TestProgramFolder folder(false, false);
  EngineSession engine(folder.Path());
  const std::pair<uint32_t, std::string> rows[] = {
      {1234, "The output format 1234 is unknown."},
  };
  for (const auto& [format, message] : rows) {
    settings_.outputFormat = format;
    list_.Clear();
    prompter_.shown.clear();
    const BatchResult result = Run(engine, {Wav("a.wav"), Midi("b.mid")});
    EXPECT_FALSE(result.ran) << message;
    EXPECT_EQ(prompter_.shown, std::vector<std::string>{"exclamation: " + message});
    EXPECT_TRUE(progress_.status.empty()) << message;
    EXPECT_EQ(progress_.begun, -1) << message;
    EXPECT_FALSE(fs::exists(dir_.File("out"))) << message;
  }
}

TEST_F(ConversionJobTest, MissingSoundFontAnsweredNoFailsOnlyMidiEntries) {
  TestProgramFolder folder(false, false);
  EngineSession engine(folder.Path());
  prompter_.answer = false;
  const BatchResult result = Run(engine, {Midi("a.mid"), Wav("b.wav"), Midi("c.kar")});
  ASSERT_EQ(prompter_.shown.size(), 1u);
  EXPECT_EQ(prompter_.shown[0], "question: " + SoundFontMissingMessage(folder.Path()));
  EXPECT_NE(
      prompter_.shown[0].find("copy the file to folder:\n\"" + folder.Path() + "\"\nAnd then"),
      std::string::npos);
  EXPECT_EQ(progress_.status[0], "Failure. Requires file \"ct4mgm.sf2\".");
  EXPECT_EQ(progress_.status[1], "b.wav");
  EXPECT_EQ(progress_.status[2], "Failure. Requires file \"ct4mgm.sf2\".");
  EXPECT_EQ(progress_.batchSteps, 1);
  EXPECT_EQ(result.converted, 1);
  EXPECT_EQ(result.failed, 2);
}

TEST_F(ConversionJobTest, MissingSoundFontAnsweredYesOpensTheFolderAndThePage) {
  TestProgramFolder folder(false, false);
  EngineSession engine(folder.Path());
  prompter_.answer = true;
  const BatchResult result = Run(engine, {Wav("b.wav"), Midi("a.mid")});
  EXPECT_FALSE(result.ran);
  ASSERT_EQ(prompter_.shown.size(), 3u);
  EXPECT_EQ(prompter_.shown[1], "folder: " + folder.Path());
  EXPECT_EQ(prompter_.shown[2].rfind("url: https://", 0), 0u);
  EXPECT_TRUE(progress_.status.empty());
  EXPECT_FALSE(fs::exists(dir_.File("out/b.wav")));
}

TEST_F(ConversionJobTest, CancelInAFileRemovesItsOutputAndStops) {
  TestProgramFolder folder(false, false);
  EngineSession engine(folder.Path());
  progress_.cancelAtPump = 60;  // the first pump of the batch, a few in the first file
  const BatchResult result = Run(engine, {Wav("a.wav"), Wav("b.wav", 3), Wav("c.wav")});
  EXPECT_TRUE(result.cancelled);
  EXPECT_EQ(progress_.status[0], "a.wav");
  EXPECT_EQ(progress_.status[1], "Cancelled");
  EXPECT_EQ(progress_.status.count(2), 0u);
  EXPECT_TRUE(fs::exists(dir_.File("out/a.wav")));
  EXPECT_FALSE(fs::exists(dir_.File("out/b.wav")));
  EXPECT_TRUE(list_.At(1).destinationPath.empty());
}

TEST_F(ConversionJobTest, CancelBetweenFilesKeepsTheFinishedOne) {
  TestProgramFolder folder(false, false);
  EngineSession engine(folder.Path());
  // One pump when the batch starts, one per block of the first file (a
  // second of 44.1 kHz is 39 blocks), then the one after its success.
  progress_.cancelAtPump = 1 + 39 + 1;
  settings_.browseOutputFolder = 1;
  const BatchResult result = Run(engine, {Wav("a.wav"), Wav("b.wav")});
  EXPECT_TRUE(result.cancelled);
  EXPECT_EQ(progress_.status[0], "a.wav");
  EXPECT_EQ(progress_.status.count(1), 0u);
  EXPECT_EQ(prompter_.shown, (std::vector<std::string>{"select: " + dir_.File("out/a.wav")}));
}

TEST_F(ConversionJobTest, BrowseShowsTheFirstOutputOnlyWhenThereIsOne) {
  TestProgramFolder folder(false, false);
  EngineSession engine(folder.Path());
  settings_.browseOutputFolder = 1;
  WriteFileText(dir_.File("in/broken.wav"), "RIFF....WAVEjunk");
  Run(engine, {dir_.File("in/broken.wav"), Wav("b.wav")});
  EXPECT_EQ(prompter_.shown, (std::vector<std::string>{"select: " + dir_.File("out/b.wav")}));

  // Every entry failed (its source vanished after listing): no browser.
  prompter_.shown.clear();
  list_.Clear();
  const std::string vanished = Wav("c.wav");
  list_.AddOneFile(vanished);
  fs::remove(vanished);
  Run(engine, {});
  EXPECT_EQ(progress_.status[0], "Conversion Failure");
  EXPECT_TRUE(prompter_.shown.empty());
}

TEST_F(ConversionJobTest, ADesktopThatCannotShowTheOutputIsSaidSo) {
  TestProgramFolder folder(false, false);
  EngineSession engine(folder.Path());
  settings_.browseOutputFolder = 1;
  prompter_.opens = false;
  Run(engine, {Wav("a.wav")});
  EXPECT_EQ(prompter_.shown, (std::vector<std::string>{
                                 "select: " + dir_.File("out/a.wav"),
                                 "exclamation: " + NoFileManagerText(dir_.File("out/a.wav"))}));
}

TEST_F(ConversionJobTest, PlacementMessageBecomesTheStatus) {
  TestProgramFolder folder(false, false);
  EngineSession engine(folder.Path());
  settings_.targetExistsOpt = TARGET_SKIP;
  const std::string source = Wav("a.wav");
  fs::create_directories(dir_.File("out"));
  WriteFileText(dir_.File("out/a.wav"), "existing");
  Run(engine, {source});
  EXPECT_NE(progress_.status[0], "a.wav");
  EXPECT_NE(progress_.status[0], "Conversion Failure");
  EXPECT_FALSE(progress_.status[0].empty());
  EXPECT_EQ(ReadFileText(dir_.File("out/a.wav")), "existing");
}

TEST_F(ConversionJobTest, SourceThatVanishedFailsAndLeavesNothing) {
  TestProgramFolder folder(false, false);
  EngineSession engine(folder.Path());
  const std::string source = Wav("a.wav");
  list_.AddOneFile(source);
  fs::remove(source);
  ConversionJob job(settings_, engine, prompter_, progress_);
  ConvertAll(list_, job, prompter_);
  EXPECT_EQ(progress_.status[0], "Conversion Failure");
  EXPECT_TRUE(!fs::exists(dir_.File("out")) || fs::is_empty(dir_.File("out")));
}

TEST_F(ConversionJobTest, FullDiskFailsTheEntryAndRemovesThePartialFile) {
  TestProgramFolder folder(false, false);
  EngineSession engine(folder.Path());
  const std::string big = Wav("big.wav", 3);
  const std::string small = Wav("small.wav");
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit old{};
  getrlimit(RLIMIT_FSIZE, &old);
  rlimit limited = old;
  limited.rlim_cur = 300000;  // more than a second of CD audio, less than three
  setrlimit(RLIMIT_FSIZE, &limited);
  const BatchResult result = Run(engine, {big, small});
  setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, SIG_DFL);

  EXPECT_EQ(progress_.status[0], "Conversion Failure");
  EXPECT_FALSE(fs::exists(dir_.File("out/big.wav")));
  EXPECT_EQ(progress_.status[1], "small.wav");
  EXPECT_EQ(result.failed, 1);
  EXPECT_TRUE(fs::exists(big));
}

TEST_F(ConversionJobTest, WavThatWouldPassFourGibIsRefusedBeforeWriting) {
  TestProgramFolder folder(false, true);
  EngineSession engine(folder.Path());
  // Seven hours at the slowest tempo: 4.5 GB at 44.1 kHz, 16-bit stereo.
  const std::string song = Midi("long.mid");
  WriteFileText(song, OneNoteSong(16000000, 1600));
  // A block read would mean the conversion had started: it cancels then.
  progress_.cancelAtPump = 2;
  const BatchResult result = Run(engine, {song});
  EXPECT_EQ(progress_.status[0], "Output would pass the 4 GiB limit of WAV files");
  EXPECT_EQ(result.failed, 1);
  EXPECT_EQ(FolderNames(dir_.File("out")), std::vector<std::string>{});

  // At 8 kHz, 8-bit mono the same song fits (205 MB): it starts.
  settings_.autoDestWAVEncodingParam = 0;
  settings_.wavSampleRate = 8000;
  settings_.wavBitsPerSample = 8;
  settings_.wavChannelNum = 1;
  progress_.pumps = 0;
  list_.Clear();
  Run(engine, {song});
  EXPECT_EQ(progress_.status[0], "Cancelled");
  EXPECT_EQ(FolderNames(dir_.File("out")), std::vector<std::string>{});
}

enum class Event { NONE, WRITER_REFUSES, FULL_DISK, CANCEL, READ_ONLY, APPEARS };

struct ExistingTargetCase {
  const char* name;
  uint32_t policy;
  Event event;
  std::string status;              // "%s" stands for the output folder
  std::string atTarget;            // what out/a.wav holds afterwards; "" for the new output
  std::string newOutput;           // the file holding the new output; "" for none
  std::vector<std::string> names;  // everything in the output folder afterwards
};

void PrintTo(const ExistingTargetCase& c, std::ostream* out) {
  *out << c.name;
}

class ExistingTargetTest : public ConversionJobTest,
                           public ::testing::WithParamInterface<ExistingTargetCase> {};

TEST_P(ExistingTargetTest, ExistingTargetSurvivesUntilTheNewOutputIsComplete) {
  const ExistingTargetCase& c = GetParam();
  TestProgramFolder folder(false, false);
  EngineSession engine(folder.Path());
  const std::string source = Wav("a.wav");
  const std::string target = dir_.File("out/a.wav");
  fs::create_directories(dir_.File("out"));
  if (c.event != Event::APPEARS) WriteFileText(target, "old");
  settings_.targetExistsOpt = c.policy;
  settings_.outputFiles2MyDocuments = 0;
  switch (c.event) {
    case Event::WRITER_REFUSES:
      settings_.autoDestWAVEncodingParam = 0;
      settings_.wavBitsPerSample = 24;
      break;
    case Event::CANCEL:
      progress_.cancelAtPump = 5;
      break;
    case Event::READ_ONLY:
      ASSERT_EQ(chmod(target.c_str(), 0444), 0);
      break;
    case Event::APPEARS:
      progress_.appearAtPump = 3;  // while the first blocks are written
      progress_.appearPath = target;
      break;
    default:
      break;
  }
  {
    // One second of CD audio takes 176 kB.
    FileSizeLimit limit(c.event == Event::FULL_DISK ? 100000 : RLIM_INFINITY);
    Run(engine, {source});
  }

  std::string status = c.status;
  if (status.find("%s") != std::string::npos)
    status.replace(status.find("%s"), 2, dir_.File("out"));
  EXPECT_EQ(progress_.status[0], status);
  EXPECT_EQ(FolderNames(dir_.File("out")), c.names);
  if (!c.atTarget.empty()) {
    EXPECT_EQ(ReadFileText(target), c.atTarget);
  }
  if (!c.newOutput.empty()) {
    EXPECT_EQ(list_.At(0).destinationPath, dir_.File("out/" + c.newOutput));
    EXPECT_EQ(ProbeStreamField(dir_.File("out/" + c.newOutput), "sample_rate"), "44100");
    EXPECT_EQ(ProbeStreamField(dir_.File("out/" + c.newOutput), "duration"), "1.000000");
  } else {
    EXPECT_EQ(list_.At(0).destinationPath, "");
  }
  EXPECT_TRUE(fs::exists(source));
}

INSTANTIATE_TEST_SUITE_P(
    ConversionJobTest, ExistingTargetTest,
    ::testing::Values(
        ExistingTargetCase{"overwrite, writer refuses",
                           TARGET_OVERWRITE,
                           Event::WRITER_REFUSES,
                           "Conversion Failure",
                           "old",
                           "",
                           {"a.wav"}},
        ExistingTargetCase{"overwrite, full disk",
                           TARGET_OVERWRITE,
                           Event::FULL_DISK,
                           "Conversion Failure",
                           "old",
                           "",
                           {"a.wav"}},
        ExistingTargetCase{"overwrite, cancelled",
                           TARGET_OVERWRITE,
                           Event::CANCEL,
                           "Cancelled",
                           "old",
                           "",
                           {"a.wav"}},
        ExistingTargetCase{"overwrite, read-only target",
                           TARGET_OVERWRITE,
                           Event::READ_ONLY,
                           "Failed to create file \"%s/a.wav\"",
                           "old",
                           "",
                           {"a.wav"}},
        ExistingTargetCase{
            "overwrite, success", TARGET_OVERWRITE, Event::NONE, "a.wav", "", "a.wav", {"a.wav"}},
        ExistingTargetCase{"auto rename, target appears meanwhile",
                           TARGET_AUTO_RENAME,
                           Event::APPEARS,
                           "a_1.wav",
                           "appeared",
                           "a_1.wav",
                           {"a.wav", "a_1.wav"}},
        ExistingTargetCase{"skip, target appears meanwhile",
                           TARGET_SKIP,
                           Event::APPEARS,
                           "Target exists and skipped",
                           "appeared",
                           "",
                           {"a.wav"}}),
    [](const ::testing::TestParamInfo<ExistingTargetCase>& param) {
      return "Case" + std::to_string(param.index);
    });

// Several entries at a time: the front end hears only from the thread that
// runs the batch, statuses come in list order although the first entry
// finishes last, and the file line ends with the whole batch done.
TEST_F(ConversionJobTest, ParallelBatchTalksToTheFrontEndOnlyFromItsThread) {
  TestProgramFolder folder(true, true);
  EngineSession engine(folder.Path());
  ThreadNotingProgress progress;
  for (const std::string& path : {Wav("a.wav", 4), Wav("b.wav"), Midi("c.mid"), Wav("d.wav")})
    list_.AddOneFile(path);
  ConversionJob job(settings_, engine, prompter_, progress,
                    PlacementContext([this] { return dir_.File("docs"); }), 3);
  const BatchResult result = ConvertAll(list_, job, prompter_);
  EXPECT_EQ(result.converted, 4);
  EXPECT_EQ(progress.threads, std::set<std::thread::id>{std::this_thread::get_id()});
  std::vector<std::string> statuses;
  for (const std::string& shown : progress.statusHistory)
    if (shown.find(":Converting...") == std::string::npos) statuses.push_back(shown);
  EXPECT_EQ(statuses, (std::vector<std::string>{"0:a.wav", "1:b.wav", "2:c.wav", "3:d.wav"}));
  EXPECT_EQ(progress.batchSteps, 4);
  EXPECT_EQ(progress.fileLines.back(), "Finished 4 of 4 file(s)...100%");
  EXPECT_EQ(progress.bars.back(), progress.width);
  EXPECT_EQ(FolderNames(dir_.File("out")),
            (std::vector<std::string>{"a.wav", "b.wav", "c.wav", "d.wav"}));
}

}  // namespace
