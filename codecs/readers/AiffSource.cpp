#include "codecs/readers/AiffSource.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>

#include "platform/bytes/ByteOrder.h"

namespace {

constexpr uint32_t Tag(const char (&s)[5]) { return LoadBe<32>(s); }

constexpr size_t kImaPacketBytes = 34;
constexpr int kImaPacketFrames = 64;
constexpr int kImaGroupsPerRead = BLOCK_SAMPLES / kImaPacketFrames;

uint32_t Clamp32(uint64_t value) { return value > 0xFFFFFFFFu ? 0xFFFFFFFFu : static_cast<uint32_t>(value); }

}  // namespace

AiffSource::~AiffSource() { Close(); }

void AiffSource::Close() {
  bytes_.reset();
  aifc_ = false;
  commonSeen_ = false;
  soundSeen_ = false;
  sampleFrames_ = 0;
  commonFrames_ = 0;
  sampleSize_ = 0;
  encoding_ = 0;
  bigEndian_ = true;
  rightChannel_ = 0;
  dataStart_ = 0;
  dataLeft_ = 0;
  layout_ = {};
  buffer_ = {};
  ima_[0] = ima_[1] = {};
  gsm_.reset();
  dwvw_.reset();
  dwvwSamples_ = {};
  dwvwFramesLeft_ = 0;
  ResetState();
}

bool AiffSource::Open(const std::string& path, uint32_t /*renderRate*/) {
  Close();
  std::unique_ptr<FileByteSource> file = FileByteSource::Open(path);
  if (!file) return false;
  return OpenBytes(std::move(file));
}

bool AiffSource::OpenBytes(std::unique_ptr<ByteSource> bytes) {
  Close();
  if (!bytes) return false;
  bytes_ = std::move(bytes);
  if (!ParseChunks() || !Prepare() || !HoldsWholeFrame()) {
    Close();
    return false;
  }
  return true;
}

uint32_t AiffSource::ExtendedToRate(const uint8_t* p) {
  if (p[0] & 0x80) return 0;
  const int exponent = (LoadBe<16>(p) & 0x7FFF) - 16383;
  const uint64_t mantissa = LoadBe<64>(p + 2);
  if (mantissa == 0 || exponent < 0 || exponent > 31) return 0;
  return static_cast<uint32_t>(mantissa >> (63 - exponent));
}

bool AiffSource::ParseChunks() {
  uint8_t header[12];
  if (!bytes_->ReadExact(header, sizeof header) || std::memcmp(header, "FORM", 4) != 0) return false;
  if (std::memcmp(header + 8, "AIFC", 4) == 0) {
    aifc_ = true;
  } else if (std::memcmp(header + 8, "AIFF", 4) != 0) {
    return false;
  }

  for (;;) {
    uint8_t chunk[8];
    if (!bytes_->ReadExact(chunk, sizeof chunk)) return false;
    const uint64_t size = LoadBe<32>(chunk + 4);
    const uint64_t rounded = size + (size & 1);
    const uint32_t id = LoadBe<32>(chunk);
    if (id == Tag("COMM")) {
      if (!ParseCommon(rounded)) return false;
      if (soundSeen_) return true;
    } else if (id == Tag("SSND")) {
      // The offset and block-size fields come first; a chunk too small for
      // them holds no sound. The pad byte of an odd chunk is not sample
      // data, so the stored size bounds the data.
      uint8_t fields[8];
      if (size < sizeof fields || !bytes_->ReadExact(fields, sizeof fields)) return false;
      const uint64_t offset = LoadBe<32>(fields);
      if (offset > size - sizeof fields) return false;
      dataStart_ = bytes_->Tell() + offset;
      if (dataStart_ > bytes_->Size()) return false;
      // A chunk that claims more than the file holds ends with the file.
      dataLeft_ = std::min<uint64_t>(size - sizeof fields - offset, bytes_->Size() - dataStart_);
      soundSeen_ = true;
      if (commonSeen_) return true;
      if (!bytes_->Skip(rounded - sizeof fields)) return false;
    } else if (!bytes_->Skip(rounded)) {
      return false;
    }
  }
}

bool AiffSource::ParseCommon(uint64_t size) {
  if (aifc_ ? size < 22 : size != 18) return false;
  uint8_t comm[22] = {};
  const size_t wanted = aifc_ ? 22 : 18;
  if (!bytes_->ReadExact(comm, wanted) || !bytes_->Skip(size - wanted)) return false;

  channels_ = LoadBe<16>(comm);
  switch (channels_) {
    case 1: rightChannel_ = 0; break;
    case 2:
    case 3:
    case 4: rightChannel_ = 1; break;
    // Six channels are stored left, left centre, centre, right, right
    // centre, surround: the 1st and 4th are the stereo pair.
    case 6: rightChannel_ = 3; break;
    default: return false;
  }
  outputChannels_ = channels_ == 1 ? 1 : 2;
  commonFrames_ = LoadBe<32>(comm + 2);
  sampleFrames_ = commonFrames_;
  if (sampleFrames_ == 0 || sampleFrames_ == 0xFFFFFFFFu) sampleFrames_ = 1;
  sampleSize_ = LoadBe<16>(comm + 6);
  sampleRate_ = ExtendedToRate(comm + 8);
  if (sampleRate_ == 0) return false;

  uint32_t compression = Tag("NONE");
  if (aifc_) {
    compression = 0;
    for (int i = 18; i < 22; ++i)
      compression = (compression << 8) | static_cast<uint8_t>(std::toupper(comm[i]));
  }
  if (!SelectEncoding(compression)) return false;
  commonSeen_ = true;
  return true;
}

bool AiffSource::SelectEncoding(uint32_t compression) {
  bigEndian_ = true;
  if (compression == Tag("NONE") || compression == Tag("TWOS") || compression == Tag("IN24") ||
      compression == Tag("IN32")) {
    encoding_ = kPcm;
  } else if (compression == Tag("SOWT") || compression == Tag("23NI")) {
    encoding_ = kPcm;
    bigEndian_ = false;
  } else if (compression == Tag("ULAW")) {
    encoding_ = kUlaw;
    sampleSize_ = 8;
  } else if (compression == Tag("ALAW")) {
    encoding_ = kAlaw;
    sampleSize_ = 8;
  } else if (compression == Tag("FL32")) {
    encoding_ = kFloat32;
    sampleSize_ = 32;
  } else if (compression == Tag("FL64")) {
    encoding_ = kFloat64;
    sampleSize_ = 64;
  } else if (compression == Tag("IMA4")) {
    encoding_ = kIma4;
    sampleSize_ = 4;
  } else if (compression == Tag("RAW ")) {
    encoding_ = kRaw;
    sampleSize_ = 8;
  } else if (compression == Tag("GSM ")) {
    // GSM 06.10 frames are mono; two channels alternate sample by sample.
    if (channels_ > 2) return false;
    encoding_ = kGsm;
  } else if (compression == Tag("DWVW")) {
    if (sampleSize_ < 8 || sampleSize_ > 24) return false;
    encoding_ = kDwvw;
  } else {
    return false;
  }
  if (encoding_ == kPcm && (sampleSize_ < 1 || sampleSize_ > 32)) return false;
  return true;
}

bool AiffSource::Prepare() {
  using SampleCodecs::SampleFormat;
  bitsPerSample_ = 16;
  const uint64_t channels = channels_;
  switch (encoding_) {
    case kPcm:
      if (sampleSize_ <= 8) {
        sampleFormat_ = SampleFormat::S8ToU8;
        bitsPerSample_ = 8;
      } else if (sampleSize_ <= 16) {
        sampleFormat_ = bigEndian_ ? SampleFormat::S16Be : SampleFormat::S16Le;
      } else if (sampleSize_ <= 24) {
        sampleFormat_ = bigEndian_ ? SampleFormat::S24Be : SampleFormat::S24Le;
      } else {
        sampleFormat_ = bigEndian_ ? SampleFormat::S32Be : SampleFormat::S32Le;
      }
      break;
    case kUlaw: sampleFormat_ = SampleFormat::ULaw; break;
    case kAlaw: sampleFormat_ = SampleFormat::ALaw; break;
    case kFloat32: sampleFormat_ = SampleFormat::F32Be; break;
    case kFloat64: sampleFormat_ = SampleFormat::F64Be; break;
    case kRaw:
      sampleFormat_ = SampleFormat::U8;
      bitsPerSample_ = 8;
      break;
    case kIma4:
      sampleFrames_ = Clamp32(dataLeft_ / (kImaPacketBytes * channels) * kImaPacketFrames);
      buffer_.resize(kImaPacketBytes * channels * kImaGroupsPerRead);
      break;
    case kGsm:
      // The 160 samples of a frame alternate over the channels.
      sampleFrames_ =
          Clamp32(dataLeft_ / GsmDecoder::kFrameBytes * GsmDecoder::kFrameSamples / channels);
      gsm_ = std::make_unique<GsmDecoder>(false);
      if (!gsm_->IsValid()) return false;
      buffer_.resize(GsmDecoder::kFrameBytes);
      break;
    case kDwvw:
      dwvw_ = std::make_unique<DwvwDecoder>(static_cast<int>(sampleSize_));
      dwvwSamples_.resize(channels * BLOCK_SAMPLES);
      // The stream ends on a whole byte, so bits after the last sample are
      // padding: a known frame count says where the samples end.
      dwvwFramesLeft_ =
          commonFrames_ == 0 || commonFrames_ == 0xFFFFFFFFu ? UINT64_MAX : commonFrames_;
      break;
    default:
      return false;
  }
  if (encoding_ != kIma4 && encoding_ != kGsm && encoding_ != kDwvw) {
    const size_t sampleBytes = static_cast<size_t>(SampleCodecs::StoredBytes(sampleFormat_));
    layout_.frameBytes = sampleBytes * channels_;
    layout_.rightOffset = sampleBytes * static_cast<size_t>(rightChannel_);
    layout_.stereo = channels_ > 1;
    buffer_.resize(layout_.frameBytes * BLOCK_SAMPLES);
  }

  length_ = dataLeft_;
  duration_ = sampleFrames_ / sampleRate_;
  if (duration_ != 0) {
    bitRate_ = Clamp32(length_ / (static_cast<uint64_t>(duration_) * 125));
  } else {
    bitRate_ = Clamp32(static_cast<uint64_t>(sampleSize_) * channels_ * sampleRate_ / 1000);
  }
  bytesPerSample_ = bitsPerSample_ / 8;
  if (!bytes_->Seek(dataStart_)) return false;
  position_ = 0;
  return true;
}

// True when the sound data holds at least one whole sample frame; reading
// then starts at the data start.
bool AiffSource::HoldsWholeFrame() {
  if (encoding_ == kIma4) return dataLeft_ >= kImaPacketBytes * channels_;
  if (encoding_ == kGsm) return dataLeft_ >= GsmDecoder::kFrameBytes;
  if (encoding_ != kDwvw) return dataLeft_ >= layout_.frameBytes;
  // DWVW samples take a varying number of bits: a scratch decoder tries
  // the first frame.
  const int channels = static_cast<int>(channels_);
  DwvwDecoder probe(static_cast<int>(sampleSize_));
  uint64_t left = dataLeft_;
  const int decoded =
      probe.Decode(dwvwSamples_.data(), channels, [&](uint8_t* out, size_t capacity) {
        const size_t got =
            bytes_->Read(out, static_cast<size_t>(std::min<uint64_t>(capacity, left)));
        left -= got;
        return got;
      });
  return decoded == channels && bytes_->Seek(dataStart_);
}

size_t AiffSource::ReadData(uint8_t* out, size_t count) {
  count = static_cast<size_t>(std::min<uint64_t>(count, dataLeft_));
  const size_t got = count ? bytes_->Read(out, count) : 0;
  // A short read means the file ends early: nothing more follows.
  dataLeft_ = got < count ? 0 : dataLeft_ - got;
  position_ += got;
  return got;
}

int AiffSource::Read(PcmBlock& block) {
  block.frames = 0;
  if (!bytes_) return 0;
  switch (encoding_) {
    case kIma4: block.frames = ReadIma4(block); break;
    case kGsm: block.frames = ReadGsm(block); break;
    case kDwvw: block.frames = ReadDwvw(block); break;
    default: block.frames = ReadFixed(block); break;
  }
  return block.frames;
}

int AiffSource::ReadFixed(PcmBlock& block) {
  const uint64_t wanted = std::min<uint64_t>(buffer_.size(), dataLeft_);
  const size_t whole = static_cast<size_t>(wanted / layout_.frameBytes * layout_.frameBytes);
  if (whole == 0) return 0;
  const size_t got = ReadData(buffer_.data(), whole);
  const int frames = static_cast<int>(got / layout_.frameBytes);
  SampleCodecs::ConvertFrames(buffer_.data(), frames, sampleFormat_, layout_, block);
  return frames;
}

// Each packet group holds one 34-byte packet per channel: a 2-byte header
// (the top nine bits of the predictor, then the step index) and 64 codes,
// low nibble first.
int AiffSource::ReadIma4(PcmBlock& block) {
  const size_t groupBytes = kImaPacketBytes * channels_;
  const size_t groups = static_cast<size_t>(std::min<uint64_t>(kImaGroupsPerRead, dataLeft_ / groupBytes));
  if (groups == 0) return 0;
  const size_t got = ReadData(buffer_.data(), groups * groupBytes) / groupBytes;
  const int picked[2] = {0, rightChannel_};
  for (size_t g = 0; g < got; ++g) {
    for (int k = 0; k < static_cast<int>(outputChannels_); ++k) {
      const uint8_t* packet = buffer_.data() + g * groupBytes + kImaPacketBytes * static_cast<size_t>(picked[k]);
      SampleCodecs::ImaState& state = ima_[k];
      const int32_t predictor = static_cast<int16_t>((packet[0] << 8) | (packet[1] & 0x80));
      const int32_t index = std::min(packet[1] & 0x7F, 88);
      // The header keeps only nine bits of the predictor: while it agrees
      // with the running state, the full-precision state carries on.
      if (state.index != index || std::abs(predictor - state.predictor) > 0x7F) {
        state.predictor = predictor;
        state.index = index;
      }
      int16_t* out = (k == 0 ? block.left : block.right) + g * kImaPacketFrames;
      for (int i = 0; i < kImaPacketFrames / 2; ++i) {
        const uint8_t byte = packet[2 + i];
        out[2 * i] = SampleCodecs::ImaDecodeNibble(state, byte & 0x0F);
        out[2 * i + 1] = SampleCodecs::ImaDecodeNibble(state, byte >> 4);
      }
    }
  }
  return static_cast<int>(got) * kImaPacketFrames;
}

int AiffSource::ReadGsm(PcmBlock& block) {
  const int framesPerGsm = GsmDecoder::kFrameSamples / static_cast<int>(channels_);
  int frames = 0;
  int16_t decoded[GsmDecoder::kFrameSamples];
  while (frames + framesPerGsm <= BLOCK_SAMPLES && dataLeft_ >= GsmDecoder::kFrameBytes) {
    if (ReadData(buffer_.data(), GsmDecoder::kFrameBytes) != GsmDecoder::kFrameBytes ||
        !gsm_->DecodeFrame(buffer_.data(), decoded)) {
      dataLeft_ = 0;
      break;
    }
    for (int i = 0; i < framesPerGsm; ++i) {
      block.left[frames + i] = decoded[i * static_cast<int>(channels_)];
      if (channels_ == 2) block.right[frames + i] = decoded[2 * i + 1];
    }
    frames += framesPerGsm;
  }
  return frames;
}

int AiffSource::ReadDwvw(PcmBlock& block) {
  const int channels = static_cast<int>(channels_);
  const int wanted = static_cast<int>(std::min<uint64_t>(BLOCK_SAMPLES, dwvwFramesLeft_));
  if (wanted == 0) return 0;
  const int decoded =
      dwvw_->Decode(dwvwSamples_.data(), channels * wanted,
                    [this](uint8_t* out, size_t capacity) { return ReadData(out, capacity); });
  const int frames = decoded / channels;
  dwvwFramesLeft_ -= static_cast<uint64_t>(frames);
  if (dwvwFramesLeft_ == 0) {
    // What follows the last frame is padding: the sound data is used up.
    dataLeft_ = 0;
    position_ = length_;
  }
  for (int i = 0; i < frames; ++i) {
    const int32_t* frame = dwvwSamples_.data() + static_cast<size_t>(i) * channels;
    block.left[i] = static_cast<int16_t>(frame[0] >> 16);
    if (channels > 1) block.right[i] = static_cast<int16_t>(frame[rightChannel_] >> 16);
  }
  return frames;
}
