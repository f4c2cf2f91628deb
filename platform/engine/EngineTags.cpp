#include "platform/engine/EngineTags.h"

#include <taglib/asffile.h>
#include <taglib/fileref.h>
#include <taglib/tfile.h>
#include <taglib/tfilestream.h>
#include <taglib/tpropertymap.h>

#include <cstdio>

#include "platform/files/FileHandle.h"
#include "platform/files/SourceFileOpen.h"
#include "platform/tags/MultiValueTags.h"
#include "platform/wma/AsfDescription.h"

namespace engine {
namespace {

// Property names of each field code, the first one present wins.
std::vector<const char*> PropertyNames(const std::string& code) {
  if (code == "TRCK") return {"TRACKNUMBER"};
  if (code == "TITL") return {"TITLE"};
  if (code == "ARTI") return {"ARTIST"};
  if (code == "ALBM") return {"ALBUM"};
  if (code == "GNRE") return {"GENRE"};
  if (code == "YEAR") return {"DATE", "YEAR"};
  if (code == "CMNT") return {"COMMENT", "DESCRIPTION"};
  if (code == "COMP") return {"COMPOSER"};
  if (code == "COPY") return {"COPYRIGHT"};
  return {};
}

}  // namespace

std::optional<std::vector<std::string>> ReadTagFields(const std::string& path,
                                                      const std::vector<std::string>& codes) {
  // Given a path, TagLib opens the file for writing whenever it may, which
  // wakes file watchers on close and needs a right reading should not: the
  // source is opened read-only, and outlives the reference that reads it.
  if (!IsRegularFile(path)) return std::nullopt;  // TagLib's open would wait on a named pipe
  TagLib::FileStream stream(path.c_str(), true);
  if (!stream.isOpen()) return std::nullopt;
  const TagLib::FileRef ref(&stream, false);
  if (ref.isNull() || !ref.file()) return std::nullopt;
  const TagLib::PropertyMap properties = ref.file()->properties();

  std::vector<std::string> values;
  bool any = false;
  for (const std::string& code : codes) {
    std::string value;
    for (const char* name : PropertyNames(code)) {
      const auto found = properties.find(name);
      if (found != properties.end() && !found->second.isEmpty()) {
        value = found->second.front().to8Bit(true);
        break;
      }
    }
    const bool asf = dynamic_cast<const TagLib::ASF::File*>(ref.file()) != nullptr;
    // An ASF file may hold its description as an extended attribute only.
    if (value.empty() && code == "CMNT" && asf) value = ReadAsfDescription(path);
    // Its genres and further artists are repeated attributes, whose first
    // value TagLib lists last.
    if (asf && (code == "GNRE" || (code == "ARTI" && value.empty()))) {
      const std::vector<std::string> written =
          ReadAsfValues(path, code == "GNRE" ? "WM/Genre" : "Author");
      if (!written.empty()) value = written.front();
    }
    any = any || !value.empty();
    values.push_back(std::move(value));
  }
  if (!any) return std::nullopt;
  return values;
}

std::string ReadId3v1Block(const std::string& path) {
  FilePtr file(OpenRegularFile(path));
  if (!file || std::fseek(file.get(), -128, SEEK_END) != 0) return std::string();
  std::string block(128, '\0');
  if (std::fread(block.data(), 1, 128, file.get()) != 128 || block.compare(0, 3, "TAG") != 0)
    return std::string();
  return block;
}

std::string ReadId3v2Block(const std::string& path) {
  FilePtr file(OpenRegularFile(path));
  if (!file) return std::string();
  unsigned char header[10];
  if (std::fread(header, 1, 10, file.get()) != 10 || header[0] != 'I' || header[1] != 'D' ||
      header[2] != '3')
    return std::string();
  // A syncsafe size: seven bits of each of the four bytes, most significant first.
  if ((header[6] | header[7] | header[8] | header[9]) & 0x80) return std::string();
  const uint32_t size = (uint32_t{header[6]} << 21) | (uint32_t{header[7]} << 14) |
                        (uint32_t{header[8]} << 7) | header[9];
  // A tag that claims more than the file holds is cut, and so not read: a
  // few bytes must not make the reader set aside up to 256 MB.
  const long end = std::fseek(file.get(), 0, SEEK_END) == 0 ? std::ftell(file.get()) : -1;
  if (end < 10 || static_cast<uint64_t>(end) - 10 < size || std::fseek(file.get(), 10, SEEK_SET) != 0)
    return std::string();
  std::string block(size + 10, '\0');
  std::copy(header, header + 10, block.begin());
  if (std::fread(block.data() + 10, 1, size, file.get()) != size) return std::string();
  return block;
}

}  // namespace engine
