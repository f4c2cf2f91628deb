#include "ui/options/SpinStepCtrl.h"

#include <algorithm>

CSpinStepCtrl::CSpinStepCtrl(QWidget* parent) : QSpinBox(parent) {
  // Any number of up to nine digits may be typed; the page checks it.
  setRange(0, 999999999);
  setGroupSeparatorShown(false);
  setButtonSymbols(QAbstractSpinBox::UpDownArrows);
  setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
}

void CSpinStepCtrl::SetArrowRange(int lower, int upper) {
  lower_ = lower;
  upper_ = upper;
}

bool CSpinStepCtrl::SetStep(int step) {
  if (step >= upper_ - lower_) return false;
  step_ = step;
  return true;
}

void CSpinStepCtrl::stepBy(int steps) {
  const int moved = value() + steps * step_;
  setValue(std::clamp(moved, lower_, upper_));
  selectAll();
}

QAbstractSpinBox::StepEnabled CSpinStepCtrl::stepEnabled() const {
  StepEnabled enabled = StepNone;
  if (value() < upper_) enabled |= StepUpEnabled;
  if (value() > lower_) enabled |= StepDownEnabled;
  return enabled;
}
