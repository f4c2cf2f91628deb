#include "app/NoApplication.h"

#include <filesystem>

#include "app/TextTemplate.h"

namespace {

// What the user should set up in the desktop's settings for a link.
std::string LinkHandler(const std::string& url) {
  if (url.rfind("mailto:", 0) == 0) return QT_TRANSLATE_NOOP("Desktop", "an e-mail program");
  if (url.rfind("http:", 0) == 0 || url.rfind("https:", 0) == 0)
    return QT_TRANSLATE_NOOP("Desktop", "a web browser");
  return QT_TRANSLATE_NOOP("Desktop", "a program for this kind of link");
}

}  // namespace

std::string NoApplicationText(const std::string& target, const std::string& setUp) {
  return FillTemplate(NO_APPLICATION_TEXT, {target, setUp});
}

std::string NoApplicationForLinkText(const std::string& url) {
  return NoApplicationText(url, LinkHandler(url));
}

std::string NoFileManagerText(const std::string& path) {
  return NoApplicationText(std::filesystem::path(path).parent_path().string(),
                           FILE_MANAGER_PROGRAM);
}
