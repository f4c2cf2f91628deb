#include "support/MidiFixtures.h"

#include "support/ByteText.h"

namespace {

std::string Byte(int value) {
  return std::string(1, static_cast<char>(value & 0xFF));
}

}  // namespace

std::string VarLen(uint32_t value) {
  std::string out = Byte(value & 0x7F);
  while (value >>= 7) out.insert(out.begin(), static_cast<char>(0x80 | (value & 0x7F)));
  return out;
}

void MidiTrackWriter::Channel(uint32_t delta, int status, const std::string& data) {
  events_ += VarLen(delta);
  if (!runningStatus_ || status != lastStatus_) events_ += Byte(status);
  events_ += data;
  lastStatus_ = status;
}

MidiTrackWriter& MidiTrackWriter::NoteOn(uint32_t delta, int channel, int key, int velocity) {
  Channel(delta, 0x90 | channel, Byte(key) + Byte(velocity));
  return *this;
}

MidiTrackWriter& MidiTrackWriter::NoteOff(uint32_t delta, int channel, int key) {
  Channel(delta, 0x80 | channel, Byte(key) + Byte(0));
  return *this;
}

MidiTrackWriter& MidiTrackWriter::Program(uint32_t delta, int channel, int program) {
  Channel(delta, 0xC0 | channel, Byte(program));
  return *this;
}

MidiTrackWriter& MidiTrackWriter::Controller(uint32_t delta, int channel, int controller,
                                             int value) {
  Channel(delta, 0xB0 | channel, Byte(controller) + Byte(value));
  return *this;
}

MidiTrackWriter& MidiTrackWriter::Tempo(uint32_t delta, uint32_t microsPerQuarter) {
  std::string payload;
  PutBe(payload, microsPerQuarter, 3);
  return Meta(delta, 0x51, payload);
}

MidiTrackWriter& MidiTrackWriter::Meta(uint32_t delta, int type, const std::string& payload) {
  events_ += VarLen(delta) + Byte(0xFF) + Byte(type) +
             VarLen(static_cast<uint32_t>(payload.size())) + payload;
  lastStatus_ = -1;  // meta events cancel running status
  return *this;
}

MidiTrackWriter& MidiTrackWriter::SysEx(uint32_t delta, const std::string& payload) {
  events_ += VarLen(delta) + Byte(0xF0) + VarLen(static_cast<uint32_t>(payload.size())) + payload;
  lastStatus_ = -1;
  return *this;
}

MidiTrackWriter& MidiTrackWriter::EndOfTrack(uint32_t delta) {
  return Meta(delta, 0x2F, "");
}

MidiTrackWriter& MidiTrackWriter::Raw(const std::string& bytes) {
  events_ += bytes;
  return *this;
}

std::string MidiTrackWriter::Chunk() const {
  std::string chunk = "MTrk";
  PutBe(chunk, static_cast<uint32_t>(events_.size()), 4);
  return chunk + events_;
}

std::string MidiHeader(int format, int trackCount, int division) {
  std::string header = "MThd";
  PutBe(header, 6, 4);
  PutBe(header, static_cast<uint32_t>(format), 2);
  PutBe(header, static_cast<uint32_t>(trackCount), 2);
  PutBe(header, static_cast<uint32_t>(division), 2);
  return header;
}

std::string MidiFileBytes(int format, int division, const std::vector<MidiTrackWriter>& tracks) {
  std::string file = MidiHeader(format, static_cast<int>(tracks.size()), division);
  for (const MidiTrackWriter& track : tracks) file += track.Chunk();
  return file;
}

std::string RmiBytes(const std::string& smf) {
  std::string info = "INFO";
  info += "INAM";
  PutLe(info, 6, 4);
  info += std::string("Song\0\0", 6);
  std::string body = "RMID";
  body += "LIST";
  PutLe(body, static_cast<uint32_t>(info.size()), 4);
  body += info;
  body += "data";
  PutLe(body, static_cast<uint32_t>(smf.size()), 4);
  body += smf;
  if (smf.size() % 2) body += '\0';
  std::string riff = "RIFF";
  PutLe(riff, static_cast<uint32_t>(body.size()), 4);
  return riff + body;
}

std::string OneNoteSong(uint32_t microsPerQuarter, int beats, int key) {
  MidiTrackWriter track;
  track.Tempo(0, microsPerQuarter)
      .Program(0, 0, 0)
      .NoteOn(0, 0, key)
      .NoteOff(static_cast<uint32_t>(480 * beats), 0, key)
      .EndOfTrack();
  return MidiFileBytes(0, 480, {track});
}
