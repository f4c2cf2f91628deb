#include "ui/chrome/SkinArt.h"

#include <QChildEvent>
#include <QCoreApplication>
#include <QLinearGradient>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>

#include <QtMath>

#include <algorithm>
#include <cmath>

namespace SkinArt {
namespace {

// The skin's colours: a deep blue header, cool greys for the surfaces and
// amber for what the pointer is over.
const QColor kHeaderDark(0x23, 0x42, 0x5f);
const QColor kHeaderLight(0x35, 0x64, 0x8e);
const QColor kEdge(0x1b, 0x33, 0x49);
const QColor kAccent(0xe3, 0xa2, 0x3b);
const QColor kSurfaceTop(0xee, 0xf2, 0xf7);
const QColor kSurfaceBottom(0xdc, 0xe3, 0xec);
const QColor kPanelTop(0xe2, 0xe8, 0xf0);
const QColor kPanelBottom(0xcf, 0xd9, 0xe5);
const QColor kRule(0xb4, 0xc2, 0xd1);

constexpr int kHeaderHeight = 52;
constexpr int kPanelWidth = 130;

// A blank image of the given size, fully transparent.
// A transparent image of `width` by `height` logical pixels at `ratio`
// device pixels each; painters on it draw in logical pixels.
QPixmap Blank(int width, int height, qreal ratio) {
  QPixmap image(qRound(width * ratio), qRound(height * ratio));
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::transparent);
  return image;
}

QLinearGradient Vertical(const QRectF& area, const QColor& top, const QColor& bottom) {
  QLinearGradient gradient(area.topLeft(), area.bottomLeft());
  gradient.setColorAt(0, top);
  gradient.setColorAt(1, bottom);
  return gradient;
}

// A sound wave's outline as vertical bars about `middle`: three partials
// under an envelope that fades in and out, so it reads as a waveform and not
// as a pattern.
void PaintWaveform(QPainter& painter, int left, int right, int middle, int height,
                   const QColor& colour) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  const double span = right - left;
  for (int x = left; x < right; x += 3) {
    const double t = (x - left) / span;
    const double envelope = std::sin(t * M_PI);
    const double wave =
        0.6 * std::sin(x * 0.045) + 0.3 * std::sin(x * 0.13 + 1.0) + 0.1 * std::sin(x * 0.37 + 2.0);
    const int half = std::max(1, static_cast<int>(std::abs(wave) * envelope * height / 2));
    painter.fillRect(x, middle - half, 2, 2 * half, colour);
  }
  painter.restore();
}

// The band across the top; its waveform ends 99 pixels before the right
// edge, under the caption buttons' left end.
void PaintHeader(QPainter& painter, int width) {
  const QRect band(0, 0, width, kHeaderHeight);
  QLinearGradient gradient(band.topLeft(), band.topRight());
  gradient.setColorAt(0, kHeaderDark);
  gradient.setColorAt(1, kHeaderLight);
  painter.fillRect(band, gradient);
  PaintWaveform(painter, 190, width - 99, kHeaderHeight / 2, 34, QColor(255, 255, 255, 38));
  painter.fillRect(0, kHeaderHeight, width, 2, kAccent);

  QFont name(QStringLiteral("DejaVu Sans"));
  name.setStyleHint(QFont::SansSerif);
  name.setPixelSize(24);
  name.setBold(true);
  painter.setFont(name);
  painter.setPen(Qt::white);
  painter.drawText(QRect(16, 6, 160, 30), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("Sondrel"));
  QFont motto = name;
  motto.setPixelSize(10);
  motto.setBold(false);
  painter.setFont(motto);
  painter.setPen(QColor(255, 255, 255, 170));
  painter.drawText(QRect(17, 33, 170, 14), Qt::AlignLeft | Qt::AlignVCenter,
                   QCoreApplication::translate("SkinArt", "batch sound file converter"));
}

// The command panel on the left, with a faint waveform in its empty lower
// part, and a frame that sets the list off from the surface.
void PaintPanels(QPainter& painter, QSize size) {
  const QRect panel(0, kHeaderHeight + 2, kPanelWidth, size.height() - kHeaderHeight - 2);
  painter.fillRect(panel, Vertical(panel, kPanelTop, kPanelBottom));
  painter.fillRect(panel.right() + 1, panel.top(), 1, panel.height(), kRule);
  painter.fillRect(panel.right() + 2, panel.top(), 1, panel.height(), QColor(255, 255, 255, 160));
  PaintWaveform(painter, 12, 118, 410, 90,
                QColor(kHeaderDark.red(), kHeaderDark.green(), kHeaderDark.blue(), 22));
  painter.setPen(kRule);
  painter.drawRect(ListRect(size).adjusted(-1, -1, 0, 0));
}

}  // namespace

QRect ListRect(QSize size) {
  return QRect(137, 63, std::max(size.width(), WINDOW_WIDTH) - 147,
               std::max(size.height(), WINDOW_HEIGHT) - 73);
}

QPixmap WindowBackground(QSize size, qreal ratio) {
  size = size.expandedTo(QSize(WINDOW_WIDTH, WINDOW_HEIGHT));
  if (ratio <= 0) ratio = 1;
  // Painted in logical pixels on an image of the device's pixels, so the
  // art is as sharp at 2x as at 1x; the fill covers every pixel first.
  QPixmap image(QSize(qCeil(size.width() * ratio), qCeil(size.height() * ratio)));
  image.setDevicePixelRatio(ratio);
  image.fill(kSurfaceBottom);
  QPainter painter(&image);
  const QRect whole(QPoint(0, 0), size);
  painter.fillRect(whole, Vertical(whole, kSurfaceTop, kSurfaceBottom));
  PaintPanels(painter, size);
  PaintHeader(painter, size.width());
  painter.setPen(kEdge);
  painter.drawRect(whole.adjusted(0, 0, -1, -1));
  return image;
}

QPixmap CommandFace(bool hover, qreal ratio) {
  QPixmap image = Blank(COMMAND_FACE_WIDTH, COMMAND_FACE_HEIGHT, ratio);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF face =
      QRectF(0, 0, COMMAND_FACE_WIDTH, COMMAND_FACE_HEIGHT).adjusted(0.5, 0.5, -0.5, -0.5);
  const QColor top = hover ? QColor(0xff, 0xf8, 0xe6) : QColor(0xff, 0xff, 0xff);
  const QColor bottom = hover ? QColor(0xf4, 0xd0, 0x86) : QColor(0xd8, 0xe1, 0xec);
  painter.setBrush(Vertical(face, top, bottom));
  painter.setPen(hover ? QColor(0xc0, 0x88, 0x28) : QColor(0x8a, 0x9f, 0xb6));
  painter.drawRoundedRect(face, 4, 4);
  painter.setPen(QColor(255, 255, 255, 200));
  painter.drawLine(QPointF(4, 1.5), QPointF(COMMAND_FACE_WIDTH - 4, 1.5));
  return image;
}

QPixmap CaptionIcon(Caption caption, qreal ratio) {
  QPixmap image = Blank(CAPTION_ICON_SIZE, CAPTION_ICON_SIZE, ratio);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  // A tile clear of the button's edge, where a flat border appears.
  const QRectF tile(2.5, 2.5, 16, 16);
  const QColor fill =
      caption == Caption::Close ? QColor(0xc2, 0x4a, 0x3a, 200) : QColor(255, 255, 255, 46);
  painter.setBrush(fill);
  painter.setPen(QColor(255, 255, 255, 110));
  painter.drawRoundedRect(tile, 3, 3);

  QPen glyph(Qt::white, 2, Qt::SolidLine, Qt::RoundCap);
  painter.setPen(glyph);
  switch (caption) {
    case Caption::Help: {
      QFont font(QStringLiteral("DejaVu Sans"));
      font.setStyleHint(QFont::SansSerif);
      font.setPixelSize(13);
      font.setBold(true);
      painter.setFont(font);
      painter.drawText(tile, Qt::AlignCenter, QStringLiteral("?"));
      break;
    }
    case Caption::Minimize:
      painter.drawLine(QPointF(7, 14), QPointF(14, 14));
      break;
    case Caption::Maximize:
      painter.setPen(QPen(Qt::white, 1.5));
      painter.setBrush(Qt::NoBrush);
      painter.drawRect(QRectF(6.5, 6.5, 8, 8));
      painter.drawLine(QPointF(6.5, 7.5), QPointF(14.5, 7.5));
      break;
    case Caption::Restore:
      // Two windows, the front one lower left.
      painter.setPen(QPen(Qt::white, 1.5));
      painter.setBrush(Qt::NoBrush);
      painter.drawPolyline(QPolygonF({QPointF(8.5, 6.5), QPointF(14.5, 6.5), QPointF(14.5, 12.5)}));
      painter.drawRect(QRectF(6.5, 8.5, 6, 6));
      break;
    case Caption::Close:
      painter.drawLine(QPointF(7.5, 7.5), QPointF(13.5, 13.5));
      painter.drawLine(QPointF(13.5, 7.5), QPointF(7.5, 13.5));
      break;
  }
  return image;
}

QString MenuStyleSheet() {
  return QStringLiteral(
      "QMenu { background: #f5f8fb; color: #353535; border: 1px solid #23425f; padding: 3px 0; }"
      "QMenu::item { padding: 4px 22px 4px 18px; background: transparent; }"
      "QMenu::item:selected { background: #35648e; color: white; }"
      "QMenu::item:disabled { color: #9aa7b5; }"
      "QMenu::item:disabled:selected { background: #dce3ec; color: #9aa7b5; }"
      "QMenu::separator { height: 1px; background: #c9d3de; margin: 3px 8px; }");
}

namespace {

// Styles each menu of the window when it is polished, just before it first
// shows: by then the menu is complete, and its size is measured after.
class MenuSkinner : public QObject {
 public:
  explicit MenuSkinner(QWidget& window) : QObject(&window) { window.installEventFilter(this); }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::ChildPolished) {
      auto* menu = qobject_cast<QMenu*>(static_cast<QChildEvent*>(event)->child());
      if (menu && menu->styleSheet().isEmpty()) menu->setStyleSheet(MenuStyleSheet());
    }
    return false;
  }
};

}  // namespace

void SkinMenusOf(QWidget& window) {
  new MenuSkinner(window);
}

}  // namespace SkinArt

QIcon ApplicationIcon() {
  // The icons are compiled into the program's library; a library's
  // resources are registered by hand.
  Q_INIT_RESOURCE(sondrel);
  QIcon icon;
  for (const char* size : {"48", "128", "256"})
    icon.addFile(QStringLiteral(":/sondrel/sondrel-%1.png").arg(QLatin1String(size)));
  return icon;
}
