#include "platform/shell/Shortcut.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "support/PeakMemory.h"
#include "support/TempDir.h"

namespace {

using namespace std::string_literals;

std::string Le(uint32_t value, int bytes) {
  std::string text;
  for (int i = 0; i < bytes; ++i) text += static_cast<char>(value >> (8 * i) & 0xFF);
  return text;
}

// A shell link, written after the public binary format: the header with the
// HasLinkInfo and HasRelativePath flags, a LinkInfo with a local base path
// ("C:\\gone.wav") whose size field is `infoSize` (0: its true size), the
// relative path, and the terminal block.
std::string ShellLink(const std::string& relative, uint32_t infoSize = 0) {
  const std::string base = "C:\\gone.wav";
  const uint32_t volumeAt = 0x1C, baseAt = volumeAt + 0x11;
  const uint32_t suffixAt = baseAt + static_cast<uint32_t>(base.size()) + 1,
                 trueSize = suffixAt + 1;
  std::string link = Le(0x4C, 4) + "\x01\x14\x02\0\0\0\0\0\xC0\0\0\0\0\0\0\x46"s + Le(0x0A, 4) +
                     Le(0x20, 4) + std::string(24, '\0') + Le(0, 4) + Le(0, 4) + Le(1, 4) +
                     std::string(12, '\0');
  link += Le(infoSize ? infoSize : trueSize, 4) + Le(0x1C, 4) + Le(1, 4) + Le(volumeAt, 4) +
          Le(baseAt, 4) + Le(0, 4) + Le(suffixAt, 4);
  link += Le(0x11, 4) + Le(3, 4) + Le(0x1234, 4) + Le(0x10, 4) + '\0' + base + '\0' + '\0';
  link += Le(static_cast<uint32_t>(relative.size()), 2) + relative;
  return link + Le(0, 4);
}

struct LinkCase {
  const char* name;
  std::string bytes;
  bool resolves;  // to "target.wav" beside the link
};

// Damaged links are refused before liblnk reads them: one whose LinkInfo
// claims about 4 GB (found by fuzzing: liblnk set that much aside for a
// file of 125 bytes) must not raise the process's peak memory.
class ShellLinkResolution : public ::testing::TestWithParam<LinkCase> {};

TEST_P(ShellLinkResolution, ResolvesWholeLinksOnly) {
  const LinkCase& c = GetParam();
  TempDir dir;
  WriteFileText(dir.File("target.wav"), "RIFF");
  WriteFileText(dir.File("link.lnk"), c.bytes);
  const long before = PeakKib();
  const std::optional<std::string> target = ResolveShortcut(dir.File("link.lnk"));
  EXPECT_LT(PeakKib() - before, 64 * 1024);
  if (c.resolves)
    EXPECT_EQ(target, dir.File("target.wav"));
  else
    EXPECT_EQ(target, std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(
    Links, ShellLinkResolution,
    ::testing::Values(LinkCase{"Whole", ShellLink(".\\target.wav"), true},
                      LinkCase{"LinkInfoClaimsFourGigabytes",
                               ShellLink(".\\target.wav", 0xEDF2C255u), false},
                      LinkCase{"HeaderOnly", ShellLink(".\\target.wav").substr(0, 0x4C), false}),
    [](const ::testing::TestParamInfo<LinkCase>& row) { return std::string(row.param.name); });

}  // namespace
