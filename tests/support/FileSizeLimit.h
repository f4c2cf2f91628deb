#pragma once

#include <sys/resource.h>

#include <csignal>

// Lowers the process's file-size limit to `bytes` and ignores SIGXFSZ, so
// that a write past the limit fails with EFBIG, as on a full disk, instead
// of killing the test; both are restored when the guard goes.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    previous_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit lowered = saved_;
    lowered.rlim_cur = bytes;
    active_ = setrlimit(RLIMIT_FSIZE, &lowered) == 0;
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previous_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  bool Active() const { return active_; }

 private:
  rlimit saved_{};
  void (*previous_)(int) = nullptr;
  bool active_ = false;
};
