#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

struct soxr;

// Adapts the planar blocks of one source to what a writer expects: sample
// rate (through libsoxr's high-quality linear-phase filter), channel count
// (mono to stereo by duplication, stereo to mono by averaging) and bit depth
// (signed 16-bit, or unsigned 8-bit with 128 as silence). One converter
// serves one file: the resampler carries its filter history from block to
// block, so the file is resampled as one continuous stream, and Flush emits
// what the filter still holds at the end.
//
// Use: set the six format members, Prepare, Process every block, Flush once
// the source has ended.
class SampleConverter {
 public:
  SampleConverter();
  SampleConverter(const SampleConverter&) = delete;
  SampleConverter& operator=(const SampleConverter&) = delete;
  virtual ~SampleConverter();

  // The formats; -1 until the caller sets them. Channels are 1 or 2, bits
  // 8 or 16, rates in Hz.
  int32_t outputChannels = -1;
  int32_t outputRate = -1;
  int32_t outputBits = -1;
  int32_t inputChannels = -1;
  int32_t inputRate = -1;
  int32_t inputBits = -1;

  // Checks the formats and, when the rates differ, opens the resampler for
  // the fixed factor output rate / input rate, with one channel (mono
  // input, or stereo averaged to mono) or two. False for a format outside
  // the ranges above, a factor beyond 1/256..256, or a resampler that
  // cannot be opened; Process then refuses every block.
  bool Prepare();

  // Converts `count` samples per channel from `inLeft` (and `inRight` when
  // the input has 2 channels) into `outLeft` (and `outRight` when the output
  // has 2 channels), at the input and output depths: int16_t arrays for 16
  // bits, uint8_t arrays for 8. `outCount` receives the samples per channel
  // written, never more than OutputCapacity(count). False when the
  // converter is not prepared or has been flushed, `count` is negative, an
  // array the formats need is missing, or the resampler fails.
  bool Process(const void* inLeft, const void* inRight, int count, void* outLeft, void* outRight,
               int& outCount);

  // Ends the stream: the resampler gets its last call, and the samples
  // still in its filter come out, trimmed (or padded with silence) so that
  // the whole file has round(input samples x factor) samples. Writes at most
  // OutputCapacity(kFlushBlock) samples per channel per call; call it until
  // `outCount` is 0. Without a rate change there is nothing to flush.
  bool Flush(void* outLeft, void* outRight, int& outCount);

  // The samples per channel that a block of `count` input samples can give:
  // ((output rate / input rate, integer division) + 1) x count. The caller
  // sizes its output arrays for it.
  int OutputCapacity(int count) const;

  // Bytes held by the working buffers, which only ever grow.
  size_t BufferBytes() const;

  // The block length whose capacity Flush stays within.
  static constexpr int kFlushBlock = 1152;

 private:
  // Owned memory that grows to the largest request and never shrinks.
  struct Buffer {
    std::unique_ptr<uint8_t[]> data;
    size_t capacity = 0;
    // Grows to at least `bytes`, keeping the first `keep` bytes.
    uint8_t* Reserve(size_t bytes, size_t keep = 0);
    template <typename T>
    T* As() {
      return reinterpret_cast<T*>(data.get());
    }
  };

  void CloseResampler();
  bool ProcessSameRate(const void* inLeft, const void* inRight, int count, void* outLeft,
                       void* outRight, int& outCount);
  // Resamples `count` samples of the filter's channels (`inRight` only when
  // it has two; none and `last` to drain it) and appends the result, at the
  // output depth, after the pending samples of the resampled buffers.
  // Returns the samples per channel appended; -1 when the resampler fails.
  int Resample(const void* inLeft, const void* inRight, int count, bool last);
  // Writes `made` resampled floats per channel, at the output depth, after
  // the `at` samples already in the resampled buffers.
  void AppendAtOutputDepth(const float* const* floats, size_t at, size_t made);
  // Appends `count` samples of silence after the `at` samples already in
  // the resampled buffers.
  void AppendSilence(size_t at, size_t count);
  // Appends `produced` new samples per channel to the pending ones and hands
  // as many as fit into `capacity` to the caller.
  void Deliver(int produced, bool stereoInput, void* outLeft, void* outRight, int capacity,
               int& outCount);

  bool prepared_ = false;
  bool flushed_ = false;
  double factor_ = 1.0;
  soxr* resampler_ = nullptr;
  // Channels through the filter: 2 only for stereo kept stereo.
  int filterChannels_ = 0;

  Buffer mix_;
  Buffer depthLeft_;
  Buffer depthRight_;
  Buffer floatInput_;
  Buffer floatOutput_;
  Buffer resampledLeft_;
  Buffer resampledRight_;

  // Resampled samples per channel made but not yet handed out (only when a
  // block gave more than its capacity), and the running totals the flush
  // trims against.
  int pending_ = 0;
  uint64_t inputTotal_ = 0;
  uint64_t producedTotal_ = 0;
};
