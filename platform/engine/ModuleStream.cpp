#include "platform/engine/ModuleStream.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>

#include "platform/files/SourceFileOpen.h"

namespace engine {

namespace {

// The whole file, when it is no larger than ModuleStream::MAX_FILE_BYTES
// and its first bytes do not already rule out every format libopenmpt
// reads (so a large file of another kind is not read in full).
bool ReadModuleFile(const std::string& path, std::vector<uint8_t>& bytes) {
  if (!IsRegularFile(path)) return false;
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  if (size <= 0 || static_cast<uint64_t>(size) > ModuleStream::MAX_FILE_BYTES) return false;
  in.seekg(0);

  const size_t headSize =
      std::min<size_t>(static_cast<size_t>(size), openmpt_probe_file_header_get_recommended_size());
  bytes.resize(headSize);
  if (!in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(headSize))) {
    return false;
  }
  const int probe =
      openmpt_probe_file_header(OPENMPT_PROBE_FILE_HEADER_FLAGS_DEFAULT, bytes.data(), bytes.size(),
                                static_cast<uint64_t>(size), openmpt_log_func_silent, nullptr,
                                openmpt_error_func_ignore, nullptr, nullptr, nullptr);
  if (probe == OPENMPT_PROBE_FILE_HEADER_RESULT_FAILURE ||
      probe == OPENMPT_PROBE_FILE_HEADER_RESULT_ERROR) {
    return false;
  }

  bytes.resize(static_cast<size_t>(size));
  return static_cast<bool>(in.read(reinterpret_cast<char*>(bytes.data()) + headSize,
                                   size - static_cast<std::streamoff>(headSize)));
}

}  // namespace

std::unique_ptr<ModuleStream> ModuleStream::Open(const std::string& path, uint32_t rate) {
  if (rate == 0) rate = DEFAULT_RATE;
  if (rate < MIN_RATE || rate > MAX_RATE) return nullptr;
  std::vector<uint8_t> bytes;
  if (!ReadModuleFile(path, bytes)) return nullptr;

  std::unique_ptr<ModuleStream> stream(new ModuleStream());
  stream->module_.reset(openmpt_module_create_from_memory2(
      bytes.data(), bytes.size(), openmpt_log_func_silent, nullptr, openmpt_error_func_ignore,
      nullptr, nullptr, nullptr, nullptr));
  openmpt_module* module = stream->module_.get();
  if (!module) return nullptr;
  // "stop": the song ends at its last row instead of fading out for a
  // while; no dither: otherwise two renderings of one file differ.
  if (!openmpt_module_ctl_set_text(module, "play.at_end", "stop") ||
      !openmpt_module_ctl_set_integer(module, "dither", 0)) {
    return nullptr;
  }
  const double seconds = openmpt_module_get_duration_seconds(module);
  if (!(seconds >= 0 && seconds <= MAX_SONG_SECONDS)) return nullptr;

  stream->rate_ = rate;
  stream->totalFrames_ = static_cast<uint64_t>(std::llround(seconds * rate));
  stream->fileLength_ = static_cast<int64_t>(bytes.size());
  stream->chunk_.resize(size_t{CHUNK_FRAMES} * 2);
  return stream;
}

StreamFormat ModuleStream::Format() const {
  StreamFormat format;
  format.rate = rate_;
  format.channels = 2;
  return format;
}

uint32_t ModuleStream::Decode(uint8_t* buffer, uint32_t bytes) {
  const uint64_t wanted =
      std::min<uint64_t>(bytes / BYTES_PER_FRAME, totalFrames_ - deliveredFrames_);
  uint32_t done = 0;
  while (done < wanted) {
    const uint32_t frames = static_cast<uint32_t>(std::min<uint64_t>(wanted - done, CHUNK_FRAMES));
    size_t got = 0;
    if (!songEnded_) {
      got = openmpt_module_read_interleaved_stereo(module_.get(), static_cast<int32_t>(rate_),
                                                   frames, chunk_.data());
      songEnded_ = got == 0;
    }
    if (songEnded_) {
      // The estimate ran past the song's real end: pad with silence.
      got = frames;
      std::fill(chunk_.begin(), chunk_.begin() + static_cast<std::ptrdiff_t>(frames) * 2, 0);
    }
    std::memcpy(buffer + size_t{done} * BYTES_PER_FRAME, chunk_.data(), got * BYTES_PER_FRAME);
    done += static_cast<uint32_t>(got);
  }
  deliveredFrames_ += done;
  return done * BYTES_PER_FRAME;
}

std::unique_ptr<EngineStream> OpenModuleStream(const std::string& path, uint32_t rate) {
  return ModuleStream::Open(path, rate);
}

}  // namespace engine
