#pragma once

#include <string>
#include <utility>
#include <vector>

#include "source/TagInfo.h"

// One NAME=value field of a Vorbis-comment tag, the tag that Ogg Vorbis,
// FLAC and Ogg Opus files carry.
using VorbisCommentField = std::pair<std::string, std::string>;

// The fields for `tags`, in the order TITLE, ARTIST, ALBUM, DATE (the year),
// GENRE, COMMENT, COMPOSER, COPYRIGHT, TRACKNUMBER. A field is left out when
// its text is empty or not valid UTF-8; TRACKNUMBER also when the decimal
// number its text starts with is not above 0 ("0", "abc"). An empty TagInfo
// gives no field.
std::vector<VorbisCommentField> VorbisCommentFields(const TagInfo& tags);
