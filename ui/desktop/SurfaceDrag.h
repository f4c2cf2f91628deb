#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>

class QWidget;

// Lets a window without a caption be moved by dragging any point of its
// surface that is not a control: a left-button press on the window itself
// starts the move (through the window system where it offers one, as
// Wayland requires, else by following the mouse).
class SurfaceDrag : public QObject {
 public:
  // Installs itself on `window`, which owns it.
  explicit SurfaceDrag(QWidget* window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* window_;
  bool dragging_ = false;
  QPoint offset_;
};

// Lets a window without a frame be resized by its edges and corners: the
// pointer shows the resize cursor within BORDER pixels of an edge, and a
// left-button press there resizes through the window system where it offers
// it, else by following the mouse (never below the window's minimum size).
// A maximised window is not resized. Install it after a SurfaceDrag, so that
// a press on an edge resizes and does not move.
class EdgeResize : public QObject {
 public:
  static constexpr int BORDER = 5;

  // Installs itself on `window`, which owns it, and turns on the window's
  // mouse tracking so the cursor follows the edges.
  explicit EdgeResize(QWidget* window);

  // The edges within BORDER pixels of `point` (window coordinates).
  Qt::Edges EdgesAt(const QPoint& point) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* window_;
  Qt::Edges resizing_;
  QPoint pressedAt_;
  QRect startGeometry_;
};

// Draws the one-pixel edge of a window without a frame, so that it stands
// out over the main window; called from the window's paint event.
void PaintWindowEdge(QWidget& window);

// A rectangle given in dialog units of the 8-point dialog font, in pixels:
// a horizontal unit is a quarter of the font's average character width, a
// vertical unit an eighth of its height (6 × 13 pixels at 96 dots per inch).
inline int DialogUnitsX(int units) {
  return (units * 6 + 2) / 4;
}
inline int DialogUnitsY(int units) {
  return (units * 13 + 4) / 8;
}
