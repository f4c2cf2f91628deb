#pragma once

#include <optional>
#include <string>

// The ReplayGain 2.0 values of one output (reference loudness -18 LUFS):
// gains in dB, peaks as linear amplitudes (1.0 = full scale). A value not
// given is not written (a file tagged for its track first gets its album
// values later).
struct ReplayGainValues {
  std::optional<double> trackGain;
  std::optional<double> trackPeak;
  std::optional<double> albumGain;
  std::optional<double> albumPeak;
};

// The reference loudness of ReplayGain 2.0, in LUFS.
inline constexpr double REPLAYGAIN_REFERENCE_LUFS = -18.0;

// Whether the file format that `path`'s extension names holds ReplayGain
// tags: MP3, OGG, FLAC, Opus, M4A, MP4, M4B and WMA. WAV, AMR, AWB and AAC
// (ADTS) hold none.
bool HoldsReplayGainTags(const std::string& path);

// Writes `values` into the finished file at `path`, in place, in the
// convention of its format, replacing earlier values of the same name:
//   MP3          ID3v2 TXXX frames REPLAYGAIN_TRACK_GAIN, ..._PEAK,
//                REPLAYGAIN_ALBUM_GAIN, ..._PEAK (the ID3v2 version the file
//                has is kept; a file without one gets ID3v2.3);
//   OGG, FLAC    Vorbis comments of the same names;
//   Opus         R128_TRACK_GAIN and R128_ALBUM_GAIN, Q7.8 dB relative to
//                -23 LUFS (RFC 7845), no peaks;
//   M4A/MP4/M4B  freeform ----:com.apple.iTunes:replaygain_track_gain, ...;
//   WMA          ASF attributes REPLAYGAIN_TRACK_GAIN, ...
// Gains read "-6.52 dB", peaks "0.988525". False when the file cannot be
// read as its format or the tag cannot be saved, and for a format that
// holds none. Callers write only files that no one else sees yet.
bool WriteReplayGainTags(const std::string& path, const ReplayGainValues& values);

// The Opus header-relative gain of a ReplayGain gain: RFC 7845 takes
// -23 LUFS as reference, in steps of 1/256 dB, held within 16 bits.
int OpusR128Gain(double replayGain);
