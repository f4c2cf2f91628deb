#pragma once

#include <memory>
#include <string>

#include "codecs/writers/AudioWriter.h"
#include "platform/files/FileHandle.h"
#include "source/TagInfo.h"

// A Vorbis quality level, -1 (smallest) to 10 (best), as the OggWriter
// takes it in place of a nominal bit rate.
struct OggQuality {
  int level = 3;
};

// Encodes signed 16-bit PCM to Vorbis in an Ogg stream file. The encoder is
// set up either for a quality level or for a nominal bit rate with bit-rate
// management off: the nominal rate then only selects the encoder's quality.
// Either way the stream is variable bit rate. A file is, in order: the
// pages of the three header packets (identification, comments, set-up),
// flushed so that the audio starts on a fresh page; the audio pages, each
// written when libogg considers it full; the last page, which carries the
// end-of-stream flag.
//
// As an AudioWriter it takes the nominal bit rate (or the quality level)
// and the comment texts at construction and applies them to every file it
// opens. Close ends the stream (the encoder is told that no samples follow,
// and what it still holds is written) and closes the file.
//
// Every write is checked: a full disk or a file-size limit makes the block
// call and Close answer false, so the caller removes the file instead of
// keeping a truncated stream as a success. After a failed write, later
// blocks are not encoded at all.
class OggWriter : public AudioWriter {
 public:
  // `comments` become the stream's comment fields, in the order TITLE,
  // ARTIST, ALBUM, DATE (the year), GENRE, COMMENT, COMPOSER, COPYRIGHT,
  // TRACKNUMBER. A field is left out when its text is empty or not valid
  // UTF-8; TRACKNUMBER also when the decimal number its text starts with is
  // not above 0 ("0", "abc"). An empty TagInfo leaves only the encoder's
  // vendor text in the comment header.
  explicit OggWriter(int nominalBitsPerSecond = 128000, TagInfo comments = TagInfo());
  // Encodes at a quality level (held within -1..10) instead.
  OggWriter(OggQuality quality, TagInfo comments);
  ~OggWriter() override;

  // Sets up the encoder for the format, creates (or truncates) `path` and
  // writes the header pages. False while a file is open, for a format other
  // than 16-bit with 1 or 2 channels, when libvorbisenc refuses the rate,
  // channel count and bit rate (no file is created then), or when the file
  // cannot be created or its headers cannot be written (it is removed
  // again).
  bool Open(const std::string& path, const WriterFormat& format) override;

  // Encodes `count` samples per channel; `right` is read only for two
  // channels. An empty block is no end: the stream ends at Close. False
  // when nothing is open, after a failed write, for a negative count, a
  // missing array or a page that cannot be written.
  bool WriteBlock16(const int16_t* left, const int16_t* right, int count) override;
  // The encoder takes 16-bit samples only: an 8-bit block fails the file.
  bool WriteBlock8(const uint8_t* left, const uint8_t* right, int count) override;

  // Ends the stream, writes its last pages and closes the file; every
  // libvorbis and libogg state is freed. True when every byte of the stream
  // reached the file system; false after any failed write. True when
  // nothing is open, so a second Close is harmless.
  bool Close() override;

 private:
  struct Encoder;

  bool Configure(const WriterFormat& format);
  void AddComments();
  bool WriteHeaders();
  // Passes what the encoder has analysed to libogg and writes each page
  // that comes out full (all of them once the stream has ended).
  bool Drain();
  bool WritePage(const void* header, long headerBytes, const void* body, long bodyBytes);

  const int nominalBitsPerSecond_;
  const int quality_;  // below -1: the nominal bit rate decides
  const TagInfo comments_;
  FilePtr file_;
  std::unique_ptr<Encoder> encoder_;
  int channels_ = 0;
  bool failed_ = false;
};
