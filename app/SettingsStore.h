#pragma once

#include <cstdint>
#include <string>

#include "app/ConvertSettings.h"

class SettingsRoot;

// The key below the settings root that holds every option.
inline constexpr const char* OPTIONS_KEY = "Options";

// Loads every option from the Options key into `settings`. Never fails: a
// missing key or value, a value of the wrong type or a file that cannot be
// parsed leaves the field as it was. Loading corrects out-of-range values
// where the option allows only some values (an "OutputFormat" that is no
// code of the format list loads as MP3), rebuilds the extension filter,
// then loads the presets MP3, OGG, WMA and M4A.
void LoadSettings(ConvertSettings& settings, const SettingsRoot& root);

// Writes the groups of values named by the bit set `groups` (GROUP_FOLDER,
// GROUP_OPTIONS, GROUP_MAIN_WINDOW); GROUP_OPTIONS also writes the four
// presets. Creates the key when missing. False when the store could not be
// written; 0 writes nothing and succeeds.
bool SaveSettings(const ConvertSettings& settings, uint32_t groups, SettingsRoot& root);

// The preset in the subkey `name` followed by "Tag" below the Options key.
// Loading leaves the preset unchanged and answers false when the subkey does
// not exist; a missing or empty text loads as "".
bool LoadTagPreset(TagPreset& preset, const std::string& name, const SettingsRoot& root);
bool SaveTagPreset(const TagPreset& preset, const std::string& name, SettingsRoot& root);
