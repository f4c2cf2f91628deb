#pragma once

#include <functional>
#include <iosfwd>
#include <memory>
#include <vector>

#include "source/SourceFile.h"
#include "source/TagInfo.h"

struct LoudnessValues;

// `sondrel-cli info --json`: the listed entries as one JSON array, an object
// per entry, for scripts:
//   "path"         the absolute path as the list holds it
//   "path_bytes_hex"  null, or, when the path is not valid UTF-8, its exact
//                  bytes in hex ("path" then has U+FFFD for each bad byte)
//   "duration"     seconds, to the millisecond (0.4, 3, 61.25)
//   "sample_rate"  Hz                   "bit_rate"     kbit/s
//   "channels"     channel count
//   "channel_mode" MPEG audio: "stereo", "joint stereo", "dual channel" or
//                  "mono"; null otherwise ("channels" is what the mode
//                  implies, 1 or 2)
//   "kind"         the name of the kind the content showed when probed, or
//                  where no reader told it, of the kind of the extension
//                  ("mpeg audio", "wave", "midi", ...)
//   "kind_code"    that kind's code (1000, 2000, 3050, ...)
//   "tags"         with `tagsOf` only: the nine tag texts by name
//   "loudness_lufs", "loudness_range_lu", "true_peak_dbtp"
//                  with `loudness` only (one per entry): the integrated
//                  loudness, the loudness range and the true peak, to the
//                  hundredth; null when the entry could not be measured
//                  (and the loudness of silence)
// A value the probe did not report (an empty cell in the list, an empty tag
// text) is null, never 0 or "". Texts that are not valid UTF-8 carry U+FFFD
// for each bad byte.
void WriteInfoJson(const std::vector<std::unique_ptr<SourceFile>>& entries,
                   const std::function<TagInfo(const SourceFile&)>& tagsOf, std::ostream& out,
                   const std::vector<LoudnessValues>* loudness = nullptr);
