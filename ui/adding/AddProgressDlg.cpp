#include "ui/adding/AddProgressDlg.h"

#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

#include "ui/desktop/SurfaceDrag.h"

CAddProgressDlg::CAddProgressDlg(QWidget* mainWindow)
    // No parent widget: disabling the main window must not disable this one.
    : QWidget(nullptr, Qt::Dialog | Qt::FramelessWindowHint), mainWindow_(mainWindow) {
  setWindowTitle(QStringLiteral("Sondrel"));
  setFixedSize(DialogUnitsX(320), DialogUnitsY(62));
  QFont font(QStringLiteral("Tahoma"));
  font.setPointSize(8);
  font.setStyleHint(QFont::SansSerif);
  setFont(font);
  setAutoFillBackground(true);

  auto place = [](QWidget* control, int x, int y, int width, int height) {
    control->setGeometry(DialogUnitsX(x), DialogUnitsY(y), DialogUnitsX(width),
                         DialogUnitsY(height));
  };
  line_ = new QLabel(this);
  place(line_, 7, 7, 306, 10);
  bar_ = new QProgressBar(this);
  bar_->setTextVisible(false);
  place(bar_, 7, 19, 306, 13);
  cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
  place(cancel_, 135, 39, 50, 16);
  cancel_->setAutoDefault(false);
  connect(cancel_, &QPushButton::clicked, this, [this] { cancelRequested_ = true; });

  new SurfaceDrag(this);
}

void CAddProgressDlg::Open(const QString& text) {
  SetText(text);
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

void CAddProgressDlg::SetText(const QString& text) {
  line_->setText(text);
}

void CAddProgressDlg::keyPressEvent(QKeyEvent* event) {
  // Enter and Escape neither close the window nor cancel: only the button
  // stops a run.
  if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return ||
      event->key() == Qt::Key_Enter) {
    event->accept();
    return;
  }
  QWidget::keyPressEvent(event);
}

void CAddProgressDlg::paintEvent(QPaintEvent*) { PaintWindowEdge(*this); }
