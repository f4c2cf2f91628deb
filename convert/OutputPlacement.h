#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <utility>

#include "app/ConvertSettings.h"
#include "source/SourceFile.h"


// What placement takes from its surroundings besides the options: where the
// user's documents folder is. It is asked at most once per entry, and only
// when the chosen place cannot be used; "" means there is none.
struct PlacementContext {
  std::function<std::string()> documentsFolder;
  // The sub-folder (relative, without a trailing "/") below the output
  // folder that a source's output goes into, or "" for the folder itself;
  // the command line's --keep-folders repeats a searched folder's structure
  // this way. When set it takes the place of mirroring the source's path.
  std::function<std::string(const std::string& sourcePath)> subfolder;
  // Whether a target name counts as existing although nothing is there yet:
  // a batch that places several entries before their outputs are made
  // answers true for the names it gave earlier entries. Unset: only the
  // file system counts.
  std::function<bool(const std::string& target)> taken;

  // Uses the platform's documents folder (created when missing).
  PlacementContext();
  explicit PlacementContext(std::function<std::string()> documents)
      : documentsFolder(std::move(documents)) {}
};

class TemporaryOutput;

// The status texts of a target that cannot be created and of a target that
// exists under the skip policy.
std::string FileCreationFailedMessage(const std::string& target);
inline constexpr const char* TARGET_SKIPPED_MESSAGE = "Target exists and skipped";

// Chooses the output file of `entry` by the output-folder options, the
// extension of the output format and the target-exists policy, and proves
// that a file can be created beside it by creating the temporary file the
// conversion writes (TemporaryOutput). On success the entry's destinationPath
// holds the chosen path and its folder exists; nothing exists at that path,
// except under the overwrite policy, where an existing file stays until the
// finished output replaces it (a folder or a read-only file there fails the
// placement). The temporary file is handed over in `output` when given, and
// removed otherwise. On failure `message` holds the text to show as the
// entry's status and destinationPath is unchanged. Placement shows nothing
// itself, deletes no existing file and keeps no state between calls; the
// folders it creates stay. `inDocuments`, when given, tells whether the
// output was placed in the documents folder instead of where the options
// ask for.
bool PlaceOutput(SourceFile& entry, const ConvertSettings& settings, std::string& message,
                 const PlacementContext& context = PlacementContext(),
                 TemporaryOutput* output = nullptr, bool* inDocuments = nullptr);

// Makes sure `path` is a folder, creating each missing folder along it from
// the left. Fails on the first part that exists but is not a folder, or that
// cannot be created, and for an empty or over-long path. Repeated and
// trailing separators are harmless.
bool EnsureFolder(const std::string& path);
