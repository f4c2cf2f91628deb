#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QPixmap>
#include <QPoint>
#include <QPushButton>

// A push button that draws itself over its window's background image: an
// icon or a bitmap face with a hover variant, a caption in colours of its
// own, an optional border that a flat button shows only while the pointer is
// over it or it is pressed, and a 1-pixel shift of its content while
// pressed. A transparent button's background is the piece of the window's
// background image that lies under it, so it blends into a skinned window.
// A caption with '&' keeps its keyboard mnemonic (Alt+letter clicks it).
// Tab reaches the button and, with the focus, it shows a dotted rectangle.
class CSkinButton : public QPushButton {
  Q_OBJECT

 public:
  explicit CSkinButton(const QString& text, QWidget* parent = nullptr);

  // Each setter redraws the button at once when `redraw` is true.

  // The icons, centred in the button; `hover` may be null. Without a normal
  // icon nothing changes. With `resize` the button keeps its top-left corner
  // and takes the icon's size plus the room of its border and pressed shift.
  void SetIcons(const QPixmap& normal, const QPixmap& hover, bool resize, bool redraw);
  // The bitmaps, drawn at the top-left of the content; they replace every
  // image held before. `hover` may be null; `resize` as for SetIcons.
  void SetBitmaps(const QPixmap& normal, const QPixmap& hover, bool resize, bool redraw);
  // The pointer shown over the button.
  void SetCursor(const QCursor& cursor);
  void SetFont(const QFont& font, bool redraw);
  const QFont& TextFont() const { return font_; }
  // An invalid `hover` colour means the same as `normal`.
  void SetTextColours(const QColor& normal, const QColor& hover, bool redraw);
  void SetTextOffset(int dx, int dy, bool redraw);
  void SetDrawText(bool draw, bool redraw);
  // A text wider than the button breaks into lines at its spaces, centred
  // as one line is (a translation longer than the English, for example).
  void SetWrapText(bool wrap, bool redraw);
  bool WrapsText() const { return wrapText_; }
  void SetDrawFocus(bool draw, bool redraw);
  void SetBorder(bool draw, bool redraw);
  void SetPressedShift(bool shift, bool redraw);
  // The parent's image from which a transparent button takes its
  // background; a null image means what the parent shows.
  void SetBackgroundImage(const QPixmap& image, bool redraw);
  // Solid background colours instead of the transparent background.
  void SetBackColours(const QColor& normal, const QColor& hover, bool redraw);

  bool Hovering() const { return hovering_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void moveEvent(QMoveEvent* event) override;

 private:
  void Redraw(bool redraw);
  void ResizeToContent(QSize content);
  void PaintBackground(QPainter& painter, bool lit);
  void PaintBorder(QPainter& painter, bool pressed) const;
  void PaintContent(QPainter& painter, const QRect& content, bool lit) const;
  void PaintText(QPainter& painter, const QRect& content, bool lit) const;
  void PaintFocus(QPainter& painter, const QRect& content, bool lit) const;

  QIcon normalIcon_, hoverIcon_;
  QSize iconSize_;
  QPixmap normalBitmap_, hoverBitmap_;
  bool hovering_ = false;
  QColor textColour_, hoverTextColour_;
  QFont font_;
  QPoint textOffset_;
  bool drawText_ = true;
  bool drawFocus_ = true;
  bool wrapText_ = false;
  bool drawBorder_ = true;
  bool flatBorder_ = true;
  bool pressedShift_ = true;
  bool transparent_ = true;
  QPixmap backgroundImage_;
  QColor normalBackColour_, hoverBackColour_;
  QPixmap backgroundSnapshot_;
};
