// Adding files to the main window's list through Add Files, Add Folder and
// drops, on real folders and sound files made at test time.

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <filesystem>
#include <functional>

#include "app/ConvertSettings.h"
#include "app/EngineStartup.h"
#include "codecs/readers/ProgramReaders.h"
#include "platform/settings/IniSettingsKey.h"
#include "source/OpenSource.h"
#include "support/AudioFixtures.h"
#include "support/ProgramFolder.h"
#include "support/RunProcess.h"
#include "support/SharedMedia.h"
#include "support/TempDir.h"
#include "ui/adding/AddProgressDlg.h"
#include "ui/desktop/SurfaceDrag.h"
#include "ui/main/ConvertDlg.h"
#include "ui/main/SortListCtrl.h"
#include "MainWindowFixture.h"
#include "ScriptedDesktop.h"

namespace fs = std::filesystem;

namespace {

const std::string kFailed = "exclamation: Failed to load the following files.\n\n";
const std::string kNotSound = ": not a sound file Sondrel can read\n";

// The add window while it is shown.
CAddProgressDlg* AddWindow() {
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (auto* window = qobject_cast<CAddProgressDlg*>(widget); window && window->isVisible())
      return window;
  return nullptr;
}

// Looks at the add window on every turn of the event loop while it lives:
// the texts it showed in order, and the main window's state and the cursor
// while files were added.
class AddWindowWatch {
 public:
  explicit AddWindowWatch(QWidget& mainWindow) : mainWindow_(mainWindow) {
    timer_.setInterval(0);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Look(); });
    timer_.start();
  }

  std::function<void(CAddProgressDlg&)> onTurn;
  std::vector<std::string> texts;
  bool mainEnabledMeanwhile = false;
  bool waitCursorMeanwhile = true;

 private:
  void Look() {
    CAddProgressDlg* window = AddWindow();
    if (!window) return;
    const std::string text = window->Line()->text().toStdString();
    if (texts.empty() || texts.back() != text) texts.push_back(text);
    if (texts.back().rfind("Adding", 0) == 0) {
      mainEnabledMeanwhile = mainEnabledMeanwhile || mainWindow_.isEnabled();
      waitCursorMeanwhile = waitCursorMeanwhile && QApplication::overrideCursor() &&
                            QApplication::overrideCursor()->shape() == Qt::WaitCursor;
    }
    if (onTurn) onTurn(*window);
  }

  QWidget& mainWindow_;
  QTimer timer_;
};

class FileAdderTest : public MainWindowTest {
 protected:
  CConvertDlg& Open() { return OpenWindow(); }

  void Filter(bool on, const std::string& extensions) {
    settings_.enableExtFilter = on ? 1 : 0;
    settings_.filterExts = extensions;
    RebuildExtensionFilter(settings_);
  }

  // The listed paths below the test's folder.
  std::vector<std::string> Listed() const {
    std::vector<std::string> names;
    for (const auto& entry : window_->Entries().Entries())
      names.push_back(entry->path.substr(dir_.Path().size() + 1));
    return names;
  }

  std::string Wav(const std::string& name) {
    const std::string path = dir_.File(name);
    fs::create_directories(fs::path(path).parent_path());
    WriteWav16(path, 22050, 1, SineWave(4410, 1, 22050, 440));
    return path;
  }

  // A short MP3 made once by ffmpeg, copied to `name`.
  std::string Mp3(const std::string& name) {
    static TempDir made;
    static const std::string mp3 = [&] {
      const std::string wav = made.File("tone.wav");
      WriteWav16(wav, 44100, 2, SineWave(8820, 2, 44100, 440));
      return MadePath(RunFfmpeg({"-i", wav, "-c:a", "libmp3lame", made.File("tone.mp3")}),
                      made.File("tone.mp3"));
    }();
    const std::string path = dir_.File(name);
    fs::create_directories(fs::path(path).parent_path());
    fs::copy_file(mp3, path);
    return path;
  }

  void Text(const std::string& name, const std::string& text) {
    fs::create_directories(fs::path(dir_.File(name)).parent_path());
    WriteFileText(dir_.File(name), text);
  }

};

// One drop under one filter setting.
struct DropCase {
  const char* name;
  bool filterOn;
  const char* filterExts;
  std::vector<std::string> dropped;
  std::vector<std::string> listed;
  std::vector<std::string> failed;
  bool needsShortcutMedia = false;
};

class DropRulesTest : public FileAdderTest, public ::testing::WithParamInterface<DropCase> {};

TEST_P(DropRulesTest, DroppedItemsPassTheFilterAndShortcutRules) {
  const DropCase& row = GetParam();
  if (row.needsShortcutMedia && SharedMediaFile("lnk/local.lnk").empty())
    GTEST_SKIP() << MissingSharedMedia("lnk/local.lnk");
  Wav("tree/a.wav");
  Text("tree/d.ogg", "not a sound");
  Wav("tree/noext");
  Mp3("tree/sub/b.mp3");
  Mp3("tree/sub/deep/c.MP3");
  Mp3("music/song.mp3");
  Text("links/song.desktop",
       "[Desktop Entry]\nType=Link\nName=song\nURL=file://" + dir_.File("music/song.mp3") + "\n");
  if (row.needsShortcutMedia) {
    // Names "..\Music\Track 01.mp3" relative to its own folder.
    Mp3("Music/Track 01.mp3");
    fs::copy_file(SharedMediaFile("lnk/local.lnk"), dir_.File("links/local.lnk"));
  }
  Open();
  Filter(row.filterOn, row.filterExts);

  std::vector<std::string> dropped;
  for (const std::string& name : row.dropped) dropped.push_back(dir_.File(name));
  window_->AddDropped(dropped);

  EXPECT_EQ(Listed(), row.listed);
  std::vector<std::string> expectedShown;
  if (!row.failed.empty()) {
    std::string message = kFailed;
    for (const std::string& name : row.failed) message += dir_.File(name) + kNotSound;
    expectedShown.push_back(message);
  }
  EXPECT_EQ(desktop_.shown, expectedShown);
  EXPECT_EQ(window_->ListCtrl().RowCount(), static_cast<int>(row.listed.size()));
  EXPECT_TRUE(window_->isEnabled());
  EXPECT_EQ(AddWindow(), nullptr);
}

// One row per line.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Drops, DropRulesTest,
    ::testing::Values(
        DropCase{"FolderThroughTheFilter", true, "mp3,wav", {"tree"},
                 {"tree/a.wav", "tree/sub/b.mp3", "tree/sub/deep/c.MP3"}, {}},
        DropCase{"TrailingCommaPassesNamesWithoutExtension", true, "wav,", {"tree"},
                 {"tree/a.wav", "tree/noext"}, {}},
        DropCase{"FilterOffTakesEveryFile", false, "", {"tree"},
                 {"tree/a.wav", "tree/noext", "tree/sub/b.mp3", "tree/sub/deep/c.MP3"},
                 {"tree/d.ogg"}},
        DropCase{"DesktopLinkFollowed", true, "mp3", {"links/song.desktop"}, {"music/song.mp3"}, {}},
        DropCase{"DesktopLinkTriedWithFilterOff", false, "", {"links/song.desktop"}, {},
                 {"links/song.desktop"}},
        DropCase{"LnkFollowed", true, "mp3", {"links/local.lnk"}, {"Music/Track 01.mp3"}, {}, true},
        DropCase{"LnkTriedWithFilterOff", false, "", {"links/local.lnk"}, {}, {"links/local.lnk"},
                 true},
        DropCase{"LnkTriedWhenTheFilterNamesIt", true, "mp3,lnk", {"links/local.lnk"}, {},
                 {"links/local.lnk"}, true},
        DropCase{"FilteredFileDroppedAlone", true, "wav", {"music/song.mp3", "tree/a.wav"},
                 {"tree/a.wav"}, {}}),
    [](const ::testing::TestParamInfo<DropCase>& row) { return row.param.name; });
// clang-format on

TEST_F(FileAdderTest, FifteenUnreadableFilesNameTenAndMoreFiles) {
  for (int i = 1; i <= 15; ++i) Text("bad/bad" + std::to_string(100 + i) + ".wav", "RIFF junk");
  Open();
  window_->AddDropped({dir_.File("bad")});

  std::string message = kFailed;
  for (int i = 1; i <= 10; ++i)
    message += dir_.File("bad/bad" + std::to_string(100 + i) + ".wav") + kNotSound;
  message += "<more files>...\n";
  EXPECT_EQ(desktop_.shown, std::vector<std::string>{message});
  EXPECT_EQ(window_->ListCtrl().RowCount(), 0);
}

// The failures so far are reported with their reasons: a text file and an
// empty file.
TEST_F(FileAdderTest, CancelStopsAfterTheCurrentFileAndReportsFailuresSoFar) {
  Text("in/1.wav", "not a sound");
  Wav("in/2.wav");
  Text("in/3.wav", "");
  Wav("in/4.wav");
  Wav("in/5.wav");
  Open();
  AddWindowWatch watch(*window_);
  watch.onTurn = [](CAddProgressDlg& window) {
    if (window.Line()->text() == QStringLiteral("Adding file 3 of 5..."))
      QTest::mouseClick(window.CancelButton(), Qt::LeftButton);
  };
  window_->AddDropped({dir_.File("in")});

  EXPECT_EQ(Listed(), std::vector<std::string>{"in/2.wav"});
  EXPECT_EQ(desktop_.shown, std::vector<std::string>{kFailed + dir_.File("in/1.wav") + kNotSound +
                                                     dir_.File("in/3.wav") + ": empty file\n"});
  ASSERT_FALSE(watch.texts.empty());
  EXPECT_EQ(watch.texts.back(), "Adding file 3 of 5...");
  EXPECT_TRUE(window_->isEnabled());
  EXPECT_EQ(AddWindow(), nullptr);
}

// A folder holding a named pipe, a symbolic link to it and a socket beside a
// sound file, added in each way the window and sondrel-cli have (the last
// names the pipe): the special files are reported with their reason and
// never opened, which for the pipe would wait for good.
class SpecialFilesTest : public FileAdderTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(SpecialFilesTest, SpecialFilesAreReportedWithoutBeingOpened) {
  const std::string way = GetParam();
  Wav("in/song.wav");
  const std::string pipe = dir_.File("in/pipe.wav"), socketPath = dir_.File("in/sock.wav");
  sockaddr_un address{};
  if (socketPath.size() >= sizeof address.sun_path)
    GTEST_SKIP() << "too long for a socket: " << socketPath;
  ASSERT_EQ(mkfifo(pipe.c_str(), 0644), 0) << pipe;
  fs::create_symlink(pipe, dir_.File("in/link.wav"));
  const int socketFd = socket(AF_UNIX, SOCK_STREAM, 0);
  address.sun_family = AF_UNIX;
  socketPath.copy(address.sun_path, socketPath.size());
  ASSERT_EQ(bind(socketFd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0) << socketPath;
  const std::string pipeLine = pipe + ": not a regular file (a named pipe)\n";
  const std::string linkLine = dir_.File("in/link.wav") + ": not a regular file (a named pipe)\n";
  const std::string socketLine = socketPath + ": not a regular file (a socket)\n";
  QElapsedTimer clock;
  clock.start();
  if (way.rfind("Cli", 0) != 0) {
    Open();
    desktop_.chosenFolder = dir_.File("in");
    if (way == "Drop")
      window_->AddDropped({dir_.File("in")});
    else
      window_->AddFolder();
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_EQ(Listed(), std::vector<std::string>{"in/song.wav"});
    EXPECT_EQ(desktop_.shown.empty() ? "" : desktop_.shown.back(),
              kFailed + linkLine + pipeLine + socketLine);
  } else {
    std::vector<std::string> args{"info", "--verbose", dir_.File("in")};
    if (way == "CliConvert")
      args = {"convert", "--verbose", "--out", dir_.File("out"), dir_.File("in")};
    if (way == "CliNamedPipe") args = {"info", pipe};
    const ProcessResult result =
        RunCliProcess(args, {{"HOME", dir_.Path()}, {"XDG_CONFIG_HOME", dir_.File("config")}}, 20);
    EXPECT_EQ(result.exitCode, way == "CliNamedPipe" ? 1 : 0) << result.err;
    EXPECT_EQ(result.err, way == "CliNamedPipe" ? pipeLine : linkLine + pipeLine + socketLine);
    EXPECT_EQ(result.out.find("song.") == std::string::npos, way == "CliNamedPipe") << result.out;
  }
  close(socketFd);
}

INSTANTIATE_TEST_SUITE_P(Ways, SpecialFilesTest,
                         ::testing::Values("AddFolder", "Drop", "CliInfo", "CliConvert",
                                           "CliNamedPipe"),
                         [](const ::testing::TestParamInfo<const char*>& row) {
                           return std::string(row.param);
                         });

// Files found in a dropped folder keep their sub-folders below the output
// folder when the options say so, so two files of one name stay apart.
TEST_F(FileAdderTest, DroppedFolderKeepsItsSubfoldersUnderTheOutputFolder) {
  Wav("music/a/x.wav");
  Wav("music/b/x.wav");
  Open();
  settings_.destOutputFolderOpt = DEST_CUSTOM_FOLDER;
  settings_.destSpecifiedFolder = dir_.File("out");
  settings_.browseOutputFolder = 0;
  settings_.keepAddedSubfolders = 1;
  window_->AddDropped({dir_.File("music")});
  QTest::mouseClick(window_->Button("convert"), Qt::LeftButton);
  for (const char* output : {"out/a/x.mp3", "out/b/x.mp3"})
    EXPECT_TRUE(fs::is_regular_file(dir_.File(output))) << output;
}

// Add Files with the extension filter on: files chosen in the dialog are
// taken whatever their extension, and a file named twice is listed once.
struct ChooseCase {
  const char* name;
  std::vector<std::string> chosen;
  std::vector<std::string> listed;
};

class AddFilesTest : public FileAdderTest, public ::testing::WithParamInterface<ChooseCase> {};

TEST_P(AddFilesTest, ChosenFilesAreListedOnce) {
  Wav("in/a.wav");
  Mp3("in/b.mp3");
  Mp3("in/tune.data");
  fs::create_directory_symlink(dir_.File("in"), dir_.File("alias"));
  Open();
  Filter(true, "wav");
  for (const std::string& name : GetParam().chosen) desktop_.chosenFiles.push_back(dir_.File(name));
  window_->AddFiles();

  EXPECT_EQ(Listed(), GetParam().listed);
  EXPECT_TRUE(desktop_.shown.empty());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  ASSERT_EQ(desktop_.filters.size(), 51u);
  EXPECT_EQ(desktop_.filters[1], "All Files (*.*) (*)");
  EXPECT_EQ(desktop_.filters[6],
            "AIFF Files (*.aiff;*.aif;*.aifc;*.afc) (*.aiff *.aif *.aifc *.afc)");
  EXPECT_EQ(desktop_.filters[22], "Microsoft Digital Video Recording (*.dvr-ms) (*.dvr-ms)");
  EXPECT_EQ(desktop_.filters.back(), "YUV Video File (*.yuv) (*.yuv)");
}

INSTANTIATE_TEST_SUITE_P(
    Choices, AddFilesTest,
    ::testing::Values(
        ChooseCase{"OneFile", {"in/a.wav"}, {"in/a.wav"}},
        ChooseCase{"SeveralFiles", {"in/b.mp3", "in/a.wav"}, {"in/b.mp3", "in/a.wav"}},
        ChooseCase{"AnyExtension", {"in/tune.data"}, {"in/tune.data"}},
        ChooseCase{
            "SameFileTwice", {"in/a.wav", "in/./a.wav", "alias/a.wav", "in/a.wav"}, {"in/a.wav"}}),
    [](const ::testing::TestParamInfo<ChooseCase>& row) { return row.param.name; });

TEST_F(FileAdderTest, AddFolderStoresTheFolderAtOnceAndShowsItsProgress) {
  for (int i = 1; i <= 5; ++i) Wav("music/" + std::to_string(i) + ".wav");
  Open();
  settings_.folder = dir_.File("before");
  desktop_.chosenFolder = dir_.File("music");
  window_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  AddWindowWatch watch(*window_);
  std::string settingsMeanwhile;
  QSize size;
  bool ownWindow = false;
  watch.onTurn = [&](CAddProgressDlg& window) {
    if (!settingsMeanwhile.empty()) return;
    settingsMeanwhile = ReadFileText(dir_.File("Sondrel.conf"));
    size = window.size();
    ownWindow = window.parentWidget() == nullptr && window.isEnabled() &&
                (window.windowFlags() & Qt::FramelessWindowHint) &&
                window.windowHandle()->transientParent() == window_->windowHandle();
  };
  window_->AddFolder();

  EXPECT_EQ(desktop_.shown, std::vector<std::string>{"choose folder: Please choose a folder: at " +
                                                     dir_.File("before")});
  EXPECT_NE(settingsMeanwhile.find("Folder=" + dir_.File("music")), std::string::npos)
      << settingsMeanwhile;
  EXPECT_EQ(watch.texts,
            (std::vector<std::string>{"Searching files...", "Adding file 1 of 5...",
                                      "Adding file 2 of 5...", "Adding file 3 of 5...",
                                      "Adding file 4 of 5...", "Adding file 5 of 5..."}));
  EXPECT_EQ(size, QSize(DialogUnitsX(320), DialogUnitsY(62)));
  EXPECT_TRUE(ownWindow);
  EXPECT_FALSE(watch.mainEnabledMeanwhile);
  EXPECT_TRUE(watch.waitCursorMeanwhile);
  EXPECT_EQ(window_->ListCtrl().RowCount(), 5);
  EXPECT_TRUE(window_->ListCtrl().updatesEnabled());
  EXPECT_TRUE(window_->isEnabled());
  EXPECT_TRUE(window_->isActiveWindow());
  EXPECT_EQ(AddWindow(), nullptr);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// The Add Files filters as Qt's own file dialog applies them to a folder:
// the names it shows under one filter.
struct DialogFilterCase {
  int index;
  std::vector<std::string> shown;
};

class OpenFileFilterTest : public ::testing::TestWithParam<DialogFilterCase> {};

TEST_P(OpenFileFilterTest, QtDialogShowsTheMatchingFiles) {
  TempDir dir;
  for (const char* name : {"a.MP3", "b.wav", "c.AIF", "d.mpc", "e.mp+", "noext"})
    WriteFileText(dir.File(name), "x");
  ScriptedDesktop desktop;
  QWidget owner;
  // The filters exactly as Add Files hands them to the desktop.
  SourceList list([](const std::string&, int32_t) { return nullptr; });
  CSortListCtrl listCtrl(&owner);
  ConvertSettings settings(dir.File("docs"));
  IniSettingsRoot root(dir.File("Sondrel.conf"));
  FileAdder(owner, listCtrl, list, settings, root, desktop).AddFiles();
  ASSERT_EQ(desktop.filters.size(), 51u);

  QStringList filters;
  for (const std::string& filter : desktop.filters) filters << QString::fromStdString(filter);
  QFileDialog dialog(nullptr, QString(), QString::fromStdString(dir.Path()));
  dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails);
  dialog.setNameFilters(filters);
  dialog.selectNameFilter(filters[GetParam().index]);
  auto* model = dialog.findChild<QFileSystemModel*>();
  auto* view = dialog.findChild<QListView*>(QStringLiteral("listView"));
  ASSERT_TRUE(model && view);
  const QModelIndex folder = model->index(QString::fromStdString(dir.Path()));
  // The folder is read in the background; filtered names never appear.
  const int expected = static_cast<int>(GetParam().shown.size());
  EXPECT_TRUE(QTest::qWaitFor([&] { return model->rowCount(folder) >= expected; }, 5000));
  QTest::qWait(50);
  std::vector<std::string> shown;
  for (int row = 0; row < model->rowCount(folder); ++row) {
    const QModelIndex index = model->index(row, 0, folder);
    if (!view->isRowHidden(row) && (model->flags(index) & Qt::ItemIsEnabled))
      shown.push_back(model->fileName(index).toStdString());
  }
  std::sort(shown.begin(), shown.end());
  EXPECT_EQ(shown, GetParam().shown);
  // The filter box shows the descriptions letter for letter.
  auto* combo = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
  ASSERT_TRUE(combo);
  EXPECT_EQ(combo->itemText(6).toStdString(), "AIFF Files (*.aiff;*.aif;*.aifc;*.afc)");
}

INSTANTIATE_TEST_SUITE_P(
    Filters, OpenFileFilterTest,
    ::testing::Values(DialogFilterCase{0, {"a.MP3", "b.wav", "c.AIF", "d.mpc", "e.mp+"}},
                      DialogFilterCase{1, {"a.MP3", "b.wav", "c.AIF", "d.mpc", "e.mp+", "noext"}},
                      DialogFilterCase{6, {"c.AIF"}}, DialogFilterCase{28, {"a.MP3"}},
                      DialogFilterCase{34, {"d.mpc", "e.mp+"}}, DialogFilterCase{47, {"b.wav"}}),
    [](const ::testing::TestParamInfo<DialogFilterCase>& row) {
      return "Filter" + std::to_string(row.param.index);
    });

}  // namespace
