#include "ui/chrome/ProductLinks.h"

#include <QApplication>
#include <QUrl>

#include <utility>
#include <vector>

#include "app/WebLinks.h"
#include "ui/desktop/Desktop.h"

namespace {

// "mailto:" with the given header fields, each value percent-encoded.
std::string MailLink(const std::string& address,
                     const std::vector<std::pair<const char*, std::string>>& fields) {
  std::string link = "mailto:" + address;
  char separator = '?';
  for (const auto& [name, value] : fields) {
    link += separator + std::string(name) + "=" +
            QUrl::toPercentEncoding(QString::fromStdString(value)).toStdString();
    separator = '&';
  }
  return link;
}

}  // namespace

std::string UpdateCheckLink() {
  return std::string(UPDATE_CHECK_URL) + "?ver=" + PRODUCT_VERSION + "&build=" + PRODUCT_BUILD;
}

std::string SupportMailLink() {
  return MailLink(SUPPORT_MAIL_ADDRESS, {});
}

std::string TellAFriendLink() {
  // The mail the user sends, in the user's language.
  const QString subject =
      QCoreApplication::translate("ProductLinks", "%1 - very COOL application!!!")
          .arg(QStringLiteral("Sondrel"));
  const QString body = QCoreApplication::translate("ProductLinks", "Download from %1")
                           .arg(QString::fromLatin1(HOME_PAGE_URL));
  return MailLink("", {{"subject", subject.toStdString()}, {"body", body.toStdString()}});
}

void OpenUnderWaitCursor(Desktop& desktop, const std::string& url) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const bool opened = desktop.OpenUrl(url);
  QApplication::restoreOverrideCursor();
  // The message comes after the wait cursor is gone.
  if (!opened) desktop.Exclamation(NoApplicationForLinkMessage(url));
}
