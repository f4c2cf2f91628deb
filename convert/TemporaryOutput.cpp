#include "convert/TemporaryOutput.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <random>

#include "platform/paths/PathIdentity.h"

namespace {

constexpr int kRandomChars = 6;
constexpr int kCreateAttempts = 100;

std::string RandomChars() {
  static const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  thread_local std::mt19937 generator{std::random_device{}()};
  std::uniform_int_distribution<size_t> pick(0, sizeof kAlphabet - 2);
  std::string chars;
  for (int i = 0; i < kRandomChars; ++i) chars += kAlphabet[pick(generator)];
  return chars;
}

// Cuts `text` to at most `bytes` bytes without splitting a UTF-8 sequence.
std::string CutUtf8(const std::string& text, size_t bytes) {
  if (text.size() <= bytes) return text;
  size_t end = bytes;
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
  return text.substr(0, end);
}

// The longest file name the folder's file system takes.
size_t NameLimit(const std::string& folder) {
  const long limit = pathconf(folder.empty() ? "." : folder.c_str(), _PC_NAME_MAX);
  return limit > 0 ? static_cast<size_t>(limit) : NAME_MAX;
}

// "<folder>/.<base>.<random><extension>": hidden, beside the target, with
// the target's extension last. "" when the target's own name is too long
// for the file system, since the output could never take it. The base is
// shortened when only the longer temporary name would pass the name or path
// limit.
std::string TemporaryName(const std::string& target) {
  const std::string::size_type slash = target.rfind('/');
  const std::string folder =
      slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
  const std::string name = target.substr(folder.size());
  const std::string::size_type dot = name.rfind('.');
  const std::string extension = dot == std::string::npos ? std::string() : name.substr(dot);
  const std::string base = name.substr(0, name.size() - extension.size());

  const size_t nameLimit = NameLimit(folder);
  if (name.size() > nameLimit || folder.size() >= MAX_PATH_BYTES) return std::string();
  const size_t room = std::min(nameLimit, MAX_PATH_BYTES - folder.size());
  const size_t fixed = 2 + kRandomChars + extension.size();  // the two dots, random part, extension
  if (room < fixed) return std::string();
  return folder + "." + CutUtf8(base, room - fixed) + "." + RandomChars() + extension;
}

}  // namespace

bool TemporaryOutput::Create(const std::string& target) {
  Remove();
  for (int attempt = 0; attempt < kCreateAttempts; ++attempt) {
    const std::string candidate = TemporaryName(target);
    if (candidate.empty()) return false;
    // Mode 0666 under the umask, as any other new output gets.
    const int fd = open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) {
      close(fd);
      path_ = candidate;
      return true;
    }
    if (errno != EEXIST) return false;
  }
  return false;
}

TemporaryOutput::Move TemporaryOutput::MoveTo(const std::string& target, bool replace) {
  if (path_.empty()) return Move::FAILED;
  if (replace) {
    if (rename(path_.c_str(), target.c_str()) != 0) return Move::FAILED;
    path_.clear();
    return Move::DONE;
  }

  // Never replace: the kernel refuses atomically when the target exists.
  if (renameat2(AT_FDCWD, path_.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0) {
    path_.clear();
    return Move::DONE;
  }
  if (errno == EEXIST) return Move::TARGET_EXISTS;
  if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) return Move::FAILED;

  // A file system without that flag: a hard link is created only where
  // nothing exists, and the temporary name is dropped afterwards.
  if (link(path_.c_str(), target.c_str()) == 0) {
    Remove();
    return Move::DONE;
  }
  if (errno == EEXIST) return Move::TARGET_EXISTS;
  if (errno != EPERM && errno != ENOTSUP && errno != EMLINK) return Move::FAILED;

  // Nor hard links: a plain rename after a last look, the best such a
  // file system allows.
  struct stat info;
  if (lstat(target.c_str(), &info) == 0) return Move::TARGET_EXISTS;
  if (rename(path_.c_str(), target.c_str()) != 0) return Move::FAILED;
  path_.clear();
  return Move::DONE;
}

void TemporaryOutput::Remove() {
  if (path_.empty()) return;
  unlink(path_.c_str());
  path_.clear();
}
