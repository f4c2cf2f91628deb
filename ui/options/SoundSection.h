#pragma once

#include <QGroupBox>

#include <cstdint>

class CSpinStepCtrl;
class Desktop;
class QCheckBox;

// The Sound section of every format page: "&Amplify / Reduce sound" and
// the coefficient in percent (10 to 3000, arrows in steps of 10), which can
// be edited only while the box is ticked.
class SoundSection : public QGroupBox {
  Q_OBJECT

 public:
  static constexpr int MIN_COEFFICIENT = 10;
  static constexpr int MAX_COEFFICIENT = 3000;

  explicit SoundSection(QWidget* parent);

  void Load(uint32_t amplify, uint32_t coefficient);
  // With the box ticked, a coefficient outside 10..3000 shows "Invalid
  // amplification coefficient. It's betwen 10 and 3000.", puts the focus in
  // the coefficient box and answers false.
  bool Check(Desktop& desktop);
  uint32_t Amplify() const;
  uint32_t Coefficient() const;

  QCheckBox* AmplifyBox() const { return amplify_; }
  CSpinStepCtrl* CoefficientBox() const { return coefficient_; }

 private:
  void UpdateEnabled();

  QCheckBox* amplify_;
  CSpinStepCtrl* coefficient_;
};
