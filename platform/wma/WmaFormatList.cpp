#include "platform/wma/WmaFormatList.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "platform/ffmpeg/FfmpegOwners.h"

extern "C" {
#include <libavutil/channel_layout.h>
}

namespace {

constexpr uint32_t kCandidateRates[] = {8000, 11025, 16000, 22050, 32000, 44100, 48000};
constexpr uint32_t kCandidateKbps[] = {24, 32, 40, 48, 64, 80, 96, 128, 160, 192, 256, 320};

bool NamesAudioVideoFormat(const std::string& description) {
  std::string upper = description;
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return upper.find("(A/V)") != std::string::npos;
}

std::string Describe(uint32_t rate, uint32_t channels, uint32_t bitRate) {
  char text[96];
  std::snprintf(text, sizeof text, "%u kbit/s, %u.%03u kHz, %s", bitRate / 1000, rate / 1000,
                rate % 1000, channels == 1 ? "mono" : "stereo");
  std::string description = text;
  // "44.100 kHz" reads better as "44.1 kHz", "48.000" as "48".
  const size_t khz = description.find(" kHz");
  size_t end = khz;
  while (description[end - 1] == '0') --end;
  if (description[end - 1] == '.') --end;
  return description.erase(end, khz - end);
}

// Opens the encoder for one candidate; the opened context tells the block
// size of the format. False when the encoder refuses it.
bool TryCandidate(const AVCodec* codec, uint32_t rate, uint32_t channels, uint32_t bitRate,
                  WmaFormat& format) {
  CodecContextPtr context(avcodec_alloc_context3(codec));
  if (!context) return false;
  context->sample_rate = static_cast<int>(rate);
  context->bit_rate = bitRate;
  context->sample_fmt = AV_SAMPLE_FMT_FLTP;
  av_channel_layout_default(&context->ch_layout, static_cast<int>(channels));
  if (avcodec_open2(context.get(), codec, nullptr) < 0) return false;
  format.wave.formatTag = kWmaFormatTagV2;
  format.wave.channels = static_cast<uint16_t>(channels);
  format.wave.samplesPerSec = rate;
  format.wave.avgBytesPerSec = bitRate / 8;
  format.wave.blockAlign = static_cast<uint16_t>(context->block_align);
  format.wave.bitsPerSample = 16;
  format.bitRate = bitRate;
  format.description = Describe(rate, channels, bitRate);
  return true;
}

// True when `entry` goes after a format of this rate, bit rate and channels.
bool GoesBefore(const WmaFormat& entry, uint32_t rate, uint32_t bitRate, uint32_t channels) {
  const uint32_t entryRate = entry.wave.samplesPerSec;
  if (entryRate != rate) return entryRate > rate;
  if (entry.bitRate != bitRate) return entry.bitRate > bitRate;
  return entry.wave.channels != channels;
}

}  // namespace

bool WmaFormatList::Build() {
  const AVCodec* codec = avcodec_find_encoder(AV_CODEC_ID_WMAV2);
  if (!codec) return false;
  entries_.clear();
  for (const uint32_t rate : kCandidateRates) {
    for (const uint32_t channels : {1u, 2u}) {
      for (const uint32_t kbps : kCandidateKbps) {
        const double bitsPerSample = kbps * 1000.0 / (rate * channels);
        if (bitsPerSample < 0.5 || bitsPerSample > 4) continue;
        WmaFormat format;
        if (TryCandidate(codec, rate, channels, kbps * 1000, format)) Offer(format);
      }
    }
  }
  return true;
}

bool WmaFormatList::Offer(const WmaFormat& format) {
  const WmaWaveFormat& wave = format.wave;
  if (NamesAudioVideoFormat(format.description)) return false;
  if (wave.formatTag != kWmaFormatTagV2 && wave.formatTag != kWmaFormatTagV9) return false;
  if (wave.channels == 0 || wave.channels > 2) return false;
  for (auto at = entries_.begin(); at != entries_.end(); ++at) {
    if (at->wave.samplesPerSec == wave.samplesPerSec && at->bitRate == format.bitRate &&
        at->wave.channels == wave.channels)
      return false;
    if (GoesBefore(*at, wave.samplesPerSec, format.bitRate, wave.channels)) {
      entries_.insert(at, format);
      return true;
    }
  }
  entries_.push_back(format);
  return true;
}

const WmaFormat* WmaFormatList::FindFormat(uint32_t sampleRate, uint32_t bitRate,
                                           uint32_t channels) const {
  std::vector<const WmaFormat*> candidates;
  for (const WmaFormat& entry : entries_)
    if (entry.wave.channels == channels) candidates.push_back(&entry);
  if (candidates.empty()) return nullptr;

  const WmaFormat* below = nullptr;  // the last entry at the rate below the wanted bit rate
  bool atRate = false;
  for (const WmaFormat* entry : candidates) {
    if (entry->wave.samplesPerSec != sampleRate) continue;
    atRate = true;
    if (entry->bitRate == bitRate) return entry;
    if (entry->bitRate > bitRate) {
      // The lower neighbour wins only when strictly nearer.
      if (below && bitRate - below->bitRate < entry->bitRate - bitRate) return below;
      return entry;
    }
    below = entry;
  }
  if (atRate) return below;

  for (const WmaFormat* entry : candidates)
    if (entry->wave.samplesPerSec > sampleRate) return entry;
  return candidates.back();
}
