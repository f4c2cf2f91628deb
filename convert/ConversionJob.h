#pragma once

#include <QtGlobal>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/ConvertSettings.h"
#include "convert/AlbumGain.h"
#include "convert/AlbumLevels.h"
#include "convert/BatchNames.h"
#include "convert/OutputPlacement.h"
#include "convert/TemporaryOutput.h"

class ConversionProgress;
class EngineSession;
class LoudnessMeter;
class Prompter;
class SourceList;
struct SourceFile;

// Texts the batch shows.
inline constexpr const char* NOTHING_SELECTED_MESSAGE =
    QT_TRANSLATE_NOOP("Sondrel", "You should select a file at least.");
inline constexpr const char* EMPTY_LIST_MESSAGE =
    QT_TRANSLATE_NOOP("Sondrel", "There aren't files in list.");
inline constexpr const char* STATUS_CONVERTING = QT_TRANSLATE_NOOP("Sondrel", "Converting...");
inline constexpr const char* STATUS_FAILURE = QT_TRANSLATE_NOOP("Sondrel", "Conversion Failure");
inline constexpr const char* STATUS_NEEDS_SOUNDFONT =
    QT_TRANSLATE_NOOP("Sondrel", "Failure. Requires file \"ct4mgm.sf2\".");
inline constexpr const char* STATUS_CANCELLED = QT_TRANSLATE_NOOP("Sondrel", "Cancelled");

// The question asked when MIDI entries are to be converted and the
// SoundFont is missing, for the program folder (with its trailing "/").
std::string SoundFontMissingMessage(const std::string& programFolder);
inline constexpr const char* SOUNDFONT_MISSING_QUESTION =
    QT_TRANSLATE_NOOP("Sondrel",
                      "Dear user, to decode MIDI file, file \"ct4mgm.sf2\" is required.\n"
                      "Unfortunately, the file isn't available on your computer.\n\n"
                      "Do you want to download the file from our website for free now?\n\n"
                      "Once download completes, please copy the file to folder:\n\"%1\"\n"
                      "And then convert your MIDI file again. Thank you.");

// The message that refuses a batch to `outputFormat` when no routine writes
// it ("Sondrel cannot write OGG files yet."), or "" when one does.
std::string UnwritableFormatMessage(uint32_t outputFormat);
inline constexpr const char* UNKNOWN_FORMAT_MESSAGE =
    QT_TRANSLATE_NOOP("Sondrel", "The output format %1 is unknown.");
inline constexpr const char* UNWRITTEN_FORMAT_MESSAGE =
    QT_TRANSLATE_NOOP("Sondrel", "Sondrel cannot write %1 files yet.");

// What a batch came to.
struct BatchResult {
  bool ran = false;   // false when a check before the batch stopped it
  int converted = 0;  // entries with an output file
  int failed = 0;     // entries that ended with a failure text, skipped ones aside
  int skipped = 0;    // entries whose target existed under TargetExistsOpt=skip
  bool cancelled = false;
};

// One batch run over entries of the list: the checks before it (an output
// format that no routine writes is refused, then the SoundFont), then each
// entry placed, converted by the routine of the output format and given its
// status, with progress and Cancel; at the end the output may be shown in
// the file manager. The entries are not owned; `rows` are their positions in
// the list, for status texts.
//
// Every success of a batch has a file of its own: a name the batch gave an
// earlier entry is passed over by auto rename and overwrite alike, so
// overwrite replaces only files that were there before the batch.
//
// With `jobs` above 1, that many entries convert at a time, each on a
// thread of its own, and the outputs are those of one at a time: entries
// are placed in list order before they convert (names given to earlier
// entries count as taken), outputs take their names in list order and
// statuses are given in list order. The front end and the prompter are
// only ever called on the thread that calls RunBatch.
//
// With `ConvertThread::Worker`, even a batch of one entry, or one entry at
// a time, converts on a worker thread: a window's thread then only shows
// progress and answers, whatever the number of jobs.
enum class ConvertThread { Caller, Worker };

class ConversionJob {
 public:
  ConversionJob(const ConvertSettings& settings, EngineSession& engine, Prompter& prompter,
                ConversionProgress& progress, PlacementContext placement = PlacementContext(),
                int jobs = 1, ConvertThread thread = ConvertThread::Caller);

  BatchResult RunBatch(const std::vector<SourceFile*>& entries, const std::vector<size_t>& rows);

 private:
  // What one entry's conversion comes to.
  struct EntryRun {
    int sequence = 0;  // 1-based position in the batch (a preset's track number)
    std::string status;
    std::string reason;
    std::string note;  // of an entry that converted
    PlacementNotes placement;  // the documents folder, and why placement failed
    TemporaryOutput output;    // the file the routine writes
    std::shared_ptr<LoudnessMeter> loudness;  // what it was written with, for its album
    LevelPass* levels = nullptr;  // normalised per album: its first pass (levels_ owns it)
  };
  class Parallel;  // the state of a batch with several entries at a time

  bool CheckSoundFont(const std::vector<SourceFile*>& entries);
  // Shows the batch line of the entry at `row` that starts converting.
  void ShowEntryStart(const SourceFile& entry, size_t row, int sequence, int count);
  // Chooses the entry's output and creates the temporary file it is
  // written into; false with `run.status` set when it cannot.
  bool PlaceEntry(SourceFile& entry, EntryRun& run, const PlacementContext& placement);
  // Converts the source into the placed temporary file; false with
  // `run.status` (and `run.reason` when known) set when it failed. Touches
  // nothing but `run` and `progress`, so it may run on a worker thread.
  bool ConvertPlaced(int32_t kind, const std::string& sourcePath, EntryRun& run,
                     ConversionProgress& progress) const;
  // Gives the finished output the entry's target name; false with
  // `run.status` set when it cannot.
  bool MoveToTarget(SourceFile& entry, EntryRun& run, const PlacementContext& placement);
  // The album that the end of the entry completes, if any; its values are
  // written before the entry's status is shown, which carries the album's
  // note.
  AlbumRewrite EndOfAlbum(const SourceFile& entry, const EntryRun& run, bool ok);
  static void AddNote(EntryRun& run, const std::string& note);
  // Shows how the entry at `row` ended and counts it in `result`. False
  // when Cancel was requested: an entry that did not convert then shows
  // "Cancelled" instead of its failure.
  bool ShowOutcome(SourceFile& entry, size_t row, EntryRun& run, bool ok, BatchResult& result);
  // The batch one entry at a time; answers how many entries got a status.
  size_t RunOneByOne(const std::vector<SourceFile*>& entries, const std::vector<size_t>& rows,
                     BatchResult& result);
  // The batch with up to `jobs_` entries converting at a time
  // (ConversionJobParallel.cpp); answers how many entries got a status.
  size_t RunParallel(const std::vector<SourceFile*>& entries, const std::vector<size_t>& rows,
                     BatchResult& result);

  const ConvertSettings& settings_;
  EngineSession& engine_;
  Prompter& prompter_;
  ConversionProgress& progress_;
  PlacementContext placement_;
  // The names given in the running batch; placement_.taken asks it.
  BatchNames names_;
  // The album ReplayGain values of the running batch.
  AlbumGain albums_;
  // The first passes of a batch normalised per album.
  AlbumLevels levels_;
  int jobs_;
  ConvertThread thread_;
  std::string formatName_;
};

// The two convert commands: the selected rows (in ascending order) or the
// whole list, with the message when there is nothing to convert.
BatchResult ConvertSelected(SourceList& list, std::vector<size_t> selectedRows, ConversionJob& job,
                            Prompter& prompter);
BatchResult ConvertAll(SourceList& list, ConversionJob& job, Prompter& prompter);
