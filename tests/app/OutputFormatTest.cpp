#include <gtest/gtest.h>

#include "app/OutputFormat.h"

namespace {

TEST(OutputFormatTest, ExtensionsAndDisplayNames) {
  const struct {
    uint32_t code;
    const char* extension;
    const char* name;
  } rows[] = {
      {1000, "mp3", "MP3"}, {2000, "wav", "WAV"}, {4000, "ogg", "OGG"}, {5500, "amr", "AMR"},
      {5600, "awb", "AWB"}, {6000, "aac", "AAC"}, {6500, "m4a", "M4A"}, {6600, "mp4", "MP4"},
      {6700, "m4b", "M4B"}, {7000, "wma", "WMA"}, {3200, "flac", "FLAC"},
      {4100, "opus", "Opus"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(OutputExtension(row.code), row.extension);
    EXPECT_EQ(OutputFormatDisplayName(row.code), row.name);
    EXPECT_EQ(OutputFormatFromName(row.extension), row.code);
    EXPECT_EQ(OutputFormatFromName(row.name), row.code);
  }
  EXPECT_EQ(OutputExtension(3050), "");
  EXPECT_EQ(OutputFormatDisplayName(0), "");
  EXPECT_FALSE(IsKnownOutputFormat(9000));
  EXPECT_EQ(OutputFormatFromName("ape"), 0u);
}

TEST(OutputFormatTest, SelectorRowsAndStoredCodes) {
  const auto& choices = OutputFormatChoices();
  ASSERT_EQ(choices.size(), 13u);
  EXPECT_STREQ(choices[5].label, "AAC for iPod/iTunes");
  EXPECT_STREQ(choices[7].label, "M4A");
  // A stored 6500 ends on the later M4A row; an unknown code selects none.
  EXPECT_EQ(OutputFormatChoiceIndex(6500), 7);
  EXPECT_EQ(OutputFormatChoiceIndex(1000), 0);
  EXPECT_EQ(OutputFormatChoiceIndex(5600), 10);
  EXPECT_EQ(OutputFormatChoiceIndex(1234), -1);
  // The formats added later follow the first rows.
  EXPECT_EQ(OutputFormatChoiceIndex(FORMAT_FLAC), 11);
  EXPECT_EQ(OutputFormatChoiceIndex(FORMAT_OPUS), 12);
}

}  // namespace
