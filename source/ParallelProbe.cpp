#include "source/ParallelProbe.h"

#include <algorithm>
#include <chrono>

ParallelProbe::ParallelProbe(const SourceList& list, std::vector<File> files, int jobs)
    : list_(list), files_(std::move(files)), outcomes_(files_.size()) {
  listed_.reserve(files_.size());
  for (const File& file : files_) listed_.push_back(list_.Lists(file.path));
  const int threads = Threads(jobs, files_.size());
  threads_.reserve(static_cast<size_t>(threads));
  for (int i = 0; i < threads; ++i) threads_.emplace_back([this] { Work(); });
}

ParallelProbe::~ParallelProbe() {
  Stop();
  for (std::thread& thread : threads_) thread.join();
}

int ParallelProbe::Threads(int jobs, size_t files) {
  if (jobs <= 0) jobs = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  return static_cast<int>(std::min<size_t>(static_cast<size_t>(jobs), files));
}

void ParallelProbe::Work() {
  for (;;) {
    size_t index = 0;
    {
      const std::lock_guard<std::mutex> lock(mutex_);
      if (stopped_ || taken_ == files_.size()) return;
      index = taken_++;
    }
    SourceList::Probed probed;
    if (listed_[index]) probed.absolute = SourceList::PathKey(files_[index].path);
    else probed = list_.Probe(files_[index].path, files_[index].addedFrom);
    {
      const std::lock_guard<std::mutex> lock(mutex_);
      outcomes_[index] = std::move(probed);
    }
    ready_.notify_all();
  }
}

bool ParallelProbe::Next(SourceList::Probed& probed, int waitMs) {
  if (Done()) return false;
  std::unique_lock<std::mutex> lock(mutex_);
  // After Stop, a file no thread began never gets an outcome.
  const auto ready = [this] { return outcomes_[next_].has_value() || (stopped_ && next_ >= taken_); };
  if (waitMs < 0) ready_.wait(lock, ready);
  else if (!ready_.wait_for(lock, std::chrono::milliseconds(waitMs), ready)) return false;
  if (!outcomes_[next_]) return false;
  probed = std::move(*outcomes_[next_]);
  outcomes_[next_].reset();
  ++next_;
  return true;
}

void ParallelProbe::Stop() {
  const std::lock_guard<std::mutex> lock(mutex_);
  stopped_ = true;
}
