#include "app/NoApplication.h"

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

std::string NoFileManagerText(const std::string& path) {
  return NoApplicationText(std::filesystem::path(path).parent_path().string(), "a file manager");
}
