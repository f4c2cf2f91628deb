#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/ConvertSettings.h"
#include "platform/paths/PathIdentity.h"

// One stored code of an enumerated option and the name users type for it;
// a null name means the number is its own name (WAVBitsPerSample's 8).
struct ValueName {
  uint32_t code;
  const char* name;
};

// The values a numeric option takes: one of the codes of `names` when there
// are any, else any number from `low` to `high`.
struct ValueRule {
  std::vector<ValueName> names;
  uint32_t low = 0;
  uint32_t high = UINT32_MAX;

  bool IsEnumerated() const { return !names.empty(); }
  bool Allows(uint32_t code) const;
  // The name of `code`, or the number when it has none.
  std::string Text(uint32_t code) const;
  // A name (in any case) or a whole number; nullopt for anything else.
  // The result may still be outside the rule.
  std::optional<uint32_t> Parse(const std::string& text) const;
  // What the rule allows, for messages and descriptions: "rename, overwrite
  // or skip (or 11, 22, 33)", "10 to 3000", "a whole number from 0 to
  // 4294967295".
  std::string Describe() const;
};

// One persisted value of ConvertSettings: its name in the store, the write
// group that saves it, the field that holds it, the correction that loading
// applies to it, the values it takes and what it means. Exactly one of
// `number` and `text` is set.
struct SettingValue {
  const char* name;
  uint32_t group;
  uint32_t ConvertSettings::*number;
  std::string ConvertSettings::*text;
  uint32_t (*correct)(uint32_t stored);  // null: loaded as stored
  std::size_t maxBytes;                  // texts: longest accepted (0: any length)
  ValueRule values;                      // numbers only
  const char* meaning;                   // one line, for `options --describe`

  bool IsText() const { return text != nullptr; }
};

// Every value of the Options key in the order of the option tables:
// General, MP3, WAV, WMA, OGG, AAC, M4A, AMR, FLAC, Opus, MIDI. "FirstRun" is not part of the
// record and is not listed.
const std::vector<SettingValue>& SettingsCatalog();
const SettingValue* FindSetting(std::string_view name);

// One value of a tag-preset subkey, in record order.
struct PresetValue {
  const char* name;
  uint32_t TagPreset::*number;
  std::string TagPreset::*text;
  ValueRule values;     // numbers only
  const char* meaning;  // one line, for `options --describe`

  bool IsText() const { return text != nullptr; }
};
const std::vector<PresetValue>& PresetCatalog();
const PresetValue* FindPresetValue(std::string_view name);

// The presets in load and save order: "MP3", "OGG", "WMA", "M4A", "FLAC",
// "Opus". Each
// lives in the subkey of its name followed by "Tag".
struct PresetSlot {
  const char* name;
  TagPreset ConvertSettings::*preset;
};
const std::vector<PresetSlot>& PresetSlots();
const PresetSlot* FindPresetSlot(std::string_view subkeyName);  // "MP3Tag"

// The field of a settings record that a name as `sondrel-cli options`
// prints it denotes: an option ("MP3BitRate") or a preset value
// ("MP3Tag/Artist"), with its write group, correction, length limit, values
// and meaning. Exactly one of `number` and `text` is set.
struct SettingField {
  uint32_t group = GROUP_OPTIONS;
  uint32_t* number = nullptr;
  std::string* text = nullptr;
  uint32_t (*correct)(uint32_t) = nullptr;
  std::size_t maxBytes = 0;
  const ValueRule* values = nullptr;
  const char* meaning = "";
};
std::optional<SettingField> FindSettingField(const std::string& name, ConvertSettings& settings);

// The corrections that loading applies.
uint32_t CorrectOutputFormat(uint32_t stored);      // a code of the format list; else MP3 (1000)
uint32_t CorrectMp3ChannelMode(uint32_t stored);    // 0, 1, 3, 4; else 1
uint32_t CorrectStereoMonoSame(uint32_t stored);    // 0, 1, 2; else 2
uint32_t CorrectWmaChannels(uint32_t stored);       // 1, 2; else 2
uint32_t CorrectTagOption(uint32_t stored);         // 0..2; else 2
uint32_t CorrectAmplifyCoeff(uint32_t stored);      // clamped to 10..3000
uint32_t CorrectOggBitRate(uint32_t stored);        // above 1000: bits per second, divided by 1000
uint32_t CorrectMp3VbrQuality(uint32_t stored);     // above 9: 9
uint32_t CorrectOggQuality(uint32_t stored);        // a level of -1..10; else 3
uint32_t CorrectFlacLevel(uint32_t stored);         // above 8: 8
uint32_t CorrectOpusBitRate(uint32_t stored);       // clamped to 6..510
uint32_t CorrectOpusBitRateMode(uint32_t stored);   // 0..2; else 0
uint32_t CorrectOpusComplexity(uint32_t stored);    // above 10: 10
uint32_t CorrectConvertJobs(uint32_t stored);       // clamped to 0..MAX_CONVERT_JOBS
