#include <gtest/gtest.h>

#include <QLocale>

#include <ostream>
#include <string>
#include <vector>

#include "support/TempDir.h"
#include "ui/desktop/HelpWindow.h"
#include "ScriptedDesktop.h"

namespace {

// A program language, the translated guides in the program folder (besides
// the English one), and the guide the help window shows.
struct GuideCase {
  const char* name;
  const char* locale;
  std::vector<std::string> translated;
  const char* shown;
};

void PrintTo(const GuideCase& row, std::ostream* out) { *out << row.name; }

class HelpWindowGuideTest : public ::testing::TestWithParam<GuideCase> {
 protected:
  ~HelpWindowGuideTest() override { QLocale::setDefault(QLocale::c()); }
};

TEST_P(HelpWindowGuideTest, ShowsTheGuideOfTheProgramLanguage) {
  TempDir folder;
  std::vector<std::string> guides = GetParam().translated;
  guides.push_back("");
  for (const std::string& code : guides) {
    const std::string name = code.empty() ? "sondrel-help.html" : "sondrel-help." + code + ".html";
    WriteFileText(folder.File(name), "<p>" + name + "</p>");
  }
  QLocale::setDefault(QLocale(QString::fromLatin1(GetParam().locale)));
  ScriptedDesktop desktop;
  const HelpWindow window(folder.Path() + "/", desktop);
  EXPECT_EQ(window.toPlainText().toStdString(), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Languages, HelpWindowGuideTest,
    ::testing::Values(
        GuideCase{"GermanOfGermany", "de_DE", {"de", "fr"}, "sondrel-help.de.html"},
        GuideCase{"FrenchOfCanada", "fr_CA", {"de", "fr"}, "sondrel-help.fr.html"},
        GuideCase{"CountryBeforeLanguage", "pt_BR", {"pt", "pt_BR"}, "sondrel-help.pt_BR.html"},
        GuideCase{"LanguageOfAnotherCountry", "pt_PT", {"pt", "pt_BR"}, "sondrel-help.pt.html"},
        GuideCase{"UntranslatedLanguage", "ja_JP", {"de", "fr"}, "sondrel-help.html"},
        GuideCase{"EnglishOfBritain", "en_GB", {"de", "fr"}, "sondrel-help.html"},
        GuideCase{"CLocale", "C", {"de", "fr"}, "sondrel-help.html"}),
    [](const ::testing::TestParamInfo<GuideCase>& row) { return row.param.name; });

}  // namespace
