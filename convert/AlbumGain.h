#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/ConvertSettings.h"

class LoudnessMeter;
struct SourceFile;

// The album an entry with the source `sourcePath` belongs to under AlbumBy
// `albumBy`: its source folder, or "" for the whole batch. Album ReplayGain
// values and album normalisation group a batch by it.
std::string AlbumKey(const std::string& sourcePath, uint32_t albumBy);

// The album values of one finished album, to be written into its outputs:
// what AlbumGain hands over when an album's last entry has ended. Write()
// may run on any thread; it touches nothing but the album's own files.
class AlbumRewrite {
 public:
  AlbumRewrite() = default;
  AlbumRewrite(std::vector<std::string> outputs,
               std::vector<std::shared_ptr<LoudnessMeter>> meters)
      : outputs_(std::move(outputs)), meters_(std::move(meters)) {}

  // Whether there is anything to write.
  bool Empty() const { return outputs_.empty(); }

  // Computes the album's gain and peak over all its converted files and
  // writes them into each output through a copy beside it that then takes
  // its name. Once `cancelled` answers true, the file being copied is left
  // as it was and the rest are not touched, so every output keeps its album
  // values or has none. Answers a note for the entry that ended the album
  // when not every file got its values; "" otherwise.
  std::string Write(const std::function<bool()>& cancelled) const;

 private:
  std::vector<std::string> outputs_;
  std::vector<std::shared_ptr<LoudnessMeter>> meters_;
};

// The album ReplayGain values of a batch. Under ReplayGain "album" the
// entries form albums, the entries of one source folder or the whole batch
// (AlbumBy); each converted entry brings the measurement of what it was
// written with. When the last entry of an album has ended (converted or
// not), the album is handed over to be written (AlbumRewrite), by the
// batch's thread or by a worker, so that a window running the batch keeps
// answering while the files are rewritten.
class AlbumGain {
 public:
  // Counts the entries of each album of the batch; nothing is done later
  // unless the settings ask for album values.
  void Begin(const ConvertSettings& settings, const std::vector<SourceFile*>& entries);

  // The entry with the source `sourcePath` has ended: `outputPath` is its
  // finished output ("" when it did not convert), `meter` its measurement
  // (null when none). Answers the album to write when this entry was its
  // last one; an empty one otherwise.
  AlbumRewrite EntryEnded(const std::string& sourcePath, const std::string& outputPath,
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
// when any step fails or `cancelled` answers true while the file is copied.
bool RewriteWithAlbumGain(const std::string& path, double gain, double peak,
                          const std::function<bool()>& cancelled = {});
