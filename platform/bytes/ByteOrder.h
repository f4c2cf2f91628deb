#pragma once

// Integers of 16, 24, 32 and 64 bits as files store them: little endian
// (least significant byte first) or big endian (most significant first),
// whatever the machine's own order. `LoadBe<32>(p)` reads four bytes at p,
// `StoreLe<16>(p, v)` writes two. Each value is put together byte by byte,
// so a pointer of any alignment serves, and a byte of any type (char,
// unsigned char, uint8_t) is taken as its unsigned value. Loads are
// constexpr, so a four-character code can be a compile-time constant.
// 24-bit values live in the low three bytes of a uint32_t.

#include <cstddef>
#include <cstdint>
#include <type_traits>

template <int Bits>
using StoredUint =
    std::conditional_t<Bits <= 16, uint16_t, std::conditional_t<Bits <= 32, uint32_t, uint64_t>>;

template <int Bits, typename Byte>
constexpr StoredUint<Bits> LoadLe(const Byte* p) {
  static_assert(sizeof(Byte) == 1 && Bits % 8 == 0 && Bits >= 16 && Bits <= 64);
  uint64_t value = 0;
  for (int i = Bits / 8; i-- > 0;) value = (value << 8) | static_cast<uint8_t>(p[i]);
  return static_cast<StoredUint<Bits>>(value);
}

template <int Bits, typename Byte>
constexpr StoredUint<Bits> LoadBe(const Byte* p) {
  static_assert(sizeof(Byte) == 1 && Bits % 8 == 0 && Bits >= 16 && Bits <= 64);
  uint64_t value = 0;
  for (int i = 0; i < Bits / 8; ++i) value = (value << 8) | static_cast<uint8_t>(p[i]);
  return static_cast<StoredUint<Bits>>(value);
}

template <int Bits, typename Byte>
constexpr void StoreLe(Byte* p, StoredUint<Bits> value) {
  static_assert(sizeof(Byte) == 1 && Bits % 8 == 0 && Bits >= 16 && Bits <= 64);
  uint64_t rest = value;
  for (int i = 0; i < Bits / 8; ++i, rest >>= 8) p[i] = static_cast<Byte>(rest & 0xFF);
}

template <int Bits, typename Byte>
constexpr void StoreBe(Byte* p, StoredUint<Bits> value) {
  static_assert(sizeof(Byte) == 1 && Bits % 8 == 0 && Bits >= 16 && Bits <= 64);
  uint64_t rest = value;
  for (int i = Bits / 8; i-- > 0; rest >>= 8) p[i] = static_cast<Byte>(rest & 0xFF);
}
