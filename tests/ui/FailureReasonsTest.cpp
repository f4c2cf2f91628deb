// Why a row failed and where its output went, shown in the main window's
// list: the Status cell's tooltip and "Why did this fail?".

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QtGlobal>

#include <filesystem>

#include "app/OutputFormat.h"
#include "support/AudioFixtures.h"
#include "support/RunProcess.h"
#include "ui/main/SortListCtrl.h"
#include "MainWindowFixture.h"

namespace fs = std::filesystem;

namespace {

// The window's documents folder is the one of the desktop's home: the test
// gives it a home of its own for its run.
class FailureReasonsTest : public MainWindowTest {
 protected:
  FailureReasonsTest() : home_(qgetenv("HOME")), config_(qgetenv("XDG_CONFIG_HOME")) {
    qputenv("HOME", dir_.Path().c_str());
    qputenv("XDG_CONFIG_HOME", dir_.File("config").c_str());
  }
  ~FailureReasonsTest() override {
    qputenv("HOME", home_);
    if (config_.isNull())
      qunsetenv("XDG_CONFIG_HOME");
    else
      qputenv("XDG_CONFIG_HOME", config_);
  }

 private:
  QByteArray home_, config_;
};

// A folder of three songs, each kept in its sub-folder below the output
// folder: "b" is blocked there by a file, so doc.wav goes to the documents
// folder; refused.wav (1 Hz) is refused by the MP3 encoder. The reason the
// window gives is the one sondrel-cli prints for the same file.
TEST_F(FailureReasonsTest, StatusTooltipAndWhyDidThisFailGiveTheReason) {
  for (const char* folder : {"music/a", "music/b", "music/c", "out"})
    fs::create_directories(dir_.File(folder));
  WriteWav16(dir_.File("music/a/good.wav"), 8000, 1, SineWave(8000, 1, 8000, 440));
  WriteWav16(dir_.File("music/b/doc.wav"), 8000, 1, SineWave(8000, 1, 8000, 440));
  const std::string refused = dir_.File("music/c/refused.wav");
  WriteWav16(refused, 1, 2, SineWave(100, 2, 1, 0.1));
  WriteFileText(dir_.File("out/b"), "a file where the folder should be");
  const ProcessResult cli =
      RunCliProcess({"convert", "--to", "mp3", "--out", dir_.File("cli"), refused},
                    {{"HOME", dir_.Path()}, {"XDG_CONFIG_HOME", dir_.File("config")}});
  ASSERT_EQ(cli.err.rfind(refused + ": ", 0), 0u) << cli.err;
  const std::string reason =
      cli.err.substr(refused.size() + 2, cli.err.find('\n') - refused.size() - 2);
  const std::string refusedStatus =
      cli.out.substr(cli.out.find('\t') + 1, cli.out.find('\n') - cli.out.find('\t') - 1);

  CConvertDlg& window = OpenWindow();
  settings_.outputFormat = FORMAT_MP3;
  settings_.destOutputFolderOpt = DEST_CUSTOM_FOLDER;
  settings_.destSpecifiedFolder = dir_.File("out");
  settings_.keepAddedSubfolders = 1;
  settings_.outputFiles2MyDocuments = 1;
  settings_.browseOutputFolder = 0;
  window.AddDropped({dir_.File("music")});
  CSortListCtrl& list = window.ListCtrl();
  ASSERT_EQ(list.RowCount(), 3);
  window.ConvertAll();
  // Sorted after the batch: the reasons go with their rows.
  list.SortByColumn(CSortListCtrl::COL_STATUS);
  list.SortByColumn(CSortListCtrl::COL_STATUS);

  struct Row {
    const char* file;
    std::string status, tooltip;
  };
  const std::string documentsOutput = dir_.File("Documents/b/doc.mp3");
  const Row rows[] = {
      {"good.wav", "good.mp3", ""},
      {"doc.wav", "doc.mp3", "The output folder could not be used; written to " + documentsOutput},
      {"refused.wav", refusedStatus, reason},
  };
  for (const Row& expected : rows) {
    SCOPED_TRACE(expected.file);
    int row = 0;
    while (row < list.RowCount() &&
           list.CellText(row, CSortListCtrl::COL_FILE).toStdString() != expected.file)
      ++row;
    ASSERT_LT(row, list.RowCount());
    EXPECT_EQ(list.CellText(row, CSortListCtrl::COL_STATUS).toStdString(), expected.status);
    EXPECT_EQ(list.CellToolTip(row, CSortListCtrl::COL_STATUS).toStdString(), expected.tooltip);
    list.SelectRows({row});
    desktop_.shown.clear();
    const std::unique_ptr<QMenu> menu = window.MakeContextMenu();
    for (QAction* action : menu->actions()) {
      if (action->text() != QStringLiteral("&Why did this fail?")) continue;
      EXPECT_EQ(action->isEnabled(), expected.file == std::string("refused.wav"));
      action->trigger();
    }
    const std::vector<std::string> why = {
        "exclamation: Sondrel could not convert this file.\n\nSource: " + refused + "\nOutput: " +
        dir_.File("out/c/refused.mp3") + "\nStatus: " + refusedStatus + "\nReason: " + reason};
    EXPECT_EQ(desktop_.shown,
              expected.file == std::string("refused.wav") ? why : std::vector<std::string>{});
  }
  EXPECT_TRUE(fs::is_regular_file(documentsOutput));
}

}  // namespace
