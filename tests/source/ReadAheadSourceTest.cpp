// Reading ahead on a thread of its own must hand the caller what reading the
// source itself gives: the same blocks, positions, lengths and end, and the
// damage of a source that stops early; a caller that stops midway leaves
// no thread reading. The suite's name has "Parallel" so that it also runs
// under ThreadSanitizer.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "source/ReadAheadSource.h"

namespace {

struct Script {
  const char* name;
  int blocks;         // blocks before the end
  uint32_t channels;  // delivered channels
  bool damaged;       // stops at damage: the length shrinks at the end
  size_t depth;
};

// Blocks of varying length and content; the length grows while it plays
// (as a stream that finds more than it announced) and, when damaged,
// shrinks to the position at the end.
class ScriptedSource : public AudioSource {
 public:
  explicit ScriptedSource(const Script& script) : script_(script) {
    outputChannels_ = channels_ = script.channels;
    sampleRate_ = 44100;
    bitsPerSample_ = 16;
    length_ = 1000;
  }
  void Close() override { closed = true; }
  bool Open(const std::string&, uint32_t) override { return true; }
  int Read(PcmBlock& block) override {
    ++reads;
    if (closed || read_ >= script_.blocks) {
      if (script_.damaged) length_ = position_;
      return block.frames = 0;
    }
    const int frames = 1 + (read_ * 337) % BLOCK_SAMPLES;
    for (int i = 0; i < frames; ++i) {
      block.left[i] = static_cast<int16_t>(read_ * 31 + i);
      if (channels_ == 2) block.right[i] = static_cast<int16_t>(-read_ * 17 - i);
    }
    ++read_;
    position_ += static_cast<uint64_t>(frames) * 2 * channels_;
    length_ += 7;
    return block.frames = frames;
  }
  double DamagedAt() override { return script_.damaged && read_ == script_.blocks ? 1.5 : -1; }
  std::string GetNote() override { return "read " + std::to_string(read_); }

  bool closed = false;
  int reads = 0;

 private:
  Script script_;
  int read_ = 0;
};

// Each block read as one row: frames, position and length after it, samples.
using Steps = std::vector<std::vector<int64_t>>;

Steps ReadAll(AudioSource& source, int limit = 1 << 20) {
  Steps steps;
  auto block = std::make_unique<PcmBlock>();
  for (int n = 1; n > 0 && static_cast<int>(steps.size()) < limit;) {
    n = source.Read(*block);
    std::vector<int64_t> step = {n, static_cast<int64_t>(source.GetPosition()),
                                 static_cast<int64_t>(source.GetLength())};
    for (int i = 0; i < n; ++i) step.insert(step.end(), {block->left[i], block->right[i]});
    steps.push_back(std::move(step));
  }
  return steps;
}

class ReadAheadParallelTest : public ::testing::TestWithParam<Script> {};

TEST_P(ReadAheadParallelTest, DeliversWhatTheSourceItselfGives) {
  ScriptedSource direct(GetParam());
  const Steps expected = ReadAll(direct);

  auto inner = std::make_unique<ScriptedSource>(GetParam());
  ReadAheadSource ahead(std::move(inner), GetParam().depth);
  EXPECT_EQ(ahead.GetLength(), 1000u);
  EXPECT_EQ(ahead.GetOutputChannels(), GetParam().channels);
  EXPECT_EQ(ReadAll(ahead), expected);
  EXPECT_EQ(ahead.DamagedAt(), direct.DamagedAt());
  EXPECT_EQ(ahead.GetNote(), direct.GetNote());
  // Read on past the end, as the source itself would answer.
  PcmBlock block;
  EXPECT_EQ(ahead.Read(block), 0);
}

TEST_P(ReadAheadParallelTest, StoppingPartWayLeavesNoThreadReading) {
  auto inner = std::make_unique<ScriptedSource>(GetParam());
  ScriptedSource& source = *inner;
  ReadAheadSource ahead(std::move(inner), GetParam().depth);
  const size_t taken = static_cast<size_t>(std::min(2, GetParam().blocks + 1));
  ASSERT_EQ(ReadAll(ahead, 2).size(), taken);
  // The note stops the thread; what it had decoded is still delivered.
  (void)ahead.GetNote();
  const int reads = source.reads;
  EXPECT_LE(reads, 2 + static_cast<int>(GetParam().depth) + 1);
  ahead.Close();
  EXPECT_EQ(source.reads, reads) << "nothing reads the source after Close";
  EXPECT_TRUE(source.closed);
}

INSTANTIATE_TEST_SUITE_P(
    Sources, ReadAheadParallelTest,
    ::testing::Values(Script{"Stereo", 200, 2, false, 8}, Script{"Mono", 200, 1, false, 8},
                      Script{"DamagedStereo", 150, 2, true, 8},
                      Script{"OneBlockAhead", 60, 2, true, 1}, Script{"Empty", 0, 2, true, 4}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
