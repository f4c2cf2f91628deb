#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "convert/ConversionProgress.h"

// The front end of the one entry converting when the batch runs one at a
// time, or being measured for its album's loudness: everything goes to the
// batch's front end, and the file bar is also given as the entry's
// progress, as the batch with several entries at a time gives it.
class EntryBarRelay : public ConversionProgress {
 public:
  EntryBarRelay(ConversionProgress& inner, size_t row) : inner_(inner), row_(row) {}

  void Begin(int count) override { inner_.Begin(count); }
  void Finish() override { inner_.Finish(); }
  void SetBatchLine(const std::string& text) override { inner_.SetBatchLine(text); }
  void StepBatch() override { inner_.StepBatch(); }
  void SetFileLine(const std::string& text) override { inner_.SetFileLine(text); }
  int FileBarWidth() override {
    width_ = inner_.FileBarWidth();
    return width_;
  }
  void SetFileBar(int position) override {
    inner_.SetFileBar(position);
    if (width_ <= 0) return;
    const int64_t permille = static_cast<int64_t>(position) * 1000 / width_;
    inner_.SetEntryProgress(row_, static_cast<int>(std::clamp<int64_t>(permille, 0, 1000)));
  }
  void ScrollToEntry(size_t index) override { inner_.ScrollToEntry(index); }
  void SetEntryStatus(size_t index, const std::string& text) override {
    inner_.SetEntryStatus(index, text);
  }
  void SetEntryReason(size_t index, const std::string& reason) override {
    inner_.SetEntryReason(index, reason);
  }
  void NoteOutputInDocuments(size_t index, const std::string& output) override {
    inner_.NoteOutputInDocuments(index, output);
  }
  void SetEntryNote(size_t index, const std::string& note) override {
    inner_.SetEntryNote(index, note);
  }
  void SetEntryProgress(size_t index, int permille) override {
    inner_.SetEntryProgress(index, permille);
  }
  void Pump() override { inner_.Pump(); }
  bool CancelRequested() override { return inner_.CancelRequested(); }

 private:
  ConversionProgress& inner_;
  size_t row_;
  int width_ = 0;
};
