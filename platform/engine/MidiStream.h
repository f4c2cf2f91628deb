#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/engine/EngineStream.h"
#include "platform/engine/FluidSynthSupport.h"
#include "platform/engine/MidiFont.h"

namespace engine {

// A MIDI song rendered by FluidSynth to stereo signed 16-bit PCM.
//
// The length announced at open is the song's duration from its own tempo
// map (MidiFile) plus a release tail of TAIL_SECONDS. Every event up to and
// including the song's last tick reaches the synthesizer; then every channel
// gets sustain-off, sostenuto-off and all-notes-off, so held notes decay in
// the tail instead of ringing on, and events the player would still deliver
// after that are dropped. A tail that still sounds when it would end grows
// in steps of TAIL_STEP_SECONDS until the sound has fallen below about
// -90 dBFS (or no voice is left and no effect rings on), at most to
// MAX_TAIL_SECONDS after the song's end; LengthBytes() grows with it, so the
// listed length stays the song's plus TAIL_SECONDS while a conversion
// carries the whole tail. A song whose tail is silent by then keeps that
// length. The last FADE_SECONDS of the stream fade linearly to silence, so
// that a release cut at the limit ends without a click. Decoding stops
// exactly at LengthBytes() as it stands then. Each stream has a fresh synthesizer, so the same
// file gives the same bytes every time, and a holder of the font that no
// other stream uses while it is open, so streams on different threads do
// not share FluidSynth objects.
//
// A file damaged inside its tracks renders the events before the damage
// (MidiFile::LoadIntactPart); Note() says what is wrong and where the song
// breaks off.
//
// An instrument the font lacks plays with the nearest preset it has (the
// font's choice, see MidiFont); Note() names each such substitution for a
// channel that played notes. A song whose notes still render as silence
// (the font's presets do not cover them, or their samples are silent) is
// reported by Fault() once it has been decoded to its end, so that no
// silent file passes for a rendered song.
class MidiStream : public EngineStream {
 public:
  static constexpr uint32_t DEFAULT_RATE = 44100;
  static constexpr double TAIL_SECONDS = 1.0;
  static constexpr double FADE_SECONDS = 0.05;
  static constexpr double TAIL_STEP_SECONDS = 0.1;
  static constexpr double MAX_TAIL_SECONDS = 10.0;
  // Longer songs are refused: a tempo map reaching further comes from a
  // damaged or forged file, and rendering it would never finish.
  static constexpr double MAX_SONG_SECONDS = 24 * 3600.0;

  // Null without a font, for a rate FluidSynth does not take (it renders
  // 8000-96000 Hz; 0 means DEFAULT_RATE), for a file that is not a MIDI
  // song, and when FluidSynth refuses the song.
  static std::unique_ptr<MidiStream> Open(const std::string& path, uint32_t rate,
                                          std::shared_ptr<MidiFont> font,
                                          const MidiEffects& effects = MidiEffects());

  MidiStream(const MidiStream&) = delete;
  MidiStream& operator=(const MidiStream&) = delete;
  ~MidiStream() override;

  StreamFormat Format() const override;
  // What is known so far: the listed length, or more once the tail grew.
  uint64_t LengthBytes() const override { return totalFrames_ * BYTES_PER_FRAME; }
  uint64_t GrownLengthBytes() const override { return LengthBytes(); }
  uint32_t Decode(uint8_t* buffer, uint32_t bytes) override;
  int64_t FileLength() const override { return fileLength_; }
  std::string Note() const override;
  std::string Fault() const override;

  // The frame at which the song ends and its notes are released.
  uint64_t SongEndFrame() const { return songEndFrames_; }

 private:
  static constexpr uint32_t BYTES_PER_FRAME = 4;
  static constexpr uint32_t CHUNK_FRAMES = 4096;
  // Rendered at open to learn whether FluidSynth accepted the song: its
  // player reads the file on the first rendered block.
  static constexpr uint32_t PROBE_FRAMES = 64;

  MidiStream() = default;

  // A peak below this (-60 dBFS) is silence: FluidSynth's dither alone
  // leaves a step or two.
  static constexpr int SILENT_PEAK = 33;
  // A tail whose peak is at most this (-90 dBFS, one step) has died away.
  static constexpr int INAUDIBLE_PEAK = 1;
  // After the song's end the player is followed in blocks of this many
  // frames (the synthesizer's own block) until it has passed the last tick.
  static constexpr uint32_t SETTLE_FRAMES = 64;

  static int OnPlayerEvent(void* data, fluid_midi_event_t* event);
  // Counts a note-on that sounds on `channel` and notes the preset that
  // played it when it is not the one the song asked for.
  void NotePlayed(int channel);
  // Renders the next `frames` frames into `out`, releasing the notes when
  // the song's end is reached and fading out the end of the tail.
  void Render(int16_t* out, uint32_t frames);
  void ReleaseNotes();
  // True once the player has delivered every event of the song's last tick.
  bool PlayerPassedEnd() const;
  // At checkFrame_: ends the stream there (plus the fade) when the tail has
  // died away, else lets it grow by a step up to the limit.
  void DecideTail();
  void FadeOut(int16_t* out, uint32_t frames, uint64_t firstFrame) const;

  // Declared in this order so that the player goes before the synthesizer,
  // the synthesizer before its settings, and the font's holder, which the
  // synthesizer's voices play, goes back to the font last.
  std::unique_ptr<MidiFont::Lease> lease_;
  FluidSettingsPtr settings_;
  FluidSynthPtr synth_;
  FluidPlayerPtr player_;

  uint32_t rate_ = 0;
  uint64_t songEndFrames_ = 0;
  uint64_t endTick_ = 0;         // the song's last tick
  uint64_t totalFrames_ = 0;     // the stream's length as far as it is known
  uint64_t maxTotalFrames_ = 0;  // the song plus the longest tail
  uint64_t checkFrame_ = 0;      // where the tail's end is decided next
  uint64_t stepFrames_ = 0;
  int windowPeak_ = 0;  // peak of the step before checkFrame_
  uint64_t fadeFrames_ = 0;
  uint64_t renderedFrames_ = 0;   // frames taken from the synthesizer
  uint64_t deliveredFrames_ = 0;  // frames handed to the caller
  bool released_ = false;
  bool effects_ = false;  // reverb or chorus on: they ring after the voices end
  int64_t fileLength_ = -1;
  std::vector<int16_t> probe_;  // the frames rendered at open, delivered first
  size_t probeDelivered_ = 0;   // frames of probe_ already delivered
  std::vector<int16_t> chunk_;

  uint64_t notesPlayed_ = 0;    // note-ons with a velocity, before the release
  bool voicesStarted_ = false;  // some note found a preset zone to play
  int peak_ = 0;                // largest absolute sample rendered so far
  std::string damageNote_;      // where a damaged file breaks off
  // What played each bank and program the font lacks: "bank 1 program 0 \"Name\"".
  std::map<std::pair<int, int>, std::string> substitutes_;
};

}  // namespace engine
