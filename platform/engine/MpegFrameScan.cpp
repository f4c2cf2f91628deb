#include "platform/engine/MpegFrameScan.h"

#include <algorithm>
#include <cstring>

#include "platform/bytes/ByteOrder.h"

namespace engine {

namespace {

// Bit rates in kbit/s by row (MPEG-1 layers I, II, III; MPEG-2/2.5 layer I;
// MPEG-2/2.5 layers II and III) and bit-rate index.
constexpr int kBitRates[5][15] = {
    {0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448},
    {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384},
    {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320},
    {0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256},
    {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160},
};

constexpr int kSampleRates[3][3] = {
    {44100, 48000, 32000},  // MPEG-1
    {22050, 24000, 16000},  // MPEG-2
    {11025, 12000, 8000},   // MPEG-2.5
};

// The Xing header sits after the side information, whose size depends on
// the version and on mono. A CRC word is not counted: FFmpeg's demuxer looks
// for the header at this offset only, and its decoding is what the header
// must describe.
int SideInfoBytes(const MpegFrameHeader& header) {
  const bool mono = header.channelMode == 3;
  if (header.version == MpegVersion::kMpeg1) return mono ? 17 : 32;
  return mono ? 9 : 17;
}

bool SameStream(const MpegFrameHeader& a, const MpegFrameHeader& b) {
  return a.version == b.version && a.layer == b.layer && a.sampleRate == b.sampleRate;
}

}  // namespace

bool ParseMpegFrameHeader(const uint8_t* bytes, MpegFrameHeader& header) {
  if (bytes[0] != 0xFF || (bytes[1] & 0xE0) != 0xE0) return false;
  const int versionBits = (bytes[1] >> 3) & 3;
  const int layerBits = (bytes[1] >> 1) & 3;
  const int bitRateIndex = bytes[2] >> 4;
  const int rateIndex = (bytes[2] >> 2) & 3;
  if (versionBits == 1 || layerBits == 0 || bitRateIndex == 0 || bitRateIndex == 15 ||
      rateIndex == 3) {
    return false;
  }

  MpegFrameHeader h;
  h.version = versionBits == 3   ? MpegVersion::kMpeg1
              : versionBits == 2 ? MpegVersion::kMpeg2
                                 : MpegVersion::kMpeg25;
  h.layer = 4 - layerBits;
  const bool mpeg1 = h.version == MpegVersion::kMpeg1;
  const int row = mpeg1 ? h.layer - 1 : (h.layer == 1 ? 3 : 4);
  h.bitRate = kBitRates[row][bitRateIndex];
  h.sampleRate = kSampleRates[static_cast<int>(h.version)][rateIndex];
  h.crc = (bytes[1] & 1) == 0;
  h.padding = (bytes[2] & 2) != 0;
  h.channelMode = bytes[3] >> 6;

  const int pad = h.padding ? 1 : 0;
  const int bitsPerSecond = h.bitRate * 1000;
  if (h.layer == 1) {
    h.frameBytes = (12 * bitsPerSecond / h.sampleRate + pad) * 4;
    h.samplesPerFrame = 384;
  } else if (h.layer == 2 || mpeg1) {
    h.frameBytes = 144 * bitsPerSecond / h.sampleRate + pad;
    h.samplesPerFrame = 1152;
  } else {
    h.frameBytes = 72 * bitsPerSecond / h.sampleRate + pad;
    h.samplesPerFrame = 576;
  }
  header = h;
  return true;
}

uint64_t Id3v2TagSize(const uint8_t* bytes, size_t size) {
  if (size < 10 || std::memcmp(bytes, "ID3", 3) != 0) return 0;
  if (bytes[3] == 0xFF || bytes[4] == 0xFF) return 0;
  uint64_t body = 0;
  for (int i = 6; i < 10; ++i) {
    if (bytes[i] & 0x80) return 0;  // not a syncsafe integer
    body = (body << 7) | bytes[i];
  }
  const bool footer = (bytes[5] & 0x10) != 0;
  return 10 + body + (footer ? 10 : 0);
}

int64_t FindFirstMpegFrame(const uint8_t* data, size_t size, bool endsFile) {
  if (size < 4) return -1;
  for (size_t i = 0; i + 4 <= size; ++i) {
    MpegFrameHeader first;
    if (!ParseMpegFrameHeader(data + i, first)) continue;
    const size_t next = i + static_cast<size_t>(first.frameBytes);
    if (next + 4 <= size) {
      MpegFrameHeader second;
      if (ParseMpegFrameHeader(data + next, second) && SameStream(first, second)) {
        return static_cast<int64_t>(i);
      }
      const bool id3v1Follows =
          endsFile && size - next == 128 && std::memcmp(data + next, "TAG", 3) == 0;
      if (id3v1Follows) return static_cast<int64_t>(i);
    } else if (endsFile && next == size) {
      return static_cast<int64_t>(i);
    }
  }
  return -1;
}

bool ParseMpegInfoHeader(const uint8_t* frame, size_t size, const MpegFrameHeader& header,
                         MpegInfoHeader& info) {
  if (header.layer != 3) return false;
  const size_t limit = std::min(size, static_cast<size_t>(header.frameBytes));
  size_t at = 4 + static_cast<size_t>(SideInfoBytes(header));
  if (at + 8 > limit) return false;
  if (std::memcmp(frame + at, "Xing", 4) != 0 && std::memcmp(frame + at, "Info", 4) != 0) {
    return false;
  }
  const uint32_t flags = LoadBe<32>(frame + at + 4);
  at += 8;

  MpegInfoHeader result;
  if (flags & 0x1) {
    if (at + 4 > limit) return false;
    result.frames = LoadBe<32>(frame + at);
    at += 4;
  }
  if (flags & 0x2) {
    if (at + 4 > limit) return false;
    result.bytes = LoadBe<32>(frame + at);
    at += 4;
  }
  if (flags & 0x4) at += 100;  // seek table
  if (flags & 0x8) at += 4;    // quality

  // Encoder extension: 9 bytes of encoder name, then revision, low-pass,
  // peak (4), two replay gains (2 each), flags and bit rate, then 12 bits
  // of delay and 12 of padding.
  constexpr size_t kDelayAt = 9 + 1 + 1 + 4 + 2 + 2 + 1 + 1;
  if (at + kDelayAt + 3 <= limit) {
    const uint8_t* ext = frame + at;
    if (std::memcmp(ext, "LAME", 4) == 0 || std::memcmp(ext, "Lavf", 4) == 0 ||
        std::memcmp(ext, "Lavc", 4) == 0) {
      const uint8_t* d = ext + kDelayAt;
      result.gapless = true;
      result.encoderDelay = (d[0] << 4) | (d[1] >> 4);
      result.encoderPadding = ((d[1] & 0x0F) << 8) | d[2];
    }
  }
  info = result;
  return true;
}

int64_t MpegGaplessSamples(const MpegInfoHeader& info, int samplesPerFrame) {
  constexpr int64_t kDecoderLag = 529;
  const int64_t total = static_cast<int64_t>(info.frames) * samplesPerFrame;
  if (!info.gapless) return total;
  const int64_t start = info.encoderDelay + kDecoderLag;
  const int64_t end = std::min(total, total - info.encoderPadding + kDecoderLag);
  return std::max<int64_t>(0, end - start);
}

}  // namespace engine
