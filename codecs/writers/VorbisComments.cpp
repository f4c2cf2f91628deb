#include "codecs/writers/VorbisComments.h"

#include "source/TagReading.h"

std::vector<VorbisCommentField> VorbisCommentFields(const TagInfo& tags) {
  const std::pair<const char*, const std::string*> named[] = {
      {"TITLE", &tags.title},       {"ARTIST", &tags.artist},
      {"ALBUM", &tags.album},       {"DATE", &tags.year},
      {"GENRE", &tags.genre},       {"COMMENT", &tags.comment},
      {"COMPOSER", &tags.composer}, {"COPYRIGHT", &tags.copyright},
      {"TRACKNUMBER", &tags.track}, {"ALBUMARTIST", &tags.albumArtist},
      {"DISCNUMBER", &tags.disc},
  };
  std::vector<VorbisCommentField> fields;
  for (const auto& [name, text] : named) {
    if (text->empty() || !IsValidUtf8(*text)) continue;
    if ((text == &tags.track || text == &tags.disc) && TrackNumberFromText(*text) <= 0) continue;
    fields.emplace_back(name, *text);
  }
  // Several artists or genres: one comment for each further value.
  for (const auto& [name, values] :
       {std::pair{"ARTIST", &tags.moreArtists}, std::pair{"GENRE", &tags.moreGenres}})
    for (const std::string& value : *values)
      if (!value.empty() && IsValidUtf8(value)) fields.emplace_back(name, value);
  return fields;
}
