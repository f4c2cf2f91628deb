#include "convert/KeptRender.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>

namespace {

// Memory is taken a chunk at a time (a whole number of frames of every
// format), so a long render never copies what it already holds.
constexpr size_t kChunk = size_t{1} << 20;

std::atomic<size_t> budgetInUse{0};
std::atomic<size_t> budgetLimit{KeptRender::kMemoryBudget};

bool ReserveChunk() {
  size_t used = budgetInUse.load();
  do {
    if (used + kChunk > budgetLimit.load()) return false;
  } while (!budgetInUse.compare_exchange_weak(used, used + kChunk));
  return true;
}

// A file in the temporary folder without a name: O_TMPFILE where the file
// system has it, else a named file removed at once.
int UnnamedTemporaryFile() {
  std::error_code error;
  std::string folder = std::filesystem::temp_directory_path(error).string();
  if (error || folder.empty()) folder = "/tmp";
  const int fd = open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
  if (fd >= 0) return fd;
  std::string name = folder + "/sondrel-render-XXXXXX";
  const int named = mkostemp(name.data(), O_CLOEXEC);
  if (named >= 0) unlink(name.c_str());
  return named;
}

bool WriteAll(int fd, const uint8_t* bytes, size_t size) {
  while (size > 0) {
    const ssize_t n = write(fd, bytes, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

}  // namespace

// Reads the render back in blocks, as a decoder delivers them.
class KeptRender::ReplaySource : public AudioSource {
 public:
  explicit ReplaySource(const KeptRender& render) : render_(render) {
    const WriterFormat& format = render.format_;
    sampleRate_ = format.rate;
    channels_ = outputChannels_ = format.channels;
    bitsPerSample_ = format.bits;
    bytesPerSample_ = format.bits / 8;
    length_ = render.bytes_;
    SetDuration(static_cast<double>(render.bytes_ / render.frameBytes_) / format.rate);
    bytes_.resize(static_cast<size_t>(BLOCK_SAMPLES) * render.frameBytes_);
  }

  bool Open(const std::string&, uint32_t) override { return true; }
  void Close() override {}

  int Read(PcmBlock& block) override {
    const size_t frameBytes = render_.frameBytes_;
    const uint64_t left = render_.bytes_ - position_;
    const size_t frames = static_cast<size_t>(
        std::min<uint64_t>(left / frameBytes, static_cast<uint64_t>(BLOCK_SAMPLES)));
    if (frames == 0 || !render_.ReadAt(position_, bytes_.data(), frames * frameBytes)) return 0;
    const bool stereo = outputChannels_ == 2;
    if (bitsPerSample_ == 8) {
      for (size_t i = 0; i < frames; ++i) {
        block.Left8()[i] = bytes_[i * outputChannels_];
        if (stereo) block.Right8()[i] = bytes_[2 * i + 1];
      }
    } else {
      for (size_t i = 0; i < frames; ++i) {
        std::memcpy(&block.left[i], &bytes_[i * frameBytes], 2);
        if (stereo) std::memcpy(&block.right[i], &bytes_[i * frameBytes + 2], 2);
      }
    }
    position_ += frames * frameBytes;
    block.frames = static_cast<int>(frames);
    return block.frames;
  }

 private:
  const KeptRender& render_;
  std::vector<uint8_t> bytes_;
};

KeptRender::~KeptRender() {
  if (file_ >= 0) close(file_);
  budgetInUse.fetch_sub(reserved_);
}

bool KeptRender::Open(const std::string&, const WriterFormat& format) {
  if (frameBytes_ != 0 || (format.bits != 8 && format.bits != 16) ||
      (format.channels != 1 && format.channels != 2) || format.rate == 0)
    return false;
  format_ = format;
  frameBytes_ = format.channels * format.bits / 8;
  current_.reserve(kChunk);
  return true;
}

bool KeptRender::Spill() {
  if (file_ < 0) file_ = UnnamedTemporaryFile();
  if (file_ < 0) {
    problem_ = "no temporary file could be made for the render";
    return false;
  }
  if (!WriteAll(file_, current_.data(), current_.size())) {
    problem_ = "the temporary folder has no room for the render";
    return false;
  }
  fileBytes_ += current_.size();
  current_.clear();
  return true;
}

bool KeptRender::Append(const uint8_t* bytes, size_t size) {
  if (!problem_.empty()) return false;
  while (size > 0) {
    const size_t take = std::min(size, kChunk - current_.size());
    current_.insert(current_.end(), bytes, bytes + take);
    bytes += take;
    size -= take;
    bytes_ += take;
    if (current_.size() < kChunk) break;
    // Once a chunk went to the file, every later one follows it there.
    if (file_ < 0 && ReserveChunk()) {
      reserved_ += kChunk;
      chunks_.push_back(std::move(current_));
      current_ = std::vector<uint8_t>();
      current_.reserve(kChunk);
    } else if (!Spill()) {
      return false;
    }
  }
  return true;
}

bool KeptRender::WriteBlock16(const int16_t* left, const int16_t* right, int count) {
  if (format_.bits != 16 || count < 0 || !left) return false;
  const size_t n = static_cast<size_t>(count);
  interleaved_.resize(n * frameBytes_);
  for (size_t i = 0; i < n; ++i) {
    std::memcpy(&interleaved_[i * frameBytes_], &left[i], 2);
    if (format_.channels == 2)
      std::memcpy(&interleaved_[i * 4 + 2], right ? &right[i] : &left[i], 2);
  }
  return Append(interleaved_.data(), interleaved_.size());
}

bool KeptRender::WriteBlock8(const uint8_t* left, const uint8_t* right, int count) {
  if (format_.bits != 8 || count < 0 || !left) return false;
  const size_t n = static_cast<size_t>(count);
  interleaved_.resize(n * frameBytes_);
  for (size_t i = 0; i < n; ++i) {
    interleaved_[i * frameBytes_] = left[i];
    if (format_.channels == 2) interleaved_[2 * i + 1] = right ? right[i] : left[i];
  }
  return Append(interleaved_.data(), interleaved_.size());
}

bool KeptRender::Close() {
  return problem_.empty();
}

bool KeptRender::ReadAt(uint64_t offset, uint8_t* into, size_t size) const {
  const uint64_t inMemory = static_cast<uint64_t>(chunks_.size()) * kChunk;
  while (size > 0) {
    size_t take = 0;
    if (offset < inMemory) {
      const std::vector<uint8_t>& chunk = chunks_[static_cast<size_t>(offset / kChunk)];
      const size_t at = static_cast<size_t>(offset % kChunk);
      take = std::min(size, kChunk - at);
      std::memcpy(into, chunk.data() + at, take);
    } else if (offset < inMemory + fileBytes_) {
      const uint64_t at = offset - inMemory;
      take = static_cast<size_t>(std::min<uint64_t>(size, fileBytes_ - at));
      const ssize_t n = pread(file_, into, take, static_cast<off_t>(at));
      if (n <= 0) return false;
      take = static_cast<size_t>(n);
    } else {
      const size_t at = static_cast<size_t>(offset - inMemory - fileBytes_);
      if (at + size > current_.size()) return false;
      take = size;
      std::memcpy(into, current_.data() + at, take);
    }
    into += take;
    offset += take;
    size -= take;
  }
  return true;
}

std::unique_ptr<AudioSource> KeptRender::Replay() {
  if (frameBytes_ == 0) return nullptr;
  return std::make_unique<ReplaySource>(*this);
}

void KeptRender::SetMemoryBudgetForTest(size_t bytes) {
  budgetLimit.store(bytes == 0 ? kMemoryBudget : bytes);
}
