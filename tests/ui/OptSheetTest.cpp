// The options sheet (start page, remembered page, OK and Cancel, what is
// saved) and its General page, driven through their real controls over a
// settings file that `sondrel-cli options` reads back.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTest>

#include "app/EngineStartup.h"
#include "app/OutputFormat.h"
#include "app/SettingsCatalog.h"
#include "support/ProgramFolder.h"
#include "ui/main/ConvertDlg.h"
#include "ui/options/OptOutputPage.h"
#include "OptionsFixture.h"

namespace {

using Values = std::map<std::string, std::string>;

const char kMonoHelp[] =
    "information: In general, the output sound equals to \"(L+R)/2,\" which contains left and "
    "right channels.\n\n\"L channel\" means the program outputs left channel of original stereo "
    "file. And \"R channel\" means right channel. It's very useful when you want to convert a "
    "stereo file into two files that contains left and right channels distinguishingly.";

void Type(QLineEdit* edit, const char* text) {
  edit->clear();
  QTest::keyClicks(edit, QString::fromUtf8(text));
}

int TabIndex(const QTabWidget& tabs, const char* title) {
  for (int index = 0; index < tabs.count(); ++index)
    if (tabs.tabText(index) == QString::fromUtf8(title)) return index;
  return -1;
}

class OptSheetTest : public OptionsTest {
 protected:
  // Opens the sheet as the Options command would, on the stored start page.
  COptSheet& OpenAsStored() {
    sheet_.reset();
    root_ = std::make_unique<IniSettingsRoot>(SettingsPath());
    settings_ = ConvertSettings(dir_.File("docs"));
    LoadSettings(settings_, *root_);
    sheet_ = std::make_unique<COptSheet>(nullptr, settings_, *root_, desktop_);
    sheet_->show();
    return *sheet_;
  }

  // Every value printed for the names of `expected`.
  Values PrintedOf(const Values& expected) {
    const Values all = Printed();
    Values some;
    for (const auto& entry : expected) {
      const auto found = all.find(entry.first);
      some[entry.first] = found == all.end() ? "<missing>" : found->second;
    }
    return some;
  }
};

// ---- The start page: the stored index when a page has it, else General.

struct StartRow {
  uint32_t stored;
  int pagesNeeded;  // the row checks something only once this many pages exist
  const char* title;
};

class OptStartPageTest : public OptSheetTest, public ::testing::WithParamInterface<StartRow> {};

TEST_P(OptStartPageTest, OpensOnTheStoredPageOrOnGeneral) {
  const StartRow& row = GetParam();
  Store({{"OptStartPageIndex", std::to_string(row.stored)}});
  COptSheet& sheet = OpenAsStored();
  if (sheet.Tabs().count() < row.pagesNeeded) GTEST_SKIP() << "the sheet has fewer pages";
  EXPECT_EQ(sheet.Tabs().tabText(sheet.Tabs().currentIndex()).toStdString(), row.title);
  EXPECT_EQ(sheet.ActiveIndex(), sheet.Tabs().currentIndex());
  // Only the page shown has its controls.
  for (int index = 0; index < sheet.Tabs().count(); ++index)
    EXPECT_EQ(sheet.Page(index).Initialised(), index == sheet.ActiveIndex()) << index;
  Cancel();
}

INSTANTIATE_TEST_SUITE_P(Rows, OptStartPageTest,
                         ::testing::Values(StartRow{0, 1, "General"},
                                           StartRow{5, 8, "AMR/AWB Options"},
                                           StartRow{7, 8, "MP4/M4A/M4B Options"},
                                           StartRow{8, 9, "MIDI Options"},
                                           StartRow{9, 10, "FLAC Options"},
                                           StartRow{10, 11, "Opus Options"},
                                           StartRow{11, 12, "Loudness"},
                                           StartRow{99, 1, "General"},
                                           StartRow{4000000000u, 1, "General"}));

// Every tab's title is drawn whole within the tab row, and the sheet still
// fits a screen 1280 pixels wide.
TEST_F(OptSheetTest, TabRowShowsEveryTabWhole) {
  COptSheet& sheet = OpenAsStored();
  const QTabBar& bar = *sheet.Tabs().tabBar();
  for (int index = 0; index < bar.count(); ++index) {
    EXPECT_GT(bar.tabRect(index).width(), bar.fontMetrics().horizontalAdvance(bar.tabText(index)))
        << index;
    EXPECT_LE(bar.tabRect(index).right(), bar.width()) << index;
  }
  EXPECT_LE(sheet.frameGeometry().width(), 1280);
}

TEST_F(OptSheetTest, PageShownAtCancelIsWhereTheNextSheetOpens) {
  Store({{"OptStartPageIndex", "0"}});
  OpenAsStored();
  const int wav = TabIndex(sheet_->Tabs(), "WAV Options");
  sheet_.reset();
  if (wav < 0) GTEST_SKIP() << "no WAV page";
  const std::string bytes = FileBytes();

  std::string shownAtOpen;
  auto run = [&](bool switchToWav) {
    OnNextModal([&, switchToWav](QWidget* modal) {
      auto* sheet = qobject_cast<COptSheet*>(modal);
      if (!sheet) return;
      shownAtOpen = sheet->Tabs().tabText(sheet->Tabs().currentIndex()).toStdString();
      if (switchToWav) sheet->Tabs().setCurrentIndex(wav);
      sheet->reject();
    });
    COptSheet::Run(nullptr, settings_, *root_, desktop_);
  };
  run(true);
  EXPECT_EQ(shownAtOpen, "General");
  EXPECT_EQ(settings_.optStartPageIndex, static_cast<uint32_t>(wav));
  run(false);
  EXPECT_EQ(shownAtOpen, "WAV Options");
  EXPECT_EQ(FileBytes(), bytes) << "Cancel wrote the settings";
}

// ---- OK and Cancel.

TEST_F(OptSheetTest, OkSavesEveryOptionAndPresetButNotTheMainWindowValues) {
  // A file with only a few values: OK writes all the others.
  std::filesystem::create_directories(std::filesystem::path(SettingsPath()).parent_path());
  WriteFileText(SettingsPath(), "[Options]\nOutputFormat=4000\nAMRMode=7\nMP3Tag\\Artist=Ann\n");
  COptOutputPage& page = OpenPage<COptOutputPage>(QStringLiteral("General"));
  settings_.outputFormat = FORMAT_WMA;  // chosen in the main window, saved when it closes
  settings_.optStartPageIndex = 3;
  page.MonoRadio(MONO_RIGHT)->click();
  ASSERT_TRUE(Ok());

  const std::string bytes = FileBytes();
  EXPECT_NE(bytes.find("\nOutputFormat=4000\n"), std::string::npos);
  EXPECT_EQ(bytes.find("OptStartPageIndex"), std::string::npos);
  for (const SettingValue& value : SettingsCatalog()) {
    const bool written = bytes.find("\n" + std::string(value.name) + "=") != std::string::npos;
    if (value.group == GROUP_OPTIONS) {
      EXPECT_TRUE(written) << value.name;
    }
  }
  for (const PresetSlot& slot : PresetSlots())
    for (const PresetValue& value : PresetCatalog())
      EXPECT_NE(bytes.find(std::string(slot.name) + "Tag\\" + value.name + "="), std::string::npos)
          << slot.name << " " << value.name;
  EXPECT_EQ(PrintedOf({{"AMRMode", ""}, {"MP3Tag/Artist", ""}, {"MonoType", ""}}),
            (Values{{"AMRMode", "7"}, {"MP3Tag/Artist", "Ann"}, {"MonoType", "2"}}));
}

TEST_F(OptSheetTest, CancelAfterEditsAndARefusalLeavesTheFileByteIdentical) {
  Store({{"MonoType", "1"}, {"FilterExts", "wav"}, {"DestOutputFolderOpt", "199"}});
  const std::string bytes = FileBytes();
  COptOutputPage& page = OpenPage<COptOutputPage>(QStringLiteral("General"));
  page.MonoRadio(MONO_RIGHT)->click();
  page.FilterBox()->click();
  Type(page.FilterEdit(), "mp3");
  page.TargetExists()->setCurrentIndex(1);
  page.OutputFolder()->setCurrentIndex(1);
  page.CustomFolder()->clear();
  EXPECT_FALSE(Ok());
  Cancel();
  EXPECT_FALSE(sheet_->isVisible());
  EXPECT_EQ(FileBytes(), bytes);
}

// ---- The General page.

TEST_F(OptSheetTest, GeneralPageShowsTheStoredValuesAndItsEnableRules) {
  Store({{"MonoType", "2"},
         {"EnableExtFilter", "1"},
         {"FilterExts", "wav,mp3"},
         {"DestOutputFolderOpt", "399"},
         {"DestSpecifiedFolder", "/data/Out/"},
         {"CreateDirs", "1"},
         {"TargetExistsOpt", "33"},
         {"OutputFiles2MyDocuments", "0"},
         {"BrowseOutputFolder", "0"},
         {"ConvertJobs", "3"}});
  COptOutputPage& page = OpenPage<COptOutputPage>(QStringLiteral("General"));
  EXPECT_TRUE(page.MonoRadio(MONO_RIGHT)->isChecked());
  EXPECT_FALSE(page.MonoRadio(MONO_AVERAGE)->isChecked());
  EXPECT_TRUE(page.FilterBox()->isChecked());
  EXPECT_EQ(page.FilterEdit()->text(), QStringLiteral("wav,mp3"));
  EXPECT_EQ(page.OutputFolder()->currentText(), QStringLiteral("A custom folder"));
  EXPECT_EQ(page.CustomFolder()->text(), QStringLiteral("/data/Out/"));
  EXPECT_TRUE(page.CreateDirs()->isChecked());
  EXPECT_EQ(page.TargetExists()->currentText(), QStringLiteral("Skip (not convert)"));
  EXPECT_FALSE(page.ToMyDocuments()->isChecked());
  EXPECT_FALSE(page.BrowseWhenDone()->isChecked());
  EXPECT_EQ(page.ConvertJobs()->value(), 3);

  QWidget* folderControls[] = {page.CustomFolder(), page.Browse(), page.CreateDirs(),
                               page.CreateDirsExample()};
  for (QWidget* control : folderControls) EXPECT_TRUE(control->isEnabled());
  EXPECT_TRUE(page.FilterEdit()->isEnabled());
  page.OutputFolder()->setCurrentIndex(0);
  for (QWidget* control : folderControls) EXPECT_FALSE(control->isEnabled());
  page.FilterBox()->click();
  EXPECT_FALSE(page.FilterEdit()->isEnabled());
  page.FilterBox()->click();
  EXPECT_TRUE(page.FilterEdit()->isEnabled());
  EXPECT_EQ(sheet_->focusWidget(), page.FilterEdit());
}

// One row: values stored first, edits through the page's controls, then
// OK. A row with an exclamation expects the sheet to stay open on General
// with the focus on `focus`; the others expect what the command line prints.
struct GeneralRow {
  const char* name;
  Values stored;
  void (*edit)(COptOutputPage& page, ScriptedDesktop& desktop);
  std::string message;                      // the last message shown ("" none)
  QWidget* (*focus)(COptOutputPage& page);  // refusals: the control at fault
  Values printed;
};

class GeneralPageTest : public OptSheetTest, public ::testing::WithParamInterface<GeneralRow> {};

TEST_P(GeneralPageTest, OkStoresWhatWasEditedOrRefusesWithItsMessage) {
  const GeneralRow& row = GetParam();
  Store(row.stored);
  const std::string bytes = FileBytes();
  COptOutputPage& page = OpenPage<COptOutputPage>(QStringLiteral("General"));
  row.edit(page, desktop_);
  const bool refused = row.message.rfind("exclamation: ", 0) == 0;
  EXPECT_EQ(Ok(), !refused);
  EXPECT_EQ(desktop_.shown.empty() ? "" : desktop_.shown.back(), row.message);
  if (refused) {
    EXPECT_TRUE(sheet_->isVisible());
    EXPECT_EQ(sheet_->Tabs().currentWidget(), &page);
    EXPECT_EQ(sheet_->focusWidget(), row.focus(page));
    EXPECT_EQ(FileBytes(), bytes);
    Cancel();
    return;
  }
  EXPECT_EQ(PrintedOf(row.printed), row.printed);
}

QWidget* FolderEdit(COptOutputPage& page) {
  return page.CustomFolder();
}
QWidget* FilterEdit(COptOutputPage& page) {
  return page.FilterEdit();
}

const GeneralRow kGeneralRows[] = {
    {"EveryControl",
     {{"DestOutputFolderOpt", "199"}, {"DestSpecifiedFolder", ""}},
     [](COptOutputPage& page, ScriptedDesktop&) {
       page.MonoRadio(MONO_LEFT)->click();
       page.FilterBox()->click();
       QTest::keyClicks(page.FilterEdit(), QStringLiteral("mp3; wav ;ogg"));
       page.OutputFolder()->setCurrentIndex(1);
       Type(page.CustomFolder(), "/data/Out");
       page.CreateDirs()->click();
       page.KeepAddedSubfolders()->click();
       Type(page.NamePatternEdit(), "{artist}/{title}");
       page.TargetExists()->setCurrentIndex(2);
       page.ToMyDocuments()->click();
       page.BrowseWhenDone()->click();
       page.ConvertJobs()->setValue(5);
       page.VerifyOutputs()->click();
       page.CoverFromFolder()->click();
     },
     "",
     nullptr,
     {{"MonoType", "1"},
      {"EnableExtFilter", "1"},
      {"FilterExts", "mp3,wav,ogg"},
      {"DestOutputFolderOpt", "399"},
      {"DestSpecifiedFolder", "/data/Out"},
      {"CreateDirs", "1"},
      {"KeepAddedSubfolders", "1"},
      {"OutputNamePattern", "{artist}/{title}"},
      {"TargetExistsOpt", "33"},
      {"OutputFiles2MyDocuments", "0"},
      {"BrowseOutputFolder", "0"},
      {"ConvertJobs", "5"},
      {"VerifyOutputs", "1"},
      {"CoverFromFolder", "1"}}},
    {"TabsAndBlanksLeaveTheFilter",
     {{"EnableExtFilter", "1"}},
     [](COptOutputPage& page, ScriptedDesktop&) {
       page.FilterEdit()->setText(QStringLiteral("\tflac;\tape ; "));
     },
     "",
     nullptr,
     {{"FilterExts", "flac,ape,"}, {"EnableExtFilter", "1"}}},
    {"FilterOffIsCleanedAndMayBeEmpty",
     {{"EnableExtFilter", "1"}, {"FilterExts", "wav"}},
     [](COptOutputPage& page, ScriptedDesktop&) {
       Type(page.FilterEdit(), " a; b");
       page.FilterBox()->click();
     },
     "",
     nullptr,
     {{"FilterExts", "a,b"}, {"EnableExtFilter", "0"}}},
    {"CustomFolderEmpty",
     {{"DestOutputFolderOpt", "199"}, {"DestSpecifiedFolder", ""}},
     [](COptOutputPage& page, ScriptedDesktop&) { page.OutputFolder()->setCurrentIndex(1); },
     "exclamation: Please choose an output folder.",
     FolderEdit,
     {}},
    {"FilterOfSpacesOnly",
     {{"DestOutputFolderOpt", "199"}},
     [](COptOutputPage& page, ScriptedDesktop&) {
       page.FilterBox()->click();
       QTest::keyClicks(page.FilterEdit(), QStringLiteral("   "));
     },
     "exclamation: Please enter file extensions you need to filter.",
     FilterEdit,
     {}},
    {"NamePatternThatClimbsOut",
     {},
     [](COptOutputPage& page, ScriptedDesktop&) { Type(page.NamePatternEdit(), "../{title}"); },
     "exclamation: The output name pattern cannot be used: it names the folder \"..\"; its "
     "folders always go below the output folder.",
     [](COptOutputPage& page) -> QWidget* { return page.NamePatternEdit(); },
     {}},
    {"FolderIsCheckedBeforeTheFilter",
     {{"DestOutputFolderOpt", "399"}, {"EnableExtFilter", "1"}},
     [](COptOutputPage& page, ScriptedDesktop&) {
       page.CustomFolder()->clear();
       page.FilterEdit()->clear();
     },
     "exclamation: Please choose an output folder.",
     FolderEdit,
     {}},
    {"BrowseAddsTheTrailingSlash",
     {{"DestOutputFolderOpt", "399"}, {"DestSpecifiedFolder", "/old/"}},
     [](COptOutputPage& page, ScriptedDesktop& desktop) {
       desktop.chosenFolder = "/data/Music";
       page.Browse()->click();
     },
     "choose folder: Please choose an output folder: at /old/",
     nullptr,
     {{"DestSpecifiedFolder", "/data/Music/"}}},
    {"BrowseKeepsASingleSlash",
     {{"DestOutputFolderOpt", "399"}, {"DestSpecifiedFolder", "/old/"}},
     [](COptOutputPage& page, ScriptedDesktop& desktop) {
       Type(page.CustomFolder(), "/typed");
       desktop.chosenFolder = "/";
       page.Browse()->click();
     },
     "choose folder: Please choose an output folder: at /typed",
     nullptr,
     {{"DestSpecifiedFolder", "/"}}},
    {"BrowseCancelledKeepsTheFolder",
     {{"DestOutputFolderOpt", "399"}, {"DestSpecifiedFolder", "/old/"}},
     [](COptOutputPage& page, ScriptedDesktop&) { page.Browse()->click(); },
     "choose folder: Please choose an output folder: at /old/",
     nullptr,
     {{"DestSpecifiedFolder", "/old/"}}},
    {"UnknownTargetPolicyBecomesAutoRename",
     {{"TargetExistsOpt", "5"}},
     [](COptOutputPage& page, ScriptedDesktop&) {
       EXPECT_EQ(page.TargetExists()->currentText(),
                 QStringLiteral("Auto rename (add number at end of file name)"));
     },
     "",
     nullptr,
     {{"TargetExistsOpt", "11"}}},
    {"UnknownOutputFolderChoiceBecomesTheSourceFolder",
     {{"DestOutputFolderOpt", "250"}, {"DestSpecifiedFolder", "/data/Out/"}},
     [](COptOutputPage& page, ScriptedDesktop&) {
       EXPECT_EQ(page.OutputFolder()->currentText(), QStringLiteral("Same as original file"));
       EXPECT_FALSE(page.CustomFolder()->isEnabled());
     },
     "",
     nullptr,
     {{"DestOutputFolderOpt", "199"}, {"DestSpecifiedFolder", "/data/Out/"}}},
    {"MonoHelpExplainsTheChoices",
     {{"MonoType", "2"}},
     [](COptOutputPage& page, ScriptedDesktop&) { page.MonoHelp()->click(); },
     kMonoHelp,
     nullptr,
     {{"MonoType", "2"}}},
};

INSTANTIATE_TEST_SUITE_P(Rows, GeneralPageTest, ::testing::ValuesIn(kGeneralRows),
                         [](const auto& row) { return std::string(row.param.name); });

TEST_F(OptSheetTest, RefusedGeneralPageKeepsTheSheetOnItWhenAnotherTabIsChosen) {
  Store({{"DestOutputFolderOpt", "399"}, {"DestSpecifiedFolder", ""}});
  COptOutputPage& page = OpenPage<COptOutputPage>(QStringLiteral("General"));
  if (sheet_->Tabs().count() < 2) GTEST_SKIP() << "no other page";
  sheet_->Tabs().setCurrentIndex(1);
  EXPECT_EQ(sheet_->Tabs().currentWidget(), &page);
  EXPECT_EQ(sheet_->ActiveIndex(), 0);
  EXPECT_FALSE(sheet_->Page(1).Initialised());
  ASSERT_EQ(desktop_.shown.size(), 1u);
  EXPECT_EQ(desktop_.shown[0], "exclamation: Please choose an output folder.");
}

// ---- The main window's Options command.

TEST_F(OptSheetTest, OptionsButtonRunsTheSheetAndRebuildsTheExtensionFilter) {
  Store({{"OptStartPageIndex", "99"}, {"DestOutputFolderOpt", "199"}});
  root_ = std::make_unique<IniSettingsRoot>(SettingsPath());
  root_->CreateKey("Options")->WriteNumber("FirstRun", 0);
  EngineSession engine(BuildProgramFolder());
  CConvertDlg window(settings_, *root_, engine, desktop_,
                     [](const std::string&, int32_t) { return std::unique_ptr<AudioSource>(); });
  window.show();

  // Opens on General (no page 99); the last page is remembered at Cancel.
  int last = -1;
  bool modal = false;
  OnNextModal([&](QWidget* widget) {
    auto* sheet = qobject_cast<COptSheet*>(widget);
    if (!sheet) return;
    modal = sheet->isModal() && sheet->windowTitle() == QStringLiteral("Options") &&
            sheet->Tabs().currentIndex() == 0;
    last = sheet->Tabs().count() - 1;
    sheet->Tabs().setCurrentIndex(last);
    sheet->reject();
  });
  window.Button("options")->click();
  EXPECT_TRUE(modal);
  EXPECT_EQ(settings_.optStartPageIndex, static_cast<uint32_t>(last));

  // OK with a filter: the window adds through the new filter at once.
  OnNextModal([&](QWidget* widget) {
    auto* sheet = qobject_cast<COptSheet*>(widget);
    if (!sheet) return;
    sheet->Tabs().setCurrentIndex(0);
    auto& page = dynamic_cast<COptOutputPage&>(sheet->Page(0));
    page.FilterBox()->click();
    QTest::keyClicks(page.FilterEdit(), QStringLiteral("MP3; wav"));
    sheet->accept();
  });
  window.Button("options")->click();
  EXPECT_EQ(settings_.extensionFilter, (std::vector<std::string>{"mp3", "wav"}));
  EXPECT_EQ(settings_.optStartPageIndex, 0u);
  EXPECT_EQ(PrintedOf({{"FilterExts", ""}}), (Values{{"FilterExts", "MP3,wav"}}));
}

}  // namespace
