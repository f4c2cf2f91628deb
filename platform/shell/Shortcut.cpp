#include "platform/shell/Shortcut.h"

#include <liblnk.h>
#include <strings.h>

#include <QSettings>
#include <QUrl>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

#include "platform/bytes/ByteOrder.h"
#include "platform/files/SourceFileOpen.h"

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

// Shell links are a few kilobytes; a larger file is no shortcut.
constexpr std::streamoff MAX_LNK_BYTES = 1 << 20;

// liblnk sets aside what a part's size field claims before it reads the
// part, so a few damaged bytes could claim gigabytes. A link goes to it
// only when each sized part (the target ID list, the LinkInfo, the string
// data and the extra data blocks) lies within the file.
bool LnkPartsFitFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  in.seekg(0, std::ios::end);
  const std::streamoff fileSize = in.tellg();
  if (!in || fileSize < 0x4C || fileSize > MAX_LNK_BYTES) return false;
  in.seekg(0);
  const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                   std::istreambuf_iterator<char>()};
  const size_t size = bytes.size();
  if (size < 0x4C || LoadLe<32>(bytes.data()) != 0x4C) return false;
  const uint32_t flags = LoadLe<32>(bytes.data() + 0x14);
  size_t pos = 0x4C;
  // Each part is skipped by its size field; false when it runs past the end.
  auto skip = [&](size_t fieldBytes, uint64_t partBytes) {
    if (size - pos < fieldBytes || size - pos - fieldBytes < partBytes) return false;
    pos += fieldBytes + static_cast<size_t>(partBytes);
    return true;
  };
  if ((flags & 0x01) && (size - pos < 2 || !skip(2, LoadLe<16>(bytes.data() + pos)))) return false;
  if (flags & 0x02) {  // the LinkInfo's size counts its own field
    if (size - pos < 4) return false;
    const uint32_t infoSize = LoadLe<32>(bytes.data() + pos);
    if (infoSize < 4 || !skip(4, infoSize - 4)) return false;
  }
  const uint64_t charBytes = (flags & 0x80) ? 2 : 1;
  for (const uint32_t stringFlag : {0x04u, 0x08u, 0x10u, 0x20u, 0x40u})
    if ((flags & stringFlag) &&
        (size - pos < 2 || !skip(2, charBytes * LoadLe<16>(bytes.data() + pos))))
      return false;
  // Extra data blocks, each with its size first, up to a size below 4.
  while (size - pos >= 4) {
    const uint32_t blockSize = LoadLe<32>(bytes.data() + pos);
    if (blockSize < 4) break;
    if (!skip(4, blockSize - 4)) return false;
  }
  return true;
}

std::optional<std::string> ResolveLnk(const std::string& path) {
  if (!LnkPartsFitFile(path)) return std::nullopt;
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
  // A named pipe under a shortcut's name would hold the search up for good.
  if (!IsRegularFile(shortcutPath)) return std::nullopt;
  if (HasExtension(shortcutPath, ".lnk")) return ResolveLnk(shortcutPath);
  if (HasExtension(shortcutPath, ".desktop")) return ResolveDesktopLink(shortcutPath);
  return std::nullopt;
}
