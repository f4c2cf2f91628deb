#pragma once

#include <chrono>
#include <cstddef>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "convert/ConversionProgress.h"
#include "convert/Prompter.h"
#include "source/SourceFile.h"

// The terminal as the conversion's front end. Each entry's final status is
// printed as one line "source path<TAB>status" on `out`; a failure's reason
// ("source path: reason"), a note on an output that went to the documents
// folder and a note on how an entry was rendered go to `err`. Paths and texts are written as OneLineText
// writes them, so a name with a tab or a line feed keeps its entry on one
// line. When `quiet`, only entries that did not succeed get a line. When
// `err` is a terminal, a live line shows the batch and per-file progress
// there. Cancel is Ctrl+C or another terminating signal
// (CatchCancelSignals).
class BatchReport;

// The status of an entry that a cancelled batch never reached.
inline constexpr const char* NOT_CONVERTED_STATUS = "Not converted";

class CliProgress : public ConversionProgress {
 public:
  CliProgress(const std::vector<std::unique_ptr<SourceFile>>& entries, std::ostream& out,
              std::ostream& err, bool live, bool quiet);
  ~CliProgress() override;

  void Begin(int count) override;
  void Finish() override;
  void SetBatchLine(const std::string& text) override;
  void StepBatch() override {}
  void SetFileLine(const std::string& text) override;
  int FileBarWidth() override { return 100; }
  void SetFileBar(int) override {}
  void ScrollToEntry(size_t) override {}
  void SetEntryStatus(size_t index, const std::string& text) override;
  void SetEntryReason(size_t index, const std::string& reason) override;
  void NoteOutputInDocuments(size_t index, const std::string& output) override;
  void SetEntryNote(size_t index, const std::string& note) override;
  void Pump() override {}
  bool CancelRequested() override;

  // After a cancelled batch: "Not converted" as the status of each entry
  // that never got one, in list order.
  void ReportNotStarted();

  // Each entry's end also goes to `report` (not owned), with its reason and
  // the time since it started converting.
  void SetReport(BatchReport* report) { report_ = report; }

 private:
  void Redraw();
  void ClearLive();
  const std::string& PathAt(size_t index) const;

  void PrintStatus(size_t index, const std::string& text);
  void ReportEntry(size_t index, const std::string& text);

  const std::vector<std::unique_ptr<SourceFile>>& entries_;
  std::vector<bool> stated_;  // the entries that got their final status
  std::vector<std::string> reasons_;  // for the report
  std::vector<std::chrono::steady_clock::time_point> started_;
  BatchReport* report_ = nullptr;
  std::ostream& out_;
  std::ostream& err_;
  bool live_;
  bool quiet_;
  std::string batchLine_;
  std::string fileLine_;
  size_t shownWidth_ = 0;
};

// Messages go to stderr; a question is printed and answered No; nothing is
// opened on the desktop.
class CliPrompter : public Prompter {
 public:
  explicit CliPrompter(std::ostream& err) : err_(err) {}
  void Information(const std::string& text) override;
  void Exclamation(const std::string& text) override;
  bool YesNo(const std::string& text) override;
  bool OpenUrl(const std::string&) override { return false; }
  bool ShowInFileManager(const std::string&) override { return false; }
  bool OpenFolder(const std::string&) override { return false; }

 private:
  std::ostream& err_;
};
