#include "cli/ConvertCommand.h"

#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <climits>
#include <cmath>

#include <optional>
#include <ostream>

#include "app/ConvertSettings.h"
#include "app/EngineStartup.h"
#include "app/OneLineText.h"
#include "app/OutputFormat.h"
#include "app/SettingEffect.h"
#include "app/SoundFontCheck.h"
#include "cli/Arguments.h"
#include "cli/BatchOutputs.h"
#include "cli/CliFrontEnd.h"
#include "cli/FormatFlags.h"
#include "cli/SourceLoading.h"
#include "codecs/readers/ProgramReaders.h"
#include "convert/BatchPlan.h"
#include "convert/ConversionJob.h"
#include "platform/paths/StandardFolders.h"
#include "convert/NamePattern.h"
#include "platform/paths/PathIdentity.h"
#include "platform/process/Signals.h"
#include "platform/settings/SettingsKey.h"
#include "source/SourceFile.h"
#include "source/SourceKind.h"
#include "source/SourceList.h"

namespace {

// The value of --jobs: a whole number above 0 (more than the batch has
// entries simply runs them all at once).
bool ParseJobs(const std::string& value, int& jobs, std::ostream& err) {
  const std::optional<uint32_t> number = ParseUint32(value);
  if (!number || *number == 0 || *number > static_cast<uint32_t>(INT_MAX)) {
    err << "sondrel-cli: --jobs takes a whole number above 0, not \"" << value << "\".\n";
    return false;
  }
  jobs = static_cast<int>(*number);
  return true;
}

// A level below full scale written with or without its minus sign ("-16",
// "16", "-1.0"): its size, when it is a number from `low` to `high`.
std::optional<double> ParseLevelBelowFullScale(const std::string& value, double low, double high) {
  const bool negative = !value.empty() && value[0] == '-';
  const char* first = value.data() + (negative ? 1 : 0);
  const char* last = value.data() + value.size();
  double size = 0;
  const auto [end, error] = std::from_chars(first, last, size, std::chars_format::fixed);
  if (first == last || error != std::errc() || end != last || size < low || size > high)
    return std::nullopt;
  return size;
}

// --normalize[=LUFS] and --normalize-by turn normalisation on (per track
// unless --normalize-by album says otherwise); --ceiling sets its true-peak
// ceiling. False with a message on `err` for a value out of range.
bool ApplyNormalizeFlag(const Arguments::Flag& flag, ConvertSettings& settings, std::ostream& err) {
  if (flag.name == "--normalize-by") {
    if (flag.value != "track" && flag.value != "album") {
      err << "sondrel-cli: --normalize-by takes track or album, not \"" << flag.value << "\".\n";
      return false;
    }
    settings.normalize = flag.value == "album" ? NORMALIZE_ALBUM : NORMALIZE_TRACK;
  } else if (flag.name == "--ceiling") {
    const std::optional<double> ceiling = ParseLevelBelowFullScale(flag.value, 0, 12);
    if (!ceiling) {
      err << "sondrel-cli: --ceiling takes a true peak in dBTP from 0 to -12 (as -1.0), not \""
          << flag.value << "\".\n";
      return false;
    }
    settings.normalizeCeiling = static_cast<uint32_t>(std::lround(*ceiling * 10));
  } else {
    if (!flag.value.empty()) {
      const std::optional<double> target = ParseLevelBelowFullScale(flag.value, 5, 40);
      if (!target || *target != std::floor(*target)) {
        err << "sondrel-cli: --normalize takes a whole number of LUFS from -5 to -40 (as -16), "
               "not \""
            << flag.value << "\".\n";
        return false;
      }
      settings.normalizeLufs = static_cast<uint32_t>(*target);
    }
    if (settings.normalize == NORMALIZE_OFF) settings.normalize = NORMALIZE_TRACK;
  }
  return true;
}

// What the command line asks for besides the options: the paths to convert,
// the SoundFont that renders MIDI ("" for the program folder's), and
// whether outputs repeat the structure of the folders searched.
struct ConvertRequest {
  std::vector<std::string> paths;
  std::string soundFont;
  bool keepFolders = false;
  std::vector<std::string> assignments;  // the --set values, in order
  int jobs = 0;  // --jobs; 0 when not given, for the saved ConvertJobs
  Verbosity verbosity = Verbosity::NORMAL;
  bool dryRun = false;  // --dry-run: print the plan, write nothing
  bool json = false;    // --json: the plan as JSON
  std::string report;   // --report FILE; "" for none
  Shard shard;          // --shard K/N; all of the batch by default
};

// Says on `err`, once per option, which --set values this run will not use
// and what would make them count. The settings are the run's final ones,
// after every flag, so "--set MP3BitRate=192 --bitrate 192" says nothing.
void WarnUnusedAssignments(const std::vector<std::string>& assignments,
                           const ConvertSettings& settings, std::ostream& err) {
  const auto nameOf = [](const std::string& assignment) {
    return assignment.substr(0, assignment.find('='));
  };
  for (auto it = assignments.begin(); it != assignments.end(); ++it) {
    // A later --set of the same option is the value the run uses.
    const std::string name = nameOf(*it);
    if (std::any_of(it + 1, assignments.end(),
                    [&](const std::string& later) { return nameOf(later) == name; }))
      continue;
    if (IsWindowOnlySetting(name)) {
      err << "sondrel-cli: --set " << *it
          << " has no effect on the command line; only the window uses it.\n";
      continue;
    }
    const std::string needed = AssignmentThatMakesItCount(name, settings, /*checkFormat=*/true);
    if (!needed.empty())
      err << "sondrel-cli: --set " << *it << " has no effect unless " << needed << ".\n";
  }
}

// Applies the flags to `settings`, in the order given (the format flags
// last, for the format chosen); the operands are the paths.
bool ParseFlags(const std::vector<std::string>& args, ConvertSettings& settings,
                ConvertRequest& request, std::ostream& err) {
  Arguments parsed;
  if (!SplitArguments(args,
                      {{"--to", true},
                       {"--out", true},
                       {"--set", true},
                       {"--bitrate", true},
                       {"--rate", true},
                       {"--channels", true},
                       {"--tag", true},
                       {"--quality", true},
                       {"--soundfont", true},
                       {"--overwrite", false},
                       {"--skip-existing", false},
                       {"--keep-folders", false},
                       {"--replaygain", true},
                       {"--album-by", true},
                       {"--normalize", false, true},
                       {"--normalize-by", true},
                       {"--ceiling", true},
                       {"--name", true},
                       {"--verify", false},
                       {"--cover-from-folder", false},
                       {"--jobs", true},
                       {"-j", true},
                       {"--quiet", false},
                       {"--verbose", false},
                       {"--dry-run", false},
                       {"--json", false},
                       {"--report", true},
                       {"--shard", true}},
                      "convert", parsed, err) ||
      !VerbosityOf(parsed, request.verbosity, err))
    return false;
  std::vector<Arguments::Flag> formatFlags;
  bool overwrite = false;
  bool skip = false;
  bool outGiven = false;
  for (const Arguments::Flag& flag : parsed.flags) {
    if (flag.name == "--to") {
      if (!ApplyAssignmentArgument("OutputFormat=" + flag.value, settings, err)) return false;
    } else if (flag.name == "--out") {
      // Written as a text value is typed, so that a backslash in the folder's
      // name stays one.
      const std::string folder = OneLineText(NormalisedAbsolutePath(flag.value));
      if (!ApplyAssignmentArgument("DestSpecifiedFolder=" + folder, settings, err)) return false;
      settings.destOutputFolderOpt = DEST_CUSTOM_FOLDER;
      outGiven = true;
    } else if (flag.name == "--replaygain" || flag.name == "--album-by") {
      const char* name = flag.name == "--replaygain" ? "ReplayGain=" : "AlbumBy=";
      if (!ApplyAssignmentArgument(name + flag.value, settings, err)) return false;
    } else if (flag.name == "--normalize" || flag.name == "--normalize-by" ||
               flag.name == "--ceiling") {
      if (!ApplyNormalizeFlag(flag, settings, err)) return false;
    } else if (flag.name == "--soundfont") {
      request.soundFont = flag.value;
    } else if (flag.name == "--keep-folders") {
      request.keepFolders = true;
    } else if (flag.name == "--name") {
      // The saved OutputNamePattern for this run.
      const std::string problem = NamePatternProblem(flag.value);
      if (!problem.empty()) {
        err << "sondrel-cli: --name \"" << OneLineText(flag.value)
            << "\" cannot be used: " << problem << ".\n";
        return false;
      }
      settings.outputNamePattern = flag.value;
    } else if (flag.name == "--verify") {
      settings.verifyOutputs = 1;
    } else if (flag.name == "--cover-from-folder") {
      settings.coverFromFolder = 1;
    } else if (flag.name == "--jobs" || flag.name == "-j") {
      if (!ParseJobs(flag.value, request.jobs, err)) return false;
    } else if (IsFormatFlag(flag.name)) {
      formatFlags.push_back(flag);
    } else if (flag.name == "--overwrite" || flag.name == "--skip-existing") {
      (flag.name == "--overwrite" ? overwrite : skip) = true;
    } else if (flag.name == "--dry-run") {
      request.dryRun = true;
    } else if (flag.name == "--json") {
      request.json = true;
    } else if (flag.name == "--report") {
      request.report = flag.value;
    } else if (flag.name == "--shard") {
      if (!ParseShard(flag.value, request.shard, err)) return false;
    } else if (flag.name == "--quiet" || flag.name == "--verbose") {
      // VerbosityOf took them.
    } else if (ApplyAssignmentArgument(flag.value, settings, err)) {
      request.assignments.push_back(flag.value);
    } else {
      return false;
    }
  }
  if (request.json && !request.dryRun) {
    err << "sondrel-cli: --json prints the plan of --dry-run; give both.\n";
    return false;
  }
  if (request.dryRun && !request.report.empty()) {
    err << "sondrel-cli: --dry-run converts nothing, so there is nothing for --report to record.\n";
    return false;
  }
  if (overwrite && skip) {
    err << "sondrel-cli: --overwrite and --skip-existing exclude each other.\n";
    return false;
  }
  // A folder named for this run is where the outputs must go: one that
  // cannot be used fails the entry instead of sending its output to the
  // documents folder, unless this run's --set asks for that.
  const auto setsFallback = [](const std::string& assignment) {
    return assignment.rfind("OutputFiles2MyDocuments=", 0) == 0;
  };
  if (outGiven &&
      std::none_of(request.assignments.begin(), request.assignments.end(), setsFallback))
    settings.outputFiles2MyDocuments = 0;
  if (overwrite) settings.targetExistsOpt = TARGET_OVERWRITE;
  if (skip) settings.targetExistsOpt = TARGET_SKIP;
  if (!ApplyFormatFlags(formatFlags, settings, err)) return false;
  WarnUnusedAssignments(request.assignments, settings, err);
  const bool ceilingGiven =
      std::any_of(parsed.flags.begin(), parsed.flags.end(),
                  [](const Arguments::Flag& flag) { return flag.name == "--ceiling"; });
  if (ceilingGiven && settings.normalize == NORMALIZE_OFF)
    err << "sondrel-cli: --ceiling has no effect unless --normalize is given.\n";
  // Without --jobs, the saved (or --set) ConvertJobs: one per core unless
  // the options say otherwise.
  if (request.jobs == 0) request.jobs = ConvertJobsOf(settings);
  request.paths = std::move(parsed.operands);
  if (request.paths.empty()) {
    err << "sondrel-cli: convert needs at least one file or folder.\n";
    return false;
  }
  return true;
}

// Keeps the entries of `list` and the `failures` that fall in `shard`.
void KeepShard(Shard shard, SourceList& list, std::vector<LoadFailure>& failures) {
  if (shard.count <= 1) return;
  std::vector<std::string> paths;
  for (const auto& entry : list.Entries()) paths.push_back(entry->path);
  for (const LoadFailure& failure : failures) paths.push_back(failure.path);
  const std::vector<bool> keep = InShard(paths, shard);
  // A failure's place counts the entries before it that stay.
  std::vector<size_t> keptBefore(list.Size() + 1, 0);
  for (size_t i = 0; i < list.Size(); ++i) keptBefore[i + 1] = keptBefore[i] + (keep[i] ? 1 : 0);
  std::vector<LoadFailure> kept;
  for (size_t i = 0; i < failures.size(); ++i) {
    if (!keep[list.Size() + i]) continue;
    kept.push_back(failures[i]);
    kept.back().before = keptBefore[std::min(failures[i].before, list.Size())];
  }
  failures = std::move(kept);
  for (size_t i = list.Size(); i-- > 0;)
    if (!keep[i]) list.Remove(i);
}

// --dry-run: the plan of the batch, by the placement a run uses, on `out`.
ExitCode PrintPlan(const ConvertRequest& request, const ConvertSettings& settings,
                   EngineSession& engine, SourceList& list,
                   const std::vector<LoadFailure>& failures, bool namedFileFailed,
                   std::ostream& out, std::ostream& err) {
  const std::string unwritable = UnwritableFormatMessage(settings.outputFormat);
  if (!unwritable.empty()) {
    err << unwritable << '\n';
    return EXIT_FAILED;
  }
  std::vector<SourceFile*> entries;
  for (size_t row = 0; row < list.Size(); ++row) entries.push_back(&list.At(row));
  const std::vector<PlannedEntry> plan =
      PlanBatch(entries, settings, engine.SoundFontReady() != 0,
                PlacementContext(DocumentsFolderLocation));
  WritePlan(plan, failures, request.json, out);
  if (list.Size() == 0) err << EMPTY_LIST_MESSAGE << '\n';
  const bool anyFails = std::any_of(plan.begin(), plan.end(), [](const PlannedEntry& entry) {
    return entry.action == PlannedAction::FAIL;
  });
  return namedFileFailed || anyFails || list.Size() == 0 ? EXIT_FAILED : EXIT_OK;
}

// A SoundFont named on the command line must be a file that can be read;
// false with the reason on `err` otherwise.
bool CheckSoundFontFile(const std::string& path, std::ostream& err) {
  const std::string problem = SoundFontFileProblem(path, /*checkForm=*/false);
  if (problem.empty()) return true;
  err << "sondrel-cli: cannot read the SoundFont \"" << path << "\": " << problem << ".\n";
  return false;
}

}  // namespace

ExitCode RunConvertCommand(const std::vector<std::string>& args, ConvertSettings& settings,
                           const std::string& programFolder, std::ostream& out, std::ostream& err) {
  ConvertRequest request;
  if (!ParseFlags(args, settings, request, err)) return EXIT_USAGE;
  if (!request.soundFont.empty() && !CheckSoundFontFile(request.soundFont, err)) return EXIT_USAGE;

  // The font of this run: --soundfont, else the stored SoundFontFile, else
  // ct4mgm.sf2 of the program folder. A stored font that cannot be used
  // does not stop the run (it may hold no MIDI song at all): the default
  // font renders instead, which is said when there are MIDI songs.
  const bool storedFont = request.soundFont.empty() && !settings.soundFontFile.empty();
  EngineSession engine(programFolder, storedFont ? settings.soundFontFile : request.soundFont);
  if (engine.Result() == EngineStart::WRONG_VERSION) return EXIT_FAILED;
  if (engine.Result() == EngineStart::INIT_FAILED) {
    err << INIT_FAILED_MESSAGE << '\n';
    return EXIT_FAILED;
  }
  if (!request.soundFont.empty() && engine.SoundFontReady() == 0) {
    err << "sondrel-cli: \"" << request.soundFont << "\" is not a SoundFont Sondrel can read.\n";
    return EXIT_USAGE;
  }
  engine.UseMidiEffects(settings.midiReverb, settings.midiChorus);
  std::string storedFontProblem;
  if (storedFont && engine.SoundFontReady() == 0) {
    storedFontProblem = SoundFontFileProblem(settings.soundFontFile);
    if (storedFontProblem.empty()) storedFontProblem = "not a SoundFont Sondrel can read";
    engine.UseSoundFont(std::string());
  }

  SourceList list(ProgramReaders());
  // --keep-folders is the saved KeepAddedSubfolders for this run.
  if (request.keepFolders) settings.keepAddedSubfolders = 1;
  // Showing the output in the file manager is the window's; the command
  // line prints the output paths instead.
  settings.browseOutputFolder = 0;
  std::vector<LoadFailure> failures;
  const bool namedFileFailed =
      LoadSources(request.paths, settings, request.verbosity, list, err, &failures);
  KeepShard(request.shard, list, failures);
  const bool anyMidi = std::any_of(list.Entries().begin(), list.Entries().end(),
                                   [](const auto& entry) { return entry->kind == KIND_MIDI; });
  if (!storedFontProblem.empty() && anyMidi) {
    err << "sondrel-cli: the SoundFont \"" << OneLineText(settings.soundFontFile)
        << "\" of SoundFontFile cannot be used (" << storedFontProblem
        << "); MIDI songs are rendered with " << SOUNDFONT_FILE << " beside the program.\n";
  }

  if (request.dryRun)
    return PrintPlan(request, settings, engine, list, failures, namedFileFailed, out, err);

  BatchReport report;
  if (!request.report.empty()) {
    if (!report.Open(request.report, err)) return EXIT_FAILED;
    for (const LoadFailure& failure : failures) report.LoadFailed(failure);
  }
  const auto began = std::chrono::steady_clock::now();
  CliProgress progress(list.Entries(), out, err, isatty(STDERR_FILENO) != 0,
                       request.verbosity == Verbosity::QUIET);
  if (!request.report.empty()) progress.SetReport(&report);
  CliPrompter prompter(err);
  CatchCancelSignals();

  // An empty list (nothing found, or nothing readable) is reported as the
  // window reports it.
  PlacementContext placement;
  ConversionJob job(settings, engine, prompter, progress, placement, request.jobs);
  const BatchResult result = ConvertAll(list, job, prompter);

  if (result.cancelled) progress.ReportNotStarted();
  if (!request.report.empty()) {
    ReportSummary summary = report.Counts();
    summary.cancelled = result.cancelled;
    summary.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
    report.Summary(summary);
  }
  if (result.cancelled) return EXIT_CANCELLED;
  // Under --skip-existing (or TargetExistsOpt=skip) a skipped entry is what
  // was asked for: the batch counts it apart from the failures.
  if (namedFileFailed || result.failed > 0 || !result.ran) return EXIT_FAILED;
  return EXIT_OK;
}
