#pragma once

#include <cstdint>
#include <string>

// The PCM a writer takes: planar blocks at one rate, of 1 or 2 channels, of
// signed 16-bit samples or of unsigned 8-bit samples with 128 as silence.
struct WriterFormat {
  uint32_t rate = 0;
  uint32_t channels = 0;
  uint32_t bits = 0;
};

// The one shape of every output writer. Whatever a format needs beyond the
// PCM it takes (encoder settings, tag images, ...) is given to the concrete
// writer before Open, through its constructor or setters, so the conversion
// drives every writer alike: Open, one block call per block, Close.
// Destruction closes what is still open.
//
// Every write is checked: a full disk, a file-size limit or a lost device
// makes the block call or Close answer false, so the caller removes the file
// instead of keeping a truncated one as a success.
class AudioWriter {
 public:
  AudioWriter() = default;
  AudioWriter(const AudioWriter&) = delete;
  AudioWriter& operator=(const AudioWriter&) = delete;
  virtual ~AudioWriter() = default;

  // Creates (or truncates) `path` for blocks in `format`. False when a file
  // is already open (it stays open, untouched), when the writer does not
  // take `format`, or when the file or the encoder cannot be set up; nothing
  // of the new file stays open or on disk then.
  virtual bool Open(const std::string& path, const WriterFormat& format) = 0;

  // One block of `count` samples per channel at the opened depth; `right` is
  // read only for two channels. False when nothing is open, for the depth
  // that was not opened, or when the block cannot be written; the file has
  // failed then, and Close answers false.
  virtual bool WriteBlock16(const int16_t* left, const int16_t* right, int count) = 0;
  virtual bool WriteBlock8(const uint8_t* left, const uint8_t* right, int count) = 0;

  // Finishes and closes the file. True only when every byte of it reached
  // the file system; true when nothing is open, so a second Close is
  // harmless.
  virtual bool Close() = 0;
};
