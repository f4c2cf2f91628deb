#include "convert/TemporaryOutput.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <random>

#include "platform/files/TemporaryName.h"

namespace {

constexpr int kCreateAttempts = 100;

std::string RandomChars() {
  static const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  thread_local std::mt19937 generator{std::random_device{}()};
  std::uniform_int_distribution<size_t> pick(0, sizeof kAlphabet - 2);
  std::string chars;
  for (int i = 0; i < TEMPORARY_RANDOM_CHARS; ++i) chars += kAlphabet[pick(generator)];
  return chars;
}

bool SameInode(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Gives the open file the permissions of the file it replaces, and its
// owner and group as far as the process may: a private file stays private.
void TakeOverPermissions(int fd, const std::string& target) {
  struct stat old;
  if (lstat(target.c_str(), &old) != 0 || !S_ISREG(old.st_mode)) return;
  struct stat own;
  if (fstat(fd, &own) != 0) return;
  // Each step is a best effort: an owner or group the process may not give
  // stays the process's own. Ownership goes first, since changing it
  // clears the set-ID bits that the mode then gives back.
  const auto bestEffort = [](int) {};
  if (own.st_uid != old.st_uid) bestEffort(fchown(fd, old.st_uid, static_cast<gid_t>(-1)));
  if (own.st_gid != old.st_gid) bestEffort(fchown(fd, static_cast<uid_t>(-1), old.st_gid));
  bestEffort(fchmod(fd, old.st_mode & 07777));
}

}  // namespace

bool TemporaryOutput::Create(const std::string& target) {
  Remove();
  for (int attempt = 0; attempt < kCreateAttempts; ++attempt) {
    const std::string candidate = TemporaryNameFor(target, RandomChars());
    if (candidate.empty()) return false;
    // Mode 0666 under the umask, as any other new output gets.
    const int fd = open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
      if (errno != EEXIST) return false;
      continue;
    }
    path_ = candidate;
    fd_ = fd;
    // The lock marks the file as in use. Another run's clean-up may take
    // the unlocked file for a killed run's in the moment before the lock:
    // then the name is gone and a new one is chosen.
    const bool locked = flock(fd, LOCK_EX | LOCK_NB) == 0 || errno == ENOLCK || errno == EINVAL;
    if (locked && StillOurs()) return true;
    if (StillOurs()) unlink(candidate.c_str());
    path_.clear();
    Release();
  }
  return false;
}

int64_t TemporaryOutput::Size() const {
  struct stat info;
  if (fd_ < 0 || fstat(fd_, &info) != 0) return -1;
  return static_cast<int64_t>(info.st_size);
}

bool TemporaryOutput::StillOurs() const {
  struct stat own, named;
  return fd_ >= 0 && fstat(fd_, &own) == 0 && lstat(path_.c_str(), &named) == 0 &&
         SameInode(own, named);
}

TemporaryOutput::Move TemporaryOutput::MoveTo(const std::string& target, bool replace) {
  if (path_.empty() || !StillOurs()) return Move::FAILED;
  if (replace) {
    TakeOverPermissions(fd_, target);
    if (rename(path_.c_str(), target.c_str()) != 0) return Move::FAILED;
  } else if (renameat2(AT_FDCWD, path_.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0) {
    // Never replace: the kernel refuses atomically when the target exists.
  } else if (errno == EEXIST) {
    return Move::TARGET_EXISTS;
  } else if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) {
    return Move::FAILED;
  } else if (link(path_.c_str(), target.c_str()) == 0) {
    // A file system without that flag: a hard link is created only where
    // nothing exists, and the temporary name is dropped afterwards.
    unlink(path_.c_str());
  } else if (errno == EEXIST) {
    return Move::TARGET_EXISTS;
  } else if (errno != EPERM && errno != ENOTSUP && errno != EMLINK) {
    return Move::FAILED;
  } else {
    // Nor hard links: a plain rename after a last look, the best such a
    // file system allows.
    struct stat info;
    if (lstat(target.c_str(), &info) == 0) return Move::TARGET_EXISTS;
    if (rename(path_.c_str(), target.c_str()) != 0) return Move::FAILED;
  }
  path_.clear();
  Release();
  RemoveStaleTemporaryFiles(target);
  return Move::DONE;
}

void TemporaryOutput::Remove() {
  // A name that no longer names our file is someone else's now.
  if (!path_.empty() && StillOurs()) unlink(path_.c_str());
  path_.clear();
  Release();
}

void TemporaryOutput::Release() {
  if (fd_ >= 0) close(fd_);
  fd_ = -1;
}

void RemoveStaleTemporaryFiles(const std::string& target) {
  const std::string::size_type slash = target.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : target.substr(0, slash);
  const std::string prefix = slash == std::string::npos ? std::string() : folder + "/";
  DIR* dir = opendir(folder.c_str());
  if (!dir) return;
  while (const dirent* item = readdir(dir)) {
    const std::string name = item->d_name;
    if (!IsTemporaryNameOf(name, target)) continue;
    const std::string path = prefix + name;
    const int fd = open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) continue;
    struct stat own, named;
    // Unlocked: no running conversion writes it.
    if (flock(fd, LOCK_EX | LOCK_NB) == 0 && fstat(fd, &own) == 0 && S_ISREG(own.st_mode) &&
        lstat(path.c_str(), &named) == 0 && SameInode(own, named))
      unlink(path.c_str());
    close(fd);
  }
  closedir(dir);
}
