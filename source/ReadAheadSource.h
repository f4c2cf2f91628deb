#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <exception>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "source/AudioSource.h"

// Decodes an opened source on a thread of its own, a few blocks ahead of
// the caller, so that decoding the next blocks overlaps with what the caller
// does with the current one (encoding it). The caller sees exactly what
// reading the source itself would give: the same blocks in the same order,
// and after each block the position and length the source reported right
// after delivering it; the end, a damage point, a fault and a note are the
// source's own.
//
// The reading thread starts with the first Read, so that everything asked
// before it is answered by the source itself. Any question other than Read,
// GetPosition and GetLength (tags, DamagedAt, the note or the fault) first
// stops the thread after the block it is decoding; blocks already decoded
// are still delivered, and the source is read directly from then on. Close
// and the destructor stop it too, so a cancelled conversion leaves no thread
// behind. Not meant for MIDI songs and modules, whose end the caller decides
// by their position: reading ahead would render past it.
class ReadAheadSource : public AudioSource {
 public:
  // `source` is open; `depth` is the most blocks decoded ahead (at least 1).
  // A full queue lets the thread rest until half of it is taken.
  explicit ReadAheadSource(std::unique_ptr<AudioSource> source, size_t depth = 32);
  ~ReadAheadSource() override;

  void Close() override;
  // The wrapped source is opened by its owner before it is wrapped.
  bool Open(const std::string& path, uint32_t renderRate) override;
  int Read(PcmBlock& block) override;

  uint64_t GetLength() override;
  uint64_t GetPosition() override;
  double DamagedAt() override;
  const uint8_t* GetId3v1Tag() override;
  const uint8_t* GetId3v2Tag(uint32_t& size) override;
  bool ReadTags(TagInfo& tags) override;
  std::string GetNote() override;
  std::string GetFault() override;

 private:
  // One decoded block and what the source said right after it.
  struct Decoded {
    std::unique_ptr<PcmBlock> block;
    int frames = 0;
    uint64_t position = 0;
    uint64_t length = 0;
    std::exception_ptr error;
  };

  void Work();
  // Decodes one block from the source, on whichever thread owns it now.
  Decoded DecodeOne(std::unique_ptr<PcmBlock> block);
  // Stops the thread and waits for it; the decoded blocks stay queued.
  void StopReading();
  // Hands `decoded` to the caller's block and keeps its position and length
  // (in the fields the base class answers them from).
  int Deliver(Decoded& decoded, PcmBlock& block);

  std::unique_ptr<AudioSource> source_;
  const size_t depth_;
  std::thread thread_;
  bool started_ = false;  // the first Read came (caller's thread only)
  bool ended_ = false;    // a block of 0 frames was delivered (caller's thread only)

  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<Decoded> queue_;                     // decoded, not yet delivered
  std::vector<std::unique_ptr<PcmBlock>> spare_;  // blocks to decode into
  bool stop_ = false;     // the thread is to stop after its current block
  bool running_ = false;  // the thread reads the source
  // Who waits on `changed_`: each side wakes the other only when it does.
  bool callerWaiting_ = false;
  bool readerWaiting_ = false;
};
