#include "platform/engine/SongInstruments.h"

#include <algorithm>
#include <array>
#include <set>
#include <tuple>
#include <utility>

namespace engine {

namespace {

constexpr uint8_t NOTE_ON = 0x90;
constexpr uint8_t CONTROL_CHANGE = 0xB0;
constexpr uint8_t PROGRAM_CHANGE = 0xC0;
constexpr uint8_t BANK_SELECT = 0;

struct ChannelState {
  int pendingBank = 0;  // the last bank select, applied by the next program change
  PresetNumber playing;
};

}  // namespace

std::vector<PresetNumber> InstrumentsPlayed(const MidiFile& song) {
  // The tracks play in parallel: their events are taken in order of tick,
  // and at equal ticks in track order.
  std::vector<std::pair<size_t, size_t>> order;  // (track, event)
  const std::vector<MidiTrack>& tracks = song.Tracks();
  for (size_t track = 0; track < tracks.size(); ++track)
    for (size_t event = 0; event < tracks[track].events.size(); ++event)
      order.emplace_back(track, event);
  const auto at = [&tracks](const std::pair<size_t, size_t>& index) -> const MidiEvent& {
    return tracks[index.first].events[index.second];
  };
  std::stable_sort(order.begin(), order.end(), [&at](const auto& a, const auto& b) {
    return std::make_tuple(at(a).tick, a.first, a.second) <
           std::make_tuple(at(b).tick, b.first, b.second);
  });

  std::array<ChannelState, 16> channels;
  channels[DRUM_CHANNEL].playing.bank = DRUM_KIT_BANK;
  std::set<std::pair<int, int>> played;
  for (const auto& index : order) {
    const MidiEvent& event = at(index);
    if (event.status < 0x80 || event.status >= 0xF0) continue;
    const int channel = event.status & 0x0F;
    ChannelState& state = channels[static_cast<size_t>(channel)];
    switch (event.status & 0xF0) {
      case CONTROL_CHANGE:
        if (event.data1 == BANK_SELECT && channel != DRUM_CHANNEL) state.pendingBank = event.data2;
        break;
      case PROGRAM_CHANGE:
        state.playing = {channel == DRUM_CHANNEL ? DRUM_KIT_BANK : state.pendingBank, event.data1};
        break;
      case NOTE_ON:
        if (event.data2 > 0) played.emplace(state.playing.bank, state.playing.program);
        break;
      default:
        break;
    }
  }
  std::vector<PresetNumber> result;
  for (const auto& [bank, program] : played) result.push_back({bank, program});
  return result;
}

}  // namespace engine
