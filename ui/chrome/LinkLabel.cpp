#include "ui/chrome/LinkLabel.h"

#include <QApplication>
#include <QCursor>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QTimerEvent>

#include "ui/desktop/Desktop.h"

namespace {

// The result code of an open the desktop could not carry out.
constexpr int NO_ASSOCIATED_APPLICATION = 31;

}  // namespace

namespace {

// The English text of a result code, marked for translation; null for a
// code without a text of its own.
const char* HyperlinkErrorSource(int code) {
  switch (code) {
    case 0:
      return QT_TRANSLATE_NOOP("CLinkLabel",
                               "The operating system is out\nof memory or resources.");
    case 2:
      return QT_TRANSLATE_NOOP("CLinkLabel", "The specified file was not found.");
    case 3:
      return QT_TRANSLATE_NOOP("CLinkLabel", "The specified path was not found.");
    case 5:
      return QT_TRANSLATE_NOOP("CLinkLabel",
                               "The operating system denied\naccess to the specified file.");
    case 8:
      return QT_TRANSLATE_NOOP("CLinkLabel",
                               "There was not enough memory to complete the operation.");
    case 11:
      return QT_TRANSLATE_NOOP(
          "CLinkLabel", "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image).");
    case 26:
      return QT_TRANSLATE_NOOP("CLinkLabel", "A sharing violation occurred.");
    case 27:
      return QT_TRANSLATE_NOOP("CLinkLabel", "The filename association is\nincomplete or invalid.");
    case 28:
      return QT_TRANSLATE_NOOP(
          "CLinkLabel",
          "The DDE transaction could not\nbe completed because the request timed out.");
    case 29:
      return QT_TRANSLATE_NOOP("CLinkLabel", "The DDE transaction failed.");
    case 30:
      return QT_TRANSLATE_NOOP(
          "CLinkLabel",
          "The DDE transaction could not\nbe completed because other DDE transactions\n"
          "were being processed.");
    case 31:
      return QT_TRANSLATE_NOOP(
          "CLinkLabel", "There is no application associated\nwith the given filename extension.");
    case 32:
      return QT_TRANSLATE_NOOP("CLinkLabel", "The specified dynamic-link library was not found.");
    default:
      return nullptr;
  }
}

}  // namespace

std::string HyperlinkErrorText(int code) {
  const char* text = HyperlinkErrorSource(code);
  const QString translated =
      text ? QCoreApplication::translate("CLinkLabel", text)
           : QCoreApplication::translate("CLinkLabel", "Unknown Error (%1) occurred.").arg(code);
  return translated.toStdString();
}

CLinkLabel::CLinkLabel(Desktop& desktop, const QString& text, QWidget* parent, const QString& url)
    : QLabel(text, parent), desktop_(desktop), url_(url.isEmpty() ? text : url) {
  if (text.isEmpty()) setText(url_);
  setTextFormat(Qt::PlainText);
  // The alignment of a plain label: fitting keeps its top-left corner.
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  setMouseTracking(true);
  setCursor(Qt::PointingHandCursor);
  setToolTip(url_);
  UpdateColour();
  FitToText();
}

void CLinkLabel::SetURL(const QString& url) {
  url_ = url;
  FitToText();
  setToolTip(url_);
}

void CLinkLabel::SetUnderline(int mode) {
  if (mode == underlineMode_) return;
  SetUnderlined(mode == UNDERLINE_ALWAYS);
  underlineMode_ = mode;
}

void CLinkLabel::mouseMoveEvent(QMouseEvent* event) {
  if (!hovering_) {
    hovering_ = true;
    if (underlineMode_ == UNDERLINE_HOVER) SetUnderlined(true);
    UpdateColour();
    hoverTimer_.start(HOVER_CHECK_MS, this);
  }
  QLabel::mouseMoveEvent(event);
}

void CLinkLabel::mousePressEvent(QMouseEvent* event) {
  // Taken here, so that the window under the label does not start a drag.
  if (event->button() == Qt::LeftButton)
    event->accept();
  else
    QLabel::mousePressEvent(event);
}

void CLinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    event->accept();
    OpenTarget();
    return;
  }
  QLabel::mouseReleaseEvent(event);
}

void CLinkLabel::timerEvent(QTimerEvent* event) {
  if (event->timerId() != hoverTimer_.timerId()) {
    QLabel::timerEvent(event);
    return;
  }
  // The pointer may have left without a leave event reaching the label
  // (another window took it): its position decides.
  if (rect().contains(mapFromGlobal(QCursor::pos()))) return;
  hovering_ = false;
  hoverTimer_.stop();
  if (underlineMode_ != UNDERLINE_ALWAYS) SetUnderlined(false);
  UpdateColour();
}

void CLinkLabel::OpenTarget() {
  hovering_ = false;
  const bool opened = desktop_.OpenUrl(url_.toStdString());
  if (opened) visited_ = true;
  UpdateColour();
  if (opened) return;
  QApplication::beep();
  desktop_.Exclamation(tr("Unable to open hyperlink:").toStdString() + "\n\n" +
                       HyperlinkErrorText(NO_ASSOCIATED_APPLICATION));
}

void CLinkLabel::SetUnderlined(bool underlined) {
  QFont changed = font();
  changed.setUnderline(underlined);
  setFont(changed);
}

void CLinkLabel::UpdateColour() {
  QPalette colours = palette();
  colours.setColor(QPalette::WindowText, hovering_  ? hoverColour_
                                         : visited_ ? visitedColour_
                                                    : linkColour_);
  setPalette(colours);
}

void CLinkLabel::FitToText() {
  QFont underlined = font();
  underlined.setUnderline(true);
  const QSize textSize = QFontMetrics(underlined).size(Qt::TextSingleLine, text());
  const QRect old = geometry();
  const QSize border = old.size() - contentsRect().size() + QSize(2 * margin(), 2 * margin());
  QRect fitted(old.topLeft(), textSize + border);
  if (alignment() & Qt::AlignHCenter)
    fitted.moveLeft(old.left() + (old.width() - fitted.width()) / 2);
  else if (alignment() & Qt::AlignRight)
    fitted.moveRight(old.right());
  if (alignment() & Qt::AlignVCenter)
    fitted.moveTop(old.top() + (old.height() - fitted.height()) / 2);
  setGeometry(fitted);
}
