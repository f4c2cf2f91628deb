#include "ui/desktop/Desktop.h"

#include <QCoreApplication>

#include <filesystem>

namespace {

QString Tr(const char* text) {
  return QCoreApplication::translate("Desktop", text);
}

// The message of NoApplicationText in the user's language: nothing could
// open `target`, and `setUp` is what to set up.
std::string NoApplicationMessage(const std::string& target, const QString& setUp) {
  return QCoreApplication::translate("Desktop",
                                     "No application is set up to open \"%1\".\n\nSet up %2 in "
                                     "the desktop's settings, then try again.")
      .arg(QString::fromStdString(target), setUp)
      .toStdString();
}

// What the user should set up for a link, as NoApplicationForLinkText says.
QString LinkHandler(const std::string& url) {
  if (url.rfind("mailto:", 0) == 0) return Tr(QT_TRANSLATE_NOOP("Desktop", "an e-mail program"));
  if (url.rfind("http:", 0) == 0 || url.rfind("https:", 0) == 0)
    return Tr(QT_TRANSLATE_NOOP("Desktop", "a web browser"));
  return Tr(QT_TRANSLATE_NOOP("Desktop", "a program for this kind of link"));
}

}  // namespace

bool Desktop::OpenFileOrSay(const std::string& path) {
  if (OpenFile(path)) return true;
  Exclamation(NoApplicationMessage(
      path, Tr(QT_TRANSLATE_NOOP("Desktop", "a program for this kind of file"))));
  return false;
}

bool Desktop::ShowInFileManagerOrSay(const std::string& path) {
  if (ShowInFileManager(path)) return true;
  // The file's folder is what could not be opened.
  const std::string folder = std::filesystem::path(path).parent_path().string();
  Exclamation(NoApplicationMessage(folder, Tr(QT_TRANSLATE_NOOP("Desktop", "a file manager"))));
  return false;
}

bool Desktop::OpenUrlOrSay(const std::string& url) {
  if (OpenUrl(url)) return true;
  Exclamation(NoApplicationForLinkMessage(url));
  return false;
}

std::string NoApplicationForLinkMessage(const std::string& url) {
  return NoApplicationMessage(url, LinkHandler(url));
}
