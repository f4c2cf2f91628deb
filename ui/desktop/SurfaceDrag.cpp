#include "ui/desktop/SurfaceDrag.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWidget>
#include <QWindow>

#include <algorithm>

SurfaceDrag::SurfaceDrag(QWidget* window) : QObject(window), window_(window) {
  window->installEventFilter(this);
}

bool SurfaceDrag::eventFilter(QObject* watched, QEvent* event) {
  if (watched != window_) return false;
  switch (event->type()) {
    case QEvent::MouseButtonPress: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() != Qt::LeftButton) return false;
      if (QWindow* handle = window_->windowHandle(); handle && handle->startSystemMove())
        return true;
      dragging_ = true;
      offset_ = mouse->globalPosition().toPoint() - window_->frameGeometry().topLeft();
      return true;
    }
    case QEvent::MouseMove:
      if (!dragging_) return false;
      window_->move(static_cast<QMouseEvent*>(event)->globalPosition().toPoint() - offset_);
      return true;
    case QEvent::MouseButtonRelease:
      if (!dragging_) return false;
      dragging_ = false;
      return true;
    default:
      return false;
  }
}

EdgeResize::EdgeResize(QWidget* window) : QObject(window), window_(window) {
  window->setMouseTracking(true);
  window->installEventFilter(this);
}

Qt::Edges EdgeResize::EdgesAt(const QPoint& point) const {
  Qt::Edges edges;
  if (window_->isMaximized() || window_->isFullScreen()) return edges;
  const QRect area = window_->rect();
  if (point.x() < BORDER) edges |= Qt::LeftEdge;
  if (point.x() >= area.width() - BORDER) edges |= Qt::RightEdge;
  if (point.y() < BORDER) edges |= Qt::TopEdge;
  if (point.y() >= area.height() - BORDER) edges |= Qt::BottomEdge;
  return edges;
}

namespace {

Qt::CursorShape ResizeCursor(Qt::Edges edges) {
  const bool horizontal = edges & (Qt::LeftEdge | Qt::RightEdge);
  const bool vertical = edges & (Qt::TopEdge | Qt::BottomEdge);
  if (horizontal && vertical) {
    const bool falling = ((edges & Qt::LeftEdge) && (edges & Qt::TopEdge)) ||
                         ((edges & Qt::RightEdge) && (edges & Qt::BottomEdge));
    return falling ? Qt::SizeFDiagCursor : Qt::SizeBDiagCursor;
  }
  return horizontal ? Qt::SizeHorCursor : Qt::SizeVerCursor;
}

}  // namespace

bool EdgeResize::eventFilter(QObject* watched, QEvent* event) {
  if (watched != window_) return false;
  switch (event->type()) {
    case QEvent::MouseButtonPress: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      const Qt::Edges edges = EdgesAt(mouse->position().toPoint());
      if (mouse->button() != Qt::LeftButton || !edges) return false;
      if (QWindow* handle = window_->windowHandle(); handle && handle->startSystemResize(edges))
        return true;
      resizing_ = edges;
      pressedAt_ = mouse->globalPosition().toPoint();
      startGeometry_ = window_->geometry();
      return true;
    }
    case QEvent::MouseMove: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (!resizing_) {
        if (mouse->buttons() != Qt::NoButton) return false;
        const Qt::Edges edges = EdgesAt(mouse->position().toPoint());
        if (edges)
          window_->setCursor(ResizeCursor(edges));
        else
          window_->unsetCursor();
        return false;
      }
      // The edges that move follow the pointer; the opposite ones stay,
      // and the window keeps at least its minimum size.
      const QPoint moved = mouse->globalPosition().toPoint() - pressedAt_;
      const QSize least = window_->minimumSize();
      QRect area = startGeometry_;
      if (resizing_ & Qt::LeftEdge)
        area.setLeft(std::min(area.left() + moved.x(), area.right() + 1 - least.width()));
      if (resizing_ & Qt::RightEdge)
        area.setWidth(std::max(area.width() + moved.x(), least.width()));
      if (resizing_ & Qt::TopEdge)
        area.setTop(std::min(area.top() + moved.y(), area.bottom() + 1 - least.height()));
      if (resizing_ & Qt::BottomEdge)
        area.setHeight(std::max(area.height() + moved.y(), least.height()));
      window_->setGeometry(area);
      return true;
    }
    case QEvent::MouseButtonRelease:
      if (!resizing_) return false;
      resizing_ = {};
      return true;
    case QEvent::Leave:
      if (!resizing_) window_->unsetCursor();
      return false;
    default:
      return false;
  }
}

void PaintWindowEdge(QWidget& window) {
  QPainter painter(&window);
  painter.setPen(window.palette().color(QPalette::Dark));
  painter.drawRect(window.rect().adjusted(0, 0, -1, -1));
}
