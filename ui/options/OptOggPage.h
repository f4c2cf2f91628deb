#pragma once

#include "ui/options/OptPage.h"

class PresetList;
class QualityRow;
class SoundSection;
class TagSection;

// "OGG Options": the encoding preset with the sample rate, bit rate and
// channels (any change keeps the bit rate within the range the encoder
// accepts for the rate and channels), the tag option with its preset, and
// the Sound section. Under the channels, encoding by Vorbis quality level,
// which takes the bit rate out of use. In automatic mode OK keeps the stored
// encoding values.
class COptOggPage : public COptPage {
  Q_OBJECT

 public:
  COptOggPage(const ConvertSettings& values, Desktop& desktop);

  bool Leave() override;
  void CopyOut(ConvertSettings& settings) override;

  PresetList* Presets() const { return presets_; }
  TagSection* Tags() const { return tags_; }
  SoundSection* Sound() const { return sound_; }
  QualityRow* Quality() const { return quality_; }

 protected:
  void Initialise() override;

 private:
  void KeepBitRateInRange();
  void UpdateBitRateEnabled();

  PresetList* presets_;
  TagSection* tags_;
  SoundSection* sound_;
  QualityRow* quality_;
};
