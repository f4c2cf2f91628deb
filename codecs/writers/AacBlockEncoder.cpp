#include "codecs/writers/AacBlockEncoder.h"

#include <algorithm>
#include <cstring>

namespace {

int16_t Widen(uint8_t sample) {
  return static_cast<int16_t>((sample - 128) * 256);
}

}  // namespace

bool AacBlockEncoder::Open(const WriterFormat& format, unsigned int outputFormat) {
  Close();
  if ((format.channels != 1 && format.channels != 2) || (format.bits != 8 && format.bits != 16))
    return false;
  unsigned long inputSamples = 0, maxOutputBytes = 0;
  AacEncoderPtr encoder(AacEncOpen(format.rate, format.channels, &inputSamples, &maxOutputBytes));
  AacEncConfiguration* config = AacEncGetCurrentConfiguration(encoder.get());
  if (!config || inputSamples == 0 || inputSamples % format.channels != 0) return false;
  config->aacObjectType = AAC_LOW;
  config->mpegVersion = AAC_MPEG4;
  config->useTns = 0;
  config->allowMidside = 1;
  config->bandWidth = 0;
  config->outputFormat = outputFormat;
  config->inputFormat = AAC_INPUT_16BIT;
  encoder_ = std::move(encoder);
  format_ = format;
  frameLength_ = static_cast<unsigned int>(inputSamples / format.channels);
  input_.resize(inputSamples);
  output_.resize(maxOutputBytes);
  return true;
}

bool AacBlockEncoder::Start(const AacEncoderSettings& settings) {
  if (!encoder_ || started_) return false;
  AacEncConfiguration* config = AacEncGetCurrentConfiguration(encoder_.get());
  if (settings.quantqual) config->quantqual = *settings.quantqual;
  if (settings.bitRate) config->bitRate = *settings.bitRate;
  if (settings.mpegVersion) config->mpegVersion = *settings.mpegVersion;
  if (settings.useTns) config->useTns = *settings.useTns;
  if (settings.allowMidside) config->allowMidside = *settings.allowMidside;
  if (settings.shortctl) config->shortctl = *settings.shortctl;
  if (AacEncSetConfiguration(encoder_.get(), config) == 0) return false;
  fill_ = 0;
  framesIn_ = 0;
  started_ = true;
  failed_ = false;
  return true;
}

const AacEncConfiguration* AacBlockEncoder::Configuration() const {
  return AacEncGetCurrentConfiguration(encoder_.get());
}

std::vector<uint8_t> AacBlockEncoder::DecoderSpecificInfo() const {
  std::vector<uint8_t> info;
  if (!started_ || !AacEncGetDecoderSpecificInfo(encoder_.get(), info)) info.clear();
  return info;
}

bool AacBlockEncoder::Write16(const int16_t* left, const int16_t* right, int count,
                              AacFrameSink& sink) {
  return Append(left, right, count, 16, sink);
}

bool AacBlockEncoder::Write8(const uint8_t* left, const uint8_t* right, int count,
                             AacFrameSink& sink) {
  return Append(left, right, count, 8, sink);
}

bool AacBlockEncoder::WriteSilence(int count, AacFrameSink& sink) {
  const std::vector<int16_t> silence(static_cast<size_t>(std::max(count, 0)));
  return Append(silence.data(), silence.data(), count, format_.bits, sink);
}

template <typename Sample>
bool AacBlockEncoder::Append(const Sample* left, const Sample* right, int count, unsigned int bits,
                             AacFrameSink& sink) {
  if (!started_ || failed_) return false;
  const size_t channels = format_.channels;
  if (bits != format_.bits || count < 0 || (count > 0 && (!left || (channels == 2 && !right)))) {
    failed_ = true;
    return false;
  }
  const auto widen = [](Sample sample) -> int16_t {
    if constexpr (sizeof(Sample) == 1) {
      return Widen(sample);
    } else {
      return sample;
    }
  };
  size_t at = 0;
  const size_t total = static_cast<size_t>(count);
  while (at < total) {
    const size_t frames = std::min((input_.size() - fill_) / channels, total - at);
    int16_t* out = input_.data() + fill_;
    if (channels == 2) {
      for (size_t i = 0; i < frames; ++i) {
        out[2 * i] = widen(left[at + i]);
        out[2 * i + 1] = widen(right[at + i]);
      }
    } else {
      for (size_t i = 0; i < frames; ++i) out[i] = widen(left[at + i]);
    }
    fill_ += frames * channels;
    at += frames;
    if (fill_ == input_.size() && !EncodeBuffer(sink)) return false;
  }
  return true;
}

bool AacBlockEncoder::Finish(AacFrameSink& sink) {
  if (!started_ || failed_) return false;
  if (!EncodeBuffer(sink)) return false;
  // The encoder holds at least its delay: drain it until it has nothing.
  int produced = 0;
  do {
    if (!Encode(nullptr, 0, sink, produced)) return false;
  } while (produced > 0);
  return true;
}

void AacBlockEncoder::Close() {
  encoder_.reset();
  input_ = std::vector<int16_t>();
  output_ = std::vector<uint8_t>();
  format_ = WriterFormat();
  frameLength_ = 0;
  fill_ = 0;
  framesIn_ = 0;
  started_ = false;
  failed_ = false;
}

bool AacBlockEncoder::EncodeBuffer(AacFrameSink& sink) {
  framesIn_ += fill_ / format_.channels;
  int produced = 0;
  const bool ok = Encode(input_.data(), static_cast<unsigned int>(fill_), sink, produced);
  fill_ = 0;
  return ok;
}

bool AacBlockEncoder::Encode(const int16_t* input, unsigned int samples, AacFrameSink& sink,
                             int& produced) {
  produced = AacEncEncode(encoder_.get(), input, samples, output_.data(),
                          static_cast<unsigned int>(output_.size()));
  if (produced < 0 ||
      (produced > 0 && !sink.StoreFrame(output_.data(), static_cast<size_t>(produced)))) {
    failed_ = true;
    return false;
  }
  return true;
}
