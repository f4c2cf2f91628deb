#pragma once

#include <cstdint>
#include <string>

#include "source/PcmBlock.h"
#include "source/TagInfo.h"

// MPEG channel modes of the first audio frame, as sources report them.
enum Mp3ChannelMode : uint32_t {
  CHANNEL_MODE_STEREO = 0,
  CHANNEL_MODE_JOINT_STEREO = 1,
  CHANNEL_MODE_DUAL = 2,
  CHANNEL_MODE_MONO = 3,
  CHANNEL_MODE_UNKNOWN = 4,
};

// What an opened source reports about its stream.
struct SourceInfo {
  uint32_t duration = 0;        // whole seconds
  uint64_t durationMs = 0;      // milliseconds, rounded; 0 when not reported
  uint32_t channels = 0;        // channel count of the source
  uint32_t outputChannels = 0;  // channels that Read delivers: 1 or 2
  uint32_t sampleRate = 0;      // Hz
  uint32_t bitsPerSample = 0;   // 8 or 16
  uint32_t mp3ChannelMode = CHANNEL_MODE_UNKNOWN;
  uint32_t bitRate = 0;         // kbps
};

// The decoder of one source file. Every reader implements it; OpenSource
// picks one by the file's kind. The caller owns a source: it opens it,
// reads blocks of planar PCM until Read answers 0, closes it and destroys it.
// Open answers false for a file the reader cannot decode and leaves nothing
// open; a failed source is in the same state as a new one.
class AudioSource {
 public:
  AudioSource() = default;
  AudioSource(const AudioSource&) = delete;
  AudioSource& operator=(const AudioSource&) = delete;
  virtual ~AudioSource() = default;

  virtual void Close() = 0;
  // `renderRate` is the rate in Hz at which MIDI and module sources are
  // rendered (0: 44100); readers of sampled formats ignore it.
  virtual bool Open(const std::string& path, uint32_t renderRate) = 0;
  // Fills block.left (and block.right when two channels are delivered) with
  // at most BLOCK_SAMPLES frames: signed 16-bit, or unsigned 8-bit through
  // the 8-bit views when GetBitsPerSample() is 8. Answers the frame count,
  // also stored in block.frames; 0 at the end and on any error. A mono
  // source leaves block.right untouched.
  virtual int Read(PcmBlock& block) = 0;

  // Decoded length and position in bytes of the source's own PCM; the
  // caller divides one by the other for progress.
  virtual uint64_t GetLength() { return length_; }
  virtual uint64_t GetPosition() { return position_; }
  virtual uint32_t GetDuration() { return duration_; }
  // The length in milliseconds, for lengths the whole seconds round away (a
  // clip shorter than a second); 0 when the source does not know it.
  virtual uint64_t GetDurationMs() { return durationMs_; }
  virtual uint32_t GetChannels() { return channels_; }
  virtual uint32_t GetOutputChannels() { return outputChannels_; }
  virtual uint32_t GetSampleRate() { return sampleRate_; }
  virtual uint32_t GetBitsPerSample() { return bitsPerSample_; }
  virtual uint32_t GetMp3ChannelMode() { return mp3ChannelMode_; }
  virtual uint32_t GetBitRate() { return bitRate_; }
  // The SourceKind that the content showed the reader (a WAV file named
  // ".mp3" is KIND_WAVE), KIND_OTHER for a format without a kind of its
  // own; 0 when the reader does not tell.
  virtual int32_t GetContentKind() { return contentKind_; }

  // Where Read stopped, in seconds from the start, when it ended at damage
  // the reader could not read past, well before the stream's length;
  // negative when it ended at the end of the data (or has not ended).
  virtual double DamagedAt() { return -1; }

  // The raw 128-byte ID3v1 block and the raw ID3v2 block of an MP3 source,
  // owned by the source until Close; null when absent.
  virtual const uint8_t* GetId3v1Tag() { return nullptr; }
  virtual const uint8_t* GetId3v2Tag(uint32_t& size) {
    size = 0;
    return nullptr;
  }
  // Sets the fields of `tags` that the source's tag holds; false when no
  // tag was read.
  virtual bool ReadTags(TagInfo& /*tags*/) { return false; }

  // What the decoder says besides the sound, in plain words; empty when
  // nothing. The note is worth showing with a usable output (a MIDI
  // song's instrument that the SoundFont lacks, played with another). The
  // fault, asked after Read answered 0 at the end, says why the sound is
  // not usable though it was read whole (a MIDI song rendered silent); the
  // conversion then fails with it as the reason. Both are gone after Close.
  virtual std::string GetNote() { return std::string(); }
  virtual std::string GetFault() { return std::string(); }

  // The stream properties as one record.
  SourceInfo Info();

 protected:
  // Every field 0, the channel mode unknown.
  void ResetState();
  // Sets the length from `seconds`: the whole seconds (truncated) and the
  // milliseconds (rounded, at least 1 for any length above 0).
  void SetDuration(double seconds);

  uint64_t length_ = 0;
  uint64_t position_ = 0;
  uint32_t duration_ = 0;
  uint64_t durationMs_ = 0;
  uint32_t sampleRate_ = 0;
  uint32_t channels_ = 0;
  uint32_t outputChannels_ = 0;
  uint32_t bitsPerSample_ = 0;
  uint32_t bytesPerSample_ = 0;
  uint32_t bitRate_ = 0;
  uint32_t mp3ChannelMode_ = CHANNEL_MODE_UNKNOWN;
  int32_t contentKind_ = 0;
};
