// Tags carried by transfer from sources made here by other tools (oggenc,
// ffmpeg, lame, TagLib) into each output that holds a tag, read back by
// ffprobe and by the program itself: every text byte for byte, nothing
// doubled.

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

const std::string kComment = "Řádek 1 😀\nŘádek 2 日本語";
const std::string kAlbumArtist = "Ævar & 坂本";
std::string LongTitle() {
  std::string title;
  while (title.size() < 600) title += "Píseň 東京 😀 ";
  return title;
}

enum class Source { OGG, ID3V2_MP3, ID3V1_MP3, APE_MP3, DISAGREEING_MP3, M4A, OWN_WMA };

struct Row {
  const char* name;
  Source source;
  uint32_t target;
  const char* key;  // ffprobe's name; "TYER": the bytes of that ID3v2 frame
  std::string expected;
  std::string TagInfo::*readBack = nullptr;  // what the program reads from its output
};

std::ostream& operator<<(std::ostream& out, const Row& row) { return out << row.name; }

// The tags ffprobe shows for the file and its stream.
std::vector<std::pair<std::string, std::string>> ProbedTags(const std::string& path) {
  const ProcessResult result = RunProcess(
      "ffprobe", {"-v", "error", "-show_entries", "format_tags:stream_tags", "-of", "json", path});
  EXPECT_TRUE(Succeeded(result));
  const QJsonObject root = QJsonDocument::fromJson(QByteArray::fromStdString(result.out)).object();
  const QString tagsKey = QStringLiteral("tags");
  std::vector<QJsonObject> sets{root[QStringLiteral("format")].toObject()[tagsKey].toObject()};
  for (const QJsonValue& stream : root[QStringLiteral("streams")].toArray())
    sets.push_back(stream.toObject()[tagsKey].toObject());
  std::vector<std::pair<std::string, std::string>> tags;
  for (const QJsonObject& set : sets)
    for (auto it = set.begin(); it != set.end(); ++it)
      tags.emplace_back(it.key().toLower().toStdString(), it.value().toString().toStdString());
  return tags;
}

// The text of an ID3v2.3 text frame in ISO-8859-1, read from the file's bytes.
std::string Id3v23Text(const std::string& path, const std::string& id) {
  std::ifstream in(path, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const size_t at = bytes.find(id);
  if (at == std::string::npos || at + 11 > bytes.size()) return "(no " + id + " frame)";
  size_t size = 0;
  for (size_t i = at + 4; i < at + 8; ++i) size = (size << 8) | static_cast<uint8_t>(bytes[i]);
  return bytes.substr(at + 11, size - 1);
}

// How often a text lies in a file's bytes, in UTF-8 or in UTF-16LE.
int Occurrences(const std::string& path, const std::string& text) {
  std::ifstream in(path, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const std::u16string wide = QString::fromStdString(text).toStdU16String();
  std::string utf16;
  for (char16_t unit : wide) utf16 += {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
  int count = 0;
  for (const std::string& form : {text, utf16})
    for (size_t at = bytes.find(form); at != std::string::npos; at = bytes.find(form, at + 1)) ++count;
  return count;
}

class TagRoundTripTest : public ::testing::TestWithParam<Row> {
 protected:
  TagRoundTripTest() : folder_(true, false), engine_(folder_.Path()) {}

  bool Convert(uint32_t target, const std::string& source, const std::string& output) {
    settings_.outputFormat = target;
    const ConversionContext context{settings_, progress_, 1};
    return RoutineFor(target)(SourceKindFromPath(source), source, output, context);
  }

  // The source of a row, tagged by its tool; empty when the tool failed.
  std::string MakeSource(Source kind) {
    const std::string wav = dir_.File("tone.wav");
    WriteWav16(wav, 44100, 2, SineWave(44100, 2, 44100, 440));
    const std::vector<std::string> meta = {
        "-metadata", "title=" + LongTitle(), "-metadata",  "artist=Dvořák",
        "-metadata", "album_artist=" + kAlbumArtist, "-metadata", "date=2001-05-17",
        "-metadata", "comment=" + kComment, "-metadata",  "track=3/12",
        "-metadata", "disc=1/2",  "-metadata", "album=Альбом"};
    auto ffmpeg = [&](const std::string& out, std::vector<std::string> args) {
      args.insert(args.begin(), {"-v", "error", "-y", "-i", wav});
      args.push_back(out);
      return Succeeded(RunProcess("ffmpeg", args)) ? out : std::string();
    };
    std::vector<std::string> args;
    switch (kind) {
      case Source::OGG: {
        const std::string out = dir_.File("s.ogg");
        const ProcessResult made = RunProcess(
            "oggenc", {"-Q", "-o", out, "-c", "TITLE=" + LongTitle(), "-c", "ARTIST=Dvořák", "-c",
                       "ARTIST=坂本龍一", "-c", "ALBUMARTIST=" + kAlbumArtist, "-c",
                       "DATE=2001-05-17", "-c", "COMMENT=" + kComment, "-c", "TRACKNUMBER=3", "-c",
                       "TRACKTOTAL=12", "-c", "DISCNUMBER=1", "-c", "DISCTOTAL=2", "-c",
                       "GENRE=Jazz", "-c", "GENRE=Pop", wav});
        return Succeeded(made) ? out : std::string();
      }
      case Source::ID3V2_MP3:
        args = meta;
        args.insert(args.end(), {"-c:a", "libmp3lame", "-id3v2_version", "3"});
        return ffmpeg(dir_.File("s.mp3"), args);
      case Source::M4A:
        args = meta;
        args.insert(args.end(), {"-c:a", "aac"});
        return ffmpeg(dir_.File("s.m4a"), args);
      case Source::ID3V1_MP3:
      case Source::APE_MP3:
      case Source::DISAGREEING_MP3: {
        const std::string out = ffmpeg(dir_.File("s.mp3"), {"-c:a", "libmp3lame", "-id3v2_version",
                                                            "0", "-write_xing", "0"});
        TagLib::MPEG::File file(out.c_str());
        if (out.empty() || !file.isValid()) return std::string();
        // APE only; ID3v1 only; or ID3v2 and an ID3v1 that disagrees and holds more.
        const bool ape = kind == Source::APE_MP3, v1 = kind == Source::ID3V1_MP3;
        if (v1 || kind == Source::DISAGREEING_MP3) file.ID3v1Tag(true)->setTitle("Only v1");
        if (!v1) file.ID3v1Tag(true)->setAlbum("Only in v1");
        TagLib::Tag* tag = ape ? static_cast<TagLib::Tag*>(file.APETag(true))
                               : static_cast<TagLib::Tag*>(file.ID3v2Tag(true));
        if (!v1) tag->setTitle(TagLib::String("Ape Dvořák 😀", TagLib::String::UTF8));
        const int tags = ape ? TagLib::MPEG::File::APE
                             : v1 ? TagLib::MPEG::File::ID3v1 : TagLib::MPEG::File::AllTags;
        return file.save(tags, TagLib::File::StripOthers, TagLib::ID3v2::v4,
                         TagLib::File::DoNotDuplicate) ? out : "";
      }
      case Source::OWN_WMA: {
        settings_.wmaID3TagType = TAG_FROM_PRESET;
        settings_.wmaTag.comment = kComment;
        return Convert(FORMAT_WMA, wav, dir_.File("own.wma")) ? dir_.File("own.wma") : "";
      }
    }
    return std::string();
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
  const std::string out = dir_.File(std::string("out.") + OutputExtension(row.target));
  ASSERT_TRUE(Convert(row.target, source, out));

  if (std::string(row.key) == "TYER") {
    EXPECT_EQ(Id3v23Text(out, row.key), row.expected);
  } else {
    const auto tags = ProbedTags(out);
    const auto found = std::find_if(tags.begin(), tags.end(), [&](const auto& t) { return t.first == row.key; });
    ASSERT_NE(found, tags.end()) << "no " << row.key;
    EXPECT_EQ(found->second, row.expected);
    // Nothing doubled: the text lies at most once in the file's bytes (a
    // short one could lie in the sound by chance).
    if (row.expected.size() >= 6) {
      EXPECT_LE(Occurrences(out, row.expected), 1) << "written twice";
    }
  }
  if (row.readBack) {
    std::unique_ptr<AudioSource> output = OpenSource(out, SourceKindFromPath(out), 0, false, ProgramReaders());
    ASSERT_NE(output, nullptr);
    const OutputTag back = ChooseOutputTag(TAG_TRANSFER, false, SourceKindFromPath(out), out, *output, TagPreset(), 0);
    EXPECT_EQ(back.fields.*row.readBack, row.expected);
  }
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
        Row{"OggTitleToWmaOnce", Source::OGG, FORMAT_WMA, "title", LongTitle(), &TagInfo::title},
        Row{"OggArtistToWmaOnce", Source::OGG, FORMAT_WMA, "artist", "Dvořák", &TagInfo::artist},
        Row{"OggCommentToWma", Source::OGG, FORMAT_WMA, "comment", kComment, &TagInfo::comment},
        Row{"OwnWmaCommentToOgg", Source::OWN_WMA, FORMAT_OGG, "comment", kComment, &TagInfo::comment},
        Row{"OggAlbumArtistToWma", Source::OGG, FORMAT_WMA, "album_artist", kAlbumArtist, &TagInfo::albumArtist},
        Row{"OggDiscToWma", Source::OGG, FORMAT_WMA, "disc", "1/2", &TagInfo::disc},
        Row{"OggAlbumArtistToMp3", Source::OGG, FORMAT_MP3, "album_artist", kAlbumArtist, &TagInfo::albumArtist},
        Row{"OggDiscToMp3", Source::OGG, FORMAT_MP3, "disc", "1/2", &TagInfo::disc},
        Row{"OggTrackTotalToMp3", Source::OGG, FORMAT_MP3, "track", "3/12", &TagInfo::track},
        Row{"OggArtistsToMp3", Source::OGG, FORMAT_MP3, "artist", "Dvořák/坂本龍一"},
        Row{"OggArtistsToOgg", Source::OGG, FORMAT_OGG, "artist", "Dvořák;坂本龍一"},
        Row{"OggGenresToWma", Source::OGG, FORMAT_WMA, "genre", "Jazz", &TagInfo::genre},
        Row{"OggGenresToOgg", Source::OGG, FORMAT_OGG, "genre", "Jazz;Pop"},
        Row{"OggAlbumArtistToM4a", Source::OGG, FORMAT_M4A, "album_artist", kAlbumArtist, &TagInfo::albumArtist},
        Row{"OggDiscToM4a", Source::OGG, FORMAT_M4A, "disc", "1/2", &TagInfo::disc},
        Row{"OggTrackTotalToM4a", Source::OGG, FORMAT_M4A, "track", "3/12", &TagInfo::track},
        Row{"Mp3AlbumArtistToOgg", Source::ID3V2_MP3, FORMAT_OGG, "album_artist", kAlbumArtist, &TagInfo::albumArtist},
        Row{"Mp3DiscToOgg", Source::ID3V2_MP3, FORMAT_OGG, "disc", "1/2", &TagInfo::disc},
        Row{"M4aAlbumArtistToOgg", Source::M4A, FORMAT_OGG, "album_artist", kAlbumArtist, &TagInfo::albumArtist},
        Row{"M4aTrackTotalToOgg", Source::M4A, FORMAT_OGG, "track", "3/12", &TagInfo::track}),
    [](const ::testing::TestParamInfo<Row>& row) { return std::string(row.param.name); });

}  // namespace
