#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/TagPreset.h"
#include "source/TagInfo.h"

class AudioSource;

// The program's own text encoding is UTF-8: a conversion to the local
// encoding validates the text and passes it through unchanged; invalid UTF-8
// (overlong forms, surrogates, stray continuation bytes, code points past
// U+10FFFF, cut-off sequences) fails.
std::optional<std::string> Utf8ToLocal(const std::string& text);
bool IsValidUtf8(const std::string& text);

// Every value of a field with several: `first` then `further`, leaving out
// texts that are empty or not valid UTF-8.
std::vector<std::string> FieldValues(const std::string& first,
                                   const std::vector<std::string>& further);

// The metadata of an MPEG-4 file (title, artist, album, year, genre, comment,
// composer, album artist, several artists or genres; the track and disc as
// decimal text, with their totals as "number/total"). Only the fields present are
// set; copyright is emptied. True when at least one text field other than
// the track number was read.
bool ReadMp4Metadata(const std::string& path, TagInfo& tags);

// Fills each empty field of `tags` from the tags of an MPEG audio file, in
// the order ID3v2, APE, ID3v1: a field that one tag lacks comes from the
// next tag that holds it. True when at least one field was set; false also
// for a file that is not MPEG audio.
bool FillFromMpegTags(const std::string& path, TagInfo& tags);

// Fills the fields a library sorts by (album artist, disc, the totals of
// track and disc, the further values of artist and genre) from the tag of
// any file TagLib reads; true when one was set.
bool FillLibraryFields(const std::string& path, TagInfo& tags);

// The tag texts of the file at `path` without opening it as a source: the
// MPEG-4 metadata for MPEG-4 files (`kind`), every tag of an MPEG audio
// file, else the tag that TagLib reads; false when nothing was read.
bool ReadFileTags(const std::string& path, int32_t kind, TagInfo& tags);

// The file-name part of `path` without its extension: the text after the
// last "/", cut before the last "." of that name; a name without "." whole.
std::string FileNameWithoutExtension(const std::string& path);

// The number a standard text-to-integer conversion reads from a track text:
// a signed decimal integer after any leading white space ("7/12" gives 7,
// "-3" gives -3), 0 when there are no digits, held to the 32-bit range.
int32_t TrackNumberFromText(const std::string& text);

// The total of a "number/total" text (of a track or a disc) as
// TrackNumberFromText reads it after the first "/"; 0 without one.
int32_t TotalFromText(const std::string& text);

// The tag an output receives.
struct OutputTag {
  enum class Type {
    NONE,    // no tag at all
    FIELDS,  // the nine texts (from a preset or the source)
    RAW_ID3, // the source's ID3 blocks, copied unchanged into an MP3 output
  };
  Type type = Type::NONE;
  TagInfo fields;            // FIELDS: the track as text ("0" for none)
  int32_t trackNumber = 0;   // FIELDS: the track as a number
  std::vector<uint8_t> id3v1;  // RAW_ID3: the 128-byte block, or empty
  std::vector<uint8_t> id3v2;  // RAW_ID3: the whole ID3v2 block, or empty
};

// Chooses the tag of one output by its format's tag option (TAG_FROM_PRESET,
// TAG_TRANSFER, TAG_NONE):
// - the preset: its texts, the title from the source's file name when
//   titleAsFileName is 1, the track number by its type (none: 0, the
//   sequence number of the file in the run, or the custom number);
// - transfer to an MP3 output from an MPEG audio source with an ID3 block:
//   the source's raw ID3 blocks unchanged;
// - transfer otherwise: the MPEG-4 metadata first for MPEG-4 sources, else
//   the source's own tag, with the fields it lacks filled from every tag of
//   an MPEG audio file; no tag when nothing is read;
// - none: no tag.
OutputTag ChooseOutputTag(uint32_t tagOption, bool mp3Target, int32_t sourceKind,
                          const std::string& sourcePath, AudioSource& source,
                          const TagPreset& preset, int sequence);
