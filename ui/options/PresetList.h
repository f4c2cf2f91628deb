#pragma once

#include <QGroupBox>

#include <cstdint>
#include <vector>

class QButtonGroup;
class QComboBox;
class QGridLayout;
class QRadioButton;

// One row of an "Encoding Options" drop-down: its label, its code (the
// item's value) and, for a preset row, the sample rate, the bit rate or
// bits, and the channel radio it stands for.
struct PresetEntry {
  const char* label;
  int code;
  int sampleRate = 0;
  int value = 0;
  int channel = 0;
};

// What a preset page offers: the Auto row, the preset rows and the Custom
// row, the values of its two drop-downs and its channel radios.
struct PresetListSpec {
  PresetEntry autoRow;
  std::vector<PresetEntry> presets;
  PresetEntry customRow;
  std::vector<int> sampleRates;
  const char* valueLabel;  // "&Bit Rate:" or "&Bits:"
  std::vector<int> values;
  const char* valueUnit;  // " kbps" or " bits"
  std::vector<const char*> channels;
};

// The encoding values a preset page edits; `value` is the bit rate in kbps
// or the bits per sample, `channel` the index of the channel radio.
struct PresetValues {
  bool autoMode = false;
  int sampleRate = 0;
  int value = 0;
  int channel = 0;
};

// The "Encoding Options" section of the MP3, WAV and OGG pages: the preset
// drop-down (Auto, the presets, Custom), the sample-rate and bit-rate (or
// bits) drop-downs and the channel radios. Auto disables the values; a
// preset row sets them; Custom leaves them as they are. The page's own
// rules for a value chosen by hand run on ValueChosen, SampleRateChosen and
// ChannelChosen, and use the current values, the Show* calls (which do
// not signal) and SelectCustom.
class PresetList : public QGroupBox {
  Q_OBJECT

 public:
  PresetList(QWidget* parent, const PresetListSpec& spec);

  // Selects the row that matches `values` (Auto when auto mode is on, else
  // the preset with the same rate, value and channel, else Custom) and
  // shows the values.
  void Load(const PresetValues& values);
  // The values as they stand for OK: auto mode when Auto is selected, the
  // rate and value selected in the drop-downs, the checked channel.
  PresetValues ReadBack() const;

  // The values last stored by a preset row or a rule (the drop-downs may
  // show others, for example a stored value not in their lists).
  const PresetValues& Current() const { return current_; }
  void Store(int sampleRate, int value);

  // Select an item without signalling; false when no item carries the number.
  bool ShowSampleRate(int sampleRate);
  bool ShowValue(int value);
  // Selects the Custom row, unless it is selected, without signalling.
  void SelectCustom();

  // Appends a widget under the channel radios, across the section.
  void AddRow(QWidget* widget);

  QComboBox* Presets() const { return presets_; }
  QComboBox* SampleRates() const { return sampleRates_; }
  QComboBox* Values() const { return values_; }
  QRadioButton* ChannelRadio(int channel) const { return radios_[static_cast<size_t>(channel)]; }

 Q_SIGNALS:
  // A rate or value chosen in its drop-down (0: "Same as original file").
  void SampleRateChosen(int sampleRate);
  void ValueChosen(int value);
  // A channel radio was clicked; Current().channel is already the new one
  // and Custom is selected when it changed.
  void ChannelChosen(int previous);

 private:
  void PresetChosen(int index);
  void SetValuesEnabled(bool enabled);
  int CheckedChannel() const;

  PresetListSpec spec_;
  QComboBox* presets_;
  QComboBox* sampleRates_;
  QComboBox* values_;
  QButtonGroup* channels_;
  std::vector<QRadioButton*> radios_;
  QGridLayout* layout_;
  int customIndex_ = -1;
  PresetValues current_;
};

// The channel radios of the WAV and OGG pages ("&Stereo", "&Mono", "Same as
// &original file") and the channel counts their settings store for them:
// 2, 1, and anything else for the source's channels (written as 0).
enum StereoMonoRadio { RADIO_STEREO = 0, RADIO_MONO = 1, RADIO_SAME_AS_SOURCE = 2 };
int RadioForChannelCount(uint32_t channels);
uint32_t ChannelCountForRadio(int radio);
