#include "ui/desktop/HelpWindow.h"

#include <QFileInfo>
#include <QUrl>

#include "ui/desktop/Desktop.h"

HelpWindow::HelpWindow(const std::string& programFolder, Desktop& desktop)
    : QTextBrowser(nullptr), desktop_(desktop) {
  setWindowTitle(QString::fromLatin1(TITLE));
  setAttribute(Qt::WA_DeleteOnClose, false);
  setAccessibleName(QString::fromLatin1(TITLE));
  // Every link comes to FollowLink, so that a web link nothing can open is
  // reported instead of silently ignored.
  setOpenLinks(false);
  connect(this, &QTextBrowser::anchorClicked, this, &HelpWindow::FollowLink);
  resize(760, 600);
  const QString path = QString::fromStdString(programFolder) + QString::fromLatin1(FILE_NAME);
  if (QFileInfo::exists(path)) {
    setSource(QUrl::fromLocalFile(path));
  } else {
    // Said in the window itself: the guide is missing from this installation.
    setPlainText(QStringLiteral("The user guide \"%1\" is missing.").arg(path));
  }
}

void HelpWindow::FollowLink(const QUrl& url) {
  const QUrl target = source().resolved(url);
  if (target.isLocalFile() || target.isRelative()) {
    setSource(target);
    return;
  }
  desktop_.OpenUrlOrSay(target.toString().toStdString());
}
