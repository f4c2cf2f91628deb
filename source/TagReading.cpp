#include "source/TagReading.h"

#include <taglib/apetag.h>
#include <taglib/fileref.h>
#include <taglib/id3v1tag.h>
#include <taglib/id3v2framefactory.h>
#include <taglib/id3v2tag.h>
#include <taglib/mp4file.h>
#include <taglib/mp4tag.h>
#include <taglib/mpegfile.h>
#include <taglib/tfilestream.h>
#include <taglib/tpropertymap.h>

#include <algorithm>
#include <cctype>
#include <cstdint>

#include "platform/files/SourceFileOpen.h"
#include "platform/tags/MultiValueTags.h"
#include "source/AudioSource.h"
#include "source/Genres.h"
#include "source/SourceKind.h"

namespace {

// The tag properties that hold each field; the first one present wins.
struct FieldProperties {
  std::string TagInfo::*field;
  std::vector<const char*> names;
};

const std::vector<FieldProperties>& TagFieldProperties() {
  static const std::vector<FieldProperties> table = {
      {&TagInfo::title, {"TITLE"}},
      {&TagInfo::artist, {"ARTIST"}},
      {&TagInfo::album, {"ALBUM"}},
      {&TagInfo::year, {"DATE", "YEAR"}},
      {&TagInfo::genre, {"GENRE"}},
      {&TagInfo::comment, {"COMMENT", "DESCRIPTION"}},
      {&TagInfo::track, {"TRACKNUMBER"}},
      {&TagInfo::composer, {"COMPOSER"}},
      {&TagInfo::copyright, {"COPYRIGHT"}},
  };
  return table;
}

// Sets each empty field of `tags` that `properties` holds a text for; true
// when at least one was set.
bool FillEmptyFields(const TagLib::PropertyMap& properties, TagInfo& tags) {
  bool filled = false;
  for (const FieldProperties& entry : TagFieldProperties()) {
    std::string& field = tags.*entry.field;
    for (const char* name : entry.names) {
      if (!field.empty()) break;
      const auto found = properties.find(name);
      if (found == properties.end() || found->second.isEmpty()) continue;
      field = found->second.front().to8Bit(true);
      filled = filled || !field.empty();
    }
  }
  return filled;
}

// The values of a property that are valid UTF-8 and not empty.
std::vector<std::string> Values(const TagLib::PropertyMap& properties, const char* name) {
  std::vector<std::string> values;
  const auto found = properties.find(name);
  if (found == properties.end()) return values;
  for (const TagLib::String& value : found->second) {
    std::string text = value.to8Bit(true);
    if (!text.empty() && IsValidUtf8(text)) values.push_back(std::move(text));
  }
  return values;
}

// A number with its total: "3" and "12" give "3/12"; a number that holds
// its total already, or a total that is missing, leaves it as it is.
void AddTotal(std::string& number, const TagLib::PropertyMap& properties,
              std::initializer_list<const char*> totalNames) {
  if (number.empty() || number.find('/') != std::string::npos) return;
  for (const char* name : totalNames) {
    const std::vector<std::string> total = Values(properties, name);
    if (!total.empty() && TrackNumberFromText(total.front()) > 0) {
      number += "/" + total.front();
      return;
    }
  }
}

// Sets the fields a library sorts by from `properties`: the album artist,
// the disc, the totals of track and disc, and the further values of the
// artist and genre when their first value is the one already read.
bool FillLibraryFields(const TagLib::PropertyMap& properties, TagInfo& tags) {
  const TagInfo before = tags;
  if (tags.albumArtist.empty()) {
    const std::vector<std::string> albumArtist = Values(properties, "ALBUMARTIST");
    if (!albumArtist.empty()) tags.albumArtist = albumArtist.front();
  }
  if (tags.disc.empty()) {
    const std::vector<std::string> disc = Values(properties, "DISCNUMBER");
    if (!disc.empty() && TrackNumberFromText(disc.front()) > 0) tags.disc = disc.front();
  }
  AddTotal(tags.track, properties, {"TRACKTOTAL", "TOTALTRACKS"});
  AddTotal(tags.disc, properties, {"DISCTOTAL", "TOTALDISCS"});
  const auto more = [&properties](const char* name, const std::string& first,
                                  std::vector<std::string>& further) {
    const std::vector<std::string> values = Values(properties, name);
    if (further.empty() && values.size() > 1 && values.front() == first)
      further.assign(values.begin() + 1, values.end());
  };
  more("ARTIST", tags.artist, tags.moreArtists);
  more("GENRE", tags.genre, tags.moreGenres);
  return !(tags == before);
}

// The artists and genres of an ASF file held as "Author" and "WM/Genre"
// attributes (TagLib lists their first value last): the first value when
// none was read, the further values when the first is the one read.
bool FillAsfFurtherValues(const std::string& path, TagInfo& tags) {
  bool filled = false;
  const auto more = [&path, &filled](const char* name, std::string& first,
                                     std::vector<std::string>& further) {
    if (!further.empty()) return;
    const std::vector<std::string> values = FieldValues(std::string(), ReadAsfValues(path, name));
    if (!values.empty() && first.empty()) {
      first = values.front();
      filled = true;
    }
    if (values.size() < 2 || values.front() != first) return;
    further.assign(values.begin() + 1, values.end());
    filled = true;
  };
  more("Author", tags.artist, tags.moreArtists);
  more("WM/Genre", tags.genre, tags.moreGenres);
  return filled;
}

}  // namespace

bool IsValidUtf8(const std::string& text) {
  const auto* s = reinterpret_cast<const unsigned char*>(text.data());
  const size_t n = text.size();
  for (size_t i = 0; i < n;) {
    const unsigned char c = s[i];
    size_t extra = 0;
    uint32_t min = 0, code = 0;
    if (c < 0x80) { ++i; continue; }
    if (c >= 0xC2 && c <= 0xDF) { extra = 1; min = 0x80; code = c & 0x1F; }
    else if (c >= 0xE0 && c <= 0xEF) { extra = 2; min = 0x800; code = c & 0x0F; }
    else if (c >= 0xF0 && c <= 0xF4) { extra = 3; min = 0x10000; code = c & 0x07; }
    else return false;
    if (i + extra >= n) return false;
    for (size_t k = 1; k <= extra; ++k) {
      if ((s[i + k] & 0xC0) != 0x80) return false;
      code = (code << 6) | (s[i + k] & 0x3F);
    }
    if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
    i += extra + 1;
  }
  return true;
}

std::vector<std::string> FieldValues(const std::string& first,
                                   const std::vector<std::string>& further) {
  std::vector<std::string> values;
  if (!first.empty() && IsValidUtf8(first)) values.push_back(first);
  for (const std::string& value : further)
    if (!value.empty() && IsValidUtf8(value)) values.push_back(value);
  return values;
}

std::optional<std::string> Utf8ToLocal(const std::string& text) {
  if (!IsValidUtf8(text)) return std::nullopt;
  return text;
}

bool ReadMp4Metadata(const std::string& path, TagInfo& tags) {
  // Read-only: TagLib would open a file it is given by name for writing.
  // Its open would wait on a named pipe, which only a regular file rules out.
  if (!IsRegularFile(path)) return false;
  TagLib::FileStream stream(path.c_str(), true);
  TagLib::MP4::File file(&stream, false);
  if (!file.isValid() || !file.tag()) return false;
  const TagLib::MP4::Tag* tag = file.tag();

  bool read = false;
  auto text = [&](const char* key, std::string& field) {
    const TagLib::String name(key, TagLib::String::Latin1);
    if (!tag->contains(name)) return;
    const TagLib::StringList values = tag->item(name).toStringList();
    if (values.isEmpty()) return;
    if (std::optional<std::string> local = Utf8ToLocal(values.front().to8Bit(true))) {
      field = *local;
      read = true;
    }
  };

  text("\251nam", tags.title);
  text("\251ART", tags.artist);
  text("\251alb", tags.album);
  text("\251day", tags.year);
  text("\251gen", tags.genre);
  // A genre stored as its ID3v1 number plus one.
  const TagLib::String numericGenre("gnre", TagLib::String::Latin1);
  if (tags.genre.empty() && tag->contains(numericGenre)) {
    const int number = tag->item(numericGenre).toInt();
    if (number >= 1 && number <= GENRE_COUNT) {
      tags.genre = GENRE_NAMES[number - 1];
      read = true;
    }
  }
  text("\251cmt", tags.comment);
  const TagLib::String trackKey("trkn", TagLib::String::Latin1);
  if (tag->contains(trackKey))
  {
    const TagLib::MP4::Item::IntPair track = tag->item(trackKey).toIntPair();
    tags.track = std::to_string(static_cast<uint16_t>(track.first));
    if (track.first > 0 && track.second > 0)
      tags.track += "/" + std::to_string(static_cast<uint16_t>(track.second));
  }
  text("\251wrt", tags.composer);
  text("aART", tags.albumArtist);
  const TagLib::String discKey("disk", TagLib::String::Latin1);
  if (tag->contains(discKey)) {
    const TagLib::MP4::Item::IntPair disc = tag->item(discKey).toIntPair();
    if (disc.first > 0) {
      tags.disc = std::to_string(static_cast<uint16_t>(disc.first));
      if (disc.second > 0) tags.disc += "/" + std::to_string(static_cast<uint16_t>(disc.second));
    }
  }
  // Several artists or genres: the further values of the list.
  const auto more = [tag](const char* key, std::vector<std::string>& further) {
    const TagLib::String name(key, TagLib::String::Latin1);
    if (!tag->contains(name)) return;
    const TagLib::StringList values = tag->item(name).toStringList();
    for (auto it = values.begin(); it != values.end(); ++it) {
      const std::string value = it->to8Bit(true);
      if (it != values.begin() && IsValidUtf8(value)) further.push_back(value);
    }
  };
  more("\251ART", tags.moreArtists);
  more("\251gen", tags.moreGenres);
  tags.copyright.clear();
  return read;
}

bool FillFromMpegTags(const std::string& path, TagInfo& tags) {
  if (!IsRegularFile(path)) return false;
  TagLib::FileStream stream(path.c_str(), true);
  TagLib::MPEG::File file(&stream, TagLib::ID3v2::FrameFactory::instance(), false);
  if (!file.isValid()) return false;
  bool filled = false;
  // Each tag's own properties (TagLib's base answer holds the common
  // fields only).
  std::vector<TagLib::PropertyMap> tagProperties;
  if (file.hasID3v2Tag()) tagProperties.push_back(file.ID3v2Tag()->properties());
  if (file.hasAPETag()) tagProperties.push_back(file.APETag()->properties());
  if (file.hasID3v1Tag()) tagProperties.push_back(file.ID3v1Tag()->properties());
  for (const TagLib::PropertyMap& properties : tagProperties) {
    filled = FillEmptyFields(properties, tags) || filled;
    filled = FillLibraryFields(properties, tags) || filled;
  }
  return filled;
}

bool FillLibraryFields(const std::string& path, TagInfo& tags) {
  if (!IsRegularFile(path)) return false;
  TagLib::FileStream stream(path.c_str(), true);
  if (!stream.isOpen()) return false;
  const TagLib::FileRef ref(&stream, false);
  if (ref.isNull() || !ref.file()) return false;
  return FillLibraryFields(ref.file()->properties(), tags);
}

bool ReadFileTags(const std::string& path, int32_t kind, TagInfo& tags) {
  if (kind == KIND_MPEG4) return ReadMp4Metadata(path, tags);
  if (kind == KIND_MPEG_AUDIO) return FillFromMpegTags(path, tags);
  if (!IsRegularFile(path)) return false;
  TagLib::FileStream stream(path.c_str(), true);
  if (!stream.isOpen()) return false;
  const TagLib::FileRef ref(&stream, false);
  if (ref.isNull() || !ref.file()) return false;
  const TagLib::PropertyMap properties = ref.file()->properties();
  // An ASF file's first artist and genre before TagLib's lists, which hold
  // the first value last.
  bool filled = kind == KIND_WINDOWS_MEDIA && FillAsfFurtherValues(path, tags);
  filled = FillEmptyFields(properties, tags) || filled;
  return FillLibraryFields(properties, tags) || filled;
}

std::string FileNameWithoutExtension(const std::string& path) {
  const std::string::size_type slash = path.rfind('/');
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  const std::string::size_type dot = name.rfind('.');
  if (dot != std::string::npos) name.erase(dot);
  return name;
}

int32_t TrackNumberFromText(const std::string& text) {
  size_t i = 0;
  while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
  const bool negative = i < text.size() && text[i] == '-';
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  // An overflow is held to the nearest end of the 32-bit range.
  const int64_t limit = int64_t{INT32_MAX} + (negative ? 1 : 0);
  int64_t magnitude = 0;
  for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
    magnitude = std::min(magnitude * 10 + (text[i] - '0'), limit);
  return static_cast<int32_t>(negative ? -magnitude : magnitude);
}

int32_t TotalFromText(const std::string& text) {
  const std::string::size_type slash = text.find('/');
  return slash == std::string::npos ? 0 : TrackNumberFromText(text.substr(slash + 1));
}

OutputTag ChooseOutputTag(uint32_t tagOption, bool mp3Target, int32_t sourceKind,
                          const std::string& sourcePath, AudioSource& source,
                          const TagPreset& preset, int sequence) {
  OutputTag tag;
  if (tagOption == TAG_FROM_PRESET) {
    tag.type = OutputTag::Type::FIELDS;
    TagInfo& f = tag.fields;
    f.title = preset.titleAsFileName == 1 ? FileNameWithoutExtension(sourcePath) : preset.title;
    f.artist = preset.artist;
    f.album = preset.album;
    f.year = preset.year;
    f.genre = preset.genre;
    f.comment = preset.comment;
    f.composer = preset.composer;
    f.copyright = preset.copyright;
    uint32_t track = 0;
    if (preset.trackNumType == TRACK_NUM_SEQUENCE) track = static_cast<uint32_t>(sequence);
    else if (preset.trackNumType == TRACK_NUM_CUSTOM) track = preset.customTrackNum;
    tag.trackNumber = static_cast<int32_t>(track);
    f.track = std::to_string(track);
    return tag;
  }
  if (tagOption != TAG_TRANSFER) return tag;

  if (mp3Target && sourceKind == KIND_MPEG_AUDIO) {
    if (const uint8_t* v1 = source.GetId3v1Tag()) tag.id3v1.assign(v1, v1 + 128);
    uint32_t size = 0;
    if (const uint8_t* v2 = source.GetId3v2Tag(size)) tag.id3v2.assign(v2, v2 + size);
    if (!tag.id3v1.empty() || !tag.id3v2.empty()) {
      tag.type = OutputTag::Type::RAW_ID3;
      return tag;
    }
    // Without an ID3 block (an APE tag only, say) the tag is built from the
    // texts read, as for the other targets.
  }

  TagInfo texts;
  bool read = sourceKind == KIND_MPEG4 && ReadMp4Metadata(sourcePath, texts);
  if (!read) read = source.ReadTags(texts);
  // An MPEG audio file may carry several tags, each with some of the
  // fields; the source's answer holds those of its first tag only.
  if (sourceKind == KIND_MPEG_AUDIO) read = FillFromMpegTags(sourcePath, texts) || read;
  else if (sourceKind != KIND_MPEG4) {
    if (sourceKind == KIND_WINDOWS_MEDIA) read = FillAsfFurtherValues(sourcePath, texts) || read;
    read = FillLibraryFields(sourcePath, texts) || read;
  }
  if (!read) return tag;
  tag.type = OutputTag::Type::FIELDS;
  tag.fields = texts;
  tag.trackNumber = TrackNumberFromText(texts.track);
  return tag;
}
