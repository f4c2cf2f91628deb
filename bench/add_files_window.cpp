// Adds every file of a folder to the desktop program's list through the
// real main window, as a drop does, and reports how long it took and how
// responsive the window stayed: the paint events of the add window and of
// the list, and the longest time between two turns of the event loop while
// adding.
//
//   sondrel-bench-add-files-window FOLDER SETTINGS-FILE
//
// Runs offscreen unless a platform was chosen; messages that would be shown
// are printed on stderr.

#include <QApplication>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "app/ConvertSettings.h"
#include "bench/PrintingDesktop.h"
#include "app/EngineStartup.h"
#include "codecs/readers/ProgramReaders.h"
#include "platform/paths/StandardFolders.h"
#include "platform/settings/IniSettingsKey.h"
#include "source/SourceList.h"
#include "ui/adding/AddProgressDlg.h"
#include "ui/main/ConvertDlg.h"
#include "ui/main/SortListCtrl.h"

namespace {

using Clock = std::chrono::steady_clock;

// Counts the paint events of the add windows and of their controls.
class PaintCounter : public QObject {
 public:
  int paints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

// Runs on every turn of the event loop: the longest time between two turns
// while an add window is shown, and paint counting on each new add window.
class LoopWatch {
 public:
  explicit LoopWatch(PaintCounter& counter) : counter_(counter) {
    timer_.setInterval(0);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Turn(); });
    timer_.start();
  }
  double LongestGapMs() const { return longest_.count() * 1000.0; }

 private:
  void Turn() {
    const Clock::time_point now = Clock::now();
    CAddProgressDlg* window = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
      if (auto* found = qobject_cast<CAddProgressDlg*>(widget); found && found->isVisible())
        window = found;
    if (window && window != watched_) {
      watched_ = window;
      window->installEventFilter(&counter_);
      for (QWidget* child : window->findChildren<QWidget*>()) child->installEventFilter(&counter_);
    }
    if (window && last_ != Clock::time_point())
      longest_ = std::max(longest_, std::chrono::duration<double>(now - last_));
    last_ = window ? now : Clock::time_point();
  }

  PaintCounter& counter_;
  QTimer timer_;
  CAddProgressDlg* watched_ = nullptr;
  Clock::time_point last_;
  std::chrono::duration<double> longest_{0};
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s FOLDER SETTINGS-FILE\n", argv[0]);
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  const std::string folder = argv[1];

  EngineSession engine(ProgramFolder());
  IniSettingsRoot root(argv[2]);
  root.CreateKey("Options")->WriteNumber("FirstRun", 0);
  ConvertSettings settings{std::string()};
  PrintingDesktop desktop;
  const SourceReaders readers = ProgramReaders();
  CConvertDlg window(settings, root, engine, desktop, AddingProber(readers));
  window.show();
  QCoreApplication::processEvents();

  PaintCounter counter;
  PaintCounter listCounter;
  window.ListCtrl().viewport()->installEventFilter(&listCounter);
  LoopWatch watch(counter);
  const Clock::time_point start = Clock::now();
  window.AddDropped({folder});
  const double seconds = std::chrono::duration<double>(Clock::now() - start).count();

  const int listed = window.ListCtrl().RowCount();
  std::printf(
      "window: %d files listed in %.3f s, %.0f files/s; add window %d paint events, "
      "list %d; longest gap between event loop turns %.1f ms\n",
      listed, seconds, listed / seconds, counter.paints, listCounter.paints, watch.LongestGapMs());
  return 0;
}
