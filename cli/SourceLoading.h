#pragma once

#include <cstddef>
#include <iosfwd>
#include <string>
#include <vector>

#include "cli/Arguments.h"

class SourceList;
struct ConvertSettings;

// How much `convert` and `info` say besides their results. QUIET says only
// what failed; VERBOSE also names each file met in a folder that was not a
// sound file, which NORMAL counts in one line.
enum class Verbosity { QUIET, NORMAL, VERBOSE };

// The verbosity that --quiet or --verbose asks for; false with a message on
// `err` when both are given.
bool VerbosityOf(const Arguments& parsed, Verbosity& verbosity, std::ostream& err);

// Adds the files named and the files found in the folders named (searched
// as Add Folder searches them) to `list`. Each file that fails to load gets
// a line "path: reason" on `err` (the absolute path, written as OneLineText
// writes it), except that files met in a folder that are simply not sound
// files (a game's .json or .txt beside its music) or special files (a
// named pipe, a socket, a device; never opened) are counted in one line,
// or named one by one under VERBOSE, or left unsaid under QUIET. Each entry
// found in a folder keeps that folder as the one it was added from. True
// when a file named on the command line failed; files met while searching
// a folder do not count, since a folder often holds other files too.
//
// `failures`, when given, receives each sound file that failed to load (the
// files that are simply not sound files aside), with where it fell among
// the list's entries, so that a plan or a report can show it in its place.
// The files are probed on `jobs` threads at once (0: one per processor);
// the list and the messages are the same whatever the number.
struct LoadFailure {
  std::string path;  // absolute
  std::string reason;
  size_t before = 0;  // the number of entries the list held when it failed
};
bool LoadSources(const std::vector<std::string>& paths, const ConvertSettings& settings,
                 Verbosity verbosity, SourceList& list, std::ostream& err,
                 std::vector<LoadFailure>* failures = nullptr, int jobs = 0);
