// The Loudness page of the options sheet on its real widgets, over a
// settings file that `sondrel-cli options` reads back.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QSpinBox>

#include <filesystem>

#include "OptionsFixture.h"
#include "ui/options/LoudnessOptPage.h"

namespace {

using Values = std::map<std::string, std::string>;

class LoudnessPageTest : public OptionsTest {
 protected:
  CLoudnessOptPage& Open() { return OpenPage<CLoudnessOptPage>(QStringLiteral("Loudness")); }

  Values PrintedOf(const Values& expected) {
    const Values all = Printed();
    Values some;
    for (const auto& entry : expected)
      some[entry.first] = all.count(entry.first) ? all.at(entry.first) : "<missing>";
    return some;
  }
};

// One row: values stored first, edits through the page's controls, OK,
// then what the command line prints.
struct LoudnessRow {
  const char* name;
  Values stored;
  void (*edit)(CLoudnessOptPage& page);
  Values printed;
};

class LoudnessRowTest : public LoudnessPageTest, public ::testing::WithParamInterface<LoudnessRow> {};

TEST_P(LoudnessRowTest, OkStoresWhatTheControlsShow) {
  const LoudnessRow& row = GetParam();
  Store(row.stored);
  row.edit(Open());
  ASSERT_TRUE(Ok());
  EXPECT_EQ(PrintedOf(row.printed), row.printed);
}

const LoudnessRow kRows[] = {
    {"TrackTags", {}, [](CLoudnessOptPage& page) { page.ReplayGain()->setCurrentIndex(1); },
     {{"ReplayGain", "1"}, {"AlbumBy", "0"}, {"Normalize", "0"}}},
    {"AlbumTagsOfTheWholeBatch", {},
     [](CLoudnessOptPage& page) {
       page.ReplayGain()->setCurrentIndex(2);
       page.AlbumBy()->setCurrentIndex(1);
     },
     {{"ReplayGain", "2"}, {"AlbumBy", "1"}}},
    {"TagsTurnedOff", {{"ReplayGain", "2"}},
     [](CLoudnessOptPage& page) { page.ReplayGain()->setCurrentIndex(0); }, {{"ReplayGain", "0"}}},
    {"NormalisePerAlbumWithTargetAndCeiling", {},
     [](CLoudnessOptPage& page) {
       page.Normalize()->click();
       page.Target()->setValue(-23);
       page.NormalizeBy()->setCurrentIndex(1);
       page.Ceiling()->stepBy(-3);  // 0.1 dB a step from -1.0
     },
     {{"Normalize", "2"}, {"NormalizeLufs", "23"}, {"NormalizeCeiling", "13"}}},
    {"NormaliseOffKeepsTargetAndCeiling",
     {{"Normalize", "1"}, {"NormalizeLufs", "20"}, {"NormalizeCeiling", "5"}},
     [](CLoudnessOptPage& page) { page.Normalize()->click(); },
     {{"Normalize", "0"}, {"NormalizeLufs", "20"}, {"NormalizeCeiling", "5"}}},
    {"ControlsStopAtTheirEnds", {{"Normalize", "1"}},
     [](CLoudnessOptPage& page) {
       page.Target()->setValue(-3);
       page.Ceiling()->stepBy(20);
     },
     {{"Normalize", "1"}, {"NormalizeLufs", "5"}, {"NormalizeCeiling", "0"}}},
    {"UnknownStoredValuesShowAsTheNearestTheyAllow",
     {{"ReplayGain", "7"}, {"Normalize", "9"}, {"NormalizeLufs", "60"}, {"NormalizeCeiling", "500"}},
     [](CLoudnessOptPage&) {},
     {{"ReplayGain", "0"}, {"Normalize", "0"}, {"NormalizeLufs", "40"}, {"NormalizeCeiling", "120"}}},
};

INSTANTIATE_TEST_SUITE_P(Rows, LoudnessRowTest, ::testing::ValuesIn(kRows),
                         [](const auto& row) { return std::string(row.param.name); });

TEST_F(LoudnessPageTest, StoredValuesShowAndTheAlbumChoiceOpensWhenAnAlbumIsUsed) {
  Store({{"ReplayGain", "1"}, {"AlbumBy", "1"}, {"Normalize", "2"}, {"NormalizeLufs", "14"},
         {"NormalizeCeiling", "5"}});
  CLoudnessOptPage& page = Open();
  EXPECT_EQ(page.ReplayGain()->currentText(), QStringLiteral("Track"));
  EXPECT_EQ(page.AlbumBy()->currentText(), QStringLiteral("The whole batch"));
  EXPECT_TRUE(page.Normalize()->isChecked());
  EXPECT_EQ(page.Target()->value(), -14);
  EXPECT_EQ(page.NormalizeBy()->currentText(), QStringLiteral("per album"));
  EXPECT_DOUBLE_EQ(page.Ceiling()->value(), -0.5);
  EXPECT_TRUE(page.AlbumBy()->isEnabled());  // normalisation per album
  page.NormalizeBy()->setCurrentIndex(0);
  EXPECT_FALSE(page.AlbumBy()->isEnabled());
  page.ReplayGain()->setCurrentIndex(2);
  EXPECT_TRUE(page.AlbumBy()->isEnabled());
  page.Normalize()->click();
  for (QWidget* control : {static_cast<QWidget*>(page.Target()), static_cast<QWidget*>(page.Ceiling()),
                           static_cast<QWidget*>(page.NormalizeBy())})
    EXPECT_FALSE(control->isEnabled());
}

// A settings file saved before the loudness options existed: the page shows
// their defaults, and Cancel after edits leaves the file as it was.
TEST_F(LoudnessPageTest, FileFromBeforeTheLoudnessOptionsShowsTheirDefaults) {
  std::filesystem::create_directories(std::filesystem::path(SettingsPath()).parent_path());
  WriteFileText(SettingsPath(), "[Options]\nOGGBitRate=192\n");
  CLoudnessOptPage& page = Open();
  EXPECT_EQ(page.ReplayGain()->currentText(), QStringLiteral("Off"));
  EXPECT_EQ(page.AlbumBy()->currentText(), QStringLiteral("The files of one source folder"));
  EXPECT_FALSE(page.AlbumBy()->isEnabled());
  EXPECT_FALSE(page.Normalize()->isChecked());
  EXPECT_FALSE(page.Target()->isEnabled());
  EXPECT_EQ(page.Target()->value(), -16);
  EXPECT_EQ(page.NormalizeBy()->currentText(), QStringLiteral("per track"));
  EXPECT_DOUBLE_EQ(page.Ceiling()->value(), -1.0);
  page.ReplayGain()->setCurrentIndex(2);
  page.Normalize()->click();
  Cancel();
  EXPECT_EQ(FileBytes(), "[Options]\nOGGBitRate=192\n");
}

}  // namespace
