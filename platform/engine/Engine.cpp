#include "platform/engine/Engine.h"

#include <dlfcn.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <utility>

#include "platform/engine/AddonInterface.h"
#include "platform/engine/EngineStream.h"
#include "platform/engine/EngineTags.h"

namespace engine {
namespace {

// One open stream or module and what the engine keeps for it.
struct Channel {
  std::unique_ptr<EngineStream> stream;
  bool isModule = false;
  std::string path;
  StreamFormat format;
  std::string container;  // the file's container and codec, as the stream named them at open
  std::string codec;
  uint64_t length = 0;    // announced at open; less when the decoder ends well before it
  uint64_t position = 0;  // bytes delivered so far
  bool decoderDone = false;
  bool damaged = false;  // ended well before the announced length at damage
  // Raw ID3 blocks, read from the file on first request.
  bool id3Read = false;
  std::string id3v1;
  std::string id3v2;
};

struct Plugin {
  void* library = nullptr;
  const SondrelAddon* addon = nullptr;
  std::string path;
};

// Shared by every thread: the handle table, the add-ons and the fonts. The
// mutex guards the maps and the fields of each channel that any thread may
// query (length, position); a channel's decoder and its decoding state are
// used only by the thread that decodes that stream, without the lock. A
// channel stays where it is in the map until it is freed, so that thread
// may hold a pointer to it while unlocked.
struct EngineState {
  std::mutex mutex;
  bool started = false;
  uint32_t freq = 44100;
  Handle nextHandle = 1;
  std::map<Handle, Channel> channels;
  uint32_t nextPlugin = 1;
  std::map<uint32_t, Plugin> plugins;
  uint32_t nextFont = 1;
  std::map<uint32_t, std::shared_ptr<MidiFont>> fonts;
  std::shared_ptr<MidiFont> defaultFont;
  MidiEffects midiEffects;
};

EngineState& State() {
  static EngineState state;
  return state;
}

// The default font's deferred load. Its lock is never taken while the
// state's is held: the load itself takes the state's.
struct DeferredFont {
  std::mutex mutex;
  std::function<void()> load;
};

DeferredFont& Deferred() {
  static DeferredFont deferred;
  return deferred;
}

// A decoder that ends at most this far before the announced length (a
// codec's last frame, a container's rounded duration) is padded with
// silence up to it, so that exact lengths hold. One that ends further
// before it (a cut or damaged file) ends the stream there.
constexpr double kPaddedGapSeconds = 0.25;

Channel* Find(EngineState& state, Handle handle) {
  const auto found = state.channels.find(handle);
  return found == state.channels.end() ? nullptr : &found->second;
}

// The formats of the core engine plus those the loaded add-ons enable.
FormatGate CurrentGate(const EngineState& state) {
  FormatGate gate = FormatGate::Core();
  for (const auto& [id, plugin] : state.plugins) {
    for (const char* const* name = plugin.addon->demuxers; name && *name; ++name) gate.AllowDemuxer(*name);
    for (const char* const* name = plugin.addon->codecs; name && *name; ++name) gate.AllowCodec(*name);
  }
  return gate;
}

template <typename Map>
uint32_t NewId(const Map& map, uint32_t& next) {
  while (next == 0 || map.count(next)) ++next;
  return next++;
}

Handle AddChannel(EngineState& state, std::unique_ptr<EngineStream> stream, bool isModule,
                  const std::string& path) {
  if (!stream) return 0;
  Channel channel;
  channel.format = stream->Format();
  if (channel.format.channels == 0 || channel.format.rate == 0) return 0;
  channel.length = stream->LengthBytes();
  channel.length -= channel.length % channel.format.BytesPerFrame();
  channel.container = stream->ContainerName();
  channel.codec = stream->CodecName();
  channel.stream = std::move(stream);
  channel.isModule = isModule;
  channel.path = path;
  const Handle handle = NewId(state.channels, state.nextHandle);
  state.channels.emplace(handle, std::move(channel));
  return handle;
}

// The file of an open channel, for the tag queries that read it.
std::optional<std::string> ChannelPath(Handle handle) {
  EngineState& state = State();
  std::lock_guard<std::mutex> lock(state.mutex);
  const Channel* channel = Find(state, handle);
  if (!channel) return std::nullopt;
  return channel->path;
}

bool FreeChannel(Handle handle, bool module) {
  EngineState& state = State();
  std::lock_guard<std::mutex> lock(state.mutex);
  Channel* channel = Find(state, handle);
  if (!channel || channel->isModule != module) return false;
  state.channels.erase(handle);
  return true;
}

}  // namespace

uint32_t GetVersion() { return VERSION; }

bool Init(uint32_t freq) {
  if (freq == 0) return false;
  EngineState& state = State();
  std::lock_guard<std::mutex> lock(state.mutex);
  if (state.started) return false;
  state.started = true;
  state.freq = freq;
  return true;
}

bool Free() {
  MidiDeferDefaultFont(nullptr);
  EngineState& state = State();
  std::lock_guard<std::mutex> lock(state.mutex);
  if (!state.started) return false;
  state.channels.clear();
  // A later start must not render with a font of this session.
  state.fonts.clear();
  state.defaultFont.reset();
  state.midiEffects = MidiEffects();
  state.started = false;
  return true;
}

bool IsStarted() {
  EngineState& state = State();
  std::lock_guard<std::mutex> lock(state.mutex);
  return state.started;
}

uint32_t PluginLoad(const std::string& path) {
  EngineState& state = State();
  std::lock_guard<std::mutex> lock(state.mutex);
  for (const auto& [id, plugin] : state.plugins)
    if (plugin.path == path) return id;

  void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!library) return 0;
  const auto query = reinterpret_cast<SondrelAddonQuery>(dlsym(library, SONDREL_ADDON_QUERY_SYMBOL));
  const SondrelAddon* addon = query ? query() : nullptr;
  if (!addon || addon->interfaceVersion != SONDREL_ADDON_INTERFACE_VERSION) {
    dlclose(library);
    return 0;
  }
  const uint32_t id = NewId(state.plugins, state.nextPlugin);
  state.plugins.emplace(id, Plugin{library, addon, path});
  return id;
}

bool PluginFree(uint32_t plugin) {
  EngineState& state = State();
  std::lock_guard<std::mutex> lock(state.mutex);
  if (plugin == 0) {
    for (auto& [id, loaded] : state.plugins) dlclose(loaded.library);
    state.plugins.clear();
    return true;
  }
  const auto found = state.plugins.find(plugin);
  if (found == state.plugins.end()) return false;
  dlclose(found->second.library);
  state.plugins.erase(found);
  return true;
}

Handle StreamCreateFile(const std::string& path, uint32_t flags) {
  EngineState& state = State();
  std::unique_lock<std::mutex> lock(state.mutex);
  if (!state.started || !(flags & STREAM_DECODE)) return 0;
  const FormatGate gate = CurrentGate(state);
  lock.unlock();
  std::unique_ptr<EngineStream> stream = OpenSampledStream(path, gate);
  lock.lock();
  return AddChannel(state, std::move(stream), false, path);
}

Handle MidiStreamCreateFile(const std::string& path, uint32_t flags, uint32_t freq) {
  MidiLoadDeferredFont();
  EngineState& state = State();
  std::unique_lock<std::mutex> lock(state.mutex);
  if (!state.started || !(flags & STREAM_DECODE)) return 0;
  const uint32_t rate = freq ? freq : state.freq;
  std::shared_ptr<MidiFont> font = state.defaultFont;
  const MidiEffects effects = state.midiEffects;
  lock.unlock();
  std::unique_ptr<EngineStream> stream = OpenMidiStream(path, rate, std::move(font), effects);
  lock.lock();
  return AddChannel(state, std::move(stream), false, path);
}

void MidiSetEffects(uint32_t reverb, uint32_t chorus) {
  EngineState& state = State();
  std::lock_guard<std::mutex> lock(state.mutex);
  state.midiEffects.reverb = std::min(reverb, MidiEffects::MAX_LEVEL);
  state.midiEffects.chorus = std::min(chorus, MidiEffects::MAX_LEVEL);
}

Handle MusicLoad(const std::string& path, uint32_t flags, uint32_t freq) {
  EngineState& state = State();
  std::unique_lock<std::mutex> lock(state.mutex);
  if (!state.started || !(flags & MUSIC_DECODE)) return 0;
  const uint32_t rate = freq ? freq : state.freq;
  lock.unlock();
  std::unique_ptr<EngineStream> stream = OpenModuleStream(path, rate);
  lock.lock();
  return AddChannel(state, std::move(stream), true, path);
}

bool StreamFree(Handle handle) { return FreeChannel(handle, false); }
bool MusicFree(Handle handle) { return FreeChannel(handle, true); }

uint64_t ChannelGetLength(Handle handle, uint32_t mode) {
  EngineState& state = State();
  std::lock_guard<std::mutex> lock(state.mutex);
  const Channel* channel = Find(state, handle);
  if (!channel || mode != POS_BYTE) return static_cast<uint64_t>(-1);
  return channel->length;
}

double ChannelBytes2Seconds(Handle handle, uint64_t bytes) {
  EngineState& state = State();
  std::lock_guard<std::mutex> lock(state.mutex);
  const Channel* channel = Find(state, handle);
  if (!channel) return -1;
  return static_cast<double>(bytes) /
         (static_cast<double>(channel->format.rate) * channel->format.BytesPerFrame());
}

bool ChannelGetInfo(Handle handle, ChannelInfo& info) {
  EngineState& state = State();
  std::lock_guard<std::mutex> lock(state.mutex);
  const Channel* channel = Find(state, handle);
  if (!channel) return false;
  info.freq = channel->format.rate;
  info.chans = channel->format.channels;
  info.flags = channel->format.eightBit ? SAMPLE_8BITS : 0;
  info.container = channel->container;
  info.codec = channel->codec;
  return true;
}

uint64_t ChannelGetPosition(Handle handle, uint32_t mode) {
  EngineState& state = State();
  std::lock_guard<std::mutex> lock(state.mutex);
  const Channel* channel = Find(state, handle);
  if (!channel || mode != POS_BYTE) return static_cast<uint64_t>(-1);
  return channel->position;
}

uint32_t ChannelGetData(Handle handle, void* buffer, uint32_t length) {
  EngineState& state = State();
  std::unique_lock<std::mutex> lock(state.mutex);
  Channel* channel = Find(state, handle);
  if (!channel || !buffer) return DATA_END;
  // A MIDI song's ringing tail lengthens the stream while it is decoded.
  const uint64_t grown = channel->stream->GrownLengthBytes();
  channel->length = std::max(channel->length, grown - grown % channel->format.BytesPerFrame());
  if (channel->position >= channel->length) return DATA_END;
  lock.unlock();  // a channel is read by one caller at a time; decoding needs no lock

  const uint32_t frameBytes = channel->format.BytesPerFrame();
  const uint64_t left = channel->length - channel->position;
  const uint32_t wanted =
      static_cast<uint32_t>(std::min<uint64_t>(length - length % frameBytes, left));
  if (wanted == 0) return 0;

  uint8_t* out = static_cast<uint8_t*>(buffer);
  uint32_t filled = 0;
  while (filled < wanted && !channel->decoderDone) {
    const uint32_t got = channel->stream->Decode(out + filled, wanted - filled);
    if (got == 0) channel->decoderDone = true;
    filled += got;
  }
  lock.lock();
  if (filled < wanted) {
    const uint64_t gap = channel->length - channel->position - filled;
    const double gapSeconds =
        static_cast<double>(gap) / (static_cast<double>(channel->format.rate) * frameBytes);
    if (gapSeconds <= kPaddedGapSeconds) {
      std::memset(out + filled, channel->format.eightBit ? 0x80 : 0, wanted - filled);
      filled = wanted;
    } else {
      // No silence stands in for missing sound: the stream ends where the
      // decoder did, and its length with it, so position and length agree.
      channel->length = channel->position + filled;
      channel->damaged = channel->stream->EndedAtDamage();
    }
  }
  channel->position += filled;
  return filled > 0 ? filled : DATA_END;
}

bool ChannelEndedAtDamage(Handle handle) {
  EngineState& state = State();
  std::lock_guard<std::mutex> lock(state.mutex);
  const Channel* channel = Find(state, handle);
  return channel && channel->damaged;
}

namespace {

// The decoder of an open channel, for queries made by the thread that
// decodes it: the channel stays in place while it is open.
EngineStream* Decoder(Handle handle) {
  EngineState& state = State();
  std::lock_guard<std::mutex> lock(state.mutex);
  Channel* channel = Find(state, handle);
  return channel ? channel->stream.get() : nullptr;
}

}  // namespace

std::string ChannelGetNote(Handle handle) {
  const EngineStream* stream = Decoder(handle);
  return stream ? stream->Note() : std::string();
}

std::string ChannelGetFault(Handle handle) {
  const EngineStream* stream = Decoder(handle);
  return stream ? stream->Fault() : std::string();
}

uint64_t StreamGetFilePosition(Handle handle, uint32_t mode) {
  EngineState& state = State();
  std::lock_guard<std::mutex> lock(state.mutex);
  const Channel* channel = Find(state, handle);
  if (!channel || channel->isModule) return static_cast<uint64_t>(-1);
  int64_t value = -1;
  if (mode == FILEPOS_END) value = channel->stream->FileLength();
  else if (mode == FILEPOS_START) value = channel->stream->FirstFrameOffset();
  return static_cast<uint64_t>(value);
}

const char* ChannelGetTags(Handle handle, uint32_t tags) {
  EngineState& state = State();
  std::unique_lock<std::mutex> lock(state.mutex);
  Channel* channel = Find(state, handle);
  if (!channel || channel->isModule) return nullptr;
  if (!channel->id3Read) {
    // The file is read without the lock, so that other threads' streams go
    // on meanwhile; only this stream's thread uses its channel.
    const std::string path = channel->path;
    lock.unlock();
    std::string id3v1 = ReadId3v1Block(path);
    std::string id3v2 = ReadId3v2Block(path);
    lock.lock();
    channel = Find(state, handle);
    if (!channel) return nullptr;
    channel->id3v1 = std::move(id3v1);
    channel->id3v2 = std::move(id3v2);
    channel->id3Read = true;
  }
  const std::string* block = tags == TAG_ID3 ? &channel->id3v1 : tags == TAG_ID3V2 ? &channel->id3v2 : nullptr;
  return block && !block->empty() ? block->data() : nullptr;
}

std::optional<std::vector<std::string>> TagsReadFields(Handle handle,
                                                       const std::vector<std::string>& codes) {
  const std::optional<std::string> path = ChannelPath(handle);
  if (!path) return std::nullopt;
  return ReadTagFields(*path, codes);
}

uint32_t MidiFontInit(const std::string& path) {
  std::shared_ptr<MidiFont> font = LoadMidiFont(path);
  if (!font) return 0;
  EngineState& state = State();
  std::lock_guard<std::mutex> lock(state.mutex);
  const uint32_t id = NewId(state.fonts, state.nextFont);
  state.fonts.emplace(id, std::move(font));
  return id;
}

bool MidiFontFree(uint32_t font) {
  EngineState& state = State();
  std::lock_guard<std::mutex> lock(state.mutex);
  return state.fonts.erase(font) != 0;
}

bool MidiStreamSetFonts(Handle stream, const MidiFontEntry* fonts, uint32_t count) {
  // Only the default set of later streams is supported, with one font
  // serving every preset of every bank.
  if (stream != 0 || !fonts || count != 1) return false;
  EngineState& state = State();
  std::lock_guard<std::mutex> lock(state.mutex);
  const auto found = state.fonts.find(fonts[0].font);
  if (found == state.fonts.end()) return false;
  state.defaultFont = found->second;
  return true;
}

void MidiDeferDefaultFont(std::function<void()> load) {
  DeferredFont& deferred = Deferred();
  std::lock_guard<std::mutex> lock(deferred.mutex);
  deferred.load = std::move(load);
}

void MidiLoadDeferredFont() {
  DeferredFont& deferred = Deferred();
  std::lock_guard<std::mutex> lock(deferred.mutex);
  if (!deferred.load) return;
  const std::function<void()> load = std::move(deferred.load);
  deferred.load = nullptr;
  load();
}

}  // namespace engine
