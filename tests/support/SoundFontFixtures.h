#pragma once

#include <string>

// A minimal SoundFont 2 file for tests: one looped sine sample (441 Hz at
// 44100 Hz, played as key 69), one instrument and one preset (bank 0,
// program 0) covering every key and velocity. The volume envelope's release
// lasts `releaseSeconds`. Loads in well under a millisecond, so tests about
// timing need not load a full General MIDI font. Songs for it must use
// program 0 and stay off the drum channel (10).
std::string TinySoundFontBytes(double releaseSeconds = 0.1);
