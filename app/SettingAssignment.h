#pragma once

#include <cstdint>
#include <string>

struct ConvertSettings;

// What became of one "NAME=VALUE" assignment.
struct SettingAssignment {
  enum class Outcome {
    APPLIED,       // stored, possibly corrected (`message` then says how)
    NOT_A_PAIR,    // no "=", or nothing before it
    UNKNOWN_NAME,  // no option or preset value has that name
    BAD_VALUE,     // outside what the option takes, or too long
  };
  Outcome outcome = Outcome::APPLIED;
  // Why it was refused, or "MP3BitRate=5 is stored as 8 (the lowest)." for
  // a number that loading corrects; "" when it was stored as given. One
  // sentence, no program name.
  std::string message;

  bool Applied() const { return outcome == Outcome::APPLIED; }
};

// Applies "NAME=VALUE" to `settings`, the name as `sondrel-cli options`
// prints it (an option, "MP3BitRate", or a preset value, "MP3Tag/Artist").
// A number is taken by its name or as a number within the option's set or
// range; one out of range that loading would correct is stored corrected.
// A text is taken as `options` prints it: \t, \n, \r and \\ stand for a
// tab, a line feed, a carriage return and a backslash (OneLineText). The
// write group that owns the value is added to `*group` when given, and the
// extension filter is rebuilt, since two of the values make it.
SettingAssignment ApplySettingAssignment(const std::string& pair, ConvertSettings& settings,
                                         uint32_t* group = nullptr);
