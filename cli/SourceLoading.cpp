#include "cli/SourceLoading.h"

#include <filesystem>
#include <ostream>

#include "app/ConvertSettings.h"
#include "app/OneLineText.h"
#include "platform/paths/PathIdentity.h"
#include "source/FileCollector.h"
#include "source/ParallelProbe.h"
#include "source/SourceList.h"

bool VerbosityOf(const Arguments& parsed, Verbosity& verbosity, std::ostream& err) {
  bool quiet = false;
  bool verbose = false;
  for (const Arguments::Flag& flag : parsed.flags) {
    quiet = quiet || flag.name == "--quiet";
    verbose = verbose || flag.name == "--verbose";
  }
  if (quiet && verbose) {
    err << "sondrel-cli: --quiet and --verbose exclude each other.\n";
    return false;
  }
  verbosity = quiet ? Verbosity::QUIET : verbose ? Verbosity::VERBOSE : Verbosity::NORMAL;
  return true;
}

bool LoadSources(const std::vector<std::string>& paths, const ConvertSettings& settings,
                 Verbosity verbosity, SourceList& list, std::ostream& err,
                 std::vector<LoadFailure>* failures, int jobs) {
  // Every file is collected first, then probed on `jobs` threads; the
  // outcomes are taken in the order the files were collected, so the list
  // and the messages are those of probing one file after another.
  std::vector<ParallelProbe::File> files;
  std::vector<bool> inFolder;
  for (const std::string& path : paths) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
      for (std::string& file :
           CollectFiles(path, settings.enableExtFilter != 0, settings.extensionFilter)) {
        files.push_back({std::move(file), path});
        inFolder.push_back(true);
      }
    } else {
      files.push_back({path, std::string()});
      inFolder.push_back(false);
    }
  }

  bool namedFileFailed = false;
  int otherFiles = 0;  // found in folders and not sound files
  ParallelProbe probe(list, files, jobs);
  SourceList::Probed probed;
  for (size_t index = 0; probe.Next(probed, -1); ++index) {
    if (list.AddProbed(std::move(probed)) != SourceList::AddResult::FAILED) continue;
    const bool folder = inFolder[index];
    const std::string& reason = list.LastFailureReason();
    namedFileFailed = namedFileFailed || !folder;
    const bool other = list.LastFailureSpecial() || reason == NOT_SOUND_FILE_REASON;
    const std::string absolute = NormalisedAbsolutePath(files[index].path);
    if (failures && !(folder && other)) failures->push_back({absolute, reason, list.Size()});
    if (folder && other && verbosity != Verbosity::VERBOSE) {
      ++otherFiles;
      continue;
    }
    err << OneLineText(absolute) << ": " << reason << '\n';
  }
  if (otherFiles > 0 && verbosity == Verbosity::NORMAL) {
    err << "sondrel-cli: " << otherFiles
        << (otherFiles == 1 ? " file in the folders was not a sound file"
                            : " files in the folders were not sound files")
        << "; --verbose lists them.\n";
  }
  return namedFileFailed;
}
