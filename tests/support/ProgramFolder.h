#pragma once

#include <string>

#include "support/TempDir.h"

// A program folder for tests of the engine's start-up: optionally with the
// built add-ons in "addons/" and with a SoundFont named "ct4mgm.sf2"
// (linked to the one the build placed next to the programs).
class TestProgramFolder {
 public:
  TestProgramFolder(bool withAddons, bool withSoundFont);
  // With a trailing "/", as the engine's start-up expects.
  std::string Path() const { return dir_.Path() + "/"; }

 private:
  TempDir dir_;
};

// The folder of the built programs, with its add-ons and SoundFont.
std::string BuildProgramFolder();
