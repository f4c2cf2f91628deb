#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

struct ConvertSettings;

// A flag a command knows: "--to" with a value, "--tags" without;
// "--normalize" may take one, after "=" or as a negative number next
// ("--normalize=-14", "--normalize -14").
struct FlagSpec {
  const char* name;
  bool takesValue;
  bool valueAfterEqualsOnly = false;
};

// A command's arguments split into flags (in the order given) and operands.
struct Arguments {
  struct Flag {
    std::string name;
    std::string value;
  };
  std::vector<Flag> flags;
  std::vector<std::string> operands;
};

// True when "-h" or "--help" comes before any "--": the command's usage is
// asked for, whatever else the line holds.
bool HelpRequested(const std::vector<std::string>& args);

// Splits `args` of `command` by `known`: a flag's value follows it as the
// next argument or after "=" (GNU style, "--out=DIR"); everything after
// "--" is an operand. False with a message on `err` for an unknown flag, a
// missing value, or a value given to a flag that takes none.
bool SplitArguments(const std::vector<std::string>& args, const std::vector<FlagSpec>& known,
                    const std::string& command, Arguments& parsed, std::ostream& err);

// Applies a "NAME=VALUE" argument to `settings` (ApplySettingAssignment)
// and says on `err` what became of it: why it was refused, with what to run
// for the names, or how a corrected number is stored. False when refused.
bool ApplyAssignmentArgument(const std::string& pair, ConvertSettings& settings, std::ostream& err,
                             uint32_t* group = nullptr);
