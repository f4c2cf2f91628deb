#include "ui/converting/ConvertProgressDlg.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>

#include <algorithm>
#include <cstdio>

#include "convert/ConversionJob.h"
#include "source/SourceFile.h"
#include "ui/desktop/TranslatedPrompter.h"
#include "ui/main/SortListCtrl.h"

namespace {

// The layout in dialog units: a line and a bar per file converting, then
// the batch line and bar, then Cancel.
constexpr int kLinePitch = 32;
// The most lines the window has room for; files converting beyond them
// count in the batch line and bar only.
constexpr int kMostLines = 8;
constexpr int kBatchTop = 7 + kLinePitch;

int BatchTop(int lines) { return kBatchTop + (lines - 1) * kLinePitch; }

}  // namespace

std::string ClockText(int64_t seconds) {
  seconds = std::max<int64_t>(seconds, 0);
  char text[32];
  if (seconds >= 3600)
    std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", static_cast<long long>(seconds / 3600),
                  static_cast<long long>(seconds / 60 % 60), static_cast<long long>(seconds % 60));
  else
    std::snprintf(text, sizeof text, "%lld:%02lld", static_cast<long long>(seconds / 60),
                  static_cast<long long>(seconds % 60));
  return text;
}

CConvertProgressDlg::CConvertProgressDlg(QWidget* mainWindow, CSortListCtrl& listCtrl, int lines)
    : CProgressWindow(mainWindow, BatchTop(std::clamp(lines, 1, kMostLines)) + 56),
      listCtrl_(listCtrl) {
  lines = std::clamp(lines, 1, kMostLines);
  for (int line = 0; line < lines; ++line) {
    fileLines_.push_back(AddLine(7, 7 + line * kLinePitch, 306, 10));
    fileBars_.push_back(AddBar(7, 18 + line * kLinePitch, 306, 13));
    fileBars_.back()->setRange(0, kPermille);
  }
  lineEntry_.assign(fileLines_.size(), kFree);
  const int top = BatchTop(lines);
  batchLine_ = AddLine(7, top, 306, 10);
  batchBar_ = AddBar(7, top + 11, 306, 13);
  AddCancel(135, top + 33, 50, 16);
}

void CConvertProgressDlg::Begin(int count) {
  ResetCancel();
  count_ = std::max(count, 0);
  finished_ = 0;
  running_.clear();
  std::fill(lineEntry_.begin(), lineEntry_.end(), kFree);
  for (size_t line = 0; line < fileLines_.size(); ++line) {
    fileLines_[line]->clear();
    fileBars_[line]->setValue(0);
  }
  clock_.start();
  shownSecond_ = -1;
  if (mainWindow_) mainWindow_->setEnabled(false);
  batchBar_->setRange(0, std::max(count_, 1) * kPermille);
  batchBar_->setValue(0);
  ShowBatch();
  ShowOverMainWindow();
}

void CConvertProgressDlg::Finish() {
  close();
  if (!mainWindow_) return;
  // The main window takes the keyboard back, so Del and Ctrl+O work at once.
  mainWindow_->setEnabled(true);
  mainWindow_->activateWindow();
}

void CConvertProgressDlg::ScrollToEntry(size_t index) {
  listCtrl_.ScrollToRow(static_cast<int>(index));
}

void CConvertProgressDlg::SetEntryStatus(size_t index, const std::string& text) {
  if (text == STATUS_CONVERTING) {
    StartEntry(index);
    ShowEntry(index, 0);
    ShowBatch();
    return;
  }
  const int row = static_cast<int>(index);
  // The batch's status words in the user's language; a file name stays as it is.
  listCtrl_.SetCellText(row, CSortListCtrl::COL_STATUS, QString::fromStdString(CoreText(text)));
  // Why it failed, or what its conversion noted.
  const SourceFile* shown = listCtrl_.EntryAt(row);
  const std::string detail = !shown                   ? std::string()
                             : !shown->reason.empty() ? shown->reason
                                                      : shown->note;
  listCtrl_.SetCellToolTip(row, CSortListCtrl::COL_STATUS, QString::fromStdString(detail));
  // The entry's final status: it counts whole from now on.
  const auto found = running_.find(index);
  if (found != running_.end()) running_.erase(found);
  for (size_t& entry : lineEntry_)
    if (entry == index) entry = kFree;
  ++finished_;
  ShowBatch();
}

void CConvertProgressDlg::SetEntryReason(size_t index, const std::string& reason) {
  if (SourceFile* entry = listCtrl_.EntryAt(static_cast<int>(index))) entry->reason = reason;
}

void CConvertProgressDlg::NoteOutputInDocuments(size_t index, const std::string& output) {
  SetEntryNote(index, tr("The output folder could not be used; written to %1")
                          .arg(QString::fromStdString(output))
                          .toStdString());
}

void CConvertProgressDlg::SetEntryNote(size_t index, const std::string& note) {
  SourceFile* entry = listCtrl_.EntryAt(static_cast<int>(index));
  if (!entry || note.empty()) return;
  if (!entry->note.empty()) entry->note += '\n';
  entry->note += note;
}

void CConvertProgressDlg::SetEntryProgress(size_t index, int permille) {
  if (running_.find(index) == running_.end()) StartEntry(index);
  ShowEntry(index, std::clamp(permille, 0, kPermille));
  ShowBatch();
}

void CConvertProgressDlg::StartEntry(size_t index) {
  running_.emplace(index, 0);
  if (std::find(lineEntry_.begin(), lineEntry_.end(), index) != lineEntry_.end()) return;
  const auto free = std::find(lineEntry_.begin(), lineEntry_.end(), kFree);
  if (free != lineEntry_.end()) *free = index;
}

void CConvertProgressDlg::ShowEntry(size_t index, int permille) {
  int& shown = running_[index];
  const bool first = permille == 0 && shown == 0;
  const bool percentChanged = permille / 10 != shown / 10;
  shown = permille;
  const QString percent = QString::number(permille / 10) + QLatin1Char('%');
  if (first || percentChanged)
    listCtrl_.SetCellText(
        static_cast<int>(index), CSortListCtrl::COL_STATUS,
        QString::fromStdString(CoreText(STATUS_CONVERTING)) + QLatin1Char(' ') + percent);

  // A finished conversion gives its line up to the next file, though its
  // status may wait for earlier entries; a file without a line takes one
  // that is free.
  auto line = std::find(lineEntry_.begin(), lineEntry_.end(), index);
  if (permille >= kPermille) {
    if (line != lineEntry_.end()) *line = kFree;
    return;
  }
  if (line == lineEntry_.end()) line = std::find(lineEntry_.begin(), lineEntry_.end(), kFree);
  if (line == lineEntry_.end()) return;
  *line = index;
  const size_t at = static_cast<size_t>(line - lineEntry_.begin());
  const SourceFile* entry = listCtrl_.EntryAt(static_cast<int>(index));
  const QString name = entry ? QString::fromStdString(FileCellText(entry->path)) : QString();
  const QString text = tr("Converting %1...%2").arg(name, percent);
  if (fileLines_[at]->text() != text) fileLines_[at]->setText(text);
  fileBars_[at]->setValue(permille);
}

void CConvertProgressDlg::ShowBatch() {
  // Entries with a status count whole, converting ones by how far they are.
  int64_t done = static_cast<int64_t>(finished_) * kPermille;
  for (const auto& [index, permille] : running_) done += permille;
  const int64_t total = static_cast<int64_t>(std::max(count_, 1)) * kPermille;
  done = std::min(done, total);
  batchBar_->setValue(static_cast<int>(done));
  // Lines without a converting file are left empty.
  for (size_t line = 0; line < lineEntry_.size(); ++line) {
    if (lineEntry_[line] != kFree) continue;
    if (!fileLines_[line]->text().isEmpty()) fileLines_[line]->clear();
    fileBars_[line]->setValue(0);
  }

  const int64_t elapsedMs = clock_.isValid() ? clock_.elapsed() : 0;
  shownSecond_ = elapsedMs / 1000;
  QString text = tr("Finished %1 of %2 file(s) in %3")
                     .arg(finished_)
                     .arg(count_)
                     .arg(QString::fromStdString(ClockText(shownSecond_)));
  // The time left at the pace so far, once there is a pace to go by.
  if (done > 0 && done < total && elapsedMs >= 1000) {
    const int64_t leftMs = elapsedMs * (total - done) / done;
    text += tr(", about %1 left").arg(QString::fromStdString(ClockText((leftMs + 999) / 1000)));
  }
  if (batchLine_->text() != text) batchLine_->setText(text);
}

void CConvertProgressDlg::Pump() {
  QCoreApplication::processEvents();
  // The clock moves on between progress steps too.
  if (clock_.isValid() && clock_.elapsed() / 1000 != shownSecond_) ShowBatch();
}
