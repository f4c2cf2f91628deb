#pragma once

// Which preset of a SoundFont plays an instrument that a MIDI song asks
// for. A font seldom holds every bank and program a song selects (a GS font
// may have no bank 0 at all, a small font no drum kits), and a channel left
// without a preset is silent. So a song's request is answered with the
// nearest preset the font has, the way General MIDI players substitute.

#include <cstddef>
#include <optional>
#include <vector>

namespace engine {

// The bank in which SoundFonts keep drum kits; the percussion channel asks
// for its program in this bank.
constexpr int DRUM_KIT_BANK = 128;

struct PresetNumber {
  int bank = 0;
  int program = 0;
};

// The index in `presets` of the preset that plays a request for `bank` and
// `program`; nothing when the font has no preset at all. In order:
// - the preset itself;
// - for a drum kit (bank 128): the standard kit (program 0), else the kit
//   of the nearest program; a font without kits then plays the drums with
//   a melodic preset, chosen as for bank 0 of the same program;
// - for a melodic instrument: the same program in bank 0 (the variation's
//   base instrument), else in the lowest bank that has it; else the nearest
//   program in bank 0, else the nearest in any melodic bank; a font of drum
//   kits only plays it with its nearest kit.
// Among programs equally near, the lower one is chosen.
std::optional<size_t> ChoosePreset(const std::vector<PresetNumber>& presets, int bank, int program);

}  // namespace engine
