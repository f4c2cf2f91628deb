#include "platform/paths/PathIdentity.h"

#include <filesystem>

namespace fs = std::filesystem;

std::string NormalisedAbsolutePath(const std::string& path) {
  std::error_code error;
  fs::path absolute = fs::absolute(path, error);
  if (error) absolute = path;
  return absolute.lexically_normal().string();
}

bool IsSameFile(const std::string& a, const std::string& b) {
  if (NormalisedAbsolutePath(a) == NormalisedAbsolutePath(b)) return true;
  std::error_code aError, bError;
  const fs::path resolvedA = fs::canonical(a, aError);
  const fs::path resolvedB = fs::canonical(b, bError);
  return !aError && !bError && resolvedA == resolvedB;
}
