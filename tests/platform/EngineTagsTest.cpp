#include "platform/engine/EngineTags.h"

#include <gtest/gtest.h>

#include <string>

#include "support/PeakMemory.h"
#include "support/TempDir.h"

namespace {

using namespace std::string_literals;

struct Id3BlockCase {
  const char* name;
  std::string file;
  std::string v2;  // the ID3v2 block expected, "" for none
  std::string v1;  // the ID3v1 block expected, "" for none
};

const std::string kTagV1 = "TAG" + std::string(125, 'x');

// The ID3 blocks that an MP3 output copies from its source: whole ones are
// read as they stand, and a tag that claims more than the file holds is no
// tag. Such a claim (up to 256 MB in ten bytes) must not make the reader
// set aside the memory it names.
class Id3BlockReading : public ::testing::TestWithParam<Id3BlockCase> {};

TEST_P(Id3BlockReading, ReadsWholeBlocksAndRefusesCutOnes) {
  const Id3BlockCase& c = GetParam();
  TempDir dir;
  const std::string path = dir.File("song.mp3");
  WriteFileText(path, c.file);
  const long before = PeakKib();
  EXPECT_EQ(engine::ReadId3v2Block(path), c.v2);
  EXPECT_EQ(engine::ReadId3v1Block(path), c.v1);
  EXPECT_LT(PeakKib() - before, 64 * 1024);
}

INSTANTIATE_TEST_SUITE_P(
    Files, Id3BlockReading,
    ::testing::Values(
        Id3BlockCase{"WholeTagBeforeAudio",
                     "ID3\x04\0\0\0\0\0\x03"
                     "abc\xff\xfb\x90\x00"s,
                     "ID3\x04\0\0\0\0\0\x03"
                     "abc"s,
                     ""},
        Id3BlockCase{"TagFillsTheFile", "ID3\x03\0\0\0\0\0\x02hi"s, "ID3\x03\0\0\0\0\0\x02hi"s, ""},
        Id3BlockCase{"TagOneByteShort", "ID3\x03\0\0\0\0\0\x03hi"s, "", ""},
        Id3BlockCase{"LargestClaimInTenBytes", "ID3\x03\0\0\x7f\x7f\x7f\x7f"s, "", ""},
        Id3BlockCase{"SizeNotSyncsafe", "ID3\x03\0\0\0\0\0\x80hi"s, "", ""},
        Id3BlockCase{"OnlyTheTrailingTag", "\xff\xfb\x90\x00"s + kTagV1, "", kTagV1},
        Id3BlockCase{"BothTags", "ID3\x03\0\0\0\0\0\x01z"s + kTagV1, "ID3\x03\0\0\0\0\0\x01z"s,
                     kTagV1}),
    [](const ::testing::TestParamInfo<Id3BlockCase>& row) { return std::string(row.param.name); });

}  // namespace
