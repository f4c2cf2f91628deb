#pragma once

#include <cstdint>

#include "ui/options/OptPage.h"

class QCheckBox;
class QComboBox;
class QRadioButton;
class SoundSection;

// "AMR/AWB Options": the band of .amr output (narrow band at 8000 Hz or
// wide band at 16000 Hz) with a bit-rate mode for each band and the
// discontinuous transmission switch; the mode and switch of .awb output;
// the Sound section. Only the chosen band's drop-down can be used, but
// every value is stored.
class CAmrOptPage : public COptPage {
  Q_OBJECT

 public:
  CAmrOptPage(const ConvertSettings& values, Desktop& desktop);

  bool Leave() override;
  void CopyOut(ConvertSettings& settings) override;

  QRadioButton* BandRadio(int amrType) const { return bands_[amrType]; }
  QComboBox* NbModes() const { return nbModes_; }
  QComboBox* WbModes() const { return wbModes_; }
  QComboBox* AwbModes() const { return awbModes_; }
  QCheckBox* AmrDtxBox() const { return amrDtx_; }
  QCheckBox* AwbDtxBox() const { return awbDtx_; }
  SoundSection* Sound() const { return sound_; }

 protected:
  void Initialise() override;

 private:
  void ReadControls();
  void ApplyBandRule();

  uint32_t amrType_ = 0;  // 0 narrow band, 1 wide band

  QRadioButton* bands_[2];
  QComboBox* nbModes_;
  QComboBox* wbModes_;
  QComboBox* awbModes_;
  QCheckBox* amrDtx_;
  QCheckBox* awbDtx_;
  SoundSection* sound_;
};
