#include "ui/options/ValueCombo.h"

#include <QComboBox>

#include "ui/options/OptPage.h"

void FillValueCombo(QComboBox& combo, const std::vector<int>& values, const char* unit,
                    int member) {
  combo.clear();
  for (int value : values) combo.addItem(QString::number(value) + OptionsText(unit), value);
  combo.addItem(OptionsText(SAME_AS_ORIGINAL), 0);
  if (!SelectValue(combo, member)) combo.setCurrentIndex(0);
}

bool SelectValue(QComboBox& combo, int value) {
  const int index = combo.findData(value);
  if (index < 0) return false;
  combo.setCurrentIndex(index);
  return true;
}

int SelectedValue(const QComboBox& combo) {
  return combo.currentIndex() < 0 ? -1 : combo.currentData().toInt();
}
