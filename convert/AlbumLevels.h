#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "app/ConvertSettings.h"
#include "convert/ConvertRoutines.h"

class ConversionProgress;
struct LevelPass;
struct SourceFile;

// The first passes of a batch normalised per album. The albums are those of
// the album ReplayGain values (AlbumKey). Before the first entry of an album
// is encoded, every entry of it is measured (the first half of each entry's
// progress; MIDI songs and modules keep their render for their second
// pass), and each gets the album's one gain: the album's integrated
// loudness brought to the target, lowered by its highest true peak.
class AlbumLevels {
 public:
  AlbumLevels();
  ~AlbumLevels();
  AlbumLevels(const AlbumLevels&) = delete;
  AlbumLevels& operator=(const AlbumLevels&) = delete;

  // Nothing is measured unless the settings normalise per album.
  void Begin(const ConvertSettings& settings, const std::vector<SourceFile*>& entries);

  // Before the entry at `index` of the batch converts: measures the entries
  // of its album not measured yet, on this thread, showing each at its row
  // of `rows`, and answers the entry's pass (kept here until Release); null
  // when the batch is not normalised per album. Cancel stops the
  // measuring; the passes it did not reach answer as cancelled.
  LevelPass* Prepare(size_t index, ConversionProgress& progress, const std::vector<size_t>& rows);

  // The entry at `index` has ended: its pass, and the render it kept, go.
  void Release(size_t index);
  // The batch has ended: what a stopped batch still kept goes.
  void End();

 private:
  const ConvertSettings* settings_ = nullptr;
  ConvertRoutine routine_;
  std::vector<SourceFile*> entries_;
  std::vector<std::string> albums_;
  std::vector<std::unique_ptr<LevelPass>> passes_;
};
