#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;

// The shape both progress windows share (adding files, converting): a
// small window without caption in the 8-point dialog font, laid out in
// dialog units, moved by dragging its surface, with a Cancel button that
// only raises a flag. Enter and Escape do nothing. It is a window of its
// own rather than a child of the main window, which it stays above:
// disabling the main window while the work runs would otherwise disable
// Cancel too.
class CProgressWindow : public QWidget {
  Q_OBJECT

 public:
  QPushButton* CancelButton() const { return cancel_; }
  bool CancelPressed() const { return cancelPressed_; }

 protected:
  // A window of 320 dialog units by `heightUnits`.
  CProgressWindow(QWidget* mainWindow, int heightUnits);

  // Controls at their place in dialog units.
  QLabel* AddLine(int x, int y, int width, int height);
  QProgressBar* AddBar(int x, int y, int width, int height);
  void AddCancel(int x, int y, int width, int height);
  void ResetCancel() { cancelPressed_ = false; }

  // Centres the window over the main window (or on the screen), keeps it
  // above the main window and shows it.
  void ShowOverMainWindow();

  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

  QWidget* mainWindow_;

 private:
  QPushButton* cancel_ = nullptr;
  bool cancelPressed_ = false;
};
