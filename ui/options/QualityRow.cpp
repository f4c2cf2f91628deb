#include "ui/options/QualityRow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>

#include "ui/options/OptPage.h"

QualityRow::QualityRow(QWidget* parent, const char* checkText,
                       const std::vector<std::pair<const char*, int>>& levels)
    : QWidget(parent) {
  check_ = new QCheckBox(OptionsText(checkText), this);
  levels_ = new QComboBox(this);
  for (const auto& [text, level] : levels) levels_->addItem(OptionsText(text), level);
  layout_ = new QHBoxLayout(this);
  layout_->setContentsMargins(0, 0, 0, 0);
  layout_->addWidget(check_);
  layout_->addWidget(levels_);
  layout_->addStretch(1);
  connect(check_, &QCheckBox::toggled, this, [this](bool on) {
    UpdateEnabled();
    Q_EMIT Toggled(on);
  });
  UpdateEnabled();
}

void QualityRow::Load(bool on, int level) {
  const int index = levels_->findData(level);
  levels_->setCurrentIndex(index >= 0 ? index : 0);
  check_->setChecked(on);
  UpdateEnabled();
}

bool QualityRow::IsOn() const {
  return check_->isChecked();
}

int QualityRow::Level() const {
  return levels_->currentData().toInt();
}

void QualityRow::SetCustom(bool custom) {
  custom_ = custom;
  UpdateEnabled();
}

void QualityRow::AddWidget(QWidget* widget) {
  layout_->addWidget(widget);
}

void QualityRow::UpdateEnabled() {
  check_->setEnabled(custom_);
  levels_->setEnabled(custom_ && check_->isChecked());
}
