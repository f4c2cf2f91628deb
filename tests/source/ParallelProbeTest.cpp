// Adding files on several threads, with WAV files read from their headers,
// lists every file (each column, the order, each failure and its reason)
// as probing them one at a time through the full reader chain does.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "app/EngineStartup.h"
#include "codecs/readers/ProgramReaders.h"
#include "codecs/readers/WaveHeaderProbe.h"
#include "source/ParallelProbe.h"
#include "support/AudioFixtures.h"
#include "support/ProgramFolder.h"
#include "support/SharedMedia.h"
#include "support/TempDir.h"

namespace {

struct MixedFile {
  const char* name;
  std::vector<std::string> make;  // ffmpeg options on a 2.5 s stereo sine; {"raw", bytes} writes bytes
  bool headerOnly;                // the header reader takes it
};

const char kFmt16[] = "fmt \x10\0\0\0\1\0\2\0\x44\xAC\0\0\x10\xB1\2\0\4\0\x10\0";

// clang-format off
const MixedFile kFiles[] = {
  {"s16.wav",      {"-c:a", "pcm_s16le", "-bitexact"}, true},
  {"s16_tagged.wav", {"-c:a", "pcm_s16le", "-metadata", "title=Song"}, true},
  {"mono22k.wav",  {"-ac", "1", "-ar", "22050", "-bitexact"}, false},  // shorter than the content probe
  {"mono22k_long.wav", {"-ac", "1", "-ar", "22050", "-bitexact", "-af", "apad=pad_dur=3"}, true},
  {"u8.wav",       {"-c:a", "pcm_u8", "-bitexact"}, true},
  {"s24.wav",      {"-c:a", "pcm_s24le", "-bitexact"}, true},
  {"s32.wav",      {"-c:a", "pcm_s32le", "-bitexact"}, true},
  {"f32.wav",      {"-c:a", "pcm_f32le", "-bitexact"}, true},
  {"f64.wav",      {"-c:a", "pcm_f64le", "-bitexact"}, true},
  {"six.wav",      {"-af", "pan=5.1|c0=c0|c1=c1|c2=c0|c3=c1|c4=c0|c5=c1", "-bitexact"}, true},
  {"alaw.wav",     {"-c:a", "pcm_alaw", "-bitexact"}, false},
  {"adpcm.wav",    {"-c:a", "adpcm_ima_wav", "-bitexact"}, false},
  {"mp3_in_wav.wav", {"pcm-over", "-ar", "32000", "-c:a", "libmp3lame", "-b:a", "320k", "-write_xing", "0", "-f", "mp3"}, false},
  {"ac3_in_wav.wav", {"pcm-over", "-ar", "48000", "-c:a", "ac3", "-f", "spdif"}, false},
  {"aac_in_wav.wav", {"pcm-over", "-c:a", "aac", "-f", "adts"}, false},
  {"dts_in_wav.wav", {"pcm-over", "-ar", "48000", "-c:a", "dca", "-strict", "-2", "-f", "dts"}, false},
  {"mp3_named.wav", {"-c:a", "libmp3lame", "-f", "mp3"}, false},
  {"cut.wav",      {"cut", "-c:a", "pcm_s16le", "-bitexact", "-f", "wav"}, false},
  {"no_rate.wav",  {"raw", std::string("RIFF\x28\0\0\0WAVE", 12) + std::string(kFmt16, 24).replace(12, 2, "\0\0", 2) + std::string("data\4\0\0\0\1\2\3\4", 12)}, false},
  {"data_first.wav", {"raw", std::string("RIFF\x28\0\0\0WAVEdata\4\0\0\0\1\2\3\4", 24) + std::string(kFmt16, 24)}, false},
  {"empty.wav",    {"raw", ""}, false},
  {"notes.wav",    {"raw", "Track list\n1. Intro\n"}, false},
  {"notes.txt",    {"raw", "Track list\n1. Intro\n"}, false},
  {"a.aiff",       {"-c:a", "pcm_s16be", "-f", "aiff"}, false},
  {"a.au",         {"-c:a", "pcm_mulaw", "-f", "au"}, false},
  {"a.mp3",        {"-c:a", "libmp3lame"}, false},
};
// clang-format on

// One line per file: each field of its entry, or why it failed.
std::string Outcome(SourceList& list, const std::string& path, SourceList::AddResult result) {
  std::ostringstream line;
  line << path << ' ' << static_cast<int>(result) << ' ';
  if (result == SourceList::AddResult::FAILED) return line.str() + list.LastFailureReason();
  if (result == SourceList::AddResult::ALREADY_LISTED) return line.str();
  const SourceFile& e = *list.Entries().back();
  line << e.kind << ' ' << e.contentKind << ' ' << e.duration << ' ' << e.durationMs << ' '
       << e.sampleRate << ' ' << e.bitRate << ' ' << e.channels << ' ' << e.channelMode << ' '
       << e.addedFrom;
  return line.str();
}

class ParallelProbeTest : public testing::TestWithParam<int> {
 protected:
  static void SetUpTestSuite() {
    dir_ = new TempDir();
    const std::string source = dir_->File("source.wav");
    WriteWav16(source, 44100, 2, SineWave(110250, 2, 44100, 440.0));
    for (const MixedFile& file : kFiles) {
      std::vector<std::string> make = file.make;
      const std::string path = dir_->File(file.name);
      if (!make.empty() && make[0] == "raw") {
        std::ofstream(path, std::ios::binary) << make[1];
        continue;
      }
      const bool over = !make.empty() && make[0] == "pcm-over";
      const bool cut = !make.empty() && make[0] == "cut";
      if (over || cut) make.erase(make.begin());
      std::vector<std::string> args = {"-i", source};
      args.insert(args.end(), make.begin(), make.end());
      args.push_back(over || cut ? path + ".raw" : path);
      if (!RunFfmpeg(args)) continue;  // the row then skips
      if (cut) std::filesystem::resize_file(path + ".raw", 100000);
      if (cut) std::filesystem::rename(path + ".raw", path);
      if (over) {  // a 16-bit stereo PCM header over compressed frames
        const auto size = std::filesystem::file_size(path + ".raw");
        std::ofstream out(path, std::ios::binary);
        const auto le = [&](uint64_t v) { for (int i = 0; i < 4; ++i) out.put(static_cast<char>(v >> (8 * i))); };
        out << "RIFF"; le(36 + size); out.write("WAVE", 4).write(kFmt16, 24) << "data"; le(size);
        out << std::ifstream(path + ".raw", std::ios::binary).rdbuf();
        std::filesystem::remove(path + ".raw");
      }
    }
  }
  static void TearDownTestSuite() { delete dir_; }

  // The folder's files in name order, each twice over, then the shared media.
  std::vector<ParallelProbe::File> Run() {
    std::vector<ParallelProbe::File> run;
    for (const std::string& name : FolderNames(dir_->Path()))
      for (int twice = 0; twice < 2; ++twice) run.push_back({dir_->File(name), dir_->Path()});
    for (const char* shared : {"mac-399.ape", "real_example.wma", "click.mpc"})
      if (!SharedMediaFile(shared).empty()) run.push_back({SharedMediaFile(shared), ""});
    return run;
  }

  EngineSession engine_{BuildProgramFolder()};
  static TempDir* dir_;
};
TempDir* ParallelProbeTest::dir_ = nullptr;

TEST_P(ParallelProbeTest, ListsAsOneAtATimeFullProbe) {
  ASSERT_EQ(engine_.Result(), EngineStart::STARTED);
  for (const MixedFile& file : kFiles) {
    const std::string path = dir_->File(file.name);
    if (!std::filesystem::exists(path)) GTEST_SKIP() << "could not make " << file.name;
    EXPECT_EQ(WaveHeaderProbe().Open(path, 0), file.headerOnly) << file.name;
  }
  SourceReaders full = ProgramReaders();
  full.waveHeader = nullptr;
  SourceList expected(full);
  SourceList listed(ProgramReaders());
  const std::vector<ParallelProbe::File> run = Run();
  ParallelProbe probe(listed, run, GetParam());
  SourceList::Probed probed;
  for (const ParallelProbe::File& file : run) {
    const std::string want = Outcome(expected, file.path, expected.AddOneFile(file.path, file.addedFrom));
    ASSERT_TRUE(probe.Next(probed, -1));
    EXPECT_EQ(Outcome(listed, file.path, listed.AddProbed(std::move(probed))), want);
  }
  EXPECT_TRUE(probe.Done());
}

INSTANTIATE_TEST_SUITE_P(Threads, ParallelProbeTest, testing::Values(1, 2, 5));

}  // namespace
