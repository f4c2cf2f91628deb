#include "platform/files/SourceFileOpen.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

std::string ReasonForMode(mode_t mode) {
  const char* what = nullptr;
  if (S_ISFIFO(mode))
    what = "a named pipe";
  else if (S_ISSOCK(mode))
    what = "a socket";
  else if (S_ISCHR(mode))
    what = "a character device";
  else if (S_ISBLK(mode))
    what = "a block device";
  if (!what) return std::string();
  return std::string("not a regular file (") + what + ")";
}

}  // namespace

std::string SpecialFileReason(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return std::string();
  return ReasonForMode(info.st_mode);
}

std::string FileAccessProblem(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) {
    if (errno == ENOENT || errno == ENOTDIR) return "no such file";
    if (errno == EACCES) return "permission denied";
    return std::strerror(errno);
  }
  if (!S_ISREG(info.st_mode)) return "not a regular file";
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return errno == EACCES ? "permission denied" : std::strerror(errno);
  ::close(fd);
  if (info.st_size == 0) return "empty file";
  return std::string();
}

std::FILE* OpenRegularFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return nullptr;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    const int error = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
    ::close(fd);
    errno = error;
    return nullptr;
  }
  // Reads of a regular file do not heed the flag; it is taken off so the
  // stream behaves as any other.
  const int flags = ::fcntl(fd, F_GETFL);
  if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
  std::FILE* file = ::fdopen(fd, "rb");
  if (!file) {
    const int error = errno;
    ::close(fd);
    errno = error;
  }
  return file;
}

bool IsRegularFile(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}
