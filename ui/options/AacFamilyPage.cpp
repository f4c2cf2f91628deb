#include "ui/options/AacFamilyPage.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

#include "app/ConvertSettings.h"
#include "ui/desktop/Desktop.h"
#include "ui/options/SoundSection.h"
#include "ui/options/SpinStepCtrl.h"
#include "ui/options/ValueCombo.h"

namespace {

const std::vector<int> AAC_BIT_RATES = {16,  24,  32,  40,  48,  56,  64,  80, 96,
                                        112, 128, 144, 160, 192, 224, 256, 320};

// What "Reset" brings back: the variable bit rate at the default quality,
// 128 kbps for the average bit rate, and the program choosing.
constexpr int DEFAULT_QUALITY = 100;
constexpr int RESET_BIT_RATE = 128;

QRadioButton* AddRadio(QButtonGroup* group, const char* text, int id, QWidget* parent) {
  auto* radio = new QRadioButton(OptionsText(text), parent);
  group->addButton(radio, id);
  return radio;
}

// The id of the checked radio of `group`, or `current` when none is checked.
uint32_t CheckedId(const QButtonGroup& group, uint32_t current) {
  const int id = group.checkedId();
  return id < 0 ? current : static_cast<uint32_t>(id);
}

}  // namespace

CAacFamilyPage::CAacFamilyPage(const QString& title, const AacSettingFields& fields,
                               const ConvertSettings& values, Desktop& desktop)
    : COptPage(title, values, desktop), fields_(fields) {
  autoBox_ = new QCheckBox(tr("A&uto (let the program choose the best parameters)"), this);
  reset_ = new QPushButton(tr("Reset"), this);
  reset_->setAutoDefault(false);
  auto* modes = new QButtonGroup(this);
  abr_ = AddRadio(modes, QT_TRANSLATE_NOOP("Options", "Average &Bit Rate (ABR)"), 0, this);
  vbr_ = AddRadio(modes, QT_TRANSLATE_NOOP("Options", "&Variable Bit Rate (VBR)"), 1, this);
  bitRate_ = new QComboBox(this);
  auto* bitRateLabel = new QLabel(tr("Bit &Rate:"), this);
  bitRateLabel->setBuddy(bitRate_);
  quality_ = new CSpinStepCtrl(this);
  auto* qualityLabel = new QLabel(tr("&Quality:"), this);
  qualityLabel->setBuddy(quality_);
  sound_ = new SoundSection(this);

  auto* top = new QHBoxLayout;
  top->addWidget(autoBox_);
  top->addStretch(1);
  top->addWidget(reset_, 0, Qt::AlignTop);
  auto* encoding = new QGridLayout;
  encoding->setColumnMinimumWidth(0, 16);
  encoding->addWidget(abr_, 0, 0, 1, 4);
  encoding->addWidget(bitRateLabel, 1, 1);
  encoding->addWidget(bitRate_, 1, 2);
  encoding->addWidget(vbr_, 2, 0, 1, 4);
  encoding->addWidget(qualityLabel, 3, 1);
  encoding->addWidget(quality_, 3, 2);
  encoding->addWidget(new QLabel(tr("(Default: 100. From 10 to 500)"), this), 3, 3);
  encoding->setColumnStretch(4, 1);

  column_ = new QVBoxLayout(this);
  column_->addLayout(top);
  column_->addLayout(encoding);
  column_->addWidget(MakeAdvancedSection());
  column_->addWidget(sound_);
  column_->addStretch(1);

  connect(autoBox_, &QCheckBox::clicked, this, [this] {
    ReadControls();
    ApplyEnableRule(!auto_);
  });
  connect(modes, &QButtonGroup::idClicked, this, &CAacFamilyPage::ModeChosen);
  connect(reset_, &QPushButton::clicked, this, &CAacFamilyPage::Reset);
}

QWidget* CAacFamilyPage::MakeAdvancedSection() {
  auto* section = new QGroupBox(tr("Advanced Options"), this);
  tns_ = new QCheckBox(tr("Use &Temporal Noise Shaping (TNS)"), section);
  midSide_ = new QCheckBox(tr("Allow &Mid/Side"), section);
  auto* layout = new QGridLayout(section);
  layout->addWidget(tns_, 0, 0, 1, 4);
  layout->addWidget(midSide_, 1, 0, 1, 4);
  int row = 2;
  if (fields_.mpegVersion) {
    auto* versions = new QButtonGroup(this);
    mpeg_[0] = AddRadio(versions, "MPEG&4", 0, section);
    mpeg_[1] = AddRadio(versions, "MPEG&2", 1, section);
    layout->addWidget(new QLabel(tr("MPEG Version:"), section), row, 0);
    layout->addWidget(mpeg_[0], row, 1);
    layout->addWidget(mpeg_[1], row, 2);
    ++row;
  }
  auto* blocks = new QButtonGroup(this);
  const char* blockTexts[3] = {QT_TRANSLATE_NOOP("Options", "B&oth long and short"),
                               QT_TRANSLATE_NOOP("Options", "No &short"),
                               QT_TRANSLATE_NOOP("Options", "&No long")};
  layout->addWidget(new QLabel(tr("Block Type:"), section), row, 0);
  for (int type = 0; type < 3; ++type) {
    blockTypes_[type] = AddRadio(blocks, blockTexts[type], type, section);
    layout->addWidget(blockTypes_[type], row, type + 1);
  }
  layout->setColumnStretch(4, 1);
  return section;
}

void CAacFamilyPage::AddSection(QWidget* section) {
  column_->insertWidget(column_->indexOf(sound_), section);
}

void CAacFamilyPage::Initialise() {
  auto_ = values_.*fields_.autoParam != 0;
  vbrMode_ = values_.*fields_.vbr != 0 ? 1 : 0;
  bitRateKbps_ = values_.*fields_.bitRate;
  qualityValue_ = static_cast<int>(std::min<uint32_t>(values_.*fields_.quality, 999999999));
  tnsOn_ = values_.*fields_.tns != 0;
  midSideOn_ = values_.*fields_.midSide != 0;
  mpegVersion_ = fields_.mpegVersion && values_.*fields_.mpegVersion != 0 ? 1 : 0;
  blockType_ = values_.*fields_.blockType;

  FillValueCombo(*bitRate_, AAC_BIT_RATES, QT_TRANSLATE_NOOP("Options", " kbps"),
                 static_cast<int>(bitRateKbps_));
  quality_->SetArrowRange(MIN_QUALITY, MAX_QUALITY);
  quality_->SetStep(10);
  ShowMembers();
  ApplyEnableRule(!auto_);
  sound_->Load(values_.*fields_.amplify, values_.*fields_.coefficient);
}

void CAacFamilyPage::ReadControls() {
  auto_ = autoBox_->isChecked();
  vbrMode_ = CheckedId(*abr_->group(), vbrMode_);
  qualityValue_ = quality_->value();
  tnsOn_ = tns_->isChecked();
  midSideOn_ = midSide_->isChecked();
  if (mpeg_[0]) mpegVersion_ = CheckedId(*mpeg_[0]->group(), mpegVersion_);
  blockType_ = CheckedId(*blockTypes_[0]->group(), blockType_);
}

void CAacFamilyPage::ShowMembers() {
  autoBox_->setChecked(auto_);
  (vbrMode_ == 1 ? vbr_ : abr_)->setChecked(true);
  quality_->setValue(qualityValue_);
  tns_->setChecked(tnsOn_);
  midSide_->setChecked(midSideOn_);
  if (mpeg_[0]) mpeg_[mpegVersion_]->setChecked(true);
  // A stored block type outside the three shows none of them chosen.
  if (blockType_ < 3) blockTypes_[blockType_]->setChecked(true);
}

void CAacFamilyPage::ApplyEnableRule(bool on) {
  for (QWidget* control : {static_cast<QWidget*>(abr_), static_cast<QWidget*>(vbr_),
                           static_cast<QWidget*>(tns_), static_cast<QWidget*>(midSide_)})
    control->setEnabled(on);
  for (QRadioButton* radio : mpeg_)
    if (radio) radio->setEnabled(on);
  for (QRadioButton* radio : blockTypes_) radio->setEnabled(on);
  bitRate_->setEnabled(on && vbrMode_ == 0);
  quality_->setEnabled(on && vbrMode_ == 1);
}

void CAacFamilyPage::ModeChosen() {
  ReadControls();
  bitRate_->setEnabled(vbrMode_ == 0);
  quality_->setEnabled(vbrMode_ == 1);
  if (vbrMode_ == 1)
    quality_->setFocus();
  else
    bitRate_->setFocus();
}

void CAacFamilyPage::Reset() {
  ReadControls();
  auto_ = true;
  vbrMode_ = 1;
  qualityValue_ = DEFAULT_QUALITY;
  mpegVersion_ = 0;
  tnsOn_ = false;
  midSideOn_ = true;
  blockType_ = 0;
  ShowMembers();
  SelectValue(*bitRate_, RESET_BIT_RATE);
  ReadControls();
  ApplyEnableRule(!auto_);
}

bool CAacFamilyPage::Leave() {
  ReadControls();
  // The quality counts only for the variable bit rate.
  if (!auto_ && vbrMode_ == 1 && (qualityValue_ < MIN_QUALITY || qualityValue_ > MAX_QUALITY)) {
    desktop_.Exclamation(tr(QUALITY_MESSAGE).toStdString());
    quality_->setFocus();
    quality_->selectAll();
    return false;
  }
  return sound_->Check(desktop_);
}

void CAacFamilyPage::CopyOut(ConvertSettings& settings) {
  ReadControls();
  if (bitRate_->currentIndex() >= 0) bitRateKbps_ = static_cast<uint32_t>(SelectedValue(*bitRate_));
  settings.*fields_.autoParam = auto_ ? 1 : 0;
  // Automatic mode keeps the stored encoding for when it is turned off again.
  if (!auto_) {
    settings.*fields_.bitRate = bitRateKbps_;
    settings.*fields_.quality = static_cast<uint32_t>(qualityValue_);
    settings.*fields_.midSide = midSideOn_ ? 1 : 0;
    settings.*fields_.vbr = vbrMode_;
    settings.*fields_.tns = tnsOn_ ? 1 : 0;
    if (fields_.mpegVersion) settings.*fields_.mpegVersion = mpegVersion_;
    settings.*fields_.blockType = blockType_;
  }
  settings.*fields_.amplify = sound_->Amplify();
  settings.*fields_.coefficient = sound_->Coefficient();
}
