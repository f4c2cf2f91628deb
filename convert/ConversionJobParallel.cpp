// A batch with several entries converting at a time. The thread that runs
// the batch places and starts the entries in list order, gives finished
// outputs their names and shows the statuses in list order; each entry
// converts on a worker thread of its own, with a front end of its own
// (WorkerProgress) that keeps only what the batch needs from it: how far
// the entry is, and whether Cancel was asked. An album's values are written
// into its files by a worker too, while the next entries convert; the
// status of the entry that ended the album waits for them.

#include "convert/ConversionJob.h"

#include <pthread.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include "app/EngineStartup.h"
#include "convert/ConversionProgress.h"
#include "source/SourceFile.h"
#include "source/SourceKind.h"

namespace {

// The range of a worker's file bar: a tenth of a percent.
constexpr int kWorkerBarWidth = 1000;

// How long the batch waits for a worker to finish before it pumps the
// front end's events, polls Cancel and shows the progress again: short
// enough that a window running the batch answers at once (its thread does
// little else between two polls).
constexpr std::chrono::milliseconds kPollInterval(20);

// The front end of one worker: the file bar's position and the batch's
// Cancel flag, both shared with the batch's thread; everything else the
// routine shows is left out, since the batch shows the whole batch.
class WorkerProgress : public ConversionProgress {
 public:
  WorkerProgress(std::atomic<int>& bar, const std::atomic<bool>& cancel)
      : bar_(bar), cancel_(cancel) {}

  void Begin(int) override {}
  void Finish() override {}
  void SetBatchLine(const std::string&) override {}
  void StepBatch() override {}
  void SetFileLine(const std::string&) override {}
  int FileBarWidth() override { return kWorkerBarWidth; }
  void SetFileBar(int position) override { bar_.store(position, std::memory_order_relaxed); }
  void ScrollToEntry(size_t) override {}
  void SetEntryStatus(size_t, const std::string&) override {}
  void Pump() override {}
  bool CancelRequested() override { return cancel_.load(std::memory_order_relaxed); }

 private:
  std::atomic<int>& bar_;
  const std::atomic<bool>& cancel_;
};

// While it lives, the calling thread blocks every signal but those a fault
// raises; threads started meanwhile inherit that. Workers so take no
// asynchronous signal: Ctrl+C and the like reach the batch's thread, whose
// handler sets the front end's Cancel, and no worker's system call is
// interrupted.
class AsyncSignalsBlocked {
 public:
  AsyncSignalsBlocked() {
    sigset_t blocked;
    sigfillset(&blocked);
    for (const int fault : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGTRAP, SIGABRT, SIGSYS})
      sigdelset(&blocked, fault);
    pthread_sigmask(SIG_BLOCK, &blocked, &previous_);
  }
  ~AsyncSignalsBlocked() { pthread_sigmask(SIG_SETMASK, &previous_, nullptr); }
  AsyncSignalsBlocked(const AsyncSignalsBlocked&) = delete;
  AsyncSignalsBlocked& operator=(const AsyncSignalsBlocked&) = delete;

 private:
  sigset_t previous_;
};

}  // namespace

class ConversionJob::Parallel {
 public:
  Parallel(ConversionJob& job, const std::vector<SourceFile*>& entries,
           const std::vector<size_t>& rows, BatchResult& result);
  ~Parallel();
  Parallel(const Parallel&) = delete;
  Parallel& operator=(const Parallel&) = delete;

  // Runs the batch; answers how many entries got a status.
  size_t Run();

 private:
  static constexpr size_t kNone = static_cast<size_t>(-1);

  // One started entry. The worker writes `run` and `converted`, then sets
  // `finished`; the batch's thread reads them only after seeing it.
  struct Slot {
    EntryRun run;
    std::atomic<int> bar{0};
    std::atomic<bool> finished{false};
    bool converted = false;
    std::thread worker;
    // The batch's thread: the earlier entry that was given the same target
    // (under overwrite), whose output must take the name first; whether
    // the output took its name; whether the entry is ready for its status.
    size_t after = kNone;
    bool moved = false;
    bool settled = false;
    bool albumEnded = false;  // the entry's end was counted in its album
    int shownPermille = -1;  // the entry progress last given to the front end
  };

  size_t Row(size_t index) const { return index < rows_.size() ? rows_[index] : index; }
  // The album values being written by a worker. The worker writes `note`,
  // then sets `finished`; the batch's thread reads it only after seeing it.
  struct AlbumWork {
    AlbumRewrite album;
    std::string note;
    std::atomic<bool> finished{false};
    std::thread worker;
  };

  size_t Running() const;
  void Start(size_t index);
  void Work(Slot& slot, int32_t kind, const std::string& sourcePath);
  void Claim(size_t index, const std::string& target);
  // Whether the album values that the entry at shown_ waits for are
  // written; starts writing them when its end completes an album.
  bool AlbumWritten(Slot& slot);
  void WriteAlbum(AlbumWork& work);
  void NotifyFinished();
  void MoveFinished();
  void ShowFinishedInOrder();
  void WaitForWorkers();
  void ShowBatchProgress();
  void Cancel();

  ConversionJob& job_;
  const std::vector<SourceFile*>& entries_;
  const std::vector<size_t>& rows_;
  BatchResult& result_;
  const size_t workers_;
  std::vector<std::unique_ptr<Slot>> slots_;
  std::unique_ptr<AlbumWork> album_;
  size_t started_ = 0;
  size_t shown_ = 0;  // entries whose status was given
  bool cancelled_ = false;
  std::atomic<bool> cancel_{false};  // what the workers' routines poll
  std::mutex mutex_;
  std::condition_variable workerFinished_;
  bool anyFinished_ = false;  // guarded by mutex_
  std::string shownLine_;
};

ConversionJob::Parallel::Parallel(ConversionJob& job, const std::vector<SourceFile*>& entries,
                                  const std::vector<size_t>& rows, BatchResult& result)
    : job_(job),
      entries_(entries),
      rows_(rows),
      result_(result),
      workers_(static_cast<size_t>(job.jobs_)),
      slots_(entries.size()) {}

ConversionJob::Parallel::~Parallel() {
  // Only reached with workers still running when the batch's thread met
  // an exception: they stop at their next block.
  cancel_.store(true);
  for (const std::unique_ptr<Slot>& slot : slots_)
    if (slot && slot->worker.joinable()) slot->worker.join();
  if (album_ && album_->worker.joinable()) album_->worker.join();
}

size_t ConversionJob::Parallel::Run() {
  while (true) {
    while (!cancelled_ && started_ < entries_.size() && Running() < workers_) Start(started_++);
    MoveFinished();
    ShowFinishedInOrder();
    if (shown_ == entries_.size() || (cancelled_ && shown_ == started_)) break;
    WaitForWorkers();
    job_.progress_.Pump();
    if (job_.progress_.CancelRequested()) Cancel();
    ShowBatchProgress();
  }
  ShowBatchProgress();
  if (cancelled_) result_.cancelled = true;
  return shown_;
}

size_t ConversionJob::Parallel::Running() const {
  size_t running = 0;
  for (size_t i = shown_; i < started_; ++i)
    if (slots_[i]->worker.joinable() && !slots_[i]->finished.load(std::memory_order_acquire))
      ++running;
  return running;
}

void ConversionJob::Parallel::Start(size_t index) {
  SourceFile& entry = *entries_[index];
  slots_[index] = std::make_unique<Slot>();
  Slot& slot = *slots_[index];
  slot.run.sequence = static_cast<int>(index) + 1;
  if (entry.kind == KIND_MIDI && job_.engine_.SoundFontReady() == 0) {
    slot.run.status = STATUS_NEEDS_SOUNDFONT;
    slot.shownPermille = kWorkerBarWidth;  // it never converts, so shows no progress
    slot.finished.store(true);
    return;
  }
  slot.run.levels = job_.levels_.Prepare(index, job_.progress_, rows_);
  job_.ShowEntryStart(entry, Row(index), slot.run.sequence, static_cast<int>(entries_.size()));
  shownLine_.clear();
  ShowBatchProgress();
  if (!job_.PlaceEntry(entry, slot.run, job_.placement_)) {
    slot.finished.store(true);
    return;
  }
  Claim(index, entry.destinationPath);
  try {
    const AsyncSignalsBlocked blocked;
    slot.worker = std::thread(&Parallel::Work, this, std::ref(slot), entry.kind, entry.path);
  } catch (const std::system_error& error) {
    slot.run.status = STATUS_FAILURE;
    slot.run.reason = std::string("no thread could be started: ") + error.what();
    slot.finished.store(true);
  }
}

void ConversionJob::Parallel::Work(Slot& slot, int32_t kind, const std::string& sourcePath) {
  WorkerProgress progress(slot.bar, cancel_);
  try {
    slot.converted = job_.ConvertPlaced(kind, sourcePath, slot.run, progress);
  } catch (const std::exception& error) {
    slot.run.status = STATUS_FAILURE;
    slot.run.reason = error.what();
  }
  slot.finished.store(true, std::memory_order_release);
  NotifyFinished();
}

void ConversionJob::Parallel::NotifyFinished() {
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    anyFinished_ = true;
  }
  workerFinished_.notify_one();
}

bool ConversionJob::Parallel::AlbumWritten(Slot& slot) {
  if (!slot.albumEnded) {
    slot.albumEnded = true;
    AlbumRewrite album = job_.EndOfAlbum(*entries_[shown_], slot.run, slot.converted && slot.moved);
    if (album.Empty()) return true;
    album_ = std::make_unique<AlbumWork>();
    album_->album = std::move(album);
    try {
      const AsyncSignalsBlocked blocked;
      album_->worker = std::thread(&Parallel::WriteAlbum, this, std::ref(*album_));
    } catch (const std::system_error&) {
      WriteAlbum(*album_);  // no thread to be had: written here instead
    }
  }
  if (!album_) return true;
  if (!album_->finished.load(std::memory_order_acquire)) return false;
  if (album_->worker.joinable()) album_->worker.join();
  AddNote(slot.run, album_->note);
  album_.reset();
  return true;
}

void ConversionJob::Parallel::WriteAlbum(AlbumWork& work) {
  try {
    work.note = work.album.Write([this] { return cancel_.load(std::memory_order_relaxed); });
  } catch (const std::exception& error) {
    work.note = std::string("the album ReplayGain tags could not be written: ") + error.what();
  }
  work.finished.store(true, std::memory_order_release);
  NotifyFinished();
}

void ConversionJob::Parallel::Claim(size_t index, const std::string& target) {
  const size_t earlier = job_.names_.Claim(target, index);
  if (earlier != BatchNames::kNone) slots_[index]->after = earlier;
}

void ConversionJob::Parallel::MoveFinished() {
  for (size_t i = shown_; i < started_; ++i) {
    Slot& slot = *slots_[i];
    if (slot.settled || !slot.finished.load(std::memory_order_acquire)) continue;
    if (slot.worker.joinable()) slot.worker.join();
    if (slot.converted) {
      // Two entries with one target (skip decides against the disk): the
      // earlier output takes the name first, as it would one at a time.
      if (slot.after != kNone && slot.after >= shown_ && !slots_[slot.after]->settled) continue;
      SourceFile& entry = *entries_[i];
      slot.moved = job_.MoveToTarget(entry, slot.run, job_.placement_);
      // A file that appeared at the target meanwhile made auto rename
      // choose another name, which later entries must not take.
      if (slot.moved) job_.names_.Claim(entry.destinationPath, i);
    }
    slot.settled = true;
  }
}

void ConversionJob::Parallel::ShowFinishedInOrder() {
  while (shown_ < started_ && slots_[shown_]->settled) {
    Slot& slot = *slots_[shown_];
    if (!AlbumWritten(slot)) return;
    const bool ok = slot.converted && slot.moved;
    if (!job_.ShowOutcome(*entries_[shown_], Row(shown_), slot.run, ok, result_)) Cancel();
    job_.levels_.Release(shown_);
    slots_[shown_].reset();
    ++shown_;
  }
}

void ConversionJob::Parallel::WaitForWorkers() {
  std::unique_lock<std::mutex> lock(mutex_);
  workerFinished_.wait_for(lock, kPollInterval, [this] { return anyFinished_; });
  anyFinished_ = false;
}

void ConversionJob::Parallel::ShowBatchProgress() {
  // Entries with a status count whole, running ones by their file bars.
  const uint64_t total = static_cast<uint64_t>(entries_.size()) * kWorkerBarWidth;
  uint64_t done = static_cast<uint64_t>(shown_) * kWorkerBarWidth;
  size_t finished = shown_;
  ConversionProgress& progress = job_.progress_;
  for (size_t i = shown_; i < started_; ++i) {
    Slot& slot = *slots_[i];
    int permille = kWorkerBarWidth;
    if (slot.finished.load(std::memory_order_acquire))
      ++finished;
    else
      permille = std::clamp(slot.bar.load(std::memory_order_relaxed), 0, kWorkerBarWidth);
    done += static_cast<uint64_t>(permille);
    if (permille != slot.shownPermille) {
      slot.shownPermille = permille;
      progress.SetEntryProgress(Row(i), permille);
    }
  }
  const std::string line = "Finished " + std::to_string(finished) + " of " +
                           std::to_string(entries_.size()) + " file(s)..." +
                           std::to_string(done * 100 / total) + "%";
  if (line == shownLine_) return;
  shownLine_ = line;
  progress.SetFileLine(line);
  progress.SetFileBar(
      static_cast<int>(done * static_cast<uint64_t>(progress.FileBarWidth()) / total));
}

void ConversionJob::Parallel::Cancel() {
  cancelled_ = true;
  cancel_.store(true);
}

size_t ConversionJob::RunParallel(const std::vector<SourceFile*>& entries,
                                  const std::vector<size_t>& rows, BatchResult& result) {
  return Parallel(*this, entries, rows, result).Run();
}
