#pragma once

#include <string>
#include <vector>

// What the MIDI page of the options sheet needs besides the settings: the
// program folder (with its trailing "/"), whose ct4mgm.sf2 is the font when
// none is chosen; the MIDI songs of the main window's list, which it checks
// against the font; and the folders it lists installed SoundFonts from.
struct MidiPageContext {
  std::string programFolder;
  std::vector<std::string> songs;
  std::vector<std::string> fontFolders = SystemSoundFontFolders();

  // Where the system's packages install SoundFonts.
  static std::vector<std::string> SystemSoundFontFolders() {
    return {"/usr/share/sounds/sf2", "/usr/share/soundfonts"};
  }
};
