#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "codecs/writers/AacBlockEncoder.h"
#include "codecs/writers/AudioWriter.h"
#include "platform/mp4/Mp4File.h"
#include "source/TagInfo.h"

// The tag of an M4A file: the texts in UTF-8 (the copyright is not stored)
// and the track number (0: none).
struct M4aTag {
  TagInfo texts;
  int32_t track = 0;
};

// Encodes PCM to AAC in an MPEG-4 file: one audio track whose samples are
// the encoder's raw frames, and iTunes metadata. The path's extension
// chooses the file's kind: .m4a, .m4b (an audio book) or .mp4.
//
// Sample durations: every stored frame lasts one frame length except in
// the drain at the end, where durations are cut so that their sum is at
// most the input sample frames plus one frame length. The first frame
// carries the encoder's delay of one frame length as its rendering offset,
// so players skip it and the file plays exactly the input's samples.
//
// The encoder edits and the tag are given at construction and applied to
// every file it opens; the tag is set once the track is set up. Every
// write is checked: a full disk or a file-size limit makes the block call
// and Close answer false, so the caller fails the file and removes it.
class M4aWriter : public AudioWriter, private AacFrameSink {
 public:
  explicit M4aWriter(const AacEncoderSettings& settings = AacEncoderSettings(),
                     std::optional<M4aTag> tag = std::nullopt);
  ~M4aWriter() override;

  // Opens the encoder for `format` (8- or 16-bit, 1 or 2 channels, a
  // standard AAC rate), creates (or truncates) `path`, starts the encoder
  // with the configuration edits, sets up the track and the tag. False,
  // with no file left, while a file is open, for any other format, or when
  // a step fails.
  bool Open(const std::string& path, const WriterFormat& format) override;

  // As AacWriter's: each full encoder block is encoded and its frame
  // stored. False when nothing is open, for the other depth, or when a
  // frame cannot be stored.
  bool WriteBlock16(const int16_t* left, const int16_t* right, int count) override;
  bool WriteBlock8(const uint8_t* left, const uint8_t* right, int count) override;

  // Encodes what is still buffered, drains the encoder and completes the
  // file. True when the whole file reached the file system; false after
  // any failure and for a file that received no sample. True when nothing
  // is open.
  bool Close() override;

  // The encoder's configuration in use; null when nothing is open.
  const AacEncConfiguration* Configuration() const { return encoder_.Configuration(); }

 private:
  bool StartTrack(const WriterFormat& format);
  void SetMetadata(const M4aTag& tag);
  bool WriteFurtherValues(const TagInfo& texts) const;
  bool StoreFrame(const uint8_t* bytes, size_t size) override;

  const AacEncoderSettings settings_;
  const std::optional<M4aTag> tag_;
  AacBlockEncoder encoder_;
  Mp4FilePtr file_;
  std::string path_;
  Mp4TrackId track_ = kMp4InvalidTrackId;
  uint64_t framesOut_ = 0;  // the sum of the stored durations
  bool failed_ = false;
};
