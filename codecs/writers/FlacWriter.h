#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "codecs/writers/AudioWriter.h"
#include "platform/files/FileHandle.h"
#include "source/TagInfo.h"

// What a FLAC file is written with besides its PCM.
struct FlacSettings {
  // libFLAC's compression level, 0 (fastest) to 8 (smallest); every level
  // is lossless.
  int compressionLevel = 5;
  // The Vorbis comments of the file (VorbisCommentFields); empty: only the
  // encoder's vendor text.
  TagInfo comments;
  // How many frames per channel the file is expected to hold, 0 when not
  // known: the seek table gets a point every ten seconds up to a little past
  // it (an hour when unknown). Points the stream does not reach become
  // placeholders when the file is closed.
  uint64_t expectedFrames = 0;
};

// Encodes planar 8- or 16-bit PCM to a FLAC file at the depth it is given,
// so decoding gives back the very samples written. The file is, in order:
// the stream information (its length and the MD5 signature of the audio
// filled in at Close), the Vorbis comments, the seek table, the audio
// frames.
//
// Every write is checked: a full disk or a file-size limit makes the block
// call and Close answer false, so the caller removes the file instead of
// keeping a truncated stream as a success.
class FlacWriter : public AudioWriter {
 public:
  explicit FlacWriter(FlacSettings settings = FlacSettings());
  ~FlacWriter() override;

  // Sets up the encoder, creates (or truncates) `path` and writes the
  // metadata blocks. False while a file is open, for a format other than 8-
  // or 16-bit with 1 or 2 channels at 1 to 655350 Hz, or when the file
  // cannot be created or its header cannot be written (it is removed
  // again).
  bool Open(const std::string& path, const WriterFormat& format) override;
  bool WriteBlock16(const int16_t* left, const int16_t* right, int count) override;
  bool WriteBlock8(const uint8_t* left, const uint8_t* right, int count) override;
  // Encodes what the encoder still holds, fills in the stream information
  // and the seek table and closes the file. True only when every byte
  // reached the file system.
  bool Close() override;

 private:
  struct Encoder;

  template <typename Sample>
  bool Encode(const Sample* left, const Sample* right, int count, int bits);

  const FlacSettings settings_;
  FilePtr file_;
  std::unique_ptr<Encoder> encoder_;
  WriterFormat format_;
  bool failed_ = false;
};
