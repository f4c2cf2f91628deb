#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "convert/ConversionLoop.h"

struct ConvertSettings;
struct LoudnessValues;
struct WriterFormat;
class KeptRender;
class LoudnessMeter;

// The one gain that loudness normalisation gives a track or an album.
struct NormalizeGain {
  double decibels = 0;
  bool silent = false;   // no loudness to correct: no gain
  bool lowered = false;  // less than the target asks, so the true peak keeps the ceiling
};

// The gain that brings what `meters` measured (a track, or the tracks of
// an album, meters that keep their blocks) to the settings' target
// loudness, lowered so that the true peak plus the gain stays at or below
// the ceiling. The loudness is the one the output will measure: the
// gating blocks the gain lifts above the absolute gate count. Silence
// (integrated loudness -inf) gets none.
NormalizeGain ChooseNormalizeGain(const std::vector<std::shared_ptr<LoudnessMeter>>& meters,
                                  const ConvertSettings& settings);

// The block loop's factor for a gain; 0 (leave the samples) for 0 dB.
float NormalizeFactor(const NormalizeGain& gain);

// What the entry's note says of the gain ("normalised: +6.3 dB").
std::string NormalizeNote(const NormalizeGain& gain);

// The first pass of a normalised conversion: what would be written,
// measured, and for a MIDI song or a module kept for the second pass.
struct LevelPass {
  LoopEnd end = LoopEnd::FAILED;
  std::shared_ptr<LoudnessMeter> meter;
  std::unique_ptr<KeptRender> kept;  // null unless the source is rendered
  // What the source said once read (see AudioSource): its note and fault,
  // and where it stopped at damage (negative: it did not).
  std::string note;
  std::string fault;
  double damagedAt = -1;
  // Why the pass failed besides the source: no meter, no room for the render.
  std::string problem;
  // An album's gain, given to each of its entries before they encode.
  std::optional<NormalizeGain> albumGain;

  LevelPass();
  ~LevelPass();
  LevelPass(LevelPass&&) noexcept;
  LevelPass& operator=(LevelPass&&) noexcept;

  // Read to its end with nothing wrong.
  bool Succeeded() const;
};

// Runs the first pass over the opened `source` with `plan` (its gain left
// out) into a meter of `target`, keeping the blocks when `keep`;
// the source stays open.
LevelPass RunLevelPass(AudioSource& source, const BlockPlan& plan, const WriterFormat& target,
                       bool keep, FileProgress& fileProgress, ConversionProgress& progress);
