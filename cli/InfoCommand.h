#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "cli/ExitCode.h"

struct ConvertSettings;

// `sondrel-cli info [--tags] [--json] PATH...`: probes each file as adding files
// does and prints the file list's cells as a tab-separated table. Folders
// are searched as Add Folder searches them (extension filter, shortcuts).
// With --tags, the nine tag texts that transferring the tag would read
// follow; tabs, line feeds and backslashes inside them are written as \t,
// \n and \\, as are names in the File column. With --json, one JSON array
// instead (cli/InfoJson.h). Files that no reader opens are reported on
// stderr as `convert` reports them, and fail the run on the same terms
// (cli/SourceLoading.h); --quiet prints only those, --verbose also names
// each file met in a folder that is not a sound file.
ExitCode RunInfoCommand(const std::vector<std::string>& args, const ConvertSettings& settings,
                        const std::string& programFolder, std::ostream& out, std::ostream& err);
