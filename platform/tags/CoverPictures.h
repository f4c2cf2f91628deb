#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A picture held in a sound file's tags (cover art). `type` counts as ID3v2
// picture types do, which FLAC, Vorbis comments and ASF share: 3 is the
// front cover, 4 the back cover, 0 any other picture.
struct CoverPicture {
  int type = 3;
  std::string mimeType;     // "image/jpeg", "image/png", ...
  std::string description;  // UTF-8, often empty
  std::vector<uint8_t> data;

  bool operator==(const CoverPicture& o) const {
    return type == o.type && mimeType == o.mimeType && description == o.description &&
           data == o.data;
  }
};

inline constexpr int PICTURE_FRONT_COVER = 3;

// The pictures in the tags of the sound file at `path`, in their stored
// order: ID3v2 APIC frames (MP3, and WAV and AIFF files with an ID3 chunk),
// FLAC PICTURE blocks, METADATA_BLOCK_PICTURE comments (Ogg Vorbis, Opus,
// Ogg FLAC), the MP4 item "covr" (pictures that hold no type or
// description there: each is read as a front cover without one), ASF
// "WM/Picture" attributes. Read only, from a regular file; empty when there
// are none or the file cannot be read.
std::vector<CoverPicture> ReadCoverPictures(const std::string& path);

// Whether the format that `path`'s extension names holds pictures: MP3
// (ID3v2), OGG and Opus (Vorbis comments), FLAC, M4A/MP4/M4B and WMA.
bool HoldsCoverPictures(const std::string& path);

enum class PictureWrite {
  WRITTEN,       // the file holds `pictures` now
  ALREADY_HELD,  // the file held pictures before and was left as it was
  FAILED,        // another format, a file TagLib cannot read, or a failed save
};

// Adds `pictures` to the tags of the finished file at `path`, in place and
// without following a link, each with its type, MIME type, description and
// bytes as given (an MP4 file keeps the bytes and the image format only).
// An MP3 file keeps its ID3v2 version, a file without an ID3v2 tag gets
// ID3v2.3. A file that holds a picture already (an MP3 whose ID3 blocks
// were copied from its source) is not changed. Callers write only files
// that no one else sees yet.
PictureWrite WriteCoverPictures(const std::string& path, const std::vector<CoverPicture>& pictures);

// The MIME type of a whole JPEG or PNG image told from its structure
// ("image/jpeg", "image/png"): a JPEG's markers up to its scan data and an
// end marker after them, a PNG's chunks from its header chunk to its end
// chunk. "" for any other bytes, an image cut short among them.
std::string ImageMimeType(const std::vector<uint8_t>& bytes);
