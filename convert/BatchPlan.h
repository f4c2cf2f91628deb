#pragma once

#include <string>
#include <vector>

#include "app/ConvertSettings.h"
#include "convert/OutputPlacement.h"

struct SourceFile;

// What a run of the batch would do with one entry.
enum class PlannedAction {
  CONVERT,    // converted into a new file of its own name
  OVERWRITE,  // converted, replacing the file at its name
  RENAME,     // converted under the next free "name_n"
  SKIP,       // its target exists and the policy skips it
  FAIL,       // refused before converting (placement, no SoundFont)
};

struct PlannedEntry {
  std::string source;
  std::string output;  // the name it would be given; "" for skip and fail
  PlannedAction action = PlannedAction::CONVERT;
  std::string reason;        // why it skips or fails, as the real run says it
  bool inDocuments = false;  // the output folder could not be used
};

// The word a plan shows for an action: "convert", "overwrite", "rename",
// "skip", "fail".
const char* PlannedActionName(PlannedAction action);

// What a run over `entries`, in this order, would do, by the same placement
// the run uses (PlaceOutput with createNothing) and with the names given to
// earlier entries taken, as a run takes them: nothing is written and no
// folder is made. An entry that converts is assumed to succeed. MIDI
// entries fail when `soundFontReady` is false, as they do in a run.
// `context` gives the documents folder and the sub-folders; its `taken`
// and `createNothing` are the plan's own.
std::vector<PlannedEntry> PlanBatch(const std::vector<SourceFile*>& entries,
                                    const ConvertSettings& settings, bool soundFontReady,
                                    PlacementContext context);
