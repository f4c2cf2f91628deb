#include "cli/OptionsCommand.h"

#include <optional>
#include <ostream>

#include "app/ConvertSettings.h"
#include "app/OneLineText.h"
#include "app/SettingsCatalog.h"
#include "app/SettingsStore.h"
#include "cli/Arguments.h"
#include "platform/settings/SettingsKey.h"

namespace {

// One line "Name=Value": a number by its name when it has one; a text's
// tabs, line feeds and backslashes escaped so that every value stays on its
// line.
void PrintValue(std::ostream& out, const std::string& name, const SettingField& field) {
  out << name << '=';
  if (field.number)
    out << field.values->Text(*field.number);
  else
    out << OneLineText(*field.text);
  out << '\n';
}

// Every name `options` prints, in its order: the options, then the presets.
std::vector<std::string> OptionNames() {
  std::vector<std::string> names;
  for (const SettingValue& value : SettingsCatalog()) names.emplace_back(value.name);
  for (const PresetSlot& slot : PresetSlots())
    for (const PresetValue& field : PresetCatalog())
      names.push_back(std::string(slot.name) + "Tag/" + field.name);
  return names;
}

// What a field takes, for `options --describe`.
std::string AllowedText(const SettingField& field) {
  if (field.number) return field.values->Describe();
  if (field.maxBytes != 0) return "a path of at most " + std::to_string(field.maxBytes) + " bytes";
  return "any text";
}

// "Name=Value", then what the option takes and what it means, indented.
void DescribeOptions(ConvertSettings& settings, std::ostream& out) {
  for (const std::string& name : OptionNames()) {
    const SettingField field = *FindSettingField(name, settings);
    PrintValue(out, name, field);
    const std::string::size_type slash = name.find('/');  // "MP3Tag/Artist"
    const std::string preset =
        slash == std::string::npos ? "" : name.substr(0, slash - 3) + " tag preset: ";
    out << "    " << AllowedText(field) << "\n    " << preset << field.meaning << '\n';
  }
}

// The hidden helpers of the shell completion: every option name, or the
// value names of one option (nothing for an option that takes any number).
ExitCode PrintCompletionWords(const Arguments& parsed, ConvertSettings& settings, std::ostream& out,
                              std::ostream& err) {
  const Arguments::Flag& flag = parsed.flags.back();
  if (flag.name == "--names") {
    for (const std::string& name : OptionNames()) out << name << '\n';
    return EXIT_OK;
  }
  const std::optional<SettingField> field = FindSettingField(flag.value, settings);
  if (!field) {
    err << "sondrel-cli: unknown option \"" << flag.value << "\".\n";
    return EXIT_USAGE;
  }
  if (field->number)
    for (const ValueName& value : field->values->names)
      out << field->values->Text(value.code) << '\n';
  return EXIT_OK;
}

}  // namespace

void PrintOptions(const ConvertSettings& settings, std::ostream& out) {
  ConvertSettings copy = settings;  // FindSettingField hands out writable fields
  for (const std::string& name : OptionNames())
    PrintValue(out, name, *FindSettingField(name, copy));
}

ExitCode RunOptionsCommand(const std::vector<std::string>& args, ConvertSettings& settings,
                           SettingsRoot& root, std::ostream& out, std::ostream& err) {
  Arguments parsed;
  if (!SplitArguments(args, {{"--describe", false}, {"--names", false}, {"--values", true}},
                      "options", parsed, err))
    return EXIT_USAGE;
  if (!parsed.flags.empty() && parsed.flags.back().name != "--describe")
    return PrintCompletionWords(parsed, settings, out, err);
  LoadSettings(settings, root);
  const std::string problem = root.ReadProblem();
  const std::vector<std::string>& pairs = parsed.operands;
  if (pairs.empty()) {
    if (!problem.empty()) err << "sondrel-cli: " << problem << "; the defaults are shown.\n";
    if (parsed.flags.empty())
      PrintOptions(settings, out);
    else
      DescribeOptions(settings, out);
    return EXIT_OK;
  }
  if (!parsed.flags.empty()) {
    err << "sondrel-cli: --describe takes no NAME=VALUE. Run 'sondrel-cli options --help'.\n";
    return EXIT_USAGE;
  }
  // Every pair is checked before anything is saved, so a bad one writes nothing.
  uint32_t groups = 0;
  for (const std::string& pair : pairs)
    if (!ApplyAssignmentArgument(pair, settings, err, &groups)) return EXIT_USAGE;
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
  for (const std::string& pair : pairs) {
    const std::string name = pair.substr(0, pair.find('='));
    PrintValue(out, name, *FindSettingField(name, settings));
  }
  return EXIT_OK;
}
