#include "ui/converting/ConvertProgressDlg.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

#include "ui/desktop/SurfaceDrag.h"
#include "ui/main/SortListCtrl.h"

CConvertProgressDlg::CConvertProgressDlg(QWidget* mainWindow, CSortListCtrl& listCtrl)
    // A window of its own rather than a child of the main window: disabling
    // the main window for the batch would disable its children, Cancel too.
    : QWidget(nullptr, Qt::Dialog | Qt::FramelessWindowHint),
      mainWindow_(mainWindow),
      listCtrl_(listCtrl) {
  setWindowTitle(QStringLiteral("Sondrel"));
  setFixedSize(DialogUnitsX(320), DialogUnitsY(95));
  QFont font(QStringLiteral("Tahoma"));
  font.setPointSize(8);
  setFont(font);
  setAutoFillBackground(true);

  auto place = [](QWidget* control, int x, int y, int width, int height) {
    control->setGeometry(DialogUnitsX(x), DialogUnitsY(y), DialogUnitsX(width),
                         DialogUnitsY(height));
  };
  fileLine_ = new QLabel(this);
  place(fileLine_, 7, 7, 306, 10);
  fileBar_ = new QProgressBar(this);
  fileBar_->setTextVisible(false);
  place(fileBar_, 7, 18, 306, 13);
  batchLine_ = new QLabel(this);
  place(batchLine_, 7, 39, 306, 10);
  batchBar_ = new QProgressBar(this);
  batchBar_->setTextVisible(false);
  place(batchBar_, 7, 50, 306, 13);
  cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
  place(cancel_, 135, 72, 50, 16);
  cancel_->setAutoDefault(false);
  connect(cancel_, &QPushButton::clicked, this, [this] { cancelRequested_ = true; });

  new SurfaceDrag(this);
}

void CConvertProgressDlg::Begin(int count) {
  cancelRequested_ = false;
  if (mainWindow_) mainWindow_->setEnabled(false);
  batchBar_->setRange(0, count);
  batchBar_->setValue(0);
  // The window is centred over the main window, or on the screen.
  const QRect area = mainWindow_ && mainWindow_->isVisible()
                         ? mainWindow_->frameGeometry()
                         : (screen() ? screen()->availableGeometry() : QRect());
  if (area.isValid()) move(area.center() - rect().center());
  // It stays above the main window, which it belongs to.
  winId();
  if (mainWindow_ && mainWindow_->windowHandle())
    windowHandle()->setTransientParent(mainWindow_->windowHandle());
  show();
  raise();
}

void CConvertProgressDlg::Finish() {
  close();
  if (!mainWindow_) return;
  // The main window takes the keyboard back, so Del and Ctrl+O work at once.
  mainWindow_->setEnabled(true);
  mainWindow_->activateWindow();
}

void CConvertProgressDlg::SetBatchLine(const std::string& text) {
  batchLine_->setText(QString::fromStdString(text));
}

void CConvertProgressDlg::StepBatch() { batchBar_->setValue(batchBar_->value() + 1); }

void CConvertProgressDlg::SetFileLine(const std::string& text) {
  fileLine_->setText(QString::fromStdString(text));
}

int CConvertProgressDlg::FileBarWidth() {
  // The bar counts in pixels of its own width, so each step repaints it.
  const int width = fileBar_->width();
  fileBar_->setRange(0, width);
  return width;
}

void CConvertProgressDlg::SetFileBar(int position) { fileBar_->setValue(position); }

void CConvertProgressDlg::ScrollToEntry(size_t index) {
  listCtrl_.ScrollToRow(static_cast<int>(index));
}

void CConvertProgressDlg::SetEntryStatus(size_t index, const std::string& text) {
  listCtrl_.SetCellText(static_cast<int>(index), CSortListCtrl::COL_STATUS,
                        QString::fromStdString(text));
}

void CConvertProgressDlg::Pump() { QCoreApplication::processEvents(); }

void CConvertProgressDlg::keyPressEvent(QKeyEvent* event) {
  // Enter and Escape neither close the window nor cancel.
  if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return ||
      event->key() == Qt::Key_Enter) {
    event->accept();
    return;
  }
  QWidget::keyPressEvent(event);
}

void CConvertProgressDlg::paintEvent(QPaintEvent*) { PaintWindowEdge(*this); }
