#pragma once

// The instruments a MIDI song plays, read from its events without rendering
// it: the bank and program each channel has when it starts a note. It
// follows the renderer's reading of the song: a bank select (controller 0)
// takes effect at the channel's next program change, controller 32 is
// ignored, and channel 10 (9 counted from 0) is the drum channel, whose
// programs are kits of bank DRUM_KIT_BANK and which ignores bank selects. A
// channel that starts notes before any program change plays program 0 (kit
// 0 on the drum channel). System exclusive messages that would change a
// channel's part are not followed.

#include <vector>

#include "platform/engine/MidiFile.h"
#include "platform/engine/PresetChoice.h"

namespace engine {

// The MIDI channel that plays drums.
constexpr int DRUM_CHANNEL = 9;

// Each bank and program that starts a sounding note in `song` (parsed with
// its events), once, ordered by bank, then program.
std::vector<PresetNumber> InstrumentsPlayed(const MidiFile& song);

}  // namespace engine
