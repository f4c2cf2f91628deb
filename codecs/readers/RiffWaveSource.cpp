#include "codecs/readers/RiffWaveSource.h"

#include <algorithm>
#include <cstring>

#include "codecs/readers/WaveAdpcm.h"
#include "codecs/readers/WaveFormatTags.h"
#include "platform/bytes/ByteOrder.h"
#include "source/SourceKind.h"

namespace {

constexpr uint16_t kTagPcm = WaveFormatTags::kPcm;
constexpr uint16_t kTagMsAdpcm = 2;
constexpr uint16_t kTagFloat = WaveFormatTags::kFloat;
constexpr uint16_t kTagAlaw = 6;
constexpr uint16_t kTagUlaw = 7;
constexpr uint16_t kTagImaAdpcm = 17;
constexpr uint16_t kTagGsm = 49;
constexpr uint16_t kTagExtensible = WaveFormatTags::kExtensible;

constexpr int kMaxChannels = static_cast<int>(WaveFormatTags::kMaxChannels);
constexpr uint16_t kGsmBlockAlign = 65;
constexpr uint32_t kGsmSamplesPerBlock = 320;


bool IsLetter(uint8_t c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

}  // namespace

bool RiffWaveSource::Parse() { return ParseChunks() && Prepare(); }

bool RiffWaveSource::ParseChunks() {
  uint8_t header[12];
  if (!bytes_->ReadExact(header, sizeof header)) return false;
  if (std::memcmp(header, "RIFF", 4) != 0 || std::memcmp(header + 8, "WAVE", 4) != 0) return false;

  for (;;) {
    uint8_t chunk[8];
    if (!bytes_->ReadExact(chunk, sizeof chunk)) return false;
    const uint32_t size = LoadLe<32>(chunk + 4);
    if (std::memcmp(chunk, "data", 4) == 0) {
      if (!file_.formatSeen) return false;
      uint64_t dataSize = size;
      // A size of 0 is what an interrupted writer leaves: the data runs to
      // the end of the file. A size past the end is cut to what is there.
      if (dataSize == 0 || dataSize > bytes_->Remaining()) dataSize = bytes_->Remaining();
      length_ = dataSize;
      file_.dataLeft = dataSize;
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

  file_.formatTag = LoadLe<16>(&fmt[0]);
  channels_ = LoadLe<16>(&fmt[2]);
  sampleRate_ = LoadLe<32>(&fmt[4]);
  file_.blockAlign = LoadLe<16>(&fmt[12]);
  file_.storedBits = LoadLe<16>(&fmt[14]);
  if (channels_ < 1 || sampleRate_ == 0) return false;
  outputChannels_ = std::min<uint32_t>(channels_, 2);
  const size_t extraSize = fmt.size() >= 18 ? LoadLe<16>(&fmt[16]) : 0;
  const size_t extraAvailable = fmt.size() > 18 ? fmt.size() - 18 : 0;

  uint16_t tag = file_.formatTag;
  if (tag == kTagExtensible && extraSize >= 22 && extraAvailable >= 22) {
    // The sub-format GUID tells PCM from float; anything else is refused.
    const uint8_t* guid = &fmt[24];
    if (!WaveFormatTags::IsStandardSubFormat(guid)) return false;
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
      switch (file_.storedBits) {
        case 8: file_.sampleFormat = SampleFormat::U8; bitsPerSample_ = 8; break;
        case 16: file_.sampleFormat = SampleFormat::S16Le; break;
        case 24: file_.sampleFormat = SampleFormat::S24Le; break;
        case 32: file_.sampleFormat = SampleFormat::S32Le; break;
        default: return false;
      }
      file_.codec = Codec::Fixed;
      return file_.formatSeen = true;
    case kTagFloat:
      if (channels_ > kMaxChannels) return false;
      if (file_.storedBits == 32) {
        file_.sampleFormat = SampleFormat::F32Le;
      } else if (file_.storedBits == 64) {
        file_.sampleFormat = SampleFormat::F64Le;
      } else {
        return false;
      }
      file_.codec = Codec::Fixed;
      return file_.formatSeen = true;
    case kTagAlaw:
    case kTagUlaw:
      if (channels_ > kMaxChannels) return false;
      file_.sampleFormat = tag == kTagAlaw ? SampleFormat::ALaw : SampleFormat::ULaw;
      file_.storedBits = 8;  // the stored code is always one byte
      file_.codec = Codec::Fixed;
      return file_.formatSeen = true;
    case kTagMsAdpcm: {
      if (channels_ > 2 || extraSize <= 3 || extraAvailable < 4) return false;
      file_.samplesPerBlock = LoadLe<16>(&fmt[18]);
      const size_t count = LoadLe<16>(&fmt[20]);
      if (extraAvailable < 4 + 4 * count || count == 0) return false;
      file_.msCoefficients.resize(2 * count);
      for (size_t i = 0; i < 2 * count; ++i)
        file_.msCoefficients[i] = static_cast<int16_t>(LoadLe<16>(&fmt[22 + 2 * i]));
      if (file_.samplesPerBlock < 2 ||
          WaveAdpcm::MsAdpcmBlockBytes(static_cast<int>(channels_),
                                       static_cast<int>(file_.samplesPerBlock)) > file_.blockAlign)
        return false;
      file_.codec = Codec::MsAdpcm;
      return file_.formatSeen = true;
    }
    case kTagImaAdpcm:
      if (channels_ > 2 || extraSize < 2 || extraAvailable < 2) return false;
      file_.samplesPerBlock = LoadLe<16>(&fmt[18]);
      if (file_.samplesPerBlock < 1 ||
          WaveAdpcm::ImaBlockBytes(static_cast<int>(channels_),
                                   static_cast<int>(file_.samplesPerBlock)) > file_.blockAlign)
        return false;
      file_.codec = Codec::ImaAdpcm;
      return file_.formatSeen = true;
    case kTagGsm:
      // GSM 06.10 is mono: two 160-sample frames in 65 bytes.
      if (channels_ != 1 || file_.blockAlign != kGsmBlockAlign || chunkSize < 20 ||
          extraSize <= 1 || extraAvailable < 2 || LoadLe<16>(&fmt[18]) != kGsmSamplesPerBlock)
        return false;
      file_.samplesPerBlock = kGsmSamplesPerBlock;
      file_.codec = Codec::Gsm;
      return file_.formatSeen = true;
    default:
      return false;
  }
}

bool RiffWaveSource::Prepare() {
  bytesPerSample_ = bitsPerSample_ / 8;
  uint64_t frames = 0;
  if (file_.codec == Codec::Fixed) {
    const size_t sampleBytes = static_cast<size_t>(SampleCodecs::StoredBytes(file_.sampleFormat));
    file_.layout.frameBytes = sampleBytes * channels_;
    file_.layout.rightOffset = sampleBytes;
    file_.layout.stereo = channels_ >= 2;
    file_.readBuffer.resize(file_.layout.frameBytes * BLOCK_SAMPLES);
    frames = length_ * 8 / file_.storedBits / channels_;
  } else {
    file_.readBuffer.resize(file_.blockAlign);
    file_.decoded.resize(static_cast<size_t>(file_.samplesPerBlock) * channels_);
    if (file_.codec == Codec::Gsm) {
      file_.gsm = std::make_unique<GsmDecoder>(true);
      if (!file_.gsm->IsValid()) return false;
      frames = length_ * kGsmSamplesPerBlock / kGsmBlockAlign;
    } else {
      frames = static_cast<uint64_t>(file_.samplesPerBlock) * length_ / file_.blockAlign;
    }
  }
  // Data without one whole frame, or for the block codecs one whole block,
  // is no sound.
  if (length_ < (file_.codec == Codec::Fixed ? file_.layout.frameBytes : file_.blockAlign))
    return false;
  SetDuration(static_cast<double>(frames) / sampleRate_);
  contentKind_ = KIND_WAVE;
  SetBitRate(file_.storedBits);
  return true;
}

int RiffWaveSource::Read(PcmBlock& block) {
  block.frames = 0;
  if (!bytes_) return 0;
  block.frames = file_.codec == Codec::Fixed ? ReadFixed(block) : ReadDecoded(block);
  return block.frames;
}

int RiffWaveSource::ReadFixed(PcmBlock& block) {
  const uint64_t wanted = std::min<uint64_t>(file_.readBuffer.size(), file_.dataLeft);
  const size_t whole =
      static_cast<size_t>(wanted / file_.layout.frameBytes * file_.layout.frameBytes);
  if (whole == 0) return 0;
  const size_t got = bytes_->Read(file_.readBuffer.data(), whole);
  file_.dataLeft -= got;
  position_ += got;
  const int frames = static_cast<int>(got / file_.layout.frameBytes);
  if (frames == 0) {
    file_.dataLeft = 0;
    return 0;
  }
  SampleCodecs::ConvertFrames(file_.readBuffer.data(), frames, file_.sampleFormat, file_.layout,
                              block);
  return frames;
}

int RiffWaveSource::ReadDecoded(PcmBlock& block) {
  if (file_.cursor == file_.decodedFrames && !DecodeNextBlock()) return 0;
  const size_t frames = std::min<size_t>(file_.decodedFrames - file_.cursor, BLOCK_SAMPLES);
  const int16_t* in = file_.decoded.data() + file_.cursor * channels_;
  for (size_t i = 0; i < frames; ++i, in += channels_) {
    block.left[i] = in[0];
    if (channels_ >= 2) block.right[i] = in[1];
  }
  file_.cursor += frames;
  return static_cast<int>(frames);
}

bool RiffWaveSource::DecodeNextBlock() {
  file_.cursor = 0;
  file_.decodedFrames = 0;
  if (file_.dataLeft < file_.blockAlign) {
    file_.dataLeft = 0;
    return false;
  }
  const size_t got = bytes_->Read(file_.readBuffer.data(), file_.blockAlign);
  file_.dataLeft -= got;
  position_ += got;
  if (got != file_.blockAlign) {
    file_.dataLeft = 0;
    return false;
  }
  const int channels = static_cast<int>(channels_);
  const int samples = static_cast<int>(file_.samplesPerBlock);
  bool ok = false;
  switch (file_.codec) {
    case Codec::MsAdpcm:
      ok = WaveAdpcm::DecodeMsAdpcmBlock(file_.readBuffer.data(), got, channels, samples,
                                         file_.msCoefficients, file_.decoded.data());
      break;
    case Codec::ImaAdpcm:
      ok = WaveAdpcm::DecodeImaBlock(file_.readBuffer.data(), got, channels, samples,
                                     file_.decoded.data());
      break;
    case Codec::Gsm:
      ok = file_.gsm->DecodeFrame(file_.readBuffer.data(), file_.decoded.data()) &&
           file_.gsm->DecodeFrame(file_.readBuffer.data() + GsmDecoder::kFrameBytes,
                             file_.decoded.data() + GsmDecoder::kFrameSamples);
      break;
    case Codec::Fixed:
      break;
  }
  if (!ok) {
    file_.dataLeft = 0;
    return false;
  }
  file_.decodedFrames = file_.samplesPerBlock;
  return true;
}
