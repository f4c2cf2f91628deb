#include <dlfcn.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/engine/AddonInterface.h"
#include "platform/engine/EngineStream.h"
#include "support/AudioFixtures.h"
#include "support/TempDir.h"

using engine::FormatGate;
using engine::OpenSampledStream;

namespace {

struct LibraryCloser {
  void operator()(void* library) const { dlclose(library); }
};
using Library = std::unique_ptr<void, LibraryCloser>;

// What each add-on must enable, in loading order.
struct AddonCase {
  const char* name;
  std::vector<std::string> demuxers;
  std::vector<std::string> codecs;
};

const AddonCase kAddons[] = {
    {"cd", {}, {}},
    {"flac", {"flac"}, {"flac"}},
    {"wma", {"asf"}, {"wmav1", "wmav2", "wmapro", "wmalossless", "wmavoice"}},
    {"wv", {"wv"}, {"wavpack"}},
    {"aac", {"aac", "mov", "mp4", "m4a"}, {"aac"}},
    {"ac3", {"ac3", "eac3"}, {"ac3", "eac3"}},
    {"adx", {"adx"}, {"adpcm_adx"}},
    {"alac", {"mov", "mp4", "m4a"}, {"alac"}},
    {"ape", {"ape"}, {"ape"}},
    {"mpc", {"mpc", "mpc8"}, {"musepack7", "musepack8"}},
    {"spx", {"ogg"}, {"speex"}},
    {"tta", {"tta"}, {"tta"}},
};

std::vector<std::string> Names(const char* const* list) {
  std::vector<std::string> names;
  for (; list && *list; ++list) names.emplace_back(*list);
  return names;
}

// An add-on loaded from the build tree, and its description.
struct LoadedAddon {
  Library library;
  const SondrelAddon* addon = nullptr;
};

LoadedAddon Load(const std::string& name) {
  LoadedAddon loaded;
  const std::string path = std::string(SONDREL_ADDON_DIR) + "/libsondrel-" + name + ".so";
  loaded.library.reset(dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL));
  if (!loaded.library) return loaded;
  auto query =
      reinterpret_cast<SondrelAddonQuery>(dlsym(loaded.library.get(), SONDREL_ADDON_QUERY_SYMBOL));
  if (query) loaded.addon = query();
  return loaded;
}

void Allow(FormatGate& gate, const SondrelAddon& addon) {
  for (const auto& name : Names(addon.demuxers)) gate.AllowDemuxer(name);
  for (const auto& name : Names(addon.codecs)) gate.AllowCodec(name);
}

TEST(AddonsTest, EachAddonDescribesItsFormats) {
  for (const AddonCase& c : kAddons) {
    SCOPED_TRACE(c.name);
    const LoadedAddon loaded = Load(c.name);
    ASSERT_TRUE(loaded.library) << dlerror();
    ASSERT_TRUE(loaded.addon);
    EXPECT_EQ(loaded.addon->interfaceVersion, unsigned(SONDREL_ADDON_INTERFACE_VERSION));
    EXPECT_STREQ(loaded.addon->name, c.name);
    EXPECT_EQ(Names(loaded.addon->demuxers), c.demuxers);
    EXPECT_EQ(Names(loaded.addon->codecs), c.codecs);
  }
}

// A four-channel ProTracker module: one pattern playing one short sample.
std::string TinyModule() {
  std::string mod(20, '\0');
  mod.replace(0, 4, "tiny");
  for (int i = 0; i < 31; ++i) {
    std::string sample(30, '\0');
    if (i == 0) {
      sample[23] = 16;  // length in words
      sample[25] = 64;  // volume
      sample[29] = 1;   // repeat length
    }
    mod += sample;
  }
  mod += '\x01';  // song length
  mod += '\x7F';
  mod += std::string(128, '\0');  // order list: pattern 0
  mod += "M.K.";
  std::string pattern(64 * 4 * 4, '\0');
  pattern.replace(0, 4, "\x01\xAC\x10\x00", 4);  // sample 1 at period 428
  mod += pattern;
  for (int i = 0; i < 32; ++i) mod += static_cast<char>(i < 16 ? 0x40 : 0xC0);
  return mod;
}

// A one-note MIDI song.
std::string TinyMidi() {
  const char track[] = "\x00\x90\x3C\x40\x60\x80\x3C\x40\x00\xFF\x2F\x00";
  std::string midi("MThd\x00\x00\x00\x06\x00\x00\x00\x01\x00\x60", 14);
  midi += std::string("MTrk\x00\x00\x00\x0C", 8);
  midi += std::string(track, sizeof track - 1);
  return midi;
}

class AddonFormatsTest : public testing::Test {
 protected:
  void SetUp() override {
    WriteWav16(dir_.File("source.wav"), 44100, 2, SineWave(8820, 2, 44100, 440));
  }
  // Encodes the source with the ffmpeg tool into `file` of the folder.
  testing::AssertionResult Encode(const std::string& file,
                                  const std::vector<std::string>& options) {
    std::vector<std::string> args = {"-i", dir_.File("source.wav")};
    args.insert(args.end(), options.begin(), options.end());
    args.push_back(dir_.File(file));
    return RunFfmpeg(args);
  }
  TempDir dir_;
};

TEST_F(AddonFormatsTest, EachAddonOpensItsFamilyOnly) {
  struct Case {
    const char* addon;
    const char* file;
    std::vector<std::string> encode;
  };
  const Case cases[] = {
      {"flac", "a.flac", {"-c:a", "flac"}}, {"wma", "a.wma", {"-c:a", "wmav2", "-b:a", "128k"}},
      {"wv", "a.wv", {"-c:a", "wavpack"}},  {"aac", "a.aac", {"-c:a", "aac"}},
      {"aac", "b.m4a", {"-c:a", "aac"}},    {"ac3", "a.ac3", {"-c:a", "ac3"}},
      {"ac3", "a.eac3", {"-c:a", "eac3"}},  {"adx", "a.adx", {"-c:a", "adpcm_adx"}},
      {"alac", "a.m4a", {"-c:a", "alac"}},  {"spx", "a.spx", {"-c:a", "libspeex", "-ar", "16000"}},
      {"tta", "a.tta", {"-c:a", "tta"}},
  };
  const LoadedAddon cd = Load("cd");
  ASSERT_TRUE(cd.addon);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    ASSERT_TRUE(Encode(c.file, c.encode));
    const std::string path = dir_.File(c.file);
    const LoadedAddon loaded = Load(c.addon);
    ASSERT_TRUE(loaded.addon);

    FormatGate withCd = FormatGate::Core();
    Allow(withCd, *cd.addon);
    EXPECT_FALSE(OpenSampledStream(path, withCd)) << "opens without its add-on";
    FormatGate gate = FormatGate::Core();
    Allow(gate, *loaded.addon);
    EXPECT_TRUE(OpenSampledStream(path, gate)) << "does not open with " << c.addon;
  }
}

TEST_F(AddonFormatsTest, ModulesAndMidiNeverOpenHere) {
  FormatGate everything = FormatGate::Core();
  std::vector<LoadedAddon> loaded;
  for (const AddonCase& c : kAddons) {
    loaded.push_back(Load(c.name));
    ASSERT_TRUE(loaded.back().addon) << c.name;
    Allow(everything, *loaded.back().addon);
  }
  WriteFileText(dir_.File("tiny.mod"), TinyModule());
  WriteFileText(dir_.File("tiny.mid"), TinyMidi());
  EXPECT_FALSE(OpenSampledStream(dir_.File("tiny.mod"), everything));
  EXPECT_FALSE(OpenSampledStream(dir_.File("tiny.mid"), everything));

  // FFmpeg itself would read the module: only the gate keeps it out.
  FormatGate anything;
  anything.AllowDemuxer("*");
  anything.AllowCodec("*");
  EXPECT_TRUE(OpenSampledStream(dir_.File("tiny.mod"), anything));
}

}  // namespace
