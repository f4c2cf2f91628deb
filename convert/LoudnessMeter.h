#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// What a loudness measurement (EBU R128 / ITU-R BS.1770) of some PCM came to.
struct LoudnessValues {
  bool measured = false;  // false: nothing was measured (no meter, or no sample)
  double integrated = 0;  // LUFS; -HUGE_VAL for silence
  double range = 0;       // LU
  double samplePeak = 0;  // linear, 1.0 = full scale
  double truePeak = 0;    // linear, 1.0 = full scale (4x oversampled below 96 kHz)
};

class TruePeakScanner;

// Measures the integrated loudness, the sample and true peaks and, when
// asked, the loudness range of planar PCM as it is fed, block by block: the
// very samples a writer takes. libebur128 measures the loudness; the true
// peak is Sondrel's own scan (TruePeakScanner), which gives libebur128's
// value at a fraction of its cost. The state is kept in histogram form, so
// its size does not grow with the length of the file, and meters of several
// files combine into the values of their album.
class LoudnessMeter {
 public:
  // What a meter measures besides the integrated loudness and the peaks.
  enum Extras {
    NONE = 0,
    // The loudness of each 400 ms gating block (ten a second), so that the
    // integrated loudness of the same PCM after a gain can be told: a gain
    // moves blocks across the absolute gate of -70 LUFS, and a long quiet
    // tail (a MIDI song ringing out) counts for more once it is amplified.
    BLOCKS = 1,
    // The loudness range, which takes a 3 s window every second besides.
    RANGE = 2,
  };
  // A meter for PCM at `rate` with 1 or 2 `channels` (`extras`: a set of
  // Extras); Valid() is false when libebur128 refuses them.
  LoudnessMeter(uint32_t rate, uint32_t channels, int extras = NONE);
  ~LoudnessMeter();
  LoudnessMeter(const LoudnessMeter&) = delete;
  LoudnessMeter& operator=(const LoudnessMeter&) = delete;

  bool Valid() const;

  // One block of `count` samples per channel; `right` is read only for two
  // channels. 8-bit samples are unsigned with 128 as silence.
  void Add16(const int16_t* left, const int16_t* right, int count);
  void Add8(const uint8_t* left, const uint8_t* right, int count);

  LoudnessValues Values() const;

  // The mean-square energy of each gating block (with BLOCKS; blocks
  // of silence left out), the measure's -0.691 dB offset not applied.
  const std::vector<double>& BlockEnergies() const { return blocks_; }

  // The values of several files taken as one programme (an album): the
  // integrated loudness and range (of meters that measure it) over all of
  // them, the highest peaks.
  static LoudnessValues Combined(const std::vector<std::shared_ptr<LoudnessMeter>>& meters);

 private:
  struct State;  // libebur128's state
  std::unique_ptr<State> state_;
  std::unique_ptr<TruePeakScanner> truePeak_;
  // Feeds interleaved frames, stopping at each 100 ms step to keep the
  // block that ends there.
  void Feed(const int16_t* interleaved, size_t frames);

  uint32_t channels_ = 0;
  uint64_t frames_ = 0;
  std::vector<int16_t> interleaved_;
  bool keepBlocks_ = false;
  uint64_t step_ = 0;  // the frames of 100 ms, as libebur128 counts them
  std::vector<double> blocks_;
};

// Measures a source as it decodes (MIDI and modules rendered at 44100 Hz),
// at its own rate and channels, with the `extras` asked for; null when it
// cannot be opened, or when `cancelled` (asked between blocks) says so.
std::shared_ptr<LoudnessMeter> MeasureSource(const std::string& path, int32_t kind, int extras,
                                             const std::function<bool()>& cancelled = nullptr);
// The values of MeasureSource with the loudness range; `measured` is false
// when the source cannot be opened or delivers nothing.
LoudnessValues MeasureSourceLoudness(const std::string& path, int32_t kind);

// A linear peak in dB (dBFS, or dBTP for a true peak); -HUGE_VAL for 0.
double PeakDecibels(double linear);
