#pragma once

// The decoders behind the engine's handles. Each backend opens one kind of
// file and decodes it to interleaved PCM; the engine keeps the handle table,
// counts positions, and cuts every stream to the length it announced at
// open. A stream that ends a fraction of a second short of that length is
// padded to it; one that ends well short of it ends there, with its length,
// and counts as damaged when its decoder stopped at damage.
// MIDI songs and modules always deliver exactly their announced length; a
// MIDI song whose tail still rings at its end announces more as it goes.

#include <cstdint>
#include <memory>
#include <set>
#include <string>

namespace engine {

// The PCM a stream delivers.
struct StreamFormat {
  uint32_t rate = 0;
  uint32_t channels = 0;  // all of the source's channels, interleaved
  bool eightBit = false;  // unsigned 8-bit samples; else signed 16-bit
  uint32_t BytesPerFrame() const { return channels * (eightBit ? 1u : 2u); }
};

class EngineStream {
 public:
  virtual ~EngineStream() = default;

  virtual StreamFormat Format() const = 0;
  // The decoded length in bytes, known when the stream opens.
  virtual uint64_t LengthBytes() const = 0;
  // A stream whose end is found while it is decoded (a MIDI song's ringing
  // tail) answers its length as known now, which may exceed LengthBytes()
  // at open; 0 for every other stream.
  virtual uint64_t GrownLengthBytes() const { return 0; }
  // Decodes up to `bytes` bytes (a whole number of frames) into `buffer`.
  // Answers the bytes written; 0 only when the decoder has nothing more
  // (end of data or an error).
  virtual uint32_t Decode(uint8_t* buffer, uint32_t bytes) = 0;
  // The file's length and the offset of its first audio frame; -1 unknown.
  virtual int64_t FileLength() const { return -1; }
  virtual int64_t FirstFrameOffset() const { return -1; }
  // The container and codec of a sampled-format stream (FFmpeg's demuxer
  // and codec names); "" for streams rendered from a score.
  virtual std::string ContainerName() const { return std::string(); }
  virtual std::string CodecName() const { return std::string(); }
  // True once Decode has answered 0 because decoding stopped at damage it
  // could not read past, rather than at the end of the data.
  virtual bool EndedAtDamage() const { return false; }
  // Something about how the stream renders that the user should know,
  // though the sound is usable (an instrument the SoundFont lacks played
  // with another); empty when nothing. Complete once decoded to the end.
  virtual std::string Note() const { return std::string(); }
  // Why the sound, decoded to its end, is no rendering of the file (a MIDI
  // song whose notes all came out silent); empty when it is sound. Asked
  // before the end it answers empty.
  virtual std::string Fault() const { return std::string(); }
};

// The containers (FFmpeg demuxer names) and codecs (FFmpeg codec names) that
// the sampled-format decoder may use: the core set plus what loaded add-ons
// enable. A name ending in "*" enables every name with that prefix.
class FormatGate {
 public:
  // The formats the engine reads with no add-on: MPEG audio layers 1-3,
  // Ogg Vorbis, WAV and AIFF with PCM data.
  static FormatGate Core();

  void AllowDemuxer(const std::string& name) { demuxers_.insert(name); }
  void AllowCodec(const std::string& name) { codecs_.insert(name); }
  bool AllowsDemuxer(const std::string& name) const { return Matches(demuxers_, name); }
  bool AllowsCodec(const std::string& name) const { return Matches(codecs_, name); }

 private:
  static bool Matches(const std::set<std::string>& names, const std::string& name);
  std::set<std::string> demuxers_;
  std::set<std::string> codecs_;
};

// Sampled formats through FFmpeg; null when the file does not open, or its
// container or codec is not enabled by `gate`.
std::unique_ptr<EngineStream> OpenSampledStream(const std::string& path, const FormatGate& gate);

// The synthesizer's room sound: reverb and chorus levels in percent, 0
// for off. Reverb's 100 is FluidSynth's full reverb level, chorus's 100 its
// deepest chorus level (its own defaults are 90 and 20).
struct MidiEffects {
  uint32_t reverb = 0;
  uint32_t chorus = 0;
  static constexpr uint32_t MAX_LEVEL = 100;
  bool Any() const { return reverb > 0 || chorus > 0; }
};

// A SoundFont loaded once and shared by the MIDI streams rendered with it.
class MidiFont;
std::shared_ptr<MidiFont> LoadMidiFont(const std::string& path);

// A MIDI song (also RIFF-wrapped ".rmi") rendered at `rate` Hz with `font`;
// null when the file is not a MIDI song the renderer accepts. Without a
// font the song opens with its length and renders silence, so that it can
// be listed before a SoundFont is installed.
std::unique_ptr<EngineStream> OpenMidiStream(const std::string& path, uint32_t rate,
                                             std::shared_ptr<MidiFont> font,
                                             const MidiEffects& effects = MidiEffects());

// A tracker module rendered at `rate` Hz; null when libopenmpt does not
// read the file.
std::unique_ptr<EngineStream> OpenModuleStream(const std::string& path, uint32_t rate);

}  // namespace engine
