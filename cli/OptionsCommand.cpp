#include "cli/OptionsCommand.h"

#include <optional>
#include <ostream>

#include "app/ConvertSettings.h"
#include "app/OutputFormat.h"
#include "app/SettingsCatalog.h"
#include "app/SettingsStore.h"
#include "cli/OneLineText.h"
#include "platform/settings/SettingsKey.h"

namespace {

// The field of `settings` that `name` denotes (an option, or a preset
// value as "MP3Tag/Artist"), with its write group, correction and limit.
struct Field {
  uint32_t group = GROUP_OPTIONS;
  uint32_t* number = nullptr;
  std::string* text = nullptr;
  uint32_t (*correct)(uint32_t) = nullptr;
  std::size_t maxBytes = 0;
};

std::optional<Field> FindField(const std::string& name, ConvertSettings& settings) {
  Field field;
  if (const SettingValue* setting = FindSetting(name)) {
    field.group = setting->group;
    field.correct = setting->correct;
    field.maxBytes = setting->maxBytes;
    if (setting->IsText()) field.text = &(settings.*setting->text);
    else field.number = &(settings.*setting->number);
    return field;
  }
  const std::string::size_type slash = name.find('/');
  const PresetSlot* slot = slash == std::string::npos ? nullptr : FindPresetSlot(name.substr(0, slash));
  const PresetValue* value = slot ? FindPresetValue(name.substr(slash + 1)) : nullptr;
  if (!value) return std::nullopt;
  TagPreset& preset = settings.*slot->preset;
  if (value->IsText()) field.text = &(preset.*value->text);
  else field.number = &(preset.*value->number);
  return field;
}

// One line "Name=Value"; a text's tabs, line feeds and backslashes are
// escaped so that every value stays on its line.
void PrintValue(std::ostream& out, const std::string& name, const uint32_t* number,
                const std::string* text) {
  out << name << '=';
  if (number) out << *number; else out << OneLineText(*text);
  out << '\n';
}

}  // namespace

void PrintOptions(const ConvertSettings& settings, std::ostream& out) {
  for (const SettingValue& value : SettingsCatalog()) {
    PrintValue(out, value.name, value.IsText() ? nullptr : &(settings.*value.number),
               value.IsText() ? &(settings.*value.text) : nullptr);
  }
  for (const PresetSlot& slot : PresetSlots()) {
    const TagPreset& preset = settings.*slot.preset;
    for (const PresetValue& field : PresetCatalog()) {
      PrintValue(out, std::string(slot.name) + "Tag/" + field.name,
                 field.IsText() ? nullptr : &(preset.*field.number),
                 field.IsText() ? &(preset.*field.text) : nullptr);
    }
  }
}

bool ApplyOptionAssignment(const std::string& pair, ConvertSettings& settings, std::ostream& err,
                           uint32_t* group) {
  const std::string::size_type equals = pair.find('=');
  if (equals == std::string::npos || equals == 0) {
    err << "sondrel-cli: expected NAME=VALUE, got \"" << pair << "\".\n";
    return false;
  }
  const std::string name = pair.substr(0, equals);
  const std::string value = pair.substr(equals + 1);
  const std::optional<Field> field = FindField(name, settings);
  if (!field) {
    err << "sondrel-cli: unknown option \"" << name
        << "\". Run 'sondrel-cli options' to list the option names.\n";
    return false;
  }

  if (field->text) {
    if (field->maxBytes != 0 && value.size() > field->maxBytes) {
      err << "sondrel-cli: the value of " << name << " is longer than " << field->maxBytes
          << " bytes, the longest path the system accepts.\n";
      return false;
    }
    *field->text = value;
  } else {
    std::optional<uint32_t> number = ParseUint32(value);
    const bool isFormat = name == "OutputFormat";
    if (!number && isFormat && OutputFormatFromName(value) != 0) number = OutputFormatFromName(value);
    if (!number) {
      err << "sondrel-cli: " << name << " takes a whole number from 0 to 4294967295"
          << (isFormat ? " or a format name (mp3, wav, wma, ogg, aac, m4a, mp4, m4b, amr, awb)" : "")
          << ", not \"" << value << "\".\n";
      return false;
    }
    if (isFormat && !IsKnownOutputFormat(*number)) {
      err << "sondrel-cli: " << *number << " is not an output format code. Use a format name "
          << "(mp3, wav, wma, ogg, aac, m4a, mp4, m4b, amr, awb) or one of the codes 1000, 2000, "
          << "4000, 5500, 5600, 6000, 6500, 6600, 6700, 7000.\n";
      return false;
    }
    *field->number = field->correct ? field->correct(*number) : *number;
  }
  if (group) *group |= field->group;
  RebuildExtensionFilter(settings);
  return true;
}

ExitCode RunOptionsCommand(const std::vector<std::string>& args, ConvertSettings& settings,
                           SettingsRoot& root, std::ostream& out, std::ostream& err) {
  LoadSettings(settings, root);
  const std::string problem = root.ReadProblem();
  if (args.empty()) {
    if (!problem.empty()) err << "sondrel-cli: " << problem << "; the defaults are shown.\n";
    PrintOptions(settings, out);
    return EXIT_OK;
  }
  // Every pair is checked before anything is saved, so a bad one writes nothing.
  uint32_t groups = 0;
  for (const std::string& arg : args)
    if (!ApplyOptionAssignment(arg, settings, err, &groups)) return EXIT_USAGE;
  // Saving over a file that could not be read would lose what it holds.
  if (!problem.empty()) {
    err << "sondrel-cli: " << problem << "; nothing was saved. Correct or remove the file, "
        << "then try again.\n";
    return EXIT_FAILED;
  }
  if (!SaveSettings(settings, groups, root)) {
    err << "sondrel-cli: the options could not be saved; check that the settings file "
           "and its folder are writable.\n";
    return EXIT_FAILED;
  }
  for (const std::string& arg : args) {
    const std::string name = arg.substr(0, arg.find('='));
    const std::optional<Field> field = FindField(name, settings);
    PrintValue(out, name, field->number, field->text);
  }
  return EXIT_OK;
}
