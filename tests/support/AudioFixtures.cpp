#include "support/AudioFixtures.h"

#include <cmath>
#include <cstdio>
#include <fstream>

#include "platform/bytes/ByteOrder.h"
#include "support/ByteText.h"
#include "support/RunProcess.h"
#include "support/TempDir.h"

namespace {

std::string WavHeader(int rate, int channels, int bits, uint32_t dataBytes) {
  std::string h = "RIFF";
  PutLe(h, 36 + dataBytes, 4);
  h += "WAVEfmt ";
  PutLe(h, 16, 4);
  PutLe(h, 1, 2);
  PutLe(h, static_cast<uint32_t>(channels), 2);
  PutLe(h, static_cast<uint32_t>(rate), 4);
  PutLe(h, static_cast<uint32_t>(rate * channels * bits / 8), 4);
  PutLe(h, static_cast<uint32_t>(channels * bits / 8), 2);
  PutLe(h, static_cast<uint32_t>(bits), 2);
  h += "data";
  PutLe(h, dataBytes, 4);
  return h;
}

}  // namespace

std::vector<int16_t> SineWave(int frames, int channels, int rate, double frequency,
                              double amplitude) {
  std::vector<int16_t> samples(static_cast<size_t>(frames) * channels);
  for (int i = 0; i < frames; ++i) {
    for (int c = 0; c < channels; ++c) {
      const double phase = 2 * M_PI * frequency * i / rate + c * M_PI / 2;
      samples[static_cast<size_t>(i) * channels + c] =
          static_cast<int16_t>(std::lround(std::sin(phase) * amplitude * 32767));
    }
  }
  return samples;
}

void WriteWav16(const std::string& path, int rate, int channels, const std::vector<int16_t>& samples) {
  std::string bytes = WavHeader(rate, channels, 16, static_cast<uint32_t>(samples.size() * 2));
  for (int16_t s : samples) PutLe(bytes, static_cast<uint16_t>(s), 2);
  WriteFileText(path, bytes);
}

void WriteWav8(const std::string& path, int rate, int channels, const std::vector<uint8_t>& samples) {
  std::string bytes = WavHeader(rate, channels, 8, static_cast<uint32_t>(samples.size()));
  bytes.append(samples.begin(), samples.end());
  WriteFileText(path, bytes);
}

namespace {

// One entry of ffprobe's report ("stream=duration" of the first audio
// stream, "format=bit_rate"), or "" when absent.
std::string ProbeEntry(const std::string& path, const std::string& entry) {
  const ProcessResult result =
      RunProcess("ffprobe", {"-v", "error", "-select_streams", "a:0", "-show_entries", entry,
                             "-of", "default=noprint_wrappers=1:nokey=1", path});
  if (result.exitCode != 0) {
    ADD_FAILURE() << Succeeded(result).message();
    return std::string();
  }
  std::string value = result.out;
  while (!value.empty() && (value.back() == '\n' || value.back() == '\r')) value.pop_back();
  const std::string::size_type newline = value.find('\n');
  return newline == std::string::npos ? value : value.substr(0, newline);
}

}  // namespace

std::string ProbeStreamField(const std::string& path, const std::string& field) {
  return ProbeEntry(path, "stream=" + field);
}

std::string ProbeFormatField(const std::string& path, const std::string& field) {
  return ProbeEntry(path, "format=" + field);
}

testing::AssertionResult RunFfmpeg(const std::vector<std::string>& args) {
  std::vector<std::string> all = {"-hide_banner", "-loglevel", "error", "-nostdin", "-y"};
  all.insert(all.end(), args.begin(), args.end());
  return Succeeded(RunProcess("ffmpeg", all));
}

std::string MadePath(const testing::AssertionResult& made, const std::string& path) {
  EXPECT_TRUE(made);
  return made ? path : std::string();
}

Decoded DecodeWithFfmpeg(const std::string& path) {
  Decoded decoded;
  decoded.rate = std::atoi(ProbeStreamField(path, "sample_rate").c_str());
  decoded.channels = std::atoi(ProbeStreamField(path, "channels").c_str());
  if (decoded.rate <= 0 || decoded.channels <= 0) {
    ADD_FAILURE() << "ffprobe finds no audio stream in " << path;
    return decoded;
  }

  TempDir dir;
  const std::string raw = dir.File("decoded.raw");
  const testing::AssertionResult made =
      RunFfmpeg({"-i", path, "-map", "0:a:0", "-f", "s16le", "-acodec", "pcm_s16le", raw});
  EXPECT_TRUE(made);
  if (!made) return decoded;
  const std::string bytes = ReadFileText(raw);
  decoded.samples.resize(bytes.size() / 2);
  for (size_t i = 0; i < decoded.samples.size(); ++i) {
    decoded.samples[i] = static_cast<int16_t>(LoadLe<16>(&bytes[2 * i]));
  }
  decoded.ok = true;
  return decoded;
}
