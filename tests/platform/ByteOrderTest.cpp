#include "platform/bytes/ByteOrder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

// Four-character codes are compile-time constants.
static_assert(LoadBe<32>("RIFF") == 0x52494646u);
static_assert(LoadLe<32>("RIFF") == 0x46464952u);

// The bytes 0x81 0x92 ... at an odd offset of a buffer, so that every load
// and store meets an unaligned address and bytes with the top bit set.
const std::vector<uint8_t> kBytes = {0x00, 0x81, 0x92, 0xA3, 0xB4, 0xC5, 0xD6, 0xE7, 0xF8, 0x00};

template <int Bits>
void CheckWidth(uint64_t le, uint64_t be) {
  SCOPED_TRACE(Bits);
  constexpr int kBytesWide = Bits / 8;
  EXPECT_EQ(LoadLe<Bits>(kBytes.data() + 1), le);
  EXPECT_EQ(LoadBe<Bits>(kBytes.data() + 1), be);
  // A char buffer (signed here) gives the same unsigned values.
  const std::vector<char> chars(kBytes.begin(), kBytes.end());
  EXPECT_EQ(LoadLe<Bits>(chars.data() + 1), le);
  EXPECT_EQ(LoadBe<Bits>(chars.data() + 1), be);

  for (const bool big : {false, true}) {
    std::vector<uint8_t> out(kBytes.size(), 0x5A);
    if (big) {
      StoreBe<Bits>(out.data() + 1, static_cast<StoredUint<Bits>>(be));
    } else {
      StoreLe<Bits>(out.data() + 1, static_cast<StoredUint<Bits>>(le));
    }
    EXPECT_TRUE(std::equal(out.begin() + 1, out.begin() + 1 + kBytesWide, kBytes.begin() + 1))
        << big;
    EXPECT_EQ(out[0], 0x5A) << "nothing before the value is touched";
    EXPECT_EQ(out[1 + kBytesWide], 0x5A) << "nothing after the value is touched";
  }
}

TEST(ByteOrderTest, LoadsAndStoresEitherOrderAtAnyAlignment) {
  CheckWidth<16>(0x9281, 0x8192);
  CheckWidth<24>(0xA39281, 0x8192A3);
  CheckWidth<32>(0xB4A39281, 0x8192A3B4);
  CheckWidth<64>(0xF8E7D6C5B4A39281, 0x8192A3B4C5D6E7F8);
}

}  // namespace
