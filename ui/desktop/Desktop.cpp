#include "ui/desktop/Desktop.h"

#include <filesystem>

namespace {

// What the user should set up in the desktop's settings for a link.
std::string LinkHandler(const std::string& url) {
  if (url.rfind("mailto:", 0) == 0) return "an e-mail program";
  if (url.rfind("http:", 0) == 0 || url.rfind("https:", 0) == 0) return "a web browser";
  return "a program for this kind of link";
}

}  // namespace

std::string NoApplicationText(const std::string& target, const std::string& setUp) {
  return "No application is set up to open \"" + target + "\".\n\nSet up " + setUp +
         " in the desktop's settings, then try again.";
}

std::string NoApplicationForLinkText(const std::string& url) {
  return NoApplicationText(url, LinkHandler(url));
}

bool Desktop::OpenFileOrSay(const std::string& path) {
  if (OpenFile(path)) return true;
  Exclamation(NoApplicationText(path, "a program for this kind of file"));
  return false;
}

bool Desktop::ShowInFileManagerOrSay(const std::string& path) {
  if (ShowInFileManager(path)) return true;
  // The file manager was asked for the folder: that is what could not open.
  Exclamation(
      NoApplicationText(std::filesystem::path(path).parent_path().string(), "a file manager"));
  return false;
}

bool Desktop::OpenUrlOrSay(const std::string& url) {
  if (OpenUrl(url)) return true;
  Exclamation(NoApplicationForLinkText(url));
  return false;
}
