#pragma once

#include "ui/desktop/ProgressWindow.h"

// The small window an adding run shows: one line of text ("Searching
// files...", "Adding file 3 of 5..."), a bar that counts the files, and
// Cancel, which asks the run to stop after the file being probed.
class CAddProgressDlg : public CProgressWindow {
  Q_OBJECT

 public:
  explicit CAddProgressDlg(QWidget* mainWindow);

  // Centres the window over the main window (or the screen) and shows it
  // with `text`.
  void Open(const QString& text);
  void SetText(const QString& text);

  bool CancelRequested() const { return CancelPressed(); }
  QLabel* Line() const { return line_; }
  QProgressBar* Bar() const { return bar_; }

 private:
  QLabel* line_;
  QProgressBar* bar_;
};
