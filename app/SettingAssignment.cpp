#include "app/SettingAssignment.h"

#include <optional>

#include "app/ConvertSettings.h"
#include "app/OneLineText.h"
#include "app/SettingsCatalog.h"

namespace {

// The number `value` of option `name` as it is stored: a name or a number
// within the option's set or range. A number out of range that loading
// would correct is stored corrected, and the result says so. An enumerated
// option's code is never corrected here: a wrong code names no choice, and
// guessing one is what the user must not be left with.
SettingAssignment StoreNumber(const std::string& name, const std::string& value,
                              const SettingField& field) {
  const ValueRule& rule = *field.values;
  const std::optional<uint32_t> number = rule.Parse(value);
  uint32_t stored = number.value_or(0);
  if (number && field.correct && !rule.IsEnumerated()) stored = field.correct(*number);
  if (!number || !rule.Allows(stored))
    return {SettingAssignment::Outcome::BAD_VALUE,
            name + " takes " + rule.Describe() + ", not \"" + value + "\"."};
  *field.number = stored;
  if (stored == *number) return {};
  std::string message = name + "=" + value + " is stored as " + std::to_string(stored);
  if (stored == rule.low && rule.low != 0)
    message += " (the lowest)";
  else if (stored == rule.high && rule.high != UINT32_MAX)
    message += " (the highest)";
  return {SettingAssignment::Outcome::APPLIED, message + "."};
}

}  // namespace

SettingAssignment ApplySettingAssignment(const std::string& pair, ConvertSettings& settings,
                                         uint32_t* group) {
  const std::string::size_type equals = pair.find('=');
  if (equals == std::string::npos || equals == 0)
    return {SettingAssignment::Outcome::NOT_A_PAIR, "expected NAME=VALUE, got \"" + pair + "\"."};
  const std::string name = pair.substr(0, equals);
  const std::string value = pair.substr(equals + 1);
  const std::optional<SettingField> field = FindSettingField(name, settings);
  if (!field) return {SettingAssignment::Outcome::UNKNOWN_NAME, "unknown option \"" + name + "\"."};

  SettingAssignment result;
  if (field->text) {
    std::string text = TextFromOneLine(value);
    if (field->maxBytes != 0 && text.size() > field->maxBytes)
      return {SettingAssignment::Outcome::BAD_VALUE,
              "the value of " + name + " is longer than " + std::to_string(field->maxBytes) +
                  " bytes, the longest path the system accepts."};
    *field->text = std::move(text);
  } else {
    result = StoreNumber(name, value, *field);
    if (!result.Applied()) return result;
  }
  if (group) *group |= field->group;
  RebuildExtensionFilter(settings);
  return result;
}
