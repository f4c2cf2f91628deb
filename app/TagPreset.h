#pragma once

#include <cstdint>
#include <string>

// Tag options of the formats that carry a tag ("MP3ID3TagType" and siblings).
enum TagOption : uint32_t {
  TAG_FROM_PRESET = 0,
  TAG_TRANSFER = 1,
  TAG_NONE = 2,
};

// The tag defaults of one output format (MP3, OGG, WMA or M4A): what is
// written into an output's tag when its tag option asks for the preset.
struct TagPreset {
  uint32_t titleAsFileName = 1;  // 1: the title is the source file name without extension
  std::string title;
  std::string artist;
  std::string album;
  std::string year;
  std::string genre;
  std::string comment;
  std::string composer;
  std::string copyright;
  uint32_t trackNumType = 0;  // 0 none, 1 sequence number in the list, 2 custom number
  uint32_t customTrackNum = 0;

  bool operator==(const TagPreset& other) const;
  bool operator!=(const TagPreset& other) const { return !(*this == other); }
};

// Track-number types of a preset.
enum TrackNumType : uint32_t {
  TRACK_NUM_NONE = 0,
  TRACK_NUM_SEQUENCE = 1,
  TRACK_NUM_CUSTOM = 2,
};
