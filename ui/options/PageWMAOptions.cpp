#include "ui/options/PageWMAOptions.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QVBoxLayout>

#include "app/ConvertSettings.h"
#include "convert/WmaOutput.h"
#include "platform/wma/WmaFormatList.h"
#include "platform/wma/WmaRuntime.h"
#include "ui/desktop/Desktop.h"
#include "ui/options/SoundSection.h"
#include "ui/options/TagSection.h"

namespace {

constexpr int AUTO_ITEM = -1;
// Formats below this many bits per second are not offered.
constexpr uint32_t MIN_LISTED_BIT_RATE = 1000;

const TagSectionTexts WMA_TAG_TEXTS = {
    QT_TRANSLATE_NOOP("Options", "Add &ID3 tag"),
    QT_TRANSLATE_NOOP("Options", "T&ransfer ID3 tag from source file"),
    QT_TRANSLATE_NOOP("Options", "&None"), QT_TRANSLATE_NOOP("Options", "Edit ID3 &tag")};

QString FormatLabel(const WmaFormat& format) {
  //: A WMA format: "44100 Hz, 128 kbps, Stereo".
  return QCoreApplication::translate("CPageWMAOptions", "%1 Hz, %2 kbps, %3")
      .arg(QString::number(format.wave.samplesPerSec), QString::number(format.bitRate / 1000),
           format.wave.channels == 1 ? QCoreApplication::translate("CPageWMAOptions", "Mono")
                                     : QCoreApplication::translate("CPageWMAOptions", "Stereo"));
}

}  // namespace

CPageWMAOptions::CPageWMAOptions(const ConvertSettings& values, Desktop& desktop)
    : COptPage(tr("WMA Options"), values, desktop) {
  auto* label = new QLabel(tr("&Encoding Options: (Sample Frequency, Bit Rate, Channels)"), this);
  encoding_ = new QComboBox(this);
  label->setBuddy(encoding_);
  tags_ = new TagSection(this, WMA_TAG_TEXTS, true, desktop_);
  sound_ = new SoundSection(this);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label);
  layout->addWidget(encoding_);
  layout->addWidget(tags_);
  layout->addWidget(sound_);
  layout->addStretch(1);
}

void CPageWMAOptions::Initialise() {
  auto_ = values_.autoDestWMAEncodingParam != 0;
  sampleRate_ = values_.wmaSampleRate;
  bitRate_ = values_.wmaBitRate;
  channels_ = values_.wmaChannels;

  encoding_->addItem(tr("Auto"), AUTO_ITEM);
  if (auto_) encoding_->setCurrentIndex(0);
  ListFormats();
  tags_->Load(values_.wmaID3TagType, values_.wmaTag);
  sound_->Load(values_.amplifyWMA, values_.amplifyWMACoeff);
}

void CPageWMAOptions::ListFormats() {
  // Loading the runtime builds the list; a missing runtime offers its
  // download and leaves only "Auto".
  if (!WmaRuntimeLoaded() && !EnsureWmaRuntime(desktop_)) return;
  for (const WmaFormat& format : ProgramWmaFormats().Entries()) {
    if (format.bitRate < MIN_LISTED_BIT_RATE) continue;
    listed_.push_back(Listed{format.wave.samplesPerSec, format.bitRate, format.wave.channels});
    encoding_->addItem(FormatLabel(format), static_cast<int>(listed_.size() - 1));
    // Bit rates match in whole kbps; of several matches the last stays selected.
    if (!auto_ && format.wave.samplesPerSec == sampleRate_ &&
        format.bitRate / 1000 == bitRate_ / 1000 && format.wave.channels == channels_)
      encoding_->setCurrentIndex(encoding_->count() - 1);
  }
}

bool CPageWMAOptions::Leave() {
  return sound_->Check(desktop_);
}

void CPageWMAOptions::ReadBack() {
  const int item = encoding_->currentIndex() < 0 ? AUTO_ITEM : encoding_->currentData().toInt();
  auto_ = item == AUTO_ITEM;
  if (auto_) return;
  const Listed& chosen = listed_[static_cast<size_t>(item)];
  sampleRate_ = chosen.sampleRate;
  bitRate_ = chosen.bitRate;
  channels_ = chosen.channels;
}

void CPageWMAOptions::CopyOut(ConvertSettings& settings) {
  ReadBack();
  settings.autoDestWMAEncodingParam = auto_ ? 1 : 0;
  // Automatic mode keeps the stored format for when it is turned off again.
  if (!auto_) {
    settings.wmaSampleRate = sampleRate_;
    settings.wmaBitRate = bitRate_;
    settings.wmaChannels = channels_;
  }
  settings.wmaID3TagType = tags_->TagType();
  settings.wmaTag = tags_->Preset();
  settings.amplifyWMA = sound_->Amplify();
  settings.amplifyWMACoeff = sound_->Coefficient();
}
