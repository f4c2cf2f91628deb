#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "cli/ExitCode.h"

struct ConvertSettings;

// `sondrel-cli convert [--to FORMAT] [--out DIR] [--set NAME=VALUE]... PATH...`:
// adds the files (as the file dialog does) and folders (searched as Add
// Folder does) to a list and converts it all with the saved options, which
// the flags override for this run only. Prints "path<TAB>status" for each
// entry.
ExitCode RunConvertCommand(const std::vector<std::string>& args, ConvertSettings& settings,
                           const std::string& programFolder, std::ostream& out, std::ostream& err);
