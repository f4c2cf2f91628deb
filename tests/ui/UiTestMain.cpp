#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include "ui/desktop/SondrelStyle.h"

// The window tests run in one application object, offscreen unless a
// platform was chosen, with a home folder of their own: a conversion that
// falls back to the documents folder, or a setting saved by Qt, never
// reaches the user's own folders.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  const QTemporaryDir home;
  if (!home.isValid()) return 1;
  qputenv("HOME", home.path().toLocal8Bit());
  for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"})
    qunsetenv(name);
  ::testing::InitGoogleTest(&argc, argv);
  QApplication application(argc, argv);
  QApplication::setStyle(new SondrelStyle);
  return RUN_ALL_TESTS();
}
