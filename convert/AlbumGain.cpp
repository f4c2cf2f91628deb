#include "convert/AlbumGain.h"

#include <cmath>
#include <cstdio>
#include <filesystem>

#include "convert/LoudnessMeter.h"
#include "convert/TemporaryOutput.h"
#include "platform/files/FileHandle.h"
#include "platform/files/OutputFile.h"
#include "platform/tags/ReplayGainTags.h"
#include "source/SourceFile.h"

namespace {

// Copies the bytes of `from` into the existing file `to`, which keeps its
// identity (the temporary output checks it before it takes a name); `to` is
// opened as every output is, never through a link put in its place.
bool CopyInto(const std::string& from, const std::string& to) {
  FilePtr in(std::fopen(from.c_str(), "rb"));
  FilePtr out(OpenOutputStream(to));
  if (!in || !out) return false;
  char buffer[65536];
  for (;;) {
    const size_t n = std::fread(buffer, 1, sizeof buffer, in.get());
    if (n > 0 && std::fwrite(buffer, 1, n, out.get()) != n) return false;
    if (n < sizeof buffer) break;
  }
  if (std::ferror(in.get())) return false;
  std::FILE* done = out.release();
  return std::fclose(done) == 0;
}

}  // namespace

bool RewriteWithAlbumGain(const std::string& path, double gain, double peak) {
  TemporaryOutput copy;
  if (!copy.Create(path) || !CopyInto(path, copy.Path())) return false;
  ReplayGainValues values;
  values.albumGain = gain;
  values.albumPeak = peak;
  if (!WriteReplayGainTags(copy.Path(), values)) return false;
  return copy.MoveTo(path, true) == TemporaryOutput::Move::DONE;
}

std::string AlbumKey(const std::string& sourcePath, uint32_t albumBy) {
  if (albumBy == ALBUM_BY_BATCH) return std::string();
  return std::filesystem::path(sourcePath).parent_path().string();
}

void AlbumGain::Begin(const ConvertSettings& settings, const std::vector<SourceFile*>& entries) {
  albums_.clear();
  active_ = settings.replayGain == REPLAYGAIN_ALBUM;
  albumBy_ = settings.albumBy;
  if (!active_) return;
  for (const SourceFile* entry : entries) ++albums_[AlbumKey(entry->path, albumBy_)].remaining;
}

std::string AlbumGain::EntryEnded(const std::string& sourcePath, const std::string& outputPath,
                                  const std::shared_ptr<LoudnessMeter>& meter) {
  if (!active_) return std::string();
  const auto found = albums_.find(AlbumKey(sourcePath, albumBy_));
  if (found == albums_.end() || found->second.remaining == 0) return std::string();
  Album& album = found->second;
  if (!outputPath.empty() && meter) {
    album.outputs.push_back(outputPath);
    album.meters.push_back(meter);
  }
  if (--album.remaining > 0) return std::string();

  const LoudnessValues values = LoudnessMeter::Combined(album.meters);
  album.meters.clear();  // their memory goes as soon as the album is done
  if (!values.measured || !std::isfinite(values.integrated)) return std::string();
  const double gain = REPLAYGAIN_REFERENCE_LUFS - values.integrated;
  size_t failed = 0;
  for (const std::string& output : album.outputs)
    if (!RewriteWithAlbumGain(output, gain, values.truePeak)) ++failed;
  album.outputs.clear();
  if (failed == 0) return std::string();
  return "the album ReplayGain tags could not be written into " + std::to_string(failed) +
         " of the album's files";
}
