#pragma once

#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "source/SourceList.h"

// Probes a run of files on several threads and hands the outcomes back in
// the run's order, so that adding them one after another (AddProbed) gives
// the rows, the failures and their reasons that adding each file with
// AddOneFile gives. Files the list already holds when the run starts are
// not probed. The list must not be destroyed before the run, and its prober
// must allow several threads at once.
class ParallelProbe {
 public:
  struct File {
    std::string path;
    std::string addedFrom;  // the folder whose search found it; "" if none
  };

  // Starts `jobs` threads (0: one per processor), never more than files.
  ParallelProbe(const SourceList& list, std::vector<File> files, int jobs = 0);
  // Stops the threads after the files being probed and waits for them.
  ~ParallelProbe();
  ParallelProbe(const ParallelProbe&) = delete;
  ParallelProbe& operator=(const ParallelProbe&) = delete;

  size_t Count() const { return files_.size(); }
  // True once every outcome was handed out.
  bool Done() const { return next_ == files_.size(); }
  // The next file's outcome: waits up to `waitMs` milliseconds for it (0:
  // not at all; negative: as long as it takes). False when it is not ready,
  // or after Stop when no thread began it.
  bool Next(SourceList::Probed& probed, int waitMs);
  // No file not yet begun is probed; the outcomes ready stay ready.
  void Stop();

  // The threads a run of `files` files uses when asked for `jobs`.
  static int Threads(int jobs, size_t files);

 private:
  void Work();

  const SourceList& list_;
  std::vector<File> files_;
  std::vector<bool> listed_;  // held by the list at the start: not probed
  std::vector<std::optional<SourceList::Probed>> outcomes_;
  size_t taken_ = 0;  // files handed to a thread (under mutex_)
  size_t next_ = 0;   // outcomes handed out (caller's thread only)
  bool stopped_ = false;
  std::mutex mutex_;
  std::condition_variable ready_;
  std::vector<std::thread> threads_;
};
