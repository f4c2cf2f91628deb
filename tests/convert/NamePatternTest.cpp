// Output names built from a pattern: the pattern rows, and a whole batch on
// tagged files with clashes and a tag that tries to leave the output folder.

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "app/EngineStartup.h"
#include "app/OutputFormat.h"
#include "codecs/readers/ProgramReaders.h"
#include "convert/ConversionJob.h"
#include "convert/NamePattern.h"
#include "source/SourceList.h"
#include "support/AudioFixtures.h"
#include "support/ProgramFolder.h"
#include "support/ScriptedFrontEnd.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;

const char kLibrary[] = "{artist}/{album}/{track:02} - {title}";

TagInfo Tags(std::string title, std::string artist = "", std::string album = "",
             std::string track = "", std::string year = "") {
  TagInfo tags{};
  tags.title = std::move(title), tags.artist = std::move(artist), tags.album = std::move(album);
  tags.track = std::move(track), tags.year = std::move(year);
  return tags;
}

std::string Repeated(const std::string& text, int times) {
  std::string all;
  while (times-- > 0) all += text;
  return all;
}

struct PatternRow {
  std::string pattern;
  TagInfo tags;
  std::string expected;  // "": the pattern is refused
};

void PrintTo(const PatternRow& row, std::ostream* out) {
  *out << row.pattern;
}

class NamePatternTest : public ::testing::TestWithParam<PatternRow> {};

TEST_P(NamePatternTest, BuildsAContainedRelativePath) {
  const PatternRow& row = GetParam();
  std::string problem;
  const std::optional<NamePattern> pattern = NamePattern::Parse(row.pattern, problem);
  if (row.expected.empty()) {
    EXPECT_FALSE(pattern) << row.pattern;
    EXPECT_FALSE(problem.empty());
    return;
  }
  ASSERT_TRUE(pattern) << problem;
  EXPECT_EQ(pattern->Expand(row.tags, "/music/Live Set/take 1.flac"), row.expected);
}

TagInfo Library() {
  TagInfo tags = Tags("", "", "", "4");
  tags.albumArtist = "Various", tags.disc = "2/2", tags.genre = "Jazz";
  return tags;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, NamePatternTest,
    ::testing::Values(
        PatternRow{kLibrary, Tags("Song", "Band", "Album", "3/12"), "Band/Album/03 - Song"},
        PatternRow{kLibrary, Tags("Song", "Band", "Album"), "Band/Album/Song"},
        PatternRow{kLibrary, Tags("Song", "", "", "7"), "07 - Song"},
        PatternRow{kLibrary, Tags(""), "take 1"},
        PatternRow{"{artist} - {album} - {title}", Tags("Song", "Band"), "Band - Song"},
        PatternRow{"{title} ({year})", Tags("Song", "", "", "", "1999-04-01"), "Song (1999)"},
        PatternRow{"{title} ({year})", Tags("Song"), "Song"},
        PatternRow{"[{year}] {album}/{title}-{track:03}", Tags("", "", "Album", "7"), "Album/007"},
        PatternRow{"{albumartist}/{disc}.{track} {{{genre}}}", Library(), "Various/2.4 {Jazz}"},
        PatternRow{"{name}.{ext} in {folder}", Tags(""), "take 1.flac in Live Set"},
        // Tags that try to leave the output folder stay below it.
        PatternRow{"{artist}/{album}/{title}", Tags("..", "../../x", "/etc"), "_.._x/_etc/take 1"},
        PatternRow{"{title}", Tags("a:b*c?\"d<e>f|g\\h/i"), "a_b_c__d_e_f_g_h_i"},
        PatternRow{"{title}", Tags(std::string("one\ntwo\0three", 13)), "one_two_three"},
        PatternRow{"{title}", Tags("  .hidden  name.  "), "hidden name"},
        PatternRow{"{title}", Tags(Repeated("a", 300)), Repeated("a", 200)},
        PatternRow{"{title}", Tags(Repeated("é", 150)), Repeated("é", 100)},
        PatternRow{"{artist}/{track:02} {title}", Tags("白鳥の湖", "Чайковский", "", "2"),
                   "Чайковский/02 白鳥の湖"},
        // Patterns that cannot be used.
        PatternRow{"/abs/{title}", {}, ""}, PatternRow{"../{title}", {}, ""},
        PatternRow{"{artist}/./{title}", {}, ""}, PatternRow{"{artist}/", {}, ""},
        PatternRow{"{bogus}", {}, ""}, PatternRow{"{title", {}, ""}, PatternRow{"title}", {}, ""},
        PatternRow{"{title:02}", {}, ""}));

TEST(NamePatternBatch, PlacesTaggedOutputsBelowTheOutputFolderAndRenamesClashes) {
  TempDir dir;
  const std::string wav = dir.File("tone.wav");
  WriteWav16(wav, 44100, 1, SineWave(4410, 1, 44100, 440));
  const auto tagged = [&](const std::string& name, std::vector<std::string> tags) {
    std::vector<std::string> args{"-i", wav};
    for (const std::string& tag : tags) args.insert(args.end(), {"-metadata", tag});
    args.push_back(dir.File(name));
    return RunFfmpeg(args) ? dir.File(name) : std::string();
  };
  const std::vector<std::string> sources = {
      tagged("a.flac", {"artist=Band", "album=Live", "track=1", "title=Intro"}),
      tagged("b.flac", {"artist=Band", "album=Live", "track=1/9", "title=Intro"}),
      tagged("c.flac", {"artist=../../escape", "title=x"}), wav};
  for (const std::string& source : sources)
    if (source.empty()) GTEST_SKIP() << "ffmpeg made no tagged FLAC file";

  ConvertSettings settings(dir.File("docs"));
  settings.outputFormat = FORMAT_WAV;
  settings.destOutputFolderOpt = DEST_CUSTOM_FOLDER;
  settings.destSpecifiedFolder = dir.File("lib/out");
  settings.browseOutputFolder = 0;
  settings.outputNamePattern = kLibrary;
  TestProgramFolder folder(true, true);
  EngineSession engine(folder.Path());
  SourceList list(ProgramReaders());
  for (const std::string& source : sources) list.AddOneFile(source);
  RecordingProgress progress;
  ScriptedPrompter prompter;
  ConversionJob job(settings, engine, prompter, progress, PlacementContext([] { return ""; }));
  EXPECT_EQ(ConvertAll(list, job, prompter).converted, 4);
  const std::string out = dir.File("lib/out/");
  EXPECT_EQ(list.At(0).destinationPath, out + "Band/Live/01 - Intro.wav");
  EXPECT_EQ(list.At(1).destinationPath, out + "Band/Live/01 - Intro_1.wav");
  EXPECT_EQ(list.At(2).destinationPath, out + "_.._escape/x.wav");
  EXPECT_EQ(list.At(3).destinationPath, out + "tone.wav");
  EXPECT_FALSE(fs::exists(dir.File("escape")));
  EXPECT_FALSE(fs::exists(dir.File("lib/escape")));

  // A pattern that cannot be used stops the batch before anything is made.
  settings.outputNamePattern = "../{title}";
  ConversionJob refused(settings, engine, prompter, progress, PlacementContext([] { return ""; }));
  EXPECT_FALSE(ConvertAll(list, refused, prompter).ran);
  EXPECT_NE(prompter.shown.back().find("output name pattern"), std::string::npos);
}

}  // namespace
