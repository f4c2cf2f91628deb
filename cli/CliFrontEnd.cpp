#include "cli/CliFrontEnd.h"

#include <ostream>

#include "app/OneLineText.h"
#include "convert/ConversionJob.h"
#include "platform/process/Signals.h"

namespace {

// The status of an entry that a cancelled batch never reached.
const char kNotConverted[] = "Not converted";

}  // namespace

CliProgress::CliProgress(const std::vector<std::unique_ptr<SourceFile>>& entries, std::ostream& out,
                         std::ostream& err, bool live, bool quiet)
    : entries_(entries),
      stated_(entries.size(), false),
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
  if (text == STATUS_CONVERTING) return;
  const bool skipped = text == TARGET_SKIPPED_MESSAGE;
  if (index < stated_.size()) stated_[index] = true;
  // An entry succeeded when it has an output, or when its target was
  // skipped as asked.
  const bool succeeded =
      skipped || (index < entries_.size() && !entries_[index]->destinationPath.empty());
  if (!quiet_ || !succeeded) PrintStatus(index, text);
}

void CliProgress::PrintStatus(size_t index, const std::string& text) {
  ClearLive();
  out_ << OneLineText(PathAt(index)) << '\t' << OneLineText(text) << '\n';
  out_.flush();
}

void CliProgress::ReportNotStarted() {
  for (size_t index = 0; index < stated_.size(); ++index)
    if (!stated_[index]) PrintStatus(index, kNotConverted);
}

void CliProgress::SetEntryReason(size_t index, const std::string& reason) {
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
