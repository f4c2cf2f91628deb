#include <gtest/gtest.h>

#include <QString>

#include "ui/main/ColumnSort.h"

namespace {

struct SortRow {
  ColumnSortType type;
  const char* a;
  const char* b;
  int expected;  // sign of CompareCells(a, b)
};

class ColumnSortTest : public ::testing::TestWithParam<SortRow> {};

TEST_P(ColumnSortTest, ComparesCellTextsByTheColumnsType) {
  const SortRow& row = GetParam();
  const int order = CompareCells(row.type, QString::fromUtf8(row.a), QString::fromUtf8(row.b));
  EXPECT_EQ((order > 0) - (order < 0), row.expected) << row.a << " vs " << row.b;
  const int reverse = CompareCells(row.type, QString::fromUtf8(row.b), QString::fromUtf8(row.a));
  EXPECT_EQ((reverse > 0) - (reverse < 0), -row.expected) << "not antisymmetric";
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ColumnSortTest,
    ::testing::Values(
        // Numbers read from the start of the text: numeric, not text order.
        SortRow{SORT_NUMBER, "96 kbps", "128 kbps", -1},
        SortRow{SORT_NUMBER, "", "8000 Hz", -1},
        SortRow{SORT_NUMBER, "44100 Hz", "44100 Hz", 0},
        SortRow{SORT_SIZE, "1.5 K", "1024", 1},
        SortRow{SORT_SIZE, "2M", "3000 k", -1},
        SortRow{SORT_SIZE, "1 t", "1023 G", 1},
        SortRow{SORT_DATE, "2024-1-31", "2024-02-01", -1},
        SortRow{SORT_DATE, "2024-3-1", "2023-12-31", 1},
        SortRow{SORT_DATE, "undated", "2024-1-1", -1},
        SortRow{SORT_MIN_SEC, "00:59", "01:00", -1},
        SortRow{SORT_MIN_SEC, "09:10", "10:09", -1},
        // An hour-long file (h:m:s) sorts after every shorter one.
        SortRow{SORT_MIN_SEC, "1:02:05", "59:59", 1},
        SortRow{SORT_MIN_SEC, "1:02:05", "1:02:06", -1},
        // An empty duration sorts first.
        SortRow{SORT_MIN_SEC, "", "00:01", -1},
        SortRow{SORT_HOUR_MIN_SEC, "1:00:00", "0:59:59", 1},
        SortRow{SORT_HOUR_MIN_SEC, "10:00", "0:00:01", -1},
        // Text: case-sensitive, so differing only in case is not equal.
        SortRow{SORT_TEXT, "apple.mp3", "banana.mp3", -1},
        SortRow{SORT_TEXT, "song.mp3", "song.mp3", 0}));

TEST(ColumnSortCaseTest, TextComparisonTellsCaseApart) {
  EXPECT_NE(CompareCells(SORT_TEXT, QStringLiteral("Song.mp3"), QStringLiteral("song.mp3")), 0);
}

}  // namespace
