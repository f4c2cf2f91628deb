#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <ctime>
#include <functional>
#include <filesystem>
#include <map>
#include <memory>
#include <random>
#include <set>

#include "app/ConvertSettings.h"
#include "app/EngineStartup.h"
#include "app/OutputFormat.h"
#include "codecs/readers/ProgramReaders.h"
#include "platform/settings/IniSettingsKey.h"
#include "source/OpenSource.h"
#include "source/SourceKind.h"
#include "support/AudioFixtures.h"
#include "support/ProgramFolder.h"
#include "support/RunProcess.h"
#include "support/TempDir.h"
#include "ui/chrome/AboutBox.h"
#include "ui/converting/ConvertProgressDlg.h"
#include "ui/desktop/HelpWindow.h"
#include "ui/main/ConvertDlg.h"
#include "ui/main/SortListCtrl.h"
#include "MainWindowFixture.h"
#include "ScriptedDesktop.h"

namespace fs = std::filesystem;

namespace {

// What the fake probe reports for a file name.
struct Probe {
  uint32_t duration, sampleRate, bitRate, channels, channelMode;
};

class FixedSource : public AudioSource {
 public:
  explicit FixedSource(const Probe& probe) {
    duration_ = probe.duration;
    sampleRate_ = probe.sampleRate;
    bitRate_ = probe.bitRate;
    channels_ = probe.channels;
    mp3ChannelMode_ = probe.channelMode;
  }
  void Close() override {}
  bool Open(const std::string&, uint32_t) override { return true; }
  int Read(PcmBlock&) override { return 0; }
};

// The thread's or the process's CPU time so far, in ms.
double CpuMs(clockid_t clock) {
  timespec now{};
  clock_gettime(clock, &now);
  return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

class ConvertDlgTest : public MainWindowTest {
 protected:
  // While it lives, the longest stretch of this thread's own work between
  // two turns of its event loop while the progress window shows, in ms of
  // the thread's CPU time (which the tests running beside it on a loaded
  // machine do not stretch); `each` is called at each such turn.
  struct EventLoopWork {
    explicit EventLoopWork(std::function<void(CConvertProgressDlg&)> each = {}) {
      QObject::connect(&turn, &QTimer::timeout, [this, each] {
        const double cpu = CpuMs(CLOCK_THREAD_CPUTIME_ID);
        if (CConvertProgressDlg* shown = Progress(); shown && last >= 0) {
          longest = std::max(longest, cpu - last);
          if (each) each(*shown);
        }
        last = cpu;
      });
      turn.start(0);
    }
    QTimer turn;
    double last = -1, longest = 0;
  };

  // The window probing through the program's readers, or through fixed
  // properties by file name when `probes` is given; its outputs go to "out".
  CConvertDlg& Open(const std::map<std::string, Probe>& probes = {}) {
    SourceList::Prober prober;
    if (!probes.empty()) {
      prober = [probes](const std::string& path, int32_t) -> std::unique_ptr<AudioSource> {
        const auto found = probes.find(fs::path(path).filename().string());
        if (found == probes.end()) return nullptr;
        return std::make_unique<FixedSource>(found->second);
      };
    }
    CConvertDlg& window = OpenWindow(prober);
    settings_.destOutputFolderOpt = DEST_CUSTOM_FOLDER;
    settings_.destSpecifiedFolder = dir_.File("out");
    settings_.browseOutputFolder = 0;
    fs::create_directories(dir_.File("out"));
    return window;
  }

  void Add(const std::vector<std::string>& names) {
    std::vector<std::string> paths;
    for (const std::string& name : names) paths.push_back(dir_.File(name));
    window_->AddDropped(paths);
  }

  std::vector<std::string> Column(int column) {
    std::vector<std::string> cells;
    for (int row = 0; row < window_->ListCtrl().RowCount(); ++row)
      cells.push_back(window_->ListCtrl().CellText(row, column).toStdString());
    return cells;
  }

  void ClickHeader(int column) {
    QHeaderView* header = window_->ListCtrl().header();
    const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
  }

  // The conversion's progress window while it exists.
  static CConvertProgressDlg* Progress() {
    for (QWidget* widget : QApplication::topLevelWidgets())
      if (auto* progress = qobject_cast<CConvertProgressDlg*>(widget)) return progress;
    return nullptr;
  }

  std::string Wav(const std::string& name, int seconds, double frequency = 440) {
    const std::string path = dir_.File(name);
    WriteWav16(path, 44100, 2, SineWave(44100 * seconds, 2, 44100, frequency));
    return path;
  }

};

const std::map<std::string, Probe> kProbes = {
    {"a.mp3", {59, 44100, 128, 0, 4}},
    {"b.wav", {3725, 48000, 0, 6, 0}},
    {"c.ogg", {0, 0, 96, 4, 0}},
    {"d.flac", {3599, 8000, 320, 1, 0}},
};

TEST_F(ConvertDlgTest, WindowHasTheDesignSizeAndItsControlsInPlace) {
  CConvertDlg& window = Open();
  EXPECT_EQ(window.size(), QSize(699, 538));
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Sondrel"));
  EXPECT_TRUE(window.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(window.ListCtrl().geometry(), QRect(137, 63, 552, 465));
  EXPECT_EQ(window.Button("convert")->geometry(), QRect(11, 206, 107, 27));
  EXPECT_EQ(window.Button("convert")->toolTip(), QStringLiteral("Convert all files"));
  EXPECT_EQ(window.Button("homePage")->toolTip(), QStringLiteral("Visit Sondrel Homepage"));
  EXPECT_EQ(window.Button("close")->geometry(), QRect(669, 11, 21, 21));
  EXPECT_EQ(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 300);
  const QStringList headers = {QStringLiteral("File"),     QStringLiteral("Folder"),
                               QStringLiteral("Duration"), QStringLiteral("Bit Rate"),
                               QStringLiteral("Freq."),    QStringLiteral("Channels"),
                               QStringLiteral("Status")};
  const int widths[] = {120, 80, 58, 72, 64, 58, 100};
  for (int column = 0; column < 7; ++column) {
    EXPECT_EQ(window.ListCtrl().headerItem()->text(column), headers[column]);
    EXPECT_EQ(window.ListCtrl().columnWidth(column), widths[column]);
  }
}

TEST_F(ConvertDlgTest, RowsShowWhatTheProbeReported) {
  Open(kProbes);
  settings_.enableExtFilter = 0;
  Add({"a.mp3", "b.wav", "c.ogg", "d.flac"});
  EXPECT_EQ(Column(CSortListCtrl::COL_FILE),
            (std::vector<std::string>{"a.mp3", "b.wav", "c.ogg", "d.flac"}));
  EXPECT_EQ(Column(CSortListCtrl::COL_DURATION),
            (std::vector<std::string>{"00:59", "1:02:05", "", "59:59"}));
  EXPECT_EQ(Column(CSortListCtrl::COL_BIT_RATE),
            (std::vector<std::string>{"128 kbps", "", "96 kbps", "320 kbps"}));
  EXPECT_EQ(Column(CSortListCtrl::COL_FREQ),
            (std::vector<std::string>{"44100 Hz", "48000 Hz", "", "8000 Hz"}));
  // The MP3's channel mode is unknown: an empty cell.
  EXPECT_EQ(Column(CSortListCtrl::COL_CHANNELS),
            (std::vector<std::string>{"", "5.1", "4", "Mono"}));
  EXPECT_EQ(window_->ListCtrl().topLevelItem(0)->textAlignment(CSortListCtrl::COL_BIT_RATE) &
                Qt::AlignHorizontal_Mask,
            Qt::AlignRight);
}

TEST_F(ConvertDlgTest, HeaderClicksSortAscendingThenDescending) {
  Open(kProbes);
  Add({"a.mp3", "b.wav", "c.ogg", "d.flac"});
  ClickHeader(CSortListCtrl::COL_BIT_RATE);
  EXPECT_EQ(Column(CSortListCtrl::COL_FILE),
            (std::vector<std::string>{"b.wav", "c.ogg", "a.mp3", "d.flac"}));
  ClickHeader(CSortListCtrl::COL_BIT_RATE);
  EXPECT_FALSE(window_->ListCtrl().Ascending());
  EXPECT_EQ(Column(CSortListCtrl::COL_FILE),
            (std::vector<std::string>{"d.flac", "a.mp3", "c.ogg", "b.wav"}));
  // Another column starts ascending again.
  ClickHeader(CSortListCtrl::COL_FREQ);
  EXPECT_TRUE(window_->ListCtrl().Ascending());
  EXPECT_EQ(Column(CSortListCtrl::COL_FILE),
            (std::vector<std::string>{"c.ogg", "d.flac", "a.mp3", "b.wav"}));
  ClickHeader(CSortListCtrl::COL_DURATION);
  EXPECT_EQ(Column(CSortListCtrl::COL_DURATION),
            (std::vector<std::string>{"", "00:59", "59:59", "1:02:05"}));
}

TEST_F(ConvertDlgTest, FolderColumnTellsFilesOfOneNameApartAndSortsByFolder) {
  Open(kProbes);
  fs::create_directories(dir_.File("z"));
  fs::create_directories(dir_.File("y"));
  Add({"z/a.mp3", "b.wav", "y/a.mp3"});
  const std::string top = fs::path(dir_.File("b.wav")).parent_path().string();
  EXPECT_EQ(Column(CSortListCtrl::COL_FOLDER),
            (std::vector<std::string>{top + "/z", top, top + "/y"}));
  ClickHeader(CSortListCtrl::COL_FOLDER);
  EXPECT_EQ(Column(CSortListCtrl::COL_FOLDER),
            (std::vector<std::string>{top, top + "/y", top + "/z"}));
}

TEST_F(ConvertDlgTest, FormatSelectorShowsTheStoredFormatAndStoresTheChoice) {
  struct Row {
    uint32_t stored;
    int selected;
    uint32_t after;
  };
  for (const Row& row : {Row{1234, 0, FORMAT_MP3}, Row{FORMAT_M4A, 7, FORMAT_M4A},
                         Row{FORMAT_AWB, 10, FORMAT_AWB}, Row{FORMAT_FLAC, 11, FORMAT_FLAC},
                         Row{FORMAT_OPUS, 12, FORMAT_OPUS},
                         Row{FORMAT_WMA, 2, FORMAT_WMA}}) {
    window_.reset();  // closing writes its own format
    root_.CreateKey("Options")->WriteNumber("OutputFormat", row.stored);
    CConvertDlg& window = Open();
    EXPECT_EQ(window.FormatSelector().currentIndex(), row.selected) << row.stored;
    EXPECT_EQ(settings_.outputFormat, row.after) << row.stored;
  }
  QComboBox& selector = window_->FormatSelector();
  ASSERT_EQ(selector.count(), static_cast<int>(OutputFormatChoices().size()));
  EXPECT_EQ(selector.itemText(0), QStringLiteral(" to MP3"));
  EXPECT_EQ(selector.itemText(5), QStringLiteral(" to AAC for iPod/iTunes"));
  EXPECT_EQ(selector.itemText(10), QStringLiteral(" to AWB"));
  EXPECT_EQ(selector.itemText(11), QStringLiteral(" to FLAC"));
  selector.setCurrentIndex(3);
  EXPECT_EQ(settings_.outputFormat, FORMAT_OGG);
  // Closing the window stores the format (and nothing is saved before).
  EXPECT_EQ(root_.OpenKey("Options")->ReadNumber("OutputFormat"), FORMAT_WMA);
  window_.reset();
  EXPECT_EQ(root_.OpenKey("Options")->ReadNumber("OutputFormat"), FORMAT_OGG);
}

TEST_F(ConvertDlgTest, ContextMenuFollowsTheSelection) {
  Open(kProbes);
  auto enabled = [this] {
    std::map<std::string, bool> state;
    const std::unique_ptr<QMenu> menu = window_->MakeContextMenu();
    for (QAction* action : menu->actions())
      if (!action->isSeparator()) state[action->text().toStdString()] = action->isEnabled();
    return state;
  };
  auto empty = enabled();
  EXPECT_FALSE(empty["Convert All"]);
  EXPECT_FALSE(empty["Remove Al&l"]);
  EXPECT_TRUE(empty["&Add Files...\tCtrl+O"]);
  EXPECT_TRUE(empty["Add F&older"]);

  Add({"a.mp3", "b.wav"});
  window_->ListCtrl().SelectRows({1});
  auto one = enabled();
  EXPECT_TRUE(one["&Play Source"]);
  EXPECT_TRUE(one["Browse &Source Folder"]);
  EXPECT_FALSE(one["Play &Destination"]);  // not converted yet
  EXPECT_FALSE(one["Browse Destination &Folder"]);
  EXPECT_TRUE(one["&Remove\tDel"]);
  EXPECT_TRUE(one["&Convert Selected"]);

  window_->ListCtrl().EntryAt(1)->destinationPath = dir_.File("out/b.mp3");
  auto converted = enabled();
  EXPECT_TRUE(converted["Play &Destination"]);
  EXPECT_TRUE(converted["Browse Destination &Folder"]);

  window_->ListCtrl().SelectRows({0, 1});
  auto two = enabled();
  EXPECT_FALSE(two["&Play Source"]);
  EXPECT_FALSE(two["Play &Destination"]);
  EXPECT_TRUE(two["&Convert Selected"]);

  // A double click plays the source.
  window_->ListCtrl().SelectRows({1});
  QTreeWidgetItem* item = window_->ListCtrl().topLevelItem(1);
  const QPoint at = window_->ListCtrl().visualItemRect(item).center();
  QTest::mouseClick(window_->ListCtrl().viewport(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(window_->ListCtrl().viewport(), Qt::LeftButton, {}, at);
  EXPECT_EQ(desktop_.opened, (std::vector<std::string>{"open: " + dir_.File("b.wav")}));
}

TEST_F(ConvertDlgTest, RemoveTakesTheSelectedRowsAndTheirFilesCanComeBack) {
  CConvertDlg& window = Open(kProbes);
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  QTest::keyClick(&window, Qt::Key_Delete);
  QTest::mouseClick(window.Button("removeAll"), Qt::LeftButton);
  EXPECT_EQ(desktop_.shown, (std::vector<std::string>{
                                "information: You should select a file at least.",
                                "information: There aren't files in list."}));

  Add({"a.mp3", "b.wav", "c.ogg", "d.flac"});
  window.ListCtrl().SelectRows({0, 2, 3});
  QTest::keyClick(&window, Qt::Key_Delete);
  EXPECT_EQ(Column(CSortListCtrl::COL_FILE), (std::vector<std::string>{"b.wav"}));
  EXPECT_EQ(window.Entries().Size(), 1u);
  Add({"a.mp3", "c.ogg", "d.flac", "b.wav"});
  EXPECT_EQ(Column(CSortListCtrl::COL_FILE),
            (std::vector<std::string>{"b.wav", "a.mp3", "c.ogg", "d.flac"}));

  QTest::mouseClick(window.Button("removeAll"), Qt::LeftButton);
  EXPECT_EQ(window.ListCtrl().RowCount(), 0);
  EXPECT_EQ(window.Entries().Size(), 0u);
  EXPECT_EQ(desktop_.shown.size(), 2u);
}

TEST_F(ConvertDlgTest, KeysAndHelpMenuReachTheirCommands) {
  CConvertDlg& window = Open();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  QTest::keyClick(&window, Qt::Key_O, Qt::ControlModifier);
  EXPECT_FALSE(desktop_.filters.empty()) << "Ctrl+O did not open the file dialog";
  QTest::keyClick(&window, Qt::Key_F1);
  ASSERT_NE(window.Help(), nullptr);
  EXPECT_TRUE(window.Help()->isVisible());
  EXPECT_FALSE(window.Help()->isMaximized());
  EXPECT_EQ(window.Help()->windowTitle(), QStringLiteral("Sondrel Help"));

  // About... shows the about box modally: close it once it is up.
  QString aboutTitle;
  QTimer closeAbout;
  QObject::connect(&closeAbout, &QTimer::timeout, [&] {
    if (auto* about = qobject_cast<CAboutBox*>(QApplication::activeModalWidget())) {
      aboutTitle = about->windowTitle();
      about->reject();
    }
  });
  closeAbout.start(10);
  const std::unique_ptr<QMenu> menu = window.MakeHelpMenu();
  for (QAction* action : menu->actions())
    if (!action->isSeparator() && !action->text().startsWith(QStringLiteral("&Help"))) action->trigger();
  closeAbout.stop();
  ASSERT_EQ(desktop_.opened.size(), 4u);
  EXPECT_EQ(desktop_.opened[0],
            "url: mailto:?subject=Sondrel%20-%20very%20COOL%20application%21%21%21"
            "&body=Download%20from%20https%3A%2F%2Fsondrel.example%2F");
  EXPECT_EQ(desktop_.opened[1], "url: mailto:support@sondrel.example");
  EXPECT_EQ(desktop_.opened[2], "url: https://sondrel.example/");
  EXPECT_EQ(desktop_.opened[3], "url: https://sondrel.example/latest?ver=2.4&build=775");
  EXPECT_EQ(aboutTitle, QStringLiteral("About"));
  EXPECT_TRUE(desktop_.shown.empty());
}

TEST_F(ConvertDlgTest, FirstStartOpensTheGuideMaximisedOnce) {
  root_.CreateKey("Options")->DeleteValue("FirstRun");
  CConvertDlg& first = Open();
  ASSERT_NE(first.Help(), nullptr);
  EXPECT_TRUE(first.Help()->isMaximized());
  EXPECT_TRUE(first.Help()->toPlainText().contains(QStringLiteral("Sondrel")));
  QPointer<HelpWindow> help = first.Help();
  first.close();
  EXPECT_FALSE(help->isVisible()) << "closing the main window leaves the guide open";
  EXPECT_EQ(root_.OpenKey("Options")->ReadNumber("FirstRun"), 0u);
  EXPECT_EQ(Open().Help(), nullptr);
}

TEST_F(ConvertDlgTest, ConvertButtonConvertsEveryRowAndWritesItsStatus) {
  CConvertDlg& window = Open();
  settings_.browseOutputFolder = 1;
  window.AddDropped({Wav("one.wav", 1), Wav("two.wav", 1), Wav("three.wav", 1)});
  ASSERT_EQ(window.ListCtrl().RowCount(), 3);
  QTest::mouseClick(window.Button("convert"), Qt::LeftButton);

  EXPECT_EQ(Column(CSortListCtrl::COL_STATUS),
            (std::vector<std::string>{"one.mp3", "two.mp3", "three.mp3"}));
  for (const char* name : {"one.mp3", "two.mp3", "three.mp3"})
    EXPECT_GT(fs::file_size(dir_.File(std::string("out/") + name)), 1000u) << name;
  EXPECT_TRUE(window.isEnabled());
  EXPECT_EQ(desktop_.opened, (std::vector<std::string>{"select: " + dir_.File("out/one.mp3")}));
  EXPECT_EQ(window.ListCtrl().EntryAt(2)->destinationPath, dir_.File("out/three.mp3"));
}

TEST_F(ConvertDlgTest, CancelDuringALongConversionLeavesNoPartialFile) {
  CConvertDlg& window = Open();
  window.AddDropped({Wav("long.wav", 300)});
  // Cancel is pressed once the file's bar has moved.
  QTimer poll;
  bool pressed = false;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* progress = Progress();
    if (pressed || !progress || !progress->isVisible() || progress->FileBar()->value() < 2) return;
    pressed = true;
    QTest::mouseClick(progress->CancelButton(), Qt::LeftButton);
  });
  poll.start(10);
  window.ConvertAll();
  poll.stop();

  EXPECT_TRUE(pressed);
  EXPECT_EQ(Column(CSortListCtrl::COL_STATUS), (std::vector<std::string>{"Cancelled"}));
  EXPECT_TRUE(window.ListCtrl().EntryAt(0)->destinationPath.empty());
  EXPECT_TRUE(fs::is_empty(dir_.File("out"))) << "a partial or temporary file was left";
  EXPECT_TRUE(window.isEnabled());
  EXPECT_TRUE(QTest::qWaitForWindowActive(&window, 1000)) << "the keyboard stayed elsewhere";
  EXPECT_EQ(Progress(), nullptr);
}


// The percentage a "Converting... N%" status shows, or -1 for another text.
int ConvertingPercent(const std::string& status) {
  return status.rfind("Converting... ", 0) == 0 ? std::atoi(status.c_str() + 14) : -1;
}

TEST_F(ConvertDlgTest, BatchOfTwoAtATimeWritesWhatTheCommandLineWritesOneAtATime) {
  CConvertDlg& window = Open();
  settings_.convertJobs = 2;
  settings_.targetExistsOpt = TARGET_SKIP;
  std::vector<std::string> args = {"convert",         "-j",    "1",
                                   "--skip-existing", "--out", dir_.File("cli")};
  for (int i = 0; i < 5; ++i)
    args.push_back(Wav("s" + std::to_string(i) + ".wav", 2, 300 + 150 * i));
  // One target exists already in both output folders: it is skipped.
  fs::create_directories(dir_.File("cli"));
  for (const char* folder : {"out/", "cli/"})
    WriteFileText(dir_.File(folder + std::string("s2.mp3")), "old");
  window.AddDropped({args.begin() + 6, args.end()});
  window.ConvertAll();
  const ProcessResult cli =
      RunCliProcess(args, {{"HOME", dir_.Path()}, {"XDG_CONFIG_HOME", dir_.File("config")}});
  ASSERT_TRUE(Succeeded(cli));
  std::string windowLines;
  for (int row = 0; row < window.ListCtrl().RowCount(); ++row)
    windowLines +=
        window.ListCtrl().EntryAt(row)->path + "\t" + Column(CSortListCtrl::COL_STATUS)[row] + "\n";
  EXPECT_EQ(windowLines, cli.out);
  EXPECT_EQ(FolderNames(dir_.File("out")), FolderNames(dir_.File("cli")));
  for (const std::string& name : FolderNames(dir_.File("cli")))
    EXPECT_EQ(ReadFileText(dir_.File("out/" + name)), ReadFileText(dir_.File("cli/" + name)))
        << name;
  EXPECT_EQ(window.BatchSummary().text().left(27), QStringLiteral("Converted 4, skipped 1 in 0"));
}

// One and two files at a time: either way the files convert on workers.
class WindowBatchJobsTest : public ConvertDlgTest, public ::testing::WithParamInterface<int> {};

TEST_P(WindowBatchJobsTest, RowsShowTheirProgressThenTheirResultAndTheWindowKeepsAnswering) {
  CConvertDlg& window = Open();
  const int jobs = GetParam();
  settings_.convertJobs = jobs;
  for (int i = 0; i < 8; ++i) window.AddDropped({Wav("f" + std::to_string(i) + ".wav", 8)});
  std::vector<std::vector<std::string>> seen(8, std::vector<std::string>{"old"});
  for (int row = 0; row < 8; ++row)
    window.ListCtrl().SetCellText(row, CSortListCtrl::COL_STATUS, QStringLiteral("old"));
  QObject::connect(
      &window.ListCtrl(), &QTreeWidget::itemChanged, [&](QTreeWidgetItem* item, int column) {
        auto& texts = seen[window.ListCtrl().indexOfTopLevelItem(item)];
        if (column == CSortListCtrl::COL_STATUS && texts.back() != item->text(column).toStdString())
          texts.push_back(item->text(column).toStdString());
      });
  // Between two turns of the event loop this thread may only wait for the
  // workers.
  long mostConverting = 0;  // files shown converting at once
  const EventLoopWork work([&](CConvertProgressDlg& shown) {
    const auto& lines = shown.FileLines();
    mostConverting = std::max(mostConverting, std::count_if(lines.begin(), lines.end(), [](QLabel* l) {
                                return !l->text().isEmpty();
                              }));
  });
  const double threadBefore = CpuMs(CLOCK_THREAD_CPUTIME_ID);
  const double processBefore = CpuMs(CLOCK_PROCESS_CPUTIME_ID);
  window.ConvertAll();
  const double threadShare = (CpuMs(CLOCK_THREAD_CPUTIME_ID) - threadBefore) /
                             (CpuMs(CLOCK_PROCESS_CPUTIME_ID) - processBefore);
  EXPECT_LT(work.longest, 50.0) << "ms of work between two event-loop turns";
  EXPECT_LT(threadShare, 0.5) << "the window's thread did the converting";
  EXPECT_EQ(mostConverting, jobs);
  for (int row = 0; row < 8; ++row) {
    const std::vector<std::string>& texts = seen[row];
    ASSERT_GE(texts.size(), 4u) << row;
    EXPECT_EQ(texts[1], "") << "the last run's status stayed on row " << row;
    EXPECT_EQ(texts.back(), "f" + std::to_string(row) + ".mp3");
    std::vector<int> percents;
    for (size_t i = 2; i + 1 < texts.size(); ++i) percents.push_back(ConvertingPercent(texts[i]));
    EXPECT_TRUE(std::is_sorted(percents.begin(), percents.end()) && percents.front() >= 0) << row;
    EXPECT_TRUE(
        std::any_of(percents.begin(), percents.end(), [](int p) { return p > 0 && p < 100; }))
        << "row " << row << " showed no progress between its start and its end";
  }
}

INSTANTIATE_TEST_SUITE_P(Jobs, WindowBatchJobsTest, ::testing::Values(1, 2));

// The album's values are written into its large outputs on a worker while
// the window keeps answering; every file gets the same album gain. White
// noise keeps the FLAC outputs as large as the sources.
TEST_F(ConvertDlgTest, AlbumValuesAreWrittenWhileTheWindowKeepsAnswering) {
  CConvertDlg& window = Open();
  settings_.convertJobs = 2;
  settings_.outputFormat = FORMAT_FLAC;
  settings_.flacCompressionLevel = 0;
  settings_.replayGain = REPLAYGAIN_ALBUM;
  std::minstd_rand noise(7);
  std::vector<int16_t> samples(44100 * 2 * 60);
  for (const char* name : {"n0", "n1", "n2", "n3"}) {
    for (int16_t& sample : samples) sample = static_cast<int16_t>(noise() % 20000 - 10000);
    WriteWav16(dir_.File(name + std::string(".wav")), 44100, 2, samples);
    window.AddDropped({dir_.File(name + std::string(".wav"))});
  }
  const EventLoopWork work;
  window.ConvertAll();
  // Written on this thread, the rewrite of these files took it about 50 ms;
  // on a worker the thread's longest stretch is 7 to 13 ms, and up to about
  // 25 ms when every test beside it keeps the processors busy.
  EXPECT_LT(work.longest, 35.0) << "ms of work between two event-loop turns";
  std::set<std::string> gains;
  for (const char* name : {"n0", "n1", "n2", "n3"})
    gains.insert(RunProcess("ffprobe", {"-v", "error", "-show_entries",
                                        "format_tags=replaygain_album_gain", "-of", "csv=p=0",
                                        dir_.File("out/" + std::string(name) + ".flac")})
                     .out);
  EXPECT_TRUE(gains.size() == 1 && gains.begin()->find(" dB") != std::string::npos);
}

class CloseDuringBatchTest : public ConvertDlgTest, public ::testing::WithParamInterface<bool> {};

TEST_P(CloseDuringBatchTest, ClosingAsksAndYesStopsLikeCancelWhileNoGoesOn) {
  CConvertDlg& window = Open();
  settings_.convertJobs = 2;
  window.AddDropped({Wav("short.wav", 1), Wav("long1.wav", 40), Wav("long2.wav", 40)});
  desktop_.answer = GetParam();
  // The window is closed once the short file is done and a long one runs.
  QTimer poll;
  bool closed = false;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    const std::vector<std::string> status = Column(CSortListCtrl::COL_STATUS);
    if (!closed && status[0] == "short.mp3" && ConvertingPercent(status[1]) >= 1)
      closed = window.close() || true;
  });
  poll.start(10);
  window.ConvertAll();
  ASSERT_TRUE(closed);
  EXPECT_EQ(desktop_.shown, std::vector<std::string>{
                                "question: " + std::string(CConvertDlg::STOP_ON_CLOSE_QUESTION)});
  EXPECT_EQ(window.isVisible(), !GetParam());
  const std::vector<std::string> stopped = {"short.mp3", "Cancelled", "Cancelled"};
  const std::vector<std::string> done = {"short.mp3", "long1.mp3", "long2.mp3"};
  EXPECT_EQ(Column(CSortListCtrl::COL_STATUS), GetParam() ? stopped : done);
  // Yes leaves no partial or temporary file and keeps the finished one.
  const std::vector<std::string> kept = {"long1.mp3", "long2.mp3", "short.mp3"};
  EXPECT_EQ(FolderNames(dir_.File("out")), GetParam() ? std::vector<std::string>{kept[2]} : kept);
  const QString summary = window.BatchSummary().text();
  EXPECT_TRUE(summary.startsWith(GetParam() ? QStringLiteral("Cancelled after 1 of 3 files, 0:")
                                            : QStringLiteral("Converted 3 in 0:")))
      << summary.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Answers, CloseDuringBatchTest, ::testing::Values(true, false),
                         [](const ::testing::TestParamInfo<bool>& row) {
                           return row.param ? "Yes" : "No";
                         });

// With "out/b" a file, doc.wav goes to the documents folder (of the test's
// home); the 1 Hz refused.wav the MP3 encoder refuses gives sondrel-cli's
// reason, also after the rows are sorted (by status: refused, doc, good).
TEST_F(ConvertDlgTest, StatusTooltipAndWhyDidThisFailGiveTheReason) {
  const QByteArray home = qgetenv("HOME"), config = qgetenv("XDG_CONFIG_HOME");
  const std::shared_ptr<void> restore(
      nullptr, [&](void*) { qputenv("HOME", home), qputenv("XDG_CONFIG_HOME", config); });
  qputenv("HOME", dir_.Path().c_str()), qputenv("XDG_CONFIG_HOME", dir_.File("home").c_str());
  for (const char* sub : {"a", "b", "c"}) fs::create_directories(dir_.File("music/") + sub);
  const std::string refused = dir_.File("music/c/refused.wav");
  WriteWav16(refused, 1, 2, SineWave(100, 2, 1, 0.1));
  const ProcessResult cli = RunCliProcess({"convert", "--out", dir_.File("cli"), refused});
  const size_t tab = cli.out.find('\t'), from = refused.size() + 2;
  const std::string status = cli.out.substr(tab + 1, cli.out.find('\n') - tab - 1);
  const std::string reason = cli.err.substr(from, cli.err.find('\n') - from);
  Open();
  Wav("music/a/good.wav", 1), Wav("music/b/doc.wav", 1);
  WriteFileText(dir_.File("out/b"), "a file where the folder should be");
  settings_.keepAddedSubfolders = 1, settings_.outputFormat = FORMAT_MP3;
  Add({"music"});
  window_->ConvertAll();
  window_->ListCtrl().SortByColumn(CSortListCtrl::COL_STATUS);

  const std::string docs = dir_.File("Documents/b/doc.mp3");
  const std::vector<std::string> statuses = {status, "doc.mp3", "good.mp3"};
  const std::vector<std::string> tips = {
      reason, "The output folder could not be used; written to " + docs, ""};
  EXPECT_EQ(Column(CSortListCtrl::COL_STATUS), statuses);
  for (int row = 0; row < 3; ++row) {
    EXPECT_EQ(window_->ListCtrl().CellToolTip(row, CSortListCtrl::COL_STATUS).toStdString(),
              tips[row]);
    window_->ListCtrl().SelectRows({row});
    const std::unique_ptr<QMenu> menu = window_->MakeContextMenu();
    for (QAction* action : menu->actions())
      if (action->text() == QStringLiteral("&Why did this fail?")) action->trigger();
  }
  EXPECT_EQ(desktop_.shown, std::vector<std::string>{
                                "exclamation: Sondrel could not convert this file.\n\nSource: " +
                                refused + "\nOutput: " + dir_.File("out/c/refused.mp3") +
                                "\nStatus: " + status + "\nReason: " + reason});
  EXPECT_TRUE(fs::is_regular_file(docs));
}

TEST(SondrelProgramTest, WithoutADisplayPointsToTheCommandLine) {
  const ProcessResult result = RunProcess(std::string(SONDREL_BINARY_DIR) + "/sondrel", {},
                                          {{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""},
                                           {"QT_QPA_PLATFORM", ""}},
                                          60);
  EXPECT_EQ(result.exitCode, 1) << result.err;
  EXPECT_NE(result.err.find("Use the command line instead: sondrel-cli --help"),
            std::string::npos)
      << result.err;
}

}  // namespace
