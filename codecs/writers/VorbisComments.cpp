#include "codecs/writers/VorbisComments.h"

#include "source/TagReading.h"

std::vector<VorbisCommentField> VorbisCommentFields(const TagInfo& tags) {
  const std::pair<const char*, const std::string*> named[] = {
      {"TITLE", &tags.title},       {"ARTIST", &tags.artist},
      {"ALBUM", &tags.album},       {"DATE", &tags.year},
      {"GENRE", &tags.genre},       {"COMMENT", &tags.comment},
      {"COMPOSER", &tags.composer}, {"COPYRIGHT", &tags.copyright},
      {"TRACKNUMBER", &tags.track},
  };
  std::vector<VorbisCommentField> fields;
  for (const auto& [name, text] : named) {
    if (text->empty() || !IsValidUtf8(*text)) continue;
    if (text == &tags.track && TrackNumberFromText(*text) <= 0) continue;
    fields.emplace_back(name, *text);
  }
  return fields;
}
