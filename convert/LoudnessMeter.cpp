#include "convert/LoudnessMeter.h"

#include <ebur128.h>

#include <algorithm>
#include <cmath>

#include "codecs/readers/ProgramReaders.h"
#include "convert/TruePeak.h"
#include "source/AudioSource.h"
#include "source/OpenSource.h"
#include "source/PcmBlock.h"
#include "source/SourceKind.h"

namespace {

// The true peak is not libebur128's: TruePeakScanner finds the same value
// for much less.
constexpr int kMode = EBUR128_MODE_I | EBUR128_MODE_SAMPLE_PEAK | EBUR128_MODE_HISTOGRAM;

double HighestPeak(ebur128_state* state, int (*peak)(ebur128_state*, unsigned int, double*)) {
  double highest = 0;
  for (unsigned int channel = 0; channel < state->channels; ++channel) {
    double value = 0;
    if (peak(state, channel, &value) == EBUR128_SUCCESS) highest = std::max(highest, value);
  }
  return highest;
}

}  // namespace

struct LoudnessMeter::State {
  ebur128_state* meter = nullptr;
  ~State() {
    if (meter) ebur128_destroy(&meter);
  }
};

LoudnessMeter::LoudnessMeter(uint32_t rate, uint32_t channels, int extras)
    : state_(std::make_unique<State>()),
      channels_(channels),
      keepBlocks_((extras & BLOCKS) != 0),
      step_((rate + 5) / 10) {
  if (rate == 0 || (channels != 1 && channels != 2)) return;
  state_->meter = ebur128_init(channels, rate, kMode | (extras & RANGE ? EBUR128_MODE_LRA : 0));
  if (state_->meter) truePeak_ = std::make_unique<TruePeakScanner>(rate, channels);
}

void LoudnessMeter::Feed(const int16_t* interleaved, size_t frames) {
  if (!keepBlocks_ || step_ == 0) {
    ebur128_add_frames_short(state_->meter, interleaved, frames);
    frames_ += frames;
    return;
  }
  // libebur128 closes its first block after 400 ms, then one every 100 ms;
  // right after each, the momentary loudness is that block's.
  while (frames > 0) {
    const size_t toStep = static_cast<size_t>(step_ - frames_ % step_);
    const size_t take = std::min(frames, toStep);
    ebur128_add_frames_short(state_->meter, interleaved, take);
    frames_ += take;
    interleaved += take * channels_;
    frames -= take;
    double loudness = 0;
    if (frames_ % step_ == 0 && frames_ >= 4 * step_ &&
        ebur128_loudness_momentary(state_->meter, &loudness) == EBUR128_SUCCESS &&
        std::isfinite(loudness))
      blocks_.push_back(std::pow(10.0, (loudness + 0.691) / 10));
  }
}

LoudnessMeter::~LoudnessMeter() = default;

bool LoudnessMeter::Valid() const { return state_->meter != nullptr; }

void LoudnessMeter::Add16(const int16_t* left, const int16_t* right, int count) {
  if (!Valid() || count <= 0 || !left) return;
  truePeak_->Add(0, left, static_cast<size_t>(count));
  if (channels_ == 2) truePeak_->Add(1, right ? right : left, static_cast<size_t>(count));
  if (channels_ == 1) {
    Feed(left, static_cast<size_t>(count));
  } else {
    interleaved_.resize(static_cast<size_t>(count) * 2);
    for (int i = 0; i < count; ++i) {
      interleaved_[2 * i] = left[i];
      interleaved_[2 * i + 1] = right ? right[i] : left[i];
    }
    Feed(interleaved_.data(), static_cast<size_t>(count));
  }
}

void LoudnessMeter::Add8(const uint8_t* left, const uint8_t* right, int count) {
  if (!Valid() || count <= 0 || !left) return;
  // Widened to 16 bits, where 8-bit full scale stays full scale.
  const size_t channels = channels_;
  interleaved_.resize(static_cast<size_t>(count) * channels);
  for (int i = 0; i < count; ++i) {
    interleaved_[channels * i] = static_cast<int16_t>((left[i] - 128) * 256);
    if (channels == 2)
      interleaved_[2 * i + 1] = static_cast<int16_t>(((right ? right[i] : left[i]) - 128) * 256);
  }
  for (uint32_t channel = 0; channel < channels_; ++channel)
    truePeak_->Add(channel, interleaved_.data() + channel, static_cast<size_t>(count), channels);
  Feed(interleaved_.data(), static_cast<size_t>(count));
}

LoudnessValues LoudnessMeter::Values() const {
  LoudnessValues values;
  if (!Valid() || frames_ == 0) return values;
  values.measured = true;
  if (ebur128_loudness_global(state_->meter, &values.integrated) != EBUR128_SUCCESS)
    values.integrated = -HUGE_VAL;
  if (ebur128_loudness_range(state_->meter, &values.range) != EBUR128_SUCCESS) values.range = 0;
  values.samplePeak = HighestPeak(state_->meter, ebur128_sample_peak);
  values.truePeak = std::max(values.samplePeak, truePeak_->Value());
  return values;
}

LoudnessValues LoudnessMeter::Combined(const std::vector<std::shared_ptr<LoudnessMeter>>& meters) {
  std::vector<ebur128_state*> states;
  LoudnessValues values;
  for (const std::shared_ptr<LoudnessMeter>& meter : meters) {
    if (!meter || !meter->Valid() || meter->frames_ == 0) continue;
    states.push_back(meter->state_->meter);
    const double samplePeak = HighestPeak(meter->state_->meter, ebur128_sample_peak);
    values.samplePeak = std::max(values.samplePeak, samplePeak);
    values.truePeak = std::max({values.truePeak, samplePeak, meter->truePeak_->Value()});
  }
  if (states.empty()) return values;
  values.measured = true;
  if (ebur128_loudness_global_multiple(states.data(), states.size(), &values.integrated) !=
      EBUR128_SUCCESS)
    values.integrated = -HUGE_VAL;
  if (ebur128_loudness_range_multiple(states.data(), states.size(), &values.range) !=
      EBUR128_SUCCESS)
    values.range = 0;
  return values;
}

std::shared_ptr<LoudnessMeter> MeasureSource(const std::string& path, int32_t kind, int extras,
                                             const std::function<bool()>& cancelled) {
  std::unique_ptr<AudioSource> source = OpenSource(path, kind, 44100, true, ProgramReaders());
  if (!source) return nullptr;
  const SourceInfo info = source->Info();
  auto meter = std::make_shared<LoudnessMeter>(info.sampleRate, info.outputChannels, extras);
  auto block = std::make_unique<PcmBlock>();
  const bool eightBit = info.bitsPerSample == 8;
  const bool sequenced = IsSequencedKind(kind);
  for (;;) {
    const int n = source->Read(*block);
    if (n <= 0) break;
    if (cancelled && cancelled()) {
      source->Close();
      return nullptr;
    }
    if (eightBit)
      meter->Add8(block->Left8(), block->Right8(), n);
    else
      meter->Add16(block->left, block->right, n);
    if (sequenced && source->GetPosition() >= source->GetLength()) break;
  }
  source->Close();
  return meter;
}

LoudnessValues MeasureSourceLoudness(const std::string& path, int32_t kind) {
  const std::shared_ptr<LoudnessMeter> meter = MeasureSource(path, kind, LoudnessMeter::RANGE);
  return meter ? meter->Values() : LoudnessValues();
}

double PeakDecibels(double linear) { return linear > 0 ? 20 * std::log10(linear) : -HUGE_VAL; }
