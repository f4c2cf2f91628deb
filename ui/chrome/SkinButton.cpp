#include "ui/chrome/SkinButton.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <QStyle>

namespace {

// The size of an image in the button's own pixels.
QSize LogicalSize(const QPixmap& image) {
  return image.deviceIndependentSize().toSize();
}

}  // namespace

CSkinButton::CSkinButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {
  textColour_ = hoverTextColour_ = palette().color(QPalette::ButtonText);
  normalBackColour_ = hoverBackColour_ = palette().color(QPalette::Button);
  font_ = QFont(QStringLiteral("MS Sans Serif"));
  font_.setStyleHint(QFont::SansSerif);
  font_.setPixelSize(11);
  setAutoDefault(false);
  // Tab reaches the button; a click does not take the focus from the list.
  setFocusPolicy(Qt::TabFocus);
}

void CSkinButton::SetIcons(const QPixmap& normal, const QPixmap& hover, bool resize, bool redraw) {
  if (normal.isNull()) return;
  normalBitmap_ = hoverBitmap_ = QPixmap();
  normalIcon_ = QIcon(normal);
  hoverIcon_ = hover.isNull() ? QIcon() : QIcon(hover);
  iconSize_ = LogicalSize(normal);
  if (resize) ResizeToContent(iconSize_);
  Redraw(redraw);
}

void CSkinButton::SetBitmaps(const QPixmap& normal, const QPixmap& hover, bool resize,
                             bool redraw) {
  if (normal.isNull()) return;
  normalIcon_ = hoverIcon_ = QIcon();
  iconSize_ = QSize();
  normalBitmap_ = normal;
  hoverBitmap_ = hover;
  if (resize) ResizeToContent(LogicalSize(normal));
  Redraw(redraw);
}

void CSkinButton::SetCursor(const QCursor& cursor) {
  setCursor(cursor);
}

void CSkinButton::SetFont(const QFont& font, bool redraw) {
  font_ = font;
  setFont(font);  // the size hint and the accessible text follow the drawn font
  Redraw(redraw);
}

void CSkinButton::SetTextColours(const QColor& normal, const QColor& hover, bool redraw) {
  textColour_ = normal;
  hoverTextColour_ = hover.isValid() ? hover : normal;
  Redraw(redraw);
}

void CSkinButton::SetTextOffset(int dx, int dy, bool redraw) {
  textOffset_ = QPoint(dx, dy);
  Redraw(redraw);
}

void CSkinButton::SetWrapText(bool wrap, bool redraw) {
  wrapText_ = wrap;
  Redraw(redraw);
}

void CSkinButton::SetDrawText(bool draw, bool redraw) {
  drawText_ = draw;
  Redraw(redraw);
}

void CSkinButton::SetDrawFocus(bool draw, bool redraw) {
  drawFocus_ = draw;
  Redraw(redraw);
}

void CSkinButton::SetBorder(bool draw, bool redraw) {
  drawBorder_ = draw;
  Redraw(redraw);
}

void CSkinButton::SetPressedShift(bool shift, bool redraw) {
  pressedShift_ = shift;
  Redraw(redraw);
}

void CSkinButton::SetBackgroundImage(const QPixmap& image, bool redraw) {
  backgroundImage_ = image;
  backgroundSnapshot_ = QPixmap();
  Redraw(redraw);
}

void CSkinButton::SetBackColours(const QColor& normal, const QColor& hover, bool redraw) {
  transparent_ = false;
  normalBackColour_ = normal;
  hoverBackColour_ = hover.isValid() ? hover : normal;
  Redraw(redraw);
}

void CSkinButton::Redraw(bool redraw) {
  if (redraw) update();
}

// The content plus one pixel on each side for the border and one to the
// right and below for the pressed shift.
void CSkinButton::ResizeToContent(QSize content) {
  const int room = (pressedShift_ ? 1 : 0) + (drawBorder_ ? 2 : 0);
  resize(content + QSize(room, room));
}

void CSkinButton::paintEvent(QPaintEvent*) {
  const bool pressed = isDown();
  const bool lit = hovering_ || pressed;
  QPainter painter(this);
  PaintBackground(painter, lit);
  if (drawBorder_) PaintBorder(painter, pressed);
  // The content keeps clear of the border's place even while a flat border
  // is not drawn, so it does not jump when the pointer arrives.
  QRect content = drawBorder_ ? rect().adjusted(1, 1, -1, -1) : rect();
  if (pressed && pressedShift_) content.translate(1, 1);
  PaintContent(painter, content, lit);
  if (drawText_) PaintText(painter, content, lit);
  if (drawFocus_ && hasFocus()) PaintFocus(painter, content, lit);
}

// A dotted rectangle in the caption's colour just inside the content: the
// skinned faces and icons leave no room for the style's own focus frame,
// which could also vanish against the background image.
void CSkinButton::PaintFocus(QPainter& painter, const QRect& content, bool lit) const {
  painter.save();
  painter.setPen(QPen(lit ? hoverTextColour_ : textColour_, 1, Qt::DotLine));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(content.adjusted(1, 1, -2, -2));
  painter.restore();
}

void CSkinButton::PaintBackground(QPainter& painter, bool lit) {
  if (!transparent_) {
    painter.fillRect(rect(), lit ? hoverBackColour_ : normalBackColour_);
    return;
  }
  // Without an image the parent's own drawing shows through: the button
  // leaves those pixels alone.
  if (backgroundImage_.isNull()) return;
  if (backgroundSnapshot_.isNull()) {
    const qreal ratio = backgroundImage_.devicePixelRatio();
    backgroundSnapshot_ =
        backgroundImage_.copy(QRect(geometry().topLeft() * ratio, geometry().size() * ratio));
    backgroundSnapshot_.setDevicePixelRatio(ratio);
  }
  painter.drawPixmap(0, 0, backgroundSnapshot_);
}

// A raised frame is lit at the top and left and shaded at the bottom and
// right; a sunken one the other way round. A flat border shows only while
// the pointer is over the button or it is pressed.
void CSkinButton::PaintBorder(QPainter& painter, bool pressed) const {
  if (flatBorder_ && !hovering_ && !pressed) return;
  const QColor light = palette().color(QPalette::Light);
  const QColor shadow = palette().color(QPalette::Dark);
  const QRect frame = rect();
  painter.setPen(pressed ? shadow : light);
  painter.drawLine(frame.topLeft(), frame.topRight());
  painter.drawLine(frame.topLeft(), frame.bottomLeft());
  painter.setPen(pressed ? light : shadow);
  painter.drawLine(frame.bottomLeft(), frame.bottomRight());
  painter.drawLine(frame.topRight(), frame.bottomRight());
}

// The hover image while the pointer is over the button or it is pressed,
// when there is one and the button is enabled; else the normal image.
void CSkinButton::PaintContent(QPainter& painter, const QRect& content, bool lit) const {
  const bool hoverLook = lit && isEnabled();
  if (!normalIcon_.isNull()) {
    const QIcon& icon = hoverLook && !hoverIcon_.isNull() ? hoverIcon_ : normalIcon_;
    const QRect place = QStyle::alignedRect(layoutDirection(), Qt::AlignCenter, iconSize_, content);
    icon.paint(&painter, place, Qt::AlignCenter, isEnabled() ? QIcon::Normal : QIcon::Disabled);
  } else if (!normalBitmap_.isNull()) {
    const QPixmap& bitmap = hoverLook && !hoverBitmap_.isNull() ? hoverBitmap_ : normalBitmap_;
    painter.drawPixmap(content.topLeft(), bitmap);
  }
}

void CSkinButton::PaintText(QPainter& painter, const QRect& content, bool lit) const {
  QColor colour = lit ? hoverTextColour_ : textColour_;
  if (!isEnabled()) colour = palette().color(QPalette::Disabled, QPalette::ButtonText);
  const int mnemonic = style()->styleHint(QStyle::SH_UnderlineShortcut, nullptr, this)
                           ? Qt::TextShowMnemonic
                           : Qt::TextHideMnemonic;
  painter.setFont(font_);
  painter.setPen(colour);
  // A text that needs two lines takes the whole height; the offset that
  // places one line would push it against an edge.
  const bool wrap = wrapText_ && QFontMetrics(font_).horizontalAdvance(
                                     QString(text()).remove(QLatin1Char('&'))) > content.width();
  if (wrap) {
    painter.drawText(content.translated(textOffset_.x(), 0),
                     Qt::AlignCenter | Qt::TextWordWrap | Qt::TextDontClip | mnemonic, text());
    return;
  }
  painter.drawText(content.translated(textOffset_),
                   Qt::AlignCenter | Qt::TextSingleLine | Qt::TextDontClip | mnemonic, text());
}

void CSkinButton::enterEvent(QEnterEvent* event) {
  hovering_ = true;
  update();
  QPushButton::enterEvent(event);
}

void CSkinButton::leaveEvent(QEvent* event) {
  hovering_ = false;
  update();
  QPushButton::leaveEvent(event);
}

// A new rectangle lies over another part of the background image.
void CSkinButton::resizeEvent(QResizeEvent* event) {
  backgroundSnapshot_ = QPixmap();
  QPushButton::resizeEvent(event);
}

void CSkinButton::moveEvent(QMoveEvent* event) {
  backgroundSnapshot_ = QPixmap();
  QPushButton::moveEvent(event);
}
