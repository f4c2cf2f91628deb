#include "cli/OptionsCommand.h"

#include <optional>
#include <ostream>

#include "app/ConvertSettings.h"
#include "app/SettingsCatalog.h"
#include "app/SettingsStore.h"
#include "convert/OutputFormat.h"

namespace {

std::optional<uint32_t> ParseNumber(const std::string& text) {
  if (text.empty() || text.size() > 10) return std::nullopt;
  uint64_t value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + static_cast<uint64_t>(c - '0');
  }
  if (value > 0xFFFFFFFFull) return std::nullopt;
  return static_cast<uint32_t>(value);
}

// One validated assignment, ready to apply.
struct Assignment {
  std::string name;  // as printed
  uint32_t group;
  uint32_t* number;
  std::string* text;
  uint32_t numberValue;
  std::string textValue;
};

void PrintValue(std::ostream& out, const std::string& name, const uint32_t* number,
                const std::string* text) {
  out << name << '=';
  if (number) out << *number; else out << *text;
  out << '\n';
}

// Resolves `name` to a field of `settings`; false with a message when the
// name or value is not acceptable.
bool Resolve(const std::string& name, const std::string& value, ConvertSettings& settings,
             Assignment& result, std::ostream& err) {
  result = Assignment{name, GROUP_OPTIONS, nullptr, nullptr, 0, std::string()};
  uint32_t (*correct)(uint32_t) = nullptr;
  std::size_t maxBytes = 0;

  if (const SettingValue* setting = FindSetting(name)) {
    result.group = setting->group;
    correct = setting->correct;
    maxBytes = setting->maxBytes;
    if (setting->IsText()) result.text = &(settings.*setting->text);
    else result.number = &(settings.*setting->number);
  } else {
    const std::string::size_type slash = name.find('/');
    const PresetSlot* slot = slash == std::string::npos ? nullptr : FindPresetSlot(name.substr(0, slash));
    const PresetValue* field = slot ? FindPresetValue(name.substr(slash + 1)) : nullptr;
    if (!field) {
      err << "sondrel-cli: unknown option \"" << name
          << "\". Run 'sondrel-cli options' to list the option names.\n";
      return false;
    }
    TagPreset& preset = settings.*slot->preset;
    if (field->IsText()) result.text = &(preset.*field->text);
    else result.number = &(preset.*field->number);
  }

  if (result.text) {
    if (maxBytes != 0 && value.size() > maxBytes) {
      err << "sondrel-cli: the value of " << name << " is longer than " << maxBytes
          << " bytes, the longest path the system accepts.\n";
      return false;
    }
    result.textValue = value;
    return true;
  }

  std::optional<uint32_t> number = ParseNumber(value);
  if (!number && name == "OutputFormat") {
    const uint32_t format = OutputFormatFromName(value);
    if (format != 0) number = format;
  }
  if (!number) {
    err << "sondrel-cli: " << name << " takes a whole number from 0 to 4294967295"
        << (name == "OutputFormat" ? " or a format name (mp3, wav, wma, ogg, aac, m4a, mp4, m4b, amr, awb)" : "")
        << ", not \"" << value << "\".\n";
    return false;
  }
  if (name == "OutputFormat" && !IsKnownOutputFormat(*number)) {
    err << "sondrel-cli: " << *number << " is not an output format code. Use a format name "
        << "(mp3, wav, wma, ogg, aac, m4a, mp4, m4b, amr, awb) or one of the codes 1000, 2000, "
        << "4000, 5500, 5600, 6000, 6500, 6600, 6700, 7000.\n";
    return false;
  }
  result.numberValue = correct ? correct(*number) : *number;
  return true;
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

ExitCode RunOptionsCommand(const std::vector<std::string>& args, ConvertSettings& settings,
                           SettingsRoot& root, std::ostream& out, std::ostream& err) {
  LoadSettings(settings, root);
  if (args.empty()) {
    PrintOptions(settings, out);
    return EXIT_OK;
  }

  // Every pair is checked before anything changes, so a bad one writes nothing.
  std::vector<Assignment> assignments;
  for (const std::string& arg : args) {
    const std::string::size_type equals = arg.find('=');
    if (equals == std::string::npos || equals == 0) {
      err << "sondrel-cli: expected NAME=VALUE, got \"" << arg << "\".\n";
      return EXIT_USAGE;
    }
    Assignment assignment;
    if (!Resolve(arg.substr(0, equals), arg.substr(equals + 1), settings, assignment, err))
      return EXIT_USAGE;
    assignments.push_back(std::move(assignment));
  }

  uint32_t groups = 0;
  for (const Assignment& a : assignments) {
    if (a.number) *a.number = a.numberValue; else *a.text = a.textValue;
    groups |= a.group;
  }
  RebuildExtensionFilter(settings);
  if (!SaveSettings(settings, groups, root)) {
    err << "sondrel-cli: the options could not be saved; check that the settings file "
           "and its folder are writable.\n";
    return EXIT_FAILED;
  }
  for (const Assignment& a : assignments) PrintValue(out, a.name, a.number, a.text);
  return EXIT_OK;
}
