#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "codecs/readers/ContainerProbe.h"
#include "codecs/readers/ContainerSource.h"
#include "support/AudioFixtures.h"
#include "support/ByteText.h"
#include "support/RunProcess.h"
#include "support/TempDir.h"

extern "C" {
#include <libavutil/log.h>
#include <vo-amrwbenc/enc_if.h>
}

namespace {

constexpr int16_t kUntouched = 0x5A5A;

// Everything a source delivered, read to its end.
struct Delivery {
  std::vector<int16_t> left, right;  // 16-bit sources
  std::vector<uint8_t> left8;        // 8-bit sources
  int reads = 0;
  int largestBlock = 0;
  bool countsAgree = true;     // every return equals block.frames
  bool rightUntouched = true;  // mono: the right array never written
  bool positionNeverFalls = true;
  uint64_t firstPosition = 0;  // after the first block
  uint64_t lastPosition = 0;
  size_t Frames() const { return left.size() + left8.size(); }
};

Delivery ReadAll(AudioSource& source) {
  Delivery d;
  const bool stereo = source.GetOutputChannels() == 2;
  const bool eight = source.GetBitsPerSample() == 8;
  uint64_t position = source.GetPosition();
  auto block = std::make_unique<PcmBlock>();
  for (;;) {
    std::fill(std::begin(block->right), std::end(block->right), kUntouched);
    const int n = source.Read(*block);
    ++d.reads;
    if (n != block->frames) d.countsAgree = false;
    if (n <= 0) break;
    d.largestBlock = std::max(d.largestBlock, n);
    if (n > BLOCK_SAMPLES) break;
    if (eight) {
      d.left8.insert(d.left8.end(), block->Left8(), block->Left8() + n);
    } else {
      d.left.insert(d.left.end(), block->left, block->left + n);
      if (stereo) d.right.insert(d.right.end(), block->right, block->right + n);
    }
    if (!stereo) {
      for (int16_t v : block->right) d.rightUntouched = d.rightUntouched && v == kUntouched;
    }
    if (d.reads == 1) d.firstPosition = source.GetPosition();
    if (source.GetPosition() < position) d.positionNeverFalls = false;
    position = source.GetPosition();
    if (d.Frames() > 50'000'000) break;  // a runaway source
  }
  d.lastPosition = source.GetPosition();
  return d;
}

// Channel `channel` of an interleaved decode.
std::vector<int16_t> Channel(const Decoded& decoded, int channel) {
  std::vector<int16_t> out;
  for (size_t i = channel; i < decoded.samples.size(); i += decoded.channels) {
    out.push_back(decoded.samples[i]);
  }
  return out;
}

// The largest difference between two signals over their common length.
int MaxDifference(const std::vector<int16_t>& a, const std::vector<int16_t>& b) {
  int worst = 0;
  for (size_t i = 0; i < std::min(a.size(), b.size()); ++i)
    worst = std::max(worst, std::abs(a[i] - b[i]));
  return worst;
}

// A stereo decode by the ffmpeg tool with the decoder asked for a stereo
// mix, as the reader asks it.
Decoded DecodeDownmixed(const std::string& path) {
  Decoded decoded;
  TempDir dir;
  const std::string raw = dir.File("mix.raw");
  const testing::AssertionResult made =
      RunFfmpeg({"-downmix", "stereo", "-i", path, "-f", "s16le", "-c:a", "pcm_s16le", raw});
  EXPECT_TRUE(made);
  if (!made) return decoded;
  const std::string bytes = ReadFileText(raw);
  decoded.channels = 2;
  decoded.samples.resize(bytes.size() / 2);
  std::memcpy(decoded.samples.data(), bytes.data(), decoded.samples.size() * 2);
  decoded.ok = true;
  return decoded;
}

// A WAV file of IEEE float samples (format tag 3), 32 or 64 bits, mono.
void WriteFloatWav(const std::string& path, int bits, const std::vector<double>& samples) {
  const uint32_t data = static_cast<uint32_t>(samples.size() * bits / 8);
  std::string h = "RIFF";
  PutLe(h, 36 + data, 4);
  h += "WAVEfmt ";
  PutLe(h, 16, 4);
  PutLe(h, 3, 2);                // IEEE float
  PutLe(h, 1, 2);                // channels
  PutLe(h, 8000, 4);             // rate
  PutLe(h, 8000 * bits / 8, 4);  // bytes per second
  PutLe(h, bits / 8, 2);         // block align
  PutLe(h, static_cast<uint64_t>(bits), 2);
  h += "data";
  PutLe(h, data, 4);
  for (double s : samples) {
    if (bits == 32) {
      const float f = static_cast<float>(s);
      uint32_t u;
      std::memcpy(&u, &f, 4);
      PutLe(h, u, 4);
    } else {
      uint64_t u;
      std::memcpy(&u, &s, 8);
      PutLe(h, u, 8);
    }
  }
  WriteFileText(path, h);
}

// An AMR-WB storage-format file of `frames` 20 ms frames of a sine.
testing::AssertionResult WriteAmrWb(const std::string& path, int frames) {
  void* encoder = E_IF_init();
  if (encoder == nullptr) return testing::AssertionFailure() << "the AMR-WB encoder does not start";
  std::string bytes = "#!AMR-WB\n";
  const std::vector<int16_t> speech = SineWave(frames * 320, 1, 16000, 440, 0.4);
  for (int f = 0; f < frames; ++f) {
    unsigned char out[64];
    const int size = E_IF_encode(encoder, 8, speech.data() + f * 320, out, 0);
    bytes.append(reinterpret_cast<const char*>(out), static_cast<size_t>(std::max(size, 0)));
  }
  E_IF_exit(encoder);
  WriteFileText(path, bytes);
  return testing::AssertionSuccess();
}

// The container's duration in seconds as ffprobe reports it; 0 when absent.
// A failing ffprobe fails the running test.
double ProbeFormatDuration(const std::string& path) {
  const ProcessResult r =
      RunProcess("ffprobe", {"-v", "error", "-show_entries", "format=duration", "-of",
                             "default=noprint_wrappers=1:nokey=1", path});
  EXPECT_TRUE(Succeeded(r));
  return std::atof(r.out.c_str());
}

// A 16-bit WAV of `seconds` of a sine, the input of most encodes.
std::string SineInput(const TempDir& dir, int rate, int channels, double seconds) {
  const std::string path = dir.File("input.wav");
  WriteWav16(path, rate, channels, SineWave(static_cast<int>(rate * seconds), channels, rate, 441));
  return path;
}

class ContainerSourceTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { av_log_set_level(AV_LOG_QUIET); }
  TempDir dir_;
};

// One decodable source: how it is made and what the reader must report.
struct SourceCase {
  const char* name;
  // The file's path; "" (and a failure) when it could not be made.
  std::function<std::string(const TempDir&)> make;
  uint32_t rate, channels, outputChannels, bits;
  int tolerance;   // largest sample difference from ffmpeg's decode
  int frameSlack;  // allowed difference of the frame total: one codec frame
  bool downmixed = false;
};

std::function<std::string(const TempDir&)> Encode(int rate, int channels, double seconds,
                                                  std::vector<std::string> codec,
                                                  const std::string& name) {
  return [=](const TempDir& dir) {
    const std::string out = dir.File(name);
    std::vector<std::string> args = {"-i", SineInput(dir, rate, channels, seconds)};
    args.insert(args.end(), codec.begin(), codec.end());
    args.push_back(out);
    return MadePath(RunFfmpeg(args), out);
  };
}

std::function<std::string(const TempDir&)> Synthesize(const std::string& source,
                                                      std::vector<std::string> codec,
                                                      const std::string& name) {
  return [=](const TempDir& dir) {
    const std::string out = dir.File(name);
    std::vector<std::string> args = {"-f", "lavfi", "-i", source};
    args.insert(args.end(), codec.begin(), codec.end());
    args.push_back(out);
    return MadePath(RunFfmpeg(args), out);
  };
}

const char* kSixChannels =
    "aevalsrc=0.5*sin(2*PI*441*t)|0.4*sin(2*PI*330*t)|0.3*sin(2*PI*220*t)|0.2*sin(2*PI*550*t)|"
    "0.3*sin(2*PI*660*t)|0.1*sin(2*PI*110*t):s=48000:d=1.5:c=5.1";

std::vector<SourceCase> DecodeCases() {
  return {
      {"flac 16-bit stereo", Encode(44100, 2, 1.3, {"-c:a", "flac"}, "a.flac"), 44100, 2, 2, 16, 0,
       0},
      {"flac 24-bit (s32)",
       Synthesize("aevalsrc=0.7*sin(2*PI*441*t)|0.6*sin(2*PI*330*t):s=44100:d=1.2",
                  {"-c:a", "flac", "-sample_fmt", "s32"}, "b.flac"),
       44100, 2, 2, 16, 0, 0},
      // frames far above the decode buffer's floor make it grow
      {"flac with 32768-sample frames",
       Encode(48000, 2, 2.0, {"-c:a", "flac", "-frame_size", "32768"}, "big.flac"), 48000, 2, 2, 16,
       0, 0},
      {"pcm_s32le wav", Encode(32000, 2, 0.7, {"-c:a", "pcm_s32le"}, "s32.wav"), 32000, 2, 2, 16, 0,
       0},
      {"float wav", Encode(22050, 2, 0.8, {"-c:a", "pcm_f32le"}, "f32.wav"), 22050, 2, 2, 16, 1, 0},
      {"double wav", Encode(22050, 1, 0.8, {"-c:a", "pcm_f64le"}, "f64.wav"), 22050, 1, 1, 16, 1,
       0},
      {"planar 16-bit (IMA ADPCM)", Encode(22050, 2, 1.0, {"-c:a", "adpcm_ima_wav"}, "ima.wav"),
       22050, 2, 2, 16, 0, 0},
      {"planar float (MP3)", Encode(44100, 2, 1.0, {"-c:a", "libmp3lame", "-b:a", "128k"}, "c.mp3"),
       44100, 2, 2, 16, 1, 1152},
      {"opus", Encode(48000, 2, 1.0, {"-c:a", "libopus", "-b:a", "96k"}, "d.opus"), 48000, 2, 2, 16,
       1, 960},
      {"amr-nb",
       [](const TempDir& dir) {
         const std::string out = dir.File("e.amr");
         return MadePath(
             Succeeded(RunProcess("sox", {SineInput(dir, 8000, 1, 1.0), "-t", "amr-nb", out})),
             out);
       },
       8000, 1, 1, 16, 1, 160},
      {"amr-wb",
       [](const TempDir& dir) {
         const std::string out = dir.File("f.awb");
         return MadePath(WriteAmrWb(out, 60), out);
       },
       16000, 1, 1, 16, 1, 320},
      {"6-channel flac: first two channels", Synthesize(kSixChannels, {"-c:a", "flac"}, "six.flac"),
       48000, 6, 2, 16, 0, 0},
      {"6-channel ac-3: stereo mix", Synthesize(kSixChannels, {"-c:a", "ac3"}, "six.ac3"), 48000, 6,
       2, 16, 1, 1536, true},
      {"name without extension", Encode(44100, 1, 0.5, {"-c:a", "flac", "-f", "flac"}, "noext"),
       44100, 1, 1, 16, 0, 0},
  };
}

TEST_F(ContainerSourceTest, DecodesLikeFfmpegWithTheRightFields) {
  for (const SourceCase& c : DecodeCases()) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    const std::string path = c.make(dir);
    ASSERT_FALSE(path.empty()) << "fixture not made";

    ContainerSource source;
    ASSERT_TRUE(source.Open(path, 0));
    EXPECT_EQ(source.GetSampleRate(), c.rate);
    EXPECT_EQ(source.GetChannels(), c.channels);
    EXPECT_EQ(source.GetOutputChannels(), c.outputChannels);
    EXPECT_EQ(source.GetBitsPerSample(), c.bits);
    EXPECT_EQ(source.GetMp3ChannelMode(), c.channels < 2 ? CHANNEL_MODE_MONO : CHANNEL_MODE_STEREO);
    const double seconds = ProbeFormatDuration(path);
    if (seconds > 0) {
      EXPECT_EQ(source.GetDuration(), static_cast<uint32_t>(seconds)) << seconds;
    }
    EXPECT_GT(source.GetBitRate(), 0u);
    const uint64_t size = ReadFileText(path).size();
    EXPECT_EQ(source.GetLength(), size);

    // The probe reports the same stream from the container alone.
    ContainerProbe probe;
    ASSERT_TRUE(probe.Open(path, 0));
    EXPECT_EQ(probe.Info().sampleRate, c.rate);
    EXPECT_EQ(probe.Info().channels, c.channels);
    EXPECT_EQ(probe.Info().outputChannels, c.outputChannels);
    EXPECT_EQ(probe.Info().bitsPerSample, c.bits);
    EXPECT_EQ(probe.Info().duration, source.GetDuration());
    EXPECT_EQ(probe.GetLength(), 0u);
    PcmBlock block;
    EXPECT_EQ(probe.Read(block), 0);

    const Delivery d = ReadAll(source);
    EXPECT_TRUE(d.countsAgree);
    EXPECT_LE(d.largestBlock, BLOCK_SAMPLES);
    EXPECT_EQ(d.largestBlock, BLOCK_SAMPLES) << "blocks are filled to the limit while input lasts";
    EXPECT_TRUE(d.positionNeverFalls);
    EXPECT_EQ(d.lastPosition, size) << "progress ends at the file's size";
    if (size > 200000) {
      // The stream analysis at open reads ahead, so the first position may
      // be well into the file, but not at its end.
      EXPECT_LT(d.firstPosition, size) << "progress follows the reading of the file";
    }
    if (c.outputChannels == 1) {
      EXPECT_TRUE(d.rightUntouched);
    }
    EXPECT_EQ(source.Read(block), 0) << "the end stays the end";

    const Decoded reference = c.downmixed ? DecodeDownmixed(path) : DecodeWithFfmpeg(path);
    ASSERT_TRUE(reference.ok);
    const int64_t expectedFrames =
        static_cast<int64_t>(reference.samples.size()) / reference.channels;
    EXPECT_NEAR(static_cast<int64_t>(d.Frames()), expectedFrames, c.frameSlack);
    EXPECT_LE(MaxDifference(d.left, Channel(reference, 0)), c.tolerance);
    if (c.outputChannels == 2) {
      EXPECT_EQ(d.right.size(), d.left.size());
      EXPECT_LE(MaxDifference(d.right, Channel(reference, 1)), c.tolerance);
      EXPECT_GT(MaxDifference(d.left, d.right), 100) << "left and right are different channels";
    }
  }
}

TEST_F(ContainerSourceTest, EightBitWaveIsDeliveredAsUnsignedBytes) {
  for (int channels : {1, 2}) {
    SCOPED_TRACE(channels);
    std::vector<uint8_t> samples(5000 * channels);
    for (size_t i = 0; i < samples.size(); ++i)
      samples[i] = static_cast<uint8_t>((i * 7 + i / 3) & 0xFF);
    const std::string path = dir_.File("u8.wav");
    WriteWav8(path, 11025, channels, samples);

    ContainerSource source;
    ASSERT_TRUE(source.Open(path, 0));
    EXPECT_EQ(source.GetBitsPerSample(), 8u);
    EXPECT_EQ(source.GetOutputChannels(), static_cast<uint32_t>(channels));
    std::vector<uint8_t> left, right;
    auto block = std::make_unique<PcmBlock>();
    int n;
    while ((n = source.Read(*block)) > 0) {
      ASSERT_LE(n, BLOCK_SAMPLES);
      left.insert(left.end(), block->Left8(), block->Left8() + n);
      if (channels == 2) right.insert(right.end(), block->Right8(), block->Right8() + n);
    }
    ASSERT_EQ(left.size(), 5000u);
    for (size_t i = 0; i < left.size(); ++i) {
      ASSERT_EQ(left[i], samples[i * channels]) << i;
      if (channels == 2) {
        ASSERT_EQ(right[i], samples[i * 2 + 1]) << i;
      }
    }
    ContainerProbe probe;
    ASSERT_TRUE(probe.Open(path, 0));
    EXPECT_EQ(probe.GetBitsPerSample(), 8u);
  }
}

TEST_F(ContainerSourceTest, LoudFloatSamplesAreClippedNotWrapped) {
  const std::vector<double> values = {1.5, -1.5, 1.0, -1.0, 0.5, -0.5, 0.0, 4.0, -4.0};
  const std::vector<int16_t> expected = {32767,  -32768, 32767, -32768, 16383,
                                         -16384, 0,      32767, -32768};
  for (int bits : {32, 64}) {
    SCOPED_TRACE(bits);
    const std::string path = dir_.File("loud.wav");
    WriteFloatWav(path, bits, values);
    ContainerSource source;
    ASSERT_TRUE(source.Open(path, 0));
    const Delivery d = ReadAll(source);
    EXPECT_EQ(d.left, expected);
  }
}

TEST_F(ContainerSourceTest, ProbeTakesVideoContainersAndSourceSkipsVideo) {
  const std::string both = dir_.File("clip.mp4");
  ASSERT_TRUE(RunFfmpeg({"-f", "lavfi", "-i", "testsrc=size=320x240:rate=25", "-f", "lavfi", "-i",
                         "sine=frequency=440:sample_rate=44100", "-t", "2", "-c:v", "mpeg4", "-c:a",
                         "aac", "-ac", "2", both}));
  ContainerProbe probe;
  ASSERT_TRUE(probe.Open(both, 0));
  EXPECT_EQ(probe.GetSampleRate(), 44100u);
  EXPECT_EQ(probe.GetChannels(), 2u);
  EXPECT_EQ(probe.GetDuration(), 2u);
  EXPECT_GT(probe.GetBitRate(), 0u);

  ContainerSource source;
  ASSERT_TRUE(source.Open(both, 0));
  const Delivery d = ReadAll(source);
  const Decoded reference = DecodeWithFfmpeg(both);
  ASSERT_TRUE(reference.ok);
  EXPECT_NEAR(static_cast<double>(d.Frames()), static_cast<double>(reference.Frames()), 1024);
  EXPECT_LE(MaxDifference(d.left, Channel(reference, 0)), 1);
  EXPECT_EQ(d.lastPosition, ReadFileText(both).size());

  // Video alone holds no sound: both refuse it.
  const std::string silent = dir_.File("silent.mp4");
  ASSERT_TRUE(RunFfmpeg(
      {"-f", "lavfi", "-i", "testsrc=size=160x120:rate=30", "-t", "1", "-c:v", "mpeg4", silent}));
  EXPECT_FALSE(probe.Open(silent, 0));
  EXPECT_EQ(probe.GetSampleRate(), 0u);
  EXPECT_EQ(probe.GetChannels(), 0u);
  EXPECT_FALSE(source.Open(silent, 0));
  EXPECT_EQ(source.GetSampleRate(), 0u) << "a failed open leaves the source reset";
}

TEST_F(ContainerSourceTest, CoverPictureIsNotVideo) {
  const std::string cover = dir_.File("cover.png");
  ASSERT_TRUE(RunFfmpeg({"-f", "lavfi", "-i", "testsrc=size=64x64", "-frames:v", "1", cover}));
  const std::string path = dir_.File("covered.mp3");
  ASSERT_TRUE(
      RunFfmpeg({"-i", SineInput(dir_, 44100, 2, 0.5), "-i", cover, "-map", "0", "-map", "1",
                 "-c:a", "libmp3lame", "-c:v", "copy", "-disposition:v", "attached_pic", path}));
  ContainerProbe probe;
  ASSERT_TRUE(probe.Open(path, 0));
  ContainerSource source;
  ASSERT_TRUE(source.Open(path, 0));
  EXPECT_GT(ReadAll(source).Frames(), 20000u);

  // An MP4 file cut right after its header: an audio stream without one
  // packet, and a cover picture. Only a video stream lets an audio stream
  // without packets among the first into the list; the picture is none.
  const std::string m4a = dir_.File("covered.m4a");
  ASSERT_TRUE(RunFfmpeg({"-i", SineInput(dir_, 44100, 1, 0.5), "-i", cover, "-map", "0", "-map",
                         "1", "-c:a", "aac", "-c:v", "copy", "-disposition:v", "attached_pic",
                         "-movflags", "faststart", m4a}));
  const std::string whole = ReadFileText(m4a);
  const std::string::size_type data = whole.find("mdat");
  ASSERT_NE(data, std::string::npos);
  const std::string cut = dir_.File("cut.m4a");
  WriteFileText(cut, whole.substr(0, data + 4));
  EXPECT_FALSE(probe.Open(cut, 0));
}

TEST_F(ContainerSourceTest, TagsComeFromTheContainerInUtf8) {
  const std::vector<std::string> metadata = {
      "-metadata", "title=Ünïcødé Sōng ♫", "-metadata", "artist=Åsa Ødegård",
      "-metadata", "album=Le Café",        "-metadata", "date=2004",
      "-metadata", "genre=Synthpop",       "-metadata", "comment=first",
      "-metadata", "track=7/12",           "-metadata", "composer=Jörg Ž",
      "-metadata", "copyright=© Ann",
  };
  TagInfo expected;
  expected.title = "Ünïcødé Sōng ♫";
  expected.artist = "Åsa Ødegård";
  expected.album = "Le Café";
  expected.year = "2004";
  expected.genre = "Synthpop";
  expected.comment = "first";
  expected.track = "7/12";
  expected.composer = "Jörg Ž";
  expected.copyright = "© Ann";
  const struct {
    const char* name;
    std::vector<std::string> codec;
    bool hasCopyright;
  } formats[] = {
      {"t.flac", {"-c:a", "flac"}, true},     // container metadata
      {"t.opus", {"-c:a", "libopus"}, true},  // Ogg: metadata on the stream
      {"t.mp3", {"-c:a", "libmp3lame", "-id3v2_version", "3"}, true},
      {"t.m4a", {"-c:a", "aac"}, true},
  };
  for (const auto& f : formats) {
    SCOPED_TRACE(f.name);
    const std::string path = dir_.File(f.name);
    std::vector<std::string> args = {"-i", SineInput(dir_, 48000, 2, 0.3)};
    args.insert(args.end(), f.codec.begin(), f.codec.end());
    args.insert(args.end(), metadata.begin(), metadata.end());
    args.push_back(path);
    ASSERT_TRUE(RunFfmpeg(args));

    ContainerSource source;
    ASSERT_TRUE(source.Open(path, 0));
    TagInfo tags;
    ASSERT_TRUE(source.ReadTags(tags));
    EXPECT_EQ(tags.title, expected.title);
    EXPECT_EQ(tags.artist, expected.artist);
    EXPECT_EQ(tags.album, expected.album);
    EXPECT_EQ(tags.year.substr(0, 4), expected.year);
    EXPECT_EQ(tags.genre, expected.genre);
    EXPECT_EQ(tags.comment, expected.comment);
    EXPECT_EQ(tags.track, expected.track);
    EXPECT_EQ(tags.composer, expected.composer);
    if (f.hasCopyright) {
      EXPECT_EQ(tags.copyright, expected.copyright);
    }

    ContainerProbe probe;
    ASSERT_TRUE(probe.Open(path, 0));
    TagInfo probed;
    ASSERT_TRUE(probe.ReadTags(probed));
    EXPECT_EQ(probed, tags);
  }

  // No tag at all: false, and the caller's texts are left alone.
  const std::string bare = dir_.File("bare.flac");
  ASSERT_TRUE(RunFfmpeg({"-i", SineInput(dir_, 8000, 1, 0.2), "-map_metadata", "-1", "-fflags",
                         "+bitexact", "-c:a", "flac", bare}));
  ContainerSource source;
  ASSERT_TRUE(source.Open(bare, 0));
  TagInfo tags;
  tags.title = "kept";
  EXPECT_FALSE(source.ReadTags(tags));
  EXPECT_EQ(tags.title, "kept");
}

TEST_F(ContainerSourceTest, TagTextsThatAreNotUtf8OrNotPositiveAreLeftOut) {
  // A WAV whose INFO list holds a Latin-1 title (not UTF-8), a valid
  // artist, a track number of 0 and a year that is not a number.
  const auto info = [](const std::string& id, const std::string& text) {
    std::string chunk = id;
    std::string body = text + '\0';
    if (body.size() % 2) body += '\0';
    PutLe(chunk, body.size(), 4);
    return chunk + body;
  };
  const std::string list = "INFO" + info("INAM", "Caf\xe9") + info("IART", "Ann") +
                           info("ITRK", "0") + info("ICRD", "unknown");
  std::string listChunk = "LIST";
  PutLe(listChunk, list.size(), 4);
  listChunk += list;
  const std::string plain = dir_.File("plain.wav");
  WriteWav16(plain, 8000, 1, SineWave(4000, 1, 8000, 300));
  std::string bytes = ReadFileText(plain);
  bytes.insert(36, listChunk);  // between the fmt and data chunks
  const uint32_t riff = static_cast<uint32_t>(bytes.size() - 8);
  StoreLe<32>(&bytes[4], riff);
  const std::string path = dir_.File("info.wav");
  WriteFileText(path, bytes);

  ContainerSource source;
  ASSERT_TRUE(source.Open(path, 0));
  TagInfo tags;
  ASSERT_TRUE(source.ReadTags(tags));
  EXPECT_EQ(tags.title, "");
  EXPECT_EQ(tags.artist, "Ann");
  EXPECT_EQ(tags.track, "");
  EXPECT_EQ(tags.year, "");
  EXPECT_EQ(ReadAll(source).Frames(), 4000u);
}

TEST_F(ContainerSourceTest, JunkIsRefusedByBothVariants) {
  std::string random(30000, '\0');
  uint32_t state = 12345;
  for (char& ch : random) {
    state = state * 1103515245 + 12345;
    ch = static_cast<char>(state >> 24);
  }
  std::string text;
  for (int i = 0; i < 300; ++i) text += "a line of plain text " + std::to_string(i) + "\n";
  const struct {
    const char* name;
    std::string bytes;
  } junk[] = {
      {"random.amr", random},
      {"random", random},
      {"zeros.awb", std::string(20000, '\0')},
      {"text.txt", text},
      {"empty.amr", ""},
      {"magic only.amr", "#!AMR\n"},
      {"riff header only.wav", ReadFileText([&] {
         const std::string p = dir_.File("h.wav");
         WriteWav16(p, 8000, 1, {});
         return p;
       }())},
  };
  for (const auto& j : junk) {
    SCOPED_TRACE(j.name);
    const std::string path = dir_.File(j.name);
    WriteFileText(path, j.bytes);
    ContainerSource source;
    EXPECT_FALSE(source.Open(path, 0));
    EXPECT_EQ(source.GetLength(), 0u);
    PcmBlock block;
    EXPECT_EQ(source.Read(block), 0);
    ContainerProbe probe;
    EXPECT_FALSE(probe.Open(path, 0));
  }
  // Headers that announce sound but hold none, as sox writes them: the probe
  // must not list what converting would refuse.
  for (const char* name : {"empty.au", "empty.aiff", "empty.wav"}) {
    SCOPED_TRACE(name);
    const std::string path = dir_.File(name);
    ASSERT_TRUE(
        Succeeded(RunProcess("sox", {"-n", "-r", "8000", "-c", "1", path, "trim", "0", "0"})));
    ContainerProbe probe;
    EXPECT_FALSE(probe.Open(path, 0));
  }
  ContainerSource source;
  EXPECT_FALSE(source.Open(dir_.File("missing.amr"), 0));
  EXPECT_FALSE(source.Open(dir_.Path(), 0));
  ContainerProbe probe;
  EXPECT_FALSE(probe.Open(dir_.File("missing.amr"), 0));
  EXPECT_FALSE(probe.Open(dir_.Path(), 0));
}

TEST_F(ContainerSourceTest, TruncatedAndDamagedFilesNeverCrash) {
  const std::vector<std::pair<std::string, std::vector<std::string>>> formats = {
      {"cut.flac", {"-c:a", "flac"}},      {"cut.amr", {"-c:a", "flac", "-f", "flac"}},  // misnamed
      {"cut.opus", {"-c:a", "libopus"}},   {"cut.mp4", {"-c:a", "aac"}},
      {"cut.mp3", {"-c:a", "libmp3lame"}}, {"cut.wav", {"-c:a", "pcm_s16le"}},
  };
  for (const auto& [name, codec] : formats) {
    const std::string whole = dir_.File("whole-" + name);
    std::vector<std::string> args = {"-i", SineInput(dir_, 44100, 2, 1.0)};
    args.insert(args.end(), codec.begin(), codec.end());
    args.push_back(whole);
    ASSERT_TRUE(RunFfmpeg(args)) << name;
    const std::string bytes = ReadFileText(whole);
    const size_t lengths[] = {
        1, 4, 12, 40, 100, 500, 2000, bytes.size() / 3, bytes.size() / 2, bytes.size() - 1};
    for (size_t length : lengths) {
      SCOPED_TRACE(name + " cut to " + std::to_string(length));
      const std::string path = dir_.File(name);
      WriteFileText(path, bytes.substr(0, length));
      ContainerSource source;
      if (source.Open(path, 0)) {
        const Delivery d = ReadAll(source);
        EXPECT_LE(d.largestBlock, BLOCK_SAMPLES);
        EXPECT_LE(d.Frames(), 44100u + 4096u);
        EXPECT_EQ(d.lastPosition, length);
      }
      ContainerProbe probe;
      if (probe.Open(path, 0)) {
        PcmBlock block;
        EXPECT_EQ(probe.Read(block), 0);
      }
    }
    // Garbage over the middle third: decoding goes on past it.
    SCOPED_TRACE(name + " damaged");
    std::string damaged = bytes;
    for (size_t i = damaged.size() / 3; i < damaged.size() * 2 / 3; ++i)
      damaged[i] = static_cast<char>(i * 131);
    const std::string path = dir_.File(name);
    WriteFileText(path, damaged);
    ContainerSource source;
    if (source.Open(path, 0)) {
      const Delivery d = ReadAll(source);
      EXPECT_LE(d.largestBlock, BLOCK_SAMPLES);
      EXPECT_LE(d.Frames(), 44100u * 2);
    }
  }
}

TEST_F(ContainerSourceTest, CloseIsIdempotentAndReopenStartsAfresh) {
  TempDir dir;
  const std::string stereo = Encode(44100, 2, 0.5, {"-c:a", "flac"}, "s.flac")(dir);
  const std::string mono = Encode(8000, 1, 0.4, {"-c:a", "pcm_u8"}, "m.wav")(dir);
  ASSERT_FALSE(stereo.empty());
  ASSERT_FALSE(mono.empty());

  ContainerSource source;
  source.Close();  // closing a new source is harmless
  ASSERT_TRUE(source.Open(stereo, 0));
  PcmBlock block;
  EXPECT_EQ(source.Read(block), BLOCK_SAMPLES);
  // Open on an open source closes the former file first.
  ASSERT_TRUE(source.Open(mono, 0));
  EXPECT_EQ(source.GetSampleRate(), 8000u);
  EXPECT_EQ(source.GetBitsPerSample(), 8u);
  EXPECT_EQ(ReadAll(source).Frames(), 3200u);
  source.Close();
  source.Close();
  EXPECT_EQ(source.Read(block), 0);
  EXPECT_EQ(source.GetSampleRate(), 0u);
  EXPECT_EQ(source.GetMp3ChannelMode(), CHANNEL_MODE_UNKNOWN);
  EXPECT_EQ(source.GetLength(), 0u);

  // A failed open after a good one leaves nothing of the good one.
  ASSERT_TRUE(source.Open(stereo, 0));
  WriteFileText(dir.File("junk.amr"), std::string(5000, 'x'));
  EXPECT_FALSE(source.Open(dir.File("junk.amr"), 0));
  EXPECT_EQ(source.Info().sampleRate, 0u);
  EXPECT_EQ(source.Read(block), 0);

  // Abandoned mid-stream: the destructor releases everything (the leak
  // check of the sanitizer build watches this).
  auto abandoned = std::make_unique<ContainerSource>();
  ASSERT_TRUE(abandoned->Open(stereo, 0));
  EXPECT_GT(abandoned->Read(block), 0);
  abandoned.reset();
  ContainerProbe probe;
  ASSERT_TRUE(probe.Open(stereo, 0));
  probe.Close();
  probe.Close();
  EXPECT_EQ(probe.GetSampleRate(), 0u);
}

}  // namespace
