#include "support/ModuleFixtures.h"

#include <cstdint>

#include "support/ByteText.h"

namespace {

constexpr int CHANNELS = 4;
constexpr int PATTERN_ROWS = 64;
constexpr int SAMPLE_WORDS = 16;  // a 32-byte sample
constexpr int PERIOD_C = 428;     // ProTracker's period of its middle C
constexpr int EFFECT_PATTERN_BREAK = 0xD;
constexpr int EFFECT_SPEED = 0xF;  // parameters below 32 set the speed, others the tempo

// One pattern cell: sample number, period, effect and its parameter.
void PutCell(std::string& pattern, int row, int channel, int sample, int period, int effect,
             int parameter) {
  const size_t at = static_cast<size_t>((row * CHANNELS + channel) * 4);
  pattern[at] = static_cast<char>((sample & 0xF0) | ((period >> 8) & 0x0F));
  pattern[at + 1] = static_cast<char>(period & 0xFF);
  pattern[at + 2] = static_cast<char>(((sample & 0x0F) << 4) | effect);
  pattern[at + 3] = static_cast<char>(parameter);
}

}  // namespace

std::string ProTrackerModuleBytes(const ModuleSong& song) {
  std::string module = "test module";
  module.resize(20, '\0');
  // Sample headers: name (22), length in words, finetune, volume, loop
  // start and loop length in words. Unused slots have a loop length of 1.
  std::string name = "square";
  name.resize(22, '\0');
  module += name;
  PutBe(module, SAMPLE_WORDS, 2);
  module += '\0';
  module += static_cast<char>(64);
  PutBe(module, 0, 2);
  PutBe(module, SAMPLE_WORDS, 2);
  for (int slot = 1; slot < 31; ++slot) {
    module += std::string(22 + 2 + 1 + 1 + 2, '\0');
    PutBe(module, 1, 2);
  }
  module += static_cast<char>(1);    // orders in the song
  module += static_cast<char>(127);  // restart byte, unused by ProTracker
  module += std::string(128, '\0');  // order list: pattern 0
  module += "M.K.";

  std::string pattern(PATTERN_ROWS * CHANNELS * 4, '\0');
  PutCell(pattern, 0, 0, 1, PERIOD_C, 0, 0);
  PutCell(pattern, 0, 1, 0, 0, EFFECT_SPEED, song.speed);
  PutCell(pattern, 0, 2, 0, 0, EFFECT_SPEED, song.tempo);
  PutCell(pattern, song.rows - 1, 3, 0, 0, EFFECT_PATTERN_BREAK, 0);
  module += pattern;

  for (int i = 0; i < SAMPLE_WORDS * 2; ++i) {
    module += static_cast<char>(i < SAMPLE_WORDS ? 64 : -64);
  }
  return module;
}
