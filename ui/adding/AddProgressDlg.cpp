#include "ui/adding/AddProgressDlg.h"

#include <QLabel>

CAddProgressDlg::CAddProgressDlg(QWidget* mainWindow) : CProgressWindow(mainWindow, 62) {
  line_ = AddLine(7, 7, 306, 10);
  bar_ = AddBar(7, 19, 306, 13);
  AddCancel(135, 39, 50, 16);
}

void CAddProgressDlg::Open(const QString& text) {
  SetText(text);
  ShowOverMainWindow();
}

void CAddProgressDlg::SetText(const QString& text) { line_->setText(text); }
