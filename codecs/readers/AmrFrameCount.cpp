#include "codecs/readers/AmrFrameCount.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/files/FileHandle.h"
#include "platform/files/SourceFileOpen.h"

namespace {

// Bytes of a frame, its header byte included, by frame type (bits 6-3 of
// the header byte): the speech modes, the silence descriptor, then types
// that carry no data.
constexpr uint8_t kNarrowFrameBytes[16] = {13, 14, 16, 18, 20, 21, 27, 32, 6, 1, 1, 1, 1, 1, 1, 1};
constexpr uint8_t kWideFrameBytes[16] = {18, 24, 33, 37, 41, 47, 51, 59, 61, 6, 1, 1, 1, 1, 1, 1};

constexpr char kNarrowMagic[] = "#!AMR\n";
constexpr char kWideMagic[] = "#!AMR-WB\n";

}  // namespace

int64_t CountAmrStorageFrames(const std::string& path) {
  FilePtr file(OpenRegularFile(path));
  if (!file) return -1;
  char head[sizeof kWideMagic - 1] = {};
  const size_t got = std::fread(head, 1, sizeof head, file.get());
  const uint8_t* sizes = nullptr;
  long start = 0;
  if (got >= sizeof kNarrowMagic - 1 &&
      std::memcmp(head, kNarrowMagic, sizeof kNarrowMagic - 1) == 0) {
    sizes = kNarrowFrameBytes;
    start = sizeof kNarrowMagic - 1;
  } else if (got == sizeof head && std::memcmp(head, kWideMagic, sizeof head) == 0) {
    sizes = kWideFrameBytes;
    start = sizeof kWideMagic - 1;
  } else {
    return -1;
  }
  if (std::fseek(file.get(), start, SEEK_SET) != 0) return -1;

  // Steps from header byte to header byte through the file, a chunk at a
  // time; `next` is where the next frame begins, `base` where the chunk does.
  std::vector<uint8_t> chunk(1 << 16);
  int64_t base = 0;
  int64_t next = 0;
  int64_t frames = 0;
  for (;;) {
    const size_t read = std::fread(chunk.data(), 1, chunk.size(), file.get());
    if (read == 0) break;
    const int64_t end = base + static_cast<int64_t>(read);
    while (next < end) {
      next += sizes[(chunk[static_cast<size_t>(next - base)] >> 3) & 0x0F];
      ++frames;
    }
    base = end;
  }
  if (std::ferror(file.get())) return -1;
  if (next > base) --frames;  // the last frame runs past the end of the file
  return frames;
}
