#include "ui/converting/ConvertProgressDlg.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>

#include "ui/main/SortListCtrl.h"

CConvertProgressDlg::CConvertProgressDlg(QWidget* mainWindow, CSortListCtrl& listCtrl)
    : CProgressWindow(mainWindow, 95), listCtrl_(listCtrl) {
  fileLine_ = AddLine(7, 7, 306, 10);
  fileBar_ = AddBar(7, 18, 306, 13);
  batchLine_ = AddLine(7, 39, 306, 10);
  batchBar_ = AddBar(7, 50, 306, 13);
  AddCancel(135, 72, 50, 16);
}

void CConvertProgressDlg::Begin(int count) {
  ResetCancel();
  if (mainWindow_) mainWindow_->setEnabled(false);
  batchBar_->setRange(0, count);
  batchBar_->setValue(0);
  ShowOverMainWindow();
}

void CConvertProgressDlg::Finish() {
  close();
  if (!mainWindow_) return;
  // The main window takes the keyboard back, so Del and Ctrl+O work at once.
  mainWindow_->setEnabled(true);
  mainWindow_->activateWindow();
}

void CConvertProgressDlg::SetBatchLine(const std::string& text) {
  batchLine_->setText(QString::fromStdString(text));
}

void CConvertProgressDlg::StepBatch() { batchBar_->setValue(batchBar_->value() + 1); }

void CConvertProgressDlg::SetFileLine(const std::string& text) {
  fileLine_->setText(QString::fromStdString(text));
}

int CConvertProgressDlg::FileBarWidth() {
  // The bar counts in pixels of its own width, so each step repaints it.
  const int width = fileBar_->width();
  fileBar_->setRange(0, width);
  return width;
}

void CConvertProgressDlg::SetFileBar(int position) { fileBar_->setValue(position); }

void CConvertProgressDlg::ScrollToEntry(size_t index) {
  listCtrl_.ScrollToRow(static_cast<int>(index));
}

void CConvertProgressDlg::SetEntryStatus(size_t index, const std::string& text) {
  listCtrl_.SetCellText(static_cast<int>(index), CSortListCtrl::COL_STATUS,
                        QString::fromStdString(text));
}

void CConvertProgressDlg::Pump() { QCoreApplication::processEvents(); }
