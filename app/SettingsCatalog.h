#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/ConvertSettings.h"
#include "platform/paths/PathIdentity.h"


// One persisted value of ConvertSettings: its name in the store, the write
// group that saves it, the field that holds it and the correction that
// loading applies to it. Exactly one of `number` and `text` is set.
struct SettingValue {
  const char* name;
  uint32_t group;
  uint32_t ConvertSettings::*number;
  std::string ConvertSettings::*text;
  uint32_t (*correct)(uint32_t stored);  // null: loaded as stored
  std::size_t maxBytes;                  // texts: longest accepted (0: any length)

  bool IsText() const { return text != nullptr; }
};

// Every value of the Options key in the order of the option tables:
// General, MP3, WAV, WMA, OGG, AAC, M4A, AMR. "FirstRun" is not part of the
// record and is not listed.
const std::vector<SettingValue>& SettingsCatalog();
const SettingValue* FindSetting(std::string_view name);

// One value of a tag-preset subkey, in record order.
struct PresetValue {
  const char* name;
  uint32_t TagPreset::*number;
  std::string TagPreset::*text;

  bool IsText() const { return text != nullptr; }
};
const std::vector<PresetValue>& PresetCatalog();
const PresetValue* FindPresetValue(std::string_view name);

// The four presets in load and save order: "MP3", "OGG", "WMA", "M4A". Each
// lives in the subkey of its name followed by "Tag".
struct PresetSlot {
  const char* name;
  TagPreset ConvertSettings::*preset;
};
const std::vector<PresetSlot>& PresetSlots();
const PresetSlot* FindPresetSlot(std::string_view subkeyName);  // "MP3Tag"

// The corrections that loading applies.
uint32_t CorrectOutputFormat(uint32_t stored);      // a code of the format list; else MP3 (1000)
uint32_t CorrectMp3ChannelMode(uint32_t stored);    // 0, 1, 3, 4; else 1
uint32_t CorrectStereoMonoSame(uint32_t stored);    // 0, 1, 2; else 2
uint32_t CorrectWmaChannels(uint32_t stored);       // 1, 2; else 2
uint32_t CorrectTagOption(uint32_t stored);         // 0..2; else 2
uint32_t CorrectAmplifyCoeff(uint32_t stored);      // clamped to 10..3000
uint32_t CorrectOggBitRate(uint32_t stored);        // above 1000: bits per second, divided by 1000
