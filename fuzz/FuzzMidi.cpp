// libFuzzer entry: the standard MIDI file parser and its tempo map. The
// bytes are parsed with and without events and read back from a file; both
// must agree, and every figure the MIDI stream takes from them (length in
// seconds and in frames) must be usable.
#include <cmath>
#include <cstdio>
#include <vector>

#include "fuzz/FuzzFiles.h"
#include "platform/engine/MidiFile.h"

using engine::MidiError;
using engine::MidiFile;

namespace {

void CheckSong(const MidiFile& song) {
  if (song.Tracks().empty() || song.Format() > 2) __builtin_trap();
  uint64_t endTick = 0;
  for (const engine::MidiTrack& track : song.Tracks()) {
    endTick = std::max(endTick, track.endTick);
    uint64_t tick = 0;
    for (const engine::MidiEvent& event : track.events) {
      if (event.tick < tick || event.tick > track.endTick) __builtin_trap();
      tick = event.tick;
      if (event.payloadSize != 0 && song.Payload(event).size() != event.payloadSize)
        __builtin_trap();
    }
  }
  if (endTick != song.EndTick()) __builtin_trap();
  uint64_t previous = 0;
  for (const engine::TempoChange& change : song.TempoMap()) {
    if (change.microsPerQuarter == 0 || change.tick < previous) __builtin_trap();
    previous = change.tick;
  }
  const double seconds = song.DurationSeconds();
  if (!(seconds >= 0) || std::isinf(seconds)) __builtin_trap();
  if (song.TickToSeconds(song.EndTick() / 2) > seconds) __builtin_trap();
  for (const uint32_t rate : {8000u, 22050u, 44100u, 96000u}) (void)song.DurationFrames(rate);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  ScratchFolder();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<uint8_t> bytes(data, data + size);
  MidiError error = MidiError::None;
  const std::optional<MidiFile> song = MidiFile::Parse(bytes, true, &error);
  if (song.has_value() != (error == MidiError::None)) __builtin_trap();
  if (song) CheckSong(*song);

  MidiError timingError = MidiError::None;
  const std::optional<MidiFile> timing = MidiFile::Parse(bytes, false, &timingError);
  if (timingError != error) __builtin_trap();
  if (song) {
    if (timing->EndTick() != song->EndTick() ||
        timing->TempoMap().size() != song->TempoMap().size() ||
        timing->DurationSeconds() != song->DurationSeconds())
      __builtin_trap();
    for (const engine::MidiTrack& track : timing->Tracks())
      if (!track.events.empty()) __builtin_trap();
  }

  // From a file, as the MIDI stream opens it: the same song, or a refusal
  // (a file is only read when it starts like a MIDI file).
  const std::string path = ScratchFolder().Write("input", ".mid", data, size);
  MidiError loadError = MidiError::None;
  const std::optional<MidiFile> loaded = MidiFile::Load(path, false, &loadError);
  std::remove(path.c_str());
  if (loaded.has_value() != song.has_value() || (loaded && loaded->EndTick() != song->EndTick()))
    __builtin_trap();
  return 0;
}
