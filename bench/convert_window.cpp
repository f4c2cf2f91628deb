// Converts every file of a folder to MP3 through the real main window, as
// Convert does, and reports how long the batch took and how responsive the
// window stayed: the longest time between two turns of the event loop while
// the progress window is shown.
//
//   sondrel-bench-convert-window FOLDER OUTPUT-FOLDER JOBS SETTINGS-FILE
//
// Runs offscreen unless a platform was chosen; questions are answered No
// and messages printed on stderr.

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
#include "source/OpenSource.h"
#include "ui/converting/ConvertProgressDlg.h"
#include "ui/main/ConvertDlg.h"
#include "ui/main/SortListCtrl.h"

namespace {

using Clock = std::chrono::steady_clock;

// Runs on every turn of the event loop: the longest time between two turns
// while the progress window is shown.
class LoopWatch {
 public:
  LoopWatch() {
    timer_.setInterval(0);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Turn(); });
    timer_.start();
  }
  double LongestGapMs() const { return longest_.count() * 1000.0; }

 private:
  void Turn() {
    const Clock::time_point now = Clock::now();
    bool converting = false;
    for (QWidget* widget : QApplication::topLevelWidgets())
      converting = converting || (qobject_cast<CConvertProgressDlg*>(widget) && widget->isVisible());
    if (converting && last_ != Clock::time_point())
      longest_ = std::max(longest_, std::chrono::duration<double>(now - last_));
    last_ = converting ? now : Clock::time_point();
  }

  QTimer timer_;
  Clock::time_point last_;
  std::chrono::duration<double> longest_{0};
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: %s FOLDER OUTPUT-FOLDER JOBS SETTINGS-FILE\n", argv[0]);
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);

  EngineSession engine(ProgramFolder());
  IniSettingsRoot root(argv[4]);
  root.CreateKey("Options")->WriteNumber("FirstRun", 0);
  ConvertSettings settings{std::string()};
  PrintingDesktop desktop;
  const SourceReaders readers = ProgramReaders();
  CConvertDlg window(settings, root, engine, desktop,
                     [&readers](const std::string& path, int32_t kind) {
                       return OpenSource(path, kind, 0, false, readers);
                     });
  // The window works on this record, which it loaded from the file.
  settings.outputFormat = 1000;
  settings.destOutputFolderOpt = DEST_CUSTOM_FOLDER;
  settings.destSpecifiedFolder = argv[2];
  settings.targetExistsOpt = TARGET_OVERWRITE;
  settings.convertJobs = static_cast<uint32_t>(std::stoul(argv[3]));
  window.show();
  window.AddDropped({argv[1]});
  QCoreApplication::processEvents();

  LoopWatch watch;
  const Clock::time_point start = Clock::now();
  window.ConvertAll();
  const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  std::printf("window: %d files with %s job(s) in %.3f s; longest gap between event loop turns "
              "%.1f ms\n",
              window.ListCtrl().RowCount(), argv[3], seconds, watch.LongestGapMs());
  return 0;
}
