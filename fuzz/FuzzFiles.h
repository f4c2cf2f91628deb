#pragma once

// The scratch folder of a fuzz target that works on files: one folder per
// process in the tmpfs (/dev/shm when there is one, else the temporary
// folder), set as TMPDIR too so that whatever the code under test writes to
// the temporary folder stays inside it. Inputs are written there under a
// fresh name each time, so no cache keyed by file name sees an old file.

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/files/FileHandle.h"

class FuzzFolder {
 public:
  FuzzFolder() {
    std::error_code error;
    const std::filesystem::path base = std::filesystem::is_directory("/dev/shm", error)
                                           ? std::filesystem::path("/dev/shm")
                                           : std::filesystem::temp_directory_path();
    path_ = (base / ("sondrel-fuzz-" + std::to_string(getpid()))).string();
    std::filesystem::create_directories(path_);
    setenv("TMPDIR", path_.c_str(), 1);
  }
  ~FuzzFolder() {
    std::error_code error;
    std::filesystem::remove_all(path_, error);
  }
  FuzzFolder(const FuzzFolder&) = delete;
  FuzzFolder& operator=(const FuzzFolder&) = delete;

  const std::string& Path() const { return path_; }

  // Writes `size` bytes to a new file named "<stem><n><extension>" and
  // answers its path.
  std::string Write(const char* stem, const std::string& extension, const uint8_t* data,
                    size_t size) {
    const std::string file = path_ + "/" + stem + std::to_string(++count_) + extension;
    FilePtr out(std::fopen(file.c_str(), "wb"));
    if (!out || (size > 0 && std::fwrite(data, 1, size, out.get()) != size)) __builtin_trap();
    return file;
  }

  // The whole file at `file`; "" when it cannot be read.
  static std::string Read(const std::string& file) {
    std::string bytes;
    FilePtr in(std::fopen(file.c_str(), "rb"));
    char buffer[4096];
    for (size_t got; in && (got = std::fread(buffer, 1, sizeof buffer, in.get())) > 0;)
      bytes.append(buffer, got);
    return bytes;
  }

 private:
  std::string path_;
  uint64_t count_ = 0;
};

// The folder of the run, made on the first call (a target's initialisation)
// and removed with its contents when the run ends.
inline FuzzFolder& ScratchFolder() {
  static FuzzFolder folder;
  return folder;
}
