#include "convert/TruePeak.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

constexpr unsigned kTaps = 49;
// Weights this small are left out of the filter, as libebur128 leaves them.
constexpr double kNegligible = 0.000001;
// Samples per channel filtered, or skipped, as one: short enough that a
// quiet stretch between two loud ones is skipped, long enough that the
// check before each costs little beside the filter.
constexpr size_t kStretch = 64;
// Outputs filtered together, or skipped together within a stretch that
// could raise the peak.
constexpr size_t kGroup = 8;
static_assert(kStretch % kGroup == 0, "a stretch is whole groups");
// Rounding in the filter's sums (12 or 24 products in double precision,
// the result rounded to single precision as libebur128 rounds it) stays
// far below this share of a stretch's bound.
constexpr double kBoundMargin = 1.000001;

// The most samples of history a filter phase reads (24 at 2x).
constexpr size_t kMostHistory = 24;

// Two doubles that the compiler keeps in one vector register (GCC and Clang
// vector extensions), whatever the target's instruction set.
typedef double Pair __attribute__((vector_size(2 * sizeof(double))));

double Highest(const double* samples, size_t count) {
  double highest = 0;
  for (size_t i = 0; i < count; ++i) highest = std::max(highest, std::fabs(samples[i]));
  return highest;
}

int32_t Highest(const int16_t* samples, size_t count) {
  int32_t highest = 0;
  for (size_t i = 0; i < count; ++i) highest = std::max(highest, std::abs(int32_t{samples[i]}));
  return highest;
}

// Samples as fractions of full scale, as libebur128 takes them.
void Scale(const int16_t* samples, size_t count, double* scaled) {
  for (size_t i = 0; i < count; ++i) scaled[i] = samples[i] / 32768.0;
}

}  // namespace

TruePeakScanner::TruePeakScanner(uint32_t rate, uint32_t channels) {
  if (channels != 1 && channels != 2) return;
  const unsigned factor = rate < 96000 ? 4 : rate < 192000 ? 2 : 1;
  if (factor > 1) {
    history_ = (kTaps + factor - 1) / factor - 1;
    static_assert((kTaps + 1) / 2 - 1 <= kMostHistory, "the history fits");
    phases_.resize(factor - 1);
    for (unsigned j = 0; j < kTaps; ++j) {
      // The phase at the samples themselves (j a multiple of the factor)
      // has one weight of 1 and passes the sample through: the sample peak
      // holds what it would find.
      const unsigned phase = j % factor;
      if (phase == 0) continue;
      const double m = static_cast<double>(j) - static_cast<double>(kTaps - 1) / 2.0;
      double weight = std::fabs(m) > kNegligible ? std::sin(m * M_PI / factor) / (m * M_PI / factor)
                                                 : 1.0;
      weight *= 0.5 * (1 - std::cos(2 * M_PI * j / (kTaps - 1)));
      if (std::fabs(weight) > kNegligible) phases_[phase - 1].push_back(Tap{j / factor, weight});
    }
    for (const std::vector<Tap>& taps : phases_) {
      double gain = 0;
      for (const Tap& tap : taps) gain += std::fabs(tap.weight);
      largestPhaseGain_ = std::max(largestPhaseGain_, gain);
    }
  }
  channels_.resize(channels);
  for (Channel& channel : channels_) channel.line.assign(history_ + kStretch, 0);
}

void TruePeakScanner::Add(uint32_t channel, const int16_t* samples, size_t count, size_t stride) {
  if (channel >= channels_.size() || !samples) return;
  Channel& state = channels_[channel];
  while (count > 0) {
    const size_t take = std::min(count, kStretch - state.gathered);
    int16_t* into = state.line.data() + history_ + state.gathered;
    for (size_t i = 0; i < take; ++i) into[i] = samples[i * stride];
    state.gathered += take;
    samples += take * stride;
    count -= take;
    if (state.gathered == kStretch) FilterStretch(state);
  }
}

void TruePeakScanner::FilterStretch(Channel& channel) {
  int16_t* line = channel.line.data();
  const int32_t stretchPeak = Highest(line + history_, kStretch);
  channel.samplePeak = std::max(channel.samplePeak, stretchPeak);
  // Every output of the stretch weighs samples of it and of the history
  // before it, so both bound what it can reach.
  const double reach = std::max(stretchPeak, Highest(line, history_)) / 32768.0 *
                       largestPhaseGain_ * kBoundMargin;
  if (!skipping_ || reach >= channel.peak)
    channel.peak = std::max(channel.peak, Filtered(line, kStretch, skipping_ ? channel.peak : 0));
  std::copy(line + kStretch, line + kStretch + history_, line);
  channel.gathered = 0;
}

double TruePeakScanner::Filtered(const int16_t* line, size_t count, double floor) const {
  double highest = 0;
  for (size_t first = 0; first < count; first += kGroup) {
    // The group's outputs weigh its samples and the history before them. A
    // last group past `count` reads samples of the line that are not yet,
    // or no longer, the stretch's: they only loosen the bound, and their
    // outputs are left out.
    const int16_t* window = line + first;
    const size_t span = history_ + kGroup;
    if (Highest(window, span) / 32768.0 * largestPhaseGain_ * kBoundMargin < floor) continue;
    double scaled[kMostHistory + kGroup];
    Scale(window, span, scaled);
    // Each output sums its products in the order of the taps, as libebur128
    // does, so both round alike; the group's eight sums stay in registers,
    // two to a vector, across the taps.
    for (const std::vector<Tap>& taps : phases_) {
      Pair sums[kGroup / 2] = {};
      for (const Tap& tap : taps) {
        const double* from = scaled + history_ - tap.back;
        const Pair weight = {tap.weight, tap.weight};
        for (size_t i = 0; i < kGroup / 2; ++i) {
          Pair samples;
          std::memcpy(&samples, from + 2 * i, sizeof samples);
          sums[i] += samples * weight;
        }
      }
      double outputs[kGroup];
      std::memcpy(outputs, sums, sizeof outputs);
      highest = std::max(highest, Highest(outputs, std::min(kGroup, count - first)));
    }
  }
  return highest;
}

double TruePeakScanner::Value() const {
  double value = 0;
  for (const Channel& channel : channels_) {
    const double peak = std::max(channel.peak, Filtered(channel.line.data(), channel.gathered, 0));
    const int32_t samplePeak =
        std::max(channel.samplePeak, Highest(channel.line.data() + history_, channel.gathered));
    // libebur128 keeps each output in single precision.
    value = std::max({value, static_cast<double>(static_cast<float>(peak)), samplePeak / 32768.0});
  }
  return value;
}
