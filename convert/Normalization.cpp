#include "convert/Normalization.h"

#include <cmath>
#include <cstdio>

#include "app/ConvertSettings.h"
#include "codecs/writers/AudioWriter.h"
#include "convert/KeptRender.h"
#include "convert/LoudnessMeter.h"
#include "source/AudioSource.h"

namespace {

// The writer of a first pass whose blocks need not be kept: they are
// measured on their way and go no further.
class DiscardingWriter : public AudioWriter {
 public:
  bool Open(const std::string&, const WriterFormat&) override { return true; }
  bool WriteBlock16(const int16_t*, const int16_t*, int) override { return true; }
  bool WriteBlock8(const uint8_t*, const uint8_t*, int) override { return true; }
  bool Close() override { return true; }
};

// The integrated loudness (EBU R128 gating: -70 LUFS absolute, then 10 LU
// below the mean of what passed) of the gating blocks of `meters` after a
// gain of `gain` dB; -HUGE_VAL when no block passes.
double IntegratedAfterGain(const std::vector<std::shared_ptr<LoudnessMeter>>& meters, double gain) {
  const double scale = std::pow(10.0, gain / 10);
  const auto loudness = [](double energy) { return 10 * std::log10(energy) - 0.691; };
  const auto gatedMean = [&](double threshold) {
    double sum = 0;
    size_t count = 0;
    for (const std::shared_ptr<LoudnessMeter>& meter : meters) {
      for (double energy : meter->BlockEnergies()) {
        if (loudness(energy * scale) < threshold) continue;
        sum += energy * scale;
        ++count;
      }
    }
    return count == 0 ? 0.0 : sum / static_cast<double>(count);
  };
  const double absolute = gatedMean(-70);
  if (absolute <= 0) return -HUGE_VAL;
  const double gated = gatedMean(loudness(absolute) - 10);
  return gated > 0 ? loudness(gated) : -HUGE_VAL;
}

}  // namespace

NormalizeGain ChooseNormalizeGain(const std::vector<std::shared_ptr<LoudnessMeter>>& meters,
                                  const ConvertSettings& settings) {
  NormalizeGain gain;
  const LoudnessValues values = LoudnessMeter::Combined(meters);
  if (!values.measured || !std::isfinite(values.integrated)) {
    gain.silent = true;
    return gain;
  }
  const double target = -static_cast<double>(settings.normalizeLufs);
  const double ceiling = -static_cast<double>(settings.normalizeCeiling) / 10;
  // The gain the measurement asks for, corrected until the output's own
  // gating agrees: lifted quiet blocks lower the loudness it measures.
  gain.decibels = target - values.integrated;
  for (int round = 0; round < 20; ++round) {
    const double reached = IntegratedAfterGain(meters, gain.decibels);
    if (!std::isfinite(reached) || std::fabs(target - reached) < 0.005) break;
    gain.decibels += target - reached;
  }
  const double peak = PeakDecibels(values.truePeak);
  if (std::isfinite(peak) && peak + gain.decibels > ceiling) {
    gain.decibels = ceiling - peak;
    gain.lowered = true;
  }
  return gain;
}

float NormalizeFactor(const NormalizeGain& gain) {
  if (gain.silent || gain.decibels == 0) return 0;
  return static_cast<float>(std::pow(10.0, gain.decibels / 20));
}

std::string NormalizeNote(const NormalizeGain& gain) {
  if (gain.silent) return "not normalised: the source is silent";
  char text[64];
  std::snprintf(text, sizeof text, "normalised: %+.1f dB", gain.decibels);
  std::string note = text;
  if (gain.lowered) note += ", lowered by the true-peak ceiling";
  return note;
}

LevelPass::LevelPass() = default;
LevelPass::~LevelPass() = default;
LevelPass::LevelPass(LevelPass&&) noexcept = default;
LevelPass& LevelPass::operator=(LevelPass&&) noexcept = default;

bool LevelPass::Succeeded() const {
  return end == LoopEnd::FINISHED && fault.empty() && damagedAt < 0 && problem.empty();
}

LevelPass RunLevelPass(AudioSource& source, const BlockPlan& plan, const WriterFormat& target,
                       bool keep, FileProgress& fileProgress, ConversionProgress& progress) {
  LevelPass pass;
  pass.meter = std::make_shared<LoudnessMeter>(target.rate, target.channels, LoudnessMeter::BLOCKS);
  if (!pass.meter->Valid()) {
    pass.problem = "the loudness of the output cannot be measured";
    return pass;
  }
  DiscardingWriter discard;
  if (keep) {
    pass.kept = std::make_unique<KeptRender>();
    pass.kept->Open(std::string(), target);
  }
  AudioWriter& writer = keep ? static_cast<AudioWriter&>(*pass.kept) : discard;
  // What is measured is what the output would be written with, unamplified.
  BlockPlan measured = plan;
  measured.gain = 0;
  measured.writeFailureEnds = true;
  LoopTally tally;
  tally.meter = pass.meter.get();
  pass.end = RunBlockLoop(source, measured, writer, fileProgress, progress, &tally);
  if (pass.kept && !pass.kept->Close()) pass.problem = pass.kept->Problem();
  if (pass.end == LoopEnd::FINISHED) {
    pass.damagedAt = source.DamagedAt();
    pass.fault = source.GetFault();
  }
  pass.note = source.GetNote();
  return pass;
}
