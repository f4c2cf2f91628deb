#pragma once

#include <QSpinBox>

// An edit box for a whole number with up and down arrows that move it by a
// step within a range. Typing is not bound to the range, so that the page
// can refuse a typed value with its own message when it is left; the
// arrows and the arrow keys stay within it. No thousands separator.
class CSpinStepCtrl : public QSpinBox {
  Q_OBJECT

 public:
  explicit CSpinStepCtrl(QWidget* parent = nullptr);

  // The range of the arrows.
  void SetArrowRange(int lower, int upper);
  // Succeeds only when `step` is smaller than the range; otherwise the
  // step stays as it was.
  bool SetStep(int step);
  int Step() const { return step_; }

  void stepBy(int steps) override;

 protected:
  StepEnabled stepEnabled() const override;

 private:
  int lower_ = 0;
  int upper_ = 100;
  int step_ = 1;
};
