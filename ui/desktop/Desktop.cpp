#include "ui/desktop/Desktop.h"

bool Desktop::OpenFileOrSay(const std::string& path) {
  if (OpenFile(path)) return true;
  Exclamation(NoApplicationText(path, "a program for this kind of file"));
  return false;
}

bool Desktop::ShowInFileManagerOrSay(const std::string& path) {
  if (ShowInFileManager(path)) return true;
  Exclamation(NoFileManagerText(path));
  return false;
}

bool Desktop::OpenUrlOrSay(const std::string& url) {
  if (OpenUrl(url)) return true;
  Exclamation(NoApplicationForLinkText(url));
  return false;
}
