// What the program's own readers share: a reader that opens a second file
// after a first one, even one read only in part, delivers exactly what a
// new reader delivers for that file.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "codecs/readers/AiffSource.h"
#include "codecs/readers/AuSource.h"
#include "codecs/readers/RiffWaveSource.h"
#include "support/AudioFixtures.h"
#include "support/ReaderFixtures.h"
#include "support/TempDir.h"

namespace {

// Everything a source reports and delivers for one file.
struct Delivered {
  SourceInfo info;
  uint64_t length = 0;
  uint64_t endPosition = 0;
  SourceDump dump;
};

Delivered Deliver(AudioSource& source) {
  Delivered d;
  d.info = source.Info();
  d.length = source.GetLength();
  d.dump = ReadToEnd(source);
  d.endPosition = source.GetPosition();
  return d;
}

void ExpectSame(const Delivered& reopened, const Delivered& fresh) {
  EXPECT_EQ(reopened.info.duration, fresh.info.duration);
  EXPECT_EQ(reopened.info.channels, fresh.info.channels);
  EXPECT_EQ(reopened.info.outputChannels, fresh.info.outputChannels);
  EXPECT_EQ(reopened.info.sampleRate, fresh.info.sampleRate);
  EXPECT_EQ(reopened.info.bitsPerSample, fresh.info.bitsPerSample);
  EXPECT_EQ(reopened.info.mp3ChannelMode, fresh.info.mp3ChannelMode);
  EXPECT_EQ(reopened.info.bitRate, fresh.info.bitRate);
  EXPECT_EQ(reopened.length, fresh.length);
  EXPECT_EQ(reopened.endPosition, fresh.endPosition);
  EXPECT_TRUE(reopened.dump.contractKept);
  EXPECT_EQ(reopened.dump.samples, fresh.dump.samples);
}

struct ReopenCase {
  const char* reader;
  std::function<std::unique_ptr<AudioSource>()> make;
  // One file per entry: its name, then the ffmpeg options that encode a
  // stereo 8 kHz sine into it.
  std::vector<std::vector<std::string>> files;
};
void PrintTo(const ReopenCase& c, std::ostream* os) { *os << c.reader; }

class ReaderReopen : public ::testing::TestWithParam<ReopenCase> {};

TEST_P(ReaderReopen, SecondFileReadsAsInANewReader) {
  const ReopenCase& c = GetParam();
  TempDir dir;
  WriteWav16(dir.File("in.wav"), 8000, 2, SineWave(2400, 2, 8000, 440));
  std::vector<std::string> paths;
  for (const std::vector<std::string>& file : c.files) {
    std::vector<std::string> args = {"-i", dir.File("in.wav")};
    args.insert(args.end(), file.begin() + 1, file.end());
    args.push_back(dir.File(file.front()));
    ASSERT_TRUE(RunFfmpeg(args)) << file.front();
    paths.push_back(dir.File(file.front()));
  }
  WriteFileText(dir.File("not-sound"), std::string(64, 'x'));

  for (const std::string& first : paths) {
    for (const std::string& second : paths) {
      if (first == second) continue;
      SCOPED_TRACE(first + " then " + second);
      const std::unique_ptr<AudioSource> fresh = c.make();
      ASSERT_TRUE(fresh->Open(second, 0));
      const Delivered expected = Deliver(*fresh);
      ASSERT_GT(expected.dump.samples.size(), 0u);

      // The first file is left in the middle, with decoder state and
      // buffered data of its own.
      const std::unique_ptr<AudioSource> reused = c.make();
      ASSERT_TRUE(reused->Open(first, 0));
      PcmBlock block;
      ASSERT_GT(reused->Read(block), 0);
      ASSERT_TRUE(reused->Open(second, 0));
      ExpectSame(Deliver(*reused), expected);

      // A refused file in between leaves nothing of the first one behind.
      ASSERT_TRUE(reused->Open(first, 0));
      ASSERT_FALSE(reused->Open(dir.File("not-sound"), 0));
      EXPECT_EQ(reused->GetLength(), 0u);
      EXPECT_EQ(reused->GetChannels(), 0u);
      ASSERT_TRUE(reused->Open(second, 0));
      ExpectSame(Deliver(*reused), expected);
    }
  }
}

template <typename Reader>
std::unique_ptr<AudioSource> Make() {
  return std::make_unique<Reader>();
}

INSTANTIATE_TEST_SUITE_P(
    Readers, ReaderReopen,
    ::testing::Values(
        ReopenCase{"aiff",
                   Make<AiffSource>,
                   {{"s16.aiff", "-c:a", "pcm_s16be"},
                    {"s8-mono.aiff", "-ac", "1", "-c:a", "pcm_s8"},
                    {"ima.aiff", "-c:a", "adpcm_ima_qt"},
                    {"f32-mono.aiff", "-ac", "1", "-c:a", "pcm_f32be"},
                    {"ulaw.aiff", "-c:a", "pcm_mulaw"}}},
        ReopenCase{"au",
                   Make<AuSource>,
                   {{"s24.au", "-c:a", "pcm_s24be"},
                    {"g721-mono.au", "-ac", "1", "-c:a", "g726le", "-code_size", "4"},
                    {"g723-mono.au", "-ac", "1", "-c:a", "g726le", "-code_size", "3"},
                    {"alaw-mono.au", "-ac", "1", "-c:a", "pcm_alaw"},
                    {"s8.au", "-c:a", "pcm_s8"}}},
        ReopenCase{"wave",
                   Make<RiffWaveSource>,
                   {{"s16.wav", "-c:a", "pcm_s16le"},
                    {"u8-mono.wav", "-ac", "1", "-c:a", "pcm_u8"},
                    {"ms.wav", "-c:a", "adpcm_ms"},
                    {"ima-mono.wav", "-ac", "1", "-c:a", "adpcm_ima_wav", "-block_size", "2048"},
                    {"gsm.wav", "-ac", "1", "-c:a", "libgsm_ms"},
                    {"f64.wav", "-c:a", "pcm_f64le"}}}),
    [](const ::testing::TestParamInfo<ReopenCase>& row) { return std::string(row.param.reader); });

}  // namespace
