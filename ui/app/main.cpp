#include <QApplication>

#include <string>
#include <vector>

#include "platform/process/Signals.h"
#include "ui/app/SondrelApp.h"
#include "ui/desktop/QtDesktop.h"
#include "ui/desktop/SondrelStyle.h"

int main(int argc, char** argv) {
  IgnoreFileSizeSignal();
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Sondrel"));
  QApplication::setStyle(new SondrelStyle);

  std::vector<std::string> files;
  for (const QString& argument : QApplication::arguments().mid(1))
    files.push_back(argument.toStdString());
  QtDesktop desktop;
  return RunSondrel(files, desktop);
}
