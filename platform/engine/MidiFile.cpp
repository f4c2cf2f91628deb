#include "platform/engine/MidiFile.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>

#include "platform/bytes/ByteOrder.h"
#include "platform/files/SourceFileOpen.h"

namespace engine {

namespace {

constexpr size_t CHUNK_HEADER_BYTES = 8;
constexpr uint8_t META_END_OF_TRACK = 0x2F;
constexpr uint8_t META_TEMPO = 0x51;

bool HasId(const uint8_t* p, const char* id) {
  return std::memcmp(p, id, 4) == 0;
}

// Chunk ids are four printable ASCII characters; anything else where a
// chunk should start means the file is damaged.
bool IsChunkId(const uint8_t* p) {
  return std::all_of(p, p + 4, [](uint8_t c) { return c >= 0x20 && c <= 0x7E; });
}

// Data bytes that follow a channel status: program change and channel
// pressure carry one, the others two.
int DataBytes(uint8_t status) {
  const uint8_t kind = status & 0xF0;
  return kind == 0xC0 || kind == 0xD0 ? 1 : 2;
}

// The length a meta event of `type` must have, or -1 when any length goes.
// The renderer refuses a song whose fixed-size meta events have another
// length, so the same events are refused here.
int RequiredMetaLength(uint8_t type) {
  switch (type) {
    case META_END_OF_TRACK:
      return 0;
    case META_TEMPO:
      return 3;
    case 0x54:
      return 5;  // SMPTE offset
    case 0x58:
      return 4;  // time signature
    case 0x59:
      return 2;  // key signature
    default:
      return -1;
  }
}

// The payload of the "data" chunk of a RIFF "RMID" file. The RIFF size
// field is not trusted (writers get it wrong): chunks are searched up to the
// end of the file, and a data chunk longer than the file is cut to it.
bool FindRiffMidiData(const std::vector<uint8_t>& bytes, size_t& offset, size_t& size) {
  if (bytes.size() < 12 || !HasId(bytes.data(), "RIFF") || !HasId(bytes.data() + 8, "RMID")) {
    return false;
  }
  uint64_t pos = 12;
  while (pos + CHUNK_HEADER_BYTES <= bytes.size()) {
    const uint8_t* chunk = bytes.data() + pos;
    const uint64_t length = LoadLe<32>(chunk + 4);
    const uint64_t body = pos + CHUNK_HEADER_BYTES;
    if (HasId(chunk, "data")) {
      offset = static_cast<size_t>(body);
      size = static_cast<size_t>(std::min<uint64_t>(length, bytes.size() - body));
      return true;
    }
    pos = body + length + (length & 1);  // chunks are padded to an even size
  }
  return false;
}

}  // namespace

const char* MidiErrorName(MidiError error) {
  switch (error) {
    case MidiError::None:
      return "none";
    case MidiError::NotMidi:
      return "not a MIDI file";
    case MidiError::TooLarge:
      return "file too large";
    case MidiError::BadHeader:
      return "bad header";
    case MidiError::UnsupportedFormat:
      return "unsupported format";
    case MidiError::SmpteDivision:
      return "SMPTE time division";
    case MidiError::NoTracks:
      return "no tracks";
    case MidiError::Truncated:
      return "truncated";
    case MidiError::BadChunk:
      return "bad chunk";
    case MidiError::BadVarLen:
      return "bad variable-length quantity";
    case MidiError::BadStatus:
      return "bad status byte";
    case MidiError::BadMeta:
      return "bad meta event";
  }
  return "unknown";
}

// Walks the standard MIDI file inside MidiFile::bytes_ and fills the file's
// header fields, tracks and tempo events. Every read is checked against the
// end of its chunk, and nothing is allocated from a size field: events are
// appended as they are found, so memory stays proportional to the file.
class MidiFile::Parser {
 public:
  Parser(MidiFile& file, bool keepEvents, bool intactPart)
      : file_(file),
        data_(file.bytes_.data() + file.smfOffset_),
        size_(file.smfSize_),
        keepEvents_(keepEvents),
        intactPart_(intactPart) {}

  MidiError Run() {
    if (size_ < CHUNK_HEADER_BYTES || !HasId(data_, "MThd")) return MidiError::NotMidi;
    const uint32_t headerLength = LoadBe<32>(data_ + 4);
    if (headerLength < 6) return MidiError::BadHeader;
    if (headerLength > size_ - CHUNK_HEADER_BYTES) return MidiError::Truncated;
    file_.format_ = LoadBe<16>(data_ + 8);
    const uint16_t trackCount = LoadBe<16>(data_ + 10);
    file_.division_ = LoadBe<16>(data_ + 12);
    if (file_.format_ > 2) return MidiError::UnsupportedFormat;
    if (file_.division_ & 0x8000) return MidiError::SmpteDivision;
    if (file_.division_ == 0) return MidiError::BadHeader;
    if (trackCount == 0) return MidiError::NoTracks;

    // A longer header carries fields of later revisions: skip them.
    size_t pos = CHUNK_HEADER_BYTES + headerLength;
    file_.tracks_.reserve(std::min<size_t>(trackCount, (size_ - pos) / CHUNK_HEADER_BYTES));
    MidiDamage& damage = file_.damage_;
    damage.trackCount = trackCount;
    while (file_.tracks_.size() < trackCount) {
      const size_t index = file_.tracks_.size();
      if (size_ - pos < CHUNK_HEADER_BYTES) return Damaged(MidiError::Truncated, index, 0, true);
      const uint8_t* chunk = data_ + pos;
      const uint32_t length = LoadBe<32>(chunk + 4);
      const size_t body = pos + CHUNK_HEADER_BYTES;
      const size_t available = size_ - body;
      const size_t end = body + std::min<size_t>(length, available);
      if (HasId(chunk, "MTrk")) {
        MidiTrack track;
        const MidiError error = ParseTrack(body, end, length > available, track);
        // The first damage is the one told; the tracks after it are still
        // read, each up to its own damage.
        if (error != MidiError::None &&
            Damaged(error, index, track.endTick, false) != MidiError::None)
          return error;
        file_.endTick_ = std::max(file_.endTick_, track.endTick);
        file_.tracks_.push_back(std::move(track));
      } else if (!IsChunkId(chunk)) {
        // Nothing tells where a track would start after such bytes.
        return Damaged(MidiError::BadChunk, index, 0, true);
      }  // else an unknown chunk, skipped
      pos = end;
    }
    return MidiError::None;
  }

 private:
  // A variable-length quantity: 7 bits per byte, high bit set on all but
  // the last, at most 4 bytes.
  MidiError ReadVarLen(size_t& pos, size_t end, uint32_t& value) const {
    value = 0;
    for (int i = 0; i < 4; ++i) {
      if (pos >= end) return MidiError::Truncated;
      const uint8_t byte = data_[pos++];
      value = (value << 7) | (byte & 0x7F);
      if (!(byte & 0x80)) return MidiError::None;
    }
    return MidiError::BadVarLen;
  }

  // The events of one track chunk, [begin, end) of the data. `cut` tells
  // that the chunk's declared length ran past the end of the file: the track
  // is then accepted only if its end-of-track event survived.
  MidiError ParseTrack(size_t begin, size_t end, bool cut, MidiTrack& track) {
    size_t pos = begin;
    uint64_t tick = 0;
    uint8_t running = 0;  // running status; sysex and meta events cancel it
    while (pos < end && !track.hasEndOfTrack) {
      uint32_t delta = 0;
      MidiError error = ReadVarLen(pos, end, delta);
      if (error != MidiError::None) return error;
      tick += delta;
      if (pos >= end) return MidiError::Truncated;

      MidiEvent event;
      event.tick = tick;
      const uint8_t first = data_[pos++];
      if (first < 0xF0) {
        // A channel message, with its own status byte or under running status.
        const bool hasStatus = first >= 0x80;
        if (hasStatus) {
          running = first;
        } else if (running == 0) {
          return MidiError::BadStatus;
        }
        event.status = running;
        const size_t stillToRead = static_cast<size_t>(DataBytes(running)) - (hasStatus ? 0 : 1);
        if (end - pos < stillToRead) return MidiError::Truncated;
        event.data1 = hasStatus ? data_[pos++] : first;
        if (DataBytes(running) == 2) event.data2 = data_[pos++];
      } else if (first == 0xF0 || first == 0xF7 || first == 0xFF) {
        running = 0;
        event.status = first;
        if (first == 0xFF) {
          if (pos >= end) return MidiError::Truncated;
          event.data1 = data_[pos++];
        }
        uint32_t length = 0;
        error = ReadVarLen(pos, end, length);
        if (error != MidiError::None) return error;
        if (length > end - pos) return MidiError::Truncated;
        event.payloadOffset = static_cast<uint32_t>(file_.smfOffset_ + pos);
        event.payloadSize = length;
        if (first == 0xFF) {
          const int required = RequiredMetaLength(event.data1);
          if (required >= 0 && length != static_cast<uint32_t>(required)) return MidiError::BadMeta;
          if (event.data1 == META_END_OF_TRACK) track.hasEndOfTrack = true;
          if (event.data1 == META_TEMPO) {
            const uint32_t tempo = LoadBe<24>(data_ + pos);
            if (tempo > 0) file_.tempoEvents_.push_back({tick, tempo});
          }
        }
        pos += length;
      } else {
        return MidiError::BadStatus;  // system common and real-time bytes have no place in a file
      }
      track.endTick = tick;
      if (keepEvents_) track.events.push_back(event);
    }
    if (cut && !track.hasEndOfTrack) return MidiError::Truncated;
    return MidiError::None;
  }

  // Damage inside the tracks: fatal unless the intact part is wanted, when
  // it is recorded (the first only) and parsing goes on.
  MidiError Damaged(MidiError error, size_t track, uint64_t tick, bool missingTracks) {
    if (!intactPart_) return error;
    MidiDamage& damage = file_.damage_;
    if (damage.error == MidiError::None) {
      damage.error = error;
      damage.track = track;
      damage.tick = tick;
      damage.missingTracks = missingTracks;
    }
    return MidiError::None;
  }

  MidiFile& file_;
  const uint8_t* data_;
  size_t size_;
  bool keepEvents_;
  bool intactPart_;
};

std::optional<MidiFile> MidiFile::Parse(std::vector<uint8_t> bytes, bool keepEvents,
                                        MidiError* error, bool intactPart) {
  MidiError ignored;
  MidiError& result = error ? *error : ignored;
  if (bytes.size() > MAX_FILE_BYTES) {
    result = MidiError::TooLarge;
    return std::nullopt;
  }
  MidiFile file;
  file.smfSize_ = bytes.size();
  if (!FindRiffMidiData(bytes, file.smfOffset_, file.smfSize_)) {
    file.smfOffset_ = 0;
    file.smfSize_ = bytes.size();
  }
  file.bytes_ = std::move(bytes);
  result = Parser(file, keepEvents, intactPart).Run();
  if (result != MidiError::None) return std::nullopt;
  file.BuildTempoMap();
  return file;
}

std::optional<MidiFile> MidiFile::Load(const std::string& path, bool keepEvents, MidiError* error,
                                       bool intactPart) {
  MidiError ignored;
  MidiError& result = error ? *error : ignored;
  result = MidiError::NotMidi;
  if (!IsRegularFile(path)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  if (size < 4) return std::nullopt;
  if (static_cast<uint64_t>(size) > MAX_FILE_BYTES) {
    result = MidiError::TooLarge;
    return std::nullopt;
  }
  // Look at the magic before reading a large file that is no MIDI song.
  std::vector<uint8_t> bytes(4);
  in.seekg(0);
  if (!in.read(reinterpret_cast<char*>(bytes.data()), 4)) return std::nullopt;
  if (!HasId(bytes.data(), "MThd") && !HasId(bytes.data(), "RIFF")) return std::nullopt;
  bytes.resize(static_cast<size_t>(size));
  if (!in.read(reinterpret_cast<char*>(bytes.data()) + 4, size - 4)) return std::nullopt;
  return Parse(std::move(bytes), keepEvents, error, intactPart);
}

std::optional<MidiFile> MidiFile::LoadIntactPart(const std::string& path, MidiError* error) {
  return Load(path, /*keepEvents=*/true, error, /*intactPart=*/true);
}

std::vector<uint8_t> MidiFile::CleanSmf() const {
  std::vector<uint8_t> out;
  auto put = [&out](std::initializer_list<uint8_t> bytes) { out.insert(out.end(), bytes); };
  auto putBe32 = [&out](size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) out[at + i] = static_cast<uint8_t>(value >> (24 - 8 * i));
  };
  auto putVarLen = [&out](uint64_t value) {
    uint8_t groups[10];
    int count = 0;
    do {
      groups[count++] = static_cast<uint8_t>(value & 0x7F);
      value >>= 7;
    } while (value != 0 && count < 4);
    while (count-- > 0) out.push_back(static_cast<uint8_t>(groups[count] | (count > 0 ? 0x80 : 0)));
  };
  const uint16_t tracks = static_cast<uint16_t>(tracks_.size());
  put({'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, static_cast<uint8_t>(format_),
       static_cast<uint8_t>(tracks >> 8), static_cast<uint8_t>(tracks),
       static_cast<uint8_t>(division_ >> 8), static_cast<uint8_t>(division_)});
  for (const MidiTrack& track : tracks_) {
    put({'M', 'T', 'r', 'k', 0, 0, 0, 0});
    const size_t lengthAt = out.size() - 4;
    uint64_t tick = 0;
    for (const MidiEvent& event : track.events) {
      if (event.status == 0xFF && event.data1 == META_END_OF_TRACK) break;
      // Deltas are at most four bytes of 7 bits: they came from the file.
      putVarLen(event.tick - tick);
      tick = event.tick;
      out.push_back(event.status);
      if (event.status < 0xF0) {
        out.push_back(event.data1);
        if (DataBytes(event.status) == 2) out.push_back(event.data2);
        continue;
      }
      if (event.status == 0xFF) out.push_back(event.data1);
      putVarLen(event.payloadSize);
      const uint8_t* payload = bytes_.data() + event.payloadOffset;
      out.insert(out.end(), payload, payload + event.payloadSize);
    }
    putVarLen(track.endTick - tick);
    put({0xFF, META_END_OF_TRACK, 0});
    putBe32(lengthAt, static_cast<uint32_t>(out.size() - lengthAt - 4));
  }
  return out;
}

void MidiFile::BuildTempoMap() {
  // Stable: at equal ticks the events stay in track order, so the tempo of
  // the later track is the one in force, as when the tracks are played.
  std::stable_sort(tempoEvents_.begin(), tempoEvents_.end(),
                   [](const TempoChange& a, const TempoChange& b) { return a.tick < b.tick; });
  tempoMap_.clear();
  for (const TempoChange& change : tempoEvents_) {
    if (!tempoMap_.empty() && tempoMap_.back().tick == change.tick) {
      tempoMap_.back() = change;
    } else {
      tempoMap_.push_back(change);
    }
  }
  tempoEvents_.clear();
  tempoEvents_.shrink_to_fit();

  secondsAtChange_.clear();
  const double ticksPerMicro = 1e6 * division_;
  uint64_t tick = 0;
  uint32_t tempo = DEFAULT_TEMPO;
  double seconds = 0;
  for (const TempoChange& change : tempoMap_) {
    seconds += static_cast<double>(change.tick - tick) * tempo / ticksPerMicro;
    secondsAtChange_.push_back(seconds);
    tick = change.tick;
    tempo = change.microsPerQuarter;
  }
}

double MidiFile::TickToSeconds(uint64_t tick) const {
  const double ticksPerMicro = 1e6 * division_;
  const auto after = std::upper_bound(
      tempoMap_.begin(), tempoMap_.end(), tick,
      [](uint64_t value, const TempoChange& change) { return value < change.tick; });
  if (after == tempoMap_.begin()) return static_cast<double>(tick) * DEFAULT_TEMPO / ticksPerMicro;
  const size_t index = static_cast<size_t>(after - tempoMap_.begin()) - 1;
  const TempoChange& change = tempoMap_[index];
  return secondsAtChange_[index] +
         static_cast<double>(tick - change.tick) * change.microsPerQuarter / ticksPerMicro;
}

uint64_t MidiFile::DurationFrames(uint32_t rate) const {
  return static_cast<uint64_t>(std::llround(DurationSeconds() * rate));
}

std::string MidiFile::Payload(const MidiEvent& event) const {
  if (event.payloadSize == 0 || uint64_t{event.payloadOffset} + event.payloadSize > bytes_.size()) {
    return std::string();
  }
  return std::string(reinterpret_cast<const char*>(bytes_.data()) + event.payloadOffset,
                     event.payloadSize);
}

}  // namespace engine
