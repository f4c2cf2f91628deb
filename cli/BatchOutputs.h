#pragma once

// The command line's records of a batch: the plan of --dry-run, the JSON
// Lines report of --report, and the share of the batch that --shard picks.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "cli/SourceLoading.h"
#include "convert/BatchPlan.h"
#include "source/SourceFile.h"

// The plan with the files that failed to load in their places. As text, a
// line per entry "source<TAB>action<TAB>output" (the reason instead of the
// output for skip and fail); with `json`, one JSON array of objects
// {"source", "action", "output", "reason", "in_documents"}, null where there
// is nothing to say. Paths are written as OneLineText writes them.
void WritePlan(const std::vector<PlannedEntry>& plan, const std::vector<LoadFailure>& failures,
               bool json, std::ostream& out);

// How a batch ended, for the report's last line.
struct ReportSummary {
  int converted = 0;
  int skipped = 0;
  int failed = 0;
  int notConverted = 0;
  bool cancelled = false;
  double seconds = 0;
};

// --report FILE: one JSON object per line, appended to the file, each
// written whole in one system call as soon as its entry ends, so a run that
// is killed leaves only complete lines. An entry's object:
//   "source", "output" (null without one), "status" ("converted",
//   "skipped", "failed", "cancelled", "not converted"), "message" (the
//   status text the terminal shows), "reason" (null when none),
//   "input_seconds", "output_seconds" (null when not known), "seconds"
//   (the time the entry took) and "bytes" (the output's size, 0 without).
// The last line of a run that was not killed is
//   {"summary": true, "converted", "skipped", "failed", "not_converted",
//    "cancelled", "seconds"}.
class BatchReport {
 public:
  ~BatchReport();
  // Opens `path` for appending (created when missing); false with the
  // reason on `err`.
  bool Open(const std::string& path, std::ostream& err);
  // An entry that ended with `message`; `output` is "" when it has none.
  void Entry(const SourceFile& entry, const std::string& output, const std::string& message,
             const std::string& reason, double seconds);
  // A file that failed to load.
  void LoadFailed(const LoadFailure& failure);
  void Summary(ReportSummary summary);
  // The counts so far.
  const ReportSummary& Counts() const { return counts_; }

 private:
  void WriteLine(const std::string& line);

  int fd_ = -1;
  ReportSummary counts_;
};

// --shard K/N: which of N shares of the batch this run converts (`index`
// from 0). Entries are grouped by their file name without its extension and
// without a last "_N", in any letter case, so the entries whose outputs could
// take the same name (auto rename included) share a run and are named as one
// run names them; the groups, sorted, go to the shares in turn.
struct Shard {
  uint32_t index = 0;
  uint32_t count = 1;
};
// Parses "K/N" with 1 <= K <= N; false with a message on `err` otherwise.
bool ParseShard(const std::string& value, Shard& shard, std::ostream& err);
// For each path, whether it falls in `shard`.
std::vector<bool> InShard(const std::vector<std::string>& paths, Shard shard);
