#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>

#include "app/ConvertSettings.h"
#include "app/EngineStartup.h"
#include "codecs/readers/ProgramReaders.h"
#include "platform/settings/IniSettingsKey.h"
#include "source/OpenSource.h"
#include "support/AudioFixtures.h"
#include "support/ProgramFolder.h"
#include "support/TempDir.h"
#include "ui/chrome/SkinArt.h"
#include "ui/chrome/SkinButton.h"
#include "ui/main/ConvertDlg.h"
#include "ui/main/SortListCtrl.h"
#include "ui/options/OptSheet.h"
#include "MainWindowFixture.h"
#include "ScriptedDesktop.h"

namespace {

QImage Grab(QWidget* widget) {
  return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

int CountColour(const QImage& image, const QColor& colour) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) count += image.pixel(x, y) == colour.rgb();
  return count;
}

const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);

// The main window, probing through the program's readers, shown and active
// so that its keyboard mnemonics work.
class SkinButtonTest : public MainWindowTest {
 protected:
  SkinButtonTest() {
    OpenWindow();
    window_->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  }

  CSkinButton* Skin(const char* name) {
    auto* button = qobject_cast<CSkinButton*>(window_->Button(name));
    EXPECT_NE(button, nullptr) << name << " is not a skinned button";
    return button;
  }

  // Moves the pointer over the centre of `widget`, or onto the list.
  void PointAt(QWidget* widget) {
    QWidget* target = widget ? widget : &window_->ListCtrl();
    QTest::mouseMove(window_.get(), target->mapTo(window_.get(), target->rect().center()));
    QApplication::processEvents();
  }
};

TEST_F(SkinButtonTest, TransparentButtonShowsTheBackgroundUnderItAlsoAfterAResize) {
  CSkinButton* link = Skin("homePage");
  ASSERT_NE(link, nullptr);
  EXPECT_EQ(window_->Background().size(), QSize(699, 538));
  // The link's text is centred: its top and bottom rows are background.
  auto expectBackgroundBands = [&] {
    const QImage shot = Grab(link);
    const QImage under = window_->Background()
                             .copy(link->geometry())
                             .toImage()
                             .convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shot.size(), under.size());
    for (const int top : {0, shot.height() - 3})
      EXPECT_EQ(shot.copy(0, top, shot.width(), 3), under.copy(0, top, shot.width(), 3))
          << "rows " << top << " of " << link->geometry().y();
  };
  expectBackgroundBands();
  // Over the header's waveform, where neighbouring rows differ.
  link->setGeometry(200, 2, 150, 48);
  expectBackgroundBands();
  // The whole window repainted: the link still shows what lies under it.
  window_->repaint();
  expectBackgroundBands();
}

TEST_F(SkinButtonTest, HoverLightsTheButtonUnderThePointerOnlyAndEveryButtonShowsTheHand) {
  for (const char* name : {"addFiles", "addFolder", "removeAll", "convert", "options", "help",
                           "minimize", "close", "homePage"}) {
    ASSERT_NE(Skin(name), nullptr);
    EXPECT_EQ(Skin(name)->cursor().shape(), Qt::PointingHandCursor) << name;
  }
  CSkinButton* link = Skin("homePage");
  CSkinButton* help = Skin("help");
  CSkinButton* minimize = Skin("minimize");
  PointAt(nullptr);
  const QImage linkAtRest = Grab(link);
  const QImage helpAtRest = Grab(help);
  const QImage minimizeAtRest = Grab(minimize);
  EXPECT_GT(CountColour(linkAtRest, kBlue), 0);
  EXPECT_EQ(CountColour(linkAtRest, kRed), 0);
  // A flat border is not drawn at rest: the corner is the background's.
  EXPECT_EQ(helpAtRest.pixel(0, 0), window_->Background().toImage().pixel(help->pos()));

  PointAt(link);
  EXPECT_TRUE(link->Hovering());
  const QImage linkLit = Grab(link);
  EXPECT_GT(CountColour(linkLit, kRed), 0);
  EXPECT_EQ(CountColour(linkLit, kBlue), 0);

  // Straight from the link to Help, then to Minimize: a raised border shows
  // on the button under the pointer, and the one left returns to its look.
  PointAt(help);
  EXPECT_FALSE(link->Hovering());
  EXPECT_EQ(Grab(link), linkAtRest);
  const QImage helpLit = Grab(help);
  EXPECT_EQ(helpLit.pixel(0, 0), help->palette().color(QPalette::Light).rgb());
  EXPECT_EQ(helpLit.pixel(20, 20), help->palette().color(QPalette::Dark).rgb());
  PointAt(minimize);
  EXPECT_EQ(Grab(help), helpAtRest);
  EXPECT_NE(Grab(minimize), minimizeAtRest);
  PointAt(nullptr);
  EXPECT_EQ(Grab(minimize), minimizeAtRest);
}

TEST_F(SkinButtonTest, PressedCommandButtonMovesItsContentByOnePixelTheHomeLinkDoesNot) {
  CSkinButton* convert = Skin("convert");
  CSkinButton* link = Skin("homePage");
  ASSERT_TRUE(convert && link);
  for (CSkinButton* button : {convert, link}) {
    PointAt(button);
    const QImage lit = Grab(button);
    button->setDown(true);
    const QImage pressed = Grab(button);
    button->setDown(false);
    if (button == link) {
      EXPECT_EQ(pressed, lit);
      continue;
    }
    // Inside the face, away from its rounded edge, everything moved one
    // pixel right and down.
    EXPECT_NE(pressed, lit);
    const QRect inside(5, 4, lit.width() - 11, lit.height() - 9);
    EXPECT_EQ(pressed.copy(inside.translated(1, 1)), lit.copy(inside));
  }
}

TEST_F(SkinButtonTest, DisabledButtonsDrawGreyTextAndADisabledIcon) {
  CSkinButton* link = Skin("homePage");
  CSkinButton* close = Skin("close");
  ASSERT_TRUE(link && close);
  // The close icon's red tile: pixels clearly redder than blue.
  auto reddish = [](const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        count += image.pixelColor(x, y).red() > image.pixelColor(x, y).blue() + 40;
    return count;
  };
  EXPECT_GT(reddish(Grab(close)), 20);
  link->setEnabled(false);
  close->setEnabled(false);
  PointAt(link);
  const QImage grey = Grab(link);
  EXPECT_EQ(CountColour(grey, kBlue) + CountColour(grey, kRed), 0);
  EXPECT_GT(CountColour(grey, link->palette().color(QPalette::Disabled, QPalette::ButtonText)), 0);
  EXPECT_EQ(reddish(Grab(close)), 0);
}

TEST_F(SkinButtonTest, MenusTakeTheSkinWhileTheWindowsDialogsKeepTheDesktopStyle) {
  for (const bool help : {true, false}) {
    const std::unique_ptr<QMenu> menu = help ? window_->MakeHelpMenu() : window_->MakeContextMenu();
    menu->popup(window_->mapToGlobal(QPoint(200, 200)));
    QApplication::processEvents();
    const QImage shot = Grab(menu.get());
    EXPECT_EQ(shot.pixel(0, 0), qRgb(0x23, 0x42, 0x5f)) << "border, help menu " << help;
    EXPECT_EQ(shot.pixel(2, 2), qRgb(0xf5, 0xf8, 0xfb)) << "surface, help menu " << help;
    menu->close();
  }
  COptSheet sheet(window_.get(), settings_, root_, desktop_);
  EXPECT_EQ(sheet.style(), QApplication::style());
  EXPECT_EQ(window_->ListCtrl().style(), QApplication::style());
}

// A skinned button of the main window, its mnemonic key, whether the list
// holds a file first, and what its command does.
struct CommandRow {
  const char* name;
  Qt::Key key;
  bool listed;
  const char* outcome;
};

class SkinCommandTest : public SkinButtonTest, public ::testing::WithParamInterface<CommandRow> {
 protected:
  // What the window has done since the list was filled: a dialog, a
  // message, or its row count.
  std::string Outcome() {
    if (!desktop_.filters.empty()) return "file dialog";
    if (sheetShown_) return "options sheet";
    if (!desktop_.shown.empty()) return desktop_.shown.back();
    return "rows " + std::to_string(window_->ListCtrl().RowCount());
  }

  void Prepare() {
    desktop_.filters.clear();
    desktop_.shown.clear();
    sheetShown_ = false;
    if (GetParam().listed && window_->ListCtrl().RowCount() == 0) {
      const std::string song = dir_.File("song.wav");
      WriteWav16(song, 8000, 1, SineWave(8000, 1, 8000, 440));
      window_->AddDropped({song});
      ASSERT_EQ(window_->ListCtrl().RowCount(), 1);
    }
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  }

  // Runs `press` and waits for the command (a mnemonic clicks the button
  // after a short animation); the options sheet is closed once it shows.
  std::string Press(const std::function<void()>& press) {
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [this] {
      if (auto* sheet = qobject_cast<COptSheet*>(QApplication::activeModalWidget())) {
        sheetShown_ = true;
        sheet->reject();
      }
    });
    closer.start(10);
    const std::string before = Outcome();
    press();
    for (int wait = 0; wait < 100 && Outcome() == before; ++wait) QTest::qWait(10);
    return Outcome();
  }

  bool sheetShown_ = false;
};

TEST_P(SkinCommandTest, ClickAndMnemonicReachTheCommand) {
  const CommandRow& row = GetParam();
  CSkinButton* button = Skin(row.name);
  ASSERT_NE(button, nullptr);
  Prepare();
  EXPECT_EQ(Press([&] { QTest::mouseClick(button, Qt::LeftButton); }), row.outcome) << "click";
  Prepare();
  EXPECT_EQ(Press([&] { QTest::keyClick(window_.get(), row.key, Qt::AltModifier); }), row.outcome)
      << "Alt+" << QKeySequence(row.key).toString().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, SkinCommandTest,
    ::testing::Values(
        CommandRow{"addFiles", Qt::Key_A, false, "file dialog"},
        CommandRow{"addFolder", Qt::Key_F, false, "choose folder: Please choose a folder: at "},
        CommandRow{"removeAll", Qt::Key_L, true, "rows 0"},
        CommandRow{"convert", Qt::Key_C, false, "information: There aren't files in list."},
        CommandRow{"options", Qt::Key_O, false, "options sheet"}),
    [](const ::testing::TestParamInfo<CommandRow>& row) { return std::string(row.param.name); });

TEST(ApplicationIconTest, IsTheProjectsIconInThreeSizes) {
  const QIcon icon = ApplicationIcon();
  ASSERT_EQ(icon.availableSizes(), (QList<QSize>{QSize(48, 48), QSize(128, 128), QSize(256, 256)}));
  const QImage packaged(QStringLiteral(SONDREL_SOURCE_DIR) +
                        QStringLiteral("/packaging/icons/hicolor/128x128/apps/sondrel.png"));
  ASSERT_FALSE(packaged.isNull());
  EXPECT_EQ(icon.pixmap(128).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
            packaged.convertToFormat(QImage::Format_ARGB32_Premultiplied));
}

}  // namespace
