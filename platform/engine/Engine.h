#pragma once

// The audio engine: decodes sound files to PCM for the program. It never
// plays sound. Sampled formats go through FFmpeg, MIDI songs through
// FluidSynth with a SoundFont, tracker modules through libopenmpt, tags
// through TagLib. Add-ons (shared objects loaded at start-up) enable further
// families of sampled formats.
//
// The interface is a small C-style library of handles, as the rest of the
// program expects of its engine: every call is cheap to mock in thought and
// answers failure with 0, -1 or null.
//
// Threads: streams may be created, queried and freed on any thread, several
// at once (the handle table has a lock of its own), and each open stream
// decodes independently of the others. One stream is used by one thread at
// a time: the thread that decodes it (ChannelGetData) must not race another
// call on the same handle, nor its StreamFree. Init, Free, the add-ons and
// the SoundFonts are set up and torn down while no stream is being decoded.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace engine {

using Handle = uint32_t;  // a stream or module; 0 is never a valid handle

// The engine's version: the high 16 bits are the major and minor number.
constexpr uint32_t VERSION = 0x02040000;
uint32_t GetVersion();

// Starts the engine with `freq` Hz as the rate at which MIDI songs and
// modules are rendered by default. The engine must be started before any
// stream is created.
bool Init(uint32_t freq);
// Releases every stream still open and every SoundFont, clears the default
// font set, and stops the engine.
bool Free();
bool IsStarted();

// Add-ons. Load answers a plug-in handle, 0 when the file is missing, is not
// an add-on, or speaks another interface version. Free(0) unloads them all.
uint32_t PluginLoad(const std::string& path);
bool PluginFree(uint32_t plugin);

// Stream creation flags.
constexpr uint32_t SAMPLE_8BITS = 0x1;
constexpr uint32_t STREAM_DECODE = 0x200000;
constexpr uint32_t MUSIC_DECODE = STREAM_DECODE;

// A decoding stream of a sampled-format file; 0 when no enabled decoder
// opens it.
Handle StreamCreateFile(const std::string& path, uint32_t flags);
// A MIDI song rendered with the default SoundFont at `freq` Hz (0: the
// engine's rate); 0 when the file is not MIDI. Without a SoundFont the
// song opens with its length and renders silence.
Handle MidiStreamCreateFile(const std::string& path, uint32_t flags, uint32_t freq);
// The reverb and chorus levels (percent, 0 for off) of MIDI streams
// created later; both off until set, and again after Free.
void MidiSetEffects(uint32_t reverb, uint32_t chorus);
// Why the MIDI file at `path` cannot be rendered ("the MIDI file is
// damaged: its header announces no tracks"); empty when it can, or when it
// is no MIDI file at all.
std::string MidiFileProblem(const std::string& path);
// For the 16-bit PCM data of a WAV file, `dataStart` bytes into the file of
// `fileSize` bytes, in blocks of `blockAlign` bytes, `frames` of them (-1
// when not known): false when opening the file as a stream could not take
// that data for compressed audio stored as PCM (an MP3 or AC-3 stream in a
// WAV file), so that the data is read as the PCM its header says. True
// whenever that cannot be shown, in particular for another generation of
// the container library; reads the start of the data.
bool Pcm16DataMightRecode(const std::string& path, int64_t dataStart, int64_t fileSize,
                          int64_t blockAlign, int64_t frames);
// A tracker module rendered at `freq` Hz (0: the engine's rate).
Handle MusicLoad(const std::string& path, uint32_t flags, uint32_t freq);
bool StreamFree(Handle handle);
bool MusicFree(Handle handle);

// Channel queries. Lengths and positions count bytes of the decoded PCM.
constexpr uint32_t POS_BYTE = 0;
struct ChannelInfo {
  uint32_t freq = 0;
  uint32_t chans = 0;
  uint32_t flags = 0;  // SAMPLE_8BITS for unsigned 8-bit samples
  // What the file of a sampled-format stream holds, as FFmpeg names it: the
  // container ("ogg", "mp3", "wav") and the codec ("vorbis"); both "" for
  // MIDI songs and modules.
  std::string container;
  std::string codec;
};
uint64_t ChannelGetLength(Handle handle, uint32_t mode);  // -1 on failure
double ChannelBytes2Seconds(Handle handle, uint64_t bytes);  // negative on failure
bool ChannelGetInfo(Handle handle, ChannelInfo& info);
uint64_t ChannelGetPosition(Handle handle, uint32_t mode);  // -1 on failure

// Decodes the next `length` bytes (whole frames) of interleaved PCM:
// signed 16-bit, or unsigned 8-bit with SAMPLE_8BITS. Answers the bytes
// delivered, DATA_END at the end of the stream or on an error. The decoded
// total equals ChannelGetLength at the end: a decoder that ends a fraction
// of a second early is padded with silence, one that ends well before the
// announced length (a cut file) ends the stream there, and the length
// shrinks to what was delivered.
constexpr uint32_t DATA_END = 0xFFFFFFFF;
uint32_t ChannelGetData(Handle handle, void* buffer, uint32_t length);
// True when the stream ended well before its announced length because its
// decoder stopped at damage it could not read past (not at the end of a
// file that is merely short); its length is then where it stopped.
bool ChannelEndedAtDamage(Handle handle);

// What the stream's decoder has to say besides the sound, in plain words;
// empty when nothing. The note is something the user should know of a
// usable sound (a MIDI song's instrument that the SoundFont lacks, played
// with another); the fault says why a stream decoded to its end gave no
// usable sound (a MIDI song whose notes all came out silent). Asked by the
// thread that decodes the stream, as ChannelGetData.
std::string ChannelGetNote(Handle handle);
std::string ChannelGetFault(Handle handle);

// File positions of a stream: the file's length, or the offset of its
// first audio frame; -1 when unknown.
constexpr uint32_t FILEPOS_END = 2;
constexpr uint32_t FILEPOS_START = 3;
uint64_t StreamGetFilePosition(Handle handle, uint32_t mode);

// Raw tag blocks of a stream's file: the 128-byte ID3v1 block, or the ID3v2
// block from its 10-byte header on; null when absent. Valid until the
// stream is freed.
constexpr uint32_t TAG_ID3 = 0;
constexpr uint32_t TAG_ID3V2 = 1;
const char* ChannelGetTags(Handle handle, uint32_t tags);

// The stream's tag texts in UTF-8, one per field code of `codes` ("TRCK",
// "TITL", "ARTI", "ALBM", "GNRE", "YEAR", "CMNT", "COMP", "COPY") in that
// order; empty when the file has no tag. A text that itself holds a line
// feed stays whole.
std::optional<std::vector<std::string>> TagsReadFields(Handle handle,
                                                       const std::vector<std::string>& codes);

// SoundFonts for MIDI streams. FontInit answers a font handle, 0 when the
// file is missing or not a SoundFont. Fonts are released by Free.
struct MidiFontEntry {
  uint32_t font = 0;
  int preset = -1;  // -1: all presets
  int bank = 0;
};
uint32_t MidiFontInit(const std::string& path);
// Releases the font handle `font`. Streams already open, and the default
// set while it still names the font, keep the font itself until they go.
bool MidiFontFree(uint32_t font);
// `stream` 0 sets the default fonts of MIDI streams created later.
bool MidiStreamSetFonts(Handle stream, const MidiFontEntry* fonts, uint32_t count);

// Defers the default font: `load` (which sets it, as MidiStreamSetFonts
// does) runs once, on the thread of whichever comes first: the first MIDI
// stream created, or MidiLoadDeferredFont. Loading a SoundFont takes tens
// of milliseconds and threads of its own, which a run without MIDI songs
// never needs. A later call replaces a load that has not run; null drops
// it, as Free does. `load` must not call the two functions below.
void MidiDeferDefaultFont(std::function<void()> load);
// Runs the deferred load if it is still waiting; once this returns, it has
// run (here or on another thread).
void MidiLoadDeferredFont();

}  // namespace engine
