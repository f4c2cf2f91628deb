#include "ui/desktop/HelpWindow.h"

#include <QFileInfo>
#include <QUrl>

HelpWindow::HelpWindow(const std::string& programFolder) : QTextBrowser(nullptr) {
  setWindowTitle(QString::fromLatin1(TITLE));
  setAttribute(Qt::WA_DeleteOnClose, false);
  setOpenExternalLinks(true);
  resize(760, 600);
  const QString path = QString::fromStdString(programFolder) + QString::fromLatin1(FILE_NAME);
  if (QFileInfo::exists(path)) {
    setSource(QUrl::fromLocalFile(path));
  } else {
    // Said in the window itself: the guide is missing from this installation.
    setPlainText(QStringLiteral("The user guide \"%1\" is missing.").arg(path));
  }
}
