#include "codecs/writers/WavWriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "platform/files/OutputFile.h"
#include "platform/bytes/ByteOrder.h"

namespace {

constexpr size_t kHeaderBytes = 44;
// The value both size fields hold until the file is closed.
constexpr uint32_t kSizePlaceholder = 4;

}  // namespace

WavWriter::WavWriter(uint64_t dataLimit) : dataLimit_(std::min(dataLimit, kMaxDataBytes)) {}

WavWriter::~WavWriter() {
  Close();
}

bool WavWriter::Open(const std::string& path, const WriterFormat& format) {
  if (file_ >= 0) return false;
  if ((format.bits != 8 && format.bits != 16) || (format.channels != 1 && format.channels != 2) ||
      format.rate == 0)
    return false;

  format_.formatTag = 1;
  format_.channels = static_cast<uint16_t>(format.channels);
  format_.sampleRate = format.rate;
  format_.bitsPerSample = static_cast<uint16_t>(format.bits);
  format_.byteRate = (format_.channels * uint32_t{format_.bitsPerSample} * format.rate) / 8;
  format_.blockAlign = static_cast<uint16_t>(format_.channels * format_.bitsPerSample / 8);

  file_ = OpenOutputFile(path);
  if (file_ < 0) return false;
  dataBytes_ = 0;
  failed_ = false;

  uint8_t header[kHeaderBytes];
  std::copy_n("RIFF", 4, header);
  StoreLe<32>(header + 4, kSizePlaceholder);
  std::copy_n("WAVEfmt ", 8, header + 8);
  StoreLe<32>(header + 16, 16);
  StoreLe<16>(header + 20, format_.formatTag);
  StoreLe<16>(header + 22, format_.channels);
  StoreLe<32>(header + 24, format_.sampleRate);
  StoreLe<32>(header + 28, format_.byteRate);
  StoreLe<16>(header + 32, format_.blockAlign);
  StoreLe<16>(header + 34, format_.bitsPerSample);
  std::copy_n("data", 4, header + 36);
  StoreLe<32>(header + 40, kSizePlaceholder);
  if (!WriteAll(header, sizeof header)) {
    close(file_);
    file_ = -1;
    unlink(path.c_str());
    return false;
  }
  return true;
}

bool WavWriter::WriteBlock16(const int16_t* left, const int16_t* right, int count) {
  return WriteInterleaved(left, right, count, 16);
}

bool WavWriter::WriteBlock8(const uint8_t* left, const uint8_t* right, int count) {
  return WriteInterleaved(left, right, count, 8);
}

bool WavWriter::WriteInterleaved(const void* left, const void* right, int count, int bits) {
  if (file_ < 0) return false;
  const bool stereo = format_.channels == 2;
  // A refused block leaves the file short of it, so the file fails too.
  if (count < 0 || bits != format_.bitsPerSample || (count > 0 && (!left || (stereo && !right)))) {
    failed_ = true;
    return false;
  }
  if (count == 0) return true;

  const uint64_t bytes = uint64_t{format_.blockAlign} * static_cast<uint64_t>(count);
  if (dataBytes_ + bytes > dataLimit_) {
    failed_ = true;
    return false;
  }

  // Interleave left/right frames, each sample in little-endian order.
  block_.resize(bytes);
  uint8_t* out = block_.data();
  if (bits == 16) {
    const int16_t* l = static_cast<const int16_t*>(left);
    const int16_t* r = static_cast<const int16_t*>(right);
    for (int i = 0; i < count; ++i) {
      StoreLe<16>(out, static_cast<uint16_t>(l[i]));
      out += 2;
      if (stereo) {
        StoreLe<16>(out, static_cast<uint16_t>(r[i]));
        out += 2;
      }
    }
  } else {
    const uint8_t* l = static_cast<const uint8_t*>(left);
    const uint8_t* r = static_cast<const uint8_t*>(right);
    for (int i = 0; i < count; ++i) {
      *out++ = l[i];
      if (stereo) *out++ = r[i];
    }
  }
  if (!WriteAll(block_.data(), block_.size())) return false;
  dataBytes_ += bytes;
  return true;
}

bool WavWriter::Close() {
  if (file_ < 0) return true;
  // The size fields come from the file's own size, so they agree with what
  // is on disk even after a failed write.
  struct stat info;
  if (fstat(file_, &info) == 0) {
    const uint64_t size = static_cast<uint64_t>(info.st_size);
    const uint32_t riffSize = static_cast<uint32_t>(size >= 8 ? size - 8 : 0);
    const uint32_t dataSize = static_cast<uint32_t>(size >= kHeaderBytes ? size - kHeaderBytes : 0);
    if (!WriteAt(4, riffSize) || !WriteAt(40, dataSize)) failed_ = true;
  } else {
    failed_ = true;
  }
  if (close(file_) != 0) failed_ = true;
  file_ = -1;
  block_.clear();
  block_.shrink_to_fit();
  return !failed_;
}

bool WavWriter::WriteAll(const uint8_t* bytes, size_t size) {
  while (size > 0) {
    const ssize_t written = write(file_, bytes, size);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      failed_ = true;
      return false;
    }
    bytes += written;
    size -= static_cast<size_t>(written);
  }
  return true;
}

bool WavWriter::WriteAt(uint64_t offset, uint32_t value) {
  uint8_t bytes[4];
  StoreLe<32>(bytes, value);
  ssize_t written;
  do {
    written = pwrite(file_, bytes, sizeof bytes, static_cast<off_t>(offset));
  } while (written < 0 && errno == EINTR);
  return written == static_cast<ssize_t>(sizeof bytes);
}
