#include <gtest/gtest.h>

#include "app/EngineStartup.h"
#include "app/SettingsStore.h"
#include "platform/settings/IniSettingsKey.h"
#include "support/TempDir.h"

namespace {

TEST(FirstRunCheckTest, FirstStartIsSeenOnceAndAfterTheValueIsReset) {
  TempDir dir;
  IniSettingsRoot root(dir.File("Sondrel.conf"));
  EXPECT_TRUE(FirstRunCheck(root));
  EXPECT_EQ(root.OpenKey(OPTIONS_KEY)->ReadNumber("FirstRun"), 0u);
  EXPECT_FALSE(FirstRunCheck(root));

  root.CreateKey(OPTIONS_KEY)->WriteNumber("FirstRun", 5);
  EXPECT_TRUE(FirstRunCheck(root));
  EXPECT_EQ(root.OpenKey(OPTIONS_KEY)->ReadNumber("FirstRun"), 0u);

  root.CreateKey(OPTIONS_KEY)->DeleteValue("FirstRun");
  EXPECT_TRUE(FirstRunCheck(root));
  EXPECT_FALSE(FirstRunCheck(root));
}

TEST(FirstRunCheckTest, UnwritableStoreIsAFirstRunEveryTime) {
  IniSettingsRoot root("/proc/sondrel-cannot-exist/Sondrel.conf");
  EXPECT_TRUE(FirstRunCheck(root));
  EXPECT_TRUE(FirstRunCheck(root));
}

}  // namespace

// Start-up with program folders of different make-ups.

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "platform/engine/Engine.h"
#include "source/EngineSource.h"
#include "support/AudioFixtures.h"
#include "support/MidiFixtures.h"
#include "support/ProgramFolder.h"

namespace {

namespace fs = std::filesystem;

TEST(EngineStartTest, AddonsLoadFromTheProgramFolderAndBrokenOnesAreSkipped) {
  TempDir folder;
  const std::string built = BuildProgramFolder() + "addons/";
  const std::string broken = BuildProgramFolder() + "test-addons/";
  fs::create_directories(folder.File("addons"));
  fs::copy_file(broken + "libbroken-foreign.so", folder.File("addons/libsondrel-cd.so"));
  fs::copy_file(built + "libsondrel-flac.so", folder.File("addons/libsondrel-flac.so"));
  fs::copy_file(broken + "libbroken-nosymbol.so", folder.File("addons/libsondrel-wma.so"));
  WriteFileText(folder.File("addons/libsondrel-wv.so"), "not a shared object");

  TempDir media;
  WriteWav16(media.File("in.wav"), 44100, 1, SineWave(4410, 1, 44100, 440));
  ASSERT_TRUE(RunFfmpeg({"-i", media.File("in.wav"), media.File("a.flac")}));
  ASSERT_TRUE(RunFfmpeg({"-i", media.File("in.wav"), media.File("a.wma")}));
  {
    const EngineSession session(folder.Path() + "/");
    ASSERT_EQ(session.Result(), EngineStart::STARTED);
    EXPECT_TRUE(EngineSource().Open(media.File("a.flac"), 0));
    EXPECT_FALSE(EngineSource().Open(media.File("a.wma"), 0));
  }
  {
    const EngineSession session(BuildProgramFolder());
    EXPECT_TRUE(EngineSource().Open(media.File("a.wma"), 0));
    EXPECT_EQ(LoadAddons(BuildProgramFolder()), 12);  // loading again finds them loaded
  }
  // After the session every add-on is released again.
  const EngineSession bare(folder.Path() + "/no-such-folder/");
  EXPECT_FALSE(EngineSource().Open(media.File("a.flac"), 0));
}

TEST(EngineStartTest, SecondStartFailsAndTheSoundFontIsOptional) {
  const TestProgramFolder withFont(false, true);
  const EngineSession first(withFont.Path());
  ASSERT_EQ(first.Result(), EngineStart::STARTED);
  EXPECT_NE(first.SoundFontReady(), 0u);
  {
    const EngineSession second(withFont.Path());
    EXPECT_EQ(second.Result(), EngineStart::INIT_FAILED);
  }
  EXPECT_TRUE(engine::IsStarted());

  uint32_t ready = 0;
  SetUpSoundFont(ready, "/no/such/folder/");
  EXPECT_EQ(ready, 0u);
  TempDir junk;
  WriteFileText(junk.File("ct4mgm.sf2"), "RIFF....sfbk but not really");
  SetUpSoundFont(ready, junk.Path() + "/");
  EXPECT_EQ(ready, 0u);
  ready = 7;
  SetUpSoundFont(ready, "/no/such/folder/");
  EXPECT_EQ(ready, 7u);  // already installed: nothing to do
}

TEST(EngineStartTest, FreeForgetsTheSoundFonts) {
  // A session's SoundFont must not outlive it: a later session without one
  // renders MIDI songs as silence (which the conversion then refuses), not
  // with the font of the earlier session.
  TempDir media;
  WriteFileText(media.File("song.mid"), OneNoteSong(500000, 2));
  const auto peak = [&] {
    EngineSource source;
    EXPECT_TRUE(source.Open(media.File("song.mid"), 22050));
    PcmBlock block;
    int loudest = 0;
    for (int n; (n = source.Read(block)) > 0;) {
      for (int k = 0; k < n; ++k)
        loudest = std::max(loudest, std::abs(static_cast<int>(block.left[k])));
    }
    return loudest;
  };
  {
    const TestProgramFolder withFont(false, true);
    const EngineSession session(withFont.Path());
    ASSERT_NE(session.SoundFontReady(), 0u);
    EXPECT_GT(peak(), 100);
  }
  const TestProgramFolder withoutFont(false, false);
  const EngineSession session(withoutFont.Path());
  ASSERT_EQ(session.SoundFontReady(), 0u);
  EXPECT_EQ(peak(), 0);
}

TEST(EngineStartTest, TheSoundFontLoadsWhenTheFirstMidiSongOpens) {
  // A run without MIDI songs never loads the font; so the font is the file
  // as it is when the first song opens, not when the session started.
  TempDir media;
  WriteFileText(media.File("song.mid"), OneNoteSong(500000, 2));
  const TestProgramFolder folder(false, false);
  const EngineSession session(folder.Path());
  fs::copy_file(BuildProgramFolder() + SOUNDFONT_FILE, folder.Path() + SOUNDFONT_FILE);
  EngineSource source;
  ASSERT_TRUE(source.Open(media.File("song.mid"), 22050));
  PcmBlock block;
  int loudest = 0;
  for (int n; (n = source.Read(block)) > 0;)
    for (int k = 0; k < n; ++k) loudest = std::max(loudest, std::abs(static_cast<int>(block.left[k])));
  EXPECT_GT(loudest, 100);
  EXPECT_NE(session.SoundFontReady(), 0u);
}

}  // namespace
