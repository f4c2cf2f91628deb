#pragma once

// A standard MIDI file read into memory: its header, its tracks and the
// tempo map that turns ticks into seconds. Pure parsing, no synthesis: the
// MIDI stream uses it to know a song's length before rendering it, because
// the renderer reports no length of its own.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace engine {

// Why a file was not accepted as a MIDI song.
enum class MidiError {
  None,
  NotMidi,            // neither "MThd" nor a RIFF "RMID" wrapper around it
  TooLarge,           // above MidiFile::MAX_FILE_BYTES
  BadHeader,          // header chunk shorter than 6 bytes, or 0 ticks per quarter note
  UnsupportedFormat,  // format above 2
  SmpteDivision,      // time division in SMPTE frames instead of ticks per quarter note
  NoTracks,           // the header announces no track
  Truncated,          // a chunk, an event or a declared track goes past the end of the data
  BadChunk,           // a chunk id that is not text where a track was expected
  BadVarLen,          // a variable-length quantity of more than 4 bytes
  BadStatus,          // a data byte without running status, or a system status (0xF1-0xFE)
  BadMeta,            // a meta event whose length its type forbids
};

// Readable name of an error, for messages and test output.
const char* MidiErrorName(MidiError error);

// Where a damaged file stops being readable (MidiFile::LoadIntactPart).
struct MidiDamage {
  MidiError error = MidiError::None;
  size_t track = 0;            // the damaged track, counted from 0
  size_t trackCount = 0;       // the tracks the header announces
  bool missingTracks = false;  // the file ends before track `track` starts
  uint64_t tick = 0;           // the tick of the last intact event of the track
};

// One event of a track at its absolute tick.
struct MidiEvent {
  uint64_t tick = 0;
  uint8_t status = 0;  // 0x80-0xEF channel message; 0xF0 or 0xF7 sysex; 0xFF meta
  uint8_t data1 = 0;   // channel message: first data byte; meta: its type
  uint8_t data2 = 0;   // channel message: second data byte, 0 for one-byte messages
  // Sysex and meta events: where their payload lies in MidiFile::Bytes().
  uint32_t payloadOffset = 0;
  uint32_t payloadSize = 0;
};

struct MidiTrack {
  std::vector<MidiEvent> events;  // empty when parsed without events
  uint64_t endTick = 0;           // tick of the last event, end-of-track included
  bool hasEndOfTrack = false;
};

// A tempo in force from `tick` on, until the next change.
struct TempoChange {
  uint64_t tick = 0;
  uint32_t microsPerQuarter = 0;
};

class MidiFile {
 public:
  // Larger files are refused without being read.
  static constexpr uint64_t MAX_FILE_BYTES = 256ull << 20;
  // The tempo of a song before its first tempo event: 120 beats per minute.
  static constexpr uint32_t DEFAULT_TEMPO = 500000;

  // Parses `bytes`: a standard MIDI file of format 0, 1 or 2, bare or
  // wrapped in a RIFF "RMID" file. Tracks play in parallel and their tempo
  // events form one map, whatever the format (that is how the renderer plays
  // format 2 as well). With `keepEvents` false only the timing is kept, which
  // saves memory on huge songs. Answers nothing, with the reason in `error`,
  // for anything else; with `intactPart`, as LoadIntactPart.
  static std::optional<MidiFile> Parse(std::vector<uint8_t> bytes, bool keepEvents = true,
                                       MidiError* error = nullptr, bool intactPart = false);
  // Reads and parses the file at `path`; a file that cannot be read is NotMidi.
  static std::optional<MidiFile> Load(const std::string& path, bool keepEvents = true,
                                      MidiError* error = nullptr, bool intactPart = false);
  // As Load with events, but a file damaged inside its tracks (a track cut
  // short, a byte that is no event, tracks missing) answers the events
  // before the damage, with Damage() saying where it is. Damage to the
  // header still answers nothing, with the reason in `error`.
  static std::optional<MidiFile> LoadIntactPart(const std::string& path,
                                                MidiError* error = nullptr);

  const MidiDamage& Damage() const { return damage_; }
  bool IsDamaged() const { return damage_.error != MidiError::None; }
  // The song as a clean standard MIDI file: every track with its events
  // (parsed with events), status bytes written out, and an end-of-track
  // event at its last tick. What is rendered of a damaged file.
  std::vector<uint8_t> CleanSmf() const;

  uint16_t Format() const { return format_; }
  const std::vector<MidiTrack>& Tracks() const { return tracks_; }
  // Tempo events of all tracks, ordered by tick (at equal ticks in track
  // order, so the later track wins); events with tempo 0 are ignored, as the
  // renderer ignores them.
  const std::vector<TempoChange>& TempoMap() const { return tempoMap_; }

  // The song's end: the last tick of any track, end-of-track delta included.
  uint64_t EndTick() const { return endTick_; }
  double TickToSeconds(uint64_t tick) const;
  double DurationSeconds() const { return TickToSeconds(endTick_); }
  // The song's length in frames at `rate` Hz, rounded to the nearest frame.
  uint64_t DurationFrames(uint32_t rate) const;

  // The whole file as read, and the standard MIDI file inside it (the file
  // itself, or the payload of the RIFF "data" chunk).
  const std::vector<uint8_t>& Bytes() const { return bytes_; }
  const uint8_t* SmfData() const { return bytes_.data() + smfOffset_; }
  size_t SmfSize() const { return smfSize_; }
  bool IsRiffWrapped() const { return smfOffset_ != 0; }
  // The payload of a sysex or meta event.
  std::string Payload(const MidiEvent& event) const;

 private:
  class Parser;

  MidiFile() = default;
  void BuildTempoMap();

  std::vector<uint8_t> bytes_;
  size_t smfOffset_ = 0;
  size_t smfSize_ = 0;
  uint16_t format_ = 0;
  uint16_t division_ = 0;
  std::vector<MidiTrack> tracks_;
  std::vector<TempoChange> tempoEvents_;  // in track order, gathered while parsing
  std::vector<TempoChange> tempoMap_;
  std::vector<double> secondsAtChange_;  // the time at which each tempo change starts
  uint64_t endTick_ = 0;
  MidiDamage damage_;
};

}  // namespace engine
