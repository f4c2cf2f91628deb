#include "platform/engine/FluidSynthSupport.h"

#include <algorithm>
#include <mutex>

namespace engine {

namespace {

void DiscardLogMessage(int, const char*, void*) {}

}  // namespace

void SilenceFluidSynthLog() {
  static std::once_flag once;
  std::call_once(once, [] {
    for (int level = 0; level < LAST_LOG_LEVEL; ++level) {
      fluid_set_log_function(level, DiscardLogMessage, nullptr);
    }
  });
}

void PrepareFluidSynth() {
  SilenceFluidSynthLog();
  // The first synthesizer of the process fills FluidSynth's shared tables
  // (the default modulators among them) behind a flag that later
  // synthesizers skip without waiting for the filling to end. One is made
  // and dropped here, once, before any stream's synthesizer exists; from
  // then on the tables are only read.
  static std::once_flag once;
  std::call_once(once, [] {
    FluidSettingsPtr settings(new_fluid_settings());
    if (!settings) return;
    // Without effects and with few voices the throwaway costs little.
    fluid_settings_setint(settings.get(), "synth.reverb.active", 0);
    fluid_settings_setint(settings.get(), "synth.chorus.active", 0);
    fluid_settings_setint(settings.get(), "synth.polyphony", 1);
    FluidSynthPtr(new_fluid_synth(settings.get()));
  });
}

FluidSettingsPtr MakeOfflineSettings(uint32_t rate, const MidiEffects& effects) {
  PrepareFluidSynth();
  FluidSettingsPtr settings(new_fluid_settings());
  if (!settings) return nullptr;
  fluid_settings_t* s = settings.get();
  double actual = 0;
  if (fluid_settings_setnum(s, "synth.sample-rate", rate) != FLUID_OK ||
      fluid_settings_getnum(s, "synth.sample-rate", &actual) != FLUID_OK || actual != rate) {
    return nullptr;
  }
  const uint32_t reverb = std::min(effects.reverb, MidiEffects::MAX_LEVEL);
  const uint32_t chorus = std::min(effects.chorus, MidiEffects::MAX_LEVEL);
  const bool ok =
      fluid_settings_setint(s, "synth.reverb.active", reverb > 0) == FLUID_OK &&
      fluid_settings_setint(s, "synth.chorus.active", chorus > 0) == FLUID_OK &&
      (reverb == 0 || fluid_settings_setnum(s, "synth.reverb.level", reverb / 100.0) == FLUID_OK) &&
      (chorus == 0 || fluid_settings_setnum(s, "synth.chorus.level", chorus / 10.0) == FLUID_OK) &&
      fluid_settings_setint(s, "synth.cpu-cores", 1) == FLUID_OK &&
      fluid_settings_setint(s, "synth.lock-memory", 0) == FLUID_OK &&
      fluid_settings_setstr(s, "player.timing-source", "sample") == FLUID_OK;
  return ok ? std::move(settings) : nullptr;
}

}  // namespace engine
