// Tags carried by transfer from sources tagged by oggenc, ffmpeg and TagLib into each output,
// read back by ffprobe and by the program: every text byte for byte, none written twice.

#include <gtest/gtest.h>
#include <taglib/apetag.h>
#include <taglib/mpegfile.h>

#include <QString>
#include <fstream>

#include "app/EngineStartup.h"
#include "app/OutputFormat.h"
#include "codecs/readers/ProgramReaders.h"
#include "convert/ConvertRoutines.h"
#include "source/OpenSource.h"
#include "source/SourceKind.h"
#include "source/TagReading.h"
#include "support/AudioFixtures.h"
#include "support/ProgramFolder.h"
#include "support/RunProcess.h"
#include "support/ScriptedFrontEnd.h"
#include "support/TempDir.h"

namespace {

const std::string kComment = "Řádek 1 😀\nŘádek 2 日本語", kAlbumArtist = "Ævar & 坂本";
const std::string kTitle = QString::fromUtf8("Píseň 東京 😀 ").repeated(30).toStdString();
const std::vector<std::string> kComments = {
    "TITLE=" + kTitle, "ARTIST=Dvořák",       "ARTIST=坂本龍一", "ALBUMARTIST=" + kAlbumArtist,
    "DATE=2001-05-17", "COMMENT=" + kComment, "TRACKNUMBER=3",   "TRACKTOTAL=12",
    "DISCNUMBER=1",    "DISCTOTAL=2",         "GENRE=Jazz",      "GENRE=Pop"};

enum Source { OGG, MP3, M4A, APE_MP3 };
const char* const kSourceNames[] = {"Ogg", "Mp3", "M4a", "ApeOnlyMp3"};

struct Row {
  Source source;
  uint32_t target;
  const char* key;  // ffprobe's name, or "TYER": that ID3v2.3 frame's text in the file's bytes
  std::string expected, TagInfo::*readBack = nullptr;  // what the program reads from its output
  std::vector<std::string> TagInfo::*readMore = nullptr, more = {};  // and the further values
};

// How often a text lies in a file's bytes, in UTF-8 or in UTF-16LE.
int Occurrences(const std::string& bytes, const std::string& text) {
  std::string utf16;
  for (char16_t unit : QString::fromStdString(text).toStdU16String())
    utf16 += {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
  int count = 0;
  for (const std::string& form : {text, utf16})
    for (size_t at = bytes.find(form); at != std::string::npos; at = bytes.find(form, at + 1))
      ++count;
  return count;
}

// The values ffprobe shows under `key` (any letter case) for the file and its stream.
std::string Probed(const std::string& path, const std::string& key) {
  const std::string entries = "format_tags=" + key + ":stream_tags=" + key;
  const ProcessResult probed = RunProcess(
      "ffprobe", {"-v", "error", "-show_entries", entries, "-of", "default=nw=1:nk=1", path});
  EXPECT_TRUE(Succeeded(probed));
  return probed.out.substr(0, probed.out.size() - (probed.out.empty() ? 0 : 1));
}

class TagRoundTripTest : public ::testing::TestWithParam<Row> {
 protected:
  TagRoundTripTest() : folder_(true, false), engine_(folder_.Path()) {}

  // The row's source; empty when its tool failed.
  std::string MakeSource(Source kind) {
    const std::string wav = dir_.File("tone.wav"), ogg = dir_.File("s.ogg");
    WriteWav16(wav, 44100, 2, SineWave(44100, 2, 44100, 440));
    std::vector<std::string> args = {"-Q", "-o", ogg, wav};
    for (const std::string& comment : kComments) args.insert(args.end() - 1, {"-c", comment});
    if (!Succeeded(RunProcess("oggenc", args))) return "";
    if (kind == OGG) return ogg;
    // ffmpeg carries the Vorbis comments into ID3v2.3 and MP4 items.
    const std::string out = dir_.File(kind == M4A ? "s.m4a" : "s.mp3");
    const bool tagged = kind == MP3 || kind == M4A;
    const std::string metadata = tagged ? "0:s:0" : "-1", id3v2 = tagged ? "3" : "0";
    args = {"-v",     "error",     "-y",         "-i",        ogg,        "-map_metadata",
            metadata, "-metadata", "track=3/12", "-metadata", "disc=1/2", out};
    if (kind != M4A) args.insert(args.end() - 1, {"-id3v2_version", id3v2});
    if (!Succeeded(RunProcess("ffmpeg", args))) return "";
    if (tagged) return out;
    TagLib::MPEG::File file(out.c_str());
    file.APETag(true)->setTitle(TagLib::String("Ape Dvořák 😀", TagLib::String::UTF8));
    return file.save(TagLib::MPEG::File::APE, TagLib::File::StripOthers) ? out : "";
  }

  TestProgramFolder folder_;
  EngineSession engine_;
  TempDir dir_;
  ConvertSettings settings_;
  RecordingProgress progress_;
};

TEST_P(TagRoundTripTest, TransferredTextArrivesWholeAndOnce) {
  const Row& row = GetParam();
  const std::string source = MakeSource(row.source);
  if (source.empty()) GTEST_SKIP() << "the tagged source could not be made";
  settings_.mp3ID3TagType = settings_.oggID3TagType = settings_.m4aID3TagType =
      settings_.wmaID3TagType = TAG_TRANSFER;
  const std::string out = dir_.File("out." + OutputExtension(row.target));
  settings_.outputFormat = row.target;
  ASSERT_TRUE(
      RoutineFor(row.target)(SourceKindFromPath(source), source, out, {settings_, progress_, 1}));
  std::ifstream in(out, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const size_t year = bytes.find("TYER");  // its size's low byte at +7, its text at +11
  const bool frame = std::string(row.key) == "TYER" && year + 11 < bytes.size();
  EXPECT_EQ(frame ? bytes.substr(year + 11, static_cast<uint8_t>(bytes[year + 7]) - 1u)
                  : Probed(out, row.key),
            row.expected);
  // A short text could lie in the sound by chance.
  EXPECT_LE(row.expected.size() < 6 ? 0 : Occurrences(bytes, row.expected), 1) << "written twice";
  const int32_t kind = SourceKindFromPath(out);
  std::unique_ptr<AudioSource> output = OpenSource(out, kind, 0, false, ProgramReaders());
  ASSERT_NE(output, nullptr);
  const OutputTag back = ChooseOutputTag(TAG_TRANSFER, false, kind, out, *output, {}, 0);
  if (row.readBack) {
    EXPECT_EQ(back.fields.*row.readBack, row.expected);
  }
  if (row.readMore) {
    EXPECT_EQ(back.fields.*row.readMore, row.more) << "further values";
  }
}

// The faults' rows first: the MP3 comment and year, the APE-only MP3, the WMA texts written
// twice or where the program did not read them back, the WMA album artist.
INSTANTIATE_TEST_SUITE_P(SourceToTarget, TagRoundTripTest,
                         ::testing::ValuesIn(std::vector<Row>{
                             {OGG, FORMAT_MP3, "comment", kComment, &TagInfo::comment},
                             {OGG, FORMAT_MP3, "TYER", "2001"},
                             {APE_MP3, FORMAT_MP3, "title", "Ape Dvořák 😀", &TagInfo::title},
                             {OGG, FORMAT_WMA, "title", kTitle, &TagInfo::title},
                             {OGG, FORMAT_WMA, "artist", "Dvořák", &TagInfo::artist,
                              &TagInfo::moreArtists, {"坂本龍一"}},
                             {OGG, FORMAT_WMA, "genre", "Jazz", &TagInfo::genre,
                              &TagInfo::moreGenres, {"Pop"}},
                             {OGG, FORMAT_M4A, "artist", "Dvořák", &TagInfo::artist,
                              &TagInfo::moreArtists, {"坂本龍一"}},
                             {OGG, FORMAT_M4A, "genre", "Jazz", &TagInfo::genre,
                              &TagInfo::moreGenres, {"Pop"}},
                             {OGG, FORMAT_WMA, "comment", kComment, &TagInfo::comment},
                             {OGG, FORMAT_WMA, "album_artist", kAlbumArtist, &TagInfo::albumArtist},
                             {OGG, FORMAT_WMA, "disc", "1/2", &TagInfo::disc},
                             {OGG, FORMAT_MP3, "album_artist", kAlbumArtist, &TagInfo::albumArtist},
                             {OGG, FORMAT_MP3, "track", "3/12", &TagInfo::track},
                             {OGG, FORMAT_MP3, "artist", "Dvořák/坂本龍一"},
                             {OGG, FORMAT_OGG, "genre", "Jazz;Pop"},
                             {OGG, FORMAT_M4A, "disc", "1/2", &TagInfo::disc},
                             {OGG, FORMAT_M4A, "track", "3/12", &TagInfo::track},
                             {MP3, FORMAT_OGG, "album_artist", kAlbumArtist, &TagInfo::albumArtist},
                             {M4A, FORMAT_OGG, "album_artist", kAlbumArtist, &TagInfo::albumArtist},
                         }),
                         [](const ::testing::TestParamInfo<Row>& row) {
                           const Row& r = row.param;
                           return kSourceNames[r.source] +
                                  ("To" + OutputFormatDisplayName(r.target)) + "_" + r.key;
                         });

}  // namespace
