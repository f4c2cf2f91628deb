#pragma once

// An owner of a C stdio stream: the stream is closed when the owner goes,
// on every path out of the code that opened it. Code that must know whether
// the close succeeded (a writer flushing its last bytes) releases the
// stream and closes it itself.

#include <cstdio>
#include <memory>

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;
