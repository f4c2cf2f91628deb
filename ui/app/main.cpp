#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/paths/StandardFolders.h"
#include "platform/process/Signals.h"
#include "ui/app/Language.h"
#include "ui/app/SondrelApp.h"
#include "ui/chrome/SkinArt.h"
#include "ui/desktop/QtDesktop.h"
#include "ui/desktop/SondrelStyle.h"

namespace {

// True when a window can be shown: a display server to connect to, or a Qt
// platform chosen explicitly (offscreen, for example).
bool HasDisplay() {
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    const char* value = std::getenv(name);
    if (value && *value) return true;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  IgnoreFileSizeSignal();
  if (!HasDisplay()) {
    std::fputs(
        "sondrel: there is no display to open the window on (DISPLAY and WAYLAND_DISPLAY are "
        "unset).\nUse the command line instead: sondrel-cli --help\n",
        stderr);
    return 1;
  }
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Sondrel"));
  // The desktop matches the windows with the installed sondrel.desktop entry.
  QGuiApplication::setDesktopFileName(QStringLiteral("sondrel"));
  QApplication::setWindowIcon(ApplicationIcon());
  QApplication::setStyle(new SondrelStyle);
  // The window speaks the desktop's language where Sondrel has it.
  const InstalledLanguage language = InstallLanguage(ProgramFolder());

  std::vector<std::string> files;
  for (const QString& argument : QApplication::arguments().mid(1))
    files.push_back(argument.toStdString());
  QtDesktop desktop;
  return RunSondrel(files, desktop);
}
