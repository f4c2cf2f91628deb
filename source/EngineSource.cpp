#include "source/EngineSource.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <strings.h>

#include "platform/engine/Engine.h"
#include "platform/engine/MpegFrameScan.h"
#include "platform/files/FileHandle.h"
#include "platform/files/SourceFileOpen.h"
#include "source/SourceKind.h"

namespace {

// The field codes of the tag query, in the order the texts are assigned.
const std::vector<std::string> kTagCodes = {"TRCK", "TITL", "ARTI", "ALBM", "GNRE",
                                            "YEAR", "CMNT", "COMP", "COPY"};

uint32_t ReadChannelMode(const std::string& path, uint64_t offset) {
  FilePtr file(OpenRegularFile(path));
  uint8_t header[4];
  if (!file || std::fseek(file.get(), static_cast<long>(offset), SEEK_SET) != 0 ||
      std::fread(header, 1, 4, file.get()) != 4)
    return CHANNEL_MODE_UNKNOWN;
  return MpegHeaderChannelMode(header);
}

}  // namespace

uint32_t MpegHeaderChannelMode(const uint8_t b[4]) {
  engine::MpegFrameHeader header;
  if (!engine::ParseMpegFrameHeader(b, header)) return CHANNEL_MODE_UNKNOWN;
  return static_cast<uint32_t>(header.channelMode);
}

uint32_t SourceBitRate(uint64_t fileLength, double seconds, uint32_t bitsPerSample,
                       uint32_t sampleRate, uint32_t channels) {
  if (seconds > 0 && fileLength != static_cast<uint64_t>(-1))
    return static_cast<uint32_t>(std::floor(static_cast<double>(fileLength) / (seconds * 125) + 0.5));
  return bitsPerSample * sampleRate * channels / 1000;
}

EngineSource::~EngineSource() { Close(); }

void EngineSource::Close() {
  if (handle_ != 0) {
    if (mode_ == MODE_MODULE) engine::MusicFree(handle_);
    else engine::StreamFree(handle_);
    handle_ = 0;
  }
  std::vector<uint8_t>().swap(buffer_);
  std::vector<uint8_t>().swap(id3v1Copy_);
  std::vector<uint8_t>().swap(id3v2Copy_);
  id3v1Asked_ = id3v2Asked_ = false;
  mode_ = MODE_STREAM;
}

bool EngineSource::Open(const std::string& path, uint32_t renderRate) {
  if (handle_ != 0) Close();
  ResetState();
  mode_ = MODE_STREAM;

  // The mode follows the extension of the whole path.
  const std::string::size_type dot = path.rfind('.');
  const std::string extension = dot == std::string::npos ? std::string() : path.substr(dot);
  if (strcasecmp(extension.c_str(), ".mp3") == 0) mode_ = MODE_MP3;
  for (const char* midi : {".midi", ".mid", ".rmi", ".kar"})
    if (strcasecmp(extension.c_str(), midi) == 0) mode_ = MODE_MIDI;
  if (midiSong_) mode_ = MODE_MIDI;

  // A MIDI file opens only as a MIDI stream; anything else as a stream, then
  // as a module.
  if (mode_ == MODE_MIDI) {
    handle_ = engine::MidiStreamCreateFile(path, engine::STREAM_DECODE, renderRate);
  } else {
    handle_ = engine::StreamCreateFile(path, engine::STREAM_DECODE);
    if (handle_ == 0) {
      handle_ = engine::MusicLoad(path, engine::MUSIC_DECODE, renderRate);
      if (handle_ != 0) mode_ = MODE_MODULE;
    }
  }
  if (handle_ == 0) {
    mode_ = MODE_STREAM;
    return false;
  }

  length_ = engine::ChannelGetLength(handle_, engine::POS_BYTE);
  if (length_ == static_cast<uint64_t>(-1)) length_ = 0;
  // A stream that opens but would deliver nothing is no source: converting
  // it would write an empty file.
  if (length_ == 0) {
    Close();
    return false;
  }
  const double seconds = engine::ChannelBytes2Seconds(handle_, length_);
  SetDuration(seconds);

  engine::ChannelInfo info;
  engine::ChannelGetInfo(handle_, info);
  sampleRate_ = info.freq;
  channels_ = info.chans;
  outputChannels_ = channels_ < 2 ? 1 : 2;
  bitsPerSample_ = (info.flags & engine::SAMPLE_8BITS) ? 8 : 16;
  bytesPerSample_ = bitsPerSample_ / 8;
  if (mode_ == MODE_MIDI) contentKind_ = KIND_MIDI;
  else if (mode_ == MODE_MODULE) contentKind_ = KIND_MODULE;
  else contentKind_ = SourceKindFromFormat(info.container, info.codec);

  if (mode_ == MODE_MP3) {
    const uint64_t start = engine::StreamGetFilePosition(handle_, engine::FILEPOS_START);
    if (start != static_cast<uint64_t>(-1)) mp3ChannelMode_ = ReadChannelMode(path, start);
  }

  const uint64_t fileLength = engine::StreamGetFilePosition(handle_, engine::FILEPOS_END);
  bitRate_ = SourceBitRate(fileLength, seconds, bitsPerSample_, sampleRate_, channels_);

  buffer_.assign(static_cast<size_t>(bytesPerSample_) * outputChannels_ * BLOCK_SAMPLES, 0);
  return true;
}

int EngineSource::Read(PcmBlock& block) {
  if (handle_ == 0) return 0;
  // A mono stream decodes straight into the left array.
  uint8_t* target = channels_ < 2 ? block.Left8() : buffer_.data();
  const uint32_t bytes =
      engine::ChannelGetData(handle_, target, static_cast<uint32_t>(buffer_.size()));
  // The engine shortens the length of a stream that ends well before it,
  // and lengthens a MIDI song whose tail still rings.
  if (bytes == engine::DATA_END || bytes < buffer_.size() || mode_ == MODE_MIDI) {
    const uint64_t length = engine::ChannelGetLength(handle_, engine::POS_BYTE);
    if (length != static_cast<uint64_t>(-1)) length_ = length;
  }
  if (bytes == engine::DATA_END) return block.frames = 0;

  int frames = 0;
  if (channels_ < 2) {
    frames = static_cast<int>(bytes / bytesPerSample_);
  } else if (bitsPerSample_ == 16) {
    // The first two channels of each frame; further channels are dropped.
    frames = static_cast<int>(bytes / 2 / channels_);
    for (int k = 0; k < frames; ++k) {
      int16_t pair[2];
      std::memcpy(pair, target + static_cast<size_t>(k) * channels_ * 2, sizeof pair);
      block.left[k] = pair[0];
      block.right[k] = pair[1];
    }
  } else {
    frames = static_cast<int>(bytes / channels_);
    uint8_t* left = block.Left8();
    uint8_t* right = block.Right8();
    for (int k = 0; k < frames; ++k) {
      left[k] = target[static_cast<size_t>(k) * channels_];
      right[k] = target[static_cast<size_t>(k) * channels_ + 1];
    }
  }
  return block.frames = frames;
}

uint64_t EngineSource::GetPosition() {
  if (handle_ == 0) return 0;
  const uint64_t position = engine::ChannelGetPosition(handle_, engine::POS_BYTE);
  return position == static_cast<uint64_t>(-1) ? 0 : position;
}

double EngineSource::DamagedAt() {
  if (handle_ == 0 || !engine::ChannelEndedAtDamage(handle_)) return -1;
  return engine::ChannelBytes2Seconds(handle_, engine::ChannelGetLength(handle_, engine::POS_BYTE));
}

const uint8_t* EngineSource::GetId3v1Tag() {
  if (mode_ != MODE_MP3 || handle_ == 0) return nullptr;
  if (!id3v1Asked_) {
    id3v1Asked_ = true;
    if (const char* block = engine::ChannelGetTags(handle_, engine::TAG_ID3))
      id3v1Copy_.assign(block, block + 128);
  }
  return id3v1Copy_.empty() ? nullptr : id3v1Copy_.data();
}

const uint8_t* EngineSource::GetId3v2Tag(uint32_t& size) {
  if (mode_ != MODE_MP3 || handle_ == 0) {
    size = 0;
    return nullptr;
  }
  if (!id3v2Asked_) {
    id3v2Asked_ = true;
    if (const char* block = engine::ChannelGetTags(handle_, engine::TAG_ID3V2)) {
      // The header's syncsafe size, plus the 10-byte header; no footer.
      const auto* b = reinterpret_cast<const uint8_t*>(block);
      const uint32_t tagSize = ((b[6] & 0x7Fu) << 21) | ((b[7] & 0x7Fu) << 14) |
                               ((b[8] & 0x7Fu) << 7) | (b[9] & 0x7Fu);
      id3v2Copy_.assign(b, b + tagSize + 10);
    }
  }
  size = static_cast<uint32_t>(id3v2Copy_.size());
  return id3v2Copy_.empty() ? nullptr : id3v2Copy_.data();
}

bool EngineSource::ReadTags(TagInfo& tags) {
  if (handle_ == 0) return false;
  const std::optional<std::vector<std::string>> fields = engine::TagsReadFields(handle_, kTagCodes);
  if (!fields || fields->size() != kTagCodes.size()) return false;
  // Each text stays whole, a line feed inside a value included. The engine
  // delivers UTF-8, the program's own text encoding, in every mode.
  tags.track = (*fields)[0];
  tags.title = (*fields)[1];
  tags.artist = (*fields)[2];
  tags.album = (*fields)[3];
  tags.genre = (*fields)[4];
  tags.year = (*fields)[5];
  tags.comment = (*fields)[6];
  tags.composer = (*fields)[7];
  tags.copyright = (*fields)[8];
  return true;
}

std::string EngineSource::GetNote() {
  return handle_ != 0 ? engine::ChannelGetNote(handle_) : std::string();
}

std::string EngineSource::GetFault() {
  return handle_ != 0 ? engine::ChannelGetFault(handle_) : std::string();
}
