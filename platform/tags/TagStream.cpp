#include "platform/tags/TagStream.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>

std::unique_ptr<TagLib::FileStream> OpenTagStreamForWriting(const std::string& path) {
  const int fd = open(path.c_str(), O_RDWR | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) return nullptr;
  // The stream owns the descriptor from here on and closes it.
  auto stream = std::make_unique<TagLib::FileStream>(fd, false);
  if (!stream->isOpen()) {
    close(fd);
    return nullptr;
  }
  if (stream->readOnly()) return nullptr;
  return stream;
}

std::string TagFileExtension(const std::string& path) {
  const size_t dot = path.find_last_of("./");
  if (dot == std::string::npos || path[dot] != '.') return std::string();
  std::string extension = path.substr(dot + 1);
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension;
}

TagFormat TagFormatOf(const std::string& path) {
  const std::string extension = TagFileExtension(path);
  if (extension == "mp3") return TagFormat::MP3;
  if (extension == "ogg") return TagFormat::VORBIS;
  if (extension == "flac") return TagFormat::FLAC;
  if (extension == "opus") return TagFormat::OPUS;
  if (extension == "m4a" || extension == "mp4" || extension == "m4b") return TagFormat::MP4;
  if (extension == "wma") return TagFormat::ASF;
  return TagFormat::NONE;
}
