#include "source/FileCollector.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <set>

#include "platform/files/TemporaryName.h"
#include "platform/paths/PathIdentity.h"
#include "platform/shell/Shortcut.h"
#include "source/SourceKind.h"

namespace {

namespace fs = std::filesystem;

constexpr int kMaxShortcutChain = 8;

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

// The entries of `folder` whose type matches `wantFolders`, in name order;
// nothing when it cannot be enumerated.
std::vector<std::string> Entries(const std::string& folder, bool wantFolders) {
  std::vector<std::string> entries;
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    std::error_code typeError;
    const bool isFolder = it->is_directory(typeError);
    if (typeError || isFolder != wantFolders) continue;
    // An output still being written, or left by a killed conversion, is
    // no source.
    if (!isFolder && IsTemporaryName(it->path().filename().string())) continue;
    entries.push_back(it->path().string());
  }
  std::sort(entries.begin(), entries.end());
  return entries;
}

void AddFolders(std::vector<std::string>& folders, std::set<std::string>& seen,
                const std::string& folder) {
  std::error_code error;
  const std::string identity = fs::canonical(folder, error).string();
  if (error || !seen.insert(identity).second) return;
  folders.push_back(folder);
  for (const std::string& sub : Entries(folder, true)) AddFolders(folders, seen, sub);
}

}  // namespace

std::vector<std::string> CollectFolders(const std::string& folder) {
  std::vector<std::string> folders;
  std::set<std::string> seen;
  std::string start = folder;
  while (start.size() > 1 && start.back() == '/') start.pop_back();
  AddFolders(folders, seen, start);
  return folders;
}

std::vector<std::string> CollectFiles(const std::string& folder, bool filterEnabled,
                                      const std::vector<std::string>& filterList) {
  std::vector<std::string> paths;
  for (const std::string& sub : CollectFolders(folder)) {
    for (const std::string& file : Entries(sub, false)) {
      if (std::optional<std::string> accepted = FilterPath(file, filterEnabled, filterList))
        paths.push_back(*accepted);
    }
  }
  return paths;
}

std::string SubfolderBelow(const std::string& file, const std::string& folder) {
  if (folder.empty()) return std::string();
  const fs::path root = NormalisedAbsolutePath(folder);
  const std::string below =
      fs::path(NormalisedAbsolutePath(file)).parent_path().lexically_relative(root).string();
  return below == "." ? std::string() : below;
}

std::optional<std::string> FilterPath(const std::string& path, bool filterEnabled,
                                      const std::vector<std::string>& filterList) {
  if (!filterEnabled) return path;
  std::string current = path;
  for (int hop = 0; hop <= kMaxShortcutChain; ++hop) {
    std::string extension = Lower(FileExtension(current));
    if (!extension.empty()) extension.erase(0, 1);
    if (std::find(filterList.begin(), filterList.end(), extension) != filterList.end())
      return current;
    if (extension != "lnk" && extension != "desktop") return std::nullopt;
    std::optional<std::string> target = ResolveShortcut(current);
    if (!target) return std::nullopt;
    current = *target;
  }
  return std::nullopt;
}
