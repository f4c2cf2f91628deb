// Compares the resamplers Sondrel could use for its rate changes: libresample
// in high quality against libsoxr's medium, high and very high quality
// recipes, for the conversions Sondrel makes. Each is fed in blocks of 1152
// samples and flushed at the end, as the conversion loop does.
//
//   sondrel-bench-resampler-quality [seconds-for-speed]   (default 600)
//
// For every conversion and resampler it prints
//   ripple    the largest gain deviation, in dB, of sines up to 0.9 x the
//             lower Nyquist frequency (and, ripple .8, up to 0.8 x);
//   stop      the loudest alias or image, in dB below full scale, that a
//             full-scale sine anywhere in the input band leaves in the
//             output (a sine above the output's Nyquist frequency must
//             vanish; below it, only that sine may come out);
//   stop>1.05 the same for sines at least 5% above the output's Nyquist
//             frequency when the rate goes down (outside the transition);
//   delay     where the output's peak lands for an impulse, in output
//             samples, against where it belongs;
//   length    output samples for 44137 input samples, against
//             round(44137 x factor);
//   speed     seconds for `seconds-for-speed` seconds of stereo noise.
// Levels come from a least-squares fit of sines at the known frequencies,
// jointly, so the wanted sine does not leak into the alias it sits beside.

#include <libresample.h>
#include <soxr.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "support/SineFit.h"

namespace {

constexpr int kBlock = 1152;

using Signal = std::vector<float>;

enum class Kind { kLibresample, kSoxrMq, kSoxrHq, kSoxrVhq };

const char* Name(Kind kind) {
  switch (kind) {
    case Kind::kLibresample:
      return "libresample HQ";
    case Kind::kSoxrMq:
      return "soxr MQ";
    case Kind::kSoxrHq:
      return "soxr HQ";
    case Kind::kSoxrVhq:
      return "soxr VHQ";
  }
  return "?";
}

// One stream resampler over one or two channels, fed block by block.
class Stream {
 public:
  Stream(Kind kind, int inRate, int outRate, int channels)
      : kind_(kind), channels_(channels), factor_(static_cast<double>(outRate) / inRate) {
    if (kind == Kind::kLibresample) {
      for (int c = 0; c < channels; ++c) handles_.push_back(resample_open(1, factor_, factor_));
    } else {
      const unsigned long recipe = kind == Kind::kSoxrMq   ? SOXR_MQ
                                   : kind == Kind::kSoxrHq ? SOXR_HQ
                                                           : SOXR_VHQ;
      const soxr_io_spec_t io = soxr_io_spec(SOXR_FLOAT32_S, SOXR_FLOAT32_S);
      const soxr_quality_spec_t quality = soxr_quality_spec(recipe, 0);
      soxr_error_t error = nullptr;
      soxr_ = soxr_create(inRate, outRate, static_cast<unsigned>(channels), &error, &io, &quality,
                          nullptr);
      if (error) {
        std::fprintf(stderr, "soxr: %s\n", error);
        std::exit(1);
      }
    }
  }
  ~Stream() {
    for (void* h : handles_) resample_close(h);
    if (soxr_) soxr_delete(soxr_);
  }

  // Resamples `count` samples of each channel (none and `last` to flush)
  // and appends the output to `out`.
  void Run(const float* const* in, int count, bool last, std::vector<Signal>& out) {
    const size_t room = static_cast<size_t>(std::ceil((count + kBlock) * factor_)) + 64;
    for (int c = 0; c < channels_; ++c) {
      if (kind_ != Kind::kLibresample) break;
      int used = 0;
      std::vector<float> input(in ? in[c] : nullptr, in ? in[c] + count : nullptr);
      while (true) {
        const size_t at = out[c].size();
        out[c].resize(at + room);
        int usedNow = 0;
        const int n = resample_process(handles_[c], factor_, input.data() + used, count - used,
                                       last, &usedNow, out[c].data() + at, static_cast<int>(room));
        out[c].resize(at + static_cast<size_t>(std::max(n, 0)));
        used += usedNow;
        if ((used >= count && static_cast<size_t>(n) < room) || n <= 0) break;
      }
    }
    if (kind_ == Kind::kLibresample) return;
    size_t used = 0;
    while (true) {
      const float* inputs[2] = {};
      float* outputs[2] = {};
      const size_t at = out[0].size();
      for (int c = 0; c < channels_; ++c) {
        if (in) inputs[c] = in[c] + used;
        out[c].resize(at + room);
        outputs[c] = out[c].data() + at;
      }
      size_t usedNow = 0, made = 0;
      const soxr_error_t error = soxr_process(
          soxr_, last ? nullptr : inputs, last ? 0 : count - used, &usedNow, outputs, room, &made);
      if (error) {
        std::fprintf(stderr, "soxr: %s\n", error);
        std::exit(1);
      }
      for (int c = 0; c < channels_; ++c) out[c].resize(at + made);
      used += usedNow;
      if (used >= static_cast<size_t>(count) && made < room) break;
    }
  }

 private:
  Kind kind_;
  int channels_;
  double factor_;
  std::vector<void*> handles_;
  soxr_t soxr_ = nullptr;
};

// The whole of `in` (one or two channels) through a new stream.
std::vector<Signal> Resample(Kind kind, int inRate, int outRate, const std::vector<Signal>& in) {
  const int channels = static_cast<int>(in.size());
  Stream stream(kind, inRate, outRate, channels);
  std::vector<Signal> out(in.size());
  const size_t total = in[0].size();
  for (size_t at = 0; at < total; at += kBlock) {
    const float* blocks[2] = {};
    for (int c = 0; c < channels; ++c) blocks[c] = in[c].data() + at;
    stream.Run(blocks, static_cast<int>(std::min<size_t>(kBlock, total - at)), false, out);
  }
  stream.Run(nullptr, 0, true, out);
  return out;
}

Signal Sine(size_t frames, int rate, double frequency, double amplitude) {
  Signal s(frames);
  for (size_t i = 0; i < frames; ++i)
    s[i] = static_cast<float>(amplitude * std::sin(2 * M_PI * frequency * i / rate));
  return s;
}

// Where a component at `hz` ends up in a signal sampled at `rate`.
double Fold(double hz, int rate) {
  double f = std::fmod(std::fabs(hz), rate);
  return f > rate / 2.0 ? rate - f : f;
}

// The frequencies at which a sine of `hz` sampled at `inRate` could leave
// images or aliases after resampling to `outRate`, other than itself.
std::vector<double> Spurious(double hz, int inRate, int outRate) {
  std::vector<double> found;
  for (int k = -3; k <= 3; ++k) {
    for (double sign : {-1.0, 1.0}) {
      const double f = Fold(sign * hz + k * static_cast<double>(inRate), outRate);
      const bool wanted = hz < outRate / 2.0 && std::fabs(f - hz) < 1.0;
      const bool edge = f < 20.0 || f > outRate / 2.0 - 20.0;
      const bool seen =
          std::any_of(found.begin(), found.end(), [&](double g) { return std::fabs(g - f) < 1; });
      if (!wanted && !edge && !seen) found.push_back(f);
    }
  }
  return found;
}

double Db(double ratio) {
  return 20 * std::log10(std::max(ratio, 1e-12));
}

struct Quality {
  double ripple = 0, ripple08 = 0, stop = -240, stopOutside = -240;
};

Quality MeasureQuality(Kind kind, int inRate, int outRate) {
  Quality q;
  const double lowNyquist = std::min(inRate, outRate) / 2.0;
  const size_t frames = static_cast<size_t>(inRate);  // one second per sine
  // The fit skips the first and last tenth, where the filter starts and ends.
  auto fit = [&](double hz, double amplitude, const std::vector<double>& extra) {
    const Signal out = Resample(kind, inRate, outRate, {Sine(frames, inRate, hz, amplitude)})[0];
    std::vector<double> frequencies;
    if (hz < outRate / 2.0) frequencies.push_back(hz);
    frequencies.insert(frequencies.end(), extra.begin(), extra.end());
    return FitSineAmplitudes(out, out.size() / 10, out.size() * 9 / 10, outRate, frequencies);
  };
  for (int i = 1; i <= 18; ++i) {
    const double hz = lowNyquist * 0.05 * i - 3.7;  // up to 0.9 x the lower Nyquist
    const double gain = fit(hz, 0.5, {})[0] / 0.5;
    q.ripple = std::max(q.ripple, std::fabs(Db(gain)));
    if (i <= 16) q.ripple08 = q.ripple;
  }
  for (int i = 1; i < 60; ++i) {
    const double hz = inRate / 2.0 * i / 60.0 + 7.3;
    const std::vector<double> spurious = Spurious(hz, inRate, outRate);
    if (spurious.empty()) continue;
    const std::vector<double> levels = fit(hz, 1.0, spurious);
    const size_t first = hz < outRate / 2.0 ? 1 : 0;
    double worst = 0;
    for (size_t s = first; s < levels.size(); ++s) worst = std::max(worst, levels[s]);
    q.stop = std::max(q.stop, Db(worst));
    if (outRate < inRate && hz >= 1.05 * outRate / 2.0)
      q.stopOutside = std::max(q.stopOutside, Db(worst));
  }
  return q;
}

// Where an impulse at input sample 4000 peaks in the output, minus where it
// should, and the length of a 44137-sample input against round(n x factor).
void MeasureTiming(Kind kind, int inRate, int outRate, double& delay, long& length, long& wanted) {
  Signal impulse(44137, 0.0f);
  impulse[4000] = 1.0f;
  const Signal out = Resample(kind, inRate, outRate, {impulse})[0];
  const double factor = static_cast<double>(outRate) / inRate;
  const size_t peak = static_cast<size_t>(
      std::max_element(out.begin(), out.end(),
                       [](float a, float b) { return std::fabs(a) < std::fabs(b); }) -
      out.begin());
  delay = static_cast<double>(peak) - 4000 * factor;
  length = static_cast<long>(out.size());
  wanted = std::lround(44137 * factor);
}

// Seconds to resample `seconds` of stereo noise.
double MeasureSpeed(Kind kind, int inRate, int outRate, double seconds) {
  std::vector<Signal> block(2, Signal(kBlock));
  unsigned state = 12345;
  std::vector<Signal> noise(2, Signal(static_cast<size_t>(inRate)));
  for (auto& channel : noise)
    for (float& v : channel) {
      state = state * 1664525u + 1013904223u;
      v = static_cast<float>(static_cast<int>(state >> 16) - 32768) / 65536.0f;
    }
  Stream stream(kind, inRate, outRate, 2);
  std::vector<Signal> out(2);
  const size_t total = static_cast<size_t>(seconds * inRate);
  const auto start = std::chrono::steady_clock::now();
  for (size_t at = 0; at < total; at += kBlock) {
    const int count = static_cast<int>(std::min<size_t>(kBlock, total - at));
    const size_t offset = (at / kBlock * kBlock) % (static_cast<size_t>(inRate) - kBlock);
    const float* in[2] = {noise[0].data() + offset, noise[1].data() + offset};
    stream.Run(in, count, false, out);
    out[0].clear();
    out[1].clear();
  }
  stream.Run(nullptr, 0, true, out);
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
  const double seconds = argc > 1 ? std::atof(argv[1]) : 600.0;
  const int conversions[][2] = {
      {44100, 8000}, {44100, 16000}, {44100, 48000}, {22050, 44100}, {48000, 44100}};
  std::printf("%-14s %-15s %9s %10s %8s %9s %7s %13s %8s\n", "conversion", "resampler", "ripple dB",
              "ripple .8", "stop dB", "stop>1.05", "delay", "length/wanted", "speed s");
  for (const auto& c : conversions) {
    for (Kind kind : {Kind::kLibresample, Kind::kSoxrMq, Kind::kSoxrHq, Kind::kSoxrVhq}) {
      const Quality q = MeasureQuality(kind, c[0], c[1]);
      double delay = 0;
      long length = 0, wanted = 0;
      MeasureTiming(kind, c[0], c[1], delay, length, wanted);
      const double speed = MeasureSpeed(kind, c[0], c[1], seconds);
      const std::string name = std::to_string(c[0]) + "->" + std::to_string(c[1]);
      std::printf("%-14s %-15s %9.4f %10.4f %8.1f %9.1f %7.1f %6ld/%-6ld %8.2f\n", name.c_str(),
                  Name(kind), q.ripple, q.ripple08, q.stop, c[1] < c[0] ? q.stopOutside : q.stop,
                  delay, length, wanted, speed);
      std::fflush(stdout);
    }
  }
  return 0;
}
