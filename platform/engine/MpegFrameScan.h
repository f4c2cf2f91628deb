#pragma once

// Pure functions over the bytes of MPEG audio files (ISO/IEC 11172-3,
// ISO/IEC 13818-3 and the MPEG-2.5 extension): frame headers, ID3v2 tag
// sizes, the first audio frame, and the Xing/Info header with its LAME
// extension. They read only the bytes they are given.

#include <cstddef>
#include <cstdint>

namespace engine {

enum class MpegVersion { kMpeg1, kMpeg2, kMpeg25 };

// One decoded 4-byte frame header.
struct MpegFrameHeader {
  MpegVersion version = MpegVersion::kMpeg1;
  int layer = 0;       // 1, 2 or 3
  int bitRate = 0;     // kbit/s
  int sampleRate = 0;  // Hz
  bool crc = false;    // a 16-bit CRC follows the header
  bool padding = false;
  int channelMode = 0;  // 0 stereo, 1 joint stereo, 2 dual channel, 3 mono
  int frameBytes = 0;   // header included
  int samplesPerFrame = 0;
};

// The largest frame any valid header describes (layer II, MPEG-2 at 8 kHz
// and 160 kbit/s, padded).
constexpr int kMaxMpegFrameBytes = 2881;

// Parses the 4 bytes at `bytes`. False unless the sync is present and the
// version, layer, bit-rate index and sample-rate index are all usable; free
// format (bit-rate index 0) is refused because its frame length is unknown.
bool ParseMpegFrameHeader(const uint8_t* bytes, MpegFrameHeader& header);

// The size of the ID3v2 tag that starts at `bytes`: its header, body and
// footer; 0 when `bytes` do not start a well-formed tag header.
uint64_t Id3v2TagSize(const uint8_t* bytes, size_t size);

// The offset in `data` of the first audio frame: a valid header followed,
// one frame length later, by a valid header of the same version, layer and
// sample rate. When `endsFile` is true the data reach the end of the file,
// and a frame that ends exactly there (or right before a 128-byte ID3v1
// tag) needs no successor. -1 when there is none.
int64_t FindFirstMpegFrame(const uint8_t* data, size_t size, bool endsFile);

// What a Xing ("Xing" for VBR, "Info" for CBR) header in the first frame
// tells. Counts are 0 when the header leaves them out.
struct MpegInfoHeader {
  uint32_t frames = 0;   // audio frames after the header frame
  uint32_t bytes = 0;    // bytes of the audio, header frame included
  bool gapless = false;  // an encoder extension gave delay and padding
  int encoderDelay = 0;
  int encoderPadding = 0;
};

// Reads the Xing/Info header of the layer III frame at `frame` (`size`
// bytes available, `header` parsed from its first 4 bytes). False when the
// frame carries none. The delay and padding are taken from the extension
// written by LAME and by FFmpeg's encoders ("LAME", "Lavf", "Lavc").
bool ParseMpegInfoHeader(const uint8_t* frame, size_t size, const MpegFrameHeader& header,
                         MpegInfoHeader& info);

// The number of samples per channel that FFmpeg's decoder delivers for a
// file whose Info header is trusted. The decoder itself lags the encoder by
// 529 samples, so the encoder delay is skipped after that lag and the tail
// cut at the padding, never beyond the last frame.
int64_t MpegGaplessSamples(const MpegInfoHeader& info, int samplesPerFrame);

}  // namespace engine
