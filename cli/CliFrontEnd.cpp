#include "cli/CliFrontEnd.h"

#include <ostream>

#include "convert/ConversionJob.h"
#include "platform/process/Signals.h"

CliProgress::CliProgress(const std::vector<std::string>& paths, std::ostream& out,
                         std::ostream& err, bool live)
    : paths_(paths), out_(out), err_(err), live_(live) {}

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
  if (text == TARGET_SKIPPED_MESSAGE) ++skipped_;
  ClearLive();
  out_ << PathAt(index) << '\t' << text << '\n';
  out_.flush();
}

void CliProgress::SetEntryReason(size_t index, const std::string& reason) {
  ClearLive();
  err_ << PathAt(index) << ": " << reason << '\n';
  err_.flush();
}

void CliProgress::NoteOutputInDocuments(size_t index, const std::string& output) {
  ClearLive();
  err_ << "sondrel-cli: note: " << PathAt(index)
       << ": the output folder could not be used; written to " << output << '\n';
  err_.flush();
}

void CliProgress::SetEntryNote(size_t index, const std::string& note) {
  ClearLive();
  err_ << "sondrel-cli: note: " << PathAt(index) << ": " << note << '\n';
  err_.flush();
}

const std::string& CliProgress::PathAt(size_t index) const {
  static const std::string none;
  return index < paths_.size() ? paths_[index] : none;
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
