#pragma once

#include <cstdint>
#include <vector>

#include "ui/options/OptPage.h"

class QComboBox;
class SoundSection;
class TagSection;

// "WMA Options": one drop-down of the codec formats the WMA runtime offers
// (after "Auto", which lets each conversion choose from its source), the
// tag section and the Sound section. The formats come from the program's
// WMA format list; when the runtime is missing only "Auto" is offered.
class CPageWMAOptions : public COptPage {
  Q_OBJECT

 public:
  CPageWMAOptions(const ConvertSettings& values, Desktop& desktop);

  bool Leave() override;
  void CopyOut(ConvertSettings& settings) override;

  QComboBox* Encoding() const { return encoding_; }
  TagSection* Tags() const { return tags_; }
  SoundSection* Sound() const { return sound_; }

 protected:
  void Initialise() override;

 private:
  // One listed format: what the page stores when it is chosen.
  struct Listed {
    uint32_t sampleRate, bitRate, channels;
  };

  void ListFormats();
  void ReadBack();

  bool auto_ = true;
  uint32_t sampleRate_ = 0;
  uint32_t bitRate_ = 0;  // bits per second
  uint32_t channels_ = 0;
  std::vector<Listed> listed_;  // the item value of a format indexes this

  QComboBox* encoding_;
  TagSection* tags_;
  SoundSection* sound_;
};
