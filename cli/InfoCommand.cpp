#include "cli/InfoCommand.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <optional>
#include <ostream>
#include <thread>

#include "app/ConvertSettings.h"
#include "app/EngineStartup.h"
#include "app/OneLineText.h"
#include "cli/Arguments.h"
#include "cli/InfoJson.h"
#include "cli/SourceLoading.h"
#include "codecs/readers/ProgramReaders.h"
#include "convert/LoudnessMeter.h"
#include "platform/settings/SettingsKey.h"
#include "source/OpenSource.h"
#include "source/SourceList.h"
#include "source/TagReading.h"

namespace {

// The value of --jobs: a whole number above 0.
bool ParseJobsArgument(const std::string& value, int& jobs, std::ostream& err) {
  const std::optional<uint32_t> number = ParseUint32(value);
  if (!number || *number == 0 || *number > MAX_CONVERT_JOBS) {
    err << "sondrel-cli: --jobs takes a whole number from 1 to " << MAX_CONVERT_JOBS << ", not \""
        << value << "\".\n";
    return false;
  }
  jobs = static_cast<int>(*number);
  return true;
}

// The tag texts that transferring the tag would read; all empty when
// the file has none.
TagInfo EntryTags(const SourceFile& entry) {
  TagInfo tags;
  if (std::unique_ptr<AudioSource> source = OpenSource(entry.path, entry.kind, 0, false, ProgramReaders())) {
    const OutputTag tag =
        ChooseOutputTag(TAG_TRANSFER, false, entry.kind, entry.path, *source, TagPreset(), 0);
    tags = tag.fields;
    source->Close();
  }
  return tags;
}

void PrintTags(const SourceFile& entry, std::ostream& out) {
  const TagInfo tags = EntryTags(entry);
  for (const std::string* field : {&tags.title, &tags.artist, &tags.album, &tags.year, &tags.genre,
                                   &tags.comment, &tags.track, &tags.composer, &tags.copyright,
                                   &tags.albumArtist, &tags.disc})
    out << '\t' << OneLineText(*field);
}

// The loudness of every entry, measured `jobs` entries at a time.
std::vector<LoudnessValues> MeasureEntries(const SourceList& list, int jobs) {
  const auto& entries = list.Entries();
  std::vector<LoudnessValues> values(entries.size());
  std::atomic<size_t> next{0};
  auto work = [&] {
    for (size_t i = next++; i < entries.size(); i = next++)
      values[i] = MeasureSourceLoudness(entries[i]->path, entries[i]->kind);
  };
  const size_t threads = std::min<size_t>(static_cast<size_t>(std::max(jobs, 1)), entries.size());
  std::vector<std::thread> workers;
  for (size_t t = 1; t < threads; ++t) workers.emplace_back(work);
  work();
  for (std::thread& worker : workers) worker.join();
  return values;
}

// A measured value to the hundredth; empty when there is none.
std::string LoudnessCell(bool measured, double value) {
  if (!measured || !std::isfinite(value)) return std::string();
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", value);
  return text;
}

void PrintTable(const SourceList& list, bool withTags, const std::vector<LoudnessValues>* loudness,
                std::ostream& out) {
  out << "File\tDuration\tBit Rate\tFreq.\tChannels";
  if (withTags)
    out << "\tTitle\tArtist\tAlbum\tYear\tGenre\tComment\tTrack\tComposer\tCopyright"
           "\tAlbum Artist\tDisc";
  if (loudness) out << "\tLoudness (LUFS)\tRange (LU)\tTrue Peak (dBTP)";
  out << '\n';
  size_t i = 0;
  for (const auto& entry : list.Entries()) {
    out << OneLineText(FileCellText(entry->path)) << '	' << DurationCellText(*entry) << '	'
        << BitRateCellText(entry->bitRate) << '	' << FreqCellText(entry->sampleRate) << '	'
        << ChannelsCellText(*entry);
    if (withTags) PrintTags(*entry, out);
    if (loudness && i < loudness->size()) {
      const LoudnessValues& values = (*loudness)[i];
      out << '\t' << LoudnessCell(values.measured, values.integrated) << '\t'
          << LoudnessCell(values.measured, values.range) << '\t'
          << LoudnessCell(values.measured, PeakDecibels(values.truePeak));
    }
    ++i;
    out << '\n';
  }
}

}  // namespace

ExitCode RunInfoCommand(const std::vector<std::string>& args, const ConvertSettings& settings,
                        const std::string& programFolder, std::ostream& out, std::ostream& err) {
  Arguments parsed;
  Verbosity verbosity = Verbosity::NORMAL;
  if (!SplitArguments(
          args,
          {{"--tags", false},
           {"--json", false},
           {"--loudness", false},
           {"--jobs", true},
           {"-j", true},
           {"--quiet", false},
           {"--verbose", false}},
          "info", parsed, err) ||
      !VerbosityOf(parsed, verbosity, err))
    return EXIT_USAGE;
  bool withTags = false;
  bool asJson = false;
  bool withLoudness = false;
  int jobs = 0;
  for (const Arguments::Flag& flag : parsed.flags) {
    if (flag.name == "--tags") withTags = true;
    if (flag.name == "--json") asJson = true;
    if (flag.name == "--loudness") withLoudness = true;
    if ((flag.name == "--jobs" || flag.name == "-j") && !ParseJobsArgument(flag.value, jobs, err))
      return EXIT_USAGE;
  }
  if (jobs == 0) jobs = ConvertJobsOf(settings);
  const std::vector<std::string>& paths = parsed.operands;
  if (paths.empty()) {
    err << "sondrel-cli: info needs at least one file or folder.\n";
    return EXIT_USAGE;
  }

  const EngineSession session(programFolder);
  if (session.Result() == EngineStart::WRONG_VERSION) return EXIT_FAILED;
  if (session.Result() == EngineStart::INIT_FAILED) {
    err << INIT_FAILED_MESSAGE << '\n';
    return EXIT_FAILED;
  }

  // Files are taken as the file dialog takes them; folders as Add Folder
  // searches them. Files that fail to load are said as `convert` says them,
  // and fail the run on the same terms.
  SourceList list(ProgramReaders());
  const bool namedFileFailed = LoadSources(paths, settings, verbosity, list, err);

  // Under --quiet only what failed is printed.
  if (verbosity != Verbosity::QUIET) {
    std::vector<LoudnessValues> loudness;
    if (withLoudness) loudness = MeasureEntries(list, jobs);
    const std::vector<LoudnessValues>* measured = withLoudness ? &loudness : nullptr;
    if (asJson)
      WriteInfoJson(list.Entries(), withTags ? EntryTags : nullptr, out, measured);
    else
      PrintTable(list, withTags, measured, out);
  }
  if (namedFileFailed) return EXIT_FAILED;
  return EXIT_OK;
}
