#include "ui/options/OptOggPage.h"

#include <QComboBox>
#include <QVBoxLayout>

#include <algorithm>

#include "app/ConvertSettings.h"
#include "ui/options/PresetList.h"
#include "ui/options/QualityRow.h"
#include "ui/options/SoundSection.h"
#include "ui/options/TagSection.h"
#include "ui/options/ValueCombo.h"

namespace {

const PresetListSpec& OggPresets() {
  static const PresetListSpec spec{
      {QT_TRANSLATE_NOOP("Options", "Auto"), 392},
      {
          {QT_TRANSLATE_NOOP("Options", "11025 Hz, 16 kbps, Mono (low quality, smaller size)"), 776,
           11025, 16, RADIO_MONO},
          {QT_TRANSLATE_NOOP("Options", "22050 Hz, 32 kbps, Stereo (OK quality, small size)"), 792,
           22050, 32, RADIO_STEREO},
          {QT_TRANSLATE_NOOP("Options", "32000 Hz, 96 kbps, Stereo (medium quality, normal size)"),
           808, 32000, 96, RADIO_STEREO},
          {QT_TRANSLATE_NOOP("Options",
                             "44100Hz, 128 kbps, Stereo (close to CD-quality, large size)"),
           824, 44100, 128, RADIO_STEREO},
      },
      {QT_TRANSLATE_NOOP("Options", "Custom"), 2440},
      {8000, 11025, 12000, 16000, 22050, 24000, 32000, 44100, 48000},
      QT_TRANSLATE_NOOP("Options", "&Bit Rate:"),
      {8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 192, 224, 256, 320, 400, 480},
      QT_TRANSLATE_NOOP("Options", " kbps"),
      {QT_TRANSLATE_NOOP("Options", "&Stereo"), QT_TRANSLATE_NOOP("Options", "&Mono"),
       QT_TRANSLATE_NOOP("Options", "Same as &original file")},
  };
  return spec;
}

// The bit rates in kbps the encoder accepts at a sample rate, for stereo
// and for mono output.
struct BitRateRange {
  int sampleRate;
  int stereoLow, stereoHigh;
  int monoLow, monoHigh;
};

constexpr BitRateRange BIT_RATE_RANGES[] = {
    {8000, 16, 80, 8, 40},     {11025, 16, 96, 16, 48},   {12000, 16, 96, 16, 48},
    {16000, 24, 160, 16, 80},  {22050, 32, 160, 16, 80},  {24000, 32, 160, 16, 80},
    {32000, 40, 320, 32, 160}, {44100, 48, 480, 32, 224}, {48000, 48, 480, 32, 224},
};

constexpr TagSectionTexts OGG_TAG_TEXTS{
    QT_TRANSLATE_NOOP("Options", "Add &ID3 tag"),
    QT_TRANSLATE_NOOP("Options", "T&ransfer ID3 tag from source file"),
    QT_TRANSLATE_NOOP("Options", "&None"), QT_TRANSLATE_NOOP("Options", "Edit ID3 &tag")};

}  // namespace

COptOggPage::COptOggPage(const ConvertSettings& values, Desktop& desktop)
    : COptPage(tr("OGG Options"), values, desktop) {
  presets_ = new PresetList(this, OggPresets());
  quality_ = new QualityRow(presets_, QT_TRANSLATE_NOOP("Options", "&Quality instead of bit rate:"),
                            {{QT_TRANSLATE_NOOP("Options", "-1 (smallest)"), -1},
                             {"0", 0},
                             {"1", 1},
                             {"2", 2},
                             {QT_TRANSLATE_NOOP("Options", "3 (default)"), 3},
                             {"4", 4},
                             {"5", 5},
                             {"6", 6},
                             {"7", 7},
                             {"8", 8},
                             {"9", 9},
                             {QT_TRANSLATE_NOOP("Options", "10 (best, largest)"), 10}});
  presets_->AddRow(quality_);
  tags_ = new TagSection(this, OGG_TAG_TEXTS, true, desktop_);
  sound_ = new SoundSection(this);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(presets_);
  layout->addWidget(tags_);
  layout->addWidget(sound_);
  layout->addStretch(1);

  connect(presets_, &PresetList::ValueChosen, this, &COptOggPage::KeepBitRateInRange);
  connect(presets_, &PresetList::SampleRateChosen, this, &COptOggPage::KeepBitRateInRange);
  connect(presets_, &PresetList::ChannelChosen, this, &COptOggPage::KeepBitRateInRange);
  // After the preset list's own handling, which enables the bit rate again.
  connect(presets_->Presets(), &QComboBox::currentIndexChanged, this,
          &COptOggPage::UpdateBitRateEnabled);
  connect(quality_, &QualityRow::Toggled, this, &COptOggPage::UpdateBitRateEnabled);
}

void COptOggPage::Initialise() {
  presets_->Load({values_.autoDestOGGEncodingParam != 0, static_cast<int>(values_.oggSampleRate),
                  static_cast<int>(values_.oggBitRate), RadioForChannelCount(values_.oggChannels)});
  tags_->Load(values_.oggID3TagType, values_.oggTag);
  sound_->Load(values_.amplifyOGG, values_.amplifyOGGCoeff);
  quality_->Load(values_.oggQualityMode != 0, OggQualityLevel(values_.oggQuality));
  UpdateBitRateEnabled();
}

bool COptOggPage::Leave() {
  return sound_->Check(desktop_);
}

void COptOggPage::CopyOut(ConvertSettings& settings) {
  const PresetValues encoding = presets_->ReadBack();
  settings.autoDestOGGEncodingParam = encoding.autoMode ? 1 : 0;
  if (!encoding.autoMode) {
    settings.oggBitRate = static_cast<uint32_t>(encoding.value);
    settings.oggSampleRate = static_cast<uint32_t>(encoding.sampleRate);
    settings.oggChannels = ChannelCountForRadio(encoding.channel);
    settings.oggQualityMode = quality_->IsOn() ? 1 : 0;
    settings.oggQuality = static_cast<uint32_t>(quality_->Level());
  }
  settings.oggID3TagType = tags_->TagType();
  settings.oggTag = tags_->Preset();
  settings.amplifyOGG = sound_->Amplify();
  settings.amplifyOGGCoeff = sound_->Coefficient();
}

// The bit rate counts only while the quality does not decide; the quality
// row only in custom mode.
void COptOggPage::UpdateBitRateEnabled() {
  const bool custom = !presets_->ReadBack().autoMode;
  quality_->SetCustom(custom);
  presets_->Values()->setEnabled(custom && !quality_->IsOn());
}

// Run after the bit rate, the sample rate or the channels changed: a bit
// rate outside the range for the rate and channels moves to its nearer end.
// Nothing is limited while either value is the source's or the channels
// are the source's.
void COptOggPage::KeepBitRateInRange() {
  const int sampleRate = SelectedValue(*presets_->SampleRates());
  const int bitRate = SelectedValue(*presets_->Values());
  const int channel = presets_->Current().channel;
  if (sampleRate <= 0 || bitRate <= 0 || channel == RADIO_SAME_AS_SOURCE) return;
  int limited = bitRate;
  for (const BitRateRange& range : BIT_RATE_RANGES) {
    if (range.sampleRate != sampleRate) continue;
    limited = channel == RADIO_MONO ? std::clamp(bitRate, range.monoLow, range.monoHigh)
                                    : std::clamp(bitRate, range.stereoLow, range.stereoHigh);
  }
  if (limited != bitRate) presets_->ShowValue(limited);
  presets_->SelectCustom();
  presets_->Store(sampleRate, limited);
}
