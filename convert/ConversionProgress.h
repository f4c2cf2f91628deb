#pragma once

#include <cstddef>
#include <string>

// What a conversion batch shows while it runs: the progress window's two
// lines and two bars, the status of each entry, and the Cancel button. The
// window front end draws them; the command-line front end prints them;
// tests record them. Between blocks the batch calls Pump so the front end
// can handle its events, then polls CancelRequested.
class ConversionProgress {
 public:
  ConversionProgress() = default;
  ConversionProgress(const ConversionProgress&) = delete;
  ConversionProgress& operator=(const ConversionProgress&) = delete;
  virtual ~ConversionProgress() = default;

  // The batch starts: the front end disables its commands and shows the
  // progress with the batch bar at 0 of `count`. Finish ends it.
  virtual void Begin(int count) = 0;
  virtual void Finish() = 0;

  // "Converting %d of %d file(s) to %s..." and its bar, one step per entry.
  virtual void SetBatchLine(const std::string& text) = 0;
  virtual void StepBatch() = 0;

  // "Converting %s...%d%%" and the per-file bar, whose range is its width.
  virtual void SetFileLine(const std::string& text) = 0;
  virtual int FileBarWidth() = 0;
  virtual void SetFileBar(int position) = 0;

  // The status text of the entry at `index` of the list.
  virtual void ScrollToEntry(size_t index) = 0;
  virtual void SetEntryStatus(size_t index, const std::string& text) = 0;

  // Details that front ends printing a log show and the window leaves out:
  // why the entry at `index` failed (given before its failure status), and
  // the full path of an output that went to the documents folder because
  // the place the options ask for could not be used.
  virtual void SetEntryReason(size_t /*index*/, const std::string& /*reason*/) {}
  virtual void NoteOutputInDocuments(size_t /*index*/, const std::string& /*output*/) {}
  // A note on the entry at `index` that converted (an instrument the
  // SoundFont lacks, played with another), given before its status.
  virtual void SetEntryNote(size_t /*index*/, const std::string& /*note*/) {}

  // How far the entry at `index` has converted, in tenths of a percent
  // (1000 once its conversion finished, before its status is given). Only
  // ever called on the thread that runs the batch, whatever the number of
  // entries converting at a time, so a window may show it in the list.
  virtual void SetEntryProgress(size_t /*index*/, int /*permille*/) {}

  // Handles waiting events without blocking; the Cancel button sets the flag.
  virtual void Pump() = 0;
  virtual bool CancelRequested() = 0;
};
