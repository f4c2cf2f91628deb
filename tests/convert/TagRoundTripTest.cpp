// Tags carried by transfer from sources tagged here by oggenc, ffmpeg and
// TagLib into each output that holds a tag, read back by ffprobe and by the
// program itself: every text byte for byte, none written twice.

#include <gtest/gtest.h>
#include <taglib/apetag.h>
#include <taglib/id3v1tag.h>
#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <fstream>
#include <iterator>

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
const std::string kTitle = [] { std::string t; while (t.size() < 600) t += "Píseň 東京 😀 "; return t; }();
const std::vector<std::string> kComments = {
    "TITLE=" + kTitle, "ARTIST=Dvořák", "ARTIST=坂本龍一", "ALBUMARTIST=" + kAlbumArtist,
    "DATE=2001-05-17", "COMMENT=" + kComment, "TRACKNUMBER=3", "TRACKTOTAL=12", "DISCNUMBER=1",
    "DISCTOTAL=2", "GENRE=Jazz", "GENRE=Pop"};

enum class Source { OGG, MP3, M4A, ID3V1_MP3, APE_MP3, DISAGREEING_MP3, OWN_WMA };

struct Row {
  const char* name;
  Source source;
  uint32_t target;
  const char* key;  // ffprobe's name; "TYER": the text of that ID3v2.3 frame in the file's bytes
  std::string expected;
  std::string TagInfo::*readBack = nullptr;  // what the program reads from its output
};
std::ostream& operator<<(std::ostream& out, const Row& row) { return out << row.name; }

std::string Bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// How often a text lies in a file's bytes, in UTF-8 or in UTF-16LE.
int Occurrences(const std::string& bytes, const std::string& text) {
  std::string utf16;
  for (char16_t unit : QString::fromStdString(text).toStdU16String())
    utf16 += {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
  int count = 0;
  for (const std::string& form : {text, utf16})
    for (size_t at = bytes.find(form); at != std::string::npos; at = bytes.find(form, at + 1)) ++count;
  return count;
}

// The value ffprobe shows under `key` for the file or its stream.
std::optional<std::string> Probed(const std::string& path, const QString& key) {
  const ProcessResult result = RunProcess(
      "ffprobe", {"-v", "error", "-show_entries", "format_tags:stream_tags", "-of", "json", path});
  EXPECT_TRUE(Succeeded(result));
  const QJsonObject root = QJsonDocument::fromJson(QByteArray::fromStdString(result.out)).object();
  QJsonArray sets = root[QStringLiteral("streams")].toArray();
  sets.prepend(root[QStringLiteral("format")]);
  for (const QJsonValue& set : sets) {
    const QJsonObject tags = set.toObject()[QStringLiteral("tags")].toObject();
    for (auto it = tags.begin(); it != tags.end(); ++it)
      if (it.key().compare(key, Qt::CaseInsensitive) == 0) return it.value().toString().toStdString();
  }
  return std::nullopt;
}

class TagRoundTripTest : public ::testing::TestWithParam<Row> {
 protected:
  TagRoundTripTest() : folder_(true, false), engine_(folder_.Path()) {}

  bool Convert(uint32_t target, const std::string& source, const std::string& output) {
    settings_.outputFormat = target;
    return RoutineFor(target)(SourceKindFromPath(source), source, output, {settings_, progress_, 1});
  }

  // The row's source; empty when its tool failed.
  std::string MakeSource(Source kind) {
    const std::string wav = dir_.File("tone.wav"), ogg = dir_.File("s.ogg");
    WriteWav16(wav, 44100, 2, SineWave(44100, 2, 44100, 440));
    std::vector<std::string> args = {"-Q", "-o", ogg, wav};
    for (const std::string& comment : kComments) args.insert(args.end() - 1, {"-c", comment});
    if (!Succeeded(RunProcess("oggenc", args))) return "";
    if (kind == Source::OGG) return ogg;
    if (kind == Source::OWN_WMA) {
      settings_.wmaID3TagType = TAG_FROM_PRESET;
      settings_.wmaTag.comment = kComment;
      return Convert(FORMAT_WMA, wav, dir_.File("own.wma")) ? dir_.File("own.wma") : "";
    }
    // ffmpeg carries the Vorbis comments into ID3v2.3 and MP4 items.
    const std::string out = dir_.File(kind == Source::M4A ? "s.m4a" : "s.mp3");
    const bool tagged = kind == Source::MP3 || kind == Source::M4A;
    args = {"-v", "error", "-y", "-i", ogg, "-map_metadata", tagged ? "0:s:0" : "-1", "-metadata",
            "track=3/12", "-metadata", "disc=1/2", out};
    if (kind != Source::M4A) args.insert(args.end() - 1, {"-id3v2_version", tagged ? "3" : "0"});
    if (!Succeeded(RunProcess("ffmpeg", args))) return "";
    if (tagged) return out;
    // APE only; ID3v1 only; or ID3v2 and an ID3v1 that disagrees and holds more.
    TagLib::MPEG::File file(out.c_str());
    const bool ape = kind == Source::APE_MP3, v1 = kind == Source::ID3V1_MP3;
    if (v1 || kind == Source::DISAGREEING_MP3) file.ID3v1Tag(true)->setTitle("Only v1");
    if (!v1) file.ID3v1Tag(true)->setAlbum("Only in v1");
    TagLib::Tag* tag = ape ? static_cast<TagLib::Tag*>(file.APETag(true)) : file.ID3v2Tag(true);
    if (!v1) tag->setTitle(TagLib::String("Ape Dvořák 😀", TagLib::String::UTF8));
    const int tags = ape ? TagLib::MPEG::File::APE : v1 ? TagLib::MPEG::File::ID3v1 : TagLib::MPEG::File::AllTags;
    return file.save(tags, TagLib::File::StripOthers, TagLib::ID3v2::v4, TagLib::File::DoNotDuplicate) ? out : "";
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
  settings_.mp3ID3TagType = settings_.oggID3TagType = settings_.m4aID3TagType = settings_.wmaID3TagType =
      TAG_TRANSFER;
  const std::string out = dir_.File("out." + OutputExtension(row.target));
  ASSERT_TRUE(Convert(row.target, source, out));
  const std::string bytes = Bytes(out);
  if (std::string(row.key) == "TYER") {
    const size_t at = bytes.find("TYER");
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(bytes.substr(at + 11, static_cast<uint8_t>(bytes[at + 7]) - 1u), row.expected);
  } else {
    EXPECT_EQ(Probed(out, QString::fromLatin1(row.key)), row.expected);
    // A short text could lie in the sound by chance.
    EXPECT_LE(row.expected.size() < 6 ? 0 : Occurrences(bytes, row.expected), 1) << "written twice";
  }
  if (!row.readBack) return;
  std::unique_ptr<AudioSource> output = OpenSource(out, SourceKindFromPath(out), 0, false, ProgramReaders());
  ASSERT_NE(output, nullptr);
  EXPECT_EQ(ChooseOutputTag(TAG_TRANSFER, false, SourceKindFromPath(out), out, *output, {}, 0).fields.*row.readBack,
            row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    SourceToTarget, TagRoundTripTest,
    ::testing::Values(
        Row{"OggCommentToMp3KeepsEveryCharacter", Source::OGG, FORMAT_MP3, "comment", kComment, &TagInfo::comment},
        Row{"OggFullDateToMp3YearFrame", Source::OGG, FORMAT_MP3, "TYER", "2001"},
        Row{"OggFullDateToMp3", Source::OGG, FORMAT_MP3, "date", "2001-05-17"},
        Row{"ApeOnlyMp3ToMp3", Source::APE_MP3, FORMAT_MP3, "title", "Ape Dvořák 😀", &TagInfo::title},
        Row{"Id3v1OnlyMp3ToOgg", Source::ID3V1_MP3, FORMAT_OGG, "title", "Only v1", &TagInfo::title},
        Row{"DisagreeingMp3ToOggTakesId3v2", Source::DISAGREEING_MP3, FORMAT_OGG, "title", "Ape Dvořák 😀"},
        Row{"DisagreeingMp3ToOggFillsFromId3v1", Source::DISAGREEING_MP3, FORMAT_OGG, "album", "Only in v1"},
        Row{"OggTitleToWmaOnce", Source::OGG, FORMAT_WMA, "title", kTitle, &TagInfo::title},
        Row{"OggArtistToWmaOnce", Source::OGG, FORMAT_WMA, "artist", "Dvořák", &TagInfo::artist},
        Row{"OggCommentToWmaOnce", Source::OGG, FORMAT_WMA, "comment", kComment, &TagInfo::comment},
        Row{"OwnWmaCommentToOgg", Source::OWN_WMA, FORMAT_OGG, "comment", kComment, &TagInfo::comment},
        Row{"OggAlbumArtistToWma", Source::OGG, FORMAT_WMA, "album_artist", kAlbumArtist, &TagInfo::albumArtist},
        Row{"OggDiscToWma", Source::OGG, FORMAT_WMA, "disc", "1/2", &TagInfo::disc},
        Row{"OggGenreToWma", Source::OGG, FORMAT_WMA, "genre", "Jazz", &TagInfo::genre},
        Row{"OggAlbumArtistToMp3", Source::OGG, FORMAT_MP3, "album_artist", kAlbumArtist, &TagInfo::albumArtist},
        Row{"OggDiscToMp3", Source::OGG, FORMAT_MP3, "disc", "1/2", &TagInfo::disc},
        Row{"OggTrackTotalToMp3", Source::OGG, FORMAT_MP3, "track", "3/12", &TagInfo::track},
        Row{"OggArtistsToMp3", Source::OGG, FORMAT_MP3, "artist", "Dvořák/坂本龍一"},
        Row{"OggArtistsToOgg", Source::OGG, FORMAT_OGG, "artist", "Dvořák;坂本龍一"},
        Row{"OggGenresToOgg", Source::OGG, FORMAT_OGG, "genre", "Jazz;Pop"},
        Row{"OggAlbumArtistToM4a", Source::OGG, FORMAT_M4A, "album_artist", kAlbumArtist, &TagInfo::albumArtist},
        Row{"OggDiscToM4a", Source::OGG, FORMAT_M4A, "disc", "1/2", &TagInfo::disc},
        Row{"OggTrackTotalToM4a", Source::OGG, FORMAT_M4A, "track", "3/12", &TagInfo::track},
        Row{"Mp3AlbumArtistToOgg", Source::MP3, FORMAT_OGG, "album_artist", kAlbumArtist, &TagInfo::albumArtist},
        Row{"Mp3DiscToOgg", Source::MP3, FORMAT_OGG, "disc", "1/2", &TagInfo::disc},
        Row{"M4aAlbumArtistToOgg", Source::M4A, FORMAT_OGG, "album_artist", kAlbumArtist, &TagInfo::albumArtist},
        Row{"M4aTrackTotalToOgg", Source::M4A, FORMAT_OGG, "track", "3/12", &TagInfo::track}),
    [](const ::testing::TestParamInfo<Row>& row) { return std::string(row.param.name); });

}  // namespace
