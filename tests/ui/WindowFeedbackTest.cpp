#include <gtest/gtest.h>

#include <QComboBox>
#include <QTest>

#include <filesystem>
#include <functional>

#include "source/SourceKind.h"
#include "support/AudioFixtures.h"
#include "ui/chrome/SkinButton.h"
#include "ui/desktop/HelpWindow.h"
#include "ui/main/SortListCtrl.h"
#include "MainWindowFixture.h"

namespace {

// A command that opens something, and the file (in the test's folder) or
// address that it opens.
struct OpenCase {
  const char* name;
  std::function<void(CConvertDlg&)> run;
  std::string target;
};

void ClickHomeLink(CConvertDlg& window) {
  window.Button("homePage")->click();
}

void FollowHelpMailLink(CConvertDlg& window) {
  window.HelpTopics();
  Q_EMIT window.Help()->anchorClicked(QUrl(QStringLiteral("mailto:ann@example.org")));
}

// The main window with "a.wav" listed and selected; outputs go to "out".
class WindowFeedbackTest : public MainWindowTest, public ::testing::WithParamInterface<OpenCase> {
 protected:
  CConvertDlg& Open() {
    WriteWav16(wav_, 44100, 2, SineWave(44100, 2, 44100, 440));
    CConvertDlg& window = OpenWindow();
    settings_.destOutputFolderOpt = DEST_CUSTOM_FOLDER;
    settings_.destSpecifiedFolder = dir_.Path();
    window.AddDropped({wav_});
    window.ListCtrl().SelectRows({0});
    window.ListCtrl().EntryAt(0)->destinationPath = dir_.File("out/a.mp3");
    return window;
  }
  const std::string wav_ = dir_.File("a.wav");
};

TEST_P(WindowFeedbackTest, OpenCommandSaysWithThePathWhenNothingCanOpenIt) {
  CConvertDlg& window = Open();
  desktop_.opens = false;
  GetParam().run(window);
  const std::string& target = GetParam().target;
  const std::string path = target.find(':') == std::string::npos ? dir_.File(target) : target;
  ASSERT_EQ(desktop_.shown.size(), 1u) << "the command said nothing";
  const std::string said = "exclamation: No application is set up to open \"" + path + "\".";
  EXPECT_EQ(desktop_.shown[0].rfind(said, 0), 0u) << desktop_.shown[0];
}

INSTANTIATE_TEST_SUITE_P(
    Commands, WindowFeedbackTest,
    ::testing::Values(OpenCase{"PlaySource", std::mem_fn(&CConvertDlg::PlaySource), "a.wav"},
                      OpenCase{"PlayDestination", std::mem_fn(&CConvertDlg::PlayDestination),
                               "out/a.mp3"},
                      OpenCase{"BrowseDestinationFolder",
                               std::mem_fn(&CConvertDlg::BrowseDestinationFolder), "out"},
                      OpenCase{"HomeLink", ClickHomeLink, "https://sondrel.example/"},
                      OpenCase{"HelpWindowLink", FollowHelpMailLink, "mailto:ann@example.org"}),
    [](const ::testing::TestParamInfo<OpenCase>& row) { return row.param.name; });

TEST_F(WindowFeedbackTest, TabShowsTheFocusOnASkinnedButtonAndEveryControlHasAName) {
  CConvertDlg& window = Open();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  auto* button = qobject_cast<CSkinButton*>(window.Button("addFiles"));
  window.findChild<QComboBox*>()->setFocus();  // the last control: Tab wraps to Add Files
  const QImage unfocused = button->grab().toImage();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  ASSERT_EQ(QApplication::focusWidget(), button);
  EXPECT_NE(button->grab().toImage(), unfocused) << "the focus does not show";

  QList<QWidget*> controls{&window.ListCtrl(), window.findChild<QComboBox*>()};
  for (CSkinButton* skinned : window.findChildren<CSkinButton*>()) controls << skinned;
  for (QWidget* control : controls)
    EXPECT_FALSE(control->accessibleName().isEmpty()) << control->objectName().toStdString();
  window.ListCtrl().SetCellText(0, CSortListCtrl::COL_STATUS, QStringLiteral("a.mp3"));
  EXPECT_EQ(
      window.ListCtrl().topLevelItem(0)->data(0, Qt::AccessibleTextRole).toString().toStdString(),
      "a.wav, a.mp3");
}

TEST_F(WindowFeedbackTest, AddFilesOffersAllSoundFilesFirstAndAnOpusFileConverts) {
  CConvertDlg& window = Open();
  const std::string opus = dir_.File("voice.opus");
  if (!RunFfmpeg({"-i", wav_, "-c:a", "libopus", opus})) GTEST_SKIP() << "ffmpeg made no Opus file";
  window.RemoveAll();
  desktop_.chosenFiles = {opus};
  window.AddFiles();
  EXPECT_EQ(desktop_.filters.at(0).rfind("All sound files Sondrel reads (*.3gp ", 0), 0u);
  EXPECT_NE(desktop_.filters[0].find(" *.opus "), std::string::npos);
  ASSERT_EQ(window.ListCtrl().RowCount(), 1);
  EXPECT_EQ(window.ListCtrl().EntryAt(0)->kind, KIND_OGG);
  window.ConvertAll();
  const Decoded decoded = DecodeWithFfmpeg(dir_.File("voice.mp3"));
  EXPECT_NEAR(static_cast<double>(decoded.Frames()) / std::max(decoded.rate, 1), 1.0, 0.1);
}

}  // namespace
