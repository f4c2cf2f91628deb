#pragma once

#include <QElapsedTimer>

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "convert/ConversionProgress.h"
#include "ui/desktop/ProgressWindow.h"

class CSortListCtrl;
class QLabel;
class QProgressBar;

// "m:ss", or "h:mm:ss" from an hour on.
std::string ClockText(int64_t seconds);

// The window a conversion batch shows: a line and a bar for each file
// converting (one per file converted at a time), the batch line with the
// files finished of the batch, the time it has taken and an estimate of the
// time left, the batch bar of the work finished, and Cancel, which stops
// the batch after the block being written. While it is shown the main
// window is disabled; each entry's progress and then its status go to the
// list's Status column, with why it failed or what its conversion noted in
// the cell's tooltip.
//
// Everything it shows follows from the entries' progress and statuses, so it
// shows the same whether the batch converts one file at a time or several;
// the batch's own lines, meant for front ends with room for two lines only,
// are left out.
class CConvertProgressDlg : public CProgressWindow, public ConversionProgress {
  Q_OBJECT

 public:
  // `lines` is the number of files the batch converts at a time (at least
  // 1; the window shows 8 at most).
  CConvertProgressDlg(QWidget* mainWindow, CSortListCtrl& listCtrl, int lines = 1);

  void Begin(int count) override;
  void Finish() override;
  void SetBatchLine(const std::string&) override {}
  void StepBatch() override {}
  void SetFileLine(const std::string&) override {}
  int FileBarWidth() override { return kPermille; }
  void SetFileBar(int) override {}
  void ScrollToEntry(size_t index) override;
  void SetEntryStatus(size_t index, const std::string& text) override;
  // The reason and the notes are kept on the entry; its status cell's
  // tooltip shows them.
  void SetEntryReason(size_t index, const std::string& reason) override;
  void NoteOutputInDocuments(size_t index, const std::string& output) override;
  void SetEntryNote(size_t index, const std::string& note) override;
  void SetEntryProgress(size_t index, int permille) override;
  void Pump() override;
  bool CancelRequested() override { return CancelPressed(); }

  // The bar and line of the first file converting, the batch's.
  QProgressBar* FileBar() const { return fileBars_.front(); }
  QProgressBar* BatchBar() const { return batchBar_; }
  QLabel* FileLine() const { return fileLines_.front(); }
  QLabel* BatchLine() const { return batchLine_; }
  const std::vector<QLabel*>& FileLines() const { return fileLines_; }

  // The entries that got their status, and the time since Begin in seconds.
  int FinishedCount() const { return finished_; }
  int64_t ElapsedSeconds() const { return clock_.isValid() ? clock_.elapsed() / 1000 : 0; }

 private:
  static constexpr int kPermille = 1000;
  static constexpr size_t kFree = static_cast<size_t>(-1);

  // The entry at `index` converts: it takes a free line.
  void StartEntry(size_t index);
  void ShowEntry(size_t index, int permille);
  void ShowBatch();

  CSortListCtrl& listCtrl_;
  std::vector<QLabel*> fileLines_;
  std::vector<QProgressBar*> fileBars_;
  QLabel* batchLine_;
  QProgressBar* batchBar_;

  int count_ = 0;
  int finished_ = 0;
  std::map<size_t, int> running_;  // entry -> permille, until its status
  std::vector<size_t> lineEntry_;  // the entry each line shows, or kFree
  QElapsedTimer clock_;
  int64_t shownSecond_ = -1;
};
