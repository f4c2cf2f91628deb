#include "convert/AlbumGain.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <utility>

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
// Stops when `cancelled` answers true between two blocks.
bool CopyInto(const std::string& from, const std::string& to,
              const std::function<bool()>& cancelled) {
  FilePtr in(std::fopen(from.c_str(), "rb"));
  FilePtr out(OpenOutputStream(to));
  if (!in || !out) return false;
  char buffer[65536];
  for (;;) {
    if (cancelled && cancelled()) return false;
    const size_t n = std::fread(buffer, 1, sizeof buffer, in.get());
    if (n > 0 && std::fwrite(buffer, 1, n, out.get()) != n) return false;
    if (n < sizeof buffer) break;
  }
  if (std::ferror(in.get())) return false;
  std::FILE* done = out.release();
  return std::fclose(done) == 0;
}

}  // namespace

bool RewriteWithAlbumGain(const std::string& path, double gain, double peak,
                          const std::function<bool()>& cancelled) {
  TemporaryOutput copy;
  if (!copy.Create(path) || !CopyInto(path, copy.Path(), cancelled)) return false;
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

AlbumRewrite AlbumGain::EntryEnded(const std::string& sourcePath, const std::string& outputPath,
                                   const std::shared_ptr<LoudnessMeter>& meter) {
  if (!active_) return AlbumRewrite();
  const auto found = albums_.find(AlbumKey(sourcePath, albumBy_));
  if (found == albums_.end() || found->second.remaining == 0) return AlbumRewrite();
  Album& album = found->second;
  if (!outputPath.empty() && meter) {
    album.outputs.push_back(outputPath);
    album.meters.push_back(meter);
  }
  if (--album.remaining > 0) return AlbumRewrite();
  // The meters' memory goes with the rewrite, as soon as the album is written.
  return AlbumRewrite(std::exchange(album.outputs, {}), std::exchange(album.meters, {}));
}

std::string AlbumRewrite::Write(const std::function<bool()>& cancelled) const {
  if (outputs_.empty()) return std::string();
  const LoudnessValues values = LoudnessMeter::Combined(meters_);
  if (!values.measured || !std::isfinite(values.integrated)) return std::string();
  const double gain = REPLAYGAIN_REFERENCE_LUFS - values.integrated;
  size_t written = 0;
  size_t failed = 0;
  for (const std::string& output : outputs_) {
    if (cancelled && cancelled()) break;
    if (RewriteWithAlbumGain(output, gain, values.truePeak, cancelled))
      ++written;
    else if (!(cancelled && cancelled()))
      ++failed;
  }
  const std::string files = " of the album's " + std::to_string(outputs_.size()) + " files";
  if (written + failed < outputs_.size())
    return "the batch was cancelled with the album ReplayGain tags written into " +
           std::to_string(written) + files;
  if (failed == 0) return std::string();
  return "the album ReplayGain tags could not be written into " + std::to_string(failed) + files;
}
