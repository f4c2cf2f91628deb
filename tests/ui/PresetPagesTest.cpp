// The MP3, WAV and OGG pages of the options sheet, worked through their
// real controls over a settings file that the command line reads back.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "OptionsFixture.h"
#include "ui/options/OptMp3Page.h"
#include "ui/options/PresetList.h"
#include "ui/options/QualityRow.h"
#include "ui/options/SoundSection.h"
#include "ui/options/SpinStepCtrl.h"
#include "ui/options/TagEditDlg.h"
#include "ui/options/TagSection.h"

namespace {

using Values = std::map<std::string, std::string>;

const char* const MP3_CD_PRESET =
    "44100Hz, 128 kbps, Joint Stereo (close to CD-quality, large size)";
const char* const INVALID_COEFFICIENT =
    "exclamation: Invalid amplification coefficient. It's betwen 10 and 3000.";

// One action on a preset page's controls: a row of the preset drop-down
// (by index), a sample rate or a bit rate / bits item (by its number, 0 for
// "Same as original file"), a channel radio (by index), the quality box
// ticked with a level, or the MP3 gapless box ticked.
struct Edit {
  enum Kind { PRESET, RATE, VALUE, CHANNEL, QUALITY, GAPLESS } kind;
  int number;
};

void Choose(QComboBox& combo, int number) {
  const int index = combo.findData(number);
  ASSERT_GE(index, 0) << "no item " << number;
  combo.setCurrentIndex(index);
}

void Apply(PresetList& list, const Edit& edit) {
  switch (edit.kind) {
    case Edit::PRESET:
      list.Presets()->setCurrentIndex(edit.number);
      break;
    case Edit::RATE:
      Choose(*list.SampleRates(), edit.number);
      break;
    case Edit::VALUE:
      Choose(*list.Values(), edit.number);
      break;
    case Edit::CHANNEL:
      list.ChannelRadio(edit.number)->click();
      break;
    case Edit::QUALITY:
      list.findChild<QualityRow*>()->Check()->click();
      EXPECT_FALSE(list.Values()->isEnabled());  // the quality replaces the bit rate
      Choose(*list.findChild<QualityRow*>()->Levels(), edit.number);
      break;
    case Edit::GAPLESS:
      qobject_cast<COptMp3Page*>(list.parentWidget())->Gapless()->click();
      break;
  }
}

// The names whose values differ between two printouts, with both values.
std::string Differences(const Values& got, const Values& want) {
  std::string differences;
  Values all = got;
  all.insert(want.begin(), want.end());
  for (const auto& [name, value] : all) {
    const auto gotAt = got.find(name);
    const auto wantAt = want.find(name);
    const std::string gotValue = gotAt == got.end() ? "(none)" : gotAt->second;
    const std::string wantValue = wantAt == want.end() ? "(none)" : wantAt->second;
    if (gotValue != wantValue) differences += name + "=" + gotValue + " not " + wantValue + "; ";
  }
  return differences;
}

class PresetPagesTest : public OptionsTest {
 protected:
  // Opens the sheet on `title` and answers the page's preset section.
  PresetList& OpenPresets(const char* title) {
    page_ = &OpenOn(QString::fromLatin1(title));
    auto* list = page_->findChild<PresetList*>();
    EXPECT_NE(list, nullptr);
    return *list;
  }
  SoundSection& Sound() const { return *page_->findChild<SoundSection*>(); }

  COptPage* page_ = nullptr;
};

// Edits through the controls, then OK: the preset list shows the expected
// row, and the command line prints what it printed before with exactly
// the expected values changed.
struct RuleCase {
  const char* name;
  const char* page;
  Values stored;
  std::vector<Edit> edits;
  const char* presetShown;
  Values changed;
};

class PresetRulesTest : public PresetPagesTest, public ::testing::WithParamInterface<RuleCase> {};

TEST_P(PresetRulesTest, EditsThenOkStoreExactlyTheResult) {
  const RuleCase& row = GetParam();
  Store(row.stored);
  Values expected = Printed();
  for (const auto& [name, value] : row.changed) expected[name] = value;

  PresetList& list = OpenPresets(row.page);
  for (const Edit& edit : row.edits) Apply(list, edit);
  EXPECT_EQ(list.Presets()->currentText().toStdString(), row.presetShown);
  ASSERT_TRUE(Ok());
  EXPECT_EQ(Differences(Printed(), expected), "");
}

Values Mp3(const char* rate, const char* bitRate, const char* mode) {
  return {{"AutoDestMP3EncodingParam", "0"},
          {"MP3SampleRate", rate},
          {"MP3BitRate", bitRate},
          {"MP3ChannelMode", mode}};
}
Values Wav(const char* rate, const char* bits, const char* channels) {
  return {{"AutoDestWAVEncodingParam", "0"},
          {"WAVSampleRate", rate},
          {"WAVBitsPerSample", bits},
          {"WAVChannelNum", channels}};
}
Values Ogg(const char* rate, const char* bitRate, const char* channels) {
  return {{"AutoDestOGGEncodingParam", "0"},
          {"OGGSampleRate", rate},
          {"OGGBitRate", bitRate},
          {"OGGChannels", channels}};
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Pages, PresetRulesTest,
    ::testing::Values(
        RuleCase{"Mp3LowBitRateLowersRate", "MP3 Options", Mp3("44100", "128", "1"),
                 {{Edit::VALUE, 16}}, "Custom", Mp3("24000", "16", "1")},
        RuleCase{"Mp3LowBitRateKeepsLowRate", "MP3 Options", Mp3("22050", "32", "1"),
                 {{Edit::VALUE, 16}}, "Custom", Mp3("22050", "16", "1")},
        RuleCase{"Mp3MiddleBitRateRaisesRate", "MP3 Options", Mp3("8000", "32", "1"),
                 {{Edit::VALUE, 96}}, "Custom", Mp3("16000", "96", "1")},
        RuleCase{"Mp3HighBitRateRaisesRate", "MP3 Options", Mp3("11025", "64", "1"),
                 {{Edit::VALUE, 192}}, "Custom", Mp3("32000", "192", "1")},
        RuleCase{"Mp3LowRateLowersBitRate", "MP3 Options", Mp3("44100", "128", "1"),
                 {{Edit::RATE, 8000}}, "Custom", Mp3("8000", "64", "1")},
        RuleCase{"Mp3MiddleRateLowersBitRate", "MP3 Options", Mp3("44100", "320", "1"),
                 {{Edit::RATE, 24000}}, "Custom", Mp3("24000", "160", "1")},
        RuleCase{"Mp3HighRateRaisesBitRate", "MP3 Options", Mp3("22050", "24", "1"),
                 {{Edit::RATE, 48000}}, "Custom", Mp3("48000", "32", "1")},
        // With the source's rate a bit rate limits nothing and the preset
        // row stays, though the values no longer match it.
        RuleCase{"Mp3SourceRateLimitsNothing", "MP3 Options", Mp3("44100", "128", "1"),
                 {{Edit::RATE, 0}, {Edit::VALUE, 320}}, MP3_CD_PRESET, Mp3("0", "320", "1")},
        RuleCase{"Mp3PresetRowSetsMono", "MP3 Options", {{"AutoDestMP3EncodingParam", "1"}},
                 {{Edit::PRESET, 1}}, "11025 Hz, 16 kbps, Mono (low quality, smaller file size)",
                 Mp3("11025", "16", "3")},
        RuleCase{"Mp3StereoByHand", "MP3 Options", Mp3("44100", "128", "1"),
                 {{Edit::CHANNEL, 1}}, "Custom", Mp3("44100", "128", "0")},
        RuleCase{"Mp3SourceChannelsByHand", "MP3 Options", Mp3("22050", "32", "0"),
                 {{Edit::CHANNEL, 3}}, "Custom", Mp3("22050", "32", "4")},
        RuleCase{"Mp3AutoKeepsStoredEncoding", "MP3 Options", Mp3("22050", "32", "0"),
                 {{Edit::RATE, 8000}, {Edit::CHANNEL, 2}, {Edit::PRESET, 0}}, "Auto",
                 {{"AutoDestMP3EncodingParam", "1"}}},
        RuleCase{"WavEightBitPresetThenSixteenBits", "WAV Options",
                 {{"AutoDestWAVEncodingParam", "1"}}, {{Edit::PRESET, 1}, {Edit::VALUE, 16}},
                 "Custom", Wav("11025", "16", "1")},
        RuleCase{"WavRateAndBitsHaveNoLimits", "WAV Options", Wav("44100", "16", "2"),
                 {{Edit::RATE, 96000}, {Edit::VALUE, 8}}, "Custom", Wav("96000", "8", "2")},
        RuleCase{"WavSourceValuesByHand", "WAV Options", Wav("22050", "16", "2"),
                 {{Edit::VALUE, 0}, {Edit::CHANNEL, 2}}, "Custom", Wav("22050", "0", "0")},
        RuleCase{"WavAutoKeepsStoredEncoding", "WAV Options", Wav("22050", "8", "1"),
                 {{Edit::VALUE, 16}, {Edit::PRESET, 0}}, "Auto",
                 {{"AutoDestWAVEncodingParam", "1"}}},
        RuleCase{"OggStereoRaisesLowBitRate", "OGG Options", Ogg("44100", "128", "2"),
                 {{Edit::VALUE, 8}}, "Custom", Ogg("44100", "48", "2")},
        RuleCase{"OggMonoLowersHighBitRate", "OGG Options", Ogg("44100", "480", "2"),
                 {{Edit::CHANNEL, 1}}, "Custom", Ogg("44100", "224", "1")},
        RuleCase{"OggLowRateLowersBitRate", "OGG Options", Ogg("44100", "480", "2"),
                 {{Edit::RATE, 8000}}, "Custom", Ogg("8000", "80", "2")},
        RuleCase{"OggMonoAtLowRateRaisesBitRate", "OGG Options", Ogg("8000", "8", "1"),
                 {{Edit::RATE, 32000}}, "Custom", Ogg("32000", "32", "1")},
        RuleCase{"OggSourceChannelsLimitNothing", "OGG Options", Ogg("44100", "128", "0"),
                 {{Edit::VALUE, 8}}, "Custom", Ogg("44100", "8", "0")},
        RuleCase{"OggPresetRowSetsMono", "OGG Options", {{"AutoDestOGGEncodingParam", "1"}},
                 {{Edit::PRESET, 1}}, "11025 Hz, 16 kbps, Mono (low quality, smaller size)",
                 Ogg("11025", "16", "1")},
        RuleCase{"OggAutoKeepsStoredEncoding", "OGG Options", Ogg("22050", "32", "1"),
                 {{Edit::RATE, 48000}, {Edit::PRESET, 0}}, "Auto",
                 {{"AutoDestOGGEncodingParam", "1"}}},
        RuleCase{"Mp3VariableBitRateAndGapless", "MP3 Options", Mp3("44100", "128", "1"),
                 {{Edit::QUALITY, 7}, {Edit::GAPLESS, 0}}, MP3_CD_PRESET,
                 {{"MP3VBR", "1"}, {"MP3VBRQuality", "7"}, {"MP3Gapless", "1"}}},
        RuleCase{"Mp3GaplessHoldsInAuto", "MP3 Options", {{"AutoDestMP3EncodingParam", "1"}},
                 {{Edit::GAPLESS, 0}}, "Auto", {{"MP3Gapless", "1"}}},
        RuleCase{"OggLowestQuality", "OGG Options", Ogg("44100", "128", "2"), {{Edit::QUALITY, -1}},
                 "44100Hz, 128 kbps, Stereo (close to CD-quality, large size)",
                 {{"OGGQualityMode", "1"}, {"OGGQuality", "4294967295"}}}),
    [](const auto& row) { return std::string(row.param.name); });
// clang-format on

// Stored values show on opening: the preset row, the drop-downs, the
// channel radio, whether the values can be edited, and the Sound section.
struct OpenCase {
  const char* name;
  const char* page;
  Values stored;
  const char* preset;
  const char* rate;
  const char* value;
  int channel;
  bool amplify;
  int coefficient;
};

class PresetOpenTest : public PresetPagesTest, public ::testing::WithParamInterface<OpenCase> {};

TEST_P(PresetOpenTest, StoredValuesShow) {
  const OpenCase& row = GetParam();
  Store(row.stored);
  PresetList& list = OpenPresets(row.page);
  const bool autoMode = std::string(row.preset) == "Auto";
  EXPECT_EQ(list.Presets()->currentText().toStdString(), row.preset);
  EXPECT_EQ(list.SampleRates()->currentText().toStdString(), row.rate);
  EXPECT_EQ(list.Values()->currentText().toStdString(), row.value);
  EXPECT_TRUE(list.ChannelRadio(row.channel)->isChecked());
  EXPECT_EQ(list.SampleRates()->isEnabled(), !autoMode);
  EXPECT_EQ(list.Values()->isEnabled(), !autoMode);
  EXPECT_EQ(list.ChannelRadio(0)->isEnabled(), !autoMode);
  EXPECT_EQ(Sound().AmplifyBox()->isChecked(), row.amplify);
  EXPECT_EQ(Sound().CoefficientBox()->value(), row.coefficient);
  EXPECT_EQ(Sound().CoefficientBox()->isEnabled(), row.amplify);
}

Values With(Values values, const Values& more) {
  values.insert(more.begin(), more.end());
  return values;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Pages, PresetOpenTest,
    ::testing::Values(
        OpenCase{"Mp3JointStereoPreset", "MP3 Options",
                 With(Mp3("44100", "128", "1"), {{"AmplifyMp3", "1"}, {"AmplifyMp3Coeff", "250"}}),
                 MP3_CD_PRESET, "44100 Hz", "128 kbps", 0, true, 250},
        OpenCase{"Mp3StereoIsCustom", "MP3 Options", Mp3("44100", "128", "0"), "Custom",
                 "44100 Hz", "128 kbps", 1, false, 100},
        OpenCase{"Mp3UnlistedRateShowsFirst", "MP3 Options", Mp3("44000", "0", "4"), "Custom",
                 "8000 Hz", "Same as original file", 3, false, 100},
        OpenCase{"Mp3Auto", "MP3 Options",
                 {{"MP3SampleRate", "22050"}, {"MP3BitRate", "320"}, {"MP3ChannelMode", "3"}},
                 "Auto", "22050 Hz", "320 kbps", 2, false, 100},
        OpenCase{"WavMonoPreset", "WAV Options",
                 With(Wav("11025", "8", "1"), {{"AmplifyWav", "1"}, {"AmplifyWavCoeff", "3000"}}),
                 "11025 Hz, 8 bits, Mono (low quality, smaller file size)", "11025 Hz", "8 bits",
                 1, true, 3000},
        OpenCase{"WavSourceValues", "WAV Options", Wav("0", "0", "0"), "Custom",
                 "Same as original file", "Same as original file", 2, false, 100},
        OpenCase{"OggStereoPreset", "OGG Options",
                 With(Ogg("32000", "96", "2"), {{"AmplifyOGG", "1"}, {"AmplifyOGGCoeff", "10"}}),
                 "32000 Hz, 96 kbps, Stereo (medium quality, normal size)", "32000 Hz",
                 "96 kbps", 0, true, 10},
        OpenCase{"OggAuto", "OGG Options",
                 {{"OGGSampleRate", "8000"}, {"OGGBitRate", "480"}, {"OGGChannels", "1"}},
                 "Auto", "8000 Hz", "480 kbps", 1, false, 100}),
    [](const auto& row) { return std::string(row.param.name); });
// clang-format on

// The coefficient is checked when the page is left, only while amplify is
// ticked; a refusal keeps the sheet open on the page with the focus in the
// coefficient box.
struct CoefficientCase {
  const char* name;
  const char* page;
  bool amplify;
  const char* typed;
  const char* storedAs;  // the stored line after OK, or nullptr when refused
};

class CoefficientTest : public PresetPagesTest,
                        public ::testing::WithParamInterface<CoefficientCase> {};

TEST_P(CoefficientTest, CheckedWhenAmplifyIsTicked) {
  const CoefficientCase& row = GetParam();
  OpenPresets(row.page);
  // The box takes typing only while amplify is ticked.
  Sound().AmplifyBox()->click();
  CSpinStepCtrl& box = *Sound().CoefficientBox();
  box.clear();
  QTest::keyClicks(&box, QString::fromLatin1(row.typed));
  if (!row.amplify) Sound().AmplifyBox()->click();
  if (!row.storedAs) {
    EXPECT_FALSE(Ok());
    EXPECT_EQ(desktop_.shown, std::vector<std::string>{INVALID_COEFFICIENT});
    EXPECT_EQ(sheet_->Tabs().tabText(sheet_->Tabs().currentIndex()).toStdString(), row.page);
    QWidget* focus = sheet_->focusWidget();
    EXPECT_TRUE(focus == &box || focus == box.findChild<QLineEdit*>());
    return;
  }
  ASSERT_TRUE(Ok());
  EXPECT_TRUE(desktop_.shown.empty());
  EXPECT_NE(FileBytes().find(std::string(row.storedAs) + "\n"), std::string::npos) << FileBytes();
}

INSTANTIATE_TEST_SUITE_P(
    Pages, CoefficientTest,
    ::testing::Values(
        CoefficientCase{"Mp3TooSmall", "MP3 Options", true, "5", nullptr},
        CoefficientCase{"Mp3TooLarge", "MP3 Options", true, "3001", nullptr},
        CoefficientCase{"Mp3Largest", "MP3 Options", true, "3000", "AmplifyMp3Coeff=3000"},
        CoefficientCase{"Mp3NotAmplified", "MP3 Options", false, "5", "AmplifyMp3Coeff=5"},
        CoefficientCase{"WavTooSmall", "WAV Options", true, "9", nullptr},
        CoefficientCase{"WavSmallest", "WAV Options", true, "10", "AmplifyWavCoeff=10"},
        CoefficientCase{"WavNotAmplified", "WAV Options", false, "5", "AmplifyWavCoeff=5"},
        CoefficientCase{"OggTooLarge", "OGG Options", true, "3001", nullptr},
        CoefficientCase{"OggNotAmplified", "OGG Options", false, "5", "AmplifyOGGCoeff=5"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(PresetPagesTest, CoefficientArrowsStepByTenWithinRange) {
  OpenPresets("WAV Options");
  Sound().AmplifyBox()->click();
  CSpinStepCtrl& box = *Sound().CoefficientBox();
  struct Step {
    int from;
    Qt::Key key;
    int to;
  };
  for (const Step& step :
       {Step{100, Qt::Key_Up, 110}, Step{100, Qt::Key_Down, 90}, Step{2995, Qt::Key_Up, 3000},
        Step{3000, Qt::Key_Up, 3000}, Step{15, Qt::Key_Down, 10}, Step{10, Qt::Key_Down, 10}}) {
    box.setValue(step.from);
    QTest::keyClick(&box, step.key);
    EXPECT_EQ(box.value(), step.to) << step.from;
  }
}

// Cancel after edits on every control leaves the settings file as it was.
class PresetCancelTest : public PresetPagesTest,
                         public ::testing::WithParamInterface<const char*> {};

TEST_P(PresetCancelTest, LeavesTheFileByteIdentical) {
  Store({{"MP3Tag/Artist", "Ann"}});
  const std::string before = FileBytes();
  ASSERT_NE(before.find("Artist=Ann"), std::string::npos);
  PresetList& list = OpenPresets(GetParam());
  for (const Edit& edit : {Edit{Edit::PRESET, 1}, Edit{Edit::RATE, 8000}, Edit{Edit::VALUE, 16},
                           Edit{Edit::CHANNEL, 2}})
    Apply(list, edit);
  Sound().AmplifyBox()->click();
  Cancel();
  EXPECT_EQ(FileBytes(), before);
}

INSTANTIATE_TEST_SUITE_P(Pages, PresetCancelTest,
                         ::testing::Values("MP3 Options", "WAV Options", "OGG Options"),
                         [](const auto& row) { return std::string(row.param, 3); });

// The tag option and the page's own tag preset: the edit button works only
// for the preset option, and the edited preset is stored for that format
// alone.
struct TagCase {
  const char* page;
  const char* prefix;  // "MP3" or "OGG"
  const char* other;
};

class PresetTagTest : public PresetPagesTest, public ::testing::WithParamInterface<TagCase> {};

TEST_P(PresetTagTest, EditedPresetIsStoredForItsFormat) {
  const TagCase& row = GetParam();
  const std::string prefix = row.prefix;
  Store({{prefix + "ID3TagType", "2"}, {prefix + "Tag/Artist", "Old"}});
  OpenPresets(row.page);
  TagSection& tags = *page_->findChild<TagSection*>();
  EXPECT_TRUE(tags.Radio(2)->isChecked());
  EXPECT_FALSE(tags.EditButton()->isEnabled());
  tags.Radio(0)->click();
  ASSERT_TRUE(tags.EditButton()->isEnabled());
  OnNextModal([](QWidget* modal) {
    auto* dialog = qobject_cast<CTagEditDlg*>(modal);
    if (!dialog) {
      ADD_FAILURE() << "the tag editor did not open";
      modal->close();
      return;
    }
    EXPECT_EQ(dialog->Text("artist")->text().toStdString(), "Old");
    dialog->Text("artist")->setText(QStringLiteral("Ann"));
    dialog->accept();
  });
  tags.EditButton()->click();
  ASSERT_TRUE(Ok());
  Values printed = Printed();
  EXPECT_EQ(printed[prefix + "ID3TagType"], "0");
  EXPECT_EQ(printed[prefix + "Tag/Artist"], "Ann");
  EXPECT_EQ(printed[std::string(row.other) + "Tag/Artist"], "");
}

INSTANTIATE_TEST_SUITE_P(Pages, PresetTagTest,
                         ::testing::Values(TagCase{"MP3 Options", "MP3", "OGG"},
                                           TagCase{"OGG Options", "OGG", "MP3"}),
                         [](const auto& row) { return std::string(row.param.prefix); });

TEST_F(PresetPagesTest, Mp3VersionRadiosFollowTheTagOption) {
  Store({{"MP3ID3TagType", "2"}, {"MP3WriteID3Version", "2"}});
  auto& page = OpenPage<COptMp3Page>(QStringLiteral("MP3 Options"));
  EXPECT_TRUE(page.VersionRadio(2)->isChecked());
  for (int version = 0; version < 3; ++version)
    EXPECT_FALSE(page.VersionRadio(version)->isEnabled());
  page.Tags()->Radio(1)->click();
  EXPECT_TRUE(page.VersionRadio(0)->isEnabled());
  EXPECT_FALSE(page.Tags()->EditButton()->isEnabled());
  page.VersionRadio(0)->click();
  ASSERT_TRUE(Ok());
  Values printed = Printed();
  EXPECT_EQ(printed["MP3ID3TagType"], "1");
  EXPECT_EQ(printed["MP3WriteID3Version"], "0");
}

TEST_F(PresetPagesTest, Mp3LinksOpenInTheBrowser) {
  auto& page = OpenPage<COptMp3Page>(QStringLiteral("MP3 Options"));
  for (QLabel* link : {page.JointStereoLink(), page.EncoderLink()}) {
    ASSERT_TRUE(link->isVisible());
    QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(4, link->height() / 2));
  }
  ASSERT_EQ(desktop_.opened.size(), 2u);
  EXPECT_EQ(desktop_.opened[0].rfind("url: https://", 0), 0u) << desktop_.opened[0];
  EXPECT_NE(desktop_.opened[0].find("joint+stereo+vs+stereo"), std::string::npos);
  EXPECT_EQ(desktop_.opened[1], "url: https://lame.sourceforge.io/");
}

}  // namespace
