#include "ui/adding/FileAdder.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProgressBar>
#include <QWidget>

#include <filesystem>
#include <vector>

#include "app/ConvertSettings.h"
#include "app/SettingsStore.h"
#include "source/FileCollector.h"
#include "source/ParallelProbe.h"
#include "source/SourceList.h"
#include "ui/adding/AddProgressDlg.h"
#include "ui/adding/OpenFileFilters.h"
#include "ui/desktop/Desktop.h"
#include "ui/desktop/TranslatedPrompter.h"
#include "ui/main/SortListCtrl.h"

namespace {

// An application-wide cursor for the life of the object. The wait cursor
// covers the commands; dialogs and messages shown meanwhile push the normal
// cursor over it, since the override would cover them too.
class CursorOverride {
 public:
  explicit CursorOverride(Qt::CursorShape shape) { QApplication::setOverrideCursor(shape); }
  ~CursorOverride() { QApplication::restoreOverrideCursor(); }
  CursorOverride(const CursorOverride&) = delete;
  CursorOverride& operator=(const CursorOverride&) = delete;
};

// Keeps the main window disabled for the life of the object, so that no
// command starts while files are added, whatever way the run ends.
class WindowDisabled {
 public:
  explicit WindowDisabled(QWidget& window) : window_(window) { window_.setEnabled(false); }
  ~WindowDisabled() { window_.setEnabled(true); }
  WindowDisabled(const WindowDisabled&) = delete;
  WindowDisabled& operator=(const WindowDisabled&) = delete;

 private:
  QWidget& window_;
};

// Repaints the list and the add window at most once a frame while files are
// added: each appended row scrolls the list and each file changes the add
// window's text and bar, and repainting them after every file costs about
// as much as probing the file. Events are still handled after every file,
// so Cancel answers at once; both are repainted whole when the run ends.
class Frames {
 public:
  explicit Frames(std::vector<QWidget*> windows) : windows_(std::move(windows)) {
    Enable(false);
    clock_.start();
  }
  ~Frames() { Enable(true); }
  Frames(const Frames&) = delete;
  Frames& operator=(const Frames&) = delete;

  // Dispatches pending events, repainting when a frame is due.
  void ProcessEvents() {
    const bool frame = clock_.elapsed() >= kFrameMs;
    if (frame) {
      Enable(true);
      clock_.restart();
    }
    QCoreApplication::processEvents();
    if (frame) Enable(false);
  }

 private:
  void Enable(bool enabled) {
    for (QWidget* window : windows_) window->setUpdatesEnabled(enabled);
  }

  static constexpr qint64 kFrameMs = 40;
  std::vector<QWidget*> windows_;
  QElapsedTimer clock_;
};

// How long the window's thread waits for the next probed file before the
// event loop turns again.
constexpr int kWaitMs = 5;

}  // namespace

FileAdder::FileAdder(QWidget& mainWindow, CSortListCtrl& listCtrl, SourceList& list,
                     ConvertSettings& settings, SettingsRoot& root, Desktop& desktop)
    : mainWindow_(mainWindow),
      listCtrl_(listCtrl),
      list_(list),
      settings_(settings),
      root_(root),
      desktop_(desktop) {}

void FileAdder::AddFiles() {
  const CursorOverride wait(Qt::WaitCursor);
  std::vector<std::string> chosen;
  {
    const CursorOverride normal(Qt::ArrowCursor);
    chosen = desktop_.ChooseFiles(&mainWindow_, OpenFileFilters());
  }
  if (chosen.empty()) return;
  QCoreApplication::processEvents();
  AddFileList(chosen);
}

void FileAdder::AddFolder() {
  const CursorOverride wait(Qt::WaitCursor);
  std::string folder;
  {
    const CursorOverride normal(Qt::ArrowCursor);
    folder = desktop_.ChooseFolder(
        &mainWindow_,
        QCoreApplication::translate("FileAdder", "Please choose a folder:").toStdString(),
        settings_.folder);
  }
  if (folder.empty()) return;
  // Stored at once: the next Add Folder opens here even if this run is
  // cancelled or the program ends meanwhile.
  settings_.folder = folder;
  SaveSettings(settings_, GROUP_FOLDER, root_);
  QCoreApplication::processEvents();
  SearchAndAdd({folder});
}

void FileAdder::AddDropped(const std::vector<std::string>& paths) {
  SearchAndAdd(paths);
}

void FileAdder::SearchAndAdd(const std::vector<std::string>& paths) {
  std::unique_ptr<CAddProgressDlg> progress =
      OpenProgress(QCoreApplication::translate("FileAdder", "Searching files..."));
  QCoreApplication::processEvents();
  const bool filterOn = settings_.enableExtFilter != 0;
  std::vector<Collected> collected;
  for (const std::string& path : paths) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
      for (std::string& file : CollectFiles(path, filterOn, settings_.extensionFilter))
        collected.push_back({std::move(file), path});
    } else if (std::optional<std::string> accepted =
                   FilterPath(path, filterOn, settings_.extensionFilter)) {
      collected.push_back({std::move(*accepted), std::string()});
    }
  }
  if (collected.empty())
    CloseProgress(std::move(progress));
  else
    AddCollected(collected, std::move(progress));
}

void FileAdder::AddFileList(const std::vector<std::string>& paths,
                            std::unique_ptr<CAddProgressDlg> progress) {
  std::vector<Collected> files;
  files.reserve(paths.size());
  for (const std::string& path : paths) files.push_back({path, std::string()});
  AddCollected(files, std::move(progress));
}

void FileAdder::AddCollected(const std::vector<Collected>& files,
                             std::unique_ptr<CAddProgressDlg> progress) {
  LoadFailures failures;
  if (!progress) progress = OpenProgress(QString());
  {
    const WindowDisabled disabled(mainWindow_);
    const int count = static_cast<int>(files.size());
    progress->Bar()->setRange(0, count);
    progress->Bar()->setValue(0);
    Frames frames({&listCtrl_, progress.get()});
    QCoreApplication::processEvents();
    // The files are probed on every core; this thread only takes their
    // outcomes in list order, adds the rows and counts them, turning the
    // event loop after each file and while it waits for the next, so that
    // the windows repaint and Cancel answers while the probing goes on.
    std::vector<ParallelProbe::File> run;
    run.reserve(files.size());
    for (const Collected& file : files) run.push_back({file.path, file.addedFrom});
    ParallelProbe probe(list_, std::move(run));
    SourceList::Probed probed;
    for (int index = 0; index < count && !progress->CancelRequested(); ++index) {
      bool taken = false;
      while (!(taken = probe.Next(probed, kWaitMs)) && !progress->CancelRequested())
        frames.ProcessEvents();
      if (!taken) break;
      progress->SetText(QCoreApplication::translate("FileAdder", "Adding file %1 of %2...")
                            .arg(index + 1)
                            .arg(count));
      progress->Bar()->setValue(index + 1);
      const Collected& file = files[static_cast<size_t>(index)];
      switch (list_.AddProbed(std::move(probed))) {
        case SourceList::AddResult::ADDED:
          listCtrl_.AppendEntry(list_.Entries().back().get());
          break;
        case SourceList::AddResult::FAILED:
          failures.Add(file.path, list_.LastFailureReason());
          break;
        case SourceList::AddResult::ALREADY_LISTED:
          break;
      }
      // Repaints the windows and lets Cancel be pressed.
      frames.ProcessEvents();
    }
    // Cancel leaves the files not yet probed; those being probed finish.
    probe.Stop();
  }
  CloseProgress(std::move(progress));
  if (failures.Empty()) return;
  const CursorOverride normal(Qt::ArrowCursor);
  desktop_.Exclamation(CoreText(LOAD_FAILURES_HEADING) + "\n\n" + failures.List());
}

std::unique_ptr<CAddProgressDlg> FileAdder::OpenProgress(const QString& text) {
  auto progress = std::make_unique<CAddProgressDlg>(&mainWindow_);
  progress->Open(text);
  return progress;
}

void FileAdder::CloseProgress(std::unique_ptr<CAddProgressDlg> progress) {
  // The main window takes the focus back, as when an owned window closes.
  const bool wasActive = progress->isActiveWindow();
  progress.reset();
  if (!wasActive) return;
  mainWindow_.activateWindow();
  QCoreApplication::processEvents();
}
