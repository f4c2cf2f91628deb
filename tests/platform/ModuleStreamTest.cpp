#include "platform/engine/ModuleStream.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "support/MidiFixtures.h"
#include "support/ModuleFixtures.h"
#include "support/TempDir.h"

namespace engine {
namespace {

std::vector<int16_t> DecodeAll(EngineStream& stream, uint32_t request = 4608) {
  std::vector<int16_t> samples;
  std::vector<int16_t> buffer(request / 2);
  while (const uint32_t got = stream.Decode(reinterpret_cast<uint8_t*>(buffer.data()), request)) {
    samples.insert(samples.end(), buffer.begin(), buffer.begin() + got / 2);
    if (samples.size() * 2 > stream.LengthBytes()) break;
  }
  return samples;
}

int Peak(const std::vector<int16_t>& samples) {
  int peak = 0;
  for (int16_t s : samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
  return peak;
}

TEST(ModuleStreamTest, AnnouncesTheSongsDurationAndDeliversItExactly) {
  struct Case {
    ModuleSong song;
    uint32_t rate;
    uint32_t formatRate;
  };
  const std::vector<Case> cases = {
      {{16, 6, 125}, 44100, 44100},  // 16 rows of 6 ticks of 20 ms: 1.92 s
      {{16, 6, 125}, 0, 44100},      // rate 0 renders at 44100
      {{8, 3, 125}, 22050, 22050},   // 0.48 s
      {{32, 2, 150}, 48000, 48000},  // 1.0667 s
      {{10, 4, 127}, 44100, 44100},  // 0.7874 s: ticks of a fractional frame count
      {{64, 1, 255}, 8000, 8000},    // a full pattern, 0.627 s
  };
  TempDir dir;
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message()
                 << c.song.rows << "x" << c.song.speed << "@" << c.song.tempo << " " << c.rate);
    const std::string path = dir.File("song.mod");
    WriteFileText(path, ProTrackerModuleBytes(c.song));
    const std::unique_ptr<EngineStream> stream = OpenModuleStream(path, c.rate);
    ASSERT_TRUE(stream);
    EXPECT_EQ(stream->Format().rate, c.formatRate);
    EXPECT_EQ(stream->Format().channels, 2u);
    EXPECT_FALSE(stream->Format().eightBit);
    // libopenmpt's estimate may differ from the row arithmetic by a tick.
    const double frames = static_cast<double>(stream->LengthBytes()) / 4;
    EXPECT_NEAR(frames / c.formatRate, c.song.Seconds(), 0.025);
    EXPECT_EQ(stream->FileLength(), static_cast<int64_t>(ProTrackerModuleBytes(c.song).size()));

    const std::vector<int16_t> samples = DecodeAll(*stream, 3000);
    EXPECT_EQ(samples.size() * 2, stream->LengthBytes());
    uint8_t after[8];
    EXPECT_EQ(stream->Decode(after, sizeof after), 0u);
    EXPECT_GT(Peak(samples), 1000);
  }
}

TEST(ModuleStreamTest, SameFileSameBytes) {
  TempDir dir;
  WriteFileText(dir.File("song.mod"), ProTrackerModuleBytes());
  const std::unique_ptr<EngineStream> a = OpenModuleStream(dir.File("song.mod"), 44100);
  const std::unique_ptr<EngineStream> b = OpenModuleStream(dir.File("song.mod"), 44100);
  ASSERT_TRUE(a && b);
  const std::vector<int16_t> first = DecodeAll(*a, 4608);
  EXPECT_FALSE(first.empty());
  EXPECT_TRUE(DecodeAll(*b, 1024) == first);
}

TEST(ModuleStreamTest, RefusesWhatLibopenmptDoesNotRead) {
  const std::string module = ProTrackerModuleBytes();
  struct Case {
    const char* name;
    std::string bytes;
    uint32_t rate;
  };
  const std::vector<Case> cases = {
      {"empty", "", 44100},
      {"cut in the title", module.substr(0, 10), 44100},
      {"cut in the sample headers", module.substr(0, 600), 44100},
      {"cut before the end of the magic", module.substr(0, 1083), 44100},
      {"text", std::string(3000, 'x'), 44100},
      {"MIDI song", OneNoteSong(500000, 4), 44100},
      {"rate too low", module, 7999},
      {"rate too high", module, 192001},
  };
  TempDir dir;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WriteFileText(dir.File("case.mod"), c.bytes);
    EXPECT_FALSE(OpenModuleStream(dir.File("case.mod"), c.rate));
  }
  EXPECT_FALSE(OpenModuleStream(dir.File("missing.mod"), 44100));
}

TEST(ModuleStreamTest, ModuleCutInItsDataStillPlaysToItsLength) {
  // Trackers play a module whose pattern or sample data is cut short, with
  // the missing part silent; libopenmpt does the same.
  const std::string module = ProTrackerModuleBytes();
  TempDir dir;
  for (size_t size : {size_t{1500}, module.size() - 8}) {
    SCOPED_TRACE(size);
    WriteFileText(dir.File("cut.mod"), module.substr(0, size));
    const std::unique_ptr<EngineStream> stream = OpenModuleStream(dir.File("cut.mod"), 44100);
    ASSERT_TRUE(stream);
    EXPECT_EQ(DecodeAll(*stream).size() * 2, stream->LengthBytes());
  }
}

}  // namespace
}  // namespace engine
