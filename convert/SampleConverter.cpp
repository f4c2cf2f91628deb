#include "convert/SampleConverter.h"

#include <libresample.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>

namespace {

// Factors beyond this would make libresample allocate filter and output
// buffers in proportion, so a forged sample rate could ask for gigabytes.
constexpr double kMaxFactor = 256.0;

bool ValidChannels(int32_t channels) {
  return channels == 1 || channels == 2;
}
bool ValidBits(int32_t bits) {
  return bits == 8 || bits == 16;
}

// Arithmetic right shifts: (a + b) >> 1 rounds toward minus infinity, so -1
// and 0 average to -1.
void Average16(const int16_t* left, const int16_t* right, int count, int16_t* out) {
  for (int i = 0; i < count; ++i)
    out[i] = static_cast<int16_t>((static_cast<int32_t>(left[i]) + right[i]) >> 1);
}

void Average8(const uint8_t* left, const uint8_t* right, int count, uint8_t* out) {
  for (int i = 0; i < count; ++i) out[i] = static_cast<uint8_t>((left[i] + right[i]) >> 1);
}

void Widen8To16(const uint8_t* in, int count, int16_t* out) {
  for (int i = 0; i < count; ++i) out[i] = static_cast<int16_t>((in[i] - 128) * 256);
}

void Narrow16To8(const int16_t* in, int count, uint8_t* out) {
  for (int i = 0; i < count; ++i) out[i] = static_cast<uint8_t>((in[i] >> 8) + 128);
}

// A float sample clamped to -1..1; a value that is not a number counts as
// below -1.
float Clamped(float value) {
  if (!(value >= -1.0f)) return -1.0f;
  return value > 1.0f ? 1.0f : value;
}

}  // namespace

uint8_t* SampleConverter::Buffer::Reserve(size_t bytes, size_t keep) {
  if (bytes > capacity) {
    std::unique_ptr<uint8_t[]> grown(new uint8_t[bytes]);
    if (keep > 0) std::memcpy(grown.get(), data.get(), std::min(keep, capacity));
    data = std::move(grown);
    capacity = bytes;
  }
  return data.get();
}

SampleConverter::SampleConverter() = default;

SampleConverter::~SampleConverter() {
  CloseResamplers();
}

void SampleConverter::CloseResamplers() {
  if (resamplerLeft_) resample_close(resamplerLeft_);
  if (resamplerRight_) resample_close(resamplerRight_);
  resamplerLeft_ = nullptr;
  resamplerRight_ = nullptr;
}

bool SampleConverter::Prepare() {
  CloseResamplers();
  prepared_ = false;
  flushed_ = false;
  pending_ = 0;
  inputTotal_ = 0;
  producedTotal_ = 0;
  factor_ = 1.0;
  if (!ValidChannels(inputChannels) || !ValidChannels(outputChannels) || !ValidBits(inputBits) ||
      !ValidBits(outputBits) || inputRate <= 0 || outputRate <= 0)
    return false;

  if (inputRate != outputRate) {
    factor_ = static_cast<double>(outputRate) / inputRate;
    if (factor_ > kMaxFactor || factor_ < 1.0 / kMaxFactor) return false;
    resamplerLeft_ = resample_open(1, factor_, factor_);
    // The right resampler is needed only when two channels go through the
    // filter; mono input reaches a stereo output by duplication.
    if (inputChannels == 2 && outputChannels == 2)
      resamplerRight_ = resample_open(1, factor_, factor_);
    if (!resamplerLeft_ || (inputChannels == 2 && outputChannels == 2 && !resamplerRight_)) {
      CloseResamplers();
      return false;
    }
  }
  prepared_ = true;
  return true;
}

int SampleConverter::OutputCapacity(int count) const {
  if (inputRate <= 0 || outputRate <= 0 || count <= 0) return std::max(count, 0);
  const int64_t capacity = (static_cast<int64_t>(outputRate / inputRate) + 1) * count;
  return static_cast<int>(std::min<int64_t>(capacity, INT_MAX));
}

size_t SampleConverter::BufferBytes() const {
  return mix_.capacity + depthLeft_.capacity + depthRight_.capacity + floatInput_.capacity +
         floatOutput_.capacity + resampledLeft_.capacity + resampledRight_.capacity;
}

bool SampleConverter::Process(const void* inLeft, const void* inRight, int count, void* outLeft,
                              void* outRight, int& outCount) {
  outCount = 0;
  if (!prepared_ || flushed_ || count < 0) return false;
  if (count > 0 && (!inLeft || !outLeft || (inputChannels == 2 && !inRight) ||
                    (outputChannels == 2 && !outRight)))
    return false;
  if (!resamplerLeft_) return ProcessSameRate(inLeft, inRight, count, outLeft, outRight, outCount);

  // Stereo to mono is averaged before resampling, at the input depth, so
  // one filter serves.
  const void* left = inLeft;
  bool stereo = inputChannels == 2;
  if (stereo && outputChannels == 1) {
    const size_t bytes = static_cast<size_t>(count) * (inputBits / 8);
    uint8_t* mixed = mix_.Reserve(std::max<size_t>(bytes, 1));
    if (inputBits == 16)
      Average16(static_cast<const int16_t*>(inLeft), static_cast<const int16_t*>(inRight), count,
                reinterpret_cast<int16_t*>(mixed));
    else
      Average8(static_cast<const uint8_t*>(inLeft), static_cast<const uint8_t*>(inRight), count,
               mixed);
    left = mixed;
    stereo = false;
  }

  int produced = ResampleChannel(resamplerLeft_, left, count, false, resampledLeft_);
  if (produced < 0) return false;
  if (stereo) {
    const int right = ResampleChannel(resamplerRight_, inRight, count, false, resampledRight_);
    if (right < 0) return false;
    // Both filters see the same counts, so they give the same number.
    produced = std::min(produced, right);
  }
  inputTotal_ += static_cast<uint64_t>(count);
  producedTotal_ += static_cast<uint64_t>(produced);
  Deliver(pending_ + produced, stereo, outLeft, outRight, OutputCapacity(count), outCount);
  return true;
}

bool SampleConverter::Flush(void* outLeft, void* outRight, int& outCount) {
  outCount = 0;
  if (!prepared_ || !outLeft || (outputChannels == 2 && !outRight)) return false;
  if (!resamplerLeft_) return true;
  const bool stereo = resamplerRight_ != nullptr;

  int available = pending_;
  if (!flushed_) {
    flushed_ = true;
    int produced = ResampleChannel(resamplerLeft_, nullptr, 0, true, resampledLeft_);
    if (produced < 0) return false;
    if (stereo) {
      const int right = ResampleChannel(resamplerRight_, nullptr, 0, true, resampledRight_);
      if (right < 0) return false;
      produced = std::min(produced, right);
    }
    // The last call of libresample runs on past the end by up to one input
    // sample's worth; the file as a whole keeps round(input x factor).
    const uint64_t wanted =
        static_cast<uint64_t>(std::llround(static_cast<double>(inputTotal_) * factor_));
    available += produced;
    const uint64_t total = producedTotal_ + static_cast<uint64_t>(produced);
    if (total > wanted)
      available -= static_cast<int>(std::min<uint64_t>(total - wanted, available));
    producedTotal_ = std::min(total, wanted);
  }
  Deliver(available, stereo, outLeft, outRight, OutputCapacity(kFlushBlock), outCount);
  return true;
}

bool SampleConverter::ProcessSameRate(const void* inLeft, const void* inRight, int count,
                                      void* outLeft, void* outRight, int& outCount) {
  const size_t samples = static_cast<size_t>(count);
  const void* left = inLeft;
  const void* right = inRight;

  if (inputBits != outputBits) {
    const int channels = inputChannels;
    const void* sources[2] = {inLeft, inRight};
    Buffer* targets[2] = {&depthLeft_, &depthRight_};
    const void** results[2] = {&left, &right};
    for (int c = 0; c < channels; ++c) {
      uint8_t* converted = targets[c]->Reserve(std::max<size_t>(samples * (outputBits / 8), 1));
      if (outputBits == 16)
        Widen8To16(static_cast<const uint8_t*>(sources[c]), count,
                   reinterpret_cast<int16_t*>(converted));
      else
        Narrow16To8(static_cast<const int16_t*>(sources[c]), count, converted);
      *results[c] = converted;
    }
  }

  if (inputChannels == 1 && outputChannels == 2) {
    right = left;
  } else if (inputChannels == 2 && outputChannels == 1) {
    uint8_t* mixed = mix_.Reserve(std::max<size_t>(samples * (outputBits / 8), 1));
    if (outputBits == 16)
      Average16(static_cast<const int16_t*>(left), static_cast<const int16_t*>(right), count,
                reinterpret_cast<int16_t*>(mixed));
    else
      Average8(static_cast<const uint8_t*>(left), static_cast<const uint8_t*>(right), count, mixed);
    left = mixed;
  }

  const size_t bytes = samples * (outputBits / 8);
  if (bytes > 0) {
    std::memcpy(outLeft, left, bytes);
    if (outputChannels == 2) std::memcpy(outRight, right, bytes);
  }
  outCount = count;
  return true;
}

int SampleConverter::ResampleChannel(void* resampler, const void* in, int count, bool last,
                                     Buffer& out) {
  float* floats =
      reinterpret_cast<float*>(floatInput_.Reserve(std::max<size_t>(count, 1) * sizeof(float)));
  if (inputBits == 16) {
    const int16_t* samples = static_cast<const int16_t*>(in);
    for (int i = 0; i < count; ++i) floats[i] = samples[i] * (1.0f / 32768.0f);
  } else {
    const uint8_t* samples = static_cast<const uint8_t*>(in);
    for (int i = 0; i < count; ++i) floats[i] = (samples[i] - 128) * (1.0f / 128.0f);
  }

  // libresample keeps input it could not turn into output while its output
  // buffer was full, so it is called until every input sample is used and
  // the output was not cut short; the buffer grows as needed. The last call
  // pads the filter with silence and runs it to the end.
  const size_t step = static_cast<size_t>(OutputCapacity(std::max(count, kFlushBlock))) + 64;
  size_t made = 0;
  int used = 0;
  while (true) {
    const size_t room = step;
    float* result = reinterpret_cast<float*>(
        floatOutput_.Reserve((made + room) * sizeof(float), made * sizeof(float)));
    int usedNow = 0;
    const int n = resample_process(resampler, factor_, floats + used, count - used, last ? 1 : 0,
                                   &usedNow, result + made, static_cast<int>(room));
    if (n < 0) return -1;
    used += usedNow;
    made += static_cast<size_t>(n);
    if (used >= count && static_cast<size_t>(n) < room) break;
    if (n == 0 && usedNow == 0) break;
  }

  // Append at the output depth after the samples still pending.
  const float* result = floatOutput_.As<float>();
  const size_t width = static_cast<size_t>(outputBits / 8);
  const size_t pending = static_cast<size_t>(pending_);
  uint8_t* target = out.Reserve(std::max<size_t>((pending + made) * width, 1), pending * width);
  if (outputBits == 16) {
    int16_t* samples = reinterpret_cast<int16_t*>(target) + pending;
    for (size_t i = 0; i < made; ++i)
      samples[i] = static_cast<int16_t>(Clamped(result[i]) * 32767.0f);
  } else {
    uint8_t* samples = target + pending;
    for (size_t i = 0; i < made; ++i)
      samples[i] = static_cast<uint8_t>(128 + static_cast<int>(Clamped(result[i]) * 127.0f));
  }
  return static_cast<int>(made);
}

void SampleConverter::Deliver(int available, bool stereoInput, void* outLeft, void* outRight,
                              int capacity, int& outCount) {
  const int given = std::min(available, capacity);
  const size_t width = static_cast<size_t>(outputBits / 8);
  const size_t bytes = static_cast<size_t>(given) * width;
  const size_t rest = static_cast<size_t>(available - given) * width;
  Buffer& right = stereoInput ? resampledRight_ : resampledLeft_;
  if (bytes > 0) {
    std::memcpy(outLeft, resampledLeft_.data.get(), bytes);
    if (outputChannels == 2) std::memcpy(outRight, right.data.get(), bytes);
  }
  if (rest > 0) {
    std::memmove(resampledLeft_.data.get(), resampledLeft_.data.get() + bytes, rest);
    if (stereoInput) std::memmove(right.data.get(), right.data.get() + bytes, rest);
  }
  pending_ = available - given;
  outCount = given;
}
