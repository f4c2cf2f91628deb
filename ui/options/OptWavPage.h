#pragma once

#include "ui/options/OptPage.h"

class PresetList;
class SoundSection;

// "WAV Options": the encoding preset with the sample rate, the bits per
// sample and the channels, and the Sound section. Rate and bits are
// independent of each other. In automatic mode OK keeps the stored
// encoding values.
class COptWavPage : public COptPage {
  Q_OBJECT

 public:
  COptWavPage(const ConvertSettings& values, Desktop& desktop);

  bool Leave() override;
  void CopyOut(ConvertSettings& settings) override;

  PresetList* Presets() const { return presets_; }
  SoundSection* Sound() const { return sound_; }

 protected:
  void Initialise() override;

 private:
  PresetList* presets_;
  SoundSection* sound_;
};
