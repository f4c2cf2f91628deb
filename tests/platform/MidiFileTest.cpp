#include "platform/engine/MidiFile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "support/MidiFixtures.h"
#include "support/TempDir.h"

namespace engine {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes Cat(std::initializer_list<Bytes> parts) {
  Bytes all;
  for (const Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

Bytes FromString(const std::string& text) {
  return Bytes(text.begin(), text.end());
}

// A header chunk: id, length 6, format, track count, division.
Bytes Header(uint8_t format, uint8_t tracks, uint8_t divisionHigh, uint8_t divisionLow) {
  return {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, format, 0, tracks, divisionHigh, divisionLow};
}

// A track chunk around `events`, with its true length.
Bytes Track(const Bytes& events) {
  Bytes chunk = {'M', 'T', 'r', 'k'};
  for (int shift = 24; shift >= 0; shift -= 8) {
    chunk.push_back(static_cast<uint8_t>(events.size() >> shift));
  }
  chunk.insert(chunk.end(), events.begin(), events.end());
  return chunk;
}

// Format 0, one track, 480 ticks per quarter note.
const Bytes HEADER_0 = {
    'M',  'T',  'h', 'd',  // header chunk
    0,    0,    0,   6,    // length
    0,    0,               // format 0
    0,    1,               // one track
    0x01, 0xE0,            // 480 ticks per quarter note
};

// One note of two beats, then the end of the track one beat later.
const Bytes NOTE_EVENTS = {
    0x00, 0x90, 60,   100,      // tick 0: note on, channel 1, key 60
    0x87, 0x40, 0x80, 60,   0,  // +960: note off
    0x83, 0x60, 0xFF, 0x2F, 0   // +480: end of track, at tick 1440
};

std::optional<MidiFile> ParseBytes(const Bytes& bytes, MidiError* error = nullptr) {
  return MidiFile::Parse(bytes, true, error);
}

TEST(MidiFileTest, ReadsHeaderTracksAndEndTick) {
  struct Case {
    const char* name;
    Bytes bytes;
    uint16_t format;
    size_t tracks;
    uint64_t endTick;
  };
  const std::vector<Case> cases = {
      {"format 0", Cat({HEADER_0, Track(NOTE_EVENTS)}), 0, 1, 1440},
      {"format 1, the longer second track sets the end",
       Cat({Header(1, 2, 0x01, 0xE0), Track(NOTE_EVENTS),
            Track({
                0x00, 0xC0, 5,                // program change: one data byte
                0x8F, 0x00, 0xFF, 0x2F, 0x00  // +1920: end of track
            })}),
       1, 2, 1920},
      {"format 2", Cat({Header(2, 1, 0x00, 0x60), Track(NOTE_EVENTS)}), 2, 1, 1440},
      {"longer header: the extra bytes are skipped",
       Cat({{'M', 'T', 'h', 'd', 0, 0, 0, 8,  // length 8
             0, 0, 0, 1, 0x01, 0xE0,          // format 0, one track, 480
             0xAB, 0xCD},                     // fields of a later revision
            Track(NOTE_EVENTS)}),
       0, 1, 1440},
      {"unknown chunk before the track is skipped",
       Cat({HEADER_0, {'X', 'F', 'I', 'H', 0, 0, 0, 3, 1, 2, 3}, Track(NOTE_EVENTS)}), 0, 1, 1440},
      {"track without end-of-track ends at its last event",
       Cat({HEADER_0, Track({0x00, 0x90, 60, 100, 0x83, 0x60, 0x80, 60, 0})}), 0, 1, 480},
      {"declared length past the file, but the end-of-track is there",
       Cat({HEADER_0,
            {'M', 'T', 'r', 'k', 0, 0, 0x10, 0},  // 4096 bytes declared
            NOTE_EVENTS}),
       0, 1, 1440},
      {"empty track", Cat({HEADER_0, Track({})}), 0, 1, 0},
      {"sysex, escaped sysex and text before the notes",
       Cat({HEADER_0, Track(Cat({{
                                     0x00, 0xF0, 0x05, 0x7E, 0x7F, 0x09, 0x01, 0xF7,  // GM on
                                     0x0A, 0xF7, 0x02, 0xF3, 0x01,                    // +10: escape
                                     0x00, 0xFF, 0x01, 0x03, 'a',  'b',  'c'          // text
                                 },
                                 NOTE_EVENTS}))}),
       0, 1, 1450},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MidiError error = MidiError::NotMidi;
    const std::optional<MidiFile> file = ParseBytes(c.bytes, &error);
    ASSERT_TRUE(file) << MidiErrorName(error);
    EXPECT_EQ(error, MidiError::None);
    EXPECT_EQ(file->Format(), c.format);
    EXPECT_EQ(file->Tracks().size(), c.tracks);
    EXPECT_EQ(file->EndTick(), c.endTick);
  }
}

TEST(MidiFileTest, RefusesDamagedAndForeignFiles) {
  struct Case {
    const char* name;
    Bytes bytes;
    MidiError error;
  };
  const std::vector<Case> cases = {
      {"empty", {}, MidiError::NotMidi},
      {"text", FromString("This is not a song at all."), MidiError::NotMidi},
      {"RIFF WAVE", FromString("RIFF\x24\0\0\0WAVEfmt "), MidiError::NotMidi},
      {"RIFF RMID without data chunk",
       FromString(std::string("RIFF\x0c\0\0\0RMIDLIST\0\0\0\0", 20)), MidiError::NotMidi},
      {"header cut short", {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1}, MidiError::Truncated},
      {"header length 4", Cat({{'M', 'T', 'h', 'd', 0, 0, 0, 4, 0, 0, 0, 1}, Track(NOTE_EVENTS)}),
       MidiError::BadHeader},
      {"format 3", Cat({Header(3, 1, 0x01, 0xE0), Track(NOTE_EVENTS)}),
       MidiError::UnsupportedFormat},
      {"SMPTE division: 25 frames of 40 ticks", Cat({Header(0, 1, 0xE7, 0x28), Track(NOTE_EVENTS)}),
       MidiError::SmpteDivision},
      {"division 0", Cat({Header(0, 1, 0, 0), Track(NOTE_EVENTS)}), MidiError::BadHeader},
      {"no tracks", Header(0, 0, 0x01, 0xE0), MidiError::NoTracks},
      {"second declared track missing", Cat({Header(1, 2, 0x01, 0xE0), Track(NOTE_EVENTS)}),
       MidiError::Truncated},
      {"65535 tracks declared in a small file",
       Cat({{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1, 0xFF, 0xFF, 0x01, 0xE0}, Track(NOTE_EVENTS)}),
       MidiError::Truncated},
      {"file cut inside a track",
       Cat({HEADER_0, {'M', 'T', 'r', 'k', 0, 0, 0, 13}, {0x00, 0x90, 60}}), MidiError::Truncated},
      {"event crosses the end of its chunk", Cat({HEADER_0, Track({0x00, 0x90, 60})}),
       MidiError::Truncated},
      {"forged track length and no end-of-track",
       Cat({HEADER_0, {'M', 'T', 'r', 'k', 0x7F, 0xFF, 0xFF, 0xFF}, {0x00, 0x90, 60, 100}}),
       MidiError::Truncated},
      {"sysex longer than its chunk",
       Cat({HEADER_0, Track({0x00, 0xF0, 0x81, 0x00, 0x01})}),  // 128 bytes announced
       MidiError::Truncated},
      {"variable-length quantity of 5 bytes",
       Cat({HEADER_0, Track({0x81, 0x81, 0x81, 0x81, 0x01, 0x90, 60, 100})}), MidiError::BadVarLen},
      {"data byte without running status", Cat({HEADER_0, Track({0x00, 60, 100})}),
       MidiError::BadStatus},
      {"running status after a meta event",
       Cat({HEADER_0, Track({0x00, 0x90, 60, 100,     // note on sets running status
                             0x00, 0xFF, 0x01, 0x00,  // text cancels it
                             0x00, 62, 100})}),       // data byte: no status in force
       MidiError::BadStatus},
      {"system common byte in a track", Cat({HEADER_0, Track({0x00, 0xF1, 0x00})}),
       MidiError::BadStatus},
      {"tempo of 2 bytes", Cat({HEADER_0, Track({0x00, 0xFF, 0x51, 0x02, 0x07, 0xA1})}),
       MidiError::BadMeta},
      {"end-of-track with a payload", Cat({HEADER_0, Track({0x00, 0xFF, 0x2F, 0x01, 0x00})}),
       MidiError::BadMeta},
      {"binary junk where a track should be", Cat({HEADER_0, {0x00, 0x01, 0x02, 0x03, 0, 0, 0, 0}}),
       MidiError::BadChunk},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MidiError error = MidiError::None;
    EXPECT_FALSE(ParseBytes(c.bytes, &error));
    EXPECT_EQ(error, c.error) << MidiErrorName(error);
  }
}

TEST(MidiFileTest, ReadsRunningStatusAndPayloads) {
  MidiTrackWriter track(/*runningStatus=*/true);
  track.Meta(0, 0x03, "Lead")
      .NoteOn(0, 0, 60)
      .NoteOn(0, 0, 64)  // same status: written without it
      .NoteOff(240, 0, 60)
      .NoteOff(0, 0, 64)
      .Controller(0, 0, 7, 90)
      .EndOfTrack(240);
  const std::string bytes = MidiFileBytes(0, 480, {track});
  // Running status left out two of the five channel status bytes.
  ASSERT_EQ(track.Events().size(), 32u);

  const std::optional<MidiFile> file = MidiFile::Parse(Bytes(bytes.begin(), bytes.end()));
  ASSERT_TRUE(file);
  const std::vector<MidiEvent>& events = file->Tracks()[0].events;
  struct Expected {
    uint64_t tick;
    uint8_t status, data1, data2;
  };
  const std::vector<Expected> expected = {
      {0, 0xFF, 0x03, 0}, {0, 0x90, 60, 100}, {0, 0x90, 64, 100},   {240, 0x80, 60, 0},
      {240, 0x80, 64, 0}, {240, 0xB0, 7, 90}, {480, 0xFF, 0x2F, 0},
  };
  ASSERT_EQ(events.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(events[i].tick, expected[i].tick);
    EXPECT_EQ(events[i].status, expected[i].status);
    EXPECT_EQ(events[i].data1, expected[i].data1);
    EXPECT_EQ(events[i].data2, expected[i].data2);
  }
  EXPECT_EQ(file->Payload(events[0]), "Lead");
  EXPECT_TRUE(file->Tracks()[0].hasEndOfTrack);

  // Parsed for timing only, the same file keeps no events but the same end.
  const std::optional<MidiFile> timing = MidiFile::Parse(Bytes(bytes.begin(), bytes.end()), false);
  ASSERT_TRUE(timing);
  EXPECT_TRUE(timing->Tracks()[0].events.empty());
  EXPECT_EQ(timing->EndTick(), 480u);
}

TEST(MidiFileTest, TempoMapMergesTracksAndConvertsTicks) {
  // Track 1 plays eight beats; track 2 changes the tempo at beat 2 to 60
  // bpm and at beat 6 to 240 bpm; tempo 0 in track 1 is ignored.
  MidiTrackWriter notes;
  notes.NoteOn(0, 0, 60).Tempo(480, 0).NoteOff(3360, 0, 60).EndOfTrack();
  MidiTrackWriter conductor;
  conductor.Tempo(960, 1000000).Tempo(1920, 250000).EndOfTrack(960);
  const std::string bytes = MidiFileBytes(1, 480, {notes, conductor});
  const std::optional<MidiFile> file = MidiFile::Parse(Bytes(bytes.begin(), bytes.end()));
  ASSERT_TRUE(file);

  ASSERT_EQ(file->TempoMap().size(), 2u);
  EXPECT_EQ(file->TempoMap()[0].tick, 960u);
  EXPECT_EQ(file->TempoMap()[1].microsPerQuarter, 250000u);
  EXPECT_EQ(file->EndTick(), 3840u);

  struct Case {
    uint64_t tick;
    double seconds;
  };
  // 2 beats at 0.5 s, 4 beats at 1 s, then 0.25 s per beat.
  for (const Case& c : std::vector<Case>{
           {0, 0.0}, {480, 0.5}, {960, 1.0}, {1440, 2.0}, {2880, 5.0}, {3360, 5.25}, {3840, 5.5}}) {
    SCOPED_TRACE(c.tick);
    EXPECT_DOUBLE_EQ(file->TickToSeconds(c.tick), c.seconds);
  }
  EXPECT_DOUBLE_EQ(file->DurationSeconds(), 5.5);
  EXPECT_EQ(file->DurationFrames(44100), 242550u);
  EXPECT_EQ(file->DurationFrames(22050), 121275u);
}

TEST(MidiFileTest, LaterTrackWinsATempoTie) {
  MidiTrackWriter first;
  first.Tempo(0, 1000000).EndOfTrack(480);
  MidiTrackWriter second;
  second.Tempo(0, 250000).EndOfTrack(480);
  const std::string bytes = MidiFileBytes(1, 480, {first, second});
  const std::optional<MidiFile> file = MidiFile::Parse(Bytes(bytes.begin(), bytes.end()));
  ASSERT_TRUE(file);
  ASSERT_EQ(file->TempoMap().size(), 1u);
  EXPECT_DOUBLE_EQ(file->DurationSeconds(), 0.25);
}

TEST(MidiFileTest, DefaultTempoAndRounding) {
  struct Case {
    uint32_t tempo;
    int beats;
    uint32_t rate;
    uint64_t frames;
  };
  const std::vector<Case> cases = {
      {500000, 4, 44100, 88200},                             // 120 bpm: 2 s
      {500000, 4, 48000, 96000}, {600000, 1, 44100, 26460},  // 100 bpm: 0.6 s
      {333333, 3, 44100, 44100},                             // 0.999999 s rounds to 44100
      {428571, 7, 22050, 66150},                             // 2.999997 s
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.tempo);
    const std::string bytes = OneNoteSong(c.tempo, c.beats);
    const std::optional<MidiFile> file = MidiFile::Parse(Bytes(bytes.begin(), bytes.end()));
    ASSERT_TRUE(file);
    EXPECT_EQ(file->DurationFrames(c.rate), c.frames);
  }

  // Without any tempo event the song runs at 120 bpm.
  const Bytes bare = Cat({HEADER_0, Track(NOTE_EVENTS)});
  EXPECT_DOUBLE_EQ(ParseBytes(bare)->DurationSeconds(), 1.5);
}

TEST(MidiFileTest, UnwrapsRiffMidi) {
  const std::string smf = OneNoteSong(500000, 3);
  const std::string rmi = RmiBytes(smf);
  const std::optional<MidiFile> file = MidiFile::Parse(Bytes(rmi.begin(), rmi.end()));
  ASSERT_TRUE(file);
  EXPECT_TRUE(file->IsRiffWrapped());
  ASSERT_EQ(file->SmfSize(), smf.size());
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(file->SmfData()), file->SmfSize()), smf);
  EXPECT_DOUBLE_EQ(file->DurationSeconds(), 1.5);

  // A data chunk that claims more than the file holds is cut to the file;
  // the song inside then lacks its end and is refused.
  const std::string cut = rmi.substr(0, rmi.size() - 2);
  MidiError error = MidiError::None;
  EXPECT_FALSE(MidiFile::Parse(Bytes(cut.begin(), cut.end()), true, &error));
  EXPECT_EQ(error, MidiError::Truncated);
}

TEST(MidiFileTest, NoPrefixOrSingleByteChangeCrashes) {
  MidiTrackWriter track(true);
  track.Tempo(0, 400000)
      .SysEx(0, "\x7E\x7F\x09\x01\xF7")
      .NoteOn(0, 0, 60)
      .NoteOn(10, 0, 67)
      .NoteOff(200, 0, 60)
      .NoteOff(0, 0, 67)
      .Meta(0, 0x01, "text")
      .EndOfTrack(5);
  const std::string smf = MidiFileBytes(0, 96, {track});
  const std::string text = RmiBytes(smf);
  const Bytes whole(text.begin(), text.end());
  ASSERT_TRUE(ParseBytes(whole));

  // Every cut into the song is refused: the RIFF data chunk then runs past
  // the file's end, and so does the track. (Only the pad byte after an odd
  // data chunk may go.)
  const size_t songEnd = whole.size() - smf.size() % 2;
  for (size_t size = 0; size < songEnd; ++size) {
    SCOPED_TRACE(size);
    EXPECT_FALSE(ParseBytes(Bytes(whole.begin(), whole.begin() + static_cast<long>(size))));
  }
  // Changed bytes may be accepted or refused, but an accepted song has a
  // finite length; under the sanitizers any read past the buffer would stop
  // the test.
  for (size_t at = 0; at < whole.size(); ++at) {
    for (uint8_t value : {0x00, 0x7F, 0x80, 0xF7, 0xFF}) {
      Bytes changed = whole;
      changed[at] = value;
      const std::optional<MidiFile> file = ParseBytes(changed);
      if (file) {
        EXPECT_TRUE(std::isfinite(file->DurationSeconds()));
      }
    }
  }
}

TEST(MidiFileTest, LoadsFromDisk) {
  TempDir dir;
  WriteFileText(dir.File("song.mid"), OneNoteSong(500000, 4));
  WriteFileText(dir.File("text.mid"), "MT");
  MidiError error = MidiError::None;
  const std::optional<MidiFile> file = MidiFile::Load(dir.File("song.mid"), true, &error);
  ASSERT_TRUE(file);
  EXPECT_DOUBLE_EQ(file->DurationSeconds(), 2.0);
  EXPECT_FALSE(MidiFile::Load(dir.File("text.mid"), true, &error));
  EXPECT_EQ(error, MidiError::NotMidi);
  EXPECT_FALSE(MidiFile::Load(dir.File("missing.mid"), true, &error));
  EXPECT_EQ(error, MidiError::NotMidi);
}

}  // namespace
}  // namespace engine
