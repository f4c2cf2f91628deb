// libFuzzer entry: a tracker module's length through libopenmpt. The first
// byte of the input picks the file's extension (.mod .xm .s3m .it) and,
// with its high bits, the render rate; the rest is the file. The stream's
// length must be whole frames within the longest song accepted, and a few
// chunks are rendered to reach the decoding paths.
#include <cstdio>
#include <string>
#include <vector>

#include "fuzz/FuzzFiles.h"
#include "platform/engine/ModuleStream.h"

using engine::ModuleStream;

namespace {

const char* const kExtensions[] = {".mod", ".xm", ".s3m", ".it"};
const uint32_t kRates[] = {0, 8000, 22050, 48000};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  ScratchFolder();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::string path =
      ScratchFolder().Write("song", kExtensions[data[0] & 3], data + 1, size - 1);
  const uint32_t rate = kRates[(data[0] >> 2) & 3];
  if (const std::unique_ptr<ModuleStream> stream = ModuleStream::Open(path, rate)) {
    const uint32_t effectiveRate = rate == 0 ? ModuleStream::DEFAULT_RATE : rate;
    const uint64_t length = stream->LengthBytes();
    if (length % 4 != 0 || length / 4 > ModuleStream::MAX_SONG_SECONDS * effectiveRate + 1)
      __builtin_trap();
    if (stream->FileLength() != static_cast<int64_t>(size - 1)) __builtin_trap();
    // Every byte up to the length is delivered, and no more: a bounded
    // number of chunks, enough for the start of a song.
    std::vector<uint8_t> buffer(16384);
    uint64_t delivered = 0;
    for (int chunk = 0; chunk < 8; ++chunk) {
      const uint32_t got = stream->Decode(buffer.data(), static_cast<uint32_t>(buffer.size()));
      if (got > buffer.size()) __builtin_trap();
      delivered += got;
      if (got == 0 || delivered > length) break;
    }
    if (delivered > length) __builtin_trap();
  }
  std::remove(path.c_str());
  return 0;
}
