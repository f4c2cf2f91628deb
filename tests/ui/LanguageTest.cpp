// The window's language from the desktop's settings, a partial translation
// falling back to English text by text, and the command line staying
// English whatever the settings.

#include <gtest/gtest.h>

#include <QLocale>
#include <QPushButton>

#include <cstdlib>
#include <map>
#include <string>

#include "support/RunProcess.h"
#include "support/TempDir.h"
#include "convert/OutputPlacement.h"
#include "ui/app/Language.h"
#include "ui/desktop/TranslatedPrompter.h"
#include "MainWindowFixture.h"

namespace {

using Environment = std::map<std::string, std::string>;

struct LanguageCase {
  Environment environment;
  std::string chosen;  // "" for English
};

class LanguageChoice : public ::testing::TestWithParam<LanguageCase> {};

TEST_P(LanguageChoice, FollowsTheDesktopSettingsWithEnglishLast) {
  const std::vector<std::string> shipped{"de", "fr", "es", "it", "pt_BR", "pl", "ja", "zh_CN"};
  const Environment& environment = GetParam().environment;
  const auto variable = [&environment](const char* name) {
    const auto found = environment.find(name);
    return found == environment.end() ? std::string() : found->second;
  };
  EXPECT_EQ(ChooseLanguage(variable, shipped), GetParam().chosen);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, LanguageChoice,
    ::testing::Values(
        LanguageCase{{}, ""}, LanguageCase{{{"LANG", "de_DE.UTF-8"}}, "de"},
        LanguageCase{{{"LANG", "ja_JP.eucJP@mod"}}, "ja"},
        LanguageCase{{{"LANG", "pt_BR.UTF-8"}}, "pt_BR"},
        LanguageCase{{{"LANG", "zh_CN.UTF-8"}}, "zh_CN"},
        LanguageCase{{{"LANG", "ru_RU.UTF-8"}}, ""}, LanguageCase{{{"LANG", "pt_PT.UTF-8"}}, ""},
        LanguageCase{{{"LANGUAGE", "ru:fr:de"}, {"LANG", "de_DE.UTF-8"}}, "fr"},
        LanguageCase{{{"LANGUAGE", "en_GB:de"}, {"LANG", "de_DE.UTF-8"}}, ""},
        LanguageCase{{{"LANGUAGE", "ru"}, {"LANG", "it_IT.UTF-8"}}, "it"},
        LanguageCase{{{"LANGUAGE", "fr_CA"}}, "fr"},
        LanguageCase{{{"LC_ALL", "es_ES.UTF-8"}, {"LC_MESSAGES", "fr_FR"}, {"LANG", "de_DE"}},
                     "es"},
        LanguageCase{{{"LC_MESSAGES", "pl_PL.UTF-8"}, {"LANG", "de_DE.UTF-8"}}, "pl"},
        LanguageCase{{{"LC_ALL", "C"}, {"LANGUAGE", "de"}, {"LANG", "de_DE.UTF-8"}}, ""},
        LanguageCase{{{"LC_ALL", "POSIX"}, {"LANGUAGE", "fr"}}, ""}));

// A program folder whose German translation has one text: the Convert
// button's.
class PartialTranslation : public MainWindowTest {
 protected:
  void SetUp() override {
    const std::string folder = programFolder_.File("translations");
    ASSERT_TRUE(Succeeded(RunProcess("mkdir", {"-p", folder})));
    WriteFileText(folder + "/sondrel_de.ts",
                  "<?xml version=\"1.0\" encoding=\"utf-8\"?><!DOCTYPE TS><TS version=\"2.1\" "
                  "language=\"de\"><context><name>CConvertDlg</name><message><source>&amp;"
                  "Convert</source><translation>&amp;Konvertieren</translation></message>"
                  "</context><context><name>Sondrel</name><message><source>Failed to create "
                  "file \"%1\"</source><translation>Datei \"%1\" nicht angelegt</translation>"
                  "</message><message><source>There aren't files in list.</source>"
                  "<translation>Keine Dateien.</translation></message><message><source>%1: %2 is "
                  "played with bank %3 program %4 \"%5\"</source><translation>%1: %2 mit %3/%4 "
                  "(%5)</translation></message><message><source>bank %1 program %2 (%3)</source>"
                  "<translation>Bank %1/%2 (%3)</translation></message></context></TS>");
    ASSERT_TRUE(Succeeded(RunProcess(SONDREL_LRELEASE, {"-silent", folder + "/sondrel_de.ts"})));
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"}) unsetenv(name);
    setenv("LANG", "de_DE.UTF-8", 1);
  }
  void TearDown() override {
    unsetenv("LANG");
    QLocale::setDefault(locale_);
  }

  TempDir programFolder_;
  QLocale locale_;
};

TEST_F(PartialTranslation, ShowsTheTranslatedTextsAndEnglishForTheRest) {
  const InstalledLanguage language = InstallLanguage(programFolder_.Path() + "/");
  EXPECT_EQ(language.code, "de");
  EXPECT_EQ(QLocale().language(), QLocale::German);
  CConvertDlg& window = OpenWindow();
  EXPECT_EQ(window.Button("convert")->text().toStdString(), "&Konvertieren");
  EXPECT_EQ(window.Button("addFiles")->text().toStdString(), "&Add Files");
  window.Button("removeAll")->click();  // a message box of the core's
  EXPECT_EQ(desktop_.shown, (std::vector<std::string>{"information: Keine Dateien."}));
  // The core's template with its value, and a text of no template as it is.
  EXPECT_EQ(CoreText(FileCreationFailedMessage("/a/%2.mp3")), "Datei \"/a/%2.mp3\" nicht angelegt");
  EXPECT_EQ(CoreText("b.mid: bank 0 program 48 (Strings) is played with bank 8 program 1 \"x\""),
            "b.mid: Bank 0/48 (Strings) mit 8/1 (x)");
  EXPECT_EQ(CoreText(FileCreationFailedMessage("/a.mp3") + "!"),
            "Failed to create file \"/a.mp3\"!");
}

TEST(CommandLineLanguage, StaysEnglishWhateverTheDesktopLanguage) {
  const TempDir dir;
  const std::vector<std::vector<std::string>> commands{{"--help"},
                                                       {"info", dir.File("missing.wav")}};
  for (const std::vector<std::string>& command : commands) {
    const ProcessResult english = RunCliProcess(command, {{"LC_ALL", "C"}, {"LANGUAGE", "de"}});
    const ProcessResult german = RunCliProcess(
        command, {{"LC_ALL", "de_DE.UTF-8"}, {"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "de:fr"}});
    EXPECT_EQ(german.out, english.out) << english.command;
    EXPECT_EQ(german.err, english.err) << english.command;
  }
  EXPECT_EQ(RunCliProcess({"--help"}, {{"LC_ALL", "C"}}).out.rfind("Usage: sondrel-cli", 0), 0u);
}

}  // namespace
