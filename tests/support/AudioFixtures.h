#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

// Test fixtures made at run time: PCM signals, WAV files written by hand,
// and decodes by the independent ffmpeg tool.

// `frames` frames of a sine at `frequency` Hz, interleaved over `channels`
// channels; channel c is shifted in phase by c quarter turns so channels
// differ.
std::vector<int16_t> SineWave(int frames, int channels, int rate, double frequency,
                              double amplitude = 0.5);

// A canonical 44-byte-header PCM WAV file of 16-bit (or 8-bit) samples.
void WriteWav16(const std::string& path, int rate, int channels, const std::vector<int16_t>& samples);
void WriteWav8(const std::string& path, int rate, int channels, const std::vector<uint8_t>& samples);

// Interleaved PCM as the ffmpeg tool decodes a file.
struct Decoded {
  bool ok = false;
  int rate = 0;
  int channels = 0;
  std::vector<int16_t> samples;  // signed 16-bit, interleaved
  int64_t Frames() const { return channels ? static_cast<int64_t>(samples.size()) / channels : 0; }
};
// Decodes `path` with ffmpeg to signed 16-bit at the file's own rate and
// channel count (read first with ffprobe). When the tools fail, so does the
// running test, and `ok` stays false.
Decoded DecodeWithFfmpeg(const std::string& path);

// One field of ffprobe's report on the first audio stream ("sample_rate",
// "channels", "bit_rate", "duration", "codec_name", "bits_per_sample"...), or
// "" when absent. When ffprobe fails, so does the running test.
std::string ProbeStreamField(const std::string& path, const std::string& field);
// The same of the whole file ("duration", "bit_rate", "format_name"...).
std::string ProbeFormatField(const std::string& path, const std::string& field);

// Runs the ffmpeg tool quietly with `args` (overwriting outputs): success,
// or a failure that names the command and carries ffmpeg's message.
testing::AssertionResult RunFfmpeg(const std::vector<std::string>& args);

// For fixture makers that answer a path: `path` when `made` is a success;
// otherwise "" after failing the running test with `made`'s message.
std::string MadePath(const testing::AssertionResult& made, const std::string& path);
