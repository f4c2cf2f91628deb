#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;

// The small window an adding run shows: one line of text ("Searching
// files...", "Adding file 3 of 5..."), a bar that counts the files, and
// Cancel, which asks the run to stop after the file being probed. It has no
// caption and is moved by dragging its surface. It is a window of its own
// that stays above the main window: the main window is disabled while files
// are added, and a child window would be disabled with it, Cancel too.
class CAddProgressDlg : public QWidget {
  Q_OBJECT

 public:
  explicit CAddProgressDlg(QWidget* mainWindow);

  // Centres the window over the main window (or the screen) and shows it
  // with `text`.
  void Open(const QString& text);
  void SetText(const QString& text);

  bool CancelRequested() const { return cancelRequested_; }
  QLabel* Line() const { return line_; }
  QProgressBar* Bar() const { return bar_; }
  QPushButton* CancelButton() const { return cancel_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  QWidget* mainWindow_;
  QLabel* line_;
  QProgressBar* bar_;
  QPushButton* cancel_;
  bool cancelRequested_ = false;
};
