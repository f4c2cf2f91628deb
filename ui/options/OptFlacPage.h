#pragma once

#include "ui/options/OptPage.h"

class PresetList;
class SoundSection;
class TagSection;

// "FLAC Options": the encoding preset with the sample rate, the compression
// level and the channels, the tag option with its preset, and the Sound
// section. The depth is always the source's. Automatic mode takes the
// source's rate and channels and keeps the stored rate and channels; the
// level list stays enabled and its level is stored in either mode, since it
// applies in both.
class COptFlacPage : public COptPage {
  Q_OBJECT

 public:
  COptFlacPage(const ConvertSettings& values, Desktop& desktop);

  bool Leave() override;
  void CopyOut(ConvertSettings& settings) override;

  PresetList* Presets() const { return presets_; }
  TagSection* Tags() const { return tags_; }
  SoundSection* Sound() const { return sound_; }

 protected:
  void Initialise() override;

 private:
  PresetList* presets_;
  TagSection* tags_;
  SoundSection* sound_;
};
