#include "ui/desktop/ProgressWindow.h"

#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

#include "ui/desktop/SurfaceDrag.h"

namespace {

void Place(QWidget* control, int x, int y, int width, int height) {
  control->setGeometry(DialogUnitsX(x), DialogUnitsY(y), DialogUnitsX(width),
                       DialogUnitsY(height));
}

}  // namespace

CProgressWindow::CProgressWindow(QWidget* mainWindow, int heightUnits)
    : QWidget(nullptr, Qt::Dialog | Qt::FramelessWindowHint), mainWindow_(mainWindow) {
  setWindowTitle(QStringLiteral("Sondrel"));
  setFixedSize(DialogUnitsX(320), DialogUnitsY(heightUnits));
  QFont font(QStringLiteral("Tahoma"));
  font.setPointSize(8);
  font.setStyleHint(QFont::SansSerif);
  setFont(font);
  setAutoFillBackground(true);
  new SurfaceDrag(this);
}

QLabel* CProgressWindow::AddLine(int x, int y, int width, int height) {
  auto* line = new QLabel(this);
  Place(line, x, y, width, height);
  return line;
}

QProgressBar* CProgressWindow::AddBar(int x, int y, int width, int height) {
  auto* bar = new QProgressBar(this);
  bar->setTextVisible(false);
  Place(bar, x, y, width, height);
  return bar;
}

void CProgressWindow::AddCancel(int x, int y, int width, int height) {
  cancel_ = new QPushButton(tr("Cancel"), this);
  Place(cancel_, x, y, width, height);
  cancel_->setAutoDefault(false);
  connect(cancel_, &QPushButton::clicked, this, [this] { cancelPressed_ = true; });
}

void CProgressWindow::ShowOverMainWindow() {
  const QRect area = mainWindow_ && mainWindow_->isVisible()
                         ? mainWindow_->frameGeometry()
                         : (screen() ? screen()->availableGeometry() : QRect());
  if (area.isValid()) move(area.center() - rect().center());
  winId();
  if (mainWindow_ && mainWindow_->windowHandle())
    windowHandle()->setTransientParent(mainWindow_->windowHandle());
  show();
  raise();
}

void CProgressWindow::keyPressEvent(QKeyEvent* event) {
  // Enter and Escape neither close the window nor cancel: only the button
  // stops the work.
  if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return ||
      event->key() == Qt::Key_Enter) {
    event->accept();
    return;
  }
  QWidget::keyPressEvent(event);
}

void CProgressWindow::paintEvent(QPaintEvent*) { PaintWindowEdge(*this); }
