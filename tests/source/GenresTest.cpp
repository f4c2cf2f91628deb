#include <gtest/gtest.h>

#include <set>
#include <string>

#include "source/Genres.h"

namespace {

TEST(GenresTest, ListHas148NamesAndEndsWithNull) {
  std::set<std::string> names;
  for (int i = 0; i < GENRE_COUNT; ++i) {
    ASSERT_NE(GENRE_NAMES[i], nullptr) << i;
    names.insert(GENRE_NAMES[i]);
  }
  EXPECT_EQ(names.size(), 148u);
  EXPECT_EQ(GENRE_NAMES[GENRE_COUNT], nullptr);
  EXPECT_STREQ(GENRE_NAMES[0], "Blues");
  EXPECT_STREQ(GENRE_NAMES[12], "Other");
  EXPECT_STREQ(GENRE_NAMES[79], "Hard Rock");
  EXPECT_STREQ(GENRE_NAMES[132], "BritPop");
  EXPECT_STREQ(GENRE_NAMES[134], "Polsk Punk");
  EXPECT_STREQ(GENRE_NAMES[147], "Synthpop");
}

TEST(GenresTest, LookupIgnoresCaseAndFallsBackToOther) {
  EXPECT_EQ(GenreIndexFromName("rock"), 17);
  EXPECT_EQ(GenreIndexFromName("ROCK"), 17);
  EXPECT_EQ(GenreIndexFromName("Synthpop"), 147);
  EXPECT_EQ(GenreIndexFromName("blues"), 0);
  EXPECT_EQ(GenreIndexFromName("rock & roll"), 78);
  EXPECT_EQ(GenreIndexFromName("Polka Rock"), GENRE_OTHER);
  EXPECT_EQ(GenreIndexFromName(" Rock"), GENRE_OTHER);
  EXPECT_EQ(GenreIndexFromName(""), GENRE_OTHER);
}

}  // namespace
