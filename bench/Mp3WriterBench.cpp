// Encodes a 16-bit PCM WAV file to MP3 through Mp3Writer, block by block as
// the conversion loop does, so that its speed can be compared with other
// encoders' (bench/mp3_encode.sh).
//
//   sondrel-bench-mp3 input.wav output.mp3 [kbit/s, default 128]

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "codecs/writers/Mp3Writer.h"
#include "source/PcmBlock.h"

namespace {

struct FileCloser {
  void operator()(FILE* file) const { fclose(file); }
};
using File = std::unique_ptr<FILE, FileCloser>;

uint32_t Le32(const uint8_t* at) {
  return uint32_t{at[0]} | (uint32_t{at[1]} << 8) | (uint32_t{at[2]} << 16) | (uint32_t{at[3]} << 24);
}

uint16_t Le16(const uint8_t* at) {
  return static_cast<uint16_t>(at[0] | (at[1] << 8));
}

struct WavStream {
  int channels = 0;
  int rate = 0;
  uint64_t dataBytes = 0;  // left to read
};

// Walks the RIFF chunks up to "data"; only 16-bit PCM with one or two
// channels is taken.
bool OpenWav(FILE* file, WavStream& wav) {
  uint8_t header[12];
  if (fread(header, 1, 12, file) != 12 || memcmp(header, "RIFF", 4) != 0 ||
      memcmp(header + 8, "WAVE", 4) != 0)
    return false;
  bool haveFormat = false;
  for (;;) {
    uint8_t chunk[8];
    if (fread(chunk, 1, 8, file) != 8) return false;
    const uint32_t size = Le32(chunk + 4);
    if (memcmp(chunk, "fmt ", 4) == 0) {
      uint8_t format[16];
      if (size < 16 || fread(format, 1, 16, file) != 16) return false;
      if (Le16(format) != 1 || Le16(format + 14) != 16) return false;
      wav.channels = Le16(format + 2);
      wav.rate = static_cast<int>(Le32(format + 4));
      if (wav.channels < 1 || wav.channels > 2 || wav.rate <= 0) return false;
      haveFormat = true;
      if (fseek(file, static_cast<long>(size - 16 + (size & 1)), SEEK_CUR) != 0) return false;
    } else if (memcmp(chunk, "data", 4) == 0) {
      wav.dataBytes = size;
      return haveFormat;
    } else if (fseek(file, static_cast<long>(size + (size & 1)), SEEK_CUR) != 0) {
      return false;
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3 || argc > 4) {
    fprintf(stderr, "usage: %s input.wav output.mp3 [kbit/s]\n", argv[0]);
    return 2;
  }
  const int kbps = argc == 4 ? std::atoi(argv[3]) : 128;
  File in(fopen(argv[1], "rb"));
  WavStream wav;
  if (!in || !OpenWav(in.get(), wav)) {
    fprintf(stderr, "%s: not a 16-bit PCM WAV file\n", argv[1]);
    return 1;
  }

  Mp3Writer writer;
  if (!writer.Open(argv[2])) {
    fprintf(stderr, "%s: cannot be created\n", argv[2]);
    return 1;
  }
  writer.SetInputRate(wav.rate);
  writer.SetChannels(wav.channels);
  writer.SetMode(wav.channels == 2 ? 1 : 3);
  writer.SetOutputRate(wav.rate);
  writer.SetBitRate(kbps);
  if (!writer.Start()) {
    fprintf(stderr, "the encoder refused its settings\n");
    return 1;
  }

  const size_t frameBytes = 2 * static_cast<size_t>(wav.channels);
  std::vector<uint8_t> raw(BLOCK_SAMPLES * frameBytes);
  PcmBlock block;
  bool ok = true;
  while (ok && wav.dataBytes >= frameBytes) {
    const size_t want = std::min<uint64_t>(raw.size(), wav.dataBytes / frameBytes * frameBytes);
    const size_t got = fread(raw.data(), 1, want, in.get());
    const int frames = static_cast<int>(got / frameBytes);
    if (frames == 0) break;
    wav.dataBytes -= got;
    for (int i = 0; i < frames; ++i) {
      const uint8_t* frame = raw.data() + i * frameBytes;
      block.left[i] = static_cast<int16_t>(Le16(frame));
      block.right[i] = static_cast<int16_t>(Le16(frame + frameBytes - 2));
    }
    ok = writer.WriteBlock16(block.left, block.right, frames);
  }
  if (!writer.Close() || !ok) {
    fprintf(stderr, "%s: writing failed\n", argv[2]);
    return 1;
  }
  return 0;
}
