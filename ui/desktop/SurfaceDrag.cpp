#include "ui/desktop/SurfaceDrag.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWidget>
#include <QWindow>

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

void PaintWindowEdge(QWidget& window) {
  QPainter painter(&window);
  painter.setPen(window.palette().color(QPalette::Dark));
  painter.drawRect(window.rect().adjusted(0, 0, -1, -1));
}
