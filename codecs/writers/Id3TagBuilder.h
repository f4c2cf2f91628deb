#pragma once

#include <cstdint>
#include <vector>

#include "source/TagInfo.h"

// The ID3 tag images of one MP3 output; an empty image means that tag is not
// written.
struct Id3Images {
  std::vector<uint8_t> v1;  // empty or exactly 128 bytes
  std::vector<uint8_t> v2;
};

// Renders the tag texts of an output as ID3v1 (`version` 1) or ID3v2
// (`version` 2) through id3lib and answers the rendered bytes; empty when
// the version is neither, or the rendering failed (no temporary file, a
// failed write, a file that cannot be read back, or an image whose size is
// not what its format demands).
//
// Texts are UTF-8. ID3v2 holds every text (the comment too) in ISO-8859-1
// when it fits and in UTF-16 otherwise; the year's four digits in the year
// frame and the day and month of a full date ("2001-05-17") in the date
// frame; several artists or genres separated by "/"; the album artist, the
// disc ("number/total") and the track's total from `texts.track`. ID3v1
// holds title, artist, album, year, genre and comment in ISO-8859-1.
// `track` counts by its low 8 bits only: 0 there gives no track number.
// The tag is rendered into a uniquely named file in the temporary folder
// (prefix "cvt"), read back, and the file is removed on every path.
std::vector<uint8_t> BuildId3Tag(int version, const TagInfo& texts, int track);

// The images that the MP3 tag-version option asks for: 0 ID3v1, 1 ID3v2,
// 2 both, any other value none.
Id3Images BuildId3Tags(int versionOption, const TagInfo& texts, int track);
