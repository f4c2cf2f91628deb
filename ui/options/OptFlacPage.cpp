#include "ui/options/OptFlacPage.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

#include "app/ConvertSettings.h"
#include "ui/options/PresetList.h"
#include "ui/options/SoundSection.h"
#include "ui/options/TagSection.h"
#include "ui/options/ValueCombo.h"

namespace {

const PresetListSpec& FlacPresets() {
  static const PresetListSpec presets{
      {QT_TRANSLATE_NOOP("Options", "Auto (the source's rate and channels)"), 3200},
      {
          {QT_TRANSLATE_NOOP("Options", "44100 Hz, level 0, Stereo (fastest, larger size)"), 3210,
           44100, 0, RADIO_STEREO},
          {QT_TRANSLATE_NOOP("Options", "44100 Hz, level 5, Stereo (CD quality, usual size)"), 3215,
           44100, 5, RADIO_STEREO},
          {QT_TRANSLATE_NOOP("Options", "44100 Hz, level 8, Stereo (smallest size, slowest)"), 3218,
           44100, 8, RADIO_STEREO},
          {QT_TRANSLATE_NOOP("Options", "48000 Hz, level 5, Stereo (video sound)"), 3225, 48000, 5,
           RADIO_STEREO},
      },
      {QT_TRANSLATE_NOOP("Options", "Custom"), 3299},
      {8000, 11025, 16000, 22050, 32000, 44100, 48000, 88200, 96000, 176400, 192000},
      QT_TRANSLATE_NOOP("Options", "Compression &Level:"),
      {0, 1, 2, 3, 4, 5, 6, 7, 8},
      "",
      {QT_TRANSLATE_NOOP("Options", "&Stereo"), QT_TRANSLATE_NOOP("Options", "&Mono"),
       QT_TRANSLATE_NOOP("Options", "Same as &original file")},
  };
  return presets;
}

constexpr TagSectionTexts FLAC_TAG_TEXTS{
    QT_TRANSLATE_NOOP("Options", "Add &tag"),
    QT_TRANSLATE_NOOP("Options", "T&ransfer tag from source file"),
    QT_TRANSLATE_NOOP("Options", "&None"), QT_TRANSLATE_NOOP("Options", "Edit &tag")};

}  // namespace

COptFlacPage::COptFlacPage(const ConvertSettings& values, Desktop& desktop)
    : COptPage(tr("FLAC Options"), values, desktop) {
  presets_ = new PresetList(this, FlacPresets());
  tags_ = new TagSection(this, FLAC_TAG_TEXTS, true, desktop_);
  sound_ = new SoundSection(this);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(presets_);
  layout->addWidget(tags_);
  layout->addWidget(sound_);
  layout->addStretch(1);

  // Any rate or level chosen by hand makes the choice a custom one.
  connect(presets_, &PresetList::SampleRateChosen, this, [this](int sampleRate) {
    if (sampleRate == presets_->Current().sampleRate) return;
    presets_->SelectCustom();
    presets_->Store(sampleRate, presets_->Current().value);
  });
  // The level applies in automatic mode too: its list stays enabled there,
  // and a level chosen in automatic mode keeps that mode.
  connect(presets_, &PresetList::ValueChosen, this, [this](int level) {
    if (level == presets_->Current().value) return;
    if (!presets_->ReadBack().autoMode) presets_->SelectCustom();
    presets_->Store(presets_->Current().sampleRate, level);
  });
  connect(presets_->Presets(), &QComboBox::currentIndexChanged, this,
          [this] { presets_->Values()->setEnabled(true); });
}

void COptFlacPage::Initialise() {
  presets_->Load({values_.autoDestFLACEncodingParam != 0, static_cast<int>(values_.flacSampleRate),
                  static_cast<int>(values_.flacCompressionLevel),
                  RadioForChannelCount(values_.flacChannels)});
  // Every level is a level of its own: the level list has no "same as the
  // original" item, whose code would read as level 0.
  QComboBox* levels = presets_->Values();
  const QSignalBlocker blocker(levels);
  levels->removeItem(levels->count() - 1);
  SelectValue(*levels, static_cast<int>(std::min<uint32_t>(values_.flacCompressionLevel, 8)));
  levels->setEnabled(true);
  tags_->Load(values_.flacTagType, values_.flacTag);
  sound_->Load(values_.amplifyFLAC, values_.amplifyFLACCoeff);
}

bool COptFlacPage::Leave() {
  return sound_->Check(desktop_);
}

void COptFlacPage::CopyOut(ConvertSettings& settings) {
  const PresetValues encoding = presets_->ReadBack();
  settings.autoDestFLACEncodingParam = encoding.autoMode ? 1 : 0;
  if (encoding.value >= 0 && encoding.value <= 8)
    settings.flacCompressionLevel = static_cast<uint32_t>(encoding.value);
  if (!encoding.autoMode) {
    settings.flacSampleRate = static_cast<uint32_t>(encoding.sampleRate);
    settings.flacChannels = ChannelCountForRadio(encoding.channel);
  }
  settings.flacTagType = tags_->TagType();
  settings.flacTag = tags_->Preset();
  settings.amplifyFLAC = sound_->Amplify();
  settings.amplifyFLACCoeff = sound_->Coefficient();
}
