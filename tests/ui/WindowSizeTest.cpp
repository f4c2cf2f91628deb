#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTest>

#include <ostream>

#include "platform/settings/IniSettingsKey.h"
#include "support/RunProcess.h"
#include "ui/main/ConvertDlg.h"
#include "ui/main/SortListCtrl.h"
#include "MainWindowFixture.h"

// Sizes and points in failure messages.
inline std::ostream& operator<<(std::ostream& out, QSize size) {
  return out << size.width() << "x" << size.height() << " ";
}
inline std::ostream& operator<<(std::ostream& out, QPoint point) {
  return out << "(" << point.x() << "," << point.y() << ") ";
}

namespace {

using List = CSortListCtrl;
const char* const kCommands[] = {"addFiles", "addFolder", "removeAll", "convert", "options"};
const QSize kDesign(699, 538);

class WindowSizeTest : public MainWindowTest {
 protected:
  // Resizes the shown window, or maximises it for an empty size.
  CConvertDlg& SizeTo(QSize size) {
    if (size.isEmpty())
      window_->showMaximized();
    else
      window_->resize(size);
    QApplication::processEvents();
    return *window_;
  }
};

TEST_F(WindowSizeTest, GrowingKeepsThePanelInPlaceAndGivesTheRestToTheListsFileAndStatus) {
  CConvertDlg& window = OpenWindow();
  const QRect selector = window.FormatSelector().geometry();
  std::map<std::string, QRect> design;
  for (const char* name : kCommands) design[name] = window.Button(name)->geometry();
  for (const QSize size : {kDesign, QSize(1024, 768), QSize(1600, 1000), QSize()}) {
    SizeTo(size);
    const QSize area = window.size();
    EXPECT_EQ(window.isMaximized(), size.isEmpty());
    for (const char* name : kCommands) EXPECT_EQ(window.Button(name)->geometry(), design[name]);
    EXPECT_EQ(window.FormatSelector().geometry(), selector);
    EXPECT_EQ(window.Button("close")->geometry(), QRect(area.width() - 30, 11, 21, 21)) << area;
    EXPECT_EQ(window.ListCtrl().geometry(), QRect(137, 63, area.width() - 147, area.height() - 73));
    const int extra = area.width() - kDesign.width();
    EXPECT_TRUE(size == kDesign || extra > 0) << area;
    EXPECT_EQ(window.ListCtrl().columnWidth(List::COL_FILE), 120 + extra / 2) << area;
    EXPECT_EQ(window.ListCtrl().columnWidth(List::COL_STATUS), 100 + extra - extra / 2);
    EXPECT_EQ(window.ListCtrl().columnWidth(List::COL_DURATION), 58);
    // No control lies over another, and all lie inside the window.
    const QList<QWidget*> controls = window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* one : controls) {
      if (!one->isVisible()) continue;
      EXPECT_TRUE(window.rect().contains(one->geometry())) << one->objectName().toStdString();
      for (QWidget* other : controls)
        EXPECT_TRUE(one == other || !other->isVisible() ||
                    !one->geometry().intersects(other->geometry()))
            << one->objectName().toStdString() << " over " << other->objectName().toStdString();
    }
  }
  window.showNormal();
  SizeTo(QSize(500, 400));
  EXPECT_EQ(window.size(), kDesign) << "smaller than the design size";
  // Dragging the bottom-right corner, where the window system does not.
  QTest::mousePress(&window, Qt::LeftButton, {}, QPoint(697, 536));
  QTest::mouseMove(&window, QPoint(797, 586));
  QTest::mouseRelease(&window, Qt::LeftButton, {}, QPoint(797, 586));
  EXPECT_EQ(window.size(), QSize(799, 588));
}

TEST_F(WindowSizeTest, PlaceMaximisedStateAndColumnWidthsSurviveReopening) {
  OpenWindow().setGeometry(40, 30, 760, 560);
  window_->ListCtrl().header()->resizeSection(List::COL_FOLDER, 150);
  CConvertDlg& again = OpenWindow();
  EXPECT_EQ(again.geometry(), QRect(40, 30, 760, 560));
  EXPECT_EQ(again.ListCtrl().columnWidth(List::COL_FOLDER), 150);
  EXPECT_EQ(again.ListCtrl().columnWidth(List::COL_FILE), 120 + 61 / 2);
  SizeTo(QSize());
  CConvertDlg& maximised = OpenWindow();
  QApplication::processEvents();
  EXPECT_TRUE(maximised.isMaximized());
  EXPECT_EQ(maximised.ListCtrl().columnWidth(List::COL_FOLDER), 150);
  maximised.showNormal();
  QApplication::processEvents();
  EXPECT_EQ(maximised.geometry(), QRect(40, 30, 760, 560));

  // Off every screen, too small or unreadable: the default size, centred,
  // and the default widths when they are not one per column.
  for (const char* stored : {"9000,9000,800,600", "40,30,300,200", "forty,30,760,560"}) {
    window_.reset();
    root_.CreateKey("Window")->WriteText("Geometry", stored);
    root_.CreateKey("Window")->WriteNumber("Maximized", 0);
    root_.CreateKey("Window")->WriteText("ColumnWidths", "1,2,x");
    CConvertDlg& fallback = OpenWindow();
    EXPECT_EQ(fallback.size(), kDesign) << stored;
    EXPECT_EQ(fallback.geometry().center(), fallback.screen()->availableGeometry().center())
        << stored;
    EXPECT_EQ(fallback.ListCtrl().columnWidth(List::COL_FOLDER), 80) << stored;
  }
}

// Run again in a child at twice the pixel ratio, where the art is drawn for
// the device's pixels.
TEST_F(WindowSizeTest, BackgroundIsOpaqueAndInTheDesignColoursAtEverySizeAndAt2x) {
  CConvertDlg& window = OpenWindow();
  const qreal ratio = window.devicePixelRatioF();
  for (const QSize size : {kDesign, QSize(1024, 768), QSize(1600, 1000)}) {
    SizeTo(size);
    const QImage shot = window.grab().toImage();
    ASSERT_EQ(shot.size(), size * ratio);
    auto at = [&](int x, int y) { return shot.pixelColor(QPoint(x, y) * ratio); };
    auto near = [](QColor colour, QColor design) {
      return colour.alpha() == 255 && std::abs(colour.red() - design.red()) <= 10 &&
             std::abs(colour.green() - design.green()) <= 10 &&
             std::abs(colour.blue() - design.blue()) <= 10;
    };
    const int right = size.width() - 1, bottom = size.height() - 1;
    for (const QPoint corner : {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom),
                                QPoint(right, bottom), QPoint(right, bottom / 2)})
      EXPECT_EQ(at(corner.x(), corner.y()), QColor(0x1b, 0x33, 0x49)) << size << corner;
    EXPECT_TRUE(near(at(right - 3, 40), QColor(0x35, 0x64, 0x8e))) << size << "header's end";
    EXPECT_TRUE(near(at(60, bottom - 3), QColor(0xcf, 0xd9, 0xe5))) << size << "panel's foot";
    EXPECT_TRUE(near(at(right - 4, bottom - 4), QColor(0xdc, 0xe3, 0xec))) << size << "margin";
    EXPECT_TRUE(near(at(right - 4, 58), QColor(0xee, 0xf2, 0xf7))) << size << "margin";
  }
  if (ratio == 1 && qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR")) {
    const ProcessResult twice = RunProcess(
        QCoreApplication::applicationFilePath().toStdString(),
        {"--gtest_filter=WindowSizeTest.BackgroundIsOpaqueAndInTheDesignColoursAtEverySizeAndAt2x"},
        {{"QT_SCALE_FACTOR", "2"}, {"QT_QPA_PLATFORM", "offscreen"}});
    EXPECT_TRUE(Succeeded(twice)) << twice.out;
    EXPECT_NE(twice.out.find("[  PASSED  ] 1 test"), std::string::npos) << twice.out;
  } else {
    EXPECT_EQ(ratio, 2) << "run with QT_SCALE_FACTOR=2";
  }
}

}  // namespace
