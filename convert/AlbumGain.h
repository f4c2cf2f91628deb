#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/ConvertSettings.h"

class LoudnessMeter;
struct SourceFile;

// The album an entry with the source `sourcePath` belongs to under AlbumBy
// `albumBy`: its source folder, or "" for the whole batch. Album ReplayGain
// values and album normalisation group a batch by it.
std::string AlbumKey(const std::string& sourcePath, uint32_t albumBy);

// The album ReplayGain values of a batch. Under ReplayGain "album" the
// entries form albums, the entries of one source folder or the whole batch
// (AlbumBy); each converted entry brings the measurement of what it was
// written with. When the last entry of an album has ended (converted or
// not), the album's gain and peak are computed over all its converted
// files and written into each of its finished outputs through a copy
// beside it that then takes its name, so an output is never left
// half-rewritten: a batch stopped at any point leaves every output with its
// album values or without them.
class AlbumGain {
 public:
  // Counts the entries of each album of the batch; nothing is done later
  // unless the settings ask for album values.
  void Begin(const ConvertSettings& settings, const std::vector<SourceFile*>& entries);

  // The entry with the source `sourcePath` has ended: `outputPath` is its
  // finished output ("" when it did not convert), `meter` its measurement
  // (null when none). Answers a note for the entry when its album could
  // not be tagged in full; "" otherwise.
  std::string EntryEnded(const std::string& sourcePath, const std::string& outputPath,
                         const std::shared_ptr<LoudnessMeter>& meter);

 private:
  struct Album {
    size_t remaining = 0;
    std::vector<std::string> outputs;
    std::vector<std::shared_ptr<LoudnessMeter>> meters;
  };
  bool active_ = false;
  uint32_t albumBy_ = ALBUM_BY_FOLDER;
  std::map<std::string, Album> albums_;
};

// Writes album values into the finished file at `path` through a copy
// beside it that replaces it once tagged; false, with the file unchanged,
// when any step fails.
bool RewriteWithAlbumGain(const std::string& path, double gain, double peak);
