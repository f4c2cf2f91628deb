#include "codecs/readers/AuSource.h"

#include <algorithm>

#include "platform/bytes/ByteOrder.h"

namespace {

constexpr uint32_t kHeaderBytes = 24;

uint32_t Clamp32(uint64_t value) { return value > 0xFFFFFFFFu ? 0xFFFFFFFFu : static_cast<uint32_t>(value); }

}  // namespace

AuSource::~AuSource() { Close(); }

void AuSource::Close() {
  bytes_.reset();
  bigEndian_ = true;
  encoding_ = 0;
  codeSize_ = 0;
  dataStart_ = 0;
  layout_ = {};
  buffer_ = {};
  adpcm_.reset();
  reservoir_ = 0;
  reservoirBits_ = 0;
  ResetState();
}

bool AuSource::Open(const std::string& path, uint32_t /*renderRate*/) {
  Close();
  std::unique_ptr<FileByteSource> file = FileByteSource::Open(path);
  if (!file) return false;
  return OpenBytes(std::move(file));
}

bool AuSource::OpenBytes(std::unique_ptr<ByteSource> bytes) {
  Close();
  if (!bytes) return false;
  bytes_ = std::move(bytes);
  if (!ParseHeader()) {
    Close();
    return false;
  }
  return true;
}

bool AuSource::ParseHeader() {
  uint8_t header[kHeaderBytes];
  if (!bytes_->ReadExact(header, sizeof header)) return false;
  switch (LoadBe<32>(header)) {
    case 0x2E736E64:  // ".snd"
    case 0x2E736400:  // ".sd\0"
      bigEndian_ = true;
      break;
    case 0x646E732E:  // "dns."
    case 0x0064732E:  // "\0ds."
      bigEndian_ = false;
      break;
    default:
      return false;
  }
  auto field = [&](int index) {
    const uint8_t* p = header + 4 * index;
    return bigEndian_ ? LoadBe<32>(p) : LoadLe<32>(p);
  };
  const uint32_t offset = field(1);
  uint64_t dataSize = field(2);
  encoding_ = field(3);
  sampleRate_ = field(4);
  channels_ = field(5);
  if (offset < kHeaderBytes || offset > bytes_->Size()) return false;
  if (channels_ != 1 && channels_ != 2) return false;
  if (sampleRate_ == 0) return false;

  using SampleCodecs::SampleFormat;
  switch (encoding_) {
    case 1: sampleFormat_ = SampleFormat::ULaw; codeSize_ = 8; break;
    case 2: sampleFormat_ = SampleFormat::S8; codeSize_ = 8; break;
    case 3: sampleFormat_ = bigEndian_ ? SampleFormat::S16Be : SampleFormat::S16Le; codeSize_ = 16; break;
    case 4: sampleFormat_ = bigEndian_ ? SampleFormat::S24Be : SampleFormat::S24Le; codeSize_ = 24; break;
    case 5: sampleFormat_ = bigEndian_ ? SampleFormat::S32Be : SampleFormat::S32Le; codeSize_ = 32; break;
    case 6: sampleFormat_ = bigEndian_ ? SampleFormat::F32Be : SampleFormat::F32Le; codeSize_ = 32; break;
    case 7: sampleFormat_ = bigEndian_ ? SampleFormat::F64Be : SampleFormat::F64Le; codeSize_ = 64; break;
    case 23: codeSize_ = 4; break;
    case 25: codeSize_ = 3; break;
    case 26: codeSize_ = 5; break;
    case 27: sampleFormat_ = SampleFormat::ALaw; codeSize_ = 8; break;
    default: return false;
  }

  dataStart_ = offset;
  if (!bytes_->Seek(dataStart_)) return false;
  const uint64_t available = bytes_->Size() - dataStart_;
  // 0xFFFFFFFF means "to the end of the file", and so does 0, which a
  // writer that could not come back to the header leaves. A size past the
  // end is cut to what the file holds.
  if (dataSize == 0 || dataSize == 0xFFFFFFFFu || dataSize > available) dataSize = available;
  // Data without one whole frame (one code per channel) is no sound.
  if (dataSize * 8 < static_cast<uint64_t>(codeSize_) * channels_) return false;

  if (codeSize_ < 8) {
    adpcm_ = std::make_unique<G72xDecoder>(static_cast<int>(codeSize_));
    buffer_.resize(channels_ * BLOCK_SAMPLES * codeSize_ / 8);
  } else {
    const size_t sampleBytes = static_cast<size_t>(SampleCodecs::StoredBytes(sampleFormat_));
    layout_.frameBytes = sampleBytes * channels_;
    layout_.rightOffset = sampleBytes;
    layout_.stereo = channels_ == 2;
    buffer_.resize(layout_.frameBytes * BLOCK_SAMPLES);
  }

  outputChannels_ = channels_;
  bitsPerSample_ = 16;
  bytesPerSample_ = 2;
  length_ = dataSize;
  position_ = 0;
  duration_ = Clamp32(length_ * 8 / (codeSize_ * channels_) / sampleRate_);
  if (duration_ != 0) {
    bitRate_ = Clamp32(length_ / (static_cast<uint64_t>(duration_) * 125));
  } else {
    bitRate_ = Clamp32(static_cast<uint64_t>(codeSize_) * sampleRate_ * channels_ / 1000);
  }
  return true;
}

int AuSource::Read(PcmBlock& block) {
  block.frames = 0;
  if (!bytes_) return 0;
  block.frames = adpcm_ ? ReadAdpcm(block) : ReadFixed(block);
  return block.frames;
}

int AuSource::ReadFixed(PcmBlock& block) {
  const uint64_t wanted = std::min<uint64_t>(buffer_.size(), length_ - position_);
  const size_t whole = static_cast<size_t>(wanted / layout_.frameBytes * layout_.frameBytes);
  if (whole == 0) return 0;
  const size_t got = bytes_->Read(buffer_.data(), whole);
  position_ = got < whole ? length_ : position_ + got;
  const int frames = static_cast<int>(got / layout_.frameBytes);
  SampleCodecs::ConvertFrames(buffer_.data(), frames, sampleFormat_, layout_, block);
  return frames;
}

// Codes are packed least significant bit first: each new byte goes above
// the bits still waiting, and each code is the lowest codeSize bits. Both
// channels share one decoder state, codes in stream order.
int AuSource::ReadAdpcm(PcmBlock& block) {
  const size_t wanted = static_cast<size_t>(std::min<uint64_t>(buffer_.size(), length_ - position_));
  const size_t got = wanted ? bytes_->Read(buffer_.data(), wanted) : 0;
  position_ = got < wanted ? length_ : position_ + got;
  const int codeSize = static_cast<int>(codeSize_);
  const uint32_t mask = (1u << codeSize) - 1;
  const int channels = static_cast<int>(channels_);
  int codes = 0;
  size_t next = 0;
  while (codes < channels * BLOCK_SAMPLES) {
    if (reservoirBits_ < codeSize) {
      if (next == got) break;
      reservoir_ |= static_cast<uint32_t>(buffer_[next++]) << reservoirBits_;
      reservoirBits_ += 8;
      continue;
    }
    const int16_t sample = adpcm_->Decode(reservoir_ & mask);
    reservoir_ >>= codeSize;
    reservoirBits_ -= codeSize;
    if (channels == 1 || codes % 2 == 0) {
      block.left[codes / channels] = sample;
    } else {
      block.right[codes / 2] = sample;
    }
    ++codes;
  }
  // Bytes that did not fit this block wait for the next call.
  if (next < got) {
    const uint64_t back = got - next;
    bytes_->Seek(bytes_->Tell() - back);
    position_ -= back;
  }
  return codes / channels;
}
