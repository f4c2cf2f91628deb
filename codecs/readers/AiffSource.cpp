#include "codecs/readers/AiffSource.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>

#include "platform/bytes/ByteOrder.h"
#include "source/SourceKind.h"

namespace {

constexpr uint32_t Tag(const char (&s)[5]) { return LoadBe<32>(s); }

constexpr size_t kImaPacketBytes = 34;
constexpr int kImaPacketFrames = 64;
constexpr int kImaGroupsPerRead = BLOCK_SAMPLES / kImaPacketFrames;

}  // namespace

bool AiffSource::Parse() { return ParseChunks() && Prepare() && HoldsWholeFrame(); }

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
    file_.aifc = true;
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
      if (file_.soundSeen) return true;
    } else if (id == Tag("SSND")) {
      // The offset and block-size fields come first; a chunk too small for
      // them holds no sound. The pad byte of an odd chunk is not sample
      // data, so the stored size bounds the data.
      uint8_t fields[8];
      if (size < sizeof fields || !bytes_->ReadExact(fields, sizeof fields)) return false;
      const uint64_t offset = LoadBe<32>(fields);
      if (offset > size - sizeof fields) return false;
      file_.dataStart = bytes_->Tell() + offset;
      if (file_.dataStart > bytes_->Size()) return false;
      // A chunk that claims more than the file holds ends with the file.
      file_.dataLeft =
          std::min<uint64_t>(size - sizeof fields - offset, bytes_->Size() - file_.dataStart);
      file_.soundSeen = true;
      if (file_.commonSeen) return true;
      if (!bytes_->Skip(rounded - sizeof fields)) return false;
    } else if (!bytes_->Skip(rounded)) {
      return false;
    }
  }
}

bool AiffSource::ParseCommon(uint64_t size) {
  if (file_.aifc ? size < 22 : size != 18) return false;
  uint8_t comm[22] = {};
  const size_t wanted = file_.aifc ? 22 : 18;
  if (!bytes_->ReadExact(comm, wanted) || !bytes_->Skip(size - wanted)) return false;

  channels_ = LoadBe<16>(comm);
  switch (channels_) {
    case 1: file_.rightChannel = 0; break;
    case 2:
    case 3:
    case 4: file_.rightChannel = 1; break;
    // Six channels are stored left, left centre, centre, right, right
    // centre, surround: the 1st and 4th are the stereo pair.
    case 6: file_.rightChannel = 3; break;
    default: return false;
  }
  outputChannels_ = channels_ == 1 ? 1 : 2;
  file_.commonFrames = LoadBe<32>(comm + 2);
  file_.sampleFrames = file_.commonFrames;
  if (file_.sampleFrames == 0 || file_.sampleFrames == 0xFFFFFFFFu) file_.sampleFrames = 1;
  file_.sampleSize = LoadBe<16>(comm + 6);
  sampleRate_ = ExtendedToRate(comm + 8);
  if (sampleRate_ == 0) return false;

  uint32_t compression = Tag("NONE");
  if (file_.aifc) {
    compression = 0;
    for (int i = 18; i < 22; ++i)
      compression = (compression << 8) | static_cast<uint8_t>(std::toupper(comm[i]));
  }
  if (!SelectEncoding(compression)) return false;
  file_.commonSeen = true;
  return true;
}

bool AiffSource::SelectEncoding(uint32_t compression) {
  file_.bigEndian = true;
  if (compression == Tag("NONE") || compression == Tag("TWOS") || compression == Tag("IN24") ||
      compression == Tag("IN32")) {
    file_.encoding = kPcm;
  } else if (compression == Tag("SOWT") || compression == Tag("23NI")) {
    file_.encoding = kPcm;
    file_.bigEndian = false;
  } else if (compression == Tag("ULAW")) {
    file_.encoding = kUlaw;
    file_.sampleSize = 8;
  } else if (compression == Tag("ALAW")) {
    file_.encoding = kAlaw;
    file_.sampleSize = 8;
  } else if (compression == Tag("FL32")) {
    file_.encoding = kFloat32;
    file_.sampleSize = 32;
  } else if (compression == Tag("FL64")) {
    file_.encoding = kFloat64;
    file_.sampleSize = 64;
  } else if (compression == Tag("IMA4")) {
    file_.encoding = kIma4;
    file_.sampleSize = 4;
  } else if (compression == Tag("RAW ")) {
    file_.encoding = kRaw;
    file_.sampleSize = 8;
  } else if (compression == Tag("GSM ")) {
    // GSM 06.10 frames are mono; two channels alternate sample by sample.
    if (channels_ > 2) return false;
    file_.encoding = kGsm;
  } else if (compression == Tag("DWVW")) {
    if (file_.sampleSize < 8 || file_.sampleSize > 24) return false;
    file_.encoding = kDwvw;
  } else {
    return false;
  }
  if (file_.encoding == kPcm && (file_.sampleSize < 1 || file_.sampleSize > 32)) return false;
  return true;
}

bool AiffSource::Prepare() {
  using SampleCodecs::SampleFormat;
  bitsPerSample_ = 16;
  const uint64_t channels = channels_;
  switch (file_.encoding) {
    case kPcm:
      if (file_.sampleSize <= 8) {
        file_.sampleFormat = SampleFormat::S8ToU8;
        bitsPerSample_ = 8;
      } else if (file_.sampleSize <= 16) {
        file_.sampleFormat = file_.bigEndian ? SampleFormat::S16Be : SampleFormat::S16Le;
      } else if (file_.sampleSize <= 24) {
        file_.sampleFormat = file_.bigEndian ? SampleFormat::S24Be : SampleFormat::S24Le;
      } else {
        file_.sampleFormat = file_.bigEndian ? SampleFormat::S32Be : SampleFormat::S32Le;
      }
      break;
    case kUlaw: file_.sampleFormat = SampleFormat::ULaw; break;
    case kAlaw: file_.sampleFormat = SampleFormat::ALaw; break;
    case kFloat32: file_.sampleFormat = SampleFormat::F32Be; break;
    case kFloat64: file_.sampleFormat = SampleFormat::F64Be; break;
    case kRaw:
      file_.sampleFormat = SampleFormat::U8;
      bitsPerSample_ = 8;
      break;
    case kIma4:
      file_.sampleFrames =
          Clamp32(file_.dataLeft / (kImaPacketBytes * channels) * kImaPacketFrames);
      file_.buffer.resize(kImaPacketBytes * channels * kImaGroupsPerRead);
      break;
    case kGsm:
      // The 160 samples of a frame alternate over the channels.
      file_.sampleFrames =
          Clamp32(file_.dataLeft / GsmDecoder::kFrameBytes * GsmDecoder::kFrameSamples / channels);
      file_.gsm = std::make_unique<GsmDecoder>(false);
      if (!file_.gsm->IsValid()) return false;
      file_.buffer.resize(GsmDecoder::kFrameBytes);
      break;
    case kDwvw:
      file_.dwvw = std::make_unique<DwvwDecoder>(static_cast<int>(file_.sampleSize));
      file_.dwvwSamples.resize(channels * BLOCK_SAMPLES);
      // The stream ends on a whole byte, so bits after the last sample are
      // padding: a known frame count says where the samples end.
      file_.dwvwFramesLeft = file_.commonFrames == 0 || file_.commonFrames == 0xFFFFFFFFu
                                 ? UINT64_MAX
                                 : file_.commonFrames;
      break;
    default:
      return false;
  }
  if (file_.encoding != kIma4 && file_.encoding != kGsm && file_.encoding != kDwvw) {
    const size_t sampleBytes = static_cast<size_t>(SampleCodecs::StoredBytes(file_.sampleFormat));
    file_.layout.frameBytes = sampleBytes * channels_;
    file_.layout.rightOffset = sampleBytes * static_cast<size_t>(file_.rightChannel);
    file_.layout.stereo = channels_ > 1;
    file_.buffer.resize(file_.layout.frameBytes * BLOCK_SAMPLES);
  }

  length_ = file_.dataLeft;
  SetDuration(static_cast<double>(file_.sampleFrames) / sampleRate_);
  contentKind_ = KIND_AIFF;
  SetBitRate(file_.sampleSize);
  bytesPerSample_ = bitsPerSample_ / 8;
  if (!bytes_->Seek(file_.dataStart)) return false;
  position_ = 0;
  return true;
}

// True when the sound data holds at least one whole sample frame; reading
// then starts at the data start.
bool AiffSource::HoldsWholeFrame() {
  if (file_.encoding == kIma4) return file_.dataLeft >= kImaPacketBytes * channels_;
  if (file_.encoding == kGsm) return file_.dataLeft >= GsmDecoder::kFrameBytes;
  if (file_.encoding != kDwvw) return file_.dataLeft >= file_.layout.frameBytes;
  // DWVW samples take a varying number of bits: a scratch decoder tries
  // the first frame.
  const int channels = static_cast<int>(channels_);
  DwvwDecoder probe(static_cast<int>(file_.sampleSize));
  uint64_t left = file_.dataLeft;
  const int decoded =
      probe.Decode(file_.dwvwSamples.data(), channels, [&](uint8_t* out, size_t capacity) {
        const size_t got =
            bytes_->Read(out, static_cast<size_t>(std::min<uint64_t>(capacity, left)));
        left -= got;
        return got;
      });
  return decoded == channels && bytes_->Seek(file_.dataStart);
}

size_t AiffSource::ReadData(uint8_t* out, size_t count) {
  count = static_cast<size_t>(std::min<uint64_t>(count, file_.dataLeft));
  const size_t got = count ? bytes_->Read(out, count) : 0;
  // A short read means the file ends early: nothing more follows.
  file_.dataLeft = got < count ? 0 : file_.dataLeft - got;
  position_ += got;
  return got;
}

int AiffSource::Read(PcmBlock& block) {
  block.frames = 0;
  if (!bytes_) return 0;
  switch (file_.encoding) {
    case kIma4: block.frames = ReadIma4(block); break;
    case kGsm: block.frames = ReadGsm(block); break;
    case kDwvw: block.frames = ReadDwvw(block); break;
    default: block.frames = ReadFixed(block); break;
  }
  return block.frames;
}

int AiffSource::ReadFixed(PcmBlock& block) {
  const uint64_t wanted = std::min<uint64_t>(file_.buffer.size(), file_.dataLeft);
  const size_t whole =
      static_cast<size_t>(wanted / file_.layout.frameBytes * file_.layout.frameBytes);
  if (whole == 0) return 0;
  const size_t got = ReadData(file_.buffer.data(), whole);
  const int frames = static_cast<int>(got / file_.layout.frameBytes);
  SampleCodecs::ConvertFrames(file_.buffer.data(), frames, file_.sampleFormat, file_.layout, block);
  return frames;
}

// Each packet group holds one 34-byte packet per channel: a 2-byte header
// (the top nine bits of the predictor, then the step index) and 64 codes,
// low nibble first.
int AiffSource::ReadIma4(PcmBlock& block) {
  const size_t groupBytes = kImaPacketBytes * channels_;
  const size_t groups =
      static_cast<size_t>(std::min<uint64_t>(kImaGroupsPerRead, file_.dataLeft / groupBytes));
  if (groups == 0) return 0;
  const size_t got = ReadData(file_.buffer.data(), groups * groupBytes) / groupBytes;
  const int picked[2] = {0, file_.rightChannel};
  for (size_t g = 0; g < got; ++g) {
    for (int k = 0; k < static_cast<int>(outputChannels_); ++k) {
      const uint8_t* packet =
          file_.buffer.data() + g * groupBytes + kImaPacketBytes * static_cast<size_t>(picked[k]);
      SampleCodecs::ImaState& state = file_.ima[k];
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
  while (frames + framesPerGsm <= BLOCK_SAMPLES && file_.dataLeft >= GsmDecoder::kFrameBytes) {
    if (ReadData(file_.buffer.data(), GsmDecoder::kFrameBytes) != GsmDecoder::kFrameBytes ||
        !file_.gsm->DecodeFrame(file_.buffer.data(), decoded)) {
      file_.dataLeft = 0;
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
  const int wanted = static_cast<int>(std::min<uint64_t>(BLOCK_SAMPLES, file_.dwvwFramesLeft));
  if (wanted == 0) return 0;
  const int decoded =
      file_.dwvw->Decode(file_.dwvwSamples.data(), channels * wanted,
                    [this](uint8_t* out, size_t capacity) { return ReadData(out, capacity); });
  const int frames = decoded / channels;
  file_.dwvwFramesLeft -= static_cast<uint64_t>(frames);
  if (file_.dwvwFramesLeft == 0) {
    // What follows the last frame is padding: the sound data is used up.
    file_.dataLeft = 0;
    position_ = length_;
  }
  for (int i = 0; i < frames; ++i) {
    const int32_t* frame = file_.dwvwSamples.data() + static_cast<size_t>(i) * channels;
    block.left[i] = static_cast<int16_t>(frame[0] >> 16);
    if (channels > 1) block.right[i] = static_cast<int16_t>(frame[file_.rightChannel] >> 16);
  }
  return frames;
}
