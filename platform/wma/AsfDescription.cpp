#include "platform/wma/AsfDescription.h"

#include <fcntl.h>
#include <unistd.h>

#include <taglib/asffile.h>
#include <taglib/asftag.h>
#include <taglib/tfilestream.h>

#include "platform/files/SourceFileOpen.h"

namespace {

TagLib::String Utf8(const std::string& text) {
  return TagLib::String(text, TagLib::String::UTF8);
}

}  // namespace

bool WriteAsfDescription(const std::string& path, const AsfDescription& texts) {
  const int fd = open(path.c_str(), O_RDWR | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) return false;
  // The stream owns the descriptor from here on and closes it.
  TagLib::FileStream stream(fd, false);
  if (!stream.isOpen()) {
    close(fd);
    return false;
  }
  if (stream.readOnly()) return false;
  TagLib::ASF::File file(&stream, false);
  TagLib::ASF::Tag* tag = file.isValid() ? file.tag() : nullptr;
  if (!tag) return false;
  for (const char* name : {"Title", "Author", "Copyright", "Description"}) tag->removeItem(name);
  tag->setTitle(Utf8(texts.title));
  tag->setArtist(Utf8(texts.author));
  tag->setCopyright(Utf8(texts.copyright));
  tag->setComment(Utf8(texts.description));
  return file.save();
}

std::string ReadAsfDescription(const std::string& path) {
  if (!IsRegularFile(path)) return std::string();  // TagLib's open would wait on a named pipe
  TagLib::FileStream stream(path.c_str(), true);
  if (!stream.isOpen()) return std::string();
  TagLib::ASF::File file(&stream, false);
  const TagLib::ASF::Tag* tag = file.isValid() ? file.tag() : nullptr;
  if (!tag) return std::string();
  if (!tag->comment().isEmpty()) return tag->comment().to8Bit(true);
  const TagLib::ASF::AttributeList attributes = tag->attribute("Description");
  return attributes.isEmpty() ? std::string() : attributes.front().toString().to8Bit(true);
}
