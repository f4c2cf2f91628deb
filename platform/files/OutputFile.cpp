#include "platform/files/OutputFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

int OpenOutputFile(const std::string& path) {
  const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
  if (fd < 0) return -1;
  struct stat info;
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_nlink != 1) {
    close(fd);
    errno = EEXIST;
    return -1;
  }
  if (info.st_size != 0 && ftruncate(fd, 0) != 0) {
    const int error = errno;
    close(fd);
    errno = error;
    return -1;
  }
  return fd;
}

std::FILE* OpenOutputStream(const std::string& path) {
  const int fd = OpenOutputFile(path);
  if (fd < 0) return nullptr;
  std::FILE* stream = fdopen(fd, "wb");
  if (!stream) {
    const int error = errno;
    close(fd);
    errno = error;
  }
  return stream;
}
