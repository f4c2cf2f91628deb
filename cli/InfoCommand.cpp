#include "cli/InfoCommand.h"

#include <filesystem>
#include <ostream>

#include "app/ConvertSettings.h"
#include "app/EngineStartup.h"
#include "cli/Arguments.h"
#include "cli/OneLineText.h"
#include "codecs/readers/ProgramReaders.h"
#include "source/FileCollector.h"
#include "source/OpenSource.h"
#include "source/SourceList.h"
#include "source/TagReading.h"

namespace {

void PrintTags(const SourceFile& entry, std::ostream& out) {
  TagInfo tags;
  if (std::unique_ptr<AudioSource> source = OpenSource(entry.path, entry.kind, 0, false, ProgramReaders())) {
    const OutputTag tag =
        ChooseOutputTag(TAG_TRANSFER, false, entry.kind, entry.path, *source, TagPreset(), 0);
    tags = tag.fields;
    source->Close();
  }
  for (const std::string* field : {&tags.title, &tags.artist, &tags.album, &tags.year, &tags.genre,
                                   &tags.comment, &tags.track, &tags.composer, &tags.copyright})
    out << '\t' << OneLineText(*field);
}

}  // namespace

ExitCode RunInfoCommand(const std::vector<std::string>& args, const ConvertSettings& settings,
                        const std::string& programFolder, std::ostream& out, std::ostream& err) {
  Arguments parsed;
  if (!SplitArguments(args, {{"--tags", false}}, "info", parsed, err)) return EXIT_USAGE;
  const bool withTags = !parsed.flags.empty();
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
  // searches them.
  std::vector<std::string> files;
  for (const std::string& path : paths) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
      for (std::string& found : CollectFiles(path, settings.enableExtFilter != 0, settings.extensionFilter))
        files.push_back(std::move(found));
    } else {
      files.push_back(path);
    }
  }

  SourceList list(ProgramReaders());
  LoadFailures failures;
  for (const std::string& file : files)
    if (list.AddOneFile(file) == SourceList::AddResult::FAILED) failures.Add(file);

  out << "File\tDuration\tBit Rate\tFreq.\tChannels";
  if (withTags) out << "\tTitle\tArtist\tAlbum\tYear\tGenre\tComment\tTrack\tComposer\tCopyright";
  out << '\n';
  for (const auto& entry : list.Entries()) {
    out << FileCellText(entry->path) << '\t' << DurationCellText(entry->duration) << '\t'
        << BitRateCellText(entry->bitRate) << '\t' << FreqCellText(entry->sampleRate) << '\t'
        << ChannelsCellText(*entry);
    if (withTags) PrintTags(*entry, out);
    out << '\n';
  }

  if (!failures.Empty()) {
    err << failures.Message();
    return EXIT_FAILED;
  }
  return EXIT_OK;
}
