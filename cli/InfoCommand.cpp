#include "cli/InfoCommand.h"

#include <ostream>

#include "app/ConvertSettings.h"
#include "app/EngineStartup.h"
#include "app/OneLineText.h"
#include "cli/Arguments.h"
#include "cli/InfoJson.h"
#include "cli/SourceLoading.h"
#include "codecs/readers/ProgramReaders.h"
#include "source/OpenSource.h"
#include "source/SourceList.h"
#include "source/TagReading.h"

namespace {

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

void PrintTable(const SourceList& list, bool withTags, std::ostream& out) {
  out << "File\tDuration\tBit Rate\tFreq.\tChannels";
  if (withTags)
    out << "\tTitle\tArtist\tAlbum\tYear\tGenre\tComment\tTrack\tComposer\tCopyright"
           "\tAlbum Artist\tDisc";
  out << '\n';
  for (const auto& entry : list.Entries()) {
    out << OneLineText(FileCellText(entry->path)) << '	' << DurationCellText(*entry) << '	'
        << BitRateCellText(entry->bitRate) << '	' << FreqCellText(entry->sampleRate) << '	'
        << ChannelsCellText(*entry);
    if (withTags) PrintTags(*entry, out);
    out << '\n';
  }
}

}  // namespace

ExitCode RunInfoCommand(const std::vector<std::string>& args, const ConvertSettings& settings,
                        const std::string& programFolder, std::ostream& out, std::ostream& err) {
  Arguments parsed;
  Verbosity verbosity = Verbosity::NORMAL;
  if (!SplitArguments(
          args, {{"--tags", false}, {"--json", false}, {"--quiet", false}, {"--verbose", false}},
          "info", parsed, err) ||
      !VerbosityOf(parsed, verbosity, err))
    return EXIT_USAGE;
  bool withTags = false;
  bool asJson = false;
  for (const Arguments::Flag& flag : parsed.flags) {
    if (flag.name == "--tags") withTags = true;
    if (flag.name == "--json") asJson = true;
  }
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
    if (asJson)
      WriteInfoJson(list.Entries(), withTags ? EntryTags : nullptr, out);
    else
      PrintTable(list, withTags, out);
  }
  if (namedFileFailed) return EXIT_FAILED;
  return EXIT_OK;
}
