#pragma once

// Owners and shared set-up for FluidSynth objects used by the MIDI backend.

#include <fluidsynth.h>

#include <cstdint>
#include <memory>

#include "platform/engine/EngineStream.h"

namespace engine {

struct FluidSettingsDeleter {
  void operator()(fluid_settings_t* settings) const { delete_fluid_settings(settings); }
};
struct FluidSynthDeleter {
  void operator()(fluid_synth_t* synth) const { delete_fluid_synth(synth); }
};
struct FluidPlayerDeleter {
  void operator()(fluid_player_t* player) const { delete_fluid_player(player); }
};
using FluidSettingsPtr = std::unique_ptr<fluid_settings_t, FluidSettingsDeleter>;
using FluidSynthPtr = std::unique_ptr<fluid_synth_t, FluidSynthDeleter>;
using FluidPlayerPtr = std::unique_ptr<fluid_player_t, FluidPlayerDeleter>;

// Sends FluidSynth's messages of every level nowhere: the engine reports
// failures through its results, and the program keeps its terminal clean.
// Process-wide; safe to call any number of times.
void SilenceFluidSynthLog();

// Silences the log and has FluidSynth fill its process-wide tables, once,
// so that synthesizers may then be created on several threads at a time.
// MakeOfflineSettings calls it.
void PrepareFluidSynth();

// Settings for rendering to memory at `rate` Hz: reverb and chorus as
// `effects` asks (off by default), one core, no memory locking, and a MIDI
// player timed by rendered samples rather than the clock. Null when
// FluidSynth does not take the rate (it would silently keep its default).
FluidSettingsPtr MakeOfflineSettings(uint32_t rate, const MidiEffects& effects = MidiEffects());

}  // namespace engine
