#include "platform/ffmpeg/OutputAvio.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/ffmpeg/FfmpegOwners.h"
#include "platform/files/OutputFile.h"

int OpenOutputAvio(AVIOContext** io, const std::string& path) {
  const int fd = OpenOutputFile(path);
  if (fd < 0) return AVERROR(errno);
  const std::string reopened = "/proc/self/fd/" + std::to_string(fd);
  struct stat info;
  // Without /proc (a bare chroot) the checked name is opened again.
  const std::string url = "file:" + (stat(reopened.c_str(), &info) == 0 ? reopened : path);
  const int result = avio_open(io, url.c_str(), AVIO_FLAG_WRITE);
  close(fd);
  return result;
}
