#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "cli/ExitCode.h"

// The command-line front end: reads the command and hands it to the core.
// `args` excludes the program name.
ExitCode RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
