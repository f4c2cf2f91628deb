#pragma once

#include "ui/options/OptPage.h"

class PresetList;
class QComboBox;
class SoundSection;
class TagSection;

// "Opus Options": the encoding preset with the bit rate and the channels
// (the sample frequency is always the source's: the encoder resamples to
// the 48 kHz Opus works at), the bit-rate mode and the complexity, the tag
// option with its preset, and the Sound section. Automatic mode takes the
// source's channels at 64 kbps per channel and keeps the stored bit rate
// and channels; the mode and complexity are stored in either mode, since
// they apply in both.
class COptOpusPage : public COptPage {
  Q_OBJECT

 public:
  COptOpusPage(const ConvertSettings& values, Desktop& desktop);

  bool Leave() override;
  void CopyOut(ConvertSettings& settings) override;

  PresetList* Presets() const { return presets_; }
  QComboBox* Mode() const { return mode_; }
  QComboBox* Complexity() const { return complexity_; }
  TagSection* Tags() const { return tags_; }
  SoundSection* Sound() const { return sound_; }

 protected:
  void Initialise() override;

 private:
  PresetList* presets_;
  QComboBox* mode_;
  QComboBox* complexity_;
  TagSection* tags_;
  SoundSection* sound_;
};
