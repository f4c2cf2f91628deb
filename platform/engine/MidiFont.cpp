#include "platform/engine/MidiFont.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <map>
#include <vector>

#include "platform/bytes/ByteOrder.h"
#include "platform/engine/EngineStream.h"
#include "platform/engine/PresetChoice.h"

namespace engine {

namespace {

// The name under which a stream's synthesizer asks our loader for the
// shared font. FluidSynth's own loader, should it be asked first, finds no
// such file and passes.
constexpr const char* SHARED_FONT_NAME = "\x01sondrel-shared-soundfont";

// The chunks of one RIFF level, [begin, end) of the file: id, body position
// and size of each. False when a chunk runs past `end` or the file cannot
// be read.
struct Chunk {
  std::string id;
  uint64_t body = 0;
  uint32_t size = 0;
};
bool ReadChunks(std::ifstream& in, uint64_t begin, uint64_t end, std::vector<Chunk>& chunks) {
  for (uint64_t at = begin; at < end;) {
    char header[8];
    if (end - at < sizeof header) return false;
    in.seekg(static_cast<std::streamoff>(at));
    if (!in.read(header, sizeof header)) return false;
    Chunk chunk{std::string(header, 4), at + sizeof header, LoadLe<32>(header + 4)};
    if (chunk.size > end - chunk.body) return false;
    chunks.push_back(chunk);
    at = chunk.body + chunk.size + (chunk.size & 1);
  }
  return true;
}

// Whether `path` has the structure of a SoundFont 2 file: a RIFF "sfbk"
// form that fits in the file, holding INFO, sdta and pdta lists, the last
// with its nine tables made of whole records. Checked before FluidSynth sees
// the file, because a damaged file sends FluidSynth on to its other loaders,
// which complain on the terminal.
bool HasSoundFontStructure(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  in.seekg(0, std::ios::end);
  const std::streamoff fileSize = in.tellg();
  char header[12];
  in.seekg(0);
  if (fileSize < 12 || !in.read(header, sizeof header)) return false;
  if (std::memcmp(header, "RIFF", 4) != 0 || std::memcmp(header + 8, "sfbk", 4) != 0) return false;
  const uint64_t riffEnd = 8 + uint64_t{LoadLe<32>(header + 4)};
  if (riffEnd > static_cast<uint64_t>(fileSize)) return false;

  std::vector<Chunk> lists;
  if (!ReadChunks(in, 12, riffEnd, lists)) return false;
  std::map<std::string, Chunk> byType;
  for (const Chunk& list : lists) {
    char type[4];
    in.seekg(static_cast<std::streamoff>(list.body));
    if (list.id == "LIST" && list.size >= 4 && in.read(type, 4))
      byType[std::string(type, 4)] = list;
  }
  if (!byType.count("INFO") || !byType.count("sdta") || !byType.count("pdta")) return false;

  const Chunk& pdta = byType["pdta"];
  std::vector<Chunk> tables;
  if (!ReadChunks(in, pdta.body + 4, pdta.body + pdta.size, tables)) return false;
  const std::map<std::string, uint32_t> recordSizes = {{"phdr", 38}, {"pbag", 4},  {"pmod", 10},
                                                       {"pgen", 4},  {"inst", 22}, {"ibag", 4},
                                                       {"imod", 10}, {"igen", 4},  {"shdr", 46}};
  for (const auto& [id, recordSize] : recordSizes) {
    const auto table = std::find_if(tables.begin(), tables.end(),
                                    [&id = id](const Chunk& chunk) { return chunk.id == id; });
    if (table == tables.end() || table->size == 0 || table->size % recordSize != 0) return false;
  }
  return true;
}

}  // namespace

// A synthesizer that never renders, holding the loaded file, and the bank
// and program of each of the font's presets for choosing substitutes.
struct MidiFont::Holder {
  FluidSettingsPtr settings;
  FluidSynthPtr synth;
  fluid_sfont_t* sfont = nullptr;  // owned by synth
  int sfontId = 0;
  std::vector<PresetNumber> numbers;
  std::vector<fluid_preset_t*> presets;  // owned by sfont, in the order of `numbers`

  // The preset that plays `bank` and `program`: the font's own, else the
  // nearest it has (ChoosePreset); null only for a font without presets.
  fluid_preset_t* Find(int bank, int program) const {
    if (fluid_preset_t* preset = fluid_sfont_get_preset(sfont, bank, program)) return preset;
    const std::optional<size_t> chosen = ChoosePreset(numbers, bank, program);
    return chosen ? presets[*chosen] : nullptr;
  }
};

namespace {

// The per-stream font: every call is answered by the holder's font, which
// the stream font carries as its data. A bank and program the font lacks
// are answered with the nearest preset it has, so that a channel playing an
// instrument the font lacks still sounds; the synthesizer keeps the bank
// and program the song asked for, and the preset tells what plays instead.
const MidiFont::Holder& HolderOf(fluid_sfont_t* sfont) {
  return *static_cast<const MidiFont::Holder*>(fluid_sfont_get_data(sfont));
}
const char* SharedName(fluid_sfont_t* sfont) {
  return fluid_sfont_get_name(HolderOf(sfont).sfont);
}
fluid_preset_t* SharedPreset(fluid_sfont_t* sfont, int bank, int program) {
  return HolderOf(sfont).Find(bank, program);
}
void SharedIterationStart(fluid_sfont_t* sfont) {
  fluid_sfont_iteration_start(HolderOf(sfont).sfont);
}
fluid_preset_t* SharedIterationNext(fluid_sfont_t* sfont) {
  return fluid_sfont_iteration_next(HolderOf(sfont).sfont);
}
int FreeSharedFont(fluid_sfont_t* sfont) {
  delete_fluid_sfont(sfont);  // the stream font only; the holder's stays
  return 0;
}

fluid_sfont_t* LoadSharedFont(fluid_sfloader_t* loader, const char* name) {
  if (std::strcmp(name, SHARED_FONT_NAME) != 0) return nullptr;
  void* holder = fluid_sfloader_get_data(loader);
  fluid_sfont_t* sfont = new_fluid_sfont(SharedName, SharedPreset, SharedIterationStart,
                                         SharedIterationNext, FreeSharedFont);
  if (sfont) fluid_sfont_set_data(sfont, holder);
  return sfont;
}

std::unique_ptr<MidiFont::Holder> LoadHolder(const std::string& path) {
  auto holder = std::make_unique<MidiFont::Holder>();
  holder->settings = MakeOfflineSettings(44100);
  if (!holder->settings) return nullptr;
  holder->synth.reset(new_fluid_synth(holder->settings.get()));
  if (!holder->synth) return nullptr;
  holder->sfontId = fluid_synth_sfload(holder->synth.get(), path.c_str(), 0);
  if (holder->sfontId == FLUID_FAILED) return nullptr;
  holder->sfont = fluid_synth_get_sfont_by_id(holder->synth.get(), holder->sfontId);
  if (!holder->sfont) return nullptr;
  fluid_sfont_iteration_start(holder->sfont);
  while (fluid_preset_t* preset = fluid_sfont_iteration_next(holder->sfont)) {
    holder->numbers.push_back({fluid_preset_get_banknum(preset), fluid_preset_get_num(preset)});
    holder->presets.push_back(preset);
  }
  return holder;
}

}  // namespace

MidiFont::MidiFont(std::string path) : path_(std::move(path)) {}

MidiFont::~MidiFont() = default;

std::shared_ptr<MidiFont> MidiFont::Load(const std::string& path) {
  if (!HasSoundFontStructure(path)) return nullptr;
  std::unique_ptr<Holder> first = LoadHolder(path);
  if (!first) return nullptr;
  std::shared_ptr<MidiFont> font(new MidiFont(path));
  for (size_t i = 0; i < first->numbers.size(); ++i) {
    const char* name = fluid_preset_get_name(first->presets[i]);
    font->presets_.push_back({first->numbers[i], name ? name : ""});
  }
  font->idle_.push_back(std::move(first));
  font->holders_ = 1;
  return font;
}

std::unique_ptr<MidiFont::Lease> MidiFont::Borrow() {
  std::unique_lock<std::mutex> lock(mutex_);
  std::unique_ptr<Holder> holder;
  if (!idle_.empty()) {
    holder = std::move(idle_.back());
    idle_.pop_back();
  } else {
    // Loaded without the lock, so that other streams may borrow and give
    // back meanwhile; FluidSynth's sample cache has a lock of its own.
    lock.unlock();
    holder = LoadHolder(path_);
    if (!holder) return nullptr;
    lock.lock();
    ++holders_;
  }
  return std::make_unique<Lease>(shared_from_this(), std::move(holder));
}

size_t MidiFont::HolderCount() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return holders_;
}

void MidiFont::GiveBack(std::unique_ptr<Holder> holder) {
  std::lock_guard<std::mutex> lock(mutex_);
  idle_.push_back(std::move(holder));
}

MidiFont::Lease::Lease(std::shared_ptr<MidiFont> font, std::unique_ptr<Holder> holder)
    : font_(std::move(font)), holder_(std::move(holder)) {}

MidiFont::Lease::~Lease() {
  font_->GiveBack(std::move(holder_));
}

bool MidiFont::Lease::AttachTo(fluid_synth_t* synth) const {
  fluid_sfloader_t* loader = new_fluid_sfloader(LoadSharedFont, delete_fluid_sfloader);
  if (!loader) return false;
  fluid_sfloader_set_data(loader, holder_.get());
  fluid_synth_add_sfloader(synth, loader);  // the synthesizer owns it from here
  // Channels remember a preset's font by id; the stream font must carry the
  // same id as the holder's so that those ids resolve to it.
  return fluid_synth_sfload(synth, SHARED_FONT_NAME, 1) == holder_->sfontId;
}

std::shared_ptr<MidiFont> LoadMidiFont(const std::string& path) {
  return MidiFont::Load(path);
}

}  // namespace engine
