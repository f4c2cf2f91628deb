#include "convert/SampleConverter.h"

#include <soxr.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>

namespace {

// Factors beyond this would make the resampler allocate filter and output
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
  CloseResampler();
}

void SampleConverter::CloseResampler() {
  if (resampler_) soxr_delete(resampler_);
  resampler_ = nullptr;
  filterChannels_ = 0;
}

bool SampleConverter::Prepare() {
  CloseResampler();
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
    // Two channels go through the filter only when stereo stays stereo:
    // stereo to mono is averaged first, and mono input reaches a stereo
    // output by duplication. Planar floats in and out; the high-quality
    // recipe keeps the pass band flat to 0.01 dB up to 91% of the lower
    // Nyquist frequency and aliases and images far below 16-bit silence.
    filterChannels_ = inputChannels == 2 && outputChannels == 2 ? 2 : 1;
    const soxr_io_spec_t io = soxr_io_spec(SOXR_FLOAT32_S, SOXR_FLOAT32_S);
    const soxr_quality_spec_t quality = soxr_quality_spec(SOXR_HQ, 0);
    soxr_error_t error = nullptr;
    resampler_ = soxr_create(inputRate, outputRate, static_cast<unsigned>(filterChannels_), &error,
                             &io, &quality, nullptr);
    if (!resampler_ || error) {
      CloseResampler();
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
  if (!resampler_) return ProcessSameRate(inLeft, inRight, count, outLeft, outRight, outCount);

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

  const int produced = Resample(left, stereo ? inRight : nullptr, count, false);
  if (produced < 0) return false;
  inputTotal_ += static_cast<uint64_t>(count);
  producedTotal_ += static_cast<uint64_t>(produced);
  Deliver(pending_ + produced, stereo, outLeft, outRight, OutputCapacity(count), outCount);
  return true;
}

bool SampleConverter::Flush(void* outLeft, void* outRight, int& outCount) {
  outCount = 0;
  if (!prepared_ || !outLeft || (outputChannels == 2 && !outRight)) return false;
  if (!resampler_) return true;
  const bool stereo = filterChannels_ == 2;

  int available = pending_;
  if (!flushed_) {
    flushed_ = true;
    const int produced = Resample(nullptr, nullptr, 0, true);
    if (produced < 0) return false;
    // The file as a whole keeps round(input x factor) samples, whatever the
    // filter's rounding of its last samples: extra ones are dropped, and a
    // shortfall is made up with silence.
    const uint64_t wanted =
        static_cast<uint64_t>(std::llround(static_cast<double>(inputTotal_) * factor_));
    available += produced;
    const uint64_t total = producedTotal_ + static_cast<uint64_t>(produced);
    if (total > wanted) {
      available -= static_cast<int>(std::min<uint64_t>(total - wanted, available));
    } else if (total < wanted) {
      const uint64_t missing = std::min<uint64_t>(wanted - total, INT_MAX - available);
      AppendSilence(static_cast<size_t>(available), static_cast<size_t>(missing));
      available += static_cast<int>(missing);
    }
    producedTotal_ = wanted;
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

int SampleConverter::Resample(const void* inLeft, const void* inRight, int count, bool last) {
  // Both channels sit in one float buffer, the right after the left.
  const size_t samples = static_cast<size_t>(count);
  float* floats = reinterpret_cast<float*>(
      floatInput_.Reserve(std::max<size_t>(samples * filterChannels_, 1) * sizeof(float)));
  const void* inputs[2] = {inLeft, inRight};
  const float* channels[2] = {floats, floats + samples};
  for (int c = 0; c < filterChannels_ && count > 0; ++c) {
    float* target = floats + samples * c;
    if (inputBits == 16) {
      const int16_t* in = static_cast<const int16_t*>(inputs[c]);
      for (int i = 0; i < count; ++i) target[i] = in[i] * (1.0f / 32768.0f);
    } else {
      const uint8_t* in = static_cast<const uint8_t*>(inputs[c]);
      for (int i = 0; i < count; ++i) target[i] = (in[i] - 128) * (1.0f / 128.0f);
    }
  }

  // The resampler takes no more input than its output room allows and keeps
  // what it made beyond that room, so it is called until every input sample
  // is used and the output was not cut short. The last call tells it the
  // input has ended: it runs its filter to the end.
  const size_t room = static_cast<size_t>(OutputCapacity(std::max(count, kFlushBlock))) + 64;
  float* result =
      reinterpret_cast<float*>(floatOutput_.Reserve(room * filterChannels_ * sizeof(float)));
  float* outputs[2] = {result, filterChannels_ == 2 ? result + room : nullptr};
  const size_t pending = static_cast<size_t>(pending_);
  size_t made = 0;
  size_t used = 0;
  while (true) {
    const float* from[2] = {channels[0] + used,
                            filterChannels_ == 2 ? channels[1] + used : nullptr};
    size_t usedNow = 0;
    size_t madeNow = 0;
    if (soxr_process(resampler_, last ? nullptr : from, samples - used, &usedNow, outputs, room,
                     &madeNow))
      return -1;
    AppendAtOutputDepth(outputs, pending + made, madeNow);
    used += usedNow;
    made += madeNow;
    if (used >= samples && madeNow < room) break;
    if (usedNow == 0 && madeNow == 0) break;
  }
  return static_cast<int>(made);
}

void SampleConverter::AppendAtOutputDepth(const float* const* floats, size_t at, size_t made) {
  const size_t width = static_cast<size_t>(outputBits / 8);
  Buffer* targets[2] = {&resampledLeft_, &resampledRight_};
  for (int c = 0; c < filterChannels_; ++c) {
    uint8_t* target = targets[c]->Reserve(std::max<size_t>((at + made) * width, 1), at * width);
    const float* result = floats[c];
    if (outputBits == 16) {
      int16_t* samples = reinterpret_cast<int16_t*>(target) + at;
      for (size_t i = 0; i < made; ++i)
        samples[i] = static_cast<int16_t>(Clamped(result[i]) * 32767.0f);
    } else {
      uint8_t* samples = target + at;
      for (size_t i = 0; i < made; ++i)
        samples[i] = static_cast<uint8_t>(128 + static_cast<int>(Clamped(result[i]) * 127.0f));
    }
  }
}

void SampleConverter::AppendSilence(size_t at, size_t count) {
  const size_t width = static_cast<size_t>(outputBits / 8);
  Buffer* targets[2] = {&resampledLeft_, &resampledRight_};
  for (int c = 0; c < filterChannels_; ++c) {
    uint8_t* target = targets[c]->Reserve(std::max<size_t>((at + count) * width, 1), at * width);
    std::memset(target + at * width, outputBits == 16 ? 0 : 128, count * width);
  }
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
