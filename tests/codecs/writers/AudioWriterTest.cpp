// What every writer promises through AudioWriter, one row per writer and
// layout: a round trip read back by ffmpeg (sample for sample when lossless,
// by length and level otherwise), the refusals, and the closing rules.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "codecs/writers/AacWriter.h"
#include "codecs/writers/AmrWriter.h"
#include "codecs/writers/FlacWriter.h"
#include "codecs/writers/M4aWriter.h"
#include "codecs/writers/Mp3Writer.h"
#include "codecs/writers/OggWriter.h"
#include "codecs/writers/OpusWriter.h"
#include "codecs/writers/WavWriter.h"
#include "codecs/writers/WmaWriter.h"
#include "source/PcmBlock.h"
#include "support/AudioFixtures.h"
#include "support/TempDir.h"

namespace {

// A WMA codec format of the program's list.
WmaFormat WmaFormatOf(uint32_t rate, uint32_t channels, uint32_t bitRate) {
  WmaFormat format;
  format.wave.formatTag = kWmaFormatTagV2;
  format.wave.channels = static_cast<uint16_t>(channels);
  format.wave.samplesPerSec = rate;
  format.bitRate = bitRate;
  return format;
}

struct WriterRow {
  const char* name;
  std::function<std::unique_ptr<AudioWriter>()> make;
  WriterFormat format;
  bool lossless;
  const char* extension;
  // How far the decoded level of a lossy row may stray, relative.
  double levelTolerance = 0.1;
};

std::ostream& operator<<(std::ostream& out, const WriterRow& row) {
  return out << row.name;
}

bool Exists(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0;
}

// One sample of `signal` (signed 16-bit) at the row's depth: 8-bit keeps the
// high byte, plus 128.
uint8_t To8(int16_t sample) {
  return static_cast<uint8_t>((sample >> 8) + 128);
}

// Hands an interleaved 16-bit signal to `writer` in planar blocks of
// BLOCK_SAMPLES frames, at the depth of `format`.
bool WriteSignal(AudioWriter& writer, const WriterFormat& format,
                 const std::vector<int16_t>& signal) {
  const size_t channels = format.channels;
  const size_t frames = signal.size() / channels;
  for (size_t at = 0; at < frames; at += BLOCK_SAMPLES) {
    const int count = static_cast<int>(std::min<size_t>(BLOCK_SAMPLES, frames - at));
    PcmBlock block;
    for (int i = 0; i < count; ++i) {
      const int16_t left = signal[(at + i) * channels];
      const int16_t right = signal[(at + i) * channels + channels - 1];
      block.left[i] = left;
      block.right[i] = right;
      if (format.bits == 8) {
        block.Left8()[i] = To8(left);
        block.Right8()[i] = To8(right);
      }
    }
    const bool ok = format.bits == 8 ? writer.WriteBlock8(block.Left8(), block.Right8(), count)
                                     : writer.WriteBlock16(block.left, block.right, count);
    if (!ok) return false;
  }
  return true;
}

double Rms(const std::vector<int16_t>& samples, size_t from, size_t to) {
  double sum = 0;
  for (size_t i = from; i < to; ++i) sum += static_cast<double>(samples[i]) * samples[i];
  return to > from ? std::sqrt(sum / static_cast<double>(to - from)) : 0;
}

class AudioWriterTest : public ::testing::TestWithParam<WriterRow> {
 protected:
  // One second and a bit of a sine at half scale, channels differing.
  std::string File(const TempDir& dir, const std::string& name) const {
    return dir.File(name + "." + GetParam().extension);
  }

  std::vector<int16_t> Signal() const {
    const WriterFormat& format = GetParam().format;
    return SineWave(static_cast<int>(format.rate) + 17, static_cast<int>(format.channels),
                    static_cast<int>(format.rate), 440, 0.5);
  }

  // `path` holds `signal` as ffmpeg reads it back.
  void ExpectHolds(const std::string& path, const std::vector<int16_t>& signal) const {
    const WriterRow& row = GetParam();
    const size_t channels = row.format.channels;
    const Decoded decoded = DecodeWithFfmpeg(path);
    ASSERT_TRUE(decoded.ok);
    ASSERT_EQ(decoded.channels, static_cast<int>(channels));
    EXPECT_EQ(decoded.rate, static_cast<int>(row.format.rate));
    const int64_t frames = static_cast<int64_t>(signal.size() / channels);
    if (row.lossless) {
      ASSERT_EQ(decoded.samples.size(), signal.size());
      // ffmpeg widens unsigned 8-bit u to (u - 128) * 256.
      size_t mismatches = 0;
      for (size_t i = 0; i < signal.size(); ++i) {
        const int expected = row.format.bits == 8 ? (To8(signal[i]) - 128) * 256 : signal[i];
        if (decoded.samples[i] != expected) ++mismatches;
      }
      EXPECT_EQ(mismatches, 0u);
      return;
    }
    // The encoder's delay and the padding of its last frame come on top.
    // ffmpeg's Vorbis decoding leaves out up to half a short block (128
    // frames) at the end of any Vorbis stream, one made by oggenc too; the
    // stream's own length is checked exactly where the OGG output is tested.
    EXPECT_GE(decoded.Frames(), frames - 128);
    EXPECT_LE(decoded.Frames(), frames + 4 * 1152);
    const double expected = 0.5 * 32767 / std::sqrt(2.0);
    // Away from the delay and the tail (a quarter second at low rates).
    const size_t edge = std::min<size_t>(4096, row.format.rate / 4) * channels;
    // A lossy codec shifts the level by a few percent.
    EXPECT_NEAR(Rms(decoded.samples, edge, signal.size() - edge), expected,
                row.levelTolerance * expected);
  }
};

TEST_P(AudioWriterTest, RoundTripThroughAnIndependentDecoder) {
  TempDir dir;
  const std::string path = File(dir, "out");
  const std::vector<int16_t> signal = Signal();
  const std::unique_ptr<AudioWriter> writer = GetParam().make();
  ASSERT_TRUE(writer->Open(path, GetParam().format));
  ASSERT_TRUE(WriteSignal(*writer, GetParam().format, signal));
  ASSERT_TRUE(writer->Close());
  EXPECT_TRUE(writer->Close()) << "a second Close is harmless";
  ExpectHolds(path, signal);
}

TEST_P(AudioWriterTest, ASecondOpenIsRefusedAndTheFirstFileGoesOn) {
  TempDir dir;
  const std::vector<int16_t> signal = Signal();
  const std::unique_ptr<AudioWriter> writer = GetParam().make();
  ASSERT_TRUE(writer->Open(File(dir, "first"), GetParam().format));
  EXPECT_FALSE(writer->Open(File(dir, "second"), GetParam().format));
  EXPECT_FALSE(writer->Open(File(dir, "first"), GetParam().format));
  EXPECT_FALSE(Exists(File(dir, "second")));
  ASSERT_TRUE(WriteSignal(*writer, GetParam().format, signal));
  ASSERT_TRUE(writer->Close());
  ExpectHolds(File(dir, "first"), signal);
}

TEST_P(AudioWriterTest, DestructionFinishesTheFile) {
  TempDir dir;
  const std::vector<int16_t> signal = Signal();
  {
    const std::unique_ptr<AudioWriter> writer = GetParam().make();
    ASSERT_TRUE(writer->Open(File(dir, "unclosed"), GetParam().format));
    ASSERT_TRUE(WriteSignal(*writer, GetParam().format, signal));
  }
  ExpectHolds(File(dir, "unclosed"), signal);
}

TEST_P(AudioWriterTest, WhatTheWriterDoesNotTakeIsRefused) {
  TempDir dir;
  const WriterFormat& format = GetParam().format;
  const std::unique_ptr<AudioWriter> writer = GetParam().make();
  EXPECT_FALSE(writer->WriteBlock16(nullptr, nullptr, 0)) << "nothing is open";
  EXPECT_TRUE(writer->Close()) << "closing nothing is harmless";

  // Formats no writer takes leave no file.
  for (const WriterFormat& wrong :
       {WriterFormat{format.rate, 3, format.bits}, WriterFormat{format.rate, 0, format.bits},
        WriterFormat{format.rate, format.channels, 24},
        WriterFormat{0, format.channels, format.bits}}) {
    EXPECT_FALSE(writer->Open(File(dir, "wrong"), wrong));
    EXPECT_FALSE(Exists(File(dir, "wrong")));
  }
  EXPECT_FALSE(writer->Open(File(dir, "missing/out"), format));

  // A block of the depth that was not opened fails the file.
  ASSERT_TRUE(writer->Open(File(dir, "depth"), format));
  PcmBlock block;
  const bool written = format.bits == 8 ? writer->WriteBlock16(block.left, block.right, 16)
                                        : writer->WriteBlock8(block.Left8(), block.Right8(), 16);
  EXPECT_FALSE(written);
  EXPECT_FALSE(writer->Close());
}

INSTANTIATE_TEST_SUITE_P(
    Writers, AudioWriterTest,
    ::testing::Values(
        WriterRow{"Wav16Stereo",
                  [] { return std::make_unique<WavWriter>(); },
                  {44100, 2, 16},
                  true,
                  "wav"},
        WriterRow{
            "Wav16Mono", [] { return std::make_unique<WavWriter>(); }, {22050, 1, 16}, true, "wav"},
        WriterRow{
            "Wav8Stereo", [] { return std::make_unique<WavWriter>(); }, {11025, 2, 8}, true, "wav"},
        WriterRow{
            "Wav8Mono", [] { return std::make_unique<WavWriter>(); }, {8000, 1, 8}, true, "wav"},
        WriterRow{"Mp3Stereo",
                  [] { return std::make_unique<Mp3Writer>(); },
                  {44100, 2, 16},
                  false,
                  "mp3"},
        WriterRow{
            "Mp3Mono", [] { return std::make_unique<Mp3Writer>(); }, {22050, 1, 16}, false, "mp3"},
        WriterRow{"OggStereo",
                  [] { return std::make_unique<OggWriter>(128000); },
                  {44100, 2, 16},
                  false,
                  "ogg"},
        WriterRow{"Mp3VariableBitRate",
                  [] {
                    return std::make_unique<Mp3Writer>(Mp3EncoderSettings{-1, 0, 0, 4, true});
                  },
                  {32000, 2, 16},
                  false,
                  "mp3"},
        WriterRow{"OggQuality",
                  [] { return std::make_unique<OggWriter>(OggQuality{0}, TagInfo()); },
                  {16000, 1, 16},
                  false,
                  "ogg"},
        WriterRow{"OggMono",
                  [] { return std::make_unique<OggWriter>(32000); },
                  {22050, 1, 16},
                  false,
                  "ogg"},
        WriterRow{
            "AacStereo", [] { return std::make_unique<AacWriter>(); }, {44100, 2, 16}, false, "aac"},
        WriterRow{
            "Aac8Mono", [] { return std::make_unique<AacWriter>(); }, {22050, 1, 8}, false, "aac"},
        WriterRow{
            "M4aStereo", [] { return std::make_unique<M4aWriter>(); }, {48000, 2, 16}, false, "m4a"},
        WriterRow{
            "M4a8Stereo", [] { return std::make_unique<M4aWriter>(); }, {16000, 2, 8}, false, "m4a"},
        // Speech codecs render a pure tone up to about 1 dB (narrow band) and
        // 2.5 dB (wide band) quieter.
        WriterRow{"AmrNarrowBand",
                  [] { return std::make_unique<AmrWriter>(AmrSettings{true, 7, false}); },
                  {8000, 1, 16},
                  false,
                  "amr",
                  0.15},
        WriterRow{"AmrWideBand",
                  [] { return std::make_unique<AmrWriter>(AmrSettings{false, 8, false}); },
                  {16000, 1, 16},
                  false,
                  "awb",
                  0.3},
        WriterRow{"WmaStereo",
                  [] { return std::make_unique<WmaWriter>(WmaFormatOf(44100, 2, 128000)); },
                  {44100, 2, 16},
                  false,
                  "wma"},
        WriterRow{"Wma8Mono",
                  [] { return std::make_unique<WmaWriter>(WmaFormatOf(22050, 1, 32000)); },
                  {22050, 1, 8},
                  false,
                  "wma"},
        WriterRow{"FlacStereo",
                  [] { return std::make_unique<FlacWriter>(); },
                  {44100, 2, 16},
                  true,
                  "flac"},
        WriterRow{"Flac8Mono",
                  [] { return std::make_unique<FlacWriter>(FlacSettings{8, {}, 0}); },
                  {11025, 1, 8},
                  true,
                  "flac"},
        // ffmpeg decodes Opus at 48 kHz: these rows are at that rate.
        WriterRow{"OpusStereo",
                  [] { return std::make_unique<OpusWriter>(); },
                  {48000, 2, 16},
                  false,
                  "opus"},
        WriterRow{"OpusMonoConstant",
                  [] {
                    return std::make_unique<OpusWriter>(
                        OpusSettings{48000, OpusRateMode::CBR, 5, {}});
                  },
                  {48000, 1, 16},
                  false,
                  "opus"}),
    [](const ::testing::TestParamInfo<WriterRow>& row) { return std::string(row.param.name); });

}  // namespace
