#include "convert/ConversionJob.h"

#include <algorithm>
#include <filesystem>

#include "app/EngineStartup.h"
#include "app/NoApplication.h"
#include "app/TextTemplate.h"
#include "app/OutputFormat.h"
#include "app/WebLinks.h"
#include "convert/ConversionProgress.h"
#include "convert/ConvertRoutines.h"
#include "convert/EntryBarRelay.h"
#include "convert/NamePattern.h"
#include "convert/OutputVerifier.h"
#include "convert/Prompter.h"
#include "convert/TemporaryOutput.h"
#include "convert/WmaOutput.h"
#include "platform/paths/PathIdentity.h"
#include "source/SourceFile.h"
#include "source/SourceKind.h"
#include "source/SourceList.h"

std::string SoundFontMissingMessage(const std::string& programFolder) {
  return FillTemplate(SOUNDFONT_MISSING_QUESTION, {programFolder});
}

std::string UnwritableFormatMessage(uint32_t outputFormat) {
  if (RoutineFor(outputFormat)) return std::string();
  if (!IsKnownOutputFormat(outputFormat))
    return FillTemplate(UNKNOWN_FORMAT_MESSAGE, {std::to_string(outputFormat)});
  return FillTemplate(UNWRITTEN_FORMAT_MESSAGE, {OutputFormatDisplayName(outputFormat)});
}

ConversionJob::ConversionJob(const ConvertSettings& settings, EngineSession& engine,
                             Prompter& prompter, ConversionProgress& progress,
                             PlacementContext placement, int jobs, ConvertThread thread)
    : settings_(settings),
      engine_(engine),
      prompter_(prompter),
      progress_(progress),
      placement_(std::move(placement)),
      jobs_(std::max(jobs, 1)),
      thread_(thread) {
  placement_.taken = [this](const std::string& target) { return names_.IsClaimed(target); };
}

bool ConversionJob::CheckSoundFont(const std::vector<SourceFile*>& entries) {
  const bool anyMidi = std::any_of(entries.begin(), entries.end(),
                                   [](const SourceFile* e) { return e->kind == KIND_MIDI; });
  if (!anyMidi || engine_.SoundFontReady() != 0) return true;
  engine_.RetrySoundFont();
  if (engine_.SoundFontReady() != 0) return true;
  if (!prompter_.YesNo(SoundFontMissingMessage(engine_.ProgramFolder()))) return true;
  // Where the font goes and where to get it; a desktop that opens neither
  // gets the paths in a message.
  const std::string folder = engine_.ProgramFolder();
  if (!prompter_.OpenFolder(folder))
    prompter_.Exclamation(NoApplicationText(folder, FILE_MANAGER_PROGRAM));
  if (!prompter_.OpenUrl(SOUNDFONT_DOWNLOAD_URL))
    prompter_.Exclamation(NoApplicationForLinkText(SOUNDFONT_DOWNLOAD_URL));
  return false;
}

void ConversionJob::ShowEntryStart(const SourceFile& entry, size_t row, int sequence, int count) {
  progress_.ScrollToEntry(row);
  progress_.SetEntryStatus(row, STATUS_CONVERTING);
  progress_.SetBatchLine("Converting " + std::to_string(sequence) + " of " + std::to_string(count) +
                         " file(s) to " + formatName_ + "...");
  progress_.StepBatch();
  progress_.SetFileLine("Converting " + FileCellText(entry.path) + "...");
  progress_.SetFileBar(0);
}

bool ConversionJob::PlaceEntry(SourceFile& entry, EntryRun& run,
                               const PlacementContext& placement) {
  // The routine writes a temporary file beside the target; the target's
  // name is given to it only once it is complete, so a failure, Cancel or a
  // killed process never leaves a partial file there nor loses the file
  // that an overwrite would replace.
  if (PlaceOutput(entry, settings_, run.status, placement, &run.output, &run.placement))
    return true;
  run.reason = run.placement.reason;
  return false;
}

bool ConversionJob::ConvertPlaced(int32_t kind, const std::string& sourcePath, EntryRun& run,
                                  ConversionProgress& progress) const {
  const ConvertRoutine routine = RoutineFor(settings_.outputFormat);
  WrittenAudio written;
  ConversionContext context{settings_, progress, run.sequence};
  if (settings_.verifyOutputs != 0) context.written = &written;
  context.levels = run.levels;
  const bool converted = routine && routine(kind, sourcePath, run.output.Path(), context);
  run.note = context.note;
  run.loudness = context.loudness;

  // Success means an output file with something in it; an empty file left
  // by a routine goes with the temporary file.
  // The size is that of the file placement created, whatever its name
  // names by now.
  const int64_t size = run.output.Size();
  if (!converted || size <= 0) {
    run.status = context.status.empty() ? STATUS_FAILURE : context.status;
    run.reason = !context.reason.empty() ? context.reason
                 : size == 0             ? "the output file came out empty"
                                         : std::string();
    return false;
  }
  // A verified output is decoded apart from its writer before it may take
  // the target's name; one that fails is removed like any failed output.
  if (context.written) {
    progress.SetFileLine("Verifying " + FileCellText(sourcePath) + "...");
    run.reason = OutputVerifier::Check(run.output.Path(), written);
    if (!run.reason.empty()) {
      run.status = STATUS_FAILURE;
      return false;
    }
  }
  return true;
}

bool ConversionJob::MoveToTarget(SourceFile& entry, EntryRun& run,
                                 const PlacementContext& placement) {
  // Under overwrite the output replaces what is at the target, unless it
  // went to the documents folder, which never replaces a file. Otherwise a
  // file that appeared there while converting is never replaced: skip gives
  // up, auto rename places the entry again and takes the next free name.
  const bool replace = settings_.targetExistsOpt == TARGET_OVERWRITE && !run.placement.inDocuments;
  constexpr int kAttempts = 10;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    const TemporaryOutput::Move moved = run.output.MoveTo(entry.destinationPath, replace);
    if (moved == TemporaryOutput::Move::DONE) return true;
    if (moved == TemporaryOutput::Move::FAILED) break;
    if (settings_.targetExistsOpt == TARGET_SKIP) {
      run.status = TARGET_SKIPPED_MESSAGE;
      return false;
    }
    if (!PlaceOutput(entry, settings_, run.status, placement, nullptr, &run.placement))
      return false;
  }
  run.status = FileCreationFailedMessage(entry.destinationPath);
  return false;
}

AlbumRewrite ConversionJob::EndOfAlbum(const SourceFile& entry, const EntryRun& run, bool ok) {
  return albums_.EntryEnded(entry.path, ok ? entry.destinationPath : std::string(), run.loudness);
}

void ConversionJob::AddNote(EntryRun& run, const std::string& note) {
  if (!note.empty()) run.note += run.note.empty() ? note : "; " + note;
}

bool ConversionJob::ShowOutcome(SourceFile& entry, size_t row, EntryRun& run, bool ok,
                                BatchResult& result) {
  // Where a failed conversion meant to write, for the front end to show;
  // only an entry that got a temporary output had its target chosen.
  entry.failedOutput = ok || run.output.Path().empty() ? std::string() : entry.destinationPath;
  if (ok) {
    ++result.converted;
    if (run.placement.inDocuments) progress_.NoteOutputInDocuments(row, entry.destinationPath);
    if (!run.note.empty()) progress_.SetEntryNote(row, run.note);
    progress_.SetEntryStatus(row, FileCellText(entry.destinationPath));
    progress_.Pump();
    return !progress_.CancelRequested();
  }
  run.output.Remove();
  entry.destinationPath.clear();
  if (progress_.CancelRequested()) {
    progress_.SetEntryStatus(row, STATUS_CANCELLED);
    return false;
  }
  // A skipped target is the policy at work, not a fault.
  ++(run.status == TARGET_SKIPPED_MESSAGE ? result.skipped : result.failed);
  // A status other than the generic failure says why.
  if (run.reason.empty() && run.status != STATUS_FAILURE && run.status != TARGET_SKIPPED_MESSAGE)
    run.reason = run.status;
  if (!run.reason.empty()) progress_.SetEntryReason(row, run.reason);
  progress_.SetEntryStatus(row, run.status);
  return true;
}

size_t ConversionJob::RunOneByOne(const std::vector<SourceFile*>& entries,
                                  const std::vector<size_t>& rows, BatchResult& result) {
  const int count = static_cast<int>(entries.size());
  for (size_t i = 0; i < entries.size(); ++i) {
    SourceFile& entry = *entries[i];
    const size_t row = i < rows.size() ? rows[i] : i;
    EntryRun run;
    run.sequence = static_cast<int>(i) + 1;

    bool ok = false;
    if (entry.kind == KIND_MIDI && engine_.SoundFontReady() == 0) {
      run.status = STATUS_NEEDS_SOUNDFONT;
    } else {
      run.levels = levels_.Prepare(i, progress_, rows);
      ShowEntryStart(entry, row, run.sequence, count);
      EntryBarRelay relay(progress_, row);
      ok = PlaceEntry(entry, run, placement_) &&
           ConvertPlaced(entry.kind, entry.path, run, relay) &&
           MoveToTarget(entry, run, placement_);
      if (ok) names_.Claim(entry.destinationPath, i);
    }
    // The last entry of an album gives the album's files their album values.
    AddNote(run, EndOfAlbum(entry, run, ok).Write([this] { return progress_.CancelRequested(); }));
    const bool goOn = ShowOutcome(entry, row, run, ok, result);
    levels_.Release(i);
    if (!goOn) {
      result.cancelled = true;
      return ok ? i + 1 : i;
    }
  }
  return entries.size();
}

BatchResult ConversionJob::RunBatch(const std::vector<SourceFile*>& entries,
                                    const std::vector<size_t>& rows) {
  BatchResult result;
  if (settings_.outputFormat == FORMAT_WMA && !EnsureWmaRuntime(prompter_)) return result;
  // A format without a routine would fail every entry after placement had
  // made its folders: refuse it before anything is touched.
  const std::string unwritable = UnwritableFormatMessage(settings_.outputFormat);
  if (!unwritable.empty()) {
    prompter_.Exclamation(unwritable);
    return result;
  }
  // So is an output-name pattern that cannot be used.
  const std::string patternProblem = NamePatternProblem(settings_.outputNamePattern);
  if (!patternProblem.empty()) {
    prompter_.Exclamation(OutputNamePatternMessage(patternProblem));
    return result;
  }
  if (!CheckSoundFont(entries)) return result;
  result.ran = true;

  names_ = BatchNames();
  albums_.Begin(settings_, entries);
  levels_.Begin(settings_, entries);
  progress_.Begin(static_cast<int>(entries.size()));
  progress_.Pump();
  formatName_ = OutputFormatDisplayName(settings_.outputFormat);

  const bool onWorkers = thread_ == ConvertThread::Worker || (jobs_ > 1 && entries.size() > 1);
  const size_t stoppedAt =
      onWorkers ? RunParallel(entries, rows, result) : RunOneByOne(entries, rows, result);
  levels_.End();
  progress_.Finish();

  if (settings_.browseOutputFolder != 0) {
    for (size_t i = 0; i < stoppedAt; ++i) {
      const std::string& output = entries[i]->destinationPath;
      std::error_code error;
      if (!output.empty() && std::filesystem::is_regular_file(output, error)) {
        if (!prompter_.ShowInFileManager(output)) prompter_.Exclamation(NoFileManagerText(output));
        break;
      }
    }
  }
  return result;
}

BatchResult ConvertSelected(SourceList& list, std::vector<size_t> selectedRows, ConversionJob& job,
                            Prompter& prompter) {
  selectedRows.erase(std::remove_if(selectedRows.begin(), selectedRows.end(),
                                    [&](size_t row) { return row >= list.Size(); }),
                     selectedRows.end());
  if (selectedRows.empty()) {
    prompter.Information(NOTHING_SELECTED_MESSAGE);
    return BatchResult();
  }
  std::sort(selectedRows.begin(), selectedRows.end());
  selectedRows.erase(std::unique(selectedRows.begin(), selectedRows.end()), selectedRows.end());
  std::vector<SourceFile*> entries;
  for (size_t row : selectedRows) entries.push_back(&list.At(row));
  return job.RunBatch(entries, selectedRows);
}

BatchResult ConvertAll(SourceList& list, ConversionJob& job, Prompter& prompter) {
  if (list.Size() == 0) {
    prompter.Information(EMPTY_LIST_MESSAGE);
    return BatchResult();
  }
  std::vector<SourceFile*> entries;
  std::vector<size_t> rows;
  for (size_t row = 0; row < list.Size(); ++row) {
    entries.push_back(&list.At(row));
    rows.push_back(row);
  }
  return job.RunBatch(entries, rows);
}
