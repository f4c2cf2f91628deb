#include "cli/SourceLoading.h"

#include <filesystem>
#include <ostream>

#include "app/ConvertSettings.h"
#include "app/OneLineText.h"
#include "platform/paths/PathIdentity.h"
#include "source/FileCollector.h"
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
                 std::vector<LoadFailure>* failures) {
  bool namedFileFailed = false;
  int otherFiles = 0;  // found in folders and not sound files
  for (const std::string& path : paths) {
    std::error_code error;
    const bool folder = std::filesystem::is_directory(path, error);
    std::vector<std::string> files;
    if (folder)
      files = CollectFiles(path, settings.enableExtFilter != 0, settings.extensionFilter);
    else
      files.push_back(path);
    const std::string addedFrom = folder ? path : std::string();
    for (const std::string& file : files) {
      const std::string absolute = NormalisedAbsolutePath(file);
      if (list.AddOneFile(file, addedFrom) != SourceList::AddResult::FAILED) continue;
      const std::string& reason = list.LastFailureReason();
      namedFileFailed = namedFileFailed || !folder;
      const bool other = list.LastFailureSpecial() || reason == NOT_SOUND_FILE_REASON;
      if (failures && !(folder && other)) failures->push_back({absolute, reason, list.Size()});
      if (folder && other && verbosity != Verbosity::VERBOSE) {
        ++otherFiles;
        continue;
      }
      err << OneLineText(absolute) << ": " << reason << '\n';
    }
  }
  if (otherFiles > 0 && verbosity == Verbosity::NORMAL) {
    err << "sondrel-cli: " << otherFiles
        << (otherFiles == 1 ? " file in the folders was not a sound file"
                            : " files in the folders were not sound files")
        << "; --verbose lists them.\n";
  }
  return namedFileFailed;
}
