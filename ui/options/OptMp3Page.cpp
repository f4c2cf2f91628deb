#include "ui/options/OptMp3Page.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

#include "app/ConvertSettings.h"
#include "ui/chrome/LinkLabel.h"
#include "ui/desktop/Desktop.h"
#include "ui/options/PresetList.h"
#include "ui/options/QualityRow.h"
#include "ui/options/SoundSection.h"
#include "ui/options/TagSection.h"
#include "ui/options/ValueCombo.h"

namespace {

enum Mp3Channel { JOINT_STEREO = 0, STEREO = 1, MONO = 2, SAME_AS_SOURCE = 3 };

const PresetListSpec& Mp3Presets() {
  static const PresetListSpec spec{
      {QT_TRANSLATE_NOOP("Options", "Auto"), 392},
      {
          {QT_TRANSLATE_NOOP("Options", "11025 Hz, 16 kbps, Mono (low quality, smaller file size)"),
           648, 11025, 16, MONO},
          {QT_TRANSLATE_NOOP("Options", "22050 Hz, 32 kbps, Joint Stereo (OK quality, small size)"),
           904, 22050, 32, JOINT_STEREO},
          {QT_TRANSLATE_NOOP("Options",
                             "32000 Hz, 96 kbps, Joint Stereo (medium quality, normal size)"),
           1160, 32000, 96, JOINT_STEREO},
          {QT_TRANSLATE_NOOP("Options",
                             "44100Hz, 128 kbps, Joint Stereo (close to CD-quality, large size)"),
           1416, 44100, 128, JOINT_STEREO},
      },
      {QT_TRANSLATE_NOOP("Options", "Custom"), 2440},
      {8000, 11025, 12000, 16000, 22050, 24000, 32000, 44100, 48000},
      QT_TRANSLATE_NOOP("Options", "&Bit Rate:"),
      {8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 192, 224, 256, 320},
      QT_TRANSLATE_NOOP("Options", " kbps"),
      {QT_TRANSLATE_NOOP("Options", "&Joint Stereo"), QT_TRANSLATE_NOOP("Options", "&Stereo"),
       QT_TRANSLATE_NOOP("Options", "&Mono"),
       //: Channels: as many as the source file has.
       QT_TRANSLATE_NOOP("Options", "Same as &original file")},
  };
  return spec;
}

// "MP3ChannelMode" stores 0 stereo, 1 joint stereo, 3 mono and 4 the
// source's channels; the radios come in another order.
int ChannelRadio(uint32_t mode) {
  switch (mode) {
    case 1:
      return JOINT_STEREO;
    case 0:
      return STEREO;
    case 3:
      return MONO;
    default:
      return SAME_AS_SOURCE;
  }
}

uint32_t ChannelMode(int radio) {
  static const uint32_t modes[] = {1, 0, 3, 4};
  return modes[radio];
}

// The encoder takes 8 to 24 kbps only up to 24000 Hz, 80 to 160 kbps only
// from 16000 Hz and 192 kbps or more only from 32000 Hz: the sample rate
// that goes with `bitRate` (one of the drop-down's), as close to
// `sampleRate` as allowed.
int SampleRateFor(int bitRate, int sampleRate) {
  if (bitRate <= 24) return std::min(sampleRate, 24000);
  if (bitRate >= 192) return std::max(sampleRate, 32000);
  if (bitRate >= 80) return std::max(sampleRate, 16000);
  return sampleRate;
}

// The same limits seen from the sample rate: at most 64 kbps up to
// 12000 Hz, at most 160 kbps up to 24000 Hz, at least 32 kbps above.
int BitRateFor(int sampleRate, int bitRate) {
  if (sampleRate <= 12000) return std::min(bitRate, 64);
  if (sampleRate <= 24000) return std::min(bitRate, 160);
  return std::max(bitRate, 32);
}

// A link that the desktop opens in the web browser, always underlined.
CLinkLabel* MakeLink(QWidget* parent, const char* text, const char* url, Desktop& desktop) {
  auto* link = new CLinkLabel(desktop, OptionsText(text), parent);
  link->SetURL(QString::fromLatin1(url));
  link->SetUnderline(CLinkLabel::UNDERLINE_ALWAYS);
  return link;
}

constexpr TagSectionTexts MP3_TAG_TEXTS{
    QT_TRANSLATE_NOOP("Options", "Add &ID3 tag"),
    QT_TRANSLATE_NOOP("Options", "T&ransfer ID3 tag from source file"),
    QT_TRANSLATE_NOOP("Options", "&None"), QT_TRANSLATE_NOOP("Options", "Edit ID3 &tag")};

}  // namespace

COptMp3Page::COptMp3Page(const ConvertSettings& values, Desktop& desktop)
    : COptPage(tr("MP3 Options"), values, desktop) {
  presets_ = new PresetList(this, Mp3Presets());
  vbr_ = new QualityRow(presets_, QT_TRANSLATE_NOOP("Options", "&Variable bit rate, quality:"),
                        {{QT_TRANSLATE_NOOP("Options", "V0 (best, largest)"), 0},
                         {"V1", 1},
                         {QT_TRANSLATE_NOOP("Options", "V2 (transparent)"), 2},
                         {"V3", 3},
                         {"V4", 4},
                         {"V5", 5},
                         {"V6", 6},
                         {"V7", 7},
                         {"V8", 8},
                         {QT_TRANSLATE_NOOP("Options", "V9 (smallest)"), 9}});
  gapless_ = new QCheckBox(tr("&Gapless (exact length)"), vbr_);
  vbr_->AddWidget(gapless_);
  presets_->AddRow(vbr_);
  jointStereoLink_ = MakeLink(this, QT_TRANSLATE_NOOP("Options", "Joint Stereo vs. Stereo"),
                              "https://duckduckgo.com/?q=joint+stereo+vs+stereo", desktop_);
  encoderLink_ = MakeLink(this, QT_TRANSLATE_NOOP("Options", "The program uses LAME MP3 encoder."),
                          "https://lame.sourceforge.io/", desktop_);
  for (CLinkLabel* link : {jointStereoLink_, encoderLink_}) {
    presets_->AddRow(link);
    // As wide as its text, at the start of its row.
    presets_->layout()->setAlignment(link, Qt::AlignLeft);
  }

  tags_ = new TagSection(this, MP3_TAG_TEXTS, true, desktop_);
  auto* versionBox = new QGroupBox(tr("Write ID3 tag as:"), this);
  auto* versionLayout = new QVBoxLayout(versionBox);
  versions_ = new QButtonGroup(this);
  const char* versionTexts[] = {"ID3v&1", "ID3v&2", "I&D3v1 && ID3v2"};
  for (int version = 0; version < 3; ++version) {
    auto* radio = new QRadioButton(QString::fromLatin1(versionTexts[version]), versionBox);
    versions_->addButton(radio, version);
    versionLayout->addWidget(radio);
  }
  sound_ = new SoundSection(this);

  auto* tagRow = new QHBoxLayout;
  tagRow->addWidget(tags_, 1);
  tagRow->addWidget(versionBox);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(presets_);
  layout->addLayout(tagRow);
  layout->addWidget(sound_);
  layout->addStretch(1);

  connect(presets_, &PresetList::ValueChosen, this, &COptMp3Page::BitRateChosen);
  connect(presets_, &PresetList::SampleRateChosen, this, &COptMp3Page::SampleRateChosen);
  connect(tags_, &TagSection::TagTypeChanged, this, &COptMp3Page::UpdateVersionEnabled);
  // After the preset list's own handling, which enables the bit rate again.
  connect(presets_->Presets(), &QComboBox::currentIndexChanged, this,
          &COptMp3Page::UpdateBitRateEnabled);
  connect(vbr_, &QualityRow::Toggled, this, &COptMp3Page::UpdateBitRateEnabled);
}

QRadioButton* COptMp3Page::VersionRadio(int version) const {
  return qobject_cast<QRadioButton*>(versions_->button(version));
}

void COptMp3Page::Initialise() {
  presets_->Load({values_.autoDestMP3EncodingParam != 0, static_cast<int>(values_.mp3SampleRate),
                  static_cast<int>(values_.mp3BitRate), ChannelRadio(values_.mp3ChannelMode)});
  tags_->Load(values_.mp3ID3TagType, values_.mp3Tag);
  if (QAbstractButton* radio = versions_->button(static_cast<int>(values_.mp3WriteID3Version)))
    radio->setChecked(true);
  UpdateVersionEnabled(values_.mp3ID3TagType);
  sound_->Load(values_.amplifyMp3, values_.amplifyMp3Coeff);
  vbr_->Load(values_.mp3VBR != 0, static_cast<int>(values_.mp3VBRQuality));
  gapless_->setChecked(values_.mp3Gapless != 0);
  UpdateBitRateEnabled();
}

bool COptMp3Page::Leave() {
  return sound_->Check(desktop_);
}

void COptMp3Page::CopyOut(ConvertSettings& settings) {
  const PresetValues encoding = presets_->ReadBack();
  settings.autoDestMP3EncodingParam = encoding.autoMode ? 1 : 0;
  if (!encoding.autoMode) {
    settings.mp3BitRate = static_cast<uint32_t>(encoding.value);
    settings.mp3SampleRate = static_cast<uint32_t>(encoding.sampleRate);
    settings.mp3ChannelMode = ChannelMode(encoding.channel);
    settings.mp3VBR = vbr_->IsOn() ? 1 : 0;
    settings.mp3VBRQuality = static_cast<uint32_t>(vbr_->Level());
  }
  settings.mp3Gapless = gapless_->isChecked() ? 1 : 0;
  settings.mp3ID3TagType = tags_->TagType();
  // A stored version outside the three checks no radio and is kept.
  if (versions_->checkedId() >= 0)
    settings.mp3WriteID3Version = static_cast<uint32_t>(versions_->checkedId());
  settings.mp3Tag = tags_->Preset();
  settings.amplifyMp3 = sound_->Amplify();
  settings.amplifyMp3Coeff = sound_->Coefficient();
}

void COptMp3Page::BitRateChosen(int bitRate) {
  if (bitRate == presets_->Current().value || bitRate == 0) return;
  const int shown = SelectedValue(*presets_->SampleRates());
  if (shown <= 0) return;
  const int sampleRate = SampleRateFor(bitRate, shown);
  if (sampleRate != shown) presets_->ShowSampleRate(sampleRate);
  presets_->SelectCustom();
  presets_->Store(sampleRate, bitRate);
}

void COptMp3Page::SampleRateChosen(int sampleRate) {
  if (sampleRate == presets_->Current().sampleRate || sampleRate == 0) return;
  const int shown = SelectedValue(*presets_->Values());
  if (shown <= 0) return;
  const int bitRate = BitRateFor(sampleRate, shown);
  if (bitRate != shown) presets_->ShowValue(bitRate);
  presets_->SelectCustom();
  presets_->Store(sampleRate, bitRate);
}

// The bit rate counts only at a constant bit rate; the quality row only in
// custom mode.
void COptMp3Page::UpdateBitRateEnabled() {
  const bool custom = !presets_->ReadBack().autoMode;
  vbr_->SetCustom(custom);
  presets_->Values()->setEnabled(custom && !vbr_->IsOn());
}

void COptMp3Page::UpdateVersionEnabled(uint32_t tagType) {
  for (QAbstractButton* radio : versions_->buttons()) radio->setEnabled(tagType != TAG_NONE);
}
