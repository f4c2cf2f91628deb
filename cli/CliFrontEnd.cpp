#include "cli/CliFrontEnd.h"

#include <ostream>

#include "app/OneLineText.h"
#include "cli/BatchOutputs.h"
#include "convert/ConversionJob.h"
#include "platform/process/Signals.h"

CliProgress::CliProgress(const std::vector<std::unique_ptr<SourceFile>>& entries, std::ostream& out,
                         std::ostream& err, bool live, bool quiet)
    : entries_(entries),
      stated_(entries.size(), false),
      reasons_(entries.size()),
      started_(entries.size()),
      out_(out),
      err_(err),
      live_(live),
      quiet_(quiet) {}

CliProgress::~CliProgress() { ClearLive(); }

void CliProgress::Begin(int) {}

void CliProgress::Finish() { ClearLive(); }

void CliProgress::SetBatchLine(const std::string& text) {
  batchLine_ = text;
  fileLine_.clear();
  Redraw();
}

void CliProgress::SetFileLine(const std::string& text) {
  fileLine_ = text;
  Redraw();
}

void CliProgress::SetEntryStatus(size_t index, const std::string& text) {
  if (text == STATUS_CONVERTING) {
    if (index < started_.size()) started_[index] = std::chrono::steady_clock::now();
    return;
  }
  const bool skipped = text == TARGET_SKIPPED_MESSAGE;
  if (index < stated_.size()) stated_[index] = true;
  // An entry succeeded when it has an output, or when its target was
  // skipped as asked.
  const bool succeeded =
      skipped || (index < entries_.size() && !entries_[index]->destinationPath.empty());
  ReportEntry(index, text);
  if (!quiet_ || !succeeded) PrintStatus(index, text);
}

void CliProgress::ReportEntry(size_t index, const std::string& text) {
  if (report_ && index < entries_.size()) {
    const SourceFile& entry = *entries_[index];
    const auto began = started_[index];
    const double seconds =
        began.time_since_epoch().count() == 0
            ? 0
            : std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
    report_->Entry(entry, entry.destinationPath, text, reasons_[index], seconds);
  }
}

void CliProgress::PrintStatus(size_t index, const std::string& text) {
  ClearLive();
  out_ << OneLineText(PathAt(index)) << '\t' << OneLineText(text) << '\n';
  out_.flush();
}

void CliProgress::ReportNotStarted() {
  for (size_t index = 0; index < stated_.size(); ++index)
    if (!stated_[index]) {
      ReportEntry(index, NOT_CONVERTED_STATUS);
      PrintStatus(index, NOT_CONVERTED_STATUS);
    }
}

void CliProgress::SetEntryReason(size_t index, const std::string& reason) {
  if (index < reasons_.size()) reasons_[index] = reason;
  ClearLive();
  err_ << OneLineText(PathAt(index)) << ": " << OneLineText(reason) << '\n';
  err_.flush();
}

void CliProgress::NoteOutputInDocuments(size_t index, const std::string& output) {
  if (quiet_) return;
  ClearLive();
  err_ << "sondrel-cli: note: " << OneLineText(PathAt(index))
       << ": the output folder could not be used; written to " << OneLineText(output) << '\n';
  err_.flush();
}

void CliProgress::SetEntryNote(size_t index, const std::string& note) {
  if (quiet_) return;
  ClearLive();
  err_ << "sondrel-cli: note: " << OneLineText(PathAt(index)) << ": " << OneLineText(note) << '\n';
  err_.flush();
}

const std::string& CliProgress::PathAt(size_t index) const {
  static const std::string none;
  return index < entries_.size() ? entries_[index]->path : none;
}

bool CliProgress::CancelRequested() {
  return CancelSignalReceived();
}

void CliProgress::Redraw() {
  if (!live_) return;
  std::string line = batchLine_ + "  " + fileLine_;
  if (line.size() > 150) line.resize(150);
  const size_t width = line.size();
  if (width < shownWidth_) line.append(shownWidth_ - width, ' ');
  err_ << '\r' << line;
  err_.flush();
  shownWidth_ = width;
}

void CliProgress::ClearLive() {
  if (!live_ || shownWidth_ == 0) return;
  err_ << '\r' << std::string(shownWidth_, ' ') << '\r';
  err_.flush();
  shownWidth_ = 0;
}

void CliPrompter::Information(const std::string& text) { err_ << text << '\n'; }

void CliPrompter::Exclamation(const std::string& text) { err_ << text << '\n'; }

bool CliPrompter::YesNo(const std::string& text) {
  err_ << text << "\n(answered No)\n";
  return false;
}
