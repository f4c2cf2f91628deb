#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Standard MIDI files written byte by byte for tests. Tracks are built event
// by event; whole files are assembled from tracks, optionally wrapped as
// RIFF ".rmi" files. Bytes travel as std::string (write them with
// WriteFileText of support/TempDir.h).

// A variable-length quantity: 7 bits per byte, most significant first.
std::string VarLen(uint32_t value);

// The events of one track. Every call appends one event `delta` ticks after
// the previous one and answers the writer, so calls chain.
class MidiTrackWriter {
 public:
  // With `runningStatus`, a channel message whose status byte equals the
  // previous message's is written without it.
  explicit MidiTrackWriter(bool runningStatus = false) : runningStatus_(runningStatus) {}

  MidiTrackWriter& NoteOn(uint32_t delta, int channel, int key, int velocity = 100);
  MidiTrackWriter& NoteOff(uint32_t delta, int channel, int key);
  MidiTrackWriter& Program(uint32_t delta, int channel, int program);
  MidiTrackWriter& Controller(uint32_t delta, int channel, int controller, int value);
  MidiTrackWriter& Tempo(uint32_t delta, uint32_t microsPerQuarter);
  MidiTrackWriter& Meta(uint32_t delta, int type, const std::string& payload);
  // F0 sysex: `payload` follows the length and should end with F7.
  MidiTrackWriter& SysEx(uint32_t delta, const std::string& payload);
  MidiTrackWriter& EndOfTrack(uint32_t delta = 0);
  // Bytes appended verbatim (delta times included), for damaged tracks.
  MidiTrackWriter& Raw(const std::string& bytes);

  const std::string& Events() const { return events_; }
  // The "MTrk" chunk holding the events.
  std::string Chunk() const;

 private:
  void Channel(uint32_t delta, int status, const std::string& data);

  std::string events_;
  bool runningStatus_;
  int lastStatus_ = -1;
};

// The 14-byte "MThd" chunk.
std::string MidiHeader(int format, int trackCount, int division);
// A whole file: the header and one chunk per track.
std::string MidiFileBytes(int format, int division, const std::vector<MidiTrackWriter>& tracks);
// `smf` wrapped as a RIFF "RMID" file (".rmi"), with an INFO list before its
// "data" chunk as such files often have.
std::string RmiBytes(const std::string& smf);

// A format 0 song at 480 ticks per quarter note: tempo `microsPerQuarter`,
// program 0 on channel 0, and one note `key` held for `beats` quarter notes.
// Its length is beats × microsPerQuarter microseconds.
std::string OneNoteSong(uint32_t microsPerQuarter, int beats, int key = 60);
