#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "app/ConvertSettings.h"
#include "convert/OutputPlacement.h"

class ConversionProgress;
class EngineSession;
class Prompter;
class SourceList;
class TemporaryOutput;
struct SourceFile;

// Texts the batch shows.
inline constexpr const char* NOTHING_SELECTED_MESSAGE = "You should select a file at least.";
inline constexpr const char* EMPTY_LIST_MESSAGE = "There aren't files in list.";
inline constexpr const char* STATUS_CONVERTING = "Converting...";
inline constexpr const char* STATUS_FAILURE = "Conversion Failure";
inline constexpr const char* STATUS_NEEDS_SOUNDFONT = "Failure. Requires file \"ct4mgm.sf2\".";
inline constexpr const char* STATUS_CANCELLED = "Cancelled";

// The question asked when MIDI entries are to be converted and the
// SoundFont is missing, for the program folder (with its trailing "/").
std::string SoundFontMissingMessage(const std::string& programFolder);

// The message that refuses a batch to `outputFormat` when no routine writes
// it ("Sondrel cannot write OGG files yet."), or "" when one does.
std::string UnwritableFormatMessage(uint32_t outputFormat);

// What a batch came to.
struct BatchResult {
  bool ran = false;   // false when a check before the batch stopped it
  int converted = 0;  // entries with an output file
  int failed = 0;     // entries that ended with a failure text
  bool cancelled = false;
};

// One batch run over entries of the list: the checks before it (an output
// format that no routine writes is refused, then the SoundFont), then each
// entry placed, converted by the routine of the output format and given its
// status, with progress and Cancel; at the end the output may be shown in
// the file manager. The entries are not owned; `rows` are their positions in
// the list, for status texts.
class ConversionJob {
 public:
  ConversionJob(const ConvertSettings& settings, EngineSession& engine, Prompter& prompter,
                ConversionProgress& progress, PlacementContext placement = PlacementContext());

  BatchResult RunBatch(const std::vector<SourceFile*>& entries, const std::vector<size_t>& rows);

  // The 1-based position of the entry being converted within the batch.
  int Sequence() const { return sequence_; }

 private:
  bool CheckSoundFont(const std::vector<SourceFile*>& entries);
  // Converts one entry; false with `status_` (and `reason_` when known) set
  // when it failed.
  bool ConvertEntry(SourceFile& entry);
  // Gives the finished output the entry's target name; false with
  // `status_` set when it cannot.
  bool MoveToTarget(SourceFile& entry, TemporaryOutput& output);

  const ConvertSettings& settings_;
  EngineSession& engine_;
  Prompter& prompter_;
  ConversionProgress& progress_;
  PlacementContext placement_;
  int sequence_ = 0;
  std::string formatName_;
  std::string status_;
  std::string reason_;
  bool inDocuments_ = false;  // the entry's output was placed in the documents folder
};

// The two convert commands: the selected rows (in ascending order) or the
// whole list, with the message when there is nothing to convert.
BatchResult ConvertSelected(SourceList& list, std::vector<size_t> selectedRows, ConversionJob& job,
                            Prompter& prompter);
BatchResult ConvertAll(SourceList& list, ConversionJob& job, Prompter& prompter);
