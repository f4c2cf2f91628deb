#include "ui/options/OptWavPage.h"

#include <QVBoxLayout>

#include "app/ConvertSettings.h"
#include "ui/options/PresetList.h"
#include "ui/options/SoundSection.h"

namespace {

const PresetListSpec& WavPresets() {
  static const PresetListSpec spec{
      {QT_TRANSLATE_NOOP("Options", "Auto"), 409},
      {
          {QT_TRANSLATE_NOOP("Options", "11025 Hz, 8 bits, Mono (low quality, smaller file size)"),
           665, 11025, 8, RADIO_MONO},
          {QT_TRANSLATE_NOOP("Options", "22050 Hz, 16 bits, Stereo (OK quality, small size)"), 921,
           22050, 16, RADIO_STEREO},
          {QT_TRANSLATE_NOOP("Options", "32000 Hz, 16 bits, Stereo (medium quality, normal size)"),
           1177, 32000, 16, RADIO_STEREO},
          {QT_TRANSLATE_NOOP("Options", "44100Hz, 16 bits, Stereo (high quality, large size)"),
           1433, 44100, 16, RADIO_STEREO},
      },
      {QT_TRANSLATE_NOOP("Options", "Custom"), 2457},
      {6000, 8000, 11025, 12000, 16000, 22050, 24000, 32000, 44100, 48000, 88200, 96000},
      QT_TRANSLATE_NOOP("Options", "&Bits:"),
      {8, 16},
      QT_TRANSLATE_NOOP("Options", " bits"),
      {QT_TRANSLATE_NOOP("Options", "&Stereo"), QT_TRANSLATE_NOOP("Options", "&Mono"),
       QT_TRANSLATE_NOOP("Options", "Same as &original file")},
  };
  return spec;
}

}  // namespace

COptWavPage::COptWavPage(const ConvertSettings& values, Desktop& desktop)
    : COptPage(tr("WAV Options"), values, desktop) {
  presets_ = new PresetList(this, WavPresets());
  sound_ = new SoundSection(this);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(presets_);
  layout->addWidget(sound_);
  layout->addStretch(1);

  // Any rate or bits chosen by hand makes the choice a custom one.
  connect(presets_, &PresetList::SampleRateChosen, this, [this](int sampleRate) {
    if (sampleRate == presets_->Current().sampleRate) return;
    presets_->SelectCustom();
    presets_->Store(sampleRate, presets_->Current().value);
  });
  connect(presets_, &PresetList::ValueChosen, this, [this](int bits) {
    if (bits == presets_->Current().value) return;
    presets_->SelectCustom();
    presets_->Store(presets_->Current().sampleRate, bits);
  });
}

void COptWavPage::Initialise() {
  presets_->Load({values_.autoDestWAVEncodingParam != 0, static_cast<int>(values_.wavSampleRate),
                  static_cast<int>(values_.wavBitsPerSample),
                  RadioForChannelCount(values_.wavChannelNum)});
  sound_->Load(values_.amplifyWav, values_.amplifyWavCoeff);
}

bool COptWavPage::Leave() {
  return sound_->Check(desktop_);
}

void COptWavPage::CopyOut(ConvertSettings& settings) {
  const PresetValues encoding = presets_->ReadBack();
  settings.autoDestWAVEncodingParam = encoding.autoMode ? 1 : 0;
  if (!encoding.autoMode) {
    settings.wavBitsPerSample = static_cast<uint32_t>(encoding.value);
    settings.wavSampleRate = static_cast<uint32_t>(encoding.sampleRate);
    settings.wavChannelNum = ChannelCountForRadio(encoding.channel);
  }
  settings.amplifyWav = sound_->Amplify();
  settings.amplifyWavCoeff = sound_->Coefficient();
}
