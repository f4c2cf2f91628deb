#include "support/SoundFontFixtures.h"

#include <cmath>
#include <cstdint>

#include "support/ByteText.h"

namespace {

// A name field of `size` bytes, zero-padded.
std::string Name(const std::string& name, size_t size) {
  std::string field = name.substr(0, size - 1);
  field.resize(size, '\0');
  return field;
}

// A RIFF chunk; odd sizes get a pad byte.
std::string Chunk(const std::string& id, const std::string& body) {
  std::string chunk = id;
  PutLe(chunk, static_cast<uint32_t>(body.size()), 4);
  chunk += body;
  if (body.size() % 2) chunk += '\0';
  return chunk;
}

std::string List(const std::string& type, const std::string& chunks) {
  return Chunk("LIST", type + chunks);
}

// Generator record: operator and 16-bit amount.
std::string Generator(int oper, int amount) {
  std::string record;
  PutLe(record, static_cast<uint32_t>(oper), 2);
  PutLe(record, static_cast<uint16_t>(static_cast<int16_t>(amount)), 2);
  return record;
}

// Bag record: first generator and first modulator index.
std::string Bag(int generator, int modulator) {
  std::string record;
  PutLe(record, static_cast<uint32_t>(generator), 2);
  PutLe(record, static_cast<uint32_t>(modulator), 2);
  return record;
}

constexpr int GEN_COARSE_TUNE = 51;
constexpr int GEN_INSTRUMENT = 41;
constexpr int GEN_RELEASE_VOL_ENV = 38;
constexpr int GEN_SAMPLE_MODES = 54;
constexpr int GEN_SAMPLE_ID = 53;  // must close an instrument zone

constexpr uint32_t SAMPLE_RATE = 44100;
constexpr uint32_t CYCLE = 100;  // samples per period: 441 Hz
constexpr uint32_t SAMPLE_LENGTH = 4 * CYCLE;
constexpr uint32_t LOOP_START = CYCLE;
constexpr uint32_t LOOP_END = 3 * CYCLE;
constexpr uint32_t GUARD_SAMPLES = 46;  // zero samples the format requires after each sample

}  // namespace

std::string TinySoundFontBytes(double releaseSeconds) {
  return TinySoundFontBytes(releaseSeconds, {TinyPreset{}});
}

std::string TinySoundFontBytes(double releaseSeconds, const std::vector<TinyPreset>& presets,
                               bool silent) {
  const std::string info = Chunk("ifil", std::string("\x02\x00\x01\x00", 4)) +
                           Chunk("isng", Name("EMU8000", 8)) +
                           Chunk("INAM", Name("Tiny test font", 16));

  std::string samples;
  for (uint32_t i = 0; i < SAMPLE_LENGTH + GUARD_SAMPLES; ++i) {
    const double value =
        i < SAMPLE_LENGTH && !silent ? 32000 * std::sin(2 * M_PI * i / CYCLE) : 0;
    PutLe(samples, static_cast<uint16_t>(static_cast<int16_t>(std::lround(value))), 2);
  }

  // Preset headers: name, program, bank, first bag, library, genre, morphology.
  // Each preset has one zone: its transposition if any, then the instrument.
  std::string phdr, pbag, pgen;
  for (size_t i = 0; i <= presets.size(); ++i) {
    const bool last = i == presets.size();
    phdr += Name(last ? "EOP" : "Tiny", 20);
    PutLe(phdr, last ? 0 : static_cast<uint32_t>(presets[i].program), 2);
    PutLe(phdr, last ? 0 : static_cast<uint32_t>(presets[i].bank), 2);
    PutLe(phdr, static_cast<uint32_t>(i), 2);
    PutLe(phdr, 0, 4);
    PutLe(phdr, 0, 4);
    PutLe(phdr, 0, 4);
    pbag += Bag(static_cast<int>(pgen.size() / 4), 0);
    if (!last && presets[i].semitones != 0)
      pgen += Generator(GEN_COARSE_TUNE, presets[i].semitones);
    if (!last) pgen += Generator(GEN_INSTRUMENT, 0);
  }
  pgen += Generator(0, 0);
  const std::string pmod(10, '\0');

  std::string inst = Name("Tiny sine", 20);
  PutLe(inst, 0, 2);
  inst += Name("EOI", 20);
  PutLe(inst, 1, 2);
  const int releaseTimecents = static_cast<int>(std::lround(1200 * std::log2(releaseSeconds)));
  const std::string igen = Generator(GEN_RELEASE_VOL_ENV, releaseTimecents) +
                           Generator(GEN_SAMPLE_MODES, 1) + Generator(GEN_SAMPLE_ID, 0) +
                           Generator(0, 0);
  const std::string ibag = Bag(0, 0) + Bag(3, 0);
  const std::string imod(10, '\0');

  // Sample headers: name, start, end, loop start, loop end, rate, original
  // key, pitch correction, link, type (1: mono).
  std::string shdr = Name("sine", 20);
  for (uint32_t value : {0u, SAMPLE_LENGTH, LOOP_START, LOOP_END, SAMPLE_RATE})
    PutLe(shdr, value, 4);
  shdr += static_cast<char>(69);
  shdr += '\0';
  PutLe(shdr, 0, 2);
  PutLe(shdr, 1, 2);
  shdr += Name("EOS", 20) + std::string(26, '\0');

  const std::string pdta = Chunk("phdr", phdr) + Chunk("pbag", pbag) + Chunk("pmod", pmod) +
                           Chunk("pgen", pgen) + Chunk("inst", inst) + Chunk("ibag", ibag) +
                           Chunk("imod", imod) + Chunk("igen", igen) + Chunk("shdr", shdr);
  const std::string body =
      "sfbk" + List("INFO", info) + List("sdta", Chunk("smpl", samples)) + List("pdta", pdta);
  return Chunk("RIFF", body);
}
