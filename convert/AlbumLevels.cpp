#include "convert/AlbumLevels.h"

#include "convert/AlbumGain.h"
#include "convert/ConversionProgress.h"
#include "convert/EntryBarRelay.h"
#include "convert/LoudnessMeter.h"
#include "convert/Normalization.h"
#include "source/SourceFile.h"

AlbumLevels::AlbumLevels() = default;
AlbumLevels::~AlbumLevels() = default;

void AlbumLevels::Begin(const ConvertSettings& settings, const std::vector<SourceFile*>& entries) {
  End();
  if (settings.normalize != NORMALIZE_ALBUM) return;
  settings_ = &settings;
  routine_ = RoutineFor(settings.outputFormat);
  entries_ = entries;
  for (const SourceFile* entry : entries)
    albums_.push_back(AlbumKey(entry->path, settings.albumBy));
  passes_.resize(entries.size());
}

LevelPass* AlbumLevels::Prepare(size_t index, ConversionProgress& progress,
                                const std::vector<size_t>& rows) {
  if (index >= passes_.size()) return nullptr;
  if (!passes_[index]) {
    // An album's entries before this one were measured with the first of
    // them, so the album is this entry and the unmeasured ones after it.
    std::vector<LevelPass*> album;
    std::vector<std::shared_ptr<LoudnessMeter>> meters;
    for (size_t i = index; i < entries_.size(); ++i) {
      if (passes_[i] || albums_[i] != albums_[index]) continue;
      passes_[i] = std::make_unique<LevelPass>();
      LevelPass& pass = *passes_[i];
      album.push_back(&pass);
      if (progress.CancelRequested()) {
        pass.end = LoopEnd::CANCELLED;
        continue;
      }
      const size_t row = i < rows.size() ? rows[i] : i;
      EntryBarRelay relay(progress, row);
      pass = routine_.MeasureLevels(entries_[i]->kind, entries_[i]->path, *settings_, relay);
      if (pass.Succeeded()) meters.push_back(pass.meter);
    }
    const NormalizeGain gain = ChooseNormalizeGain(meters, *settings_);
    for (LevelPass* pass : album) pass->albumGain = gain;
  }
  return passes_[index].get();
}

void AlbumLevels::Release(size_t index) {
  if (index < passes_.size()) passes_[index].reset();
}

void AlbumLevels::End() {
  entries_.clear();
  albums_.clear();
  passes_.clear();
}
