#pragma once

#include <string>
#include <vector>

// A minimal SoundFont 2 file for tests: one looped sine sample (441 Hz at
// 44100 Hz, played as key 69), one instrument and one preset (bank 0,
// program 0) covering every key and velocity. The volume envelope's release
// lasts `releaseSeconds`. Loads in well under a millisecond, so tests about
// timing need not load a full General MIDI font. Other programs and the
// drum channel (10) play it too, as the nearest preset the font has.
std::string TinySoundFontBytes(double releaseSeconds = 0.1);

// A preset of a tiny font: the sine instrument under `bank` and `program`,
// transposed by `semitones` so that a render tells which preset played.
struct TinyPreset {
  int bank = 0;
  int program = 0;
  int semitones = 0;
};
// The tiny font with `presets` instead of its one preset, and with all-zero
// sample data when `silent`.
std::string TinySoundFontBytes(double releaseSeconds, const std::vector<TinyPreset>& presets,
                               bool silent = false);
