#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/TempDir.h"
#include "ui/desktop/HelpWindow.h"
#include "ScriptedDesktop.h"

namespace {

// A program language, the guides translated besides the English one, and the guide shown.
struct GuideCase {
  const char* name;
  const char* locale;
  std::vector<std::string> translated;
  std::string shown;
};

class HelpWindowGuideTest : public ::testing::TestWithParam<GuideCase> {
 protected:
  ~HelpWindowGuideTest() override { QLocale::setDefault(QLocale::c()); }
};

TEST_P(HelpWindowGuideTest, ShowsTheGuideOfTheProgramLanguage) {
  TempDir folder;
  WriteFileText(folder.File("sondrel-help.html"), "sondrel-help.html");
  for (const std::string& code : GetParam().translated)
    WriteFileText(folder.File("sondrel-help." + code + ".html"), "sondrel-help." + code + ".html");
  QLocale::setDefault(QLocale(QString::fromLatin1(GetParam().locale)));
  ScriptedDesktop desktop;
  EXPECT_EQ(HelpWindow(folder.Path() + "/", desktop).toPlainText().toStdString(), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Languages, HelpWindowGuideTest,
    ::testing::Values(GuideCase{"GermanOfGermany", "de_DE", {"de", "fr"}, "sondrel-help.de.html"},
                      GuideCase{"Country", "pt_BR", {"pt", "pt_BR"}, "sondrel-help.pt_BR.html"},
                      GuideCase{"LanguageAlone", "pt_PT", {"pt", "pt_BR"}, "sondrel-help.pt.html"},
                      GuideCase{"Untranslated", "ja_JP", {"de", "fr"}, "sondrel-help.html"},
                      GuideCase{"CLocale", "C", {"de", "fr"}, "sondrel-help.html"}),
    [](const ::testing::TestParamInfo<GuideCase>& row) { return row.param.name; });

}  // namespace
