#include "convert/OutputPlacement.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <filesystem>
#include <optional>
#include <system_error>
#include <vector>

#include "app/OutputFormat.h"
#include "app/TextTemplate.h"
#include "convert/NamePattern.h"
#include "convert/TemporaryOutput.h"
#include "platform/paths/PathIdentity.h"
#include "platform/paths/StandardFolders.h"
#include "source/FileCollector.h"
#include "source/TagReading.h"

namespace {

namespace fs = std::filesystem;

const char kSameAsSource[] = QT_TRANSLATE_NOOP(
    "Sondrel",
    "Target file name is same as original file that can't be overwritten. Please output files "
    "to a custom folder.");
const char kTooLong[] = QT_TRANSLATE_NOOP("Sondrel", "Output path is longer than 4095 bytes");

// Substitutes `value` for the "%1" of `pattern`.
std::string Format(const char* pattern, const std::string& value) {
  return FillTemplate(pattern, {value});
}

std::string FileNamePart(const std::string& path) {
  const std::string::size_type slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The source's extension: from the last dot of its file-name part, so a dot
// in a folder name does not count.
std::string SourceExtension(const std::string& path) {
  const std::string name = FileNamePart(path);
  const std::string::size_type dot = name.rfind('.');
  return dot == std::string::npos ? std::string() : name.substr(dot);
}

std::string TargetExtension(uint32_t outputFormat) {
  const std::string extension = OutputExtension(outputFormat);
  return extension.empty() ? extension : "." + extension;
}

// The source's folder path as it is recreated below the custom folder:
// colons removed, repeated separators collapsed, "." and ".." resolved
// lexically so the result cannot climb out of the custom folder, and no
// leading separator. Ends with "/" unless it is empty (a source in "/").
std::string MirroredFolder(const std::string& sourcePath) {
  std::string folder = sourcePath.substr(0, sourcePath.size() - FileNamePart(sourcePath).size());
  std::string withoutColons;
  for (char c : folder)
    if (c != ':') withoutColons += c;

  std::vector<std::string> parts;
  std::string::size_type start = 0;
  while (start <= withoutColons.size()) {
    std::string::size_type end = withoutColons.find('/', start);
    if (end == std::string::npos) end = withoutColons.size();
    const std::string part = withoutColons.substr(start, end - start);
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    start = end + 1;
  }
  std::string mirrored;
  for (const std::string& part : parts) mirrored += part + "/";
  return mirrored;
}

// True when something (file, folder, link, even a dangling link) has the name.
bool Exists(const std::string& path) {
  struct stat info;
  return lstat(path.c_str(), &info) == 0;
}

bool IsFolder(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// The longest file name that the file system of `folder` (or, while it
// does not exist yet, of the nearest folder above it) takes.
size_t NameLimit(const std::string& folder) {
  std::string existing = folder;
  while (!existing.empty() && !IsFolder(existing)) {
    const std::string::size_type slash = existing.find_last_of('/', existing.size() - 2);
    existing = slash == std::string::npos ? std::string() : existing.substr(0, slash + 1);
  }
  const long limit = pathconf(existing.empty() ? "." : existing.c_str(), _PC_NAME_MAX);
  return limit > 0 ? static_cast<size_t>(limit) : NAME_MAX;
}

// A sub-folder to repeat below the output folder, resolved lexically: ""
// when it would leave the output folder (an absolute path, or ".." parts
// that climb above it), so the file goes into the output folder itself.
std::string ContainedSubfolder(const std::string& subfolder) {
  if (subfolder.empty() || subfolder.front() == '/') return std::string();
  std::string normal = fs::path(subfolder).lexically_normal().string();
  while (!normal.empty() && normal.back() == '/') normal.pop_back();
  if (normal == "." || normal == ".." || normal.rfind("../", 0) == 0) return std::string();
  return normal;
}

// True for a file the user may not write: without write permission, or
// with no write bit at all (which even the superuser's checks pass over).
bool IsReadOnlyFile(const std::string& path) {
  struct stat info;
  if (lstat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
  return access(path.c_str(), W_OK) != 0 || (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

// The nearest part of `path` (itself included) that exists; "" for none.
std::string NearestExisting(std::string path) {
  while (!path.empty() && !Exists(path)) {
    while (!path.empty() && path.back() == '/') path.pop_back();
    const std::string::size_type slash = path.rfind('/');
    path = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
  }
  return path;
}

// Whether `folder` is, or could be made as, a folder that takes new files:
// its nearest existing part is a folder the user may write into.
bool FolderCouldTakeFiles(const std::string& folder) {
  if (folder.empty() || folder.size() > MAX_PATH_BYTES) return false;
  const std::string existing = NearestExisting(folder);
  const std::string asked = existing.empty() ? "." : existing;
  return IsFolder(asked) && access(asked.c_str(), W_OK | X_OK) == 0;
}

enum class Attempt { kPlaced, kRetryElsewhere, kRefused };

// One attempt at placing the output in `folder` (mode 399) or next to the
// source (any other mode).
// `inDocuments` marks the attempt in the documents folder, which never
// replaces a file. `named` is the relative path that the output-name
// pattern built ("" without one): it takes the place of the source's name,
// and its folders go below where the output would go otherwise.
Attempt TryPlace(SourceFile& entry, const ConvertSettings& settings, uint32_t mode,
                 const std::string& folder, bool mirror, const std::string& subfolder,
                 const std::string& named, bool inDocuments, const PlacementContext& context,
                 std::string& message, std::string& reason, bool& renamed, bool& replaces,
                 TemporaryOutput& probe) {
  const std::string& source = entry.path;
  const std::string namedFolder = named.substr(0, named.size() - FileNamePart(named).size());
  // The whole target path is known and its length checked before any
  // folder is made, so a refused path leaves no folders behind.
  std::string stem;
  std::string mirroredFolder;
  if (mode == DEST_CUSTOM_FOLDER) {
    if (folder.size() > MAX_PATH_BYTES) {
      message = kTooLong;
      return Attempt::kRetryElsewhere;
    }
    if (folder.empty()) {
      message = Format(FOLDER_FAILED_MESSAGE, folder);
      return Attempt::kRetryElsewhere;
    }
    stem = folder;
    if (stem.back() != '/') stem += '/';
    if (!subfolder.empty()) {
      stem += subfolder + '/';
      mirroredFolder = stem;
    } else if (mirror) {
      stem += MirroredFolder(source);
      mirroredFolder = stem;
    }
    if (!namedFolder.empty()) {
      stem += namedFolder;
      mirroredFolder = stem;
    }
  } else {
    stem = source.substr(0, source.size() - FileNamePart(source).size());
    if (!namedFolder.empty()) {
      stem += namedFolder;
      mirroredFolder = stem;
    }
  }
  if (named.empty()) {
    const std::string name = FileNamePart(source);
    stem += name.substr(0, name.size() - SourceExtension(source).size());
  } else {
    stem += FileNamePart(named);
  }

  const std::string extension = TargetExtension(settings.outputFormat);
  std::string target = stem + extension;
  if (target.size() > MAX_PATH_BYTES) {
    message = kTooLong;
    return Attempt::kRetryElsewhere;
  }
  const auto makeFolder = [&context](const std::string& path) {
    return context.createNothing ? FolderCouldTakeFiles(path) : EnsureFolder(path);
  };
  if (mode == DEST_CUSTOM_FOLDER && !makeFolder(folder)) {
    message = Format(FOLDER_FAILED_MESSAGE, folder);
    return Attempt::kRetryElsewhere;
  }
  if (!mirroredFolder.empty() && !makeFolder(mirroredFolder)) {
    message = Format(FOLDER_FAILED_MESSAGE, mirroredFolder);
    return Attempt::kRetryElsewhere;
  }

  const auto batchTook = [&context](const std::string& path) {
    return context.taken && context.taken(path);
  };
  const auto taken = [&](const std::string& path) { return Exists(path) || batchTook(path); };
  const bool overwrite = settings.targetExistsOpt == TARGET_OVERWRITE && !inDocuments;
  const bool skip = settings.targetExistsOpt == TARGET_SKIP;
  // Skip asks the disk only; a name the batch gave an earlier entry is
  // decided when this output takes it, in list order.
  const bool onDisk = Exists(target);
  if (skip ? onDisk || (context.createNothing && batchTook(target)) : taken(target)) {
    if (overwrite && !batchTook(target)) {
      if (IsSameFile(target, source)) {
        message = kSameAsSource;
        return Attempt::kRefused;
      }
      // The finished output replaces the file then; a folder or a file the
      // user may not write is not replaced, nor moved elsewhere.
      if (IsFolder(target) || IsReadOnlyFile(target)) {
        message = Format(FILE_FAILED_MESSAGE, target);
        return Attempt::kRefused;
      }
      replaces = onDisk;
    } else if (skip) {
      message = TARGET_SKIPPED_MESSAGE;
      return Attempt::kRefused;
    } else {
      // Auto rename: the first free "stem_n.ext"; there is no upper limit.
      for (unsigned long long n = 1;; ++n) {
        target = stem + "_" + std::to_string(n) + extension;
        if (target.size() > MAX_PATH_BYTES) {
          message = kTooLong;
          return Attempt::kRetryElsewhere;
        }
        if (!taken(target)) break;
      }
      renamed = true;
    }
  }

  // A name the file system cannot hold fails wherever it is placed.
  const std::string::size_type slash = target.rfind('/');
  const std::string targetFolder = slash == std::string::npos ? "." : target.substr(0, slash + 1);
  if (target.size() - targetFolder.size() > NameLimit(targetFolder)) {
    message = Format(FILE_FAILED_MESSAGE, target);
    reason = NAME_TOO_LONG_REASON;
    return Attempt::kRefused;
  }

  // The probe: the temporary file the conversion will write, beside the
  // target. An existing target is left alone.
  const std::string probeFolder = targetFolder.empty() ? "." : targetFolder;
  if (context.createNothing ? !FolderCouldTakeFiles(probeFolder) : !probe.Create(target)) {
    message = Format(FILE_FAILED_MESSAGE, target);
    return Attempt::kRetryElsewhere;
  }
  entry.destinationPath = target;
  return Attempt::kPlaced;
}

}  // namespace

PlacementContext::PlacementContext() : documentsFolder(DocumentsFolder) {}

std::string FileCreationFailedMessage(const std::string& target) {
  return Format(FILE_FAILED_MESSAGE, target);
}

std::string OutputNamePatternMessage(const std::string& problem) {
  return Format(OUTPUT_NAME_PATTERN_MESSAGE, problem);
}

bool PlaceOutput(SourceFile& entry, const ConvertSettings& settings, std::string& message,
                 const PlacementContext& context, TemporaryOutput* output, PlacementNotes* notes) {
  TemporaryOutput ownProbe;
  TemporaryOutput& probe = output ? *output : ownProbe;
  uint32_t mode = settings.destOutputFolderOpt;
  std::string folder = settings.destSpecifiedFolder;
  bool mirror = settings.createDirs != 0;
  std::string below;
  if (context.subfolder)
    below = context.subfolder(entry.path);
  else if (settings.keepAddedSubfolders != 0)
    below = SubfolderBelow(entry.path, entry.addedFrom);
  const std::string subfolder = ContainedSubfolder(below);
  std::string named;
  if (!settings.outputNamePattern.empty()) {
    std::string problem;
    const std::optional<NamePattern> pattern =
        NamePattern::Parse(settings.outputNamePattern, problem);
    if (!pattern) {
      message = OutputNamePatternMessage(problem);
      if (notes) notes->reason = message;
      return false;
    }
    // The source's own tags, whatever the output's tag option.
    TagInfo tags;
    ReadFileTags(entry.path, entry.KnownKind(), tags);
    named = pattern->Expand(tags, entry.path);
  }

  // The first attempt uses the options; when a folder or the file cannot be
  // created there, one more attempt goes to the documents folder, mirrored
  // only when the options asked for a mirrored custom folder.
  std::string reason;
  for (bool fallbackTried = false;; fallbackTried = true) {
    bool renamed = false;
    bool replaces = false;
    const Attempt attempt =
        TryPlace(entry, settings, mode, folder, mirror, subfolder, named, fallbackTried, context,
                 message, reason, renamed, replaces, probe);
    if (notes) {
      notes->inDocuments = fallbackTried;
      notes->reason = reason;
      notes->renamed = renamed;
      notes->replaces = replaces;
    }
    if (attempt == Attempt::kPlaced) return true;
    if (attempt == Attempt::kRefused) return false;
    if (settings.outputFiles2MyDocuments == 0 || fallbackTried) return false;
    folder = context.documentsFolder ? context.documentsFolder() : std::string();
    if (folder.empty()) return false;
    mirror = settings.destOutputFolderOpt == DEST_CUSTOM_FOLDER && settings.createDirs != 0;
    mode = DEST_CUSTOM_FOLDER;
  }
}

bool EnsureFolder(const std::string& path) {
  if (path.empty() || path.size() > MAX_PATH_BYTES) return false;
  if (IsFolder(path)) return true;

  // Each prefix that ends just before a separator, then the whole path. The
  // empty prefix of an absolute path is the root, and empty parts between
  // repeated separators name the same folder again: both are skipped.
  std::string::size_type end = 0;
  while (true) {
    end = path.find('/', end);
    const std::string prefix = path.substr(0, end);
    const bool last = end == std::string::npos;
    if (!prefix.empty() && prefix.back() != '/' && !IsFolder(prefix)) {
      if (Exists(prefix)) return false;
      // A folder made meanwhile by someone else is as good as our own.
      if (mkdir(prefix.c_str(), 0777) != 0 && !(errno == EEXIST && IsFolder(prefix))) return false;
    }
    if (last) return true;
    ++end;
  }
}
