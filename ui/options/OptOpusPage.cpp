#include "ui/options/OptOpusPage.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <QWidget>

#include <algorithm>

#include "app/ConvertSettings.h"
#include "ui/options/PresetList.h"
#include "ui/options/SoundSection.h"
#include "ui/options/TagSection.h"
#include "ui/options/ValueCombo.h"

namespace {

// Every row keeps the source's frequency (0).
const PresetListSpec& OpusPresets() {
  static const PresetListSpec presets{
      {QT_TRANSLATE_NOOP("Options", "Auto (the source's channels, 64 kbps per channel)"), 4100},
      {
          {QT_TRANSLATE_NOOP("Options", "32 kbps, Mono (speech, smallest size)"), 4110, 0, 32,
           RADIO_MONO},
          {QT_TRANSLATE_NOOP("Options", "64 kbps, Stereo (good quality, small size)"), 4120, 0, 64,
           RADIO_STEREO},
          {QT_TRANSLATE_NOOP("Options", "128 kbps, Stereo (transparent music, normal size)"), 4130,
           0, 128, RADIO_STEREO},
          {QT_TRANSLATE_NOOP("Options", "192 kbps, Stereo (archive quality, large size)"), 4140, 0,
           192, RADIO_STEREO},
      },
      {QT_TRANSLATE_NOOP("Options", "Custom"), 4199},
      {},
      QT_TRANSLATE_NOOP("Options", "&Bit Rate:"),
      {6, 8, 12, 16, 24, 32, 48, 64, 96, 128, 160, 192, 256, 320, 384, 448, 510},
      QT_TRANSLATE_NOOP("Options", " kbps"),
      {QT_TRANSLATE_NOOP("Options", "&Stereo"), QT_TRANSLATE_NOOP("Options", "&Mono"),
       QT_TRANSLATE_NOOP("Options", "Same as &original file")},
  };
  return presets;
}

constexpr TagSectionTexts OPUS_TAG_TEXTS{
    QT_TRANSLATE_NOOP("Options", "Add &tag"),
    QT_TRANSLATE_NOOP("Options", "T&ransfer tag from source file"),
    QT_TRANSLATE_NOOP("Options", "&None"), QT_TRANSLATE_NOOP("Options", "Edit &tag")};

}  // namespace

COptOpusPage::COptOpusPage(const ConvertSettings& values, Desktop& desktop)
    : COptPage(tr("Opus Options"), values, desktop) {
  presets_ = new PresetList(this, OpusPresets());
  mode_ = new QComboBox(this);
  mode_->addItem(tr("Variable (VBR)"), 0);
  mode_->addItem(tr("Constrained variable (CVBR)"), 1);
  mode_->addItem(tr("Constant (CBR)"), 2);
  complexity_ = new QComboBox(this);
  for (int level = 0; level <= 10; ++level) complexity_->addItem(QString::number(level), level);
  auto* modeLabel = new QLabel(tr("Bit Rate &Mode:"), this);
  modeLabel->setBuddy(mode_);
  auto* complexityLabel = new QLabel(tr("Com&plexity:"), this);
  complexityLabel->setBuddy(complexity_);
  auto* row = new QWidget(presets_);
  auto* rowLayout = new QHBoxLayout(row);
  rowLayout->setContentsMargins(0, 0, 0, 0);
  rowLayout->addWidget(modeLabel);
  rowLayout->addWidget(mode_, 1);
  rowLayout->addWidget(complexityLabel);
  rowLayout->addWidget(complexity_);
  presets_->AddRow(row);

  tags_ = new TagSection(this, OPUS_TAG_TEXTS, true, desktop_);
  sound_ = new SoundSection(this);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(presets_);
  layout->addWidget(tags_);
  layout->addWidget(sound_);
  layout->addStretch(1);

  // A bit rate chosen by hand makes the choice a custom one.
  connect(presets_, &PresetList::ValueChosen, this, [this](int kbps) {
    if (kbps == presets_->Current().value) return;
    presets_->SelectCustom();
    presets_->Store(0, kbps);
  });
}

void COptOpusPage::Initialise() {
  presets_->Load({values_.autoDestOpusEncodingParam != 0, 0,
                  static_cast<int>(values_.opusBitRate),
                  RadioForChannelCount(values_.opusChannels)});
  // Every bit rate is a rate of its own: the list has no "same as the
  // original" item (a compressed source's bit rate means nothing to Opus).
  QComboBox* rates = presets_->Values();
  {
    const QSignalBlocker blocker(rates);
    rates->removeItem(rates->count() - 1);
    if (!SelectValue(*rates, static_cast<int>(values_.opusBitRate)))
      SelectValue(*rates, 128);
  }
  SelectValue(*mode_, static_cast<int>(std::min<uint32_t>(values_.opusBitRateMode, 2)));
  SelectValue(*complexity_, static_cast<int>(std::min<uint32_t>(values_.opusComplexity, 10)));
  tags_->Load(values_.opusTagType, values_.opusTag);
  sound_->Load(values_.amplifyOpus, values_.amplifyOpusCoeff);
}

bool COptOpusPage::Leave() {
  return sound_->Check(desktop_);
}

void COptOpusPage::CopyOut(ConvertSettings& settings) {
  const PresetValues encoding = presets_->ReadBack();
  settings.autoDestOpusEncodingParam = encoding.autoMode ? 1 : 0;
  if (!encoding.autoMode) {
    if (encoding.value > 0) settings.opusBitRate = static_cast<uint32_t>(encoding.value);
    settings.opusChannels = ChannelCountForRadio(encoding.channel);
  }
  settings.opusBitRateMode = static_cast<uint32_t>(std::max(0, SelectedValue(*mode_)));
  settings.opusComplexity = static_cast<uint32_t>(std::max(0, SelectedValue(*complexity_)));
  settings.opusTagType = tags_->TagType();
  settings.opusTag = tags_->Preset();
  settings.amplifyOpus = sound_->Amplify();
  settings.amplifyOpusCoeff = sound_->Coefficient();
}
