#include "convert/BatchPlan.h"

#include "convert/BatchNames.h"
#include "convert/ConversionJob.h"
#include "source/SourceFile.h"
#include "source/SourceKind.h"

const char* PlannedActionName(PlannedAction action) {
  switch (action) {
    case PlannedAction::CONVERT:
      return "convert";
    case PlannedAction::OVERWRITE:
      return "overwrite";
    case PlannedAction::RENAME:
      return "rename";
    case PlannedAction::SKIP:
      return "skip";
    case PlannedAction::FAIL:
      return "fail";
  }
  return "fail";
}

std::vector<PlannedEntry> PlanBatch(const std::vector<SourceFile*>& entries,
                                    const ConvertSettings& settings, bool soundFontReady,
                                    PlacementContext context) {
  BatchNames names;
  context.createNothing = true;
  context.taken = [&names](const std::string& target) { return names.IsClaimed(target); };
  std::vector<PlannedEntry> plan;
  plan.reserve(entries.size());
  for (size_t i = 0; i < entries.size(); ++i) {
    // A copy, so the list keeps the output of its last real run.
    SourceFile entry = *entries[i];
    PlannedEntry planned;
    planned.source = entry.path;
    if (entry.kind == KIND_MIDI && !soundFontReady) {
      planned.action = PlannedAction::FAIL;
      planned.reason = STATUS_NEEDS_SOUNDFONT;
      plan.push_back(planned);
      continue;
    }
    entry.destinationPath.clear();
    std::string message;
    PlacementNotes notes;
    if (!PlaceOutput(entry, settings, message, context, nullptr, &notes)) {
      const bool skipped = message == TARGET_SKIPPED_MESSAGE;
      planned.action = skipped ? PlannedAction::SKIP : PlannedAction::FAIL;
      planned.reason = notes.reason.empty() ? message : notes.reason + " (" + message + ")";
      plan.push_back(planned);
      continue;
    }
    planned.output = entry.destinationPath;
    planned.inDocuments = notes.inDocuments;
    planned.action = notes.renamed    ? PlannedAction::RENAME
                     : notes.replaces ? PlannedAction::OVERWRITE
                                      : PlannedAction::CONVERT;
    // A real run claims the name once the output has it; the plan's
    // outputs are never made, so the folder's letter case is judged as it
    // is now.
    names.Claim(planned.output, i);
    plan.push_back(planned);
  }
  return plan;
}
