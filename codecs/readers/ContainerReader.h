#pragma once

#include <cstdint>
#include <string>

#include "platform/ffmpeg/FfmpegOwners.h"
#include "platform/engine/AllocationCap.h"
#include "source/AudioSource.h"

// What the two readers over the media-container library share: the opened
// container, the index of its first audio stream, the stream fields that
// both report, and the tag of the container. ContainerSource decodes;
// ContainerProbe only reports.
class ContainerReader : public AudioSource {
 public:
  // Title, artist, album, year, genre, comment, track, composer and
  // copyright from the container's metadata, or from the audio stream's
  // where the container has none (Ogg keeps its comments there). Only
  // texts that are valid UTF-8 are taken; year and track only when they
  // begin with a positive number. False when none was found.
  bool ReadTags(TagInfo& tags) override;

 protected:
  // Opens `path` as a local file (no other protocol), reads the stream
  // information and finds the first audio stream (audioStream_, -1 when
  // there is none). False, with nothing open, when the file is not a
  // container the library knows.
  bool OpenContainer(const std::string& path);
  void CloseContainer();

  // Sets the fields both variants report: channels and the delivered count
  // (1 for 0 or 1 channels, else 2), the channel mode (mono below two
  // channels, else stereo), rate, bit rate in kbps (the stream's, else the
  // container's overall rate), depth (8 only for unsigned 8-bit samples)
  // and duration (0 when the container does not know it; AMR and AMR-WB
  // files count their frames), and the content kind from the container.
  void SetAudioFields(int channelCount, int rate, int64_t streamBitRate, int sampleFormat);

  // The first stream of `type`, or null. Cover pictures are not video.
  AVStream* FirstStream(AVMediaType type) const;

  // Lets the library's allocations grow with the open file (the index of a
  // long file); declared before the container, so that it goes after it.
  engine::AllocationAllowance allowance_;
  FormatContextPtr format_;
  int audioStream_ = -1;
  // The frames of an AMR or AMR-WB file in the storage format; -1 for
  // other files.
  int64_t amrFrames_ = -1;
};
