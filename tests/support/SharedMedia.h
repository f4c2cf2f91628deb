#pragma once

#include <filesystem>
#include <string>

// Sample files that cannot be made at test time (real encoders' output,
// Windows shortcuts) sit in "shared/media" beside the checkout, or one
// folder further up. A test that needs one and finds it missing is skipped
// with MissingSharedMedia's message, never passed.

// The path of `name` in the shared test media; "" when it is missing.
inline std::string SharedMediaFile(const std::string& name) {
  for (const char* folder : {"/../shared/media/", "/../../shared/media/"}) {
    const std::string path = std::string(SONDREL_SOURCE_DIR) + folder + name;
    if (std::filesystem::exists(path)) return path;
  }
  return std::string();
}

// Why a test that needs `name` does not run.
inline std::string MissingSharedMedia(const std::string& name) {
  return "needs the shared test media " + name + " (missing: " + SONDREL_SOURCE_DIR +
         "/../shared/media/" + name + ")";
}
