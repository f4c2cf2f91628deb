// Cover pictures carried from sources made by ffmpeg, metaflac and opusenc, or taken from the
// source's folder, into each output that holds them; read back by ffmpeg byte for byte.

#include <gtest/gtest.h>
#include <taglib/asffile.h>
#include <unistd.h>

#include "app/EngineStartup.h"
#include "app/OutputFormat.h"
#include "convert/ConvertRoutines.h"
#include "source/SourceKind.h"
#include "support/AudioFixtures.h"
#include "support/ProgramFolder.h"
#include "support/RunProcess.h"
#include "support/ScriptedFrontEnd.h"
#include "support/TempDir.h"

namespace {

enum Source { WAV, MP3, FLAC, OPUS, M4A, WMA };
const char* const kSourceNames[] = {"Wav", "Mp3", "Flac", "Opus", "M4a", "Wma"};
const char* const kExtensions[] = {"wav", "mp3", "flac", "opus", "m4a", "wma"};
enum Folder { NO_FILE, JPEG, TEXT, HUGE };  // what the file beside the source holds
enum Expect { NO_PICTURE, SOURCE_PICTURE, FOLDER_PICTURE };
const std::string kDescription = "Vorderseite ü";

struct Row {
  Source source;
  uint32_t target;
  Expect expect;
  const char* folderName = "";
  Folder folder = NO_FILE;
  uint32_t tagOption = TAG_TRANSFER, fromFolder = 1, id3Version = 1;
  const char* note = "";
  const char* name = "";
};

class CoverArtTest : public ::testing::TestWithParam<Row> {
 protected:
  CoverArtTest() : folder_(true, false), engine_(folder_.Path()) {}

  // The row's source with `picture` attached, beside its folder file; empty when a tool failed.
  std::string MakeSource(const Row& row, const std::string& picture) {
    const std::string wav = dir_.File("tone.wav"),
                      out = dir_.File(std::string("s.") + kExtensions[row.source]);
    WriteWav16(wav, 44100, 2, SineWave(44100, 2, 44100, 440));
    if (row.folder == JPEG && !Succeeded(Ffmpeg({"-f", "lavfi", "-i", "color=c=blue:s=8x8",
                                                 "-frames:v", "1", dir_.File(row.folderName)})))
      return "";
    if (row.folder == TEXT) WriteFileText(dir_.File(row.folderName), "not a picture\n");
    if (row.folder == HUGE) {
      WriteFileText(dir_.File(row.folderName), "\xFF\xD8\xFF\xE0");
      if (truncate(dir_.File(row.folderName).c_str(), 17 << 20) != 0) return "";
    }
    const std::string attached = "3|image/png|" + kDescription + "||" + picture;
    ProcessResult made;
    if (row.source == WAV) return wav;
    if (row.source == FLAC) {
      if (!Succeeded(RunProcess("flac", {"-s", "-f", "-o", out, wav}))) return "";
      made = RunProcess("metaflac", {"--import-picture-from=" + attached, out});
    } else if (row.source == OPUS) {
      made = RunProcess("opusenc", {"--quiet", "--picture", attached, wav, out});
    } else if (row.source == WMA) {
      // ffmpeg writes a picture into ASF as a video stream; the attribute is TagLib's.
      if (!Succeeded(Ffmpeg({"-i", wav, out}))) return "";
      TagLib::ASF::File file(out.c_str());
      TagLib::ASF::Picture front;
      front.setType(TagLib::ASF::Picture::FrontCover);
      front.setMimeType("image/png");
      front.setDescription(TagLib::String(kDescription, TagLib::String::UTF8));
      const std::string bytes = ReadFileText(picture);
      front.setPicture(TagLib::ByteVector(bytes.data(), static_cast<unsigned>(bytes.size())));
      file.tag()->addAttribute("WM/Picture", front);
      return file.save() ? out : "";
    } else {
      made = Ffmpeg({"-i", wav, "-i", picture, "-map", "0", "-map", "1", "-c:v", "copy",
                     "-disposition:v", "attached_pic", "-metadata:s:v", "title=" + kDescription,
                     "-metadata:s:v", "comment=Cover (front)", out});
    }
    return Succeeded(made) ? out : "";
  }

  static ProcessResult Ffmpeg(std::vector<std::string> args) {
    args.insert(args.begin(), {"-v", "error", "-y"});
    return RunProcess("ffmpeg", args);
  }
  static std::string Probe(const std::string& path, const char* entries) {
    return RunProcess("ffprobe", {"-v", "error", "-select_streams", "v", "-show_entries", entries,
                                  "-of", "default=nw=1:nk=1", path})
        .out;
  }

  TestProgramFolder folder_;
  EngineSession engine_;
  TempDir dir_, pictures_;
  ConvertSettings settings_;
  RecordingProgress progress_;
};

TEST_P(CoverArtTest, PictureArrivesUnchangedOnceOrNotAtAll) {
  const Row& row = GetParam();
  const std::string picture = pictures_.File("front.png");
  if (!Succeeded(Ffmpeg({"-f", "lavfi", "-i", "testsrc=s=32x24", "-frames:v", "1", picture})))
    GTEST_SKIP() << "ffmpeg could not make the picture";
  const std::string source = MakeSource(row, picture);
  if (source.empty()) GTEST_SKIP() << "the source with its picture could not be made";
  settings_.mp3ID3TagType = settings_.oggID3TagType = settings_.m4aID3TagType =
      settings_.wmaID3TagType = settings_.flacTagType = settings_.opusTagType = row.tagOption;
  settings_.coverFromFolder = row.fromFolder;
  settings_.mp3WriteID3Version = row.id3Version;
  settings_.outputFormat = row.target;
  const std::string out = pictures_.File("out." + OutputExtension(row.target));
  const ConversionContext context{settings_, progress_, 1};
  ASSERT_TRUE(RoutineFor(row.target)(SourceKindFromPath(source), source, out, context));
  EXPECT_NE(context.note.find(row.note), std::string::npos) << context.note;

  const std::string streams = Probe(out, "stream=index");
  ASSERT_EQ(std::count(streams.begin(), streams.end(), '\n'), row.expect == NO_PICTURE ? 0 : 1);
  if (row.expect == NO_PICTURE) return;
  const std::string got = pictures_.File("got.img");
  ASSERT_TRUE(Succeeded(Ffmpeg({"-i", out, "-map", "0:v:0", "-c", "copy", "-f", "image2", got})));
  EXPECT_EQ(ReadFileText(got),
            ReadFileText(row.expect == SOURCE_PICTURE ? picture : dir_.File(row.folderName)));
  // MP4 holds no description; a picture from the folder has none.
  const bool described =
      row.expect == SOURCE_PICTURE && row.source != M4A && row.target != FORMAT_M4A;
  EXPECT_EQ(Probe(out, "stream_tags=title"), described ? kDescription + "\n" : "");
}

INSTANTIATE_TEST_SUITE_P(
    SourceToTarget, CoverArtTest,
    ::testing::ValuesIn(std::vector<Row>{
        {MP3, FORMAT_FLAC, SOURCE_PICTURE},
        {FLAC, FORMAT_MP3, SOURCE_PICTURE},
        {OPUS, FORMAT_M4A, SOURCE_PICTURE},
        {M4A, FORMAT_OGG, SOURCE_PICTURE},
        {WMA, FORMAT_OPUS, SOURCE_PICTURE},
        {FLAC, FORMAT_WMA, SOURCE_PICTURE},
        {MP3, FORMAT_MP3, SOURCE_PICTURE, "", NO_FILE, TAG_TRANSFER, 1, 1, "", "Id3CopiedOnce"},
        {FLAC, FORMAT_OGG, SOURCE_PICTURE, "folder.jpg", JPEG, TAG_TRANSFER, 1, 1, "",
         "SourceBeforeFolder"},
        {WAV, FORMAT_MP3, FOLDER_PICTURE, "Cover.JPG", JPEG, TAG_TRANSFER, 1, 1, "", "Folder"},
        {WAV, FORMAT_FLAC, NO_PICTURE, "folder.jpg", TEXT, TAG_TRANSFER, 1, 1,
         "folder.jpg beside the source is not a whole JPEG or PNG image", "NotAnImage"},
        {WAV, FORMAT_M4A, NO_PICTURE, "cover.jpg", HUGE, TAG_TRANSFER, 1, 1,
         "cover.jpg beside the source (17.0 MiB) is larger than the 16.0 MiB", "TooLarge"},
        {WAV, FORMAT_OGG, NO_PICTURE, "cover.jpg", JPEG, TAG_TRANSFER, 0, 1, "", "FolderOff"},
        {FLAC, FORMAT_MP3, NO_PICTURE, "", NO_FILE, TAG_FROM_PRESET, 1, 1, "", "Preset"},
        {FLAC, FORMAT_MP3, NO_PICTURE, "", NO_FILE, TAG_TRANSFER, 1, 0, "", "Id3v1Only"},
        {FLAC, FORMAT_OGG, NO_PICTURE, "", NO_FILE, TAG_NONE, 1, 1, "", "NoTag"},
    }),
    [](const ::testing::TestParamInfo<Row>& row) {
      const Row& r = row.param;
      return kSourceNames[r.source] + ("To" + OutputFormatDisplayName(r.target)) + r.name;
    });

}  // namespace
