#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// The true peak of 16-bit PCM: the highest magnitude the signal reaches
// between its samples as well as at them (ITU-R BS.1770-4 Annex 2). Each
// channel is oversampled 4x (2x from 96 kHz; not at all from 192 kHz) by a
// polyphase FIR interpolator, a 49-tap Hann-windowed sinc built the way
// libebur128 builds its own, so the two meters give the same value.
//
// Most of a song cannot raise the peak already found: a stretch whose
// highest sample, times the largest gain any phase of the filter has, stays
// below that peak is not filtered. Its samples still go into the filter's
// history, so the stretches that are filtered see exactly the samples they
// would have seen, and the result is that of filtering everything.
class TruePeakScanner {
 public:
  // For 1 or 2 channels; any other count measures nothing.
  TruePeakScanner(uint32_t rate, uint32_t channels);

  // `count` samples of `channel`, each `stride` samples after the last.
  void Add(uint32_t channel, const int16_t* samples, size_t count, size_t stride = 1);

  // The highest true peak of every channel so far, linear (1.0 = full
  // scale); never below the highest sample.
  double Value() const;

  // Filters every stretch, skipping none (to check the skipping against).
  void FilterEverything() { skipping_ = false; }

 private:
  struct Tap {
    size_t back;  // how many samples before the newest one it weighs
    double weight;
  };
  struct Channel {
    // The filter's history (the last `history_` samples), then the samples
    // of the stretch being gathered.
    std::vector<int16_t> line;
    size_t gathered = 0;
    double peak = 0;         // the highest |output| of the filter so far (1.0 = full scale)
    int32_t samplePeak = 0;  // the highest |sample| so far
  };

  void FilterStretch(Channel& channel);
  // The highest |output| of every phase for the `count` newest samples of
  // `line`, which `history_` samples of history precede; outputs that
  // cannot reach `floor` may be left out.
  double Filtered(const int16_t* line, size_t count, double floor) const;

  std::vector<std::vector<Tap>> phases_;  // the phases between the samples
  double largestPhaseGain_ = 0;           // the largest sum of |weights| of one phase
  size_t history_ = 0;
  std::vector<Channel> channels_;
  bool skipping_ = true;
};
