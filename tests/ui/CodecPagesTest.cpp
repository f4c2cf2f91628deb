#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "OptionsFixture.h"
#include "convert/WmaOutput.h"
#include "platform/wma/WmaFormatList.h"
#include "platform/wma/WmaRuntime.h"
#include "ui/options/AmrOptPage.h"
#include "ui/options/LoudnessOptPage.h"
#include "ui/options/OptAacPage.h"
#include "ui/options/OptFlacPage.h"
#include "ui/options/OptOpusPage.h"
#include "ui/options/PresetList.h"
#include "ui/options/OptM4aPage.h"
#include "ui/options/PageWMAOptions.h"
#include "ui/options/SoundSection.h"
#include "ui/options/SpinStepCtrl.h"
#include "ui/options/TagEditDlg.h"
#include "ui/options/TagSection.h"

namespace {

using Values = std::map<std::string, std::string>;

const QString WMA = QStringLiteral("WMA Options");
const QString AMR = QStringLiteral("AMR/AWB Options");
const QString AAC = QStringLiteral("AAC Options");
const QString M4A = QStringLiteral("MP4/M4A/M4B Options");
const QString LOUDNESS = QStringLiteral("Loudness");
const std::string COEFFICIENT_MESSAGE =
    "exclamation: Invalid amplification coefficient. It's betwen 10 and 3000.";
const std::string QUALITY_MESSAGE = std::string("exclamation: ") + CAacFamilyPage::QUALITY_MESSAGE;

// A parameterised case is named after its row.
template <typename Row>
std::string RowName(const ::testing::TestParamInfo<Row>& info) {
  return info.param.name;
}

// `printed` with `changes` applied.
Values With(Values printed, const Values& changes) {
  for (const auto& [name, value] : changes) printed[name] = value;
  return printed;
}

// Types `text` into a number box, as a user replaces its contents.
void Type(CSpinStepCtrl* box, const QString& text) {
  box->selectAll();
  QTest::keyClicks(box, text);
}

// Chooses the item labelled `text`, as a click in the open list does.
void Choose(QComboBox* combo, const QString& text) {
  const int index = combo->findText(text);
  ASSERT_GE(index, 0) << text.toStdString();
  combo->setCurrentIndex(index);
}

// The "A&uto" box, the encoding radios, check boxes and drop-downs of an
// AAC-encoded page are usable exactly when `on`, the bit rate only for the
// average and the quality only for the variable bit rate.
void ExpectEncodingEnabled(const CAacFamilyPage& page, bool on) {
  std::vector<QWidget*> controls = {page.AbrRadio(), page.VbrRadio(), page.TnsBox(),
                                    page.MidSideBox()};
  for (int type = 0; type < 3; ++type) controls.push_back(page.BlockTypeRadio(type));
  for (int version = 0; version < 2; ++version)
    if (page.MpegRadio(version)) controls.push_back(page.MpegRadio(version));
  for (size_t at = 0; at < controls.size(); ++at)
    EXPECT_EQ(controls[at]->isEnabled(), on) << "control " << at;
  EXPECT_EQ(page.BitRate()->isEnabled(), on && page.AbrRadio()->isChecked());
  EXPECT_EQ(page.Quality()->isEnabled(), on && page.VbrRadio()->isChecked());
}

// --- Every page: its stored values show, Cancel leaves the file alone, and
// an edit through the controls stores exactly what it shows.

struct PageRow {
  const char* name;
  QString title;
  Values stored;
  std::function<void(COptPage&)> expectShown;
  std::function<void(COptPage&)> edit;
  Values changedAtOk;  // the values that change; every other stays
};
void PrintTo(const PageRow& row, std::ostream* out) {
  *out << row.name;
}

class CodecPageTest : public OptionsTest, public ::testing::WithParamInterface<PageRow> {};

TEST_P(CodecPageTest, ShowsStoredValuesCancelKeepsFileOkStoresEdits) {
  const PageRow& row = GetParam();
  Store(row.stored);
  const Values before = Printed();
  const std::string bytes = FileBytes();

  COptPage& cancelled = OpenOn(row.title);
  row.expectShown(cancelled);
  row.edit(cancelled);
  Cancel();
  EXPECT_EQ(FileBytes(), bytes);

  COptPage& page = OpenOn(row.title);
  row.expectShown(page);
  row.edit(page);
  ASSERT_TRUE(Ok());
  EXPECT_EQ(Printed(), With(before, row.changedAtOk));
  EXPECT_TRUE(desktop_.shown.empty());
}

const PageRow PAGE_ROWS[] = {
    {"Wma",
     WMA,
     {{"AutoDestWMAEncodingParam", "0"},
      {"WMASampleRate", "22050"},
      {"WMABitRate", "32000"},
      {"WMAChannels", "1"},
      {"WMAID3TagType", "0"},
      {"AmplifyWMA", "1"},
      {"AmplifyWMACoeff", "250"}},
     [](COptPage& base) {
       auto& page = dynamic_cast<CPageWMAOptions&>(base);
       EXPECT_EQ(page.Encoding()->currentText(), QStringLiteral("22050 Hz, 32 kbps, Mono"));
       EXPECT_TRUE(page.Tags()->Radio(TAG_FROM_PRESET)->isChecked());
       EXPECT_TRUE(page.Tags()->EditButton()->isEnabled());
       EXPECT_TRUE(page.Sound()->AmplifyBox()->isChecked());
       EXPECT_EQ(page.Sound()->CoefficientBox()->value(), 250);
     },
     [](COptPage& base) {
       auto& page = dynamic_cast<CPageWMAOptions&>(base);
       Choose(page.Encoding(), QStringLiteral("44100 Hz, 128 kbps, Stereo"));
       page.Tags()->Radio(TAG_NONE)->click();
       EXPECT_FALSE(page.Tags()->EditButton()->isEnabled());
       page.Sound()->AmplifyBox()->click();
       EXPECT_FALSE(page.Sound()->CoefficientBox()->isEnabled());
     },
     {{"WMASampleRate", "44100"},
      {"WMABitRate", "128000"},
      {"WMAChannels", "2"},
      {"WMAID3TagType", "2"},
      {"AmplifyWMA", "0"}}},
    {"Aac",
     AAC,
     {{"AutoDestAACEncodingParam", "0"},
      {"AACVBR", "7"},
      {"AACABRBitRate", "64"},
      {"AACVBRQuality", "150"},
      {"AACMpegVersion", "3"},
      {"AACEnableTNS", "1"},
      {"AACEnableMidside", "0"},
      {"AACBlockType", "2"},
      {"AmplifyAAC", "1"},
      {"AmplifyAACCoef", "300"}},
     [](COptPage& base) {
       auto& page = dynamic_cast<COptAacPage&>(base);
       EXPECT_FALSE(page.AutoBox()->isChecked());
       EXPECT_TRUE(page.VbrRadio()->isChecked());
       EXPECT_EQ(page.BitRate()->currentText(), QStringLiteral("64 kbps"));
       EXPECT_EQ(page.Quality()->value(), 150);
       EXPECT_TRUE(page.MpegRadio(1)->isChecked());
       EXPECT_TRUE(page.TnsBox()->isChecked());
       EXPECT_FALSE(page.MidSideBox()->isChecked());
       EXPECT_TRUE(page.BlockTypeRadio(2)->isChecked());
       ExpectEncodingEnabled(page, true);
       EXPECT_EQ(page.Sound()->CoefficientBox()->value(), 300);
     },
     [](COptPage& base) {
       auto& page = dynamic_cast<COptAacPage&>(base);
       page.AbrRadio()->click();
       ExpectEncodingEnabled(page, true);
       Choose(page.BitRate(), QStringLiteral("Same as original file"));
       page.MpegRadio(0)->click();
       page.BlockTypeRadio(1)->click();
       page.TnsBox()->click();
       page.MidSideBox()->click();
     },
     {{"AACVBR", "0"},
      {"AACABRBitRate", "0"},
      {"AACMpegVersion", "0"},
      {"AACBlockType", "1"},
      {"AACEnableTNS", "0"},
      {"AACEnableMidside", "1"}}},
    {"M4a",
     M4A,
     {{"AutoDestM4AEncodingParam", "0"},
      {"M4AVBR", "0"},
      {"M4AABRBitRate", "256"},
      {"M4AVBRQuality", "300"},
      {"M4AEnableTNS", "1"},
      {"M4AEnableMidside", "0"},
      {"M4ABlockType", "1"},
      {"M4AID3TagType", "2"},
      {"M4ATag/Copyright", "Vantrel"}},
     [](COptPage& base) {
       auto& page = dynamic_cast<COptM4aPage&>(base);
       EXPECT_EQ(page.MpegRadio(0), nullptr);
       EXPECT_TRUE(page.AbrRadio()->isChecked());
       EXPECT_EQ(page.BitRate()->currentText(), QStringLiteral("256 kbps"));
       EXPECT_EQ(page.Quality()->value(), 300);
       EXPECT_TRUE(page.BlockTypeRadio(1)->isChecked());
       ExpectEncodingEnabled(page, true);
       EXPECT_TRUE(page.Tags()->Radio(TAG_NONE)->isChecked());
       EXPECT_FALSE(page.Tags()->EditButton()->isEnabled());
     },
     [](COptPage& base) {
       auto& page = dynamic_cast<COptM4aPage&>(base);
       page.VbrRadio()->click();
       Type(page.Quality(), QStringLiteral("40"));
       page.Tags()->Radio(TAG_FROM_PRESET)->click();
       // The editor of the M4A preset has no Copyright row; the preset's
       // copyright passes through it.
       bool copyrightShown = true;
       OnNextModal([&copyrightShown](QWidget* modal) {
         auto* editor = qobject_cast<CTagEditDlg*>(modal);
         ASSERT_NE(editor, nullptr);
         copyrightShown = editor->Text("copyright")->isVisible();
         editor->Text("artist")->setText(QStringLiteral("Ann"));
         editor->accept();
       });
       page.Tags()->EditButton()->click();
       EXPECT_FALSE(copyrightShown);
     },
     {{"M4AVBR", "1"}, {"M4AVBRQuality", "40"}, {"M4AID3TagType", "0"}, {"M4ATag/Artist", "Ann"}}},
    {"Amr",
     AMR,
     {{"AMRType", "1"},
      {"AMRMode", "6"},
      {"AMRWBMode", "7"},
      {"AMRDTX", "1"},
      {"AWBMode", "8"},
      {"AWBDTX", "1"},
      {"AmplifyAMR", "1"},
      {"AmplifyAMRCoef", "20"}},
     [](COptPage& base) {
       auto& page = dynamic_cast<CAmrOptPage&>(base);
       EXPECT_TRUE(page.BandRadio(1)->isChecked());
       EXPECT_EQ(page.NbModes()->currentText(), QStringLiteral("10.2 kbps"));
       EXPECT_EQ(page.WbModes()->currentText(), QStringLiteral("23.05 kbps"));
       EXPECT_EQ(page.AwbModes()->currentText(), QStringLiteral("23.85 kbps"));
       EXPECT_FALSE(page.NbModes()->isEnabled());
       EXPECT_TRUE(page.WbModes()->isEnabled());
       EXPECT_TRUE(page.AmrDtxBox()->isChecked());
       EXPECT_TRUE(page.AwbDtxBox()->isChecked());
       EXPECT_EQ(page.Sound()->CoefficientBox()->value(), 20);
     },
     [](COptPage& base) {
       auto& page = dynamic_cast<CAmrOptPage&>(base);
       page.BandRadio(0)->click();
       EXPECT_TRUE(page.NbModes()->isEnabled());
       EXPECT_FALSE(page.WbModes()->isEnabled());
       Choose(page.NbModes(), QStringLiteral("5.15kbps"));
       Choose(page.AwbModes(), QStringLiteral("6.60 kbps"));
       page.AwbDtxBox()->click();
       Type(page.Sound()->CoefficientBox(), QStringLiteral("3000"));
     },
     {{"AMRType", "0"},
      {"AMRMode", "1"},
      {"AWBMode", "0"},
      {"AWBDTX", "0"},
      {"AmplifyAMRCoef", "3000"}}},
    // The level applies in automatic mode: it can be chosen there.
    {"FlacLevelInAuto",
     QStringLiteral("FLAC Options"),
     {{"AutoDestFLACEncodingParam", "1"}, {"FLACCompressionLevel", "3"}},
     [](COptPage& base) {
       auto& page = dynamic_cast<COptFlacPage&>(base);
       EXPECT_EQ(page.Presets()->Presets()->currentIndex(), 0);
       EXPECT_TRUE(page.Presets()->Values()->isEnabled());
       EXPECT_EQ(page.Presets()->Values()->currentText(), QStringLiteral("3"));
     },
     [](COptPage& base) {
       auto& page = dynamic_cast<COptFlacPage&>(base);
       Choose(page.Presets()->Values(), QStringLiteral("8"));
       EXPECT_EQ(page.Presets()->Presets()->currentIndex(), 0) << "still Auto";
     },
     {{"FLACCompressionLevel", "8"}}},
    {"Opus",
     QStringLiteral("Opus Options"),
     {{"AutoDestOpusEncodingParam", "0"},
      {"OpusBitRate", "96"},
      {"OpusChannels", "1"},
      {"OpusBitRateMode", "1"},
      {"OpusComplexity", "4"}},
     [](COptPage& base) {
       auto& page = dynamic_cast<COptOpusPage&>(base);
       EXPECT_EQ(page.Presets()->Presets()->currentText(), QStringLiteral("Custom"));
       EXPECT_EQ(page.Presets()->Values()->currentText(), QStringLiteral("96 kbps"));
       EXPECT_TRUE(page.Presets()->ChannelRadio(RADIO_MONO)->isChecked());
       EXPECT_EQ(page.Mode()->currentData().toInt(), 1);
       EXPECT_EQ(page.Complexity()->currentText(), QStringLiteral("4"));
     },
     [](COptPage& base) {
       auto& page = dynamic_cast<COptOpusPage&>(base);
       Choose(page.Presets()->Presets(),
              QStringLiteral("128 kbps, Stereo (transparent music, normal size)"));
       Choose(page.Complexity(), QStringLiteral("10"));
     },
     {{"OpusBitRate", "128"}, {"OpusChannels", "2"}, {"OpusComplexity", "10"}}},
    {"LoudnessAlbumTagsAndNormalisation", LOUDNESS,
     {{"ReplayGain", "1"}, {"AlbumBy", "1"}, {"Normalize", "2"}, {"NormalizeLufs", "14"},
      {"NormalizeCeiling", "5"}},
     [](COptPage& base) {
       auto& page = dynamic_cast<CLoudnessOptPage&>(base);
       EXPECT_EQ(page.ReplayGain()->currentText(), QStringLiteral("Track"));
       EXPECT_EQ(page.NormalizeBy()->currentText(), QStringLiteral("per album"));
       EXPECT_EQ(page.Target()->value(), -14);
       EXPECT_DOUBLE_EQ(page.Ceiling()->value(), -0.5);
       EXPECT_TRUE(page.AlbumBy()->isEnabled());  // normalisation per album uses it
     },
     [](COptPage& base) {
       auto& page = dynamic_cast<CLoudnessOptPage&>(base);
       Choose(page.NormalizeBy(), QStringLiteral("per track"));
       EXPECT_FALSE(page.AlbumBy()->isEnabled());
       Choose(page.ReplayGain(), QStringLiteral("Track and album"));
       Choose(page.AlbumBy(), QStringLiteral("The files of one source folder"));
       page.Target()->setValue(-23);
       page.Ceiling()->stepBy(-3);  // 0.1 dB a step
     },
     {{"ReplayGain", "2"}, {"AlbumBy", "0"}, {"Normalize", "1"}, {"NormalizeLufs", "23"},
      {"NormalizeCeiling", "8"}}},
    {"LoudnessNormaliseOffKeepsTargetAndCeiling", LOUDNESS,
     {{"Normalize", "1"}, {"NormalizeLufs", "20"}, {"NormalizeCeiling", "5"}},
     [](COptPage& base) {
       EXPECT_FALSE(dynamic_cast<CLoudnessOptPage&>(base).AlbumBy()->isEnabled());
     },
     [](COptPage& base) {
       auto& page = dynamic_cast<CLoudnessOptPage&>(base);
       page.Normalize()->click();
       EXPECT_FALSE(page.Target()->isEnabled() || page.Ceiling()->isEnabled());
     },
     {{"Normalize", "0"}}},
    {"LoudnessControlsStopAtTheirEnds", LOUDNESS, {{"Normalize", "1"}}, [](COptPage&) {},
     [](COptPage& base) {
       auto& page = dynamic_cast<CLoudnessOptPage&>(base);
       page.Target()->setValue(-3);
       page.Ceiling()->stepBy(20);
     },
     {{"NormalizeLufs", "5"}, {"NormalizeCeiling", "0"}}},
    {"LoudnessUnknownStoredValuesShowAsTheNearestAllowed", LOUDNESS,
     {{"ReplayGain", "7"}, {"Normalize", "9"}, {"NormalizeLufs", "60"},
      {"NormalizeCeiling", "500"}},
     [](COptPage& base) {
       auto& page = dynamic_cast<CLoudnessOptPage&>(base);
       EXPECT_EQ(page.ReplayGain()->currentText(), QStringLiteral("Off"));
       EXPECT_FALSE(page.Normalize()->isChecked());
     },
     [](COptPage&) {},
     {{"ReplayGain", "0"}, {"Normalize", "0"}, {"NormalizeLufs", "40"},
      {"NormalizeCeiling", "120"}}},
};

INSTANTIATE_TEST_SUITE_P(Pages, CodecPageTest, ::testing::ValuesIn(PAGE_ROWS), RowName<PageRow>);

// --- The checks when a page is left: the message, the sheet kept open on
// the page with the focus on the box at fault; or the values accepted.

struct CheckRow {
  const char* name;
  QString title;
  Values stored;
  const char* quality;      // typed into the quality box when not null
  const char* coefficient;  // typed into the coefficient box
  bool clearAmplify;        // untick "Amplify" after typing
  std::string message;      // "" when OK is accepted
  Values changedAtOk;
};
void PrintTo(const CheckRow& row, std::ostream* out) {
  *out << row.name;
}

class PageCheckTest : public OptionsTest, public ::testing::WithParamInterface<CheckRow> {};

TEST_P(PageCheckTest, RefusesBadValuesWithMessageAndFocus) {
  const CheckRow& row = GetParam();
  Store(row.stored);
  const Values before = Printed();
  const std::string bytes = FileBytes();
  COptPage& page = OpenOn(row.title);
  auto* family = dynamic_cast<CAacFamilyPage*>(&page);
  if (row.quality) Type(family->Quality(), QString::fromLatin1(row.quality));
  auto* sound = page.findChild<SoundSection*>();
  Type(sound->CoefficientBox(), QString::fromLatin1(row.coefficient));
  if (row.clearAmplify) sound->AmplifyBox()->click();

  if (row.message.empty()) {
    ASSERT_TRUE(Ok());
    EXPECT_TRUE(desktop_.shown.empty());
    EXPECT_EQ(Printed(), With(before, row.changedAtOk));
    return;
  }
  EXPECT_FALSE(Ok());
  EXPECT_EQ(desktop_.shown, std::vector<std::string>{row.message});
  EXPECT_EQ(sheet_->Tabs().tabText(sheet_->Tabs().currentIndex()), row.title);
  QWidget* box = row.message == QUALITY_MESSAGE ? static_cast<QWidget*>(family->Quality())
                                                : sound->CoefficientBox();
  QWidget* focus = sheet_->focusWidget();
  EXPECT_TRUE(focus == box || box->isAncestorOf(focus));
  EXPECT_EQ(FileBytes(), bytes);
}

const CheckRow CHECK_ROWS[] = {
    {"WmaCoefficientBelow",
     WMA,
     {{"AmplifyWMA", "1"}},
     nullptr,
     "5",
     false,
     COEFFICIENT_MESSAGE,
     {}},
    {"AmrCoefficientAbove",
     AMR,
     {{"AmplifyAMR", "1"}},
     nullptr,
     "3001",
     false,
     COEFFICIENT_MESSAGE,
     {}},
    {"AmrAmplifyClear",
     AMR,
     {{"AmplifyAMR", "1"}},
     nullptr,
     "5",
     true,
     "",
     {{"AmplifyAMR", "0"}, {"AmplifyAMRCoef", "5"}}},
    {"AacQualityAbove",
     AAC,
     {{"AutoDestAACEncodingParam", "0"}},
     "510",
     "100",
     false,
     QUALITY_MESSAGE,
     {}},
    {"AacAbrIgnoresQuality",
     AAC,
     {{"AutoDestAACEncodingParam", "0"}, {"AACVBR", "0"}, {"AACVBRQuality", "5"}},
     nullptr,
     "100",
     false,
     "",
     {}},
    {"AacAutoIgnoresQuality", AAC, {{"AACVBRQuality", "5"}}, nullptr, "100", false, "", {}},
    {"M4aQualityBelow",
     M4A,
     {{"AutoDestM4AEncodingParam", "0"}},
     "0",
     "100",
     false,
     QUALITY_MESSAGE,
     {}},
    {"M4aCoefficientAbove",
     M4A,
     {{"AutoDestM4AEncodingParam", "0"}, {"AmplifyM4A", "1"}},
     "500",
     "3010",
     false,
     COEFFICIENT_MESSAGE,
     {}},
    {"M4aAmplifyClear",
     M4A,
     {{"AutoDestM4AEncodingParam", "0"}, {"AmplifyM4A", "1"}},
     "10",
     "3001",
     true,
     "",
     {{"M4AVBRQuality", "10"}, {"AmplifyM4A", "0"}, {"AmplifyM4ACoef", "3001"}}},
};

INSTANTIATE_TEST_SUITE_P(Pages, PageCheckTest, ::testing::ValuesIn(CHECK_ROWS), RowName<CheckRow>);

// --- The AAC and MP4/M4A/M4B pages: Reset and "Auto".

struct FamilyRow {
  const char* name;
  QString title;
  std::string prefix;  // of the value names: "AAC", "M4A"
};
void PrintTo(const FamilyRow& row, std::ostream* out) {
  *out << row.name;
}

class AacFamilyTest : public OptionsTest, public ::testing::WithParamInterface<FamilyRow> {
 protected:
  // A non-default encoding with the program's choice turned off.
  CAacFamilyPage& OpenWithEncoding() {
    const std::string& p = GetParam().prefix;
    Values stored = {{"AutoDest" + p + "EncodingParam", "0"},
                     {p + "VBR", "0"},
                     {p + "ABRBitRate", "192"},
                     {p + "VBRQuality", "250"},
                     {p + "EnableTNS", "1"},
                     {p + "EnableMidside", "0"},
                     {p + "BlockType", "2"}};
    if (p == "AAC") stored["AACMpegVersion"] = "0";
    Store(stored);
    before_ = Printed();
    return dynamic_cast<CAacFamilyPage&>(OpenOn(GetParam().title));
  }

  Values before_;
};

TEST_P(AacFamilyTest, ResetShowsRecommendedEncodingDisabledAndKeepsStoredValues) {
  CAacFamilyPage& page = OpenWithEncoding();
  Choose(page.BitRate(), QStringLiteral("64 kbps"));
  if (page.MpegRadio(1)) page.MpegRadio(1)->click();
  page.TnsBox()->click();
  page.ResetButton()->click();

  EXPECT_TRUE(page.AutoBox()->isChecked());
  EXPECT_TRUE(page.VbrRadio()->isChecked());
  EXPECT_EQ(page.Quality()->value(), 100);
  if (page.MpegRadio(0)) {
    EXPECT_TRUE(page.MpegRadio(0)->isChecked());
  }
  EXPECT_FALSE(page.TnsBox()->isChecked());
  EXPECT_TRUE(page.MidSideBox()->isChecked());
  EXPECT_TRUE(page.BlockTypeRadio(0)->isChecked());
  EXPECT_EQ(page.BitRate()->currentText(), QStringLiteral("128 kbps"));
  ExpectEncodingEnabled(page, false);

  ASSERT_TRUE(Ok());
  EXPECT_EQ(Printed(), With(before_, {{"AutoDest" + GetParam().prefix + "EncodingParam", "1"}}));
}

TEST_P(AacFamilyTest, AutoKeepsStoredEncodingAndUnticksBackToIt) {
  CAacFamilyPage& page = OpenWithEncoding();
  Choose(page.BitRate(), QStringLiteral("64 kbps"));
  page.VbrRadio()->click();
  page.MidSideBox()->click();
  page.AutoBox()->click();
  ExpectEncodingEnabled(page, false);
  page.AutoBox()->click();
  ExpectEncodingEnabled(page, true);
  page.AutoBox()->click();

  ASSERT_TRUE(Ok());
  EXPECT_EQ(Printed(), With(before_, {{"AutoDest" + GetParam().prefix + "EncodingParam", "1"}}));
}

// With a bad quality and a bad coefficient, leaving the page first asks
// for the quality, then for the coefficient.
TEST_P(AacFamilyTest, QualityIsCheckedBeforeCoefficient) {
  CAacFamilyPage& page = OpenWithEncoding();
  page.VbrRadio()->click();
  Type(page.Quality(), QStringLiteral("501"));
  page.Sound()->AmplifyBox()->click();
  Type(page.Sound()->CoefficientBox(), QStringLiteral("9"));
  EXPECT_FALSE(Ok());
  Type(page.Quality(), QStringLiteral("500"));
  EXPECT_FALSE(Ok());
  EXPECT_EQ(desktop_.shown, (std::vector<std::string>{QUALITY_MESSAGE, COEFFICIENT_MESSAGE}));
}

INSTANTIATE_TEST_SUITE_P(Pages, AacFamilyTest,
                         ::testing::Values(FamilyRow{"Aac", AAC, "AAC"},
                                           FamilyRow{"M4a", M4A, "M4A"}),
                         RowName<FamilyRow>);

// --- The WMA format drop-down.

struct WmaRow {
  const char* name;
  const char* bitRate;  // stored, bits per second
};
void PrintTo(const WmaRow& row, std::ostream* out) {
  *out << row.name;
}

class WmaSelectionTest : public OptionsTest, public ::testing::WithParamInterface<WmaRow> {};

// The stored bit rate counts in whole kbps; OK stores the listed format's.
TEST_P(WmaSelectionTest, SelectsFormatByRateWholeKbpsAndChannels) {
  Store({{"AutoDestWMAEncodingParam", "0"},
         {"WMASampleRate", "44100"},
         {"WMABitRate", GetParam().bitRate},
         {"WMAChannels", "2"}});
  const Values before = Printed();
  auto& page = OpenPage<CPageWMAOptions>(WMA);
  EXPECT_EQ(page.Encoding()->currentText(), QStringLiteral("44100 Hz, 128 kbps, Stereo"));
  ASSERT_TRUE(Ok());
  EXPECT_EQ(Printed(), With(before, {{"WMABitRate", "128000"}}));
}

INSTANTIATE_TEST_SUITE_P(Pages, WmaSelectionTest,
                         ::testing::Values(WmaRow{"Exact", "128000"},
                                           WmaRow{"WholeKbps", "128500"}),
                         RowName<WmaRow>);

// Makes the WMA runtime look missing for the life of the object.
struct MissingWmaRuntime {
  MissingWmaRuntime() { SetWmaRuntimeMissing(true); }
  ~MissingWmaRuntime() { SetWmaRuntimeMissing(false); }
};

TEST_F(OptionsTest, WmaPageWithoutRuntimeOffersAutoOnlyAndStoresAuto) {
  Store({{"AutoDestWMAEncodingParam", "0"}, {"WMABitRate", "64000"}});
  const Values before = Printed();
  MissingWmaRuntime missing;
  auto& page = OpenPage<CPageWMAOptions>(WMA);
  ASSERT_EQ(page.Encoding()->count(), 1);
  EXPECT_EQ(page.Encoding()->currentText(), QStringLiteral("Auto"));
  EXPECT_EQ(desktop_.shown,
            std::vector<std::string>{std::string("question: ") + WMA_RUNTIME_MISSING_MESSAGE});
  ASSERT_TRUE(Ok());
  EXPECT_EQ(Printed(), With(before, {{"AutoDestWMAEncodingParam", "1"}}));
}

TEST_F(OptionsTest, WmaPageLeavesOutFormatsBelowOneKbps) {
  ASSERT_TRUE(EnsureWmaRuntime(desktop_));
  WmaFormat tiny;
  tiny.wave = WmaWaveFormat{kWmaFormatTagV2, 1, 8000, 100, 64, 16};
  tiny.bitRate = 800;
  tiny.description = "800 bps, 8 kHz, mono";
  ASSERT_TRUE(ProgramWmaFormats().Offer(tiny));
  auto& page = OpenPage<CPageWMAOptions>(WMA);
  const int listed = page.Encoding()->count();
  ProgramWmaFormats().Build();  // the program's list again, without the offered format
  EXPECT_EQ(listed, static_cast<int>(ProgramWmaFormats().Entries().size()) + 1);
  EXPECT_EQ(page.Encoding()->findText(QStringLiteral("8000 Hz, 0 kbps, Mono")), -1);
}

// --- The AMR modes: fallbacks and the band rule.

struct AmrRow {
  const char* name;
  Values stored;
  bool chooseWideBand;
  const char *nb, *wb, *awb;  // the texts shown
  Values changedAtOk;
};
void PrintTo(const AmrRow& row, std::ostream* out) {
  *out << row.name;
}

class AmrModeTest : public OptionsTest, public ::testing::WithParamInterface<AmrRow> {};

TEST_P(AmrModeTest, ShowsModesAndStoresEveryOne) {
  const AmrRow& row = GetParam();
  Store(row.stored);
  const Values before = Printed();
  auto& page = OpenPage<CAmrOptPage>(AMR);
  if (row.chooseWideBand) page.BandRadio(1)->click();
  EXPECT_EQ(page.NbModes()->currentText().toStdString(), row.nb);
  EXPECT_EQ(page.WbModes()->currentText().toStdString(), row.wb);
  EXPECT_EQ(page.AwbModes()->currentText().toStdString(), row.awb);
  EXPECT_EQ(page.NbModes()->isEnabled(), !page.BandRadio(1)->isChecked());
  EXPECT_TRUE(page.AwbModes()->isEnabled());
  ASSERT_TRUE(Ok());
  EXPECT_EQ(Printed(), With(before, row.changedAtOk));
}

const AmrRow AMR_ROWS[] = {
    {"NbModeUnknown",
     {{"AMRMode", "9"}},
     false,
     "7.4 kbps",
     "12.65 kbps",
     "12.65 kbps",
     {{"AMRMode", "4"}}},
    {"WbModesUnknown",
     {{"AMRType", "1"}, {"AMRWBMode", "9"}, {"AWBMode", "4294967295"}},
     false,
     "7.4 kbps",
     "15.85 kbps",
     "15.85 kbps",
     {{"AMRWBMode", "4"}, {"AWBMode", "4"}}},
    {"WideBandKeepsNbMode",
     {{"AMRMode", "2"}},
     true,
     "5.9 kbps",
     "12.65 kbps",
     "12.65 kbps",
     {{"AMRType", "1"}}},
};

INSTANTIATE_TEST_SUITE_P(Pages, AmrModeTest, ::testing::ValuesIn(AMR_ROWS), RowName<AmrRow>);

}  // namespace
