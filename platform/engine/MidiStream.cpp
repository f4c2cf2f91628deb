#include "platform/engine/MidiStream.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "platform/engine/MidiFile.h"
#include "platform/engine/MidiFont.h"
#include "platform/engine/PresetChoice.h"

namespace engine {

namespace {

constexpr int CONTROLLER_SUSTAIN = 64;
constexpr int CONTROLLER_SOSTENUTO = 66;
constexpr int NOTE_ON = 0x90;
// Substitutions named in a note before the rest are only counted.
constexpr size_t NOTE_SUBSTITUTES = 4;

uint64_t SecondsToFrames(double seconds, uint32_t rate) {
  return static_cast<uint64_t>(std::llround(seconds * rate));
}

}  // namespace

std::unique_ptr<MidiStream> MidiStream::Open(const std::string& path, uint32_t rate,
                                             std::shared_ptr<MidiFont> font) {
  if (!font) return nullptr;
  if (rate == 0) rate = DEFAULT_RATE;
  const std::optional<MidiFile> song = MidiFile::Load(path, /*keepEvents=*/false);
  if (!song || !(song->DurationSeconds() <= MAX_SONG_SECONDS)) return nullptr;

  std::unique_ptr<MidiStream> stream(new MidiStream());
  stream->lease_ = font->Borrow();
  if (!stream->lease_) return nullptr;
  stream->rate_ = rate;
  stream->songEndFrames_ = song->DurationFrames(rate);
  stream->totalFrames_ = stream->songEndFrames_ + SecondsToFrames(TAIL_SECONDS, rate);
  stream->fadeFrames_ = SecondsToFrames(FADE_SECONDS, rate);
  stream->fileLength_ = static_cast<int64_t>(song->Bytes().size());

  stream->settings_ = MakeOfflineSettings(rate);
  if (!stream->settings_) return nullptr;
  stream->synth_.reset(new_fluid_synth(stream->settings_.get()));
  if (!stream->synth_ || !stream->lease_->AttachTo(stream->synth_.get())) return nullptr;
  stream->player_.reset(new_fluid_player(stream->synth_.get()));
  if (!stream->player_) return nullptr;
  fluid_player_t* player = stream->player_.get();
  if (fluid_player_set_playback_callback(player, OnPlayerEvent, stream.get()) != FLUID_OK ||
      fluid_player_add_mem(player, song->SmfData(), song->SmfSize()) != FLUID_OK ||
      fluid_player_play(player) != FLUID_OK) {
    return nullptr;
  }

  // A song the player cannot read leaves it done after its first block; a
  // readable one keeps it playing for seconds past the song's end.
  const uint32_t probeFrames =
      static_cast<uint32_t>(std::min<uint64_t>(PROBE_FRAMES, stream->totalFrames_));
  stream->probe_.resize(size_t{probeFrames} * 2);
  stream->Render(stream->probe_.data(), probeFrames);
  if (fluid_player_get_status(player) == FLUID_PLAYER_DONE) return nullptr;

  stream->chunk_.resize(size_t{CHUNK_FRAMES} * 2);
  return stream;
}

MidiStream::~MidiStream() = default;

StreamFormat MidiStream::Format() const {
  StreamFormat format;
  format.rate = rate_;
  format.channels = 2;
  return format;
}

uint32_t MidiStream::Decode(uint8_t* buffer, uint32_t bytes) {
  const uint64_t wanted =
      std::min<uint64_t>(bytes / BYTES_PER_FRAME, totalFrames_ - deliveredFrames_);
  uint32_t done = 0;
  while (done < wanted) {
    const uint32_t left = static_cast<uint32_t>(wanted - done);
    const size_t probeFrames = probe_.size() / 2;
    uint32_t frames;
    const int16_t* source;
    if (probeDelivered_ < probeFrames) {
      frames = static_cast<uint32_t>(std::min<size_t>(left, probeFrames - probeDelivered_));
      source = probe_.data() + probeDelivered_ * 2;
      probeDelivered_ += frames;
    } else {
      frames = std::min(left, CHUNK_FRAMES);
      Render(chunk_.data(), frames);
      source = chunk_.data();
    }
    // Through a buffer of our own: the caller's buffer need not be aligned
    // for 16-bit samples.
    std::memcpy(buffer + size_t{done} * BYTES_PER_FRAME, source, size_t{frames} * BYTES_PER_FRAME);
    done += frames;
  }
  deliveredFrames_ += done;
  return done * BYTES_PER_FRAME;
}

void MidiStream::Render(int16_t* out, uint32_t frames) {
  while (frames > 0) {
    if (!released_ && renderedFrames_ >= songEndFrames_) ReleaseNotes();
    uint32_t count = frames;
    if (!released_)
      count = static_cast<uint32_t>(std::min<uint64_t>(count, songEndFrames_ - renderedFrames_));
    fluid_synth_write_s16(synth_.get(), static_cast<int>(count), out, 0, 2, out, 1, 2);
    for (size_t i = 0; peak_ < SILENT_PEAK && i < size_t{count} * 2; ++i)
      peak_ = std::max(peak_, std::abs(static_cast<int>(out[i])));
    FadeOut(out, count, renderedFrames_);
    renderedFrames_ += count;
    out += size_t{count} * 2;
    frames -= count;
  }
}

void MidiStream::ReleaseNotes() {
  fluid_synth_t* synth = synth_.get();
  const int channels = fluid_synth_count_midi_channels(synth);
  for (int channel = 0; channel < channels; ++channel) {
    fluid_synth_cc(synth, channel, CONTROLLER_SUSTAIN, 0);
    fluid_synth_cc(synth, channel, CONTROLLER_SOSTENUTO, 0);
    fluid_synth_all_notes_off(synth, channel);
  }
  released_ = true;
}

void MidiStream::FadeOut(int16_t* out, uint32_t frames, uint64_t firstFrame) const {
  if (fadeFrames_ == 0) return;
  const uint64_t fadeStart = totalFrames_ - std::min(fadeFrames_, totalFrames_);
  for (uint32_t i = 0; i < frames; ++i) {
    const uint64_t frame = firstFrame + i;
    if (frame < fadeStart) continue;
    // From (fade-1)/fade down to 0 on the last frame, in integers so that
    // the output is exactly reproducible.
    const int64_t gain = static_cast<int64_t>(totalFrames_ - frame - 1);
    const int64_t scale = static_cast<int64_t>(fadeFrames_);
    out[2 * i] = static_cast<int16_t>(out[2 * i] * gain / scale);
    out[2 * i + 1] = static_cast<int16_t>(out[2 * i + 1] * gain / scale);
  }
}

int MidiStream::OnPlayerEvent(void* data, fluid_midi_event_t* event) {
  auto* stream = static_cast<MidiStream*>(data);
  if (stream->released_) return FLUID_OK;
  const int result = fluid_synth_handle_midi_event(stream->synth_.get(), event);
  if (fluid_midi_event_get_type(event) == NOTE_ON && fluid_midi_event_get_velocity(event) > 0)
    stream->NotePlayed(fluid_midi_event_get_channel(event));
  return result;
}

void MidiStream::NotePlayed(int channel) {
  fluid_synth_t* synth = synth_.get();
  ++notesPlayed_;
  if (fluid_synth_get_active_voice_count(synth) > 0) voicesStarted_ = true;
  // The synthesizer keeps the bank and program the song asked for; the
  // channel's preset is what the font gave for them.
  fluid_preset_t* preset = fluid_synth_get_channel_preset(synth, channel);
  int font = 0, bank = 0, program = 0;
  if (!preset || fluid_synth_get_program(synth, channel, &font, &bank, &program) != FLUID_OK)
    return;
  const int playedBank = fluid_preset_get_banknum(preset);
  const int playedProgram = fluid_preset_get_num(preset);
  if (playedBank == bank && playedProgram == program) return;
  if (substitutes_.count({bank, program})) return;
  substitutes_[{bank, program}] = "bank " + std::to_string(playedBank) + " program " +
                                  std::to_string(playedProgram) + " \"" +
                                  fluid_preset_get_name(preset) + "\"";
}

std::string MidiStream::Note() const {
  if (substitutes_.empty()) return std::string();
  std::string note =
      "the SoundFont lacks instruments this song uses; the nearest it has played instead: ";
  size_t named = 0;
  for (const auto& [asked, played] : substitutes_) {
    if (named == NOTE_SUBSTITUTES) {
      note += ", and " + std::to_string(substitutes_.size() - named) + " more";
      break;
    }
    if (named++ > 0) note += ", ";
    note += asked.first == DRUM_KIT_BANK ? "drum kit " + std::to_string(asked.second)
                                         : "bank " + std::to_string(asked.first) + " program " +
                                               std::to_string(asked.second);
    note += " by " + played;
  }
  return note;
}

std::string MidiStream::Fault() const {
  if (deliveredFrames_ < totalFrames_ || notesPlayed_ == 0 || peak_ >= SILENT_PEAK)
    return std::string();
  return voicesStarted_
             ? "the SoundFont's instruments for this song make no sound; the render is silent"
             : "the SoundFont has no instruments for this song; the render is silent";
}

namespace {

// A MIDI song opened while no SoundFont is installed: it has the song's
// length and renders silence. Such a song can be listed and probed; the
// conversion refuses it until a SoundFont is installed, so the silence is
// never written to a file.
class SilentMidiStream : public EngineStream {
 public:
  SilentMidiStream(uint32_t rate, uint64_t frames, int64_t fileLength)
      : rate_(rate), bytes_(frames * 4), fileLength_(fileLength) {}
  StreamFormat Format() const override { return StreamFormat{rate_, 2, false}; }
  uint64_t LengthBytes() const override { return bytes_; }
  uint32_t Decode(uint8_t* buffer, uint32_t bytes) override {
    const uint32_t count = static_cast<uint32_t>(std::min<uint64_t>(bytes - bytes % 4, bytes_ - done_));
    std::fill(buffer, buffer + count, uint8_t{0});
    done_ += count;
    return count;
  }
  int64_t FileLength() const override { return fileLength_; }

 private:
  uint32_t rate_;
  uint64_t bytes_;
  uint64_t done_ = 0;
  int64_t fileLength_;
};

std::unique_ptr<EngineStream> OpenSilentMidiStream(const std::string& path, uint32_t rate) {
  if (rate == 0) rate = MidiStream::DEFAULT_RATE;
  if (rate < 8000 || rate > 96000) return nullptr;  // as the renderer's range
  const std::optional<MidiFile> song = MidiFile::Load(path, /*keepEvents=*/false);
  if (!song || !(song->DurationSeconds() <= MidiStream::MAX_SONG_SECONDS)) return nullptr;
  return std::make_unique<SilentMidiStream>(
      rate, song->DurationFrames(rate) + SecondsToFrames(MidiStream::TAIL_SECONDS, rate),
      static_cast<int64_t>(song->Bytes().size()));
}

}  // namespace

std::unique_ptr<EngineStream> OpenMidiStream(const std::string& path, uint32_t rate,
                                             std::shared_ptr<MidiFont> font) {
  if (!font) return OpenSilentMidiStream(path, rate);
  return MidiStream::Open(path, rate, std::move(font));
}

}  // namespace engine
