#pragma once

#include <QtGlobal>

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
  // folder that a source's output goes into, or "" for the folder itself.
  // When set it takes the place of mirroring the source's path. Unset, a
  // file found by searching a folder goes below the output folder as it
  // lay below that folder when the options ask to keep added sub-folders
  // (KeepAddedSubfolders, which --keep-folders sets for its run).
  std::function<std::string(const std::string& sourcePath)> subfolder;
  // Whether the batch gave the name to an earlier entry (whose output may
  // or may not be there yet), compared as the target's folder compares
  // names. Auto rename and overwrite pass over such a name, so every
  // entry of a batch gets a file of its own: overwrite replaces only files
  // that were there before the batch. Skip decides against the disk alone,
  // when the output takes its name. Unset: no name is the batch's.
  std::function<bool(const std::string& target)> taken;
  // A plan only: placement decides as it would for a real run but creates
  // nothing, no folder and no temporary file. A folder that is missing must
  // be one that could be made (its nearest existing folder takes new
  // entries), and the target's folder must take new files. Under skip, a
  // name the batch gave an earlier entry counts as on the disk, since in a
  // real run that output would be there by the time this one takes its name.
  bool createNothing = false;

  // Uses the platform's documents folder (created when missing).
  PlacementContext();
  explicit PlacementContext(std::function<std::string()> documents)
      : documentsFolder(std::move(documents)) {}
};

class TemporaryOutput;

// What placement says besides the status text.
struct PlacementNotes {
  // The output was placed in the documents folder instead of where the
  // options ask for.
  bool inDocuments = false;
  // Why placement failed, when the status text does not say it.
  std::string reason;
  // The output took the next free "name_n" because its own name was taken.
  bool renamed = false;
  // The output will replace a file that is there now (overwrite).
  bool replaces = false;
};

// The reason given when the output's file name is longer than its folder's
// file system takes.
inline constexpr const char* NAME_TOO_LONG_REASON = "the output name is too long";

// The status texts of a target that cannot be created and of a target that
// exists under the skip policy.
std::string FileCreationFailedMessage(const std::string& target);
inline constexpr const char* TARGET_SKIPPED_MESSAGE =
    QT_TRANSLATE_NOOP("Sondrel", "Target exists and skipped");
inline constexpr const char* FILE_FAILED_MESSAGE =
    QT_TRANSLATE_NOOP("Sondrel", "Failed to create file \"%1\"");
inline constexpr const char* FOLDER_FAILED_MESSAGE =
    QT_TRANSLATE_NOOP("Sondrel", "Failed to create folder \"%1\"");
// The text shown when the output-name pattern has `problem`.
std::string OutputNamePatternMessage(const std::string& problem);
inline constexpr const char* OUTPUT_NAME_PATTERN_MESSAGE =
    QT_TRANSLATE_NOOP("Sondrel", "The output name pattern cannot be used: %1.");

// Chooses the output file of `entry` by the output-folder options, the
// output-name pattern (whose sub-folders go below the folder the options
// choose, and which fails every entry when it cannot be used), the
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
// folders it creates stay. `notes`, when given, receives whether the output
// went to the documents folder and the reason of a failure. With
// `context.createNothing` the same decisions are made and nothing is created:
// destinationPath is the name a real run would give, `output` stays empty.
//
// The documents folder is a last resort that never replaces anything: an
// existing file there keeps its name and the output takes the next free
// one, whatever the policy. A failure that another folder cannot mend (the
// source itself as the target, a read-only target under overwrite, a file
// name too long) is final and does not try it.
bool PlaceOutput(SourceFile& entry, const ConvertSettings& settings, std::string& message,
                 const PlacementContext& context = PlacementContext(),
                 TemporaryOutput* output = nullptr, PlacementNotes* notes = nullptr);

// Makes sure `path` is a folder, creating each missing folder along it from
// the left. Fails on the first part that exists but is not a folder, or that
// cannot be created, and for an empty or over-long path. Repeated and
// trailing separators are harmless.
bool EnsureFolder(const std::string& path);
