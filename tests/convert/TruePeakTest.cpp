// The true-peak scan against libebur128's own true peak of the same
// samples, and against itself filtering every stretch: skipping the
// stretches that cannot raise the peak must change nothing.

#include <gtest/gtest.h>

#include <ebur128.h>

#include <algorithm>
#include <functional>
#include <random>

#include "convert/TruePeak.h"
#include "support/AudioFixtures.h"
#include "support/LoudnessFixtures.h"
#include "support/TempDir.h"

namespace {

int16_t Clipped(double value) { return static_cast<int16_t>(std::clamp(value, -32768.0, 32767.0)); }

struct Signal {
  const char* name;
  uint32_t rate;
  uint32_t channels;
  std::function<std::vector<int16_t>(uint32_t rate, uint32_t channels)> make;  // interleaved
};
std::ostream& operator<<(std::ostream& out, const Signal& signal) { return out << signal.name; }

std::vector<int16_t> MusicSamples(uint32_t, uint32_t) {
  TempDir dir;
  return DecodeWithFfmpeg(MusicLike(dir.File("music.wav"), 4.0)).samples;
}

// A sine driven three times past full scale: flat tops whose corners
// overshoot between the samples.
std::vector<int16_t> ClippedSine(uint32_t rate, uint32_t channels) {
  std::vector<int16_t> samples = SineWave(rate * 3, channels, rate, 997, 1.0);
  for (int16_t& sample : samples) sample = Clipped(sample * 3.0);
  return samples;
}

// Quiet noise with, every 1,000 frames or so, two equal samples (their
// peak falls between them), each pair louder than the last and at another
// place in the scan's stretches: the quiet between them is skipped, and a
// pair at the end of one stretch peaks in the outputs of the next.
std::vector<int16_t> Pairs(uint32_t rate, uint32_t channels) {
  std::mt19937 random(7);
  std::normal_distribution<double> noise(0, 300);
  std::vector<int16_t> samples(static_cast<size_t>(rate) * channels);
  for (int16_t& sample : samples) sample = Clipped(noise(random));
  for (size_t pair = 0, at = 500; at + 2 < rate; ++pair, at += 1000 + 13 * pair)
    for (size_t i = at * channels; i < (at + 2) * channels; ++i) samples[i] = Clipped(8000.0 + 40 * pair);
  return samples;
}

class TruePeakTest : public ::testing::TestWithParam<Signal> {};

TEST_P(TruePeakTest, EqualsLibebur128AndSkipsNothingThatCounts) {
  const Signal& signal = GetParam();
  const std::vector<int16_t> samples = signal.make(signal.rate, signal.channels);
  if (samples.empty()) GTEST_SKIP() << "the signal could not be made";
  const size_t frames = samples.size() / signal.channels;

  ebur128_state* reference = ebur128_init(signal.channels, signal.rate, EBUR128_MODE_TRUE_PEAK);
  ASSERT_NE(reference, nullptr);
  TruePeakScanner scan(signal.rate, signal.channels);
  TruePeakScanner full(signal.rate, signal.channels);
  full.FilterEverything();
  // In uneven blocks, as a conversion feeds them.
  for (size_t at = 0, block = 1; at < frames; at += block, block = block * 3 % 4099 + 1) {
    const size_t count = std::min(block, frames - at);
    ebur128_add_frames_short(reference, samples.data() + at * signal.channels, count);
    for (uint32_t c = 0; c < signal.channels; ++c) {
      scan.Add(c, samples.data() + at * signal.channels + c, count, signal.channels);
      full.Add(c, samples.data() + at * signal.channels + c, count, signal.channels);
    }
  }
  double expected = 0, peak = 0;
  for (uint32_t c = 0; c < signal.channels; ++c)
    if (ebur128_true_peak(reference, c, &peak) == EBUR128_SUCCESS) expected = std::max(expected, peak);
  ebur128_destroy(&reference);
  EXPECT_GT(expected, 0.25);  // the signal is no silence
  EXPECT_NEAR(scan.Value(), expected, expected * 1e-6);
  EXPECT_EQ(scan.Value(), full.Value());
}

INSTANTIATE_TEST_SUITE_P(Signals, TruePeakTest,
                         ::testing::Values(Signal{"Music", 44100, 2, MusicSamples},
                                           Signal{"ClippedSine", 48000, 2, ClippedSine},
                                           Signal{"PairsMono", 44100, 1, Pairs},
                                           Signal{"PairsAt96kHz", 96000, 2, Pairs}),
                         [](const auto& signal) { return std::string(signal.param.name); });

}  // namespace
