#include "platform/paths/PathIdentity.h"

#include <dirent.h>
#include <sys/stat.h>

#include <QString>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

std::string FolderOf(const std::string& path) {
  const std::string::size_type slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
  const std::string::size_type slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool SameInode(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// `name` with the case of its ASCII letters swapped; "" when it has none.
std::string SwappedCase(const std::string& name) {
  std::string swapped = name;
  bool any = false;
  for (char& c : swapped) {
    if (c >= 'a' && c <= 'z') {
      c = static_cast<char>(c - 'a' + 'A');
      any = true;
    } else if (c >= 'A' && c <= 'Z') {
      c = static_cast<char>(c - 'A' + 'a');
      any = true;
    }
  }
  return any ? swapped : std::string();
}

}  // namespace

std::string NormalisedAbsolutePath(const std::string& path) {
  std::error_code error;
  fs::path absolute = fs::absolute(path, error);
  if (error) absolute = path;
  return absolute.lexically_normal().string();
}

bool IsSameFile(const std::string& a, const std::string& b) {
  const std::string normalA = NormalisedAbsolutePath(a);
  const std::string normalB = NormalisedAbsolutePath(b);
  if (normalA == normalB) return true;
  struct stat infoA, infoB;
  if (stat(normalA.c_str(), &infoA) != 0 || stat(normalB.c_str(), &infoB) != 0) return false;
  if (SameInode(infoA, infoB)) return true;

  // Two spellings of one name in one folder, where the folder ignores case.
  const std::string nameA = NameOf(normalA);
  const std::string nameB = NameOf(normalB);
  if (nameA == nameB || CaseFoldedName(nameA) != CaseFoldedName(nameB)) return false;
  struct stat folderA, folderB;
  return stat(FolderOf(normalA).c_str(), &folderA) == 0 &&
         stat(FolderOf(normalB).c_str(), &folderB) == 0 && SameInode(folderA, folderB) &&
         FolderIgnoresCase(FolderOf(normalA));
}

bool FolderIgnoresCase(const std::string& folder) {
  DIR* dir = opendir(folder.c_str());
  if (!dir) return false;
  std::string probe;
  while (const dirent* item = readdir(dir)) {
    probe = SwappedCase(item->d_name);
    if (!probe.empty()) break;
  }
  closedir(dir);
  if (probe.empty()) return false;
  // The swapped spelling may itself be an entry of a case-sensitive folder
  // ("a" beside "A"): then the folder shows both, and only a folder that
  // lists one of them while finding the other ignores case.
  struct stat info;
  if (lstat((folder + "/" + probe).c_str(), &info) != 0) return false;
  dir = opendir(folder.c_str());
  if (!dir) return false;
  bool listed = false;
  while (const dirent* item = readdir(dir)) {
    if (probe == item->d_name) {
      listed = true;
      break;
    }
  }
  closedir(dir);
  return !listed;
}

std::string CaseFoldedName(const std::string& name) {
  const QString text = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
  // A name that is not UTF-8 keeps its bytes: folding would make different
  // undecodable names equal.
  if (text.toStdString() != name) return name;
  return text.toCaseFolded().toStdString();
}
