#include "platform/files/TemporaryName.h"

#include <unistd.h>

#include <algorithm>
#include <climits>

#include "platform/paths/PathIdentity.h"

namespace {

bool IsRandomChar(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

// Cuts `text` to at most `bytes` bytes without splitting a UTF-8 sequence.
std::string CutUtf8(const std::string& text, size_t bytes) {
  if (text.size() <= bytes) return text;
  size_t end = bytes;
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
  return text.substr(0, end);
}

// The longest file name the folder's file system takes.
size_t NameLimit(const std::string& folder) {
  const long limit = pathconf(folder.empty() ? "." : folder.c_str(), _PC_NAME_MAX);
  return limit > 0 ? static_cast<size_t>(limit) : NAME_MAX;
}

struct Parts {
  std::string folder;     // with its trailing "/", or ""
  std::string base;       // the target's name without extension
  std::string extension;  // with its dot, or ""
};

Parts Split(const std::string& target) {
  Parts parts;
  const std::string::size_type slash = target.rfind('/');
  parts.folder = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
  const std::string name = target.substr(parts.folder.size());
  const std::string::size_type dot = name.rfind('.');
  parts.extension = dot == std::string::npos ? std::string() : name.substr(dot);
  parts.base = name.substr(0, name.size() - parts.extension.size());
  return parts;
}

// "<folder>.<base as cut>." : the temporary name up to its random part.
std::string Prefix(const Parts& parts) {
  const size_t nameLimit = NameLimit(parts.folder);
  const std::string name = parts.base + parts.extension;
  if (name.size() > nameLimit || parts.folder.size() >= MAX_PATH_BYTES) return std::string();
  const size_t room = std::min(nameLimit, MAX_PATH_BYTES - parts.folder.size());
  const size_t fixed = 2 + TEMPORARY_RANDOM_CHARS + parts.extension.size();
  if (room < fixed) return std::string();
  return parts.folder + "." + CutUtf8(parts.base, room - fixed) + ".";
}

}  // namespace

std::string TemporaryNameFor(const std::string& target, const std::string& random) {
  const Parts parts = Split(target);
  const std::string prefix = Prefix(parts);
  return prefix.empty() ? prefix : prefix + random + parts.extension;
}

bool IsTemporaryName(const std::string& name) {
  // ".", a base of one character at least, ".", the random part, and an
  // extension of up to four letters or digits.
  if (name.size() < 3 + TEMPORARY_RANDOM_CHARS || name[0] != '.') return false;
  std::string::size_type dot = name.rfind('.');
  if (dot == 0) return false;
  const std::string extension = name.substr(dot + 1);
  if (extension.empty() || extension.size() > 4 ||
      !std::all_of(extension.begin(), extension.end(), IsRandomChar))
    return false;
  if (dot < 2 + TEMPORARY_RANDOM_CHARS) return false;
  const std::string::size_type randomStart = dot - TEMPORARY_RANDOM_CHARS;
  if (name[randomStart - 1] != '.' || randomStart - 1 == 0) return false;
  return std::all_of(name.begin() + static_cast<std::ptrdiff_t>(randomStart),
                     name.begin() + static_cast<std::ptrdiff_t>(dot), IsRandomChar);
}

bool IsTemporaryNameOf(const std::string& name, const std::string& target) {
  const Parts parts = Split(target);
  const std::string prefix = Prefix(parts);
  if (prefix.empty()) return false;
  const std::string namePrefix = prefix.substr(parts.folder.size());
  if (name.size() != namePrefix.size() + TEMPORARY_RANDOM_CHARS + parts.extension.size() ||
      name.compare(0, namePrefix.size(), namePrefix) != 0 ||
      name.compare(name.size() - parts.extension.size(), std::string::npos, parts.extension) != 0)
    return false;
  return std::all_of(name.begin() + static_cast<std::ptrdiff_t>(namePrefix.size()),
                     name.end() - static_cast<std::ptrdiff_t>(parts.extension.size()),
                     IsRandomChar);
}
