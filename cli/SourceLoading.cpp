#include "cli/SourceLoading.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <ostream>

#include "app/ConvertSettings.h"
#include "app/OneLineText.h"
#include "platform/paths/PathIdentity.h"
#include "source/FileCollector.h"
#include "source/SourceList.h"

namespace {

const char kNotSoundFile[] = "not a sound file Sondrel can read";

// Why `path` could not be added to the list, decided after the readers
// failed from what the file system says about it.
std::string LoadFailureReason(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) {
    if (errno == ENOENT || errno == ENOTDIR) return "no such file";
    if (errno == EACCES) return "permission denied";
    return std::strerror(errno);
  }
  if (!S_ISREG(info.st_mode)) return "not a regular file";
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return errno == EACCES ? "permission denied" : std::strerror(errno);
  ::close(fd);
  if (info.st_size == 0) return "empty file";
  return kNotSoundFile;
}

}  // namespace

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
                 Verbosity verbosity, SourceList& list, std::ostream& err) {
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
      const bool special = !list.LastFailureReason().empty();
      const std::string reason = special ? list.LastFailureReason() : LoadFailureReason(file);
      namedFileFailed = namedFileFailed || !folder;
      if (folder && (special || reason == kNotSoundFile) && verbosity != Verbosity::VERBOSE) {
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
