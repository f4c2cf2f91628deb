#include <gtest/gtest.h>

#include "source/SourceKind.h"

namespace {

TEST(SourceKindTest, EveryExtensionOfTheTable) {
  const std::pair<const char*, int> rows[] = {
      {".mp3", 1000}, {".mp2", 1000}, {".mp1", 1000}, {".wav", 2000},  {".mod", 3000},
      {".xm", 3000},  {".it", 3000},  {".s3m", 3000}, {".mtm", 3000},  {".umx", 3000},
      {".mo3", 3000}, {".midi", 3050}, {".mid", 3050}, {".rmi", 3050}, {".kar", 3050},
      {".cda", 3100}, {".flac", 3200}, {".wv", 3300}, {".ac3", 3400},  {".adx", 3500},
      {".ape", 3600}, {".mac", 3600}, {".mpc", 3700}, {".mpp", 3700},  {".mp+", 3700},
      {".spx", 3800}, {".tta", 3900}, {".ogg", 4000}, {".oga", 4000},  {".au", 5000},
      {".snd", 5000}, {".aif", 5100}, {".aiff", 5100}, {".aifc", 5100}, {".afc", 5100},
      {".amr", 5500}, {".awb", 5500}, {".aac", 6000}, {".mp4", 6600},  {".m4a", 6600},
      {".m4b", 6600}, {".m4v", 6600}, {".wma", 7000}, {".wmv", 7000},  {".asf", 7000},
  };
  for (const auto& [extension, kind] : rows) {
    std::string upper = extension;
    for (char& c : upper) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    EXPECT_EQ(SourceKindFromPath(std::string("/music/song") + extension), kind) << extension;
    EXPECT_EQ(SourceKindFromPath(std::string("/music/SONG") + upper), kind) << upper;
  }
}

TEST(SourceKindTest, ExtensionIsTakenFromTheFileNamePart) {
  EXPECT_EQ(SourceKindFromPath("/music/song.Mp3"), KIND_MPEG_AUDIO);
  EXPECT_EQ(SourceKindFromPath("/music/README"), KIND_OTHER);
  EXPECT_EQ(SourceKindFromPath("README"), KIND_OTHER);
  EXPECT_EQ(SourceKindFromPath("/music/album.mp3/track"), KIND_OTHER);
  EXPECT_EQ(SourceKindFromPath("/music/v1.2/track.wav"), KIND_WAVE);
  EXPECT_EQ(SourceKindFromPath("/music/song.mp3.bak"), KIND_OTHER);
  EXPECT_EQ(SourceKindFromPath("/music/archive.tar.flac"), KIND_FLAC);
  EXPECT_EQ(SourceKindFromPath("/music/.mid"), KIND_MIDI);
  EXPECT_EQ(SourceKindFromPath("/music/song."), KIND_OTHER);
  EXPECT_EQ(SourceKindFromPath("/music/song.mp33"), KIND_OTHER);
  EXPECT_EQ(SourceKindFromPath(""), KIND_OTHER);
}

TEST(SourceKindTest, FileExtensionKeepsTheDotAndCase) {
  EXPECT_EQ(FileExtension("/a.b/c.D.Flac"), ".Flac");
  EXPECT_EQ(FileExtension("/a.b/c"), "");
  EXPECT_EQ(FileExtension("c.mid"), ".mid");
}

}  // namespace
