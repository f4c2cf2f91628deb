#include "app/SettingsStore.h"

#include "app/SettingsCatalog.h"
#include "platform/settings/SettingsKey.h"

namespace {

std::string PresetKeyPath(const std::string& name) {
  return std::string(OPTIONS_KEY) + "/" + name + "Tag";
}

bool WriteValue(SettingsKey& key, const SettingValue& value, const ConvertSettings& settings) {
  if (value.IsText()) return key.WriteText(value.name, settings.*value.text);
  return key.WriteNumber(value.name, settings.*value.number);
}

}  // namespace

void LoadSettings(ConvertSettings& settings, const SettingsRoot& root) {
  const std::unique_ptr<SettingsKey> key = root.OpenKey(OPTIONS_KEY);
  if (!key) return;

  for (const SettingValue& value : SettingsCatalog()) {
    if (value.IsText()) {
      const std::optional<std::string> text = key->ReadText(value.name);
      if (text && (value.maxBytes == 0 || text->size() <= value.maxBytes))
        settings.*value.text = *text;
    } else {
      const std::optional<uint32_t> number = key->ReadNumber(value.name);
      if (number) settings.*value.number = value.correct ? value.correct(*number) : *number;
    }
  }
  RebuildExtensionFilter(settings);

  for (const PresetSlot& slot : PresetSlots()) LoadTagPreset(settings.*slot.preset, slot.name, root);
}

bool SaveSettings(const ConvertSettings& settings, uint32_t groups, SettingsRoot& root) {
  if (groups == 0) return true;
  const std::unique_ptr<SettingsKey> key = root.CreateKey(OPTIONS_KEY);
  if (!key) return false;

  bool ok = true;
  for (const SettingValue& value : SettingsCatalog())
    if (value.group & groups) ok = WriteValue(*key, value, settings) && ok;
  ok = key->Flush() && ok;

  if (groups & GROUP_OPTIONS)
    for (const PresetSlot& slot : PresetSlots())
      ok = SaveTagPreset(settings.*slot.preset, slot.name, root) && ok;
  return ok;
}

bool LoadTagPreset(TagPreset& preset, const std::string& name, const SettingsRoot& root) {
  const std::unique_ptr<SettingsKey> key = root.OpenKey(PresetKeyPath(name));
  if (!key) return false;

  for (const PresetValue& value : PresetCatalog()) {
    if (value.IsText()) {
      preset.*value.text = key->ReadText(value.name).value_or(std::string());
    } else if (const std::optional<uint32_t> number = key->ReadNumber(value.name)) {
      preset.*value.number = *number;
    }
  }
  return true;
}

bool SaveTagPreset(const TagPreset& preset, const std::string& name, SettingsRoot& root) {
  const std::unique_ptr<SettingsKey> key = root.CreateKey(PresetKeyPath(name));
  if (!key) return false;

  bool ok = true;
  for (const PresetValue& value : PresetCatalog()) {
    ok = (value.IsText() ? key->WriteText(value.name, preset.*value.text)
                         : key->WriteNumber(value.name, preset.*value.number)) &&
         ok;
  }
  return key->Flush() && ok;
}
