#pragma once

#include <cstdint>
#include <string>

#include "platform/bytes/ByteOrder.h"

// Appends the low `bytes` bytes (1 to 8) of `value` to `out`: least
// significant first (PutLe) or most significant first (PutBe). Fixtures
// build file headers with them.
inline void PutLe(std::string& out, uint64_t value, int bytes) {
  char stored[8];
  StoreLe<64>(stored, value);
  out.append(stored, static_cast<size_t>(bytes));
}

inline void PutBe(std::string& out, uint64_t value, int bytes) {
  char stored[8];
  StoreBe<64>(stored, value);
  out.append(stored + 8 - bytes, static_cast<size_t>(bytes));
}
