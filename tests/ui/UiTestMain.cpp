#include <gtest/gtest.h>

#include <QApplication>

#include "ui/desktop/SondrelStyle.h"

// The window tests run in one application object, offscreen unless a
// platform was chosen.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  QApplication application(argc, argv);
  QApplication::setStyle(new SondrelStyle);
  return RUN_ALL_TESTS();
}
