#include "platform/engine/PresetChoice.h"

#include <cstdlib>
#include <functional>
#include <initializer_list>
#include <tuple>

namespace engine {

namespace {

using Fits = std::function<bool(const PresetNumber&)>;

// Of the presets that `fits` accepts, the one nearest in program to
// `program`; ties go to the lower program, then to the lower bank.
std::optional<size_t> Nearest(const std::vector<PresetNumber>& presets, int program,
                              const Fits& fits) {
  const auto rank = [program](const PresetNumber& preset) {
    return std::make_tuple(std::abs(preset.program - program), preset.program, preset.bank);
  };
  std::optional<size_t> best;
  for (size_t i = 0; i < presets.size(); ++i) {
    if (fits(presets[i]) && (!best || rank(presets[i]) < rank(presets[*best]))) best = i;
  }
  return best;
}

// The first rule, in order, that some preset satisfies.
std::optional<size_t> FirstFound(const std::vector<PresetNumber>& presets, int program,
                                 std::initializer_list<Fits> rules) {
  for (const Fits& fits : rules) {
    if (const std::optional<size_t> found = Nearest(presets, program, fits)) return found;
  }
  return std::nullopt;
}

bool IsKit(const PresetNumber& preset) {
  return preset.bank == DRUM_KIT_BANK;
}

}  // namespace

std::optional<size_t> ChoosePreset(const std::vector<PresetNumber>& presets, int bank,
                                   int program) {
  const auto is = [](int wantedBank, int wantedProgram) -> Fits {
    return [=](const PresetNumber& preset) {
      return preset.bank == wantedBank && preset.program == wantedProgram;
    };
  };
  const Fits melodic = [](const PresetNumber& preset) { return !IsKit(preset); };
  const Fits sameProgram = [program](const PresetNumber& preset) {
    return !IsKit(preset) && preset.program == program;
  };
  const Fits inBank0 = [](const PresetNumber& preset) { return preset.bank == 0; };
  const Fits any = [](const PresetNumber&) { return true; };

  if (bank == DRUM_KIT_BANK) {
    return FirstFound(presets, program,
                      {is(bank, program), is(DRUM_KIT_BANK, 0), IsKit, is(0, program), sameProgram,
                       inBank0, melodic});
  }
  return FirstFound(presets, program,
                    {is(bank, program), is(0, program), sameProgram, inBank0, melodic, any});
}

}  // namespace engine
