#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "codecs/writers/AudioWriter.h"
#include "codecs/writers/Id3TagBuilder.h"
#include "codecs/writers/Mp3EncoderSettings.h"
#include "platform/files/FileHandle.h"
#include "source/PcmBlock.h"

struct lame_global_struct;

// Encodes signed 16-bit PCM to an MP3 file through one LAME encoder, at a
// constant bit rate or at a variable bit rate chosen by a quality level, with
// optional ID3 tag images around the frames. A file is, in order: the ID3v2
// image (if any), LAME's Info frame (a Xing frame at a variable bit rate;
// only when asked for at a constant bit rate), the MPEG frames, the frames of
// the final flush, the 128-byte ID3v1 image (if any). LAME never adds tags of
// its own. The Info frame is written as a placeholder when the stream starts
// and filled in at Close, once the frame count, the byte count, the seek
// table and the padding are known.
//
// As an AudioWriter it takes the encoder settings and the tag images at
// construction and applies them to every file it opens with
// Open(path, format). The same steps can also be taken one by one: Open;
// SetId3v1 / SetId3v2 (optional); SetInputRate and the encoder settings;
// Start; WriteBlock16 per block; Close. Settings given after Start, or while
// nothing is open, have no effect.
//
// Every write is checked: a full disk or a file-size limit makes Start,
// WriteBlock16 or Close answer false, so the caller fails the file and
// removes it instead of keeping a truncated file as a success.
class Mp3Writer : public AudioWriter {
 public:
  // LAME documents 1.25 × samples + 7200 bytes as the most that one encode
  // call can produce, and 7200 bytes as enough for the final flush. The
  // samples are those LAME encodes, at the output rate: it resamples before
  // it encodes, so a block of a 2,000 Hz source becomes 24 times as many
  // samples at 48,000 Hz. Start sizes the buffer for one piece of a block
  // at the rates the encoder really uses, so an encode call never fails for
  // want of room. Blocks go to LAME in pieces of at most kChunkSamples
  // samples per channel, fewer when the output rate is so far above the
  // input rate that a piece would become more than kMaxEncodedSamples.
  static constexpr int kChunkSamples = BLOCK_SAMPLES;
  static constexpr int kMaxEncodedSamples = 32 * BLOCK_SAMPLES;
  static constexpr int kFlushBytes = 7200;
  // The input samples per channel of one call, and the bytes its answer
  // may take, for a conversion from `inRate` to `outRate`.
  static int ChunkSamples(int inRate, int outRate);
  static size_t BufferBytes(int inRate, int outRate);

  static constexpr size_t kId3v1Bytes = 128;

  // `settings` and `tags` (an empty image means that tag is not written)
  // are what Open(path, format) gives each file.
  explicit Mp3Writer(const Mp3EncoderSettings& settings = Mp3EncoderSettings(),
                     Id3Images tags = Id3Images());
  ~Mp3Writer() override;

  // Opens `path` for 16-bit blocks of 1 or 2 channels at the format's rate,
  // with the tag images and encoder settings given at construction, and
  // starts the encoder. False while a file is open, for any other format, or
  // when a step fails (a file that was created is removed again).
  bool Open(const std::string& path, const WriterFormat& format) override;

  // Closes whatever is open, creates (or truncates) `path` and creates the
  // encoder. False when either cannot be created; nothing stays open then
  // (a file that was created is removed again).
  bool Open(const std::string& path);

  // Tag images, copied. An ID3v1 image must be exactly 128 bytes; any other
  // length is refused (false) so that the file never ends in a broken tag.
  // An ID3v2 image is accepted while the writer is open and not started
  // (an empty one means none). False when nothing is open.
  bool SetId3v1(const uint8_t* image, size_t length);
  bool SetId3v2(const uint8_t* image, size_t length);

  void SetInputRate(int hz);
  // n <= 0 becomes 1, n > 2 becomes 2.
  void SetChannels(int n);
  // 0 (stereo), 1 (joint stereo) and 3 (mono) are passed on; every other
  // value becomes 0.
  void SetMode(int mode);
  void SetOutputRate(int hz);
  // Clamped to 8..320 kbit/s. LAME further limits it by the output rate.
  void SetBitRate(int kbps);
  // A level below 0 keeps the constant bit rate; 0..9 (above 9 becomes 9)
  // encodes at a variable bit rate of that quality, with an Info frame.
  void SetVbrQuality(int level);
  // Writes the Info frame at a constant bit rate too.
  void SetInfoFrame(bool on);

  // Fixes the bit-rate settings and writes the ID3v2 image. False
  // when nothing is open, the encoder refuses its settings, or the image
  // cannot be written.
  bool Start();

  // Encodes `count` samples per channel. `right` is read only when the
  // encoder takes two channels. False before Start, for a negative count, a
  // missing array, an encoder error or a short write; after a failure every
  // later block fails too.
  bool WriteBlock16(const int16_t* left, const int16_t* right, int count) override;
  // The encoder takes 16-bit samples only: an 8-bit block fails the file.
  bool WriteBlock8(const uint8_t* left, const uint8_t* right, int count) override;

  // Flushes the encoder, appends the ID3v1 image, fills in the Info frame
  // (if any), closes the file and frees the encoder and the images. True
  // when every byte of the file reached the file system; false after any
  // failed write, and for a file that was opened but never started (it
  // holds no MPEG data). True when nothing is open, so a second Close is
  // harmless.
  bool Close() override;

  bool IsOpen() const { return file_ != nullptr; }
  const std::string& Path() const { return path_; }

  // The encoder's own view of its settings (after Start: the values it
  // really uses, which LAME may have adjusted); 0 when nothing is open.
  int InputRate() const;
  int OutputRate() const;
  int BitRate() const;
  int Channels() const;
  int Mode() const;

 private:
  struct EncoderCloser {
    void operator()(lame_global_struct* encoder) const;
  };

  bool Configurable() const { return encoder_ && !started_; }
  bool WriteAll(const void* bytes, size_t size);
  // Overwrites the placeholder Info frame after the ID3v2 image.
  bool WriteInfoFrame();

  const Mp3EncoderSettings settings_;
  const Id3Images tags_;
  std::string path_;
  FilePtr file_;
  std::unique_ptr<lame_global_struct, EncoderCloser> encoder_;
  std::vector<unsigned char> buffer_;  // receives every LAME output, sized by Start
  int chunkSamples_ = kChunkSamples;
  std::vector<uint8_t> id3v1_;  // empty or exactly kId3v1Bytes
  std::vector<uint8_t> id3v2_;  // empty when none
  int vbrQuality_ = -1;
  bool infoFrame_ = false;
  bool started_ = false;
  bool failed_ = false;
};
