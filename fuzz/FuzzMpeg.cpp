// libFuzzer entry: the MPEG audio frame scan and the ID3 block readers. The
// bytes go through the steps an MPEG stream takes when it opens a file: the
// chain of leading ID3v2 tags, the first frame after them, its Xing/Info
// header and the gapless length; then the raw ID3v1 and ID3v2 blocks that
// a conversion copies into an MP3 output are read from a file.
#include <cstdio>
#include <cstring>
#include <string>

#include "fuzz/FuzzFiles.h"
#include "platform/engine/EngineTags.h"
#include "platform/engine/MpegFrameScan.h"

using namespace engine;

namespace {

void CheckHeader(const MpegFrameHeader& header) {
  if (header.layer < 1 || header.layer > 3 || header.sampleRate < 8000 || header.bitRate < 8 ||
      header.frameBytes < 4 || header.frameBytes > kMaxMpegFrameBytes ||
      (header.samplesPerFrame != 384 && header.samplesPerFrame != 576 &&
       header.samplesPerFrame != 1152))
    __builtin_trap();
}

// The audio after the leading tags: first frame, Info header, length.
void ScanAudio(const uint8_t* data, size_t size, bool endsFile) {
  const int64_t at = FindFirstMpegFrame(data, size, endsFile);
  if (at < 0) {
    if (at != -1) __builtin_trap();
    return;
  }
  if (static_cast<uint64_t>(at) + 4 > size) __builtin_trap();
  MpegFrameHeader header;
  if (!ParseMpegFrameHeader(data + at, header)) __builtin_trap();
  CheckHeader(header);
  MpegInfoHeader info;
  if (!ParseMpegInfoHeader(data + at, size - static_cast<size_t>(at), header, info)) return;
  const int64_t samples = MpegGaplessSamples(info, header.samplesPerFrame);
  if (samples < 0 || samples > static_cast<int64_t>(info.frames) * header.samplesPerFrame)
    __builtin_trap();
}

void ReadBlocks(const uint8_t* data, size_t size) {
  const std::string path = ScratchFolder().Write("input", ".mp3", data, size);
  const std::string v1 = ReadId3v1Block(path);
  const std::string v2 = ReadId3v2Block(path);
  std::remove(path.c_str());
  if (!v1.empty() &&
      (v1.size() != 128 || size < 128 || std::memcmp(v1.data(), data + size - 128, 128) != 0))
    __builtin_trap();
  if (!v2.empty() &&
      (v2.size() < 10 || v2.size() > size || std::memcmp(v2.data(), data, v2.size()) != 0))
    __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  ScratchFolder();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  for (size_t i = 0; i + 4 <= size && i < 64; ++i) {
    MpegFrameHeader header;
    if (ParseMpegFrameHeader(data + i, header)) CheckHeader(header);
  }
  size_t tagEnd = 0;
  for (int tags = 0; tags < 16 && tagEnd < size; ++tags) {
    const uint64_t tag = Id3v2TagSize(data + tagEnd, size - tagEnd);
    if (tag != 0 && (tag < 10 || tag > 10 + (uint64_t{1} << 28) + 10)) __builtin_trap();
    if (tag == 0) break;
    tagEnd = tag >= size - tagEnd ? size : tagEnd + static_cast<size_t>(tag);
  }
  if (tagEnd < size) {
    ScanAudio(data + tagEnd, size - tagEnd, true);
    ScanAudio(data + tagEnd, (size - tagEnd) / 2, false);
  }
  ReadBlocks(data, size);
  return 0;
}
