#include "platform/tags/MultiValueTags.h"

#include <taglib/asffile.h>
#include <taglib/asftag.h>
#include <taglib/mp4file.h>
#include <taglib/tfilestream.h>

#include <algorithm>
#include <cctype>

#include "platform/files/SourceFileOpen.h"
#include "platform/tags/TagStream.h"

namespace {

TagLib::String Utf8(const std::string& text) {
  return TagLib::String(text, TagLib::String::UTF8);
}

bool WriteMp4(TagLib::FileStream& stream, const std::vector<std::string>& artists,
              const std::vector<std::string>& genres) {
  TagLib::MP4::File file(&stream, false);
  if (!file.isValid() || !file.tag()) return false;
  const auto set = [&file](const char* key, const std::vector<std::string>& values) {
    if (values.size() < 2) return;  // one value is stored as the file was made
    TagLib::StringList list;
    for (const std::string& value : values) list.append(Utf8(value));
    file.tag()->setItem(TagLib::String(key, TagLib::String::Latin1), TagLib::MP4::Item(list));
  };
  set("\251ART", artists);
  set("\251gen", genres);
  return file.save();
}

bool WriteAsf(TagLib::FileStream& stream, const std::vector<std::string>& artists,
              const std::vector<std::string>& genres) {
  TagLib::ASF::File file(&stream, false);
  TagLib::ASF::Tag* tag = file.isValid() ? file.tag() : nullptr;
  if (!tag) return false;
  const auto set = [tag](const char* name, const std::vector<std::string>& values) {
    if (values.size() < 2) return;  // one value is stored as the file was made
    TagLib::ASF::AttributeList list;
    for (const std::string& value : values) list.append(TagLib::ASF::Attribute(Utf8(value)));
    tag->setAttribute(name, list);
  };
  set("WM/Genre", genres);
  if (artists.size() > 1) tag->setArtist(TagLib::String());
  set("Author", artists);
  return file.save();
}

}  // namespace

bool WriteMultiValueTags(const std::string& path, const std::vector<std::string>& artists,
                         const std::vector<std::string>& genres) {
  const std::string extension = TagFileExtension(path);
  const bool mp4 = extension == "m4a" || extension == "mp4" || extension == "m4b";
  if (!mp4 && extension != "wma") return false;
  const std::unique_ptr<TagLib::FileStream> opened = OpenTagStreamForWriting(path);
  if (!opened) return false;
  TagLib::FileStream& stream = *opened;
  return mp4 ? WriteMp4(stream, artists, genres) : WriteAsf(stream, artists, genres);
}

std::vector<std::string> ReadAsfValues(const std::string& path, const char* name) {
  std::vector<std::string> values;
  if (!IsRegularFile(path)) return values;  // TagLib's open would wait on a named pipe
  TagLib::FileStream stream(path.c_str(), true);
  if (!stream.isOpen()) return values;
  TagLib::ASF::File file(&stream, false);
  const TagLib::ASF::Tag* tag = file.isValid() ? file.tag() : nullptr;
  if (!tag) return values;
  for (const TagLib::ASF::Attribute& attribute : tag->attribute(name))
    values.push_back(attribute.toString().to8Bit(true));
  if (values.size() > 1) std::rotate(values.begin(), values.end() - 1, values.end());
  return values;
}
