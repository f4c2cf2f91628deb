// Probing a file as adding it to the list does (OpenSource with
// forConversion false) reports the length, rate and channels that the
// independent ffmpeg tool decodes from the file's content, whatever its
// extension says.

#include <gtest/gtest.h>

#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/EngineStartup.h"
#include "codecs/readers/ProgramReaders.h"
#include "source/OpenSource.h"
#include "source/SourceKind.h"
#include "support/AudioFixtures.h"
#include "support/ProgramFolder.h"
#include "support/RunProcess.h"
#include "support/TempDir.h"

namespace {

enum class Make { kCopy, kFfmpeg, kTruncate, kPcmHeaderOver, kText, kPicture };

struct ProbeCase {
  const char* name;
  Make make;
  std::vector<std::string> encode;  // ffmpeg output options for kFfmpeg, kPcmHeaderOver, kPicture
  const char* file;                 // the name the list sees
  bool opens;
  double seconds = 0;  // the sine's length; 0: 2.5 s (10.5 s under a PCM header)
};

std::ostream& operator<<(std::ostream& out, const ProbeCase& c) {
  return out << c.name;
}

const std::vector<std::string> kMp3 = {"-c:a", "libmp3lame", "-b:a", "128k", "-f", "mp3"};
const std::vector<std::string> kOgg = {"-c:a", "libvorbis", "-f", "ogg"};
const std::vector<std::string> kWav = {"-c:a", "pcm_s16le", "-f", "wav"};

// clang-format off
const ProbeCase kCases[] = {
  {"wav_s16_stereo",    Make::kCopy,     {},                                        "a.wav",  true},
  {"wav_s16_mono_22k",  Make::kFfmpeg,   {"-ac", "1", "-ar", "22050", "-f", "wav"},  "a.wav",  true},
  {"wav_u8",            Make::kFfmpeg,   {"-c:a", "pcm_u8", "-f", "wav"},           "a.wav",  true},
  {"mp3",               Make::kFfmpeg,   kMp3,                                      "a.mp3",  true},
  {"ogg",               Make::kFfmpeg,   kOgg,                                      "a.ogg",  true},
  {"flac",              Make::kFfmpeg,   {"-c:a", "flac", "-f", "flac"},            "a.flac", true},
  {"m4a",               Make::kFfmpeg,   {"-c:a", "aac", "-f", "ipod"},             "a.m4a",  true},
  {"ogg_named_mp3",     Make::kFfmpeg,   kOgg,                                      "a.mp3",  true},
  {"wav_named_mp3",     Make::kFfmpeg,   kWav,                                      "a.mp3",  true},
  {"mp3_named_wav",     Make::kFfmpeg,   kMp3,                                      "a.wav",  true},
  {"wav_no_extension",  Make::kCopy,     {},                                        "a",      true},
  {"wav_truncated",     Make::kTruncate, {},                                        "a.wav",  true},
  // Compressed streams under a PCM header, whose frames are too long for
  // the first packet of the demuxer's stream probe to find enough of them.
  {"mp3_in_pcm_wav",    Make::kPcmHeaderOver, {"-ar", "32000", "-c:a", "libmp3lame", "-b:a", "320k",
                                               "-write_xing", "0", "-id3v2_version", "0", "-f", "mp3"}, "a.wav", true},
  {"ac3_in_pcm_wav",    Make::kPcmHeaderOver, {"-ar", "48000", "-c:a", "ac3", "-b:a", "192k", "-f", "ac3"}, "a.wav", true},
  {"ac3_in_pcm_wav_no_extension", Make::kPcmHeaderOver, {"-ar", "48000", "-c:a", "ac3", "-b:a", "192k", "-f", "ac3"}, "a", true},
  {"text_named_wav",    Make::kText,     {},                                        "a.wav",  false},
  {"short_wav",         Make::kCopy,     {},                                        "a.wav",  true, 0.4},
  {"short_mp3",         Make::kFfmpeg,   kMp3,                                      "a.mp3",  true, 0.7},
  // Files in a folder of sound that hold none: pictures, a video without
  // sound, text.
  {"png",               Make::kPicture,  {"-frames:v", "1"},                        "albumcover.png", false},
  {"jpeg",              Make::kPicture,  {"-frames:v", "1"},                        "cover.jpg", false},
  {"gif",               Make::kPicture,  {"-frames:v", "1"},                        "cover.gif", false},
  {"bmp",               Make::kPicture,  {"-frames:v", "1"},                        "cover.bmp", false},
  {"video_without_sound", Make::kPicture, {"-c:v", "mpeg4"},                        "clip.mp4", false},
  {"text",              Make::kText,     {},                                        "notes.txt", false},
};
// clang-format on

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string Le32(uint32_t value) {
  std::string bytes;
  for (int i = 0; i < 4; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
  return bytes;
}

// A 44-byte header of 16-bit stereo 44.1 kHz PCM followed by `data`, which
// the demuxer's content probe finds to be compressed audio.
std::string PcmWavHeaderOver(const std::string& data) {
  const std::string fmt = Le32(16) + std::string("\x01\x00\x02\x00", 4) + Le32(44100) +
                          Le32(44100 * 4) + std::string("\x04\x00\x10\x00", 4);
  return "RIFF" + Le32(static_cast<uint32_t>(36 + data.size())) + "WAVEfmt " + fmt + "data" +
         Le32(static_cast<uint32_t>(data.size())) + data;
}

// The duration ffprobe reads from the container, in seconds.
std::string ProbeFormatDuration(const std::string& path) {
  const ProcessResult result = RunProcess(
      "ffprobe", {"-v", "error", "-show_entries", "format=duration", "-of", "csv=p=0", path});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  return result.out;
}

// The engine runs with its add-ons, as in the program, so that each file
// goes to the reader it goes to when a person adds it.
class AddedFileProbeTest : public testing::TestWithParam<ProbeCase> {
 protected:
  AddedFileProbeTest() : engine_(BuildProgramFolder()) {}

  // Makes the case's file from a 2.5-second stereo sine (ten seconds under
  // a PCM header, so that the probe sees many frames), or a second of a
  // test picture.
  std::string MakeFile(const ProbeCase& c) {
    const std::string source = dir_.File("source.wav");
    const double seconds = c.seconds > 0 ? c.seconds : c.make == Make::kPcmHeaderOver ? 10.5 : 2.5;
    const int frames = static_cast<int>(44100 * seconds);
    WriteWav16(source, 44100, 2, SineWave(frames, 2, 44100, 440.0));
    const std::string path = dir_.File(c.file);
    switch (c.make) {
      case Make::kCopy:
        WriteBytes(path, ReadBytes(source));
        break;
      case Make::kTruncate:
        WriteBytes(path, ReadBytes(source).substr(0, 300000));
        break;
      case Make::kText:
        WriteFileText(path, "Track list\n1. Intro\n2. Outro\n");
        break;
      case Make::kFfmpeg:
      case Make::kPicture: {
        std::vector<std::string> args = {"-i", source};
        if (c.make == Make::kPicture) args = {"-f", "lavfi", "-i", "testsrc=size=64x48:rate=10:d=1"};
        args.insert(args.end(), c.encode.begin(), c.encode.end());
        args.push_back(path);
        return MadePath(RunFfmpeg(args), path);
      }
      case Make::kPcmHeaderOver: {
        const std::string raw = dir_.File("raw");
        std::vector<std::string> args = {"-i", source};
        args.insert(args.end(), c.encode.begin(), c.encode.end());
        args.push_back(raw);
        const testing::AssertionResult made = RunFfmpeg(args);
        if (!made) return MadePath(made, path);
        WriteBytes(path, PcmWavHeaderOver(ReadBytes(raw)));
        break;
      }
    }
    return path;
  }

  EngineSession engine_;
  TempDir dir_;
};

TEST_P(AddedFileProbeTest, MatchesFfmpeg) {
  const ProbeCase& c = GetParam();
  const std::string path = MakeFile(c);
  ASSERT_FALSE(path.empty());
  ASSERT_EQ(engine_.Result(), EngineStart::STARTED);
  const auto source = OpenSource(path, SourceKindFromPath(path), 0, false, ProgramReaders());
  ASSERT_EQ(source != nullptr, c.opens) << path;
  if (!source) return;

  // The list shows whole seconds: of what decoding delivers, or for the
  // container library's probe (a file without a kind of its own) of the
  // length the container states. A decoder may add or drop a codec frame,
  // so a second's boundary is avoided.
  const Decoded decoded = DecodeWithFfmpeg(path);
  ASSERT_TRUE(decoded.ok);
  const double seconds = SourceKindFromPath(path) == KIND_OTHER
                             ? std::atof(ProbeFormatDuration(path).c_str())
                             : static_cast<double>(decoded.Frames()) / decoded.rate;
  ASSERT_GT(seconds - std::floor(seconds), 0.05) << "the fixture sits on a second's boundary";
  EXPECT_EQ(source->GetDuration(), static_cast<uint32_t>(seconds));
  // To the millisecond, give or take a codec frame.
  EXPECT_NEAR(static_cast<double>(source->GetDurationMs()), seconds * 1000, 30);
  EXPECT_EQ(source->GetSampleRate(), static_cast<uint32_t>(decoded.rate));
  EXPECT_EQ(source->GetChannels(), static_cast<uint32_t>(decoded.channels));
  EXPECT_GT(source->GetBitRate(), 0u);
  source->Close();
}

INSTANTIATE_TEST_SUITE_P(Cases, AddedFileProbeTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<ProbeCase>& row) {
                           return std::string(row.param.name);
                         });

}  // namespace
