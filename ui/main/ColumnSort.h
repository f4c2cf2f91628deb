#pragma once

class QString;

// How a column of the file list compares its cell texts when sorted.
enum ColumnSortType {
  SORT_TEXT = 0,          // locale-aware, case-sensitive
  SORT_NUMBER = 1,        // the number the text starts with ("128 kbps" is 128)
  SORT_SIZE = 2,          // a number with an optional K, M, G or T multiplier
  SORT_DATE = 3,          // "a-b-c", compared part by part
  SORT_MIN_SEC = 4,       // "m:s"
  SORT_HOUR_MIN_SEC = 5,  // "h:m:s"
};

// The order of two cell texts of a column in ascending order: negative when
// `a` comes first, positive when `b` does, 0 when they compare equal. Texts
// without the shape of a date or time read as zero.
int CompareCells(ColumnSortType type, const QString& a, const QString& b);
