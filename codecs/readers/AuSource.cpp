#include "codecs/readers/AuSource.h"

#include <algorithm>

#include "platform/bytes/ByteOrder.h"
#include "source/SourceKind.h"

namespace {

constexpr uint32_t kHeaderBytes = 24;

}  // namespace

bool AuSource::Parse() {
  uint8_t header[kHeaderBytes];
  if (!bytes_->ReadExact(header, sizeof header)) return false;
  switch (LoadBe<32>(header)) {
    case 0x2E736E64:  // ".snd"
    case 0x2E736400:  // ".sd\0"
      file_.bigEndian = true;
      break;
    case 0x646E732E:  // "dns."
    case 0x0064732E:  // "\0ds."
      file_.bigEndian = false;
      break;
    default:
      return false;
  }
  auto field = [&](int index) {
    const uint8_t* p = header + 4 * index;
    return file_.bigEndian ? LoadBe<32>(p) : LoadLe<32>(p);
  };
  const uint32_t offset = field(1);
  uint64_t dataSize = field(2);
  file_.encoding = field(3);
  sampleRate_ = field(4);
  channels_ = field(5);
  if (offset < kHeaderBytes || offset > bytes_->Size()) return false;
  if (channels_ != 1 && channels_ != 2) return false;
  if (sampleRate_ == 0) return false;

  using SampleCodecs::SampleFormat;
  const bool big = file_.bigEndian;
  SampleFormat& format = file_.sampleFormat;
  uint32_t& codeSize = file_.codeSize;
  switch (file_.encoding) {
    case 1: format = SampleFormat::ULaw; codeSize = 8; break;
    case 2: format = SampleFormat::S8; codeSize = 8; break;
    case 3: format = big ? SampleFormat::S16Be : SampleFormat::S16Le; codeSize = 16; break;
    case 4: format = big ? SampleFormat::S24Be : SampleFormat::S24Le; codeSize = 24; break;
    case 5: format = big ? SampleFormat::S32Be : SampleFormat::S32Le; codeSize = 32; break;
    case 6: format = big ? SampleFormat::F32Be : SampleFormat::F32Le; codeSize = 32; break;
    case 7: format = big ? SampleFormat::F64Be : SampleFormat::F64Le; codeSize = 64; break;
    case 23: codeSize = 4; break;
    case 25: codeSize = 3; break;
    case 26: codeSize = 5; break;
    case 27: format = SampleFormat::ALaw; codeSize = 8; break;
    default: return false;
  }

  file_.dataStart = offset;
  if (!bytes_->Seek(file_.dataStart)) return false;
  const uint64_t available = bytes_->Size() - file_.dataStart;
  // 0xFFFFFFFF means "to the end of the file", and so does 0, which a
  // writer that could not come back to the header leaves. A size past the
  // end is cut to what the file holds.
  if (dataSize == 0 || dataSize == 0xFFFFFFFFu || dataSize > available) dataSize = available;
  // Data without one whole frame (one code per channel) is no sound.
  if (dataSize * 8 < static_cast<uint64_t>(file_.codeSize) * channels_) return false;

  if (file_.codeSize < 8) {
    file_.adpcm = std::make_unique<G72xDecoder>(static_cast<int>(file_.codeSize));
    file_.buffer.resize(channels_ * BLOCK_SAMPLES * file_.codeSize / 8);
  } else {
    const size_t sampleBytes = static_cast<size_t>(SampleCodecs::StoredBytes(file_.sampleFormat));
    file_.layout.frameBytes = sampleBytes * channels_;
    file_.layout.rightOffset = sampleBytes;
    file_.layout.stereo = channels_ == 2;
    file_.buffer.resize(file_.layout.frameBytes * BLOCK_SAMPLES);
  }

  outputChannels_ = channels_;
  bitsPerSample_ = 16;
  bytesPerSample_ = 2;
  length_ = dataSize;
  position_ = 0;
  SetDuration(static_cast<double>(length_ * 8 / (file_.codeSize * channels_)) / sampleRate_);
  contentKind_ = KIND_AU;
  SetBitRate(file_.codeSize);
  return true;
}

int AuSource::Read(PcmBlock& block) {
  block.frames = 0;
  if (!bytes_) return 0;
  block.frames = file_.adpcm ? ReadAdpcm(block) : ReadFixed(block);
  return block.frames;
}

int AuSource::ReadFixed(PcmBlock& block) {
  const uint64_t wanted = std::min<uint64_t>(file_.buffer.size(), length_ - position_);
  const size_t whole =
      static_cast<size_t>(wanted / file_.layout.frameBytes * file_.layout.frameBytes);
  if (whole == 0) return 0;
  const size_t got = bytes_->Read(file_.buffer.data(), whole);
  position_ = got < whole ? length_ : position_ + got;
  const int frames = static_cast<int>(got / file_.layout.frameBytes);
  SampleCodecs::ConvertFrames(file_.buffer.data(), frames, file_.sampleFormat, file_.layout, block);
  return frames;
}

// Codes are packed least significant bit first: each new byte goes above
// the bits still waiting, and each code is the lowest codeSize bits. Both
// channels share one decoder state, codes in stream order.
int AuSource::ReadAdpcm(PcmBlock& block) {
  const size_t wanted =
      static_cast<size_t>(std::min<uint64_t>(file_.buffer.size(), length_ - position_));
  const size_t got = wanted ? bytes_->Read(file_.buffer.data(), wanted) : 0;
  position_ = got < wanted ? length_ : position_ + got;
  const int codeSize = static_cast<int>(file_.codeSize);
  const uint32_t mask = (1u << codeSize) - 1;
  const int channels = static_cast<int>(channels_);
  int codes = 0;
  size_t next = 0;
  while (codes < channels * BLOCK_SAMPLES) {
    if (file_.reservoirBits < codeSize) {
      if (next == got) break;
      file_.reservoir |= static_cast<uint32_t>(file_.buffer[next++]) << file_.reservoirBits;
      file_.reservoirBits += 8;
      continue;
    }
    const int16_t sample = file_.adpcm->Decode(file_.reservoir & mask);
    file_.reservoir >>= codeSize;
    file_.reservoirBits -= codeSize;
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
