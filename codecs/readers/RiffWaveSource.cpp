#include "codecs/readers/RiffWaveSource.h"

#include <algorithm>
#include <cstring>

#include "codecs/readers/WaveAdpcm.h"
#include "platform/bytes/ByteOrder.h"

namespace {

constexpr uint16_t kTagPcm = 1;
constexpr uint16_t kTagMsAdpcm = 2;
constexpr uint16_t kTagFloat = 3;
constexpr uint16_t kTagAlaw = 6;
constexpr uint16_t kTagUlaw = 7;
constexpr uint16_t kTagImaAdpcm = 17;
constexpr uint16_t kTagGsm = 49;
constexpr uint16_t kTagExtensible = 0xFFFE;

constexpr int kMaxChannels = 8;
constexpr uint16_t kGsmBlockAlign = 65;
constexpr uint32_t kGsmSamplesPerBlock = 320;

// The tail that every standard sub-format GUID of an extensible format
// chunk shares after its 2-byte format tag.
constexpr uint8_t kGuidTail[14] = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80,
                                   0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};

bool IsLetter(uint8_t c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

uint32_t Clamp32(uint64_t value) { return value > 0xFFFFFFFFu ? 0xFFFFFFFFu : static_cast<uint32_t>(value); }

}  // namespace

RiffWaveSource::~RiffWaveSource() { Close(); }

void RiffWaveSource::Close() {
  bytes_.reset();
  formatSeen_ = false;
  formatTag_ = 0;
  storedBits_ = 0;
  blockAlign_ = 0;
  samplesPerBlock_ = 0;
  dataLeft_ = 0;
  codec_ = Codec::Fixed;
  layout_ = {};
  readBuffer_ = {};
  decoded_ = {};
  decodedFrames_ = 0;
  cursor_ = 0;
  msCoefficients_ = {};
  gsm_.reset();
  ResetState();
}

bool RiffWaveSource::Open(const std::string& path, uint32_t /*renderRate*/) {
  Close();
  std::unique_ptr<FileByteSource> file = FileByteSource::Open(path);
  if (!file) return false;
  return OpenBytes(std::move(file));
}

bool RiffWaveSource::OpenBytes(std::unique_ptr<ByteSource> bytes) {
  Close();
  if (!bytes) return false;
  bytes_ = std::move(bytes);
  if (!Parse() || !Prepare()) {
    Close();
    return false;
  }
  return true;
}

bool RiffWaveSource::Parse() {
  uint8_t header[12];
  if (!bytes_->ReadExact(header, sizeof header)) return false;
  if (std::memcmp(header, "RIFF", 4) != 0 || std::memcmp(header + 8, "WAVE", 4) != 0) return false;

  for (;;) {
    uint8_t chunk[8];
    if (!bytes_->ReadExact(chunk, sizeof chunk)) return false;
    const uint32_t size = LoadLe<32>(chunk + 4);
    if (std::memcmp(chunk, "data", 4) == 0) {
      if (!formatSeen_) return false;
      uint64_t dataSize = size;
      // A size of 0 is what an interrupted writer leaves: the data runs to
      // the end of the file. A size past the end is cut to what is there.
      if (dataSize == 0 || dataSize > bytes_->Remaining()) dataSize = bytes_->Remaining();
      length_ = dataSize;
      dataLeft_ = dataSize;
      position_ = 0;
      return true;
    }
    if (std::memcmp(chunk, "fmt ", 4) == 0) {
      if (!ParseFormat(size)) return false;
    } else if (!bytes_->Skip(size)) {
      return false;
    }
    // Writers disagree on padding odd chunks; the next identifier starts
    // at the next letter.
    if (!SkipToLetter()) return false;
  }
}

bool RiffWaveSource::SkipToLetter() {
  // Scanned a piece at a time, so a long run of junk costs no more than
  // reading it.
  uint8_t piece[512];
  for (;;) {
    const uint64_t start = bytes_->Tell();
    const size_t got = bytes_->Read(piece, sizeof piece);
    if (got == 0) return false;
    for (size_t i = 0; i < got; ++i) {
      if (IsLetter(piece[i])) return bytes_->Seek(start + i);
    }
  }
}

bool RiffWaveSource::ParseFormat(uint32_t chunkSize) {
  if (chunkSize < 16 || chunkSize > bytes_->Remaining()) return false;
  // Only the start of the chunk matters; a forged size is bounded by the
  // file, and at most this much is kept.
  std::vector<uint8_t> fmt(std::min<uint32_t>(chunkSize, 4096));
  if (!bytes_->ReadExact(fmt.data(), fmt.size())) return false;
  if (!bytes_->Skip(chunkSize - fmt.size())) return false;

  formatTag_ = LoadLe<16>(&fmt[0]);
  channels_ = LoadLe<16>(&fmt[2]);
  sampleRate_ = LoadLe<32>(&fmt[4]);
  blockAlign_ = LoadLe<16>(&fmt[12]);
  storedBits_ = LoadLe<16>(&fmt[14]);
  if (channels_ < 1 || sampleRate_ == 0) return false;
  outputChannels_ = std::min<uint32_t>(channels_, 2);
  const size_t extraSize = fmt.size() >= 18 ? LoadLe<16>(&fmt[16]) : 0;
  const size_t extraAvailable = fmt.size() > 18 ? fmt.size() - 18 : 0;

  uint16_t tag = formatTag_;
  if (tag == kTagExtensible && extraSize >= 22 && extraAvailable >= 22) {
    // The sub-format GUID tells PCM from float; anything else is refused.
    const uint8_t* guid = &fmt[24];
    if (std::memcmp(guid + 2, kGuidTail, sizeof kGuidTail) != 0) return false;
    tag = LoadLe<16>(guid);
    if (tag != kTagPcm && tag != kTagFloat) return false;
  } else if (tag == kTagExtensible) {
    tag = kTagPcm;
  }

  using SampleCodecs::SampleFormat;
  bitsPerSample_ = 16;
  switch (tag) {
    case kTagPcm:
      if (channels_ > kMaxChannels) return false;
      switch (storedBits_) {
        case 8: sampleFormat_ = SampleFormat::U8; bitsPerSample_ = 8; break;
        case 16: sampleFormat_ = SampleFormat::S16Le; break;
        case 24: sampleFormat_ = SampleFormat::S24Le; break;
        case 32: sampleFormat_ = SampleFormat::S32Le; break;
        default: return false;
      }
      codec_ = Codec::Fixed;
      return formatSeen_ = true;
    case kTagFloat:
      if (channels_ > kMaxChannels) return false;
      if (storedBits_ == 32) {
        sampleFormat_ = SampleFormat::F32Le;
      } else if (storedBits_ == 64) {
        sampleFormat_ = SampleFormat::F64Le;
      } else {
        return false;
      }
      codec_ = Codec::Fixed;
      return formatSeen_ = true;
    case kTagAlaw:
    case kTagUlaw:
      if (channels_ > kMaxChannels) return false;
      sampleFormat_ = tag == kTagAlaw ? SampleFormat::ALaw : SampleFormat::ULaw;
      storedBits_ = 8;  // the stored code is always one byte
      codec_ = Codec::Fixed;
      return formatSeen_ = true;
    case kTagMsAdpcm: {
      if (channels_ > 2 || extraSize <= 3 || extraAvailable < 4) return false;
      samplesPerBlock_ = LoadLe<16>(&fmt[18]);
      const size_t count = LoadLe<16>(&fmt[20]);
      if (extraAvailable < 4 + 4 * count || count == 0) return false;
      msCoefficients_.resize(2 * count);
      for (size_t i = 0; i < 2 * count; ++i)
        msCoefficients_[i] = static_cast<int16_t>(LoadLe<16>(&fmt[22 + 2 * i]));
      if (samplesPerBlock_ < 2 ||
          WaveAdpcm::MsAdpcmBlockBytes(static_cast<int>(channels_), static_cast<int>(samplesPerBlock_)) > blockAlign_)
        return false;
      codec_ = Codec::MsAdpcm;
      return formatSeen_ = true;
    }
    case kTagImaAdpcm:
      if (channels_ > 2 || extraSize < 2 || extraAvailable < 2) return false;
      samplesPerBlock_ = LoadLe<16>(&fmt[18]);
      if (samplesPerBlock_ < 1 ||
          WaveAdpcm::ImaBlockBytes(static_cast<int>(channels_), static_cast<int>(samplesPerBlock_)) > blockAlign_)
        return false;
      codec_ = Codec::ImaAdpcm;
      return formatSeen_ = true;
    case kTagGsm:
      // GSM 06.10 is mono: two 160-sample frames in 65 bytes.
      if (channels_ != 1 || blockAlign_ != kGsmBlockAlign || chunkSize < 20 || extraSize <= 1 ||
          extraAvailable < 2 || LoadLe<16>(&fmt[18]) != kGsmSamplesPerBlock)
        return false;
      samplesPerBlock_ = kGsmSamplesPerBlock;
      codec_ = Codec::Gsm;
      return formatSeen_ = true;
    default:
      return false;
  }
}

bool RiffWaveSource::Prepare() {
  bytesPerSample_ = bitsPerSample_ / 8;
  uint64_t frames = 0;
  if (codec_ == Codec::Fixed) {
    const size_t sampleBytes = static_cast<size_t>(SampleCodecs::StoredBytes(sampleFormat_));
    layout_.frameBytes = sampleBytes * channels_;
    layout_.rightOffset = sampleBytes;
    layout_.stereo = channels_ >= 2;
    readBuffer_.resize(layout_.frameBytes * BLOCK_SAMPLES);
    frames = length_ * 8 / storedBits_ / channels_;
  } else {
    readBuffer_.resize(blockAlign_);
    decoded_.resize(static_cast<size_t>(samplesPerBlock_) * channels_);
    if (codec_ == Codec::Gsm) {
      gsm_ = std::make_unique<GsmDecoder>(true);
      if (!gsm_->IsValid()) return false;
      frames = length_ * kGsmSamplesPerBlock / kGsmBlockAlign;
    } else {
      frames = static_cast<uint64_t>(samplesPerBlock_) * length_ / blockAlign_;
    }
  }
  // Data without one whole frame, or for the block codecs one whole block,
  // is no sound.
  if (length_ < (codec_ == Codec::Fixed ? layout_.frameBytes : blockAlign_)) return false;
  duration_ = Clamp32(frames / sampleRate_);
  if (duration_ != 0) {
    bitRate_ = Clamp32(length_ / (static_cast<uint64_t>(duration_) * 125));
  } else {
    bitRate_ = Clamp32(static_cast<uint64_t>(storedBits_) * channels_ * sampleRate_ / 1000);
  }
  return true;
}

int RiffWaveSource::Read(PcmBlock& block) {
  block.frames = 0;
  if (!bytes_) return 0;
  block.frames = codec_ == Codec::Fixed ? ReadFixed(block) : ReadDecoded(block);
  return block.frames;
}

int RiffWaveSource::ReadFixed(PcmBlock& block) {
  const uint64_t wanted = std::min<uint64_t>(readBuffer_.size(), dataLeft_);
  const size_t whole = static_cast<size_t>(wanted / layout_.frameBytes * layout_.frameBytes);
  if (whole == 0) return 0;
  const size_t got = bytes_->Read(readBuffer_.data(), whole);
  dataLeft_ -= got;
  position_ += got;
  const int frames = static_cast<int>(got / layout_.frameBytes);
  if (frames == 0) {
    dataLeft_ = 0;
    return 0;
  }
  SampleCodecs::ConvertFrames(readBuffer_.data(), frames, sampleFormat_, layout_, block);
  return frames;
}

int RiffWaveSource::ReadDecoded(PcmBlock& block) {
  if (cursor_ == decodedFrames_ && !DecodeNextBlock()) return 0;
  const size_t frames = std::min<size_t>(decodedFrames_ - cursor_, BLOCK_SAMPLES);
  const int16_t* in = decoded_.data() + cursor_ * channels_;
  for (size_t i = 0; i < frames; ++i, in += channels_) {
    block.left[i] = in[0];
    if (channels_ >= 2) block.right[i] = in[1];
  }
  cursor_ += frames;
  return static_cast<int>(frames);
}

bool RiffWaveSource::DecodeNextBlock() {
  cursor_ = 0;
  decodedFrames_ = 0;
  if (dataLeft_ < blockAlign_) {
    dataLeft_ = 0;
    return false;
  }
  const size_t got = bytes_->Read(readBuffer_.data(), blockAlign_);
  dataLeft_ -= got;
  position_ += got;
  if (got != blockAlign_) {
    dataLeft_ = 0;
    return false;
  }
  const int channels = static_cast<int>(channels_);
  const int samples = static_cast<int>(samplesPerBlock_);
  bool ok = false;
  switch (codec_) {
    case Codec::MsAdpcm:
      ok = WaveAdpcm::DecodeMsAdpcmBlock(readBuffer_.data(), got, channels, samples, msCoefficients_,
                                         decoded_.data());
      break;
    case Codec::ImaAdpcm:
      ok = WaveAdpcm::DecodeImaBlock(readBuffer_.data(), got, channels, samples, decoded_.data());
      break;
    case Codec::Gsm:
      ok = gsm_->DecodeFrame(readBuffer_.data(), decoded_.data()) &&
           gsm_->DecodeFrame(readBuffer_.data() + GsmDecoder::kFrameBytes,
                             decoded_.data() + GsmDecoder::kFrameSamples);
      break;
    case Codec::Fixed:
      break;
  }
  if (!ok) {
    dataLeft_ = 0;
    return false;
  }
  decodedFrames_ = samplesPerBlock_;
  return true;
}
