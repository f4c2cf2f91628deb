#pragma once

#include <string>

// Tracker modules written byte by byte for tests.

// What the test module plays: one pattern whose first row starts a note on
// channel 1 and sets `speed` (ticks per row, 1-31) and `tempo` (beats per
// minute, 32-255), and which breaks to the song's end after `rows` rows.
struct ModuleSong {
  int rows = 16;
  int speed = 6;
  int tempo = 125;
  // The song's duration: each row lasts speed ticks of 2.5 / tempo seconds.
  double Seconds() const { return rows * speed * 2.5 / tempo; }
};

// A ProTracker module ("M.K.": 4 channels, 31 sample slots) with one looped
// square-wave sample. The magic sits at byte 1080; the pattern follows it,
// then the sample data.
std::string ProTrackerModuleBytes(const ModuleSong& song = {});
