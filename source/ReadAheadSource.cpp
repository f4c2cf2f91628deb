#include "source/ReadAheadSource.h"

#include <algorithm>
#include <cstring>
#include <system_error>
#include <utility>

ReadAheadSource::ReadAheadSource(std::unique_ptr<AudioSource> source, size_t depth)
    : source_(std::move(source)), depth_(std::max<size_t>(depth, 1)) {
  // The stream's properties are fixed once it is open: the base class
  // answers them from these fields.
  duration_ = source_->GetDuration();
  durationMs_ = source_->GetDurationMs();
  channels_ = source_->GetChannels();
  outputChannels_ = source_->GetOutputChannels();
  sampleRate_ = source_->GetSampleRate();
  bitsPerSample_ = source_->GetBitsPerSample();
  mp3ChannelMode_ = source_->GetMp3ChannelMode();
  bitRate_ = source_->GetBitRate();
  contentKind_ = source_->GetContentKind();
}

ReadAheadSource::~ReadAheadSource() { StopReading(); }

void ReadAheadSource::Close() {
  StopReading();
  source_->Close();
}

bool ReadAheadSource::Open(const std::string& /*path*/, uint32_t /*renderRate*/) { return false; }

int ReadAheadSource::Read(PcmBlock& block) {
  block.frames = 0;
  if (!started_) {
    started_ = true;
    std::lock_guard<std::mutex> lock(mutex_);
    if (!stop_) {
      // Without a thread the source is simply read on the caller's.
      try {
        running_ = true;
        thread_ = std::thread(&ReadAheadSource::Work, this);
      } catch (const std::system_error&) {
        running_ = false;
      }
    }
  }
  std::unique_lock<std::mutex> lock(mutex_);
  if (queue_.empty() && running_) {
    callerWaiting_ = true;
    changed_.wait(lock, [this] { return !queue_.empty() || !running_; });
    callerWaiting_ = false;
  }
  if (!queue_.empty()) {
    Decoded decoded = std::move(queue_.front());
    queue_.pop_front();
    // The thread is woken once half the queue is free, not for every block.
    const bool wake = readerWaiting_ && queue_.size() <= depth_ / 2;
    lock.unlock();
    if (wake) changed_.notify_all();
    return Deliver(decoded, block);
  }
  // The thread has stopped: the source is the caller's again.
  std::unique_ptr<PcmBlock> spare;
  if (!spare_.empty()) {
    spare = std::move(spare_.back());
    spare_.pop_back();
  }
  lock.unlock();
  if (thread_.joinable()) thread_.join();
  if (!spare) spare = std::make_unique<PcmBlock>();
  Decoded decoded = DecodeOne(std::move(spare));
  return Deliver(decoded, block);
}

void ReadAheadSource::Work() {
  for (;;) {
    std::unique_ptr<PcmBlock> block;
    {
      std::unique_lock<std::mutex> lock(mutex_);
      if (queue_.size() >= depth_ && !stop_) {
        readerWaiting_ = true;
        changed_.wait(lock, [this] { return stop_ || queue_.size() <= depth_ / 2; });
        readerWaiting_ = false;
      }
      if (stop_) {
        running_ = false;
        break;
      }
      if (!spare_.empty()) {
        block = std::move(spare_.back());
        spare_.pop_back();
      }
    }
    if (!block) block = std::make_unique<PcmBlock>();
    Decoded decoded = DecodeOne(std::move(block));
    // The end, an error or an exception: nothing more to read.
    const bool last = decoded.frames <= 0 || decoded.error;
    bool wake = false;
    {
      std::lock_guard<std::mutex> lock(mutex_);
      queue_.push_back(std::move(decoded));
      if (last) running_ = false;
      wake = callerWaiting_;
    }
    if (wake) changed_.notify_all();
    if (last) return;
  }
  changed_.notify_all();
}

ReadAheadSource::Decoded ReadAheadSource::DecodeOne(std::unique_ptr<PcmBlock> block) {
  Decoded decoded;
  decoded.block = std::move(block);
  try {
    decoded.frames = source_->Read(*decoded.block);
  } catch (...) {
    decoded.error = std::current_exception();
    decoded.frames = 0;
  }
  decoded.position = source_->GetPosition();
  decoded.length = source_->GetLength();
  return decoded;
}

int ReadAheadSource::Deliver(Decoded& decoded, PcmBlock& block) {
  position_ = decoded.position;
  length_ = decoded.length;
  const int frames = decoded.frames;
  const std::exception_ptr error = decoded.error;
  if (frames > 0) {
    const size_t count = static_cast<size_t>(std::min(frames, BLOCK_SAMPLES));
    // 8-bit samples take half of what is copied; a mono source leaves the
    // right array untouched.
    std::memcpy(block.left, decoded.block->left, count * sizeof block.left[0]);
    if (outputChannels_ == 2) std::memcpy(block.right, decoded.block->right, count * sizeof block.right[0]);
  }
  block.frames = frames;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    spare_.push_back(std::move(decoded.block));
  }
  if (error) std::rethrow_exception(error);
  return frames;
}

void ReadAheadSource::StopReading() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stop_ = true;
  }
  changed_.notify_all();
  if (thread_.joinable()) thread_.join();
}

uint64_t ReadAheadSource::GetLength() { return started_ ? length_ : source_->GetLength(); }

uint64_t ReadAheadSource::GetPosition() { return started_ ? position_ : source_->GetPosition(); }

double ReadAheadSource::DamagedAt() {
  StopReading();
  return source_->DamagedAt();
}

const uint8_t* ReadAheadSource::GetId3v1Tag() {
  StopReading();
  return source_->GetId3v1Tag();
}

const uint8_t* ReadAheadSource::GetId3v2Tag(uint32_t& size) {
  StopReading();
  return source_->GetId3v2Tag(size);
}

bool ReadAheadSource::ReadTags(TagInfo& tags) {
  StopReading();
  return source_->ReadTags(tags);
}

std::string ReadAheadSource::GetNote() {
  StopReading();
  return source_->GetNote();
}

std::string ReadAheadSource::GetFault() {
  StopReading();
  return source_->GetFault();
}
