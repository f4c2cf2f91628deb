#pragma once

#include "convert/ConversionProgress.h"
#include "ui/desktop/ProgressWindow.h"

class CSortListCtrl;

// The window a conversion batch shows: the per-file line and bar, the batch
// line and bar, and Cancel, which stops the batch after the block being
// written. While it is shown the main window is disabled; entry statuses go
// to the list's Status column.
class CConvertProgressDlg : public CProgressWindow, public ConversionProgress {
  Q_OBJECT

 public:
  CConvertProgressDlg(QWidget* mainWindow, CSortListCtrl& listCtrl);

  void Begin(int count) override;
  void Finish() override;
  void SetBatchLine(const std::string& text) override;
  void StepBatch() override;
  void SetFileLine(const std::string& text) override;
  int FileBarWidth() override;
  void SetFileBar(int position) override;
  void ScrollToEntry(size_t index) override;
  void SetEntryStatus(size_t index, const std::string& text) override;
  void Pump() override;
  bool CancelRequested() override { return CancelPressed(); }

  QProgressBar* FileBar() const { return fileBar_; }
  QProgressBar* BatchBar() const { return batchBar_; }
  QLabel* FileLine() const { return fileLine_; }
  QLabel* BatchLine() const { return batchLine_; }

 private:
  CSortListCtrl& listCtrl_;
  QLabel* fileLine_;
  QProgressBar* fileBar_;
  QLabel* batchLine_;
  QProgressBar* batchBar_;
};
