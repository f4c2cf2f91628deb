#include "cli/Arguments.h"

#include <algorithm>
#include <cctype>
#include <ostream>

#include "app/SettingAssignment.h"

bool HelpRequested(const std::vector<std::string>& args) {
  for (const std::string& arg : args) {
    if (arg == "--") return false;
    if (arg == "-h" || arg == "--help") return true;
  }
  return false;
}

bool SplitArguments(const std::vector<std::string>& args, const std::vector<FlagSpec>& known,
                    const std::string& command, Arguments& parsed, std::ostream& err) {
  const std::string helpHint = ". Run 'sondrel-cli " + command + " --help'.\n";
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--") {
      parsed.operands.insert(parsed.operands.end(),
                             args.begin() + static_cast<std::ptrdiff_t>(i) + 1, args.end());
      break;
    }
    if (arg.size() < 2 || arg[0] != '-') {
      parsed.operands.push_back(arg);
      continue;
    }
    const std::string::size_type equals = arg.find('=');
    const std::string name = arg.substr(0, equals);
    const auto spec = std::find_if(known.begin(), known.end(),
                                   [&](const FlagSpec& flag) { return name == flag.name; });
    if (spec == known.end()) {
      err << "sondrel-cli: " << command << " does not know the option \"" << name << "\""
          << helpHint;
      return false;
    }
    Arguments::Flag flag{name, std::string()};
    if (spec->valueAfterEqualsOnly) {
      // A negative number after it is its value too ("--normalize -14"):
      // no flag and no path of this command line starts that way.
      const bool negativeNext = i + 1 < args.size() && args[i + 1].size() > 1 &&
                                args[i + 1][0] == '-' &&
                                std::isdigit(static_cast<unsigned char>(args[i + 1][1]));
      if (equals != std::string::npos)
        flag.value = arg.substr(equals + 1);
      else if (negativeNext)
        flag.value = args[++i];
      parsed.flags.push_back(std::move(flag));
      continue;
    }
    if (!spec->takesValue && equals != std::string::npos) {
      err << "sondrel-cli: " << name << " takes no value" << helpHint;
      return false;
    }
    if (spec->takesValue && equals != std::string::npos) {
      flag.value = arg.substr(equals + 1);
    } else if (spec->takesValue) {
      if (i + 1 >= args.size()) {
        err << "sondrel-cli: " << name << " needs a value" << helpHint;
        return false;
      }
      flag.value = args[++i];
    }
    parsed.flags.push_back(std::move(flag));
  }
  return true;
}

bool ApplyAssignmentArgument(const std::string& pair, ConvertSettings& settings, std::ostream& err,
                             uint32_t* group) {
  const SettingAssignment result = ApplySettingAssignment(pair, settings, group);
  if (result.Applied()) {
    if (!result.message.empty()) err << result.message << '\n';
    return true;
  }
  err << "sondrel-cli: " << result.message;
  if (result.outcome == SettingAssignment::Outcome::UNKNOWN_NAME)
    err << " Run 'sondrel-cli options' to list the option names.";
  err << '\n';
  return false;
}
