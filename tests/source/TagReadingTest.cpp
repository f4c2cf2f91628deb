#include <gtest/gtest.h>

#include <taglib/apetag.h>
#include <taglib/id3v1tag.h>
#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>

#include <sys/inotify.h>
#include <unistd.h>

#include <climits>

#include "app/ConvertSettings.h"
#include "app/EngineStartup.h"
#include "codecs/readers/ProgramReaders.h"
#include "source/AudioSource.h"
#include "source/OpenSource.h"
#include "source/SourceKind.h"
#include "source/TagReading.h"
#include "support/AudioFixtures.h"
#include "support/ProgramFolder.h"
#include "support/RunProcess.h"
#include "support/TempDir.h"

namespace {

// A source with fixed tags and ID3 blocks.
class TaggedSource : public AudioSource {
 public:
  void Close() override {}
  bool Open(const std::string&, uint32_t) override { return true; }
  int Read(PcmBlock&) override { return 0; }
  const uint8_t* GetId3v1Tag() override { return id3v1.empty() ? nullptr : id3v1.data(); }
  const uint8_t* GetId3v2Tag(uint32_t& size) override {
    size = static_cast<uint32_t>(id3v2.size());
    return id3v2.empty() ? nullptr : id3v2.data();
  }
  bool ReadTags(TagInfo& out) override {
    ++readTagsCalls;
    if (!tags) return false;
    out = *tags;
    return true;
  }
  std::vector<uint8_t> id3v1, id3v2;
  std::optional<TagInfo> tags;
  int readTagsCalls = 0;
};

TEST(TagReadingTest, Utf8IsValidatedAndPassedThrough) {
  for (const char* good : {"", "plain", "Dvořák", "東京", "🎵 note", "\x7f"})
    EXPECT_EQ(Utf8ToLocal(good), std::optional<std::string>(good)) << good;
  const char* bad[] = {
      "\x80",              // a continuation byte alone
      "\xC3",              // a sequence cut short
      "\xC0\xAF",          // an overlong "/"
      "\xE0\x80\xAF",      // another overlong form
      "\xED\xA0\x80",      // a UTF-16 surrogate
      "\xF4\x90\x80\x80",  // past U+10FFFF
      "\xFF",              // never in UTF-8
      "ok\xE6\x9D",        // cut at the end
  };
  for (const char* text : bad) EXPECT_FALSE(Utf8ToLocal(text)) << testing::PrintToString(text);
}

TEST(TagReadingTest, FileNamesAndTrackNumbers) {
  EXPECT_EQ(FileNameWithoutExtension("/m/01 Song.mp3"), "01 Song");
  EXPECT_EQ(FileNameWithoutExtension("/m/v1.2/song"), "song");
  EXPECT_EQ(FileNameWithoutExtension("/m/a.b.wav"), "a.b");
  EXPECT_EQ(FileNameWithoutExtension("song.mid"), "song");

  EXPECT_EQ(TrackNumberFromText("7/12"), 7);
  EXPECT_EQ(TrackNumberFromText(" 12"), 12);
  EXPECT_EQ(TrackNumberFromText("track 3"), 0);
  EXPECT_EQ(TrackNumberFromText(""), 0);
  EXPECT_EQ(TrackNumberFromText("-3"), -3);
  EXPECT_EQ(TrackNumberFromText("99999999999"), INT_MAX);
}

TEST(TagReadingTest, PresetTagTakesTitleAndTrackByType) {
  TaggedSource source;
  TagPreset preset;
  preset.title = "Preset title";
  preset.artist = "Ann";
  preset.genre = "Rock";
  preset.customTrackNum = 9;

  const struct {
    uint32_t titleAsFileName, trackNumType;
    const char* title;
    int32_t track;
  } cases[] = {{1, TRACK_NUM_NONE, "Song", 0}, {0, TRACK_NUM_SEQUENCE, "Preset title", 4},
               {1, TRACK_NUM_CUSTOM, "Song", 9}};
  for (const auto& c : cases) {
    preset.titleAsFileName = c.titleAsFileName;
    preset.trackNumType = c.trackNumType;
    const OutputTag tag = ChooseOutputTag(TAG_FROM_PRESET, true, KIND_MIDI, "/m/Song.mid", source, preset, 4);
    ASSERT_EQ(tag.type, OutputTag::Type::FIELDS);
    EXPECT_EQ(tag.fields.title, c.title);
    EXPECT_EQ(tag.fields.artist, "Ann");
    EXPECT_EQ(tag.trackNumber, c.track);
    EXPECT_EQ(tag.fields.track, std::to_string(c.track));
  }
  EXPECT_EQ(source.readTagsCalls, 0);
  EXPECT_EQ(ChooseOutputTag(TAG_NONE, true, KIND_MIDI, "/m/a.mid", source, preset, 1).type,
            OutputTag::Type::NONE);
}

TEST(TagReadingTest, TransferToMp3CopiesRawId3BlocksOfMpegSources) {
  TaggedSource source;
  source.id3v1.assign(128, 'T');
  source.id3v2 = {'I', 'D', '3', 3, 0, 0, 0, 0, 0, 1, 0};
  source.tags = TagInfo{"title", "", "", "", "", "", "", "", ""};

  const OutputTag raw = ChooseOutputTag(TAG_TRANSFER, true, KIND_MPEG_AUDIO, "/m/a.mp3", source, {}, 1);
  EXPECT_EQ(raw.type, OutputTag::Type::RAW_ID3);
  EXPECT_EQ(raw.id3v1, source.id3v1);
  EXPECT_EQ(raw.id3v2, source.id3v2);
  EXPECT_EQ(source.readTagsCalls, 0);

  // Without ID3 blocks (an ".mp2" file, an APE tag only) the tag is built
  // from the texts read.
  TaggedSource bare;
  bare.tags = source.tags;
  const OutputTag built =
      ChooseOutputTag(TAG_TRANSFER, true, KIND_MPEG_AUDIO, "/m/a.mp2", bare, {}, 1);
  EXPECT_EQ(built.type, OutputTag::Type::FIELDS);
  EXPECT_EQ(built.fields.title, "title");

  // Another target reads the texts instead.
  const OutputTag texts = ChooseOutputTag(TAG_TRANSFER, false, KIND_MPEG_AUDIO, "/m/a.mp3", source, {}, 1);
  EXPECT_EQ(texts.type, OutputTag::Type::FIELDS);
  EXPECT_EQ(texts.fields.title, "title");
}

TEST(TagReadingTest, TransferReadsTheSourceTagOrNothing) {
  TaggedSource source;
  EXPECT_EQ(ChooseOutputTag(TAG_TRANSFER, false, KIND_OGG, "/m/a.ogg", source, {}, 1).type,
            OutputTag::Type::NONE);
  source.tags = TagInfo{"t", "a", "", "", "", "two\nlines", "7/12", "", ""};
  const OutputTag tag = ChooseOutputTag(TAG_TRANSFER, false, KIND_OGG, "/m/a.ogg", source, {}, 1);
  EXPECT_EQ(tag.fields.comment, "two\nlines");
  EXPECT_EQ(tag.fields.track, "7/12");
  EXPECT_EQ(tag.trackNumber, 7);
}

TEST(TagReadingTest, TransferReadsTheTrackTextAsASignedDecimalInteger) {
  const struct {
    const char* text;
    int32_t number;
  } cases[] = {
      {"-3", -3},        {"+4", 4},      {" -12/15", -12}, {"7/12", 7},
      {"-", 0},          {"- 3", 0},     {"x5", 0},        {"", 0},
      {"2147483647", INT_MAX},           {"99999999999", INT_MAX},
      {"-2147483648", INT_MIN},          {"-99999999999", INT_MIN},
  };
  for (const auto& c : cases) {
    TaggedSource source;
    source.tags = TagInfo{"t", "", "", "", "", "", c.text, "", ""};
    const OutputTag tag = ChooseOutputTag(TAG_TRANSFER, false, KIND_OGG, "/m/a.ogg", source, {}, 1);
    ASSERT_EQ(tag.type, OutputTag::Type::FIELDS) << c.text;
    EXPECT_EQ(tag.trackNumber, c.number) << c.text;
    EXPECT_EQ(tag.fields.track, c.text);
  }
}

// An MP3 file made by lame with an ID3v1 tag, to which TagLib adds an ID3v2
// tag holding the title only and an APE tag holding another artist.
TEST(TagReadingTest, TransferFillsEmptyFieldsFromEveryTagOfAnMp3) {
  TempDir dir;
  const std::string wav = dir.File("in.wav");
  WriteWav16(wav, 44100, 1, SineWave(11025, 1, 44100, 440));
  const std::string mp3 = dir.File("tagged.mp3");
  const ProcessResult lame =
      RunProcess("lame", {"--quiet", "--id3v1-only", "--ta", "V1 Artist", "--tl", "V1 Album",
                          "--ty", "1999", "--tg", "Jazz", "--tc", "V1 comment", "--tn", "5", wav,
                          mp3});
  ASSERT_EQ(lame.exitCode, 0) << lame.err;
  {
    TagLib::MPEG::File file(mp3.c_str());
    ASSERT_TRUE(file.hasID3v1Tag());
    file.ID3v2Tag(true)->setTitle("V2 Title");
    file.APETag(true)->setArtist("APE Artist");
    ASSERT_TRUE(file.save(TagLib::MPEG::File::ID3v2 | TagLib::MPEG::File::APE,
                          TagLib::File::StripNone, TagLib::ID3v2::v3, TagLib::File::DoNotDuplicate));
  }
  {
    TagLib::MPEG::File file(mp3.c_str());
    ASSERT_TRUE(file.hasID3v2Tag() && file.hasAPETag() && file.hasID3v1Tag());
    ASSERT_TRUE(file.ID3v2Tag()->artist().isEmpty());
    ASSERT_EQ(file.ID3v1Tag()->artist(), "V1 Artist");
  }

  const TestProgramFolder folder(false, false);
  const EngineSession engine(folder.Path());
  const std::unique_ptr<AudioSource> source = OpenSource(mp3, KIND_MPEG_AUDIO, 0, true, ProgramReaders());
  ASSERT_TRUE(source);
  const OutputTag tag = ChooseOutputTag(TAG_TRANSFER, false, KIND_MPEG_AUDIO, mp3, *source, {}, 1);
  source->Close();
  ASSERT_EQ(tag.type, OutputTag::Type::FIELDS);
  EXPECT_EQ(tag.fields.title, "V2 Title");
  EXPECT_EQ(tag.fields.artist, "APE Artist");
  EXPECT_EQ(tag.fields.album, "V1 Album");
  EXPECT_EQ(tag.fields.year, "1999");
  EXPECT_EQ(tag.fields.genre, "Jazz");
  EXPECT_EQ(tag.fields.comment, "V1 comment");
  EXPECT_EQ(tag.fields.track, "5");
  EXPECT_EQ(tag.trackNumber, 5);
  EXPECT_EQ(tag.fields.composer, "");
}

class Mp4MetadataTest : public ::testing::Test {
 protected:
  std::string MakeM4a(const std::vector<std::string>& metadata) {
    const std::string wav = dir_.File("in.wav");
    WriteWav16(wav, 44100, 2, SineWave(4410, 2, 44100, 440));
    const std::string m4a = dir_.File("out" + std::to_string(counter_++) + ".m4a");
    std::vector<std::string> args = {"-i", wav, "-c:a", "aac", "-b:a", "64k"};
    for (const std::string& item : metadata) {
      args.push_back("-metadata");
      args.push_back(item);
    }
    args.push_back(m4a);
    return MadePath(RunFfmpeg(args), m4a);
  }
  TempDir dir_;
  int counter_ = 0;
};

TEST_F(Mp4MetadataTest, ReadsTheTextFieldsAndTrack) {
  const std::string m4a = MakeM4a({"title=Dvořák", "artist=東京", "album=Al", "date=1999",
                                   "genre=Rock", "comment=Note", "composer=Comp", "track=7/12",
                                   "copyright=C"});
  ASSERT_FALSE(m4a.empty());
  TagInfo tags;
  tags.copyright = "stale";
  ASSERT_TRUE(ReadMp4Metadata(m4a, tags));
  EXPECT_EQ(tags.title, "Dvořák");
  EXPECT_EQ(tags.artist, "東京");
  EXPECT_EQ(tags.album, "Al");
  EXPECT_EQ(tags.year, "1999");
  EXPECT_EQ(tags.genre, "Rock");
  EXPECT_EQ(tags.comment, "Note");
  EXPECT_EQ(tags.composer, "Comp");
  EXPECT_EQ(tags.track, "7/12");  // the total is kept for the outputs that hold one
  EXPECT_EQ(tags.copyright, "");
}

TEST_F(Mp4MetadataTest, TrackAloneIsNotATag) {
  const std::string m4a = MakeM4a({"track=3"});
  ASSERT_FALSE(m4a.empty());
  TagInfo tags;
  EXPECT_FALSE(ReadMp4Metadata(m4a, tags));
  EXPECT_EQ(tags.track, "3");
  EXPECT_FALSE(ReadMp4Metadata(dir_.File("missing.m4a"), tags));
  WriteFileText(dir_.File("junk.m4a"), "not an mpeg-4 file at all");
  EXPECT_FALSE(ReadMp4Metadata(dir_.File("junk.m4a"), tags));
}

// A tagged source of each family whose tags TagLib reads, by its extension.
class SourceAccessTest : public ::testing::TestWithParam<const char*> {};

// File watchers take the close of a descriptor open for writing for a change.
TEST_P(SourceAccessTest, ListingTagsAndConvertingNeverOpenTheSourceForWriting) {
  TempDir dir;
  const std::string source = dir.File(std::string("tagged.") + GetParam());
  ASSERT_TRUE(RunFfmpeg({"-f", "lavfi", "-i", "sine=d=1", "-metadata", "title=Kept", "-metadata",
                         "artist=Ann", source}));
  const int watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  ASSERT_GE(inotify_add_watch(watch, source.c_str(), IN_CLOSE), 0);
  const std::map<std::string, std::string> env = {{"XDG_CONFIG_HOME", dir.Path()}};
  const ProcessResult info = RunCliProcess({"info", "--tags", source}, env);
  EXPECT_NE(info.out.find("Kept\tAnn"), std::string::npos) << info.out << info.err;
  EXPECT_TRUE(Succeeded(RunCliProcess(
      {"convert", "--to", "ogg", "--tag", "transfer", "--out", dir.File("out"), source}, env)));
  // Closes in a row are reported as one: a handful of events at most.
  alignas(inotify_event) char events[4096];
  const ssize_t got = read(watch, events, sizeof events);
  close(watch);
  uint32_t seen = 0;
  for (const char* at = events; at < events + got; at += sizeof(inotify_event)) {
    seen |= reinterpret_cast<const inotify_event*>(at)->mask;  // no names: the watch is a file
  }
  EXPECT_TRUE(seen & IN_CLOSE_NOWRITE) << "the watch saw the source being read";
  EXPECT_FALSE(seen & IN_CLOSE_WRITE);
}

INSTANTIATE_TEST_SUITE_P(Families, SourceAccessTest,
                         ::testing::Values("mp3", "m4a", "ogg", "flac", "wma"),
                         [](const auto& row) { return std::string(row.param); });

}  // namespace
