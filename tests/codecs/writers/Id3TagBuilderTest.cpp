#include <gtest/gtest.h>

#include <dirent.h>

#include <taglib/commentsframe.h>
#include <taglib/id3v1tag.h>
#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>

#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "codecs/writers/Id3TagBuilder.h"
#include "codecs/writers/Mp3Writer.h"
#include "support/AudioFixtures.h"
#include "support/FileSizeLimit.h"
#include "support/RunProcess.h"
#include "support/TempDir.h"

namespace {

// Points the temporary folder (TMPDIR) at `folder` while the guard lives.
class TemporaryFolderOverride {
 public:
  explicit TemporaryFolderOverride(const std::string& folder) {
    const char* old = std::getenv("TMPDIR");
    hadOld_ = old != nullptr;
    if (hadOld_) old_ = old;
    setenv("TMPDIR", folder.c_str(), 1);
  }
  ~TemporaryFolderOverride() {
    if (hadOld_) {
      setenv("TMPDIR", old_.c_str(), 1);
    } else {
      unsetenv("TMPDIR");
    }
  }

 private:
  bool hadOld_ = false;
  std::string old_;
};

std::vector<std::string> FolderEntries(const std::string& folder) {
  std::vector<std::string> names;
  if (DIR* dir = opendir(folder.c_str())) {
    while (const dirent* entry = readdir(dir)) {
      const std::string name = entry->d_name;
      if (name != "." && name != "..") names.push_back(name);
    }
    closedir(dir);
  }
  return names;
}

struct Frame {
  std::string id;
  std::string data;
};

// The frames of an ID3v2.3 image in their order: 10-byte header, then
// frames of a 4-byte identifier, a 32-bit big-endian size and two flag
// bytes, up to the padding.
std::vector<Frame> ParseV23Frames(const std::vector<uint8_t>& image) {
  std::vector<Frame> frames;
  size_t at = 10;
  while (at + 10 <= image.size() && image[at] != 0) {
    Frame frame;
    frame.id.assign(image.begin() + at, image.begin() + at + 4);
    const size_t size = (size_t{image[at + 4]} << 24) | (size_t{image[at + 5]} << 16) |
                        (size_t{image[at + 6]} << 8) | image[at + 7];
    if (at + 10 + size > image.size()) break;
    frame.data.assign(image.begin() + at + 10, image.begin() + at + 10 + size);
    frames.push_back(frame);
    at += 10 + size;
  }
  return frames;
}

std::vector<std::string> FrameIds(const std::vector<Frame>& frames) {
  std::vector<std::string> ids;
  for (const Frame& frame : frames) ids.push_back(frame.id);
  return ids;
}

const Frame* FindFrame(const std::vector<Frame>& frames, const std::string& id) {
  for (const Frame& frame : frames)
    if (frame.id == id) return &frame;
  return nullptr;
}

std::string Bytes(const std::vector<uint8_t>& image, size_t at, size_t length) {
  return std::string(image.begin() + at, image.begin() + at + length);
}

// An ID3v1 text field up to its first NUL.
std::string V1Field(const std::vector<uint8_t>& image, size_t at, size_t length) {
  const std::string field = Bytes(image, at, length);
  return field.substr(0, field.find('\0'));
}

TagInfo Texts(const std::string& title, const std::string& artist, const std::string& album,
              const std::string& year, const std::string& genre, const std::string& comment,
              const std::string& composer = "", const std::string& copyright = "") {
  TagInfo tags;
  tags.title = title;
  tags.artist = artist;
  tags.album = album;
  tags.year = year;
  tags.genre = genre;
  tags.comment = comment;
  tags.composer = composer;
  tags.copyright = copyright;
  return tags;
}

// A short MP3 carrying the images, so that independent readers can read them.
void WriteTaggedMp3(const std::string& path, const Id3Images& images) {
  Mp3Writer writer;
  ASSERT_TRUE(writer.Open(path));
  if (!images.v1.empty()) {
    ASSERT_TRUE(writer.SetId3v1(images.v1.data(), images.v1.size()));
  }
  if (!images.v2.empty()) {
    ASSERT_TRUE(writer.SetId3v2(images.v2.data(), images.v2.size()));
  }
  writer.SetInputRate(22050);
  writer.SetChannels(1);
  ASSERT_TRUE(writer.Start());
  const std::vector<int16_t> samples = SineWave(11025, 1, 22050, 440);
  for (size_t at = 0; at < samples.size(); at += 1152) {
    const int count = static_cast<int>(std::min<size_t>(1152, samples.size() - at));
    ASSERT_TRUE(writer.WriteBlock16(samples.data() + at, nullptr, count));
  }
  ASSERT_TRUE(writer.Close());
}

// ffprobe's container tags, by key.
std::map<std::string, std::string> ProbeFormatTags(const std::string& path) {
  const ProcessResult result = RunProcess("ffprobe", {"-v", "error", "-show_entries", "format_tags",
                                                      "-of", "default=noprint_wrappers=1", path});
  EXPECT_TRUE(Succeeded(result));
  std::map<std::string, std::string> tags;
  size_t at = 0;
  while (at < result.out.size()) {
    size_t end = result.out.find('\n', at);
    if (end == std::string::npos) end = result.out.size();
    const std::string line = result.out.substr(at, end - at);
    const size_t equals = line.find('=');
    if (line.rfind("TAG:", 0) == 0 && equals != std::string::npos)
      tags[line.substr(4, equals - 4)] = line.substr(equals + 1);
    at = end + 1;
  }
  return tags;
}

std::string TagLibV2Text(TagLib::ID3v2::Tag* tag, const char* id) {
  const TagLib::ID3v2::FrameList& frames = tag->frameListMap()[id];
  return frames.isEmpty() ? std::string("<none>") : frames.front()->toString().to8Bit(true);
}

TEST(Id3TagBuilderTest, Id3v2FramesComeInOrderWithTheirTexts) {
  TagInfo texts = Texts("Café au lait", "Artist", "Album", "1999", "Rock", "Nice one", "Composer",
                        "2024 Someone");
  texts.track = "99";  // the number comes from the track parameter only
  const std::vector<uint8_t> image = BuildId3Tag(2, texts, 7);
  ASSERT_GE(image.size(), 10u);
  EXPECT_EQ(Bytes(image, 0, 5), std::string("ID3\x03\x00", 5));

  const std::vector<Frame> frames = ParseV23Frames(image);
  EXPECT_EQ(FrameIds(frames), (std::vector<std::string>{"TIT2", "TPE1", "TALB", "TYER", "TCON",
                                                        "TCOM", "TCOP", "COMM", "TRCK"}));
  // Texts that fit ISO-8859-1 are written in it (encoding byte 0).
  const std::map<std::string, std::string> expected = {
      {"TIT2", std::string("\0Caf\xe9 au lait", 13)},
      {"TPE1", std::string("\0Artist", 7)},
      {"TALB", std::string("\0Album", 6)},
      {"TYER", std::string("\0"
                           "1999",
                           5)},
      {"TCON", std::string("\0Rock", 5)},
      {"TCOM", std::string("\0Composer", 9)},
      {"TCOP", std::string("\0"
                           "2024 Someone",
                           13)},
      {"TRCK", std::string("\0"
                           "7",
                           2)},
      {"COMM", std::string("\0XXX\0Nice one", 13)},
  };
  for (const Frame& frame : frames) EXPECT_EQ(frame.data, expected.at(frame.id)) << frame.id;

  // Independent readers agree.
  TempDir dir;
  const std::string path = dir.File("v2.mp3");
  WriteTaggedMp3(path, Id3Images{{}, image});
  const std::map<std::string, std::string> probed = ProbeFormatTags(path);
  EXPECT_EQ(probed.at("title"), "Café au lait");
  EXPECT_EQ(probed.at("artist"), "Artist");
  EXPECT_EQ(probed.at("album"), "Album");
  EXPECT_EQ(probed.at("date"), "1999");
  EXPECT_EQ(probed.at("genre"), "Rock");
  EXPECT_EQ(probed.at("comment"), "Nice one");
  EXPECT_EQ(probed.at("composer"), "Composer");
  EXPECT_EQ(probed.at("copyright"), "2024 Someone");
  EXPECT_EQ(probed.at("track"), "7");
}

TEST(Id3TagBuilderTest, EmptyTextsKeepTheFourFramesAndTheComment) {
  const std::vector<uint8_t> image = BuildId3Tag(2, TagInfo{}, 0);
  const std::vector<Frame> frames = ParseV23Frames(image);
  EXPECT_EQ(FrameIds(frames),
            (std::vector<std::string>{"TIT2", "TPE1", "TALB", "TYER", "TCON", "COMM"}));
  ASSERT_NE(FindFrame(frames, "COMM"), nullptr);
  EXPECT_EQ(FindFrame(frames, "COMM")->data, std::string("\0XXX\0", 5));

  // Composer and copyright each appear only with a text.
  EXPECT_EQ(FrameIds(ParseV23Frames(BuildId3Tag(2, Texts("", "", "", "", "", "", "", "(c)"), 0))),
            (std::vector<std::string>{"TIT2", "TPE1", "TALB", "TYER", "TCON", "TCOP", "COMM"}));
  EXPECT_EQ(FrameIds(ParseV23Frames(BuildId3Tag(2, Texts("", "", "", "", "", "", "Bach"), 0))),
            (std::vector<std::string>{"TIT2", "TPE1", "TALB", "TYER", "TCON", "TCOM", "COMM"}));
}

TEST(Id3TagBuilderTest, TheTrackNumberUsesItsLowEightBits) {
  const struct {
    int track;
    int byte;  // 0: no track number
  } rows[] = {{0, 0}, {1, 1}, {255, 255}, {256, 0}, {257, 1}, {-1, 255}, {0x1234, 0x34}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.track);
    const TagInfo texts = Texts("T", "A", "B", "2000", "Pop", "C");
    const std::vector<Frame> frames = ParseV23Frames(BuildId3Tag(2, texts, row.track));
    const Frame* trck = FindFrame(frames, "TRCK");
    if (row.byte == 0) {
      EXPECT_EQ(trck, nullptr);
    } else {
      ASSERT_NE(trck, nullptr);
      EXPECT_EQ(trck->data, std::string(1, '\0') + std::to_string(row.byte));
      EXPECT_EQ(frames.back().id, "TRCK") << "the track number comes last";
    }
    const std::vector<uint8_t> v1 = BuildId3Tag(1, texts, row.track);
    ASSERT_EQ(v1.size(), 128u);
    if (row.byte != 0) {
      EXPECT_EQ(v1[125], 0) << "ID3v1.1 marks the track byte with a zero";
    }
    EXPECT_EQ(v1[126], row.byte);
  }
}

TEST(Id3TagBuilderTest, TextsBeyondLatin1BecomeUtf16InId3v2) {
  TagInfo texts =
      Texts("Dvořák", "東京", "Clef \xF0\x9D\x84\x9E", "2001", "Klassik", "東京 night", "Ærø");
  const std::vector<uint8_t> image = BuildId3Tag(2, texts, 3);
  const std::vector<Frame> frames = ParseV23Frames(image);
  ASSERT_EQ(frames.size(), 8u);

  // UTF-16 with a little-endian byte-order mark and little-endian units.
  ASSERT_NE(FindFrame(frames, "TPE1"), nullptr);
  EXPECT_EQ(FindFrame(frames, "TPE1")->data, std::string("\x01\xff\xfe\x71\x67\xac\x4e", 7));
  // A character outside the Basic Multilingual Plane takes a surrogate pair.
  ASSERT_NE(FindFrame(frames, "TALB"), nullptr);
  const std::string album = FindFrame(frames, "TALB")->data;
  EXPECT_EQ(album.substr(album.size() - 4), std::string("\x34\xd8\x1e\xdd", 4));
  // Latin-1 texts stay single-byte; the comment is UTF-16 as the other
  // frames, its empty description with a byte-order mark too.
  EXPECT_EQ(FindFrame(frames, "TCOM")->data, std::string("\0\xc6r\xf8", 4));
  EXPECT_EQ(FindFrame(frames, "COMM")->data.substr(0, 10),
            std::string("\x01XXX\xff\xfe\0\0\xff\xfe", 10));

  TempDir dir;
  const std::string path = dir.File("unicode.mp3");
  WriteTaggedMp3(path, Id3Images{{}, image});

  const std::map<std::string, std::string> probed = ProbeFormatTags(path);
  EXPECT_EQ(probed.at("title"), "Dvořák");
  EXPECT_EQ(probed.at("artist"), "東京");
  EXPECT_EQ(probed.at("album"), "Clef \xF0\x9D\x84\x9E");
  EXPECT_EQ(probed.at("genre"), "Klassik");
  EXPECT_EQ(probed.at("composer"), "Ærø");
  EXPECT_EQ(probed.at("comment"), "東京 night");

  TagLib::MPEG::File file(path.c_str());
  ASSERT_TRUE(file.isValid());
  TagLib::ID3v2::Tag* tag = file.ID3v2Tag();
  ASSERT_NE(tag, nullptr);
  EXPECT_EQ(tag->header()->majorVersion(), 3u);
  EXPECT_EQ(tag->title().to8Bit(true), "Dvořák");
  EXPECT_EQ(tag->artist().to8Bit(true), "東京");
  EXPECT_EQ(tag->album().to8Bit(true), "Clef \xF0\x9D\x84\x9E");
  EXPECT_EQ(tag->year(), 2001u);
  EXPECT_EQ(tag->track(), 3u);
  EXPECT_EQ(TagLibV2Text(tag, "TCOM"), "Ærø");
  const TagLib::ID3v2::FrameList& comments = tag->frameListMap()["COMM"];
  ASSERT_EQ(comments.size(), 1u);
  const auto* comment = dynamic_cast<TagLib::ID3v2::CommentsFrame*>(comments.front());
  ASSERT_NE(comment, nullptr);
  EXPECT_EQ(comment->language(), TagLib::ByteVector("XXX"));
  EXPECT_TRUE(comment->description().isEmpty());
  EXPECT_EQ(comment->text().to8Bit(true), "東京 night");
  EXPECT_FALSE(file.hasID3v1Tag());
}

TEST(Id3TagBuilderTest, Id3v1FieldsAreLatin1InTheirPlaces) {
  const TagInfo texts = Texts("Dvořák", "東京", "An album title longer than thirty characters",
                              "2024-05-01", "rOcK", "ok\xc3", "Composer", "Copyright");
  const std::vector<uint8_t> image = BuildId3Tag(1, texts, 9);
  ASSERT_EQ(image.size(), 128u);
  EXPECT_EQ(Bytes(image, 0, 3), "TAG");
  EXPECT_EQ(V1Field(image, 3, 30), "Dvo?\xe1k");
  EXPECT_EQ(V1Field(image, 33, 30), "??");
  EXPECT_EQ(V1Field(image, 63, 30), "An album title longer than thi");
  EXPECT_EQ(Bytes(image, 93, 4), "2024");
  EXPECT_EQ(V1Field(image, 97, 28), "ok?") << "a cut-short UTF-8 sequence becomes '?'";
  EXPECT_EQ(image[126], 9);
  EXPECT_EQ(image[127], 17);

  // Written as the last 128 bytes of a file, TagLib reads the same.
  TempDir dir;
  const std::string path = dir.File("v1.mp3");
  WriteTaggedMp3(path, Id3Images{image, {}});
  const std::string bytes = ReadFileText(path);
  EXPECT_EQ(bytes.substr(bytes.size() - 128), std::string(image.begin(), image.end()));
  TagLib::MPEG::File file(path.c_str());
  ASSERT_TRUE(file.hasID3v1Tag());
  EXPECT_EQ(file.ID3v1Tag()->title().to8Bit(true), "Dvo?ák");
  EXPECT_EQ(file.ID3v1Tag()->genre().to8Bit(true), "Rock");
  EXPECT_EQ(file.ID3v1Tag()->track(), 9u);
  EXPECT_FALSE(file.hasID3v2Tag());
}

TEST(Id3TagBuilderTest, GenresBecomeNumbersInId3v1AndStayTextInId3v2) {
  const struct {
    const char* genre;
    int number;
  } rows[] = {{"Rock", 17},  {"rock", 17},       {"ROCK", 17}, {"Blues", 0},   {"Synthpop", 147},
              {"Other", 12}, {"Polka Rock", 12}, {"", 12},     {"Hip-Hop", 7}, {"(17)", 12}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.genre);
    const TagInfo texts = Texts("", "", "", "", row.genre, "");
    const std::vector<uint8_t> v1 = BuildId3Tag(1, texts, 0);
    ASSERT_EQ(v1.size(), 128u);
    EXPECT_EQ(v1[127], row.number);
    const std::vector<Frame> frames = ParseV23Frames(BuildId3Tag(2, texts, 0));
    const Frame* tcon = FindFrame(frames, "TCON");
    ASSERT_NE(tcon, nullptr);
    EXPECT_EQ(tcon->data, std::string(1, '\0') + row.genre);
  }
}

TEST(Id3TagBuilderTest, TheVersionOptionChoosesTheImages) {
  const TagInfo texts = Texts("Title", "Artist", "", "", "Pop", "");
  const struct {
    int option;
    bool v1, v2;
  } rows[] = {
      {0, true, false}, {1, false, true}, {2, true, true}, {3, false, false}, {-1, false, false}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.option);
    const Id3Images images = BuildId3Tags(row.option, texts, 1);
    EXPECT_EQ(images.v1.size(), row.v1 ? 128u : 0u);
    EXPECT_EQ(!images.v2.empty(), row.v2);
    if (row.v2) {
      EXPECT_EQ(Bytes(images.v2, 0, 3), "ID3");
    }
  }
  EXPECT_TRUE(BuildId3Tag(0, texts, 1).empty());
  EXPECT_TRUE(BuildId3Tag(3, texts, 1).empty());
}

TEST(Id3TagBuilderTest, TemporaryFilesAreRemovedOnEveryPath) {
  TempDir temp;
  const TagInfo texts = Texts(std::string(300, 'x'), "東京", "Album", "1999", "Rock", "Comment");
  {
    TemporaryFolderOverride redirect(temp.Path());
    EXPECT_EQ(BuildId3Tag(1, texts, 1).size(), 128u);
    EXPECT_FALSE(BuildId3Tag(2, texts, 1).empty());
    EXPECT_EQ(FolderEntries(temp.Path()), std::vector<std::string>{});

    // The rendering cannot be written whole: no image, no file left.
    {
      FileSizeLimit limit(64);
      ASSERT_TRUE(limit.Active());
      EXPECT_TRUE(BuildId3Tag(1, texts, 1).empty());
      EXPECT_TRUE(BuildId3Tag(2, texts, 1).empty());
    }
    EXPECT_EQ(FolderEntries(temp.Path()), std::vector<std::string>{});
  }
  {
    // No temporary file can be created.
    TemporaryFolderOverride redirect(temp.File("missing"));
    EXPECT_TRUE(BuildId3Tags(2, texts, 1).v1.empty());
    EXPECT_TRUE(BuildId3Tags(2, texts, 1).v2.empty());
  }
  EXPECT_EQ(FolderEntries(temp.Path()), std::vector<std::string>{});
}

}  // namespace
