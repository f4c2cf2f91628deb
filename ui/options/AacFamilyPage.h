#pragma once

#include <cstdint>

#include "ui/options/OptPage.h"

class CSpinStepCtrl;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QPushButton;
class QRadioButton;
class QVBoxLayout;
class SoundSection;

// Where the settings of one AAC-encoded output format live: the AAC
// format has an MPEG version, the MP4/M4A/M4B family has none (null).
struct AacSettingFields {
  uint32_t ConvertSettings::*autoParam;
  uint32_t ConvertSettings::*vbr;
  uint32_t ConvertSettings::*bitRate;  // kbps, for the average bit rate
  uint32_t ConvertSettings::*quality;  // for the variable bit rate
  uint32_t ConvertSettings::*tns;
  uint32_t ConvertSettings::*midSide;
  uint32_t ConvertSettings::*mpegVersion;
  uint32_t ConvertSettings::*blockType;
  uint32_t ConvertSettings::*amplify;
  uint32_t ConvertSettings::*coefficient;
};

// The page of an AAC-encoded output format: "Auto" (the program chooses
// the encoding), an average bit rate or a variable bit rate of a quality
// from 10 to 500, the advanced encoder switches, "Reset" to the
// recommended encoding and the Sound section. The encoding controls can be
// used only while "Auto" is clear, and only then are their values stored.
class CAacFamilyPage : public COptPage {
  Q_OBJECT

 public:
  static constexpr int MIN_QUALITY = 10;
  static constexpr int MAX_QUALITY = 500;
  static constexpr const char* QUALITY_MESSAGE =
      QT_TRANSLATE_NOOP("CAacFamilyPage", "Invalid quality value. It's betwen 10 and 500.");

  bool Leave() override;
  void CopyOut(ConvertSettings& settings) override;

  QCheckBox* AutoBox() const { return autoBox_; }
  QRadioButton* AbrRadio() const { return abr_; }
  QRadioButton* VbrRadio() const { return vbr_; }
  QComboBox* BitRate() const { return bitRate_; }
  CSpinStepCtrl* Quality() const { return quality_; }
  QCheckBox* TnsBox() const { return tns_; }
  QCheckBox* MidSideBox() const { return midSide_; }
  // MPEG4 = 0, MPEG2 = 1; null on a page without an MPEG version.
  QRadioButton* MpegRadio(int version) const { return mpeg_[version]; }
  QRadioButton* BlockTypeRadio(int type) const { return blockTypes_[type]; }
  QPushButton* ResetButton() const { return reset_; }
  SoundSection* Sound() const { return sound_; }

 protected:
  CAacFamilyPage(const QString& title, const AacSettingFields& fields,
                 const ConvertSettings& values, Desktop& desktop);

  void Initialise() override;
  // Adds a section of the page above the Sound section.
  void AddSection(QWidget* section);

 private:
  QWidget* MakeAdvancedSection();
  void ReadControls();
  void ShowMembers();
  void ApplyEnableRule(bool on);
  void ModeChosen();
  void Reset();

  AacSettingFields fields_;
  bool auto_ = true;
  uint32_t vbrMode_ = 1;  // 0 average, 1 variable bit rate
  uint32_t bitRateKbps_ = 0;
  int qualityValue_ = 100;
  bool tnsOn_ = false;
  bool midSideOn_ = true;
  uint32_t mpegVersion_ = 0;
  uint32_t blockType_ = 0;

  QVBoxLayout* column_;
  QCheckBox* autoBox_;
  QRadioButton* abr_;
  QRadioButton* vbr_;
  QComboBox* bitRate_;
  CSpinStepCtrl* quality_;
  QCheckBox* tns_;
  QCheckBox* midSide_;
  QRadioButton* mpeg_[2] = {nullptr, nullptr};
  QRadioButton* blockTypes_[3];
  QPushButton* reset_;
  SoundSection* sound_;
};
