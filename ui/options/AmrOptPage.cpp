#include "ui/options/AmrOptPage.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include <iterator>

#include "app/ConvertSettings.h"
#include "ui/options/SoundSection.h"
#include "ui/options/ValueCombo.h"

namespace {

// The narrow-band modes 0 to 7, labelled by their bit rates.
const char* const NB_MODE_LABELS[] = {"4.75 kbps", "5.15kbps",  "5.9 kbps",  "6.7 kbps",
                                      "7.4 kbps",  "7.95 kbps", "10.2 kbps", "12.2 kbps"};
// The wide-band modes 0 to 8, of .amr and .awb output alike.
const char* const WB_MODE_RATES[] = {"6.60",  "8.85",  "12.65", "14.25", "15.85",
                                     "18.25", "19.85", "23.05", "23.85"};
// A stored mode that no item carries shows the item at this index.
constexpr int FALLBACK_MODE_INDEX = 4;

QComboBox* MakeModes(QWidget* parent, QGridLayout* layout, int row) {
  auto* modes = new QComboBox(parent);
  auto* label = new QLabel(OptionsText(QT_TRANSLATE_NOOP("Options", "&Bit Rate:")), parent);
  label->setBuddy(modes);
  layout->addWidget(label, row, 1);
  layout->addWidget(modes, row, 2);
  return modes;
}

void ShowMode(QComboBox& modes, uint32_t mode) {
  if (!SelectValue(modes, static_cast<int>(mode))) modes.setCurrentIndex(FALLBACK_MODE_INDEX);
}

void FillWbModes(QComboBox& modes, uint32_t mode) {
  for (int value = 0; value < static_cast<int>(std::size(WB_MODE_RATES)); ++value)
    modes.addItem(QString::fromLatin1(WB_MODE_RATES[value]) +
                      OptionsText(QT_TRANSLATE_NOOP("Options", " kbps")),
                  value);
  ShowMode(modes, mode);
}

const char* DTX_TEXT = QT_TRANSLATE_NOOP("Options", "&Enable DTX (Discontinuous Transmission)");

}  // namespace

CAmrOptPage::CAmrOptPage(const ConvertSettings& values, Desktop& desktop)
    : COptPage(tr("AMR/AWB Options"), values, desktop) {
  auto* amr = new QGroupBox(tr("Encoding Parameters"), this);
  auto* amrLayout = new QGridLayout(amr);
  auto* band = new QButtonGroup(this);
  bands_[0] = new QRadioButton(tr("NB (Narrow Band, 8000 Hz)"), amr);
  bands_[1] = new QRadioButton(tr("WB (Wide Band, 16000 Hz)"), amr);
  amrLayout->setColumnMinimumWidth(0, 16);
  amrLayout->addWidget(bands_[0], 0, 0, 1, 3);
  nbModes_ = MakeModes(amr, amrLayout, 1);
  amrLayout->addWidget(bands_[1], 2, 0, 1, 3);
  wbModes_ = MakeModes(amr, amrLayout, 3);
  amrDtx_ = new QCheckBox(OptionsText(DTX_TEXT), amr);
  amrLayout->addWidget(amrDtx_, 4, 0, 1, 3);
  amrLayout->setColumnStretch(3, 1);
  band->addButton(bands_[0], 0);
  band->addButton(bands_[1], 1);

  auto* awb = new QGroupBox(tr("AWB Encoding Parameters"), this);
  auto* awbLayout = new QGridLayout(awb);
  awbLayout->setColumnMinimumWidth(0, 16);
  awbLayout->addWidget(new QLabel(tr("Sample Frequency: 16000 Hz"), awb), 0, 0, 1, 3);
  awbModes_ = MakeModes(awb, awbLayout, 1);
  awbDtx_ = new QCheckBox(OptionsText(DTX_TEXT), awb);
  awbLayout->addWidget(awbDtx_, 2, 0, 1, 3);
  awbLayout->setColumnStretch(3, 1);

  sound_ = new SoundSection(this);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(amr);
  layout->addWidget(awb);
  layout->addWidget(sound_);
  layout->addStretch(1);

  connect(band, &QButtonGroup::idClicked, this, [this] {
    ReadControls();
    ApplyBandRule();
  });
}

void CAmrOptPage::Initialise() {
  amrType_ = values_.amrType;
  // A stored band other than the two shows neither chosen.
  if (amrType_ < 2) bands_[amrType_]->setChecked(true);
  for (int mode = 0; mode < static_cast<int>(std::size(NB_MODE_LABELS)); ++mode)
    nbModes_->addItem(QString::fromLatin1(NB_MODE_LABELS[mode]), mode);
  ShowMode(*nbModes_, values_.amrMode);
  FillWbModes(*wbModes_, values_.amrWBMode);
  FillWbModes(*awbModes_, values_.awbMode);
  amrDtx_->setChecked(values_.amrDTX != 0);
  awbDtx_->setChecked(values_.awbDTX != 0);
  ApplyBandRule();
  sound_->Load(values_.amplifyAMR, values_.amplifyAMRCoef);
}

void CAmrOptPage::ReadControls() {
  const int checked = bands_[0]->group()->checkedId();
  if (checked >= 0) amrType_ = static_cast<uint32_t>(checked);
}

void CAmrOptPage::ApplyBandRule() {
  const bool wide = amrType_ == 1;
  nbModes_->setEnabled(!wide);
  wbModes_->setEnabled(wide);
}

bool CAmrOptPage::Leave() {
  ReadControls();
  return sound_->Check(desktop_);
}

void CAmrOptPage::CopyOut(ConvertSettings& settings) {
  ReadControls();
  settings.amrType = amrType_;
  settings.amrMode = static_cast<uint32_t>(SelectedValue(*nbModes_));
  settings.amrWBMode = static_cast<uint32_t>(SelectedValue(*wbModes_));
  settings.awbMode = static_cast<uint32_t>(SelectedValue(*awbModes_));
  settings.amrDTX = amrDtx_->isChecked() ? 1 : 0;
  settings.awbDTX = awbDtx_->isChecked() ? 1 : 0;
  settings.amplifyAMR = sound_->Amplify();
  settings.amplifyAMRCoef = sound_->Coefficient();
}
