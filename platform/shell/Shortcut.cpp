#include "platform/shell/Shortcut.h"

#include <liblnk.h>
#include <strings.h>

#include <QSettings>
#include <QUrl>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct LnkFile {
  liblnk_file_t* file = nullptr;
  bool open = false;
  ~LnkFile() {
    if (open) liblnk_file_close(file, nullptr);
    if (file) liblnk_file_free(&file, nullptr);
  }
};

using PathGetter = int (*)(liblnk_file_t*, uint8_t*, size_t, liblnk_error_t**);
using SizeGetter = int (*)(liblnk_file_t*, size_t*, liblnk_error_t**);

std::optional<std::string> LnkString(liblnk_file_t* file, SizeGetter getSize, PathGetter get) {
  size_t size = 0;
  if (getSize(file, &size, nullptr) != 1 || size == 0 || size > 65536) return std::nullopt;
  std::vector<uint8_t> text(size);
  if (get(file, text.data(), size, nullptr) != 1) return std::nullopt;
  std::string value(reinterpret_cast<const char*>(text.data()));
  std::replace(value.begin(), value.end(), '\\', '/');
  return value;
}

bool Exists(const std::string& path) {
  std::error_code error;
  return fs::exists(path, error);
}

std::optional<std::string> ResolveLnk(const std::string& path) {
  LnkFile lnk;
  if (liblnk_file_initialize(&lnk.file, nullptr) != 1) return std::nullopt;
  if (liblnk_file_open(lnk.file, path.c_str(), LIBLNK_OPEN_READ, nullptr) != 1) return std::nullopt;
  lnk.open = true;

  if (auto relative = LnkString(lnk.file, liblnk_file_get_utf8_relative_path_size,
                                liblnk_file_get_utf8_relative_path)) {
    const std::string target =
        (fs::path(path).parent_path() / *relative).lexically_normal().string();
    if (Exists(target)) return target;
  }
  if (auto local = LnkString(lnk.file, liblnk_file_get_utf8_local_path_size,
                             liblnk_file_get_utf8_local_path)) {
    if (Exists(*local)) return local;
  }
  return std::nullopt;
}

std::optional<std::string> ResolveDesktopLink(const std::string& path) {
  QSettings entry(QString::fromStdString(path), QSettings::IniFormat);
  entry.beginGroup(QStringLiteral("Desktop Entry"));
  if (entry.value(QStringLiteral("Type")).toString() != QStringLiteral("Link")) return std::nullopt;
  const QUrl url(entry.value(QStringLiteral("URL")).toString());
  if (!url.isLocalFile()) return std::nullopt;
  const std::string target = url.toLocalFile().toStdString();
  if (!Exists(target)) return std::nullopt;
  return target;
}

bool HasExtension(const std::string& path, const char* extension) {
  const size_t length = std::char_traits<char>::length(extension);
  return path.size() > length && strcasecmp(path.c_str() + path.size() - length, extension) == 0;
}

}  // namespace

std::optional<std::string> ResolveShortcut(const std::string& shortcutPath) {
  if (HasExtension(shortcutPath, ".lnk")) return ResolveLnk(shortcutPath);
  if (HasExtension(shortcutPath, ".desktop")) return ResolveDesktopLink(shortcutPath);
  return std::nullopt;
}
