// The settings store against real settings files in a temporary folder.

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <tuple>

#include "app/ConvertSettings.h"
#include "app/SettingsCatalog.h"
#include "app/SettingsStore.h"
#include "platform/settings/IniSettingsKey.h"
#include "support/TempDir.h"

namespace {

class SettingsStoreTest : public ::testing::Test {
 protected:
  std::string FilePath() const { return dir_.File("Sondrel.conf"); }

  // Writes raw values into the Options key, as another run or a hand edit would.
  void StoreNumber(const std::string& name, uint32_t value) {
    IniSettingsRoot root(FilePath());
    auto key = root.CreateKey(OPTIONS_KEY);
    ASSERT_TRUE(key);
    ASSERT_TRUE(key->WriteNumber(name, value));
    ASSERT_TRUE(key->Flush());
  }

  ConvertSettings Load() {
    ConvertSettings settings("/home/ann/Documents");
    IniSettingsRoot root(FilePath());
    LoadSettings(settings, root);
    return settings;
  }

  TempDir dir_;
};

// Compares every persisted value and the presets.
void ExpectSameValues(const ConvertSettings& a, const ConvertSettings& b) {
  for (const SettingValue& value : SettingsCatalog()) {
    if (value.IsText()) EXPECT_EQ(a.*value.text, b.*value.text) << value.name;
    else EXPECT_EQ(a.*value.number, b.*value.number) << value.name;
  }
  for (const PresetSlot& slot : PresetSlots()) EXPECT_EQ(a.*slot.preset, b.*slot.preset) << slot.name;
}

TEST(ConvertSettingsTest, DefaultsFollowTheDocumentsFolder) {
  const ConvertSettings known("/home/ann/Documents");
  EXPECT_EQ(known.destOutputFolderOpt, 399u);
  EXPECT_EQ(known.destSpecifiedFolder, "/home/ann/Documents");

  const ConvertSettings unknown;
  EXPECT_EQ(unknown.destOutputFolderOpt, 199u);
  EXPECT_EQ(unknown.destSpecifiedFolder, "");

  EXPECT_EQ(known.outputFormat, 1000u);
  EXPECT_EQ(known.targetExistsOpt, 11u);
  EXPECT_EQ(known.wmaBitRate, 128000u);
  EXPECT_EQ(known.amrMode, 4u);
  EXPECT_EQ(known.m4aID3TagType, 1u);
  EXPECT_EQ(known.mp3Tag.titleAsFileName, 1u);
  EXPECT_EQ(known.m4aTag.trackNumType, 0u);
}

TEST_F(SettingsStoreTest, NoSettingsFileKeepsEveryDefault) {
  const ConvertSettings loaded = Load();
  ExpectSameValues(loaded, ConvertSettings("/home/ann/Documents"));
  EXPECT_TRUE(loaded.extensionFilter.empty());
}

struct Correction {
  const char* name;
  uint32_t stored;
  uint32_t loaded;
};

TEST_F(SettingsStoreTest, LoadingCorrectsOutOfRangeValues) {
  const Correction cases[] = {
      {"OGGBitRate", 192000, 192},    {"OGGBitRate", 1000, 1000},   {"OGGBitRate", 1001, 1},
      {"MP3ChannelMode", 2, 1},       {"MP3ChannelMode", 4, 4},     {"MP3ChannelMode", 3, 3},
      {"MP3ChannelMode", 9, 1},       {"AmplifyWMACoeff", 5, 10},   {"AmplifyWMACoeff", 5000, 3000},
      {"AmplifyMp3Coeff", 0, 10},     {"AmplifyWavCoeff", 3001, 3000},
      {"AmplifyOGGCoeff", 250, 250},  {"AmplifyAACCoef", 5000, 5000},
      {"AmplifyM4ACoef", 1, 1},       {"AmplifyAMRCoef", 9999, 9999},
      {"WMAID3TagType", 7, 2},        {"M4AID3TagType", 3, 2},      {"OGGID3TagType", 7, 7},
      {"MP3ID3TagType", 5, 5},        {"WAVChannelNum", 5, 2},      {"WAVChannelNum", 0, 0},
      {"OGGChannels", 3, 2},          {"OGGChannels", 1, 1},        {"WMAChannels", 0, 2},
      {"WMAChannels", 1, 1},          {"OutputFormat", 1234, 1000}, {"WAVBitsPerSample", 24, 24},
      {"ConvertJobs", 500, 64},       {"MP3VBRQuality", 12, 9},     {"OGGQuality", 11, 3},
      {"OGGQuality", UINT32_MAX, UINT32_MAX},
      {"FLACCompressionLevel", 12, 8},
      {"FLACTagType", 5, 2},          {"FLACChannels", 3, 2},       {"OpusBitRate", 5, 6},
      {"OpusBitRate", 600, 510},      {"OpusBitRateMode", 3, 0},    {"OpusComplexity", 11, 10},
  };
  for (const Correction& c : cases) {
    StoreNumber(c.name, c.stored);
    const ConvertSettings loaded = Load();
    EXPECT_EQ(loaded.*FindSetting(c.name)->number, c.loaded) << c.name << " stored as " << c.stored;
  }
}

TEST_F(SettingsStoreTest, FileFromBeforeTheQualityModesLoadsTheirDefaults) {
  StoreNumber("MP3BitRate", 192);
  const ConvertSettings loaded = Load();
  EXPECT_EQ(loaded.mp3BitRate, 192u);
  EXPECT_EQ(std::make_tuple(loaded.mp3VBR, loaded.mp3VBRQuality, loaded.mp3Gapless,
                            loaded.oggQualityMode, loaded.oggQuality),
            std::make_tuple(0u, 2u, 0u, 0u, 3u));
}

// A file saved before the FLAC and Opus outputs (and the loudness options)
// existed has none of their values or presets: they load as the defaults,
// beside the values it has.
TEST_F(SettingsStoreTest, AFileFromBeforeTheNewFormatsLoadsTheirDefaults) {
  StoreNumber("OGGBitRate", 192);
  const ConvertSettings loaded = Load();
  const ConvertSettings defaults("/home/ann/Documents");
  EXPECT_EQ(loaded.oggBitRate, 192u);
  for (const SettingValue& value : SettingsCatalog()) {
    const std::string name = value.name;
    if (name.find("FLAC") != std::string::npos || name.find("Opus") != std::string::npos ||
        name.find("Normalize") == 0 || name == "ReplayGain" || name == "AlbumBy") {
      EXPECT_EQ(loaded.*value.number, defaults.*value.number) << name;
    }
  }
  EXPECT_EQ(loaded.flacTag, defaults.flacTag);
  EXPECT_EQ(loaded.opusTag, defaults.opusTag);
}

TEST_F(SettingsStoreTest, UnknownStoredOutputFormatLoadsAsMp3) {
  // Every code of the format list stays; anything else, source kinds that
  // are no output format included, loads as MP3.
  const Correction cases[] = {
      {"OutputFormat", 6700, 6700}, {"OutputFormat", 6500, 6500}, {"OutputFormat", 5600, 5600},
      {"OutputFormat", 1234, 1000}, {"OutputFormat", 0, 1000},    {"OutputFormat", 3050, 1000},
      {"OutputFormat", 4294967295u, 1000}, {"OutputFormat", 3200, 3200},
      {"OutputFormat", 4100, 4100},
  };
  for (const Correction& c : cases) {
    StoreNumber(c.name, c.stored);
    EXPECT_EQ(Load().outputFormat, c.loaded) << "stored as " << c.stored;
  }
}

TEST_F(SettingsStoreTest, ExtensionFilterIsRebuiltAtLoad) {
  struct FilterCase {
    uint32_t enabled;
    const char* text;
    std::vector<std::string> list;
  };
  const FilterCase cases[] = {
      {1, "WAV,Mp3", {"wav", "mp3"}},
      {1, "wav,,mp3", {"wav", "", "mp3"}},
      {1, " m4a ,aac,", {" m4a ", "aac", ""}},
      {1, "", {}},
      {0, "wav,mp3", {}},
  };
  for (const FilterCase& c : cases) {
    {
      IniSettingsRoot root(FilePath());
      auto key = root.CreateKey(OPTIONS_KEY);
      key->WriteNumber("EnableExtFilter", c.enabled);
      key->WriteText("FilterExts", c.text);
      key->Flush();
    }
    const ConvertSettings loaded = Load();
    EXPECT_EQ(loaded.filterExts, c.text);
    EXPECT_EQ(loaded.extensionFilter, c.list) << c.text;
  }
}

TEST_F(SettingsStoreTest, HandEditedFilterTextWithoutQuotesLoadsWhole) {
  WriteFileText(FilePath(), "[Options]\nEnableExtFilter=1\nFilterExts=WAV,Mp3\n");
  const ConvertSettings loaded = Load();
  EXPECT_EQ(loaded.filterExts, "WAV,Mp3");
  EXPECT_EQ(loaded.extensionFilter, (std::vector<std::string>{"wav", "mp3"}));
}

TEST_F(SettingsStoreTest, HandEditedTextsWithCommasReadExactlyAsWritten) {
  WriteFileText(FilePath(),
                "[Options]\n"
                "DestSpecifiedFolder=/srv/Hello, World\n"
                "EnableExtFilter=1\n"
                "FilterExts=wav, mp3\n"
                "MP3Tag\\Title=Hello, World\n"
                "[Options/OGGTag]\n"
                "Artist=  Ann ,  Bob ,\n"
                "Album=\"Quoted, kept\", and not\n"
                "Comment=tab\\t, escape\n"
                "Genre=Rock,Pop\n");
  const ConvertSettings loaded = Load();
  EXPECT_EQ(loaded.destSpecifiedFolder, "/srv/Hello, World");
  EXPECT_EQ(loaded.filterExts, "wav, mp3");
  EXPECT_EQ(loaded.extensionFilter, (std::vector<std::string>{"wav", " mp3"}));
  EXPECT_EQ(loaded.mp3Tag.title, "Hello, World");
  EXPECT_EQ(loaded.oggTag.artist, "Ann ,  Bob ,");
  EXPECT_EQ(loaded.oggTag.album, "Quoted, kept, and not");
  EXPECT_EQ(loaded.oggTag.comment, "tab\t, escape");
  EXPECT_EQ(loaded.oggTag.genre, "Rock,Pop");
}

TEST_F(SettingsStoreTest, ValuesOfTheWrongTypeOrSizeKeepTheDefault) {
  WriteFileText(FilePath(),
                "[Options]\n"
                "MP3BitRate=abc\n"
                "MP3SampleRate=-5\n"
                "WAVSampleRate=4294967296\n"
                "OGGSampleRate=22050\n"
                "Folder=" + std::string(MAX_PATH_BYTES + 1, 'a') + "\n"
                "DestSpecifiedFolder=/srv/out\n");
  const ConvertSettings loaded = Load();
  EXPECT_EQ(loaded.mp3BitRate, 128u);
  EXPECT_EQ(loaded.mp3SampleRate, 44100u);
  EXPECT_EQ(loaded.wavSampleRate, 44100u);
  EXPECT_EQ(loaded.oggSampleRate, 22050u);
  EXPECT_EQ(loaded.folder, "");
  EXPECT_EQ(loaded.destSpecifiedFolder, "/srv/out");
}

TEST_F(SettingsStoreTest, CorruptFileLeavesDefaults) {
  std::string garbage = "\x01\x02[Options\n\xff\xfe=\x00\x00==[[[\n";
  garbage += std::string("MP3BitRate=320\n");
  for (int i = 0; i < 256; ++i) garbage += static_cast<char>(i);
  WriteFileText(FilePath(), garbage);
  const ConvertSettings loaded = Load();  // must not crash
  EXPECT_EQ(loaded.outputFormat, 1000u);
  EXPECT_EQ(loaded.mp3Tag, TagPreset());
}

// A value that QSettings would decode as binary data makes the file one
// that cannot be parsed, however it is written; the same text escaped as the
// program writes it ("@@") is an ordinary text. The first row is what
// fuzzing found: QSettings asked for 45 GB while reading it.
struct SerialisedValueCase {
  const char* name;
  const char* line;  // below [Options]
  bool parsed;
};

class SerialisedValueTest : public SettingsStoreTest,
                            public ::testing::WithParamInterface<SerialisedValueCase> {};

TEST_P(SerialisedValueTest, FileWithOneIsNeitherReadNorWritten) {
  const std::string text = std::string("[Options]\nMP3BitRate=192\n") + GetParam().line + "\n";
  WriteFileText(FilePath(), text);
  IniSettingsRoot root(FilePath());
  ConvertSettings loaded("/home/ann/Documents");
  LoadSettings(loaded, root);
  EXPECT_EQ(root.ReadProblem().empty(), GetParam().parsed) << root.ReadProblem();
  EXPECT_EQ(loaded.mp3BitRate, GetParam().parsed ? 192u : 128u);
  EXPECT_EQ(root.CreateKey(OPTIONS_KEY) != nullptr, GetParam().parsed);
  EXPECT_EQ(ReadFileText(FilePath()), text);
  if (GetParam().parsed) {
    EXPECT_EQ(loaded.mp3Tag.title, "@Variant(x)");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, SerialisedValueTest,
    ::testing::Values(
        SerialisedValueCase{"Found", R"(WAVSampleRate=@Variant(\0\0\0\tU7f\0\0\0\x7fQString))", false},
        SerialisedValueCase{"Quoted", R"x(MP3Tag\Title="@DateTime(\0\0\0\x10)")x", false},
        SerialisedValueCase{"HexEscape", R"(MP3Tag\Title=\x40Variant(\0\0\0\tU))", false},
        SerialisedValueCase{"OctalEscape", R"(MP3Tag\Title=\100Variant(\0\0\0\tU))", false},
        SerialisedValueCase{"ListItem", R"(FilterExts=wav, @Variant(\0\0\0\tU))", false},
        SerialisedValueCase{"Continued", "MP3Tag\\Title=@Vari\\\nant(\\0\\0\\0\\tU)", false},
        SerialisedValueCase{"WrittenByTheProgram", R"(MP3Tag\Title=@@Variant(x))", true}),
    [](const auto& row) { return std::string(row.param.name); });

  TEST_F(SettingsStoreTest, OptionsGroupLeavesWindowAndFolderValuesAlone) {
  ConvertSettings settings;
  IniSettingsRoot root(FilePath());
  ASSERT_TRUE(SaveSettings(settings, GROUP_OPTIONS, root));

  auto key = root.OpenKey(OPTIONS_KEY);
  ASSERT_TRUE(key);
  EXPECT_FALSE(key->ReadNumber("OutputFormat"));
  EXPECT_FALSE(key->ReadNumber("OptStartPageIndex"));
  EXPECT_FALSE(key->ReadText("Folder"));
  EXPECT_FALSE(key->ReadNumber("FirstRun"));
  for (const SettingValue& value : SettingsCatalog()) {
    if (value.group != GROUP_OPTIONS) continue;
    EXPECT_TRUE(value.IsText() ? key->ReadText(value.name).has_value()
                               : key->ReadNumber(value.name).has_value())
        << value.name;
  }
  for (const PresetSlot& slot : PresetSlots())
    EXPECT_TRUE(root.OpenKey(std::string("Options/") + slot.name + "Tag")) << slot.name;
}

TEST_F(SettingsStoreTest, MainWindowGroupWritesOnlyItsTwoValues) {
  ConvertSettings settings;
  settings.outputFormat = 6700;
  settings.optStartPageIndex = 3;
  IniSettingsRoot root(FilePath());
  ASSERT_TRUE(SaveSettings(settings, GROUP_MAIN_WINDOW, root));

  const std::string file = ReadFileText(FilePath());
  EXPECT_NE(file.find("OutputFormat=6700"), std::string::npos) << file;
  EXPECT_NE(file.find("OptStartPageIndex=3"), std::string::npos) << file;
  size_t lines = 0;
  for (char c : file) lines += c == '=';
  EXPECT_EQ(lines, 2u) << file;
  EXPECT_FALSE(root.OpenKey("Options/MP3Tag"));
}

TEST_F(SettingsStoreTest, FolderGroupAndEmptyGroup) {
  ConvertSettings settings;
  settings.folder = "/home/ann/Music";
  IniSettingsRoot root(FilePath());
  ASSERT_TRUE(SaveSettings(settings, 0, root));
  EXPECT_FALSE(std::ifstream(FilePath()).good());

  ASSERT_TRUE(SaveSettings(settings, GROUP_FOLDER, root));
  auto key = root.OpenKey(OPTIONS_KEY);
  ASSERT_TRUE(key);
  EXPECT_EQ(key->ReadText("Folder"), "/home/ann/Music");
  EXPECT_FALSE(key->ReadNumber("MP3BitRate"));
}

// Sets every persisted value and preset field to something other than its default.
ConvertSettings EveryValueChanged() {
  ConvertSettings settings;
  uint32_t n = 3;
  for (const SettingValue& value : SettingsCatalog()) {
    if (value.IsText()) settings.*value.text = std::string("/text/") + value.name;
    else settings.*value.number = (value.correct ? value.correct(n) : n);
    n += 7;
  }
  for (const PresetSlot& slot : PresetSlots()) {
    TagPreset& preset = settings.*slot.preset;
    preset = TagPreset{0, "Title", "Dvořák", "東京", "1999", "Rock", "a, b; \"c\" = d",
                       "Composer 🎵", "(C) 2026", 2, 42};
    preset.title += slot.name;
  }
  return settings;
}

TEST_F(SettingsStoreTest, EveryValueWrittenByOneRunIsReadByTheNext) {
  const ConvertSettings written = EveryValueChanged();
  {
    IniSettingsRoot root(FilePath());
    ASSERT_TRUE(SaveSettings(written, GROUP_FOLDER | GROUP_OPTIONS | GROUP_MAIN_WINDOW, root));
  }
  ExpectSameValues(Load(), written);
}

TEST_F(SettingsStoreTest, PresetLoadResetsMissingTextsAndKeepsMissingNumbers) {
  WriteFileText(FilePath(),
                "[Options]\nMP3BitRate=192\n"
                "[Options/OGGTag]\nArtist=Ann\nTrackNumType=2\n");
  ConvertSettings settings;
  settings.oggTag.title = "kept only when the subkey is missing";
  settings.oggTag.customTrackNum = 9;
  settings.wmaTag.title = "no subkey";
  IniSettingsRoot root(FilePath());
  LoadSettings(settings, root);

  EXPECT_EQ(settings.oggTag.artist, "Ann");
  EXPECT_EQ(settings.oggTag.title, "");
  EXPECT_EQ(settings.oggTag.trackNumType, 2u);
  EXPECT_EQ(settings.oggTag.customTrackNum, 9u);
  EXPECT_EQ(settings.wmaTag.title, "no subkey");

  TagPreset preset;
  EXPECT_FALSE(LoadTagPreset(preset, "WMA", root));
  EXPECT_TRUE(LoadTagPreset(preset, "OGG", root));
}

TEST_F(SettingsStoreTest, UnwritableFolderFailsTheSave) {
  IniSettingsRoot root("/proc/sondrel-cannot-exist/Sondrel.conf");
  ConvertSettings settings;
  EXPECT_FALSE(SaveSettings(settings, GROUP_OPTIONS, root));
  ConvertSettings loaded;
  LoadSettings(loaded, root);
  EXPECT_EQ(loaded.mp3BitRate, 128u);
}

}  // namespace
