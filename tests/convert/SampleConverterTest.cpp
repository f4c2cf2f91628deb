#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "convert/Amplify.h"
#include "convert/SampleConverter.h"
#include "source/PcmBlock.h"
#include "support/AudioFixtures.h"
#include "support/SineFit.h"

namespace {

struct Format {
  int rate;
  int channels;
  int bits;
};

void Configure(SampleConverter& converter, Format in, Format out) {
  converter.inputRate = in.rate;
  converter.inputChannels = in.channels;
  converter.inputBits = in.bits;
  converter.outputRate = out.rate;
  converter.outputChannels = out.channels;
  converter.outputBits = out.bits;
}

// Planar samples of one channel at either depth, kept as ints.
using Channel = std::vector<int>;

// Runs a whole signal through a converter in blocks of `block` samples,
// then flushes it, and returns the output channels. Output arrays are sized
// exactly to the capacity the converter announces, so that writing past it
// trips the address sanitizer.
struct Result {
  Channel left, right;
  bool ok = true;
  int blocksOverCapacity = 0;
  std::vector<int> blockCounts;
};

Result Convert(SampleConverter& converter, Format in, Format out, const Channel& inLeft,
               const Channel& inRight, int block = BLOCK_SAMPLES) {
  Result run;
  const size_t total = inLeft.size();
  auto emit = [&](const std::vector<uint8_t>& l, const std::vector<uint8_t>& r, int n) {
    for (int i = 0; i < n; ++i) {
      if (out.bits == 16) {
        run.left.push_back(reinterpret_cast<const int16_t*>(l.data())[i]);
        if (out.channels == 2) run.right.push_back(reinterpret_cast<const int16_t*>(r.data())[i]);
      } else {
        run.left.push_back(l[i]);
        if (out.channels == 2) run.right.push_back(r[i]);
      }
    }
  };
  for (size_t at = 0; at < total; at += block) {
    const int count = static_cast<int>(std::min<size_t>(block, total - at));
    std::vector<uint8_t> l(count * in.bits / 8), r(count * in.bits / 8);
    for (int i = 0; i < count; ++i) {
      if (in.bits == 16) {
        reinterpret_cast<int16_t*>(l.data())[i] = static_cast<int16_t>(inLeft[at + i]);
        if (in.channels == 2)
          reinterpret_cast<int16_t*>(r.data())[i] = static_cast<int16_t>(inRight[at + i]);
      } else {
        l[i] = static_cast<uint8_t>(inLeft[at + i]);
        if (in.channels == 2) r[i] = static_cast<uint8_t>(inRight[at + i]);
      }
    }
    const size_t capacity = static_cast<size_t>(converter.OutputCapacity(count)) * out.bits / 8;
    std::vector<uint8_t> outL(capacity), outR(capacity);
    int n = -1;
    run.ok = run.ok && converter.Process(l.data(), in.channels == 2 ? r.data() : nullptr, count,
                                         outL.data(), out.channels == 2 ? outR.data() : nullptr, n);
    if (n > converter.OutputCapacity(count)) ++run.blocksOverCapacity;
    run.blockCounts.push_back(n);
    emit(outL, outR, n);
  }
  for (int n = -1; n != 0;) {
    const size_t capacity =
        static_cast<size_t>(converter.OutputCapacity(BLOCK_SAMPLES)) * out.bits / 8;
    std::vector<uint8_t> outL(capacity), outR(capacity);
    run.ok = run.ok && converter.Flush(outL.data(), out.channels == 2 ? outR.data() : nullptr, n);
    if (!run.ok) break;
    emit(outL, outR, n);
  }
  return run;
}

Channel Sine(int frames, int rate, double frequency, int bits, double amplitude = 0.5) {
  const std::vector<int16_t> s = SineWave(frames, 1, rate, frequency, amplitude);
  Channel channel(s.begin(), s.end());
  if (bits == 8)
    for (int& v : channel) v = (v >> 8) + 128;
  return channel;
}

TEST(SampleConverterTest, SameRateDepthAndChannelEdgeCases) {
  const struct {
    Format in, out;
    int left, right;  // input
    int outLeft, outRight;
  } rows[] = {
      // 8 to 16 bits
      {{44100, 1, 8}, {44100, 1, 16}, 128, 0, 0, 0},
      {{44100, 1, 8}, {44100, 1, 16}, 0, 0, -32768, 0},
      {{44100, 1, 8}, {44100, 1, 16}, 255, 0, 32512, 0},
      // stereo to mono averages with an arithmetic shift
      {{44100, 2, 16}, {44100, 1, 16}, 32767, 32767, 32767, 0},
      {{44100, 2, 16}, {44100, 1, 16}, -32768, -32768, -32768, 0},
      {{44100, 2, 16}, {44100, 1, 16}, 1, -2, -1, 0},
      {{44100, 2, 16}, {44100, 1, 16}, -1, 0, -1, 0},
      {{44100, 2, 8}, {44100, 1, 8}, 255, 254, 254, 0},
      {{44100, 2, 8}, {44100, 1, 8}, 255, 0, 127, 0},
      // 16 to 8 bits
      {{44100, 1, 16}, {44100, 1, 8}, 0, 0, 128, 0},
      {{44100, 1, 16}, {44100, 1, 8}, -32768, 0, 0, 0},
      {{44100, 1, 16}, {44100, 1, 8}, 32767, 0, 255, 0},
      {{44100, 1, 16}, {44100, 1, 8}, -1, 0, 127, 0},
      // depth first, then channels at the output depth
      {{44100, 2, 16}, {44100, 1, 8}, 32767, -32768, 127, 0},
      {{44100, 2, 8}, {44100, 1, 16}, 255, 0, -128, 0},
      {{44100, 1, 16}, {44100, 2, 16}, -1234, 0, -1234, -1234},
      {{44100, 1, 8}, {44100, 2, 16}, 129, 0, 256, 256},
      {{44100, 2, 16}, {44100, 2, 8}, 256, -256, 129, 127},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message()
                 << row.in.channels << "ch/" << row.in.bits << " -> " << row.out.channels << "ch/"
                 << row.out.bits << " of " << row.left << "," << row.right);
    SampleConverter converter;
    Configure(converter, row.in, row.out);
    ASSERT_TRUE(converter.Prepare());
    const Result run =
        Convert(converter, row.in, row.out, Channel(3, row.left), Channel(3, row.right));
    ASSERT_TRUE(run.ok);
    ASSERT_EQ(run.left.size(), 3u);
    EXPECT_EQ(run.left[0], row.outLeft);
    if (row.out.channels == 2) {
      EXPECT_EQ(run.right[2], row.outRight);
    }
  }
}

TEST(SampleConverterTest, MonoToStereoGivesIdenticalChannelsAtEveryRate) {
  for (int bits : {8, 16}) {
    for (int rate : {8000, 22050, 44100, 48000}) {
      SampleConverter converter;
      const Format in{44100, 1, bits}, out{rate, 2, bits};
      Configure(converter, in, out);
      ASSERT_TRUE(converter.Prepare());
      const Result run = Convert(converter, in, out, Sine(10000, 44100, 440, bits), {});
      ASSERT_TRUE(run.ok);
      ASSERT_FALSE(run.left.empty());
      EXPECT_EQ(run.left, run.right) << bits << " bits at " << rate;
    }
  }
}

TEST(SampleConverterTest, DoublingTheRateFitsTheCallersBuffers) {
  SampleConverter converter;
  const Format in{22050, 2, 16}, out{44100, 2, 16};
  Configure(converter, in, out);
  ASSERT_TRUE(converter.Prepare());
  EXPECT_EQ(converter.OutputCapacity(BLOCK_SAMPLES), 3 * BLOCK_SAMPLES);
  const Result run =
      Convert(converter, in, out, Sine(22050, 22050, 440, 16), Sine(22050, 22050, 660, 16));
  ASSERT_TRUE(run.ok);
  EXPECT_EQ(run.blocksOverCapacity, 0);
  // The filter hands out its output in chunks, but the stream keeps pace:
  // after every block the output so far trails twice the input so far by
  // less than two blocks (the filter's delay and one chunk), never leads it.
  long given = 0;
  for (size_t i = 0; i < run.blockCounts.size(); ++i) {
    given += run.blockCounts[i];
    const long wanted = 2L * std::min<long>((i + 1) * BLOCK_SAMPLES, 22050);
    EXPECT_LE(given, wanted) << "block " << i;
    EXPECT_GT(given, wanted - 2 * BLOCK_SAMPLES) << "block " << i;
  }
  EXPECT_EQ(run.left.size(), 44100u);
}

// Counts sign changes of a signal centred on `zero`.
int ZeroCrossings(const Channel& signal, size_t from, size_t to, int zero) {
  int crossings = 0;
  for (size_t i = from + 1; i < to; ++i)
    if ((signal[i - 1] - zero < 0) != (signal[i] - zero < 0)) ++crossings;
  return crossings;
}

TEST(SampleConverterTest, WholeSignalKeepsItsLengthAndFrequency) {
  const struct {
    int inRate, outRate, bits, channels;
  } rows[] = {
      {44100, 8000, 16, 2}, {22050, 48000, 16, 1}, {48000, 44100, 16, 2},
      {44100, 22050, 8, 1}, {11025, 44100, 8, 2},  {8000, 44100, 16, 1},
  };
  const double seconds = 1.5;
  const double frequency = 997;  // well below every output rate's Nyquist limit
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << row.inRate << " -> " << row.outRate << ", " << row.bits
                                    << " bits, " << row.channels << " channels");
    SampleConverter converter;
    const Format in{row.inRate, row.channels, row.bits}, out{row.outRate, row.channels, row.bits};
    Configure(converter, in, out);
    ASSERT_TRUE(converter.Prepare());
    const int frames = static_cast<int>(seconds * row.inRate) + 37;  // a short last block
    const Channel signal = Sine(frames, row.inRate, frequency, row.bits);
    const Result run = Convert(converter, in, out, signal, signal);
    ASSERT_TRUE(run.ok);
    EXPECT_EQ(run.blocksOverCapacity, 0);

    const double expected = std::round(frames * static_cast<double>(row.outRate) / row.inRate);
    EXPECT_NEAR(static_cast<double>(run.left.size()), expected, 1.0);
    if (row.channels == 2) {
      EXPECT_EQ(run.right.size(), run.left.size());
    }

    // The filter history carries over between blocks: the output is the
    // same sine at the new rate, sample for sample (away from both ends),
    // and crosses zero twice per period.
    const int zero = row.bits == 16 ? 0 : 128;
    const double full = row.bits == 16 ? 32767 : 127;
    const size_t margin = static_cast<size_t>(row.outRate / 50);
    double worst = 0;
    for (size_t i = margin; i + margin < run.left.size(); ++i) {
      const double ideal = 0.5 * std::sin(2 * M_PI * frequency * i / row.outRate);
      worst = std::max(worst, std::fabs((run.left[i] - zero) / full - ideal));
    }
    EXPECT_LT(worst, row.bits == 16 ? 0.01 : 0.03);
    const double crossings = ZeroCrossings(run.left, margin, run.left.size() - margin, zero);
    const double span = (run.left.size() - 2.0 * margin) / row.outRate;
    EXPECT_NEAR(crossings, 2 * frequency * span, 3);
  }
}

TEST(SampleConverterTest, TinyBlocksNeverPassTheirCapacity) {
  // A factor just below an integer gives, for one-sample blocks, as many
  // samples as the capacity allows; what does not fit comes later.
  for (int outRate : {43999, 47984}) {
    SampleConverter converter;
    const Format in{outRate == 43999 ? 22050 : 16000, 1, 16}, out{outRate, 1, 16};
    Configure(converter, in, out);
    ASSERT_TRUE(converter.Prepare());
    const Channel signal = Sine(3000, in.rate, 440, 16);
    const Result run = Convert(converter, in, out, signal, {}, 1);
    ASSERT_TRUE(run.ok);
    EXPECT_EQ(run.blocksOverCapacity, 0);
    EXPECT_NEAR(static_cast<double>(run.left.size()), std::round(3000.0 * outRate / in.rate), 1.0);
  }
}

TEST(SampleConverterTest, StereoToMonoWithRateChangeAveragesFirst) {
  SampleConverter converter;
  const Format in{44100, 2, 16}, out{22050, 1, 16};
  Configure(converter, in, out);
  ASSERT_TRUE(converter.Prepare());
  const Channel left = Sine(8000, 44100, 500, 16);
  Channel inverted(left.size());
  for (size_t i = 0; i < left.size(); ++i) inverted[i] = -left[i];
  // Opposite channels cancel; the filter sees silence.
  const Result run = Convert(converter, in, out, left, inverted);
  ASSERT_TRUE(run.ok);
  ASSERT_FALSE(run.left.empty());
  for (int v : run.left) EXPECT_LE(std::abs(v), 1);
}

TEST(SampleConverterTest, RefusesFormatsItCannotServe) {
  const struct {
    Format in, out;
  } rows[] = {
      {{-1, -1, -1}, {-1, -1, -1}},      // never set
      {{44100, 3, 16}, {44100, 2, 16}},  // channels
      {{44100, 2, 24}, {44100, 2, 16}},  // bits
      {{0, 2, 16}, {44100, 2, 16}},      // rate
      {{100, 2, 16}, {44100, 2, 16}},    // factor above 256
      {{192000, 1, 16}, {700, 1, 16}},   // factor below 1/256
  };
  for (const auto& row : rows) {
    SampleConverter converter;
    Configure(converter, row.in, row.out);
    EXPECT_FALSE(converter.Prepare());
    int16_t in[4] = {}, outL[8] = {}, outR[8] = {};
    int n = -1;
    EXPECT_FALSE(converter.Process(in, in, 4, outL, outR, n));
    EXPECT_EQ(n, 0);
  }
}

TEST(SampleConverterTest, BuffersOnlyGrowAndFlushEndsTheStream) {
  SampleConverter converter;
  const Format in{44100, 2, 16}, out{32000, 2, 8};
  Configure(converter, in, out);
  ASSERT_TRUE(converter.Prepare());
  std::vector<int16_t> l(4000), r(4000);
  std::vector<uint8_t> outL(converter.OutputCapacity(4000)), outR(outL.size());
  int n = 0;
  ASSERT_TRUE(converter.Process(l.data(), r.data(), 1152, outL.data(), outR.data(), n));
  const size_t afterBlock = converter.BufferBytes();
  ASSERT_TRUE(converter.Process(l.data(), r.data(), 10, outL.data(), outR.data(), n));
  EXPECT_EQ(converter.BufferBytes(), afterBlock);
  ASSERT_TRUE(converter.Process(l.data(), r.data(), 4000, outL.data(), outR.data(), n));
  EXPECT_GT(converter.BufferBytes(), afterBlock);

  ASSERT_TRUE(converter.Flush(outL.data(), outR.data(), n));
  EXPECT_GT(n, 0);
  for (int i = 0; i < n; ++i) EXPECT_EQ(outL[i], 128);  // silence stays silence
  ASSERT_TRUE(converter.Flush(outL.data(), outR.data(), n));
  EXPECT_EQ(n, 0);
  EXPECT_FALSE(converter.Process(l.data(), r.data(), 10, outL.data(), outR.data(), n));

  // A missing array is refused, not read.
  SampleConverter stereo;
  Configure(stereo, {22050, 2, 16}, {44100, 2, 16});
  ASSERT_TRUE(stereo.Prepare());
  EXPECT_FALSE(stereo.Process(l.data(), nullptr, 10, outL.data(), outR.data(), n));
  EXPECT_FALSE(stereo.Process(l.data(), r.data(), 10, outL.data(), nullptr, n));

  // Without a rate change nothing is held back.
  SampleConverter same;
  Configure(same, {44100, 1, 16}, {44100, 2, 16});
  ASSERT_TRUE(same.Prepare());
  ASSERT_TRUE(same.Flush(outL.data(), outR.data(), n));
  EXPECT_EQ(n, 0);
}

struct RateCase {
  int inRate, outRate, inChannels, outChannels;
};

class SampleConverterQualityTest : public testing::TestWithParam<RateCase> {};

// Sines in the pass band keep their level; a sine above the output's Nyquist
// frequency, and the images a rate change could make of every sine (each
// sine shifted by multiples of the input rate, folded into the output band),
// stay 100 dB below full scale; the file keeps round(input x factor)
// samples. A stereo output's right channel, fed the left one inverted,
// comes out exactly inverted.
TEST_P(SampleConverterQualityTest, FlatPassBandNoAliasesExactLength) {
  const RateCase row = GetParam();
  const double lowNyquist = std::min(row.inRate, row.outRate) / 2.0;
  const double outNyquist = row.outRate / 2.0;
  // Odd offsets keep every sine and image apart from the others.
  const std::vector<double> passBand = {0.1 * lowNyquist + 3.3, 0.5 * lowNyquist + 3.3,
                                        0.85 * lowNyquist + 3.3};
  std::vector<double> tones = passBand;
  if (row.outRate < row.inRate)
    tones.push_back(outNyquist + 0.25 * (row.inRate / 2.0 - outNyquist) + 1.7);

  const int frames = row.inRate + 37;
  Channel left(frames), right(frames);
  for (int i = 0; i < frames; ++i) {
    double v = 0;
    for (size_t t = 0; t < tones.size(); ++t)
      v += (t < passBand.size() ? 0.15 : 0.3) * std::sin(2 * M_PI * tones[t] * i / row.inRate);
    left[i] = static_cast<int>(std::lround(v * 32767));
    right[i] = row.outChannels == 2 ? -left[i] : left[i];
  }

  SampleConverter converter;
  const Format in{row.inRate, row.inChannels, 16}, out{row.outRate, row.outChannels, 16};
  Configure(converter, in, out);
  ASSERT_TRUE(converter.Prepare());
  const Result run = Convert(converter, in, out, left, right);
  ASSERT_TRUE(run.ok);
  EXPECT_EQ(run.blocksOverCapacity, 0);
  ASSERT_EQ(
      run.left.size(),
      static_cast<size_t>(std::llround(frames * static_cast<double>(row.outRate) / row.inRate)));

  std::vector<double> images;
  auto known = [&](double f) {
    for (double g : passBand)
      if (std::fabs(f - g) < 2) return true;
    for (double g : images)
      if (std::fabs(f - g) < 2) return true;
    return f < 20 || f > outNyquist - 20;  // a sine there has no usable phase
  };
  for (double tone : tones)
    for (int k = -3; k <= 3; ++k)
      for (double sign : {-1.0, 1.0}) {
        double f =
            std::fmod(std::fabs(sign * tone + k * static_cast<double>(row.inRate)), row.outRate);
        if (f > outNyquist) f = row.outRate - f;
        if (!known(f)) images.push_back(f);
      }
  std::vector<double> frequencies = passBand;
  frequencies.insert(frequencies.end(), images.begin(), images.end());
  // The first and last tenth, where the filter starts and ends, stay out.
  const size_t size = run.left.size();
  const std::vector<double> levels =
      FitSineAmplitudes(run.left, size / 10, size - size / 10, row.outRate, frequencies);
  for (size_t t = 0; t < passBand.size(); ++t) {
    EXPECT_NEAR(20 * std::log10(levels[t] / (0.15 * 32767)), 0.0, 0.1)
        << "pass band at " << passBand[t] << " Hz";
  }
  for (size_t s = passBand.size(); s < levels.size(); ++s) {
    EXPECT_LT(20 * std::log10(std::max(levels[s], 1e-9) / 32767), -100.0)
        << "image or alias at " << frequencies[s] << " Hz";
  }
  if (row.outChannels == 2) {
    ASSERT_EQ(run.right.size(), size);
    for (size_t i = 0; i < size; ++i) ASSERT_EQ(run.right[i], -run.left[i]) << "sample " << i;
  }
}

INSTANTIATE_TEST_SUITE_P(Conversions, SampleConverterQualityTest,
                         testing::Values(RateCase{44100, 8000, 2, 1}, RateCase{44100, 16000, 2, 1},
                                         RateCase{44100, 48000, 2, 2}, RateCase{22050, 44100, 1, 1},
                                         RateCase{48000, 44100, 2, 2}),
                         [](const testing::TestParamInfo<RateCase>& param) {
                           return std::to_string(param.param.inRate) + "To" +
                                  std::to_string(param.param.outRate);
                         });

TEST(AmplifyTest, GainRoundsTowardZeroAndClamps) {
  const float twice = AmplifyFactor(200);
  const float tenth = AmplifyFactor(10);
  EXPECT_EQ(twice, 2.0f);
  EXPECT_EQ(tenth, 0.099999994f);
  EXPECT_NE(tenth, 0.1f);

  const struct {
    float factor;
    int16_t in, out;
  } rows16[] = {
      {twice, 20000, 32767}, {twice, -20000, -32767}, {twice, -32768, -32767},
      {twice, 100, 200},     {tenth, 15, 1},          {tenth, 10, 0},
      {tenth, -15, -1},      {tenth, -32768, -3276},  {AmplifyFactor(3000), -2, -60},
  };
  for (const auto& row : rows16) {
    int16_t left[1] = {row.in};
    int16_t right[1] = {row.in};
    Amplify16(left, right, 1, 1, row.factor);
    EXPECT_EQ(left[0], row.out) << row.in << " x " << row.factor;
    EXPECT_EQ(right[0], row.in) << "mono leaves the right array alone";
    int16_t both[2][1] = {{row.in}, {row.in}};
    Amplify16(both[0], both[1], 1, 2, row.factor);
    EXPECT_EQ(both[0][0], row.out);
    EXPECT_EQ(both[1][0], row.out);
  }

  const struct {
    float factor;
    uint8_t in, out;
  } rows8[] = {
      {twice, 200, 255}, {twice, 0, 0},     {twice, 64, 0},    {twice, 129, 130},
      {tenth, 143, 129}, {tenth, 138, 128}, {tenth, 113, 127}, {twice, 128, 128},
  };
  for (const auto& row : rows8) {
    uint8_t left[1] = {row.in};
    uint8_t right[1] = {row.in};
    Amplify8(left, right, 1, 2, row.factor);
    EXPECT_EQ(left[0], row.out) << int{row.in} << " x " << row.factor;
    EXPECT_EQ(right[0], row.out);
  }
}

}  // namespace
