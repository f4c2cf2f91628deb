#include "platform/engine/FluidSynthSupport.h"

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

FluidSettingsPtr MakeOfflineSettings(uint32_t rate) {
  SilenceFluidSynthLog();
  FluidSettingsPtr settings(new_fluid_settings());
  if (!settings) return nullptr;
  fluid_settings_t* s = settings.get();
  double actual = 0;
  if (fluid_settings_setnum(s, "synth.sample-rate", rate) != FLUID_OK ||
      fluid_settings_getnum(s, "synth.sample-rate", &actual) != FLUID_OK || actual != rate) {
    return nullptr;
  }
  const bool ok = fluid_settings_setint(s, "synth.reverb.active", 0) == FLUID_OK &&
                  fluid_settings_setint(s, "synth.chorus.active", 0) == FLUID_OK &&
                  fluid_settings_setint(s, "synth.cpu-cores", 1) == FLUID_OK &&
                  fluid_settings_setint(s, "synth.lock-memory", 0) == FLUID_OK &&
                  fluid_settings_setstr(s, "player.timing-source", "sample") == FLUID_OK;
  return ok ? std::move(settings) : nullptr;
}

}  // namespace engine
