#include "ui/desktop/HelpWindow.h"

#include <QFileInfo>
#include <QUrl>

#include "ui/desktop/Desktop.h"

HelpWindow::HelpWindow(const std::string& programFolder, Desktop& desktop)
    : QTextBrowser(nullptr), desktop_(desktop) {
  setWindowTitle(tr(TITLE));
  setAttribute(Qt::WA_DeleteOnClose, false);
  setAccessibleName(tr(TITLE));
  // Every link comes to FollowLink, so that a web link nothing can open is
  // reported instead of silently ignored.
  setOpenLinks(false);
  connect(this, &QTextBrowser::anchorClicked, this, &HelpWindow::FollowLink);
  resize(760, 600);
  const QString path = GuidePath(QString::fromStdString(programFolder), QLocale());
  if (QFileInfo::exists(path)) {
    setSource(QUrl::fromLocalFile(path));
  } else {
    // Said in the window itself: the guide is missing from this installation.
    setPlainText(tr("The user guide \"%1\" is missing.").arg(path));
  }
}

QString HelpWindow::GuidePath(const QString& programFolder, const QLocale& locale) {
  const QString english = programFolder + QString::fromLatin1(FILE_NAME);
  const QString name = locale.name();  // "pt_BR"; "C" has no guide of its own
  QStringList tried{name};
  const qsizetype country = name.indexOf(QLatin1Char('_'));
  if (country > 0) tried.append(name.left(country));
  for (const QString& code : tried) {
    const QString path = programFolder + QStringLiteral("sondrel-help.%1.html").arg(code);
    if (QFileInfo::exists(path)) return path;
  }
  return english;
}

void HelpWindow::FollowLink(const QUrl& url) {
  const QUrl target = source().resolved(url);
  if (target.isLocalFile() || target.isRelative()) {
    setSource(target);
    return;
  }
  desktop_.OpenUrlOrSay(target.toString().toStdString());
}
