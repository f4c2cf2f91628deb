#pragma once

#include <cstdint>

#include "ui/chrome/LinkLabel.h"
#include "ui/options/OptPage.h"

class PresetList;
class QButtonGroup;
class QCheckBox;
class QualityRow;
class QRadioButton;
class SoundSection;
class TagSection;

// "MP3 Options": the encoding preset with the sample rate, bit rate and
// channel mode (a bit rate chosen by hand pulls the sample rate into the
// range the encoder accepts for it, and a sample rate the bit rate), the
// ID3 tag option with its preset and the ID3 version, and the Sound
// section. Under the channels: the variable bit rate by quality level, which
// takes the bit rate out of use, and the gapless option (the encoder's Info
// frame), which holds in either mode. In automatic mode OK keeps the stored
// encoding values.
class COptMp3Page : public COptPage {
  Q_OBJECT

 public:
  COptMp3Page(const ConvertSettings& values, Desktop& desktop);

  bool Leave() override;
  void CopyOut(ConvertSettings& settings) override;

  PresetList* Presets() const { return presets_; }
  TagSection* Tags() const { return tags_; }
  SoundSection* Sound() const { return sound_; }
  // "ID3v&1" = 0, "ID3v&2" = 1, "I&D3v1 && ID3v2" = 2.
  QRadioButton* VersionRadio(int version) const;
  CLinkLabel* JointStereoLink() const { return jointStereoLink_; }
  CLinkLabel* EncoderLink() const { return encoderLink_; }
  QualityRow* Vbr() const { return vbr_; }
  QCheckBox* Gapless() const { return gapless_; }

 protected:
  void Initialise() override;

 private:
  void BitRateChosen(int bitRate);
  void SampleRateChosen(int sampleRate);
  void UpdateVersionEnabled(uint32_t tagType);
  void UpdateBitRateEnabled();

  PresetList* presets_;
  TagSection* tags_;
  SoundSection* sound_;
  QButtonGroup* versions_;
  QualityRow* vbr_;
  QCheckBox* gapless_;
  CLinkLabel* jointStereoLink_;
  CLinkLabel* encoderLink_;
};
