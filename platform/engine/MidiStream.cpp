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

constexpr char DAMAGED[] = "the MIDI file is damaged: ";

// "m:ss" of a time in seconds, the seconds cut to whole ones.
std::string MinutesAndSeconds(double seconds) {
  const long whole = static_cast<long>(seconds);
  return std::to_string(whole / 60) + (whole % 60 < 10 ? ":0" : ":") + std::to_string(whole % 60);
}

std::string TrackName(size_t track, size_t count) {
  if (track + 1 == count) return count == 1 ? "its track" : "its last track";
  return "track " + std::to_string(track + 1) + " of " + std::to_string(count);
}

// What is wrong with a file read up to its damage.
std::string DamageText(const MidiDamage& damage) {
  if (damage.missingTracks) {
    if (damage.error == MidiError::BadChunk)
      return DAMAGED + std::string("bytes that are no track stand where track ") +
             std::to_string(damage.track + 1) + " of " + std::to_string(damage.trackCount) +
             " should start";
    return DAMAGED + std::string("it holds only ") + std::to_string(damage.track) + " of the " +
           std::to_string(damage.trackCount) + " tracks its header announces";
  }
  const std::string track = TrackName(damage.track, damage.trackCount);
  switch (damage.error) {
    case MidiError::Truncated:
      return DAMAGED + track + " ends early";
    case MidiError::BadVarLen:
      return DAMAGED + track + " has a delta time or length longer than four bytes";
    case MidiError::BadStatus:
      return DAMAGED + track + " has a byte that starts no event";
    case MidiError::BadMeta:
      return DAMAGED + track + " has a meta event of the wrong length";
    default:
      return DAMAGED + track + " cannot be read to its end";
  }
}

// Why a file whose header already fails is no song.
std::string RefusalText(MidiError error) {
  switch (error) {
    case MidiError::TooLarge:
      return "the MIDI file is larger than Sondrel reads (256 MB)";
    case MidiError::BadHeader:
      return DAMAGED + std::string("its header is malformed");
    case MidiError::UnsupportedFormat:
      return "the MIDI file has a format above 2, which no player knows";
    case MidiError::SmpteDivision:
      return "the MIDI file counts time in SMPTE frames, which Sondrel cannot render";
    case MidiError::NoTracks:
      return DAMAGED + std::string("its header announces no tracks");
    case MidiError::Truncated:
      return DAMAGED + std::string("it ends inside its header");
    default:
      return std::string();  // no MIDI file at all
  }
}

bool IsTrackDamage(MidiError error) {
  return error == MidiError::Truncated || error == MidiError::BadChunk ||
         error == MidiError::BadVarLen || error == MidiError::BadStatus ||
         error == MidiError::BadMeta;
}

// The song a stream renders: the whole file, or the events before the
// damage of a damaged one. Without a song, `problem` says why (empty for a
// file that is no MIDI file at all).
std::optional<MidiFile> LoadSong(const std::string& path, std::string& problem) {
  MidiError error = MidiError::None;
  std::optional<MidiFile> song = MidiFile::Load(path, /*keepEvents=*/false, &error);
  if (!song && IsTrackDamage(error)) song = MidiFile::LoadIntactPart(path, &error);
  if (!song) {
    problem = RefusalText(error);
    return std::nullopt;
  }
  if (song->IsDamaged()) {
    const bool anyEvent =
        std::any_of(song->Tracks().begin(), song->Tracks().end(), [](const MidiTrack& track) {
          return std::any_of(track.events.begin(), track.events.end(),
                             [](const MidiEvent& event) { return event.status < 0xF0; });
        });
    if (!anyEvent) {
      problem = DamageText(song->Damage()) + ", before any note";
      return std::nullopt;
    }
  }
  if (!(song->DurationSeconds() <= MidiStream::MAX_SONG_SECONDS)) {
    // Only a delta time far beyond any song's length gets there.
    size_t longest = 0;
    for (size_t i = 0; i < song->Tracks().size(); ++i)
      if (song->Tracks()[i].endTick > song->Tracks()[longest].endTick) longest = i;
    problem = DAMAGED + std::string("a delta time in ") +
              TrackName(longest, song->Tracks().size()) + " puts an event " +
              std::to_string(std::llround(song->DurationSeconds() / 3600)) + " hours into the song";
    return std::nullopt;
  }
  return song;
}

}  // namespace

std::unique_ptr<MidiStream> MidiStream::Open(const std::string& path, uint32_t rate,
                                             std::shared_ptr<MidiFont> font,
                                             const MidiEffects& effects) {
  if (!font) return nullptr;
  if (rate == 0) rate = DEFAULT_RATE;
  std::string problem;
  const std::optional<MidiFile> song = LoadSong(path, problem);
  if (!song) return nullptr;

  std::unique_ptr<MidiStream> stream(new MidiStream());
  stream->lease_ = font->Borrow();
  if (!stream->lease_) return nullptr;
  stream->rate_ = rate;
  stream->songEndFrames_ = song->DurationFrames(rate);
  stream->endTick_ = song->EndTick();
  stream->totalFrames_ = stream->songEndFrames_ + SecondsToFrames(TAIL_SECONDS, rate);
  stream->maxTotalFrames_ = stream->songEndFrames_ + SecondsToFrames(MAX_TAIL_SECONDS, rate);
  stream->fadeFrames_ = SecondsToFrames(FADE_SECONDS, rate);
  stream->checkFrame_ = stream->totalFrames_ - std::min(stream->fadeFrames_, stream->totalFrames_);
  stream->stepFrames_ = SecondsToFrames(TAIL_STEP_SECONDS, rate);
  stream->fileLength_ = static_cast<int64_t>(song->Bytes().size());

  stream->effects_ = effects.Any();
  stream->settings_ = MakeOfflineSettings(rate, effects);
  if (!stream->settings_) return nullptr;
  stream->synth_.reset(new_fluid_synth(stream->settings_.get()));
  if (!stream->synth_ || !stream->lease_->AttachTo(stream->synth_.get())) return nullptr;
  stream->player_.reset(new_fluid_player(stream->synth_.get()));
  if (!stream->player_) return nullptr;
  fluid_player_t* player = stream->player_.get();
  // A damaged file plays as a clean copy of what is intact in it.
  std::vector<uint8_t> clean;
  if (song->IsDamaged()) {
    clean = song->CleanSmf();
    stream->damageNote_ = DamageText(song->Damage()) + "; the song is rendered up to " +
                          MinutesAndSeconds(song->DurationSeconds()) + ", where it breaks off";
  }
  const uint8_t* smf = clean.empty() ? song->SmfData() : clean.data();
  const size_t smfSize = clean.empty() ? song->SmfSize() : clean.size();
  if (fluid_player_set_playback_callback(player, OnPlayerEvent, stream.get()) != FLUID_OK ||
      fluid_player_add_mem(player, smf, smfSize) != FLUID_OK ||
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
    // The notes are released once the player has delivered the song's last
    // tick, so that a note, controller or bend on that tick is heard; a
    // player that never gets there is cut off where the tail's end is
    // decided.
    if (!released_ && renderedFrames_ >= songEndFrames_ &&
        (PlayerPassedEnd() || renderedFrames_ >= checkFrame_)) {
      ReleaseNotes();
    }
    if (renderedFrames_ == checkFrame_) DecideTail();
    uint64_t count = frames;
    if (!released_) {
      count = renderedFrames_ < songEndFrames_
                  ? std::min<uint64_t>(count, songEndFrames_ - renderedFrames_)
                  : std::min<uint64_t>(count, SETTLE_FRAMES);
    }
    if (renderedFrames_ < checkFrame_) count = std::min(count, checkFrame_ - renderedFrames_);
    const uint32_t n = static_cast<uint32_t>(count);
    fluid_synth_write_s16(synth_.get(), static_cast<int>(n), out, 0, 2, out, 1, 2);
    for (size_t i = 0; peak_ < SILENT_PEAK && i < size_t{n} * 2; ++i)
      peak_ = std::max(peak_, std::abs(static_cast<int>(out[i])));
    // The tail's level over the step before the next decision.
    const uint64_t windowStart = checkFrame_ - std::min(stepFrames_, checkFrame_);
    for (uint64_t frame = std::max(renderedFrames_, windowStart);
         frame < std::min(renderedFrames_ + n, checkFrame_); ++frame) {
      const size_t i = static_cast<size_t>(frame - renderedFrames_) * 2;
      windowPeak_ = std::max({windowPeak_, std::abs(static_cast<int>(out[i])),
                              std::abs(static_cast<int>(out[i + 1]))});
    }
    FadeOut(out, n, renderedFrames_);
    renderedFrames_ += n;
    out += size_t{n} * 2;
    frames -= n;
  }
}

bool MidiStream::PlayerPassedEnd() const {
  fluid_player_t* player = player_.get();
  return fluid_player_get_status(player) != FLUID_PLAYER_PLAYING ||
         static_cast<uint64_t>(std::max(fluid_player_get_current_tick(player), 0)) >= endTick_;
}

void MidiStream::DecideTail() {
  const bool quiet = windowPeak_ <= INAUDIBLE_PEAK ||
                     (fluid_synth_get_active_voice_count(synth_.get()) == 0 && !effects_);
  windowPeak_ = 0;
  if (quiet || totalFrames_ >= maxTotalFrames_) {
    checkFrame_ = UINT64_MAX;  // decided: the fade and the end follow
    return;
  }
  totalFrames_ = std::min(totalFrames_ + stepFrames_, maxTotalFrames_);
  checkFrame_ = totalFrames_ - fadeFrames_;
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
  if (fadeFrames_ == 0 || checkFrame_ != UINT64_MAX) return;
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
  if (substitutes_.empty()) return damageNote_;
  std::string note = damageNote_.empty() ? std::string() : damageNote_ + "; ";
  note += "the SoundFont lacks instruments this song uses; the nearest it has played instead: ";
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
  std::string problem;
  const std::optional<MidiFile> song = LoadSong(path, problem);
  if (!song) return nullptr;
  return std::make_unique<SilentMidiStream>(
      rate, song->DurationFrames(rate) + SecondsToFrames(MidiStream::TAIL_SECONDS, rate),
      static_cast<int64_t>(song->Bytes().size()));
}

}  // namespace

std::unique_ptr<EngineStream> OpenMidiStream(const std::string& path, uint32_t rate,
                                             std::shared_ptr<MidiFont> font,
                                             const MidiEffects& effects) {
  if (!font) return OpenSilentMidiStream(path, rate);
  return MidiStream::Open(path, rate, std::move(font), effects);
}

std::string MidiFileProblem(const std::string& path) {
  std::string problem;
  LoadSong(path, problem);
  return problem;
}

}  // namespace engine
