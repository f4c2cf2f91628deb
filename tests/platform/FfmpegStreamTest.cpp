#include "platform/engine/FfmpegStream.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "codecs/readers/ContainerSource.h"
#include "platform/bytes/ByteOrder.h"
#include "platform/engine/AllocationCap.h"
#include "support/AudioFixtures.h"
#include "support/RunProcess.h"
#include "support/SharedMedia.h"
#include "support/TempDir.h"

using engine::FormatGate;
using engine::OpenSampledStream;

namespace {

enum class Source { kStereo44, kMono22, kSix48, kMono8 };
enum class Length { kExact, kNear };

// One sampled format: how the ffmpeg tool makes it from a generated WAV
// (or which shared sample to read), what the gate needs beyond the core
// formats, and what the decode must show. Every decode must also equal the
// ffmpeg tool's sample for sample wherever the lengths agree.
struct FormatCase {
  const char* name;
  const char* file;  // "@name" reads the shared sample of that name
  Source source;
  std::vector<std::string> encode;  // ffmpeg output options
  std::vector<std::string> demuxers;
  std::vector<std::string> codecs;
  bool core;      // the core gate opens it without add-ons
  Length length;  // decoded length equals LengthBytes, or is near it
  uint32_t channels;
  bool eightBit;
  int codecFrame;  // samples of one codec frame, the tolerance of kNear
};

std::ostream& operator<<(std::ostream& out, const FormatCase& c) {
  return out << c.name;
}

constexpr Length kExact = Length::kExact;
constexpr Length kNear = Length::kNear;
constexpr Source kStereo44 = Source::kStereo44;
constexpr Source kMono22 = Source::kMono22;
constexpr Source kSix48 = Source::kSix48;
constexpr Source kMono8 = Source::kMono8;

// clang-format off
const FormatCase kFormats[] = {
  // name            file         source     encode                                              demuxers        codecs                      core   length  ch 8-bit  frame
  {"mp3_cbr_info",   "a.mp3",     kStereo44, {"-c:a", "libmp3lame", "-b:a", "128k"},              {},             {},                         true,  kExact, 2, false, 1152},
  {"mp3_vbr_xing",   "a.mp3",     kStereo44, {"-c:a", "libmp3lame", "-q:a", "4"},                 {},             {},                         true,  kExact, 2, false, 1152},
  {"mp3_vbr_bare",   "a.mp3",     kStereo44, {"-c:a", "libmp3lame", "-q:a", "4", "-write_xing", "0"},   {},       {},                         true,  kExact, 2, false, 1152},
  {"mp3_cbr_bare",   "a.mp3",     kStereo44, {"-c:a", "libmp3lame", "-b:a", "128k", "-write_xing", "0"}, {},      {},                         true,  kExact, 2, false, 1152},
  {"mp3_mpeg2_mono", "a.mp3",     kMono22,   {"-c:a", "libmp3lame", "-b:a", "48k"},               {},             {},                         true,  kExact, 1, false, 576},
  {"mp2",            "a.mp2",     kStereo44, {"-c:a", "mp2", "-b:a", "192k"},                     {},             {},                         true,  kExact, 2, false, 1152},
  {"ogg_vorbis",     "a.ogg",     kStereo44, {"-c:a", "libvorbis", "-q:a", "3"},                  {},             {},                         true,  kExact, 2, false, 1024},
  {"wav_u8_mono",    "a.wav",     kMono8,    {"-c:a", "pcm_u8"},                                  {},             {},                         true,  kExact, 1, true,  1},
  {"wav_s16_stereo", "a.wav",     kStereo44, {"-c:a", "pcm_s16le"},                               {},             {},                         true,  kExact, 2, false, 1},
  {"wav_s16_mono",   "a.wav",     kMono22,   {"-c:a", "pcm_s16le"},                               {},             {},                         true,  kExact, 1, false, 1},
  {"wav_s16_6ch",    "a.wav",     kSix48,    {"-c:a", "pcm_s16le"},                               {},             {},                         true,  kExact, 6, false, 1},
  {"wav_f32_6ch",    "a.wav",     kSix48,    {"-c:a", "pcm_f32le"},                               {},             {},                         true,  kExact, 6, false, 1},
  {"wav_s24",        "a.wav",     kStereo44, {"-c:a", "pcm_s24le"},                               {},             {},                         true,  kExact, 2, false, 1},
  {"aiff_s16",       "a.aiff",    kStereo44, {"-c:a", "pcm_s16be"},                               {},             {},                         true,  kExact, 2, false, 1},
  {"aiff_s8",        "a.aiff",    kMono8,    {"-c:a", "pcm_s8"},                                  {},             {},                         true,  kExact, 1, true,  1},
  {"wav_adpcm_ms",   "a.wav",     kStereo44, {"-c:a", "adpcm_ms"},                                {},             {"adpcm_ms"},               false, kExact, 2, false, 1},
  {"flac",           "a.flac",    kStereo44, {"-c:a", "flac"},                                    {"flac"},       {"flac"},                   false, kExact, 2, false, 1},
  {"flac_6ch",       "a.flac",    kSix48,    {"-c:a", "flac"},                                    {"flac"},       {"flac"},                   false, kExact, 6, false, 1},
  {"wavpack",        "a.wv",      kStereo44, {"-c:a", "wavpack"},                                 {"wv"},         {"wavpack"},                false, kExact, 2, false, 1},
  {"tta",            "a.tta",     kStereo44, {"-c:a", "tta"},                                     {"tta"},        {"tta"},                    false, kExact, 2, false, 1},
  {"alac_m4a",       "a.m4a",     kStereo44, {"-c:a", "alac"},                                    {"m4a"},        {"alac"},                   false, kExact, 2, false, 1},
  {"ape",            "@mac-399.ape", kStereo44, {},                                               {"ape"},        {"ape"},                    false, kExact, 2, false, 1},
  {"musepack",       "@click.mpc", kStereo44, {},                                                 {"mpc", "mpc8"}, {"musepack7", "musepack8"}, false, kExact, 2, false, 1152},
  {"speex",          "a.spx",     kMono22,   {"-c:a", "libspeex", "-ar", "16000"},                {},             {"speex"},                  false, kExact, 1, false, 320},
  {"opus",           "a.opus",    kStereo44, {"-c:a", "libopus", "-ar", "48000"},                 {},             {"opus"},                   false, kExact, 2, false, 960},
  {"ac3",            "a.ac3",     kStereo44, {"-c:a", "ac3", "-b:a", "192k"},                     {"ac3"},        {"ac3"},                    false, kExact, 2, false, 1536},
  {"aac_adts",       "a.aac",     kStereo44, {"-c:a", "aac", "-b:a", "128k"},                     {"aac"},        {"aac"},                    false, kExact, 2, false, 1024},
  {"aac_m4a",        "a.m4a",     kStereo44, {"-c:a", "aac", "-b:a", "128k"},                     {"m4a"},        {"aac"},                    false, kNear,  2, false, 1024},
  {"wma",            "a.wma",     kStereo44, {"-c:a", "wmav2", "-b:a", "128k"},                   {"asf"},        {"wmav2"},                  false, kExact, 2, false, 2048},
  {"adx",            "a.adx",     kStereo44, {"-c:a", "adpcm_adx"},                               {"adx"},        {"adpcm_adx"},              false, kExact, 2, false, 32},
};
// clang-format on

// Writes the generated source WAV and answers its path.
std::string WriteSource(const TempDir& dir, Source source) {
  const std::string path = dir.File("source.wav");
  switch (source) {
    case Source::kStereo44:
      WriteWav16(path, 44100, 2, SineWave(45000, 2, 44100, 440));
      break;
    case Source::kMono22:
      WriteWav16(path, 22050, 1, SineWave(20000, 1, 22050, 330));
      break;
    case Source::kSix48:
      WriteWav16(path, 48000, 6, SineWave(30000, 6, 48000, 1000));
      break;
    case Source::kMono8: {
      std::vector<uint8_t> bytes;
      for (int16_t s : SineWave(10000, 1, 11025, 200)) bytes.push_back(uint8_t((s >> 8) + 128));
      WriteWav8(path, 11025, 1, bytes);
      break;
    }
  }
  return path;
}

// Makes the file of a case with the ffmpeg tool.
testing::AssertionResult MakeFile(const TempDir& dir, const FormatCase& c) {
  std::vector<std::string> args = {"-i", WriteSource(dir, c.source)};
  args.insert(args.end(), c.encode.begin(), c.encode.end());
  args.push_back(dir.File(c.file));
  return RunFfmpeg(args);
}

FormatGate GateFor(const FormatCase& c) {
  FormatGate gate = FormatGate::Core();
  for (const auto& d : c.demuxers) gate.AllowDemuxer(d);
  for (const auto& n : c.codecs) gate.AllowCodec(n);
  return gate;
}

struct Decoding {
  std::vector<uint8_t> bytes;
  bool wholeFrames = true;  // every call answered whole frames within the request
};

// Decodes to the end in requests of varied sizes, as callers make them.
Decoding DecodeAll(engine::EngineStream& stream) {
  Decoding result;
  const uint32_t frame = stream.Format().BytesPerFrame();
  const uint32_t sizes[] = {4608, 1001, 7, 65536, frame, 12};
  std::vector<uint8_t> buffer(65536);
  for (int call = 0;; ++call) {
    const uint32_t want = sizes[call % 6];
    const uint32_t got = stream.Decode(buffer.data(), want);
    if (got % frame != 0 || got > want) result.wholeFrames = false;
    if (got == 0 && want >= frame) break;
    result.bytes.insert(result.bytes.end(), buffer.begin(), buffer.begin() + got);
  }
  return result;
}

std::vector<int16_t> AsSigned16(const std::vector<uint8_t>& bytes, bool eightBit) {
  std::vector<int16_t> samples;
  if (eightBit) {
    for (uint8_t b : bytes) samples.push_back(static_cast<int16_t>((b - 128) * 256));
  } else {
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
      samples.push_back(static_cast<int16_t>(LoadLe<16>(&bytes[i])));
    }
  }
  return samples;
}

class SampledFormatTest : public testing::TestWithParam<FormatCase> {};

TEST_P(SampledFormatTest, DecodesLikeTheFfmpegTool) {
  const FormatCase& c = GetParam();
  TempDir dir;
  std::string path;
  if (c.file[0] == '@') {
    path = SharedMediaFile(c.file + 1);
    if (path.empty()) GTEST_SKIP() << MissingSharedMedia(c.file + 1);
  } else {
    ASSERT_TRUE(MakeFile(dir, c));
    path = dir.File(c.file);
  }

  EXPECT_EQ(OpenSampledStream(path, FormatGate::Core()) != nullptr, c.core);
  auto stream = OpenSampledStream(path, GateFor(c));
  ASSERT_TRUE(stream);

  const engine::StreamFormat format = stream->Format();
  EXPECT_EQ(format.rate, std::stoul(ProbeStreamField(path, "sample_rate")));
  EXPECT_EQ(format.channels, c.channels);
  EXPECT_EQ(format.eightBit, c.eightBit);
  EXPECT_EQ(stream->FileLength(), static_cast<int64_t>(std::filesystem::file_size(path)));
  const uint64_t announced = stream->LengthBytes();
  EXPECT_EQ(announced % format.BytesPerFrame(), 0u);

  const Decoding decoded = DecodeAll(*stream);
  EXPECT_TRUE(decoded.wholeFrames);
  EXPECT_EQ(stream->Decode(std::vector<uint8_t>(64).data(), 64), 0u) << "decodes past its end";
  const int64_t frames = static_cast<int64_t>(decoded.bytes.size() / format.BytesPerFrame());
  const int64_t announcedFrames = static_cast<int64_t>(announced / format.BytesPerFrame());

  const Decoded reference = DecodeWithFfmpeg(path);
  ASSERT_TRUE(reference.ok);
  if (c.length == Length::kExact) {
    EXPECT_EQ(frames, announcedFrames);
    EXPECT_EQ(frames, reference.Frames());
  } else {
    EXPECT_NEAR(frames, reference.Frames(), c.codecFrame);
    EXPECT_NEAR(frames, announcedFrames, c.codecFrame);
  }
  if (frames == reference.Frames()) {
    EXPECT_TRUE(AsSigned16(decoded.bytes, c.eightBit) == reference.samples)
        << "samples differ from the ffmpeg tool's";
  }
}

INSTANTIATE_TEST_SUITE_P(Formats, SampledFormatTest, testing::ValuesIn(kFormats),
                         [](const testing::TestParamInfo<FormatCase>& param) {
                           return std::string(param.param.name);
                         });

// MPEG audio files as found in the wild: tags and junk before the first
// frame, cut files, joined files.
class MpegFileTest : public testing::Test {
 protected:
  void SetUp() override {
    const std::string source = dir_.File("source.wav");
    WriteWav16(source, 44100, 2, SineWave(45000, 2, 44100, 440));
    ASSERT_TRUE(RunFfmpeg({"-i", source, "-c:a", "libmp3lame", "-b:a", "128k", "-id3v2_version",
                           "0", dir_.File("plain.mp3")}));
    plain_ = ReadFileText(dir_.File("plain.mp3"));
  }

  // Writes `bytes` to a new file and answers its path.
  std::string Write(const std::string& name, const std::string& bytes) {
    WriteFileText(dir_.File(name), bytes);
    return dir_.File(name);
  }

  // Opens with the core gate, decodes everything, and checks that the
  // decoded length is the announced one and the ffmpeg tool's.
  void ExpectExactDecode(const std::string& path) {
    auto stream = OpenSampledStream(path, FormatGate::Core());
    ASSERT_TRUE(stream);
    const Decoding decoded = DecodeAll(*stream);
    EXPECT_EQ(decoded.bytes.size(), stream->LengthBytes());
    EXPECT_EQ(static_cast<int64_t>(decoded.bytes.size() / 4), DecodeWithFfmpeg(path).Frames());
  }

  TempDir dir_;
  std::string plain_;
};

// An ID3v2 tag with `body` bytes of padding.
std::string Id3v2(int body, bool footer = false) {
  std::string tag = "ID3";
  tag += footer ? '\x04' : '\x03';
  tag += '\0';
  tag += footer ? '\x10' : '\0';
  for (int shift = 21; shift >= 0; shift -= 7) tag += static_cast<char>((body >> shift) & 0x7F);
  tag += std::string(static_cast<size_t>(body), '\0');
  if (footer) tag += "3DI" + tag.substr(3, 7);
  return tag;
}

// Text with one MPEG sync and a valid header in it, and none a frame later.
std::string JunkWithSync(size_t size) {
  std::string junk(size, 'j');
  junk.replace(100, 4, "\xFF\xFB\x90\x00");
  return junk;
}

TEST_F(MpegFileTest, FirstFrameFollowsTagsAndJunk) {
  struct Case {
    const char* name;
    std::string prefix;
  };
  const Case cases[] = {
      {"none", ""},
      {"tag", Id3v2(1000)},
      {"tag_with_footer", Id3v2(500, true)},
      {"two_tags", Id3v2(1000) + Id3v2(256)},
      {"junk", JunkWithSync(1500)},
      {"tag_then_junk", Id3v2(1000) + JunkWithSync(700)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = Write(std::string(c.name) + ".mp3", c.prefix + plain_);
    auto stream = OpenSampledStream(path, FormatGate::Core());
    ASSERT_TRUE(stream);
    EXPECT_EQ(stream->FirstFrameOffset(), static_cast<int64_t>(c.prefix.size()));
    EXPECT_EQ(stream->FileLength(), static_cast<int64_t>(c.prefix.size() + plain_.size()));
    ExpectExactDecode(path);
  }
}

TEST_F(MpegFileTest, InfoHeaderGivesTheGaplessLength) {
  auto stream = OpenSampledStream(Write("tagged.mp3", Id3v2(300) + plain_), FormatGate::Core());
  ASSERT_TRUE(stream);
  EXPECT_EQ(stream->LengthBytes(), 45000u * 4);
}

TEST_F(MpegFileTest, CutAndJoinedFilesAnnounceWhatTheyDecode) {
  // A cut file's Info header counts bytes the file no longer has; joined
  // files carry the first one's header. Both are counted frame by frame.
  ExpectExactDecode(Write("cut.mp3", plain_.substr(0, plain_.size() * 6 / 10)));
  ExpectExactDecode(Write("joined.mp3", plain_ + plain_));
}

// One channel of interleaved samples, frames [from, to).
std::vector<int16_t> ChannelOf(const std::vector<int16_t>& samples, int channels, int channel,
                               size_t from, size_t to) {
  std::vector<int16_t> out;
  for (size_t k = from; k < to && (k + 1) * channels <= samples.size(); ++k) {
    out.push_back(samples[k * channels + channel]);
  }
  return out;
}

double Rms(const std::vector<int16_t>& samples) {
  double sum = 0;
  for (int16_t s : samples) sum += static_cast<double>(s) * s;
  return samples.empty() ? 0 : std::sqrt(sum / samples.size());
}

// Rising zero crossings per second: the frequency of a sine.
double Frequency(const std::vector<int16_t>& samples, int rate) {
  int rising = 0;
  for (size_t i = 1; i < samples.size(); ++i) rising += samples[i - 1] < 0 && samples[i] >= 0;
  return samples.empty() ? 0 : rising * static_cast<double>(rate) / samples.size();
}

TEST_F(MpegFileTest, JoinedMp3OfAnotherFormatIsHeardToItsEnd) {
  // Two files joined with cat: two seconds at 44.1 kHz stereo, then three at
  // 22.05 kHz mono. The stream keeps the first part's format; the second
  // part is resampled to it and heard on both sides at its own level.
  WriteWav16(dir_.File("b.wav"), 22050, 1, SineWave(3 * 22050, 1, 22050, 660));
  ASSERT_TRUE(Succeeded(
      RunProcess("lame", {"--silent", "-b", "64", dir_.File("b.wav"), dir_.File("b.mp3")})));
  const std::string joined = Write("joined.mp3", plain_ + ReadFileText(dir_.File("b.mp3")));
  const Decoded first = DecodeWithFfmpeg(dir_.File("plain.mp3"));
  const Decoded second = DecodeWithFfmpeg(dir_.File("b.mp3"));
  ASSERT_TRUE(first.ok && second.ok);
  ASSERT_EQ(second.rate, 22050);

  auto stream = OpenSampledStream(joined, FormatGate::Core());
  ASSERT_TRUE(stream);
  EXPECT_EQ(stream->Format().rate, 44100u);
  EXPECT_EQ(stream->Format().channels, 2u);
  const Decoding decoded = DecodeAll(*stream);
  EXPECT_EQ(decoded.bytes.size(), stream->LengthBytes());
  const std::vector<int16_t> samples = AsSigned16(decoded.bytes, false);
  const size_t frames = samples.size() / 2;
  // The parts as the ffmpeg tool decodes each, at 44.1 kHz, plus what their
  // own Info headers would trim and the joined file keeps: the first part's
  // end padding (under a frame), the second's header frame, encoder delay
  // (1105 samples) and end padding (under a frame).
  const int64_t parts = first.Frames() + 2 * second.Frames();
  EXPECT_GE(static_cast<int64_t>(frames), parts);
  EXPECT_LE(static_cast<int64_t>(frames), parts + 1152 + 2 * (576 + 1105 + 576));

  const size_t firstFrames = static_cast<size_t>(first.Frames());
  ASSERT_GT(frames, firstFrames);
  // All but the first part's last frame, whose padding the joined file keeps.
  EXPECT_TRUE(std::equal(first.samples.begin(), first.samples.end() - 2 * 1152, samples.begin()))
      << "the first part differs from the ffmpeg tool's decode of it";
  // Half a second into the second part, for two seconds.
  const size_t from = frames - static_cast<size_t>(2 * second.Frames()) + 22050;
  const std::vector<int16_t> left = ChannelOf(samples, 2, 0, from, from + 88200);
  const std::vector<int16_t> right = ChannelOf(samples, 2, 1, from, from + 88200);
  const std::vector<int16_t> mono = ChannelOf(second.samples, 1, 0, 11025, 11025 + 44100);
  EXPECT_TRUE(left == right);
  EXPECT_NEAR(Rms(left), Rms(mono), Rms(mono) * 0.03);
  EXPECT_NEAR(Frequency(left, 44100), Frequency(mono, 22050), 3);
  EXPECT_NEAR(Frequency(left, 44100), 660, 3);
}

// Every descriptor the process holds.
size_t OpenDescriptors() {
  return static_cast<size_t>(std::distance(std::filesystem::directory_iterator("/proc/self/fd"),
                                           std::filesystem::directory_iterator()));
}

TEST(FfmpegStreamTest, RefusesWhatIsNotSoundAndLeaksNothing) {
  TempDir dir;
  const std::string wav = dir.File("good.wav");
  WriteWav16(wav, 8000, 1, SineWave(800, 1, 8000, 100));
  const std::string good = ReadFileText(wav);
  std::string noise(20000, '\0');
  for (size_t i = 0; i < noise.size(); ++i) noise[i] = static_cast<char>((i * 7919 + 13) % 251);

  struct Case {
    const char* name;
    std::string bytes;
  };
  const Case cases[] = {
      {"empty", ""},
      {"text", "just some words, no sound at all\n"},
      {"noise", noise},
      {"cut_header", good.substr(0, 30)},
  };
  const size_t before = OpenDescriptors();
  for (const Case& c : cases) {
    WriteFileText(dir.File(c.name), c.bytes);
    EXPECT_FALSE(OpenSampledStream(dir.File(c.name), FormatGate::Core())) << c.name;
  }
  EXPECT_FALSE(OpenSampledStream(dir.File("missing.wav"), FormatGate::Core()));
  EXPECT_FALSE(OpenSampledStream(dir.Path(), FormatGate::Core()));
  // Refused by the gate after the demuxer was open.
  FormatGate noCodecs;
  noCodecs.AllowDemuxer("wav");
  EXPECT_FALSE(OpenSampledStream(wav, noCodecs));
  {
    auto stream = OpenSampledStream(wav, FormatGate::Core());
    ASSERT_TRUE(stream);
    std::vector<uint8_t> buffer(100);
    EXPECT_GT(stream->Decode(buffer.data(), 100), 0u);
  }
  EXPECT_EQ(OpenDescriptors(), before);
}

TEST(FfmpegStreamTest, TrustsNoDataSizeBeyondTheFile) {
  TempDir dir;
  WriteWav16(dir.File("a.wav"), 44100, 2, SineWave(1000, 2, 44100, 440));
  std::string bytes = ReadFileText(dir.File("a.wav"));
  const char forged[4] = {'\x00', '\xFF', '\xFF', '\x7F'};
  bytes.replace(40, 4, forged, 4);  // the data chunk claims 2 GB
  WriteFileText(dir.File("forged.wav"), bytes);
  auto stream = OpenSampledStream(dir.File("forged.wav"), FormatGate::Core());
  ASSERT_TRUE(stream);
  EXPECT_EQ(stream->LengthBytes(), 4000u);
  EXPECT_EQ(DecodeAll(*stream).bytes.size(), 4000u);
}

TEST(FfmpegStreamTest, GateMatchesContainerNamesAndTheirParts) {
  TempDir dir;
  const std::string source = dir.File("source.wav");
  WriteWav16(source, 44100, 2, SineWave(4410, 2, 44100, 440));
  ASSERT_TRUE(RunFfmpeg({"-i", source, "-c:a", "alac", dir.File("a.m4a")}));
  ASSERT_TRUE(RunFfmpeg({"-i", source, "-c:a", "flac", dir.File("a.flac")}));

  struct Case {
    const char* file;
    std::vector<std::string> demuxers;
    std::vector<std::string> codecs;
    bool opens;
  };
  const Case cases[] = {
      {"a.m4a", {"mov,mp4,m4a,3gp,3g2,mj2"}, {"alac"}, true},
      {"a.m4a", {"m4a"}, {"alac"}, true},
      {"a.m4a", {"3gp"}, {"alac"}, true},
      {"a.m4a", {"mp4,m4a"}, {"alac"}, false},
      {"a.m4a", {"m4"}, {"alac"}, false},
      {"a.m4a", {"m4*"}, {"alac"}, true},
      {"a.m4a", {"m4a"}, {"aac"}, false},
      {"a.flac", {"flac"}, {"flac"}, true},
      {"a.flac", {"flac"}, {}, false},
      {"a.flac", {}, {"flac"}, false},
      {"a.flac", {"*"}, {"*"}, true},
  };
  for (const Case& c : cases) {
    FormatGate gate;
    for (const auto& d : c.demuxers) gate.AllowDemuxer(d);
    for (const auto& n : c.codecs) gate.AllowCodec(n);
    const std::string what = std::string(c.file) + " " +
                             (c.demuxers.empty() ? "-" : c.demuxers[0]) + " " +
                             (c.codecs.empty() ? "-" : c.codecs[0]);
    EXPECT_EQ(OpenSampledStream(dir.File(c.file), gate) != nullptr, c.opens) << what;
  }
}

TEST(FfmpegStreamTest, FileNamesAreNeverProtocols) {
  // "concat:" would make FFmpeg read other files; here it names a local file.
  TempDir dir;
  WriteWav16(dir.File("concat:a.wav"), 8000, 1, SineWave(800, 1, 8000, 100));
  const std::string cwd = std::filesystem::current_path().string();
  std::filesystem::current_path(dir.Path());
  auto stream = OpenSampledStream("concat:a.wav", FormatGate::Core());
  std::filesystem::current_path(cwd);
  ASSERT_TRUE(stream);
  EXPECT_EQ(stream->LengthBytes(), 1600u);
  EXPECT_EQ(stream->FirstFrameOffset(), 44);
}

TEST(FfmpegStreamTest, WindowsMediaAnnouncesExactlyWhatItDecodes) {
  // ASF times packets in milliseconds and the decoders keep back part of
  // the first packet: the length announced at open must still be the
  // decoded one, as the ffmpeg tool decodes it, with no silent tail.
  struct Case {
    const char* codec;
    int rate;
    int channels;
    const char* bitRate;
  };
  const Case cases[] = {
      {"wmav2", 44100, 2, "128k"},
      {"wmav2", 22050, 1, "32k"},
      {"wmav1", 32000, 2, "64k"},
  };
  FormatGate gate = FormatGate::Core();
  gate.AllowDemuxer("asf");
  gate.AllowCodec("wmav*");
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.codec) + " " + std::to_string(c.rate));
    TempDir dir;
    WriteWav16(dir.File("in.wav"), c.rate, c.channels,
               SineWave(c.rate * 3 / 2, c.channels, c.rate, 500));
    ASSERT_TRUE(RunFfmpeg(
        {"-i", dir.File("in.wav"), "-c:a", c.codec, "-b:a", c.bitRate, dir.File("a.wma")}));
    auto stream = OpenSampledStream(dir.File("a.wma"), gate);
    ASSERT_TRUE(stream);
    const Decoded reference = DecodeWithFfmpeg(dir.File("a.wma"));
    ASSERT_TRUE(reference.ok);
    const uint32_t frameBytes = stream->Format().BytesPerFrame();
    EXPECT_EQ(static_cast<int64_t>(stream->LengthBytes() / frameBytes), reference.Frames());
    const Decoding decoded = DecodeAll(*stream);
    EXPECT_EQ(decoded.bytes.size(), stream->LengthBytes());
    EXPECT_TRUE(AsSigned16(decoded.bytes, false) == reference.samples);
  }
}

// Sets the floor of the library's allocation cap for one test.
class ScopedAllocationFloor {
 public:
  explicit ScopedAllocationFloor(size_t bytes) : saved_(engine::AllocationFloor()) {
    engine::SetAllocationFloor(bytes);
  }
  ~ScopedAllocationFloor() { engine::SetAllocationFloor(saved_); }

 private:
  size_t saved_;
};

TEST(FfmpegStreamTest, LongMpeg4FileOpensWithItsWholeIndex) {
  // The index of an MPEG-4 file is one allocation of 25-30 bytes a frame:
  // two hours of 8 kHz AAC need about 1.7 MB. With the cap's floor at 1 MB,
  // as 256 MB stands to the index of a 60-hour book, the file still opens
  // and decodes from its first packet through both readers.
  TempDir dir;
  WriteWav16(dir.File("in.wav"), 8000, 1, SineWave(60 * 8000, 1, 8000, 440));
  ASSERT_TRUE(
      RunFfmpeg({"-i", dir.File("in.wav"), "-c:a", "aac", "-b:a", "12k", dir.File("minute.m4a")}));
  const std::string book = dir.File("book.m4b");
  ASSERT_TRUE(RunFfmpeg({"-stream_loop", "-1", "-i", dir.File("minute.m4a"), "-c", "copy", "-t",
                         "7200", "-f", "ipod", book}));
  const Decoded minute = DecodeWithFfmpeg(dir.File("minute.m4a"));
  ASSERT_TRUE(minute.ok);
  const double seconds = std::stod(ProbeStreamField(book, "duration"));
  ASSERT_NEAR(seconds, 7200, 1);

  const ScopedAllocationFloor floor(1 << 20);
  FormatGate gate = FormatGate::Core();
  gate.AllowDemuxer("m4a");
  gate.AllowCodec("aac");
  auto stream = OpenSampledStream(book, gate);
  ASSERT_TRUE(stream);
  EXPECT_NEAR(static_cast<double>(stream->LengthBytes() / 2), seconds * 8000, 1024);
  std::vector<uint8_t> head(2 * 8000 * 2);
  ASSERT_EQ(stream->Decode(head.data(), static_cast<uint32_t>(head.size())), head.size());
  EXPECT_TRUE(std::equal(minute.samples.begin(), minute.samples.begin() + 16000,
                         AsSigned16(head, false).begin()))
      << "the first seconds differ from the ffmpeg tool's decode";

  // This reader rounds float samples its own way: one step apart at most.
  ContainerSource source;
  ASSERT_TRUE(source.Open(book, 0));
  PcmBlock block;
  ASSERT_EQ(source.Read(block), BLOCK_SAMPLES);
  EXPECT_TRUE(std::equal(block.left, block.left + BLOCK_SAMPLES, minute.samples.begin(),
                         [](int16_t a, int16_t b) { return std::abs(a - b) <= 1; }));
  EXPECT_GT(Rms(std::vector<int16_t>(block.left, block.left + BLOCK_SAMPLES)), 1000);
}

}  // namespace
