#pragma once

#include <sys/mount.h>

#include <filesystem>
#include <string>

#include "support/RunProcess.h"

// A folder that finds names whatever their letter case, as USB sticks and
// SD cards (exFAT, FAT) do: the test file system sondrel-casefs mounted at
// `folder` over a backing folder beside it. Unmounted when the object goes;
// `Why()` tells why it could not be mounted (no FUSE here).
class CaselessFolder {
 public:
  explicit CaselessFolder(const std::string& folder) : folder_(folder) {
#ifdef SONDREL_CASEFS_PATH
    std::filesystem::create_directories(folder + ".backing");
    std::filesystem::create_directories(folder);
    const ProcessResult mounted = RunProcess(SONDREL_CASEFS_PATH, {folder + ".backing", folder});
    mounted_ = mounted.exitCode == 0;
    if (!mounted_) why_ = "cannot mount the case-ignoring file system: " + mounted.err;
#else
    why_ = "the case-ignoring test file system was not built (no libfuse3)";
#endif
  }
  ~CaselessFolder() {
    if (mounted_) umount2(folder_.c_str(), MNT_DETACH);
  }
  CaselessFolder(const CaselessFolder&) = delete;
  CaselessFolder& operator=(const CaselessFolder&) = delete;

  bool Mounted() const { return mounted_; }
  const std::string& Why() const { return why_; }

 private:
  std::string folder_;
  bool mounted_ = false;
  std::string why_;
};
