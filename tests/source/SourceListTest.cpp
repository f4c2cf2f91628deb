#include <gtest/gtest.h>

#include "source/SourceKind.h"
#include "source/SourceList.h"
#include "support/MidiFixtures.h"
#include "support/TempDir.h"

namespace {

// A probe result with fixed properties.
class ProbedSource : public AudioSource {
 public:
  ProbedSource() {
    duration_ = 3725;
    sampleRate_ = 44100;
    bitRate_ = 128;
    channels_ = 6;
    mp3ChannelMode_ = CHANNEL_MODE_JOINT_STEREO;
  }
  void Close() override { closed = true; }
  bool Open(const std::string&, uint32_t) override { return true; }
  int Read(PcmBlock&) override { return 0; }
  bool closed = false;
};

SourceList ListOpening(const std::string& suffix, int* probes = nullptr) {
  return SourceList([suffix, probes](const std::string& path, int32_t) -> std::unique_ptr<AudioSource> {
    if (probes) ++*probes;
    if (path.size() < suffix.size() || path.compare(path.size() - suffix.size(), suffix.size(), suffix) != 0)
      return nullptr;
    return std::make_unique<ProbedSource>();
  });
}

TEST(SourceListTest, EntriesCopyWhatTheProbeReports) {
  SourceList list = ListOpening("");
  ASSERT_EQ(list.AddOneFile("/m/a.mp3"), SourceList::AddResult::ADDED);
  ASSERT_EQ(list.AddOneFile("/m/b.flac"), SourceList::AddResult::ADDED);
  const SourceFile& mp3 = list.At(0);
  EXPECT_EQ(mp3.kind, KIND_MPEG_AUDIO);
  EXPECT_EQ(mp3.channelMode, 1u);
  EXPECT_EQ(mp3.channels, 0u);
  EXPECT_EQ(mp3.duration, 3725u);
  const SourceFile& flac = list.At(1);
  EXPECT_EQ(flac.kind, KIND_FLAC);
  EXPECT_EQ(flac.channels, 6u);
  EXPECT_EQ(flac.channelMode, 0u);
  EXPECT_EQ(flac.destinationPath, "");
}

TEST(SourceListTest, SamePathTwiceIsListedOnceWithoutAProbe) {
  int probes = 0;
  SourceList list = ListOpening("", &probes);
  EXPECT_EQ(list.AddOneFile("/m/x.mp3"), SourceList::AddResult::ADDED);
  EXPECT_EQ(list.AddOneFile("/m/./sub/../x.mp3"), SourceList::AddResult::ALREADY_LISTED);
  EXPECT_EQ(list.AddOneFile("/m//x.mp3"), SourceList::AddResult::ALREADY_LISTED);
  // Linux file names are case-sensitive: another case is another file.
  EXPECT_EQ(list.AddOneFile("/M/X.MP3"), SourceList::AddResult::ADDED);
  EXPECT_EQ(probes, 2);
  list.Remove(0);
  EXPECT_EQ(list.AddOneFile("/m/x.mp3"), SourceList::AddResult::ADDED);
  list.Clear();
  EXPECT_EQ(list.AddOneFile("/m/x.mp3"), SourceList::AddResult::ADDED);
}

TEST(SourceListTest, FailedFilesAreNotListed) {
  SourceList list = ListOpening(".wav");
  EXPECT_EQ(list.AddOneFile("/m/a.txt"), SourceList::AddResult::FAILED);
  EXPECT_EQ(list.Size(), 0u);
  EXPECT_EQ(list.AddOneFile("/m/a.txt"), SourceList::AddResult::FAILED);
}

// The kind a file is listed with and how often it was probed, when a reader
// of its name's kind opens it or not, and a MIDI song opens when probed as
// MIDI.
TEST(SourceListTest, MidiContentIsTriedOnlyAfterEveryReaderRefused) {
  TempDir dir;
  const struct {
    const char* name;
    std::string bytes;
    bool readerOpens;    // a reader of the name's kind opens the file
    int32_t listedKind;  // 0: not listed
    int probes;
  } cases[] = {
      {"song.mp3", OneNoteSong(500000, 1), false, KIND_MIDI, 2},
      {"song", RmiBytes(OneNoteSong(500000, 1)), false, KIND_MIDI, 2},
      {"opens.mp3", OneNoteSong(500000, 1), true, KIND_MPEG_AUDIO, 1},
      {"song.mid", OneNoteSong(500000, 1), false, 0, 1},
      {"near.wav", "MThx and RIFF....RMID", false, 0, 1},
  };
  for (const auto& c : cases) {
    const std::string path = dir.File(c.name);
    WriteFileText(path, c.bytes);
    int probes = 0;
    SourceList list([&](const std::string&, int32_t kind) -> std::unique_ptr<AudioSource> {
      ++probes;
      if (c.readerOpens || (kind == KIND_MIDI && c.listedKind == KIND_MIDI))
        return std::make_unique<ProbedSource>();
      return nullptr;
    });
    const bool listed = list.AddOneFile(path) == SourceList::AddResult::ADDED;
    EXPECT_EQ(listed ? list.At(0).kind : 0, c.listedKind) << c.name;
    EXPECT_EQ(probes, c.probes) << c.name;
  }
}

TEST(SourceListTest, FailureMessageListsTenPaths) {
  LoadFailures failures;
  EXPECT_TRUE(failures.Empty());
  for (int i = 1; i <= 15; ++i) failures.Add("/m/f" + std::to_string(i));
  std::string expected = "Failed to load the following files.\n\n";
  for (int i = 1; i <= 10; ++i) expected += "/m/f" + std::to_string(i) + "\n";
  expected += "<more files>...\n";
  EXPECT_EQ(failures.Message(), expected);
  EXPECT_EQ(failures.Count(), 15);

  LoadFailures eleven;
  for (int i = 1; i <= 11; ++i) eleven.Add("x");
  EXPECT_EQ(eleven.Message().substr(eleven.Message().size() - 16), "<more files>...\n");
}

TEST(SourceListTest, CellTexts) {
  EXPECT_EQ(FileCellText("/m/sub/song.mp3"), "song.mp3");
  EXPECT_EQ(FileCellText("song.mp3"), "song.mp3");
  EXPECT_EQ(DurationCellText(0), "");
  EXPECT_EQ(DurationCellText(59), "00:59");
  EXPECT_EQ(DurationCellText(3599), "59:59");
  EXPECT_EQ(DurationCellText(3725), "1:02:05");
  EXPECT_EQ(DurationCellText(36000), "10:00:00");
  EXPECT_EQ(BitRateCellText(128), "128 kbps");
  EXPECT_EQ(BitRateCellText(0), "");
  EXPECT_EQ(FreqCellText(44100), "44100 Hz");
  EXPECT_EQ(FreqCellText(0), "");

  SourceFile mp3;
  mp3.kind = KIND_MPEG_AUDIO;
  const char* modes[] = {"Stereo", "J-Stereo", "Dual Channel", "Mono", ""};
  for (uint32_t mode = 0; mode < 5; ++mode) {
    mp3.channelMode = mode;
    EXPECT_EQ(ChannelsCellText(mp3), modes[mode]);
  }
  SourceFile other;
  other.kind = KIND_WAVE;
  const std::pair<uint32_t, const char*> counts[] = {{0, "Mono"}, {1, "Mono"}, {2, "Stereo"},
                                                     {6, "5.1"},  {3, "3"},    {8, "8"}};
  for (const auto& [count, text] : counts) {
    other.channels = count;
    EXPECT_EQ(ChannelsCellText(other), text);
  }
}

}  // namespace
