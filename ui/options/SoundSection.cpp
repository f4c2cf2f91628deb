#include "ui/options/SoundSection.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>

#include "ui/desktop/Desktop.h"
#include "ui/options/SpinStepCtrl.h"

SoundSection::SoundSection(QWidget* parent) : QGroupBox(tr("Sound"), parent) {
  amplify_ = new QCheckBox(tr("&Amplify / Reduce sound"), this);
  auto* label = new QLabel(tr("&Coefficient:"), this);
  coefficient_ = new CSpinStepCtrl(this);
  coefficient_->SetArrowRange(MIN_COEFFICIENT, MAX_COEFFICIENT);
  coefficient_->SetStep(10);
  label->setBuddy(coefficient_);
  auto* note =
      new QLabel(tr("< 100% - Reduce sound\n= 100% - No changes\n> 100% - Amplify sound"), this);

  auto* layout = new QGridLayout(this);
  layout->addWidget(amplify_, 0, 0, 1, 3);
  layout->addWidget(label, 1, 0);
  layout->addWidget(coefficient_, 1, 1);
  layout->addWidget(new QLabel(QStringLiteral("%"), this), 1, 2);
  layout->addWidget(note, 0, 3, 2, 1);
  layout->setColumnStretch(3, 1);

  connect(amplify_, &QCheckBox::clicked, this, [this] {
    UpdateEnabled();
    coefficient_->setFocus();
  });
}

void SoundSection::Load(uint32_t amplify, uint32_t coefficient) {
  amplify_->setChecked(amplify != 0);
  coefficient_->setValue(static_cast<int>(coefficient));
  UpdateEnabled();
}

bool SoundSection::Check(Desktop& desktop) {
  const int value = coefficient_->value();
  if (!amplify_->isChecked() || (value >= MIN_COEFFICIENT && value <= MAX_COEFFICIENT)) return true;
  desktop.Exclamation(
      tr("Invalid amplification coefficient. It's betwen 10 and 3000.").toStdString());
  coefficient_->setFocus();
  coefficient_->selectAll();
  return false;
}

uint32_t SoundSection::Amplify() const { return amplify_->isChecked() ? 1 : 0; }

uint32_t SoundSection::Coefficient() const { return static_cast<uint32_t>(coefficient_->value()); }

void SoundSection::UpdateEnabled() { coefficient_->setEnabled(amplify_->isChecked()); }
