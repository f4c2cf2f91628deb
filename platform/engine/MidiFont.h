#pragma once

#include <memory>
#include <string>

#include "platform/engine/FluidSynthSupport.h"

namespace engine {

// A SoundFont loaded once and shared by every MIDI stream rendered with it.
//
// FluidSynth ties a loaded font to the synthesizer that loaded it, and
// loading TimGM6mb takes 10-20 ms (parsing the preset tables and reading the
// sample data), which would dominate short songs and the probing of a list.
// So one holder synthesizer, which never renders, loads the file here; each
// stream's own fresh synthesizer then gets a lightweight font object from a
// SoundFont loader of ours whose presets are the holder's presets. Voices
// play the holder's sample data directly: nothing is read or copied per
// stream (attaching costs about 0.05 ms), and each stream starts from a
// fresh synthesizer, so its output does not depend on earlier songs.
//
// Rules that keep this sound: the holder outlives its streams (each stream
// keeps the font alive through its shared pointer), and a font and the
// streams using it are driven by one thread at a time, since FluidSynth
// counts preset and sample references in plain integers.
class MidiFont {
 public:
  // Null when `path` is missing, unreadable, not structured as a SoundFont 2
  // file, or refused by FluidSynth.
  static std::shared_ptr<MidiFont> Load(const std::string& path);

  MidiFont(const MidiFont&) = delete;
  MidiFont& operator=(const MidiFont&) = delete;
  ~MidiFont() = default;

  // Gives `synth`, which must have no font yet, this font's presets. Call
  // right after creating the synthesizer; false when FluidSynth refuses.
  bool AttachTo(fluid_synth_t* synth) const;

  const std::string& Path() const { return path_; }

 private:
  MidiFont() = default;

  std::string path_;
  FluidSettingsPtr settings_;
  FluidSynthPtr holder_;
  fluid_sfont_t* sfont_ = nullptr;  // owned by holder_
  int sfontId_ = 0;
};

}  // namespace engine
