#include <gtest/gtest.h>

#include <dirent.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <string>

#include "convert/OutputPlacement.h"
#include "support/CaselessFolder.h"
#include "support/TempDir.h"

namespace {

const char kSameAsSource[] =
    "Target file name is same as original file that can't be overwritten. Please output files to "
    "a custom folder.";
const char kTooLong[] = "Output path is longer than 4095 bytes";

bool IsFile(const std::string& path) {
  struct stat info;
  return lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool IsDir(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool ExistsAtAll(const std::string& path) {
  struct stat info;
  return lstat(path.c_str(), &info) == 0;
}

// The names in `folder` that start with a dot, one per line.
std::string HiddenNames(const std::string& folder) {
  std::string names;
  if (DIR* dir = opendir(folder.c_str())) {
    while (const dirent* item = readdir(dir)) {
      const std::string name = item->d_name;
      if (name[0] == '.' && name != "." && name != "..") names += name + "\n";
    }
    closedir(dir);
  }
  return names;
}

// A file system laid out for one case: "music/" holds sources, "out/" is
// the usual custom folder, "docs/" the documents folder handed to placement,
// and "blocker" a plain file that no folder can be made below.
struct Scene {
  TempDir dir;
  int documentsAsked = 0;
  std::string documents;

  Scene() {
    documents = dir.File("docs");
    WriteFileText(dir.File("music/x.mp3"), "source");
    WriteFileText(dir.File("blocker"), "a file, not a folder");
  }
  std::string operator()(const std::string& name) const { return dir.File(name); }

  PlacementContext Context() {
    return PlacementContext([this] {
      ++documentsAsked;
      return documents;
    });
  }
};

struct Options {
  uint32_t format;
  uint32_t mode;
  std::string folder;  // below the scene, "" for none
  uint32_t createDirs;
  uint32_t exists;
  uint32_t toDocuments;

  Options(uint32_t outputFormat = 2000, uint32_t destination = DEST_SAME_AS_SOURCE,
          const char* customFolder = "", uint32_t mirror = 0, uint32_t policy = TARGET_AUTO_RENAME,
          uint32_t fallback = 1)
      : format(outputFormat),
        mode(destination),
        folder(customFolder),
        createDirs(mirror),
        exists(policy),
        toDocuments(fallback) {}
};

struct Case {
  const char* name;
  std::function<void(Scene&)> setUp;
  const char* source;  // below the scene
  Options options;
  bool placed;
  const char* destination;  // below the scene, when placed
  // The expected message when refused; "%s" stands for the scene's folder.
  const char* message;
  int documentsAsked;
};

std::string Expand(const std::string& text, const Scene& scene) {
  std::string result = text;
  const std::string::size_type at = result.find("%s");
  if (at != std::string::npos) result.replace(at, 2, scene.dir.Path());
  return result;
}

void Mkdir(const std::string& path) {
  ASSERT_EQ(mkdir(path.c_str(), 0777), 0) << path;
}

const Case kCases[] = {
    {"auto rename skips files and a folder with the names",
     [](Scene& s) {
       WriteFileText(s("music/x.wav"), "1");
       WriteFileText(s("music/x_1.wav"), "2");
       Mkdir(s("music/x_2.wav"));
     },
     "music/x.mp3",
     {},
     true,
     "music/x_3.wav",
     "",
     0},
    {"auto rename of a source in its own format",
     [](Scene&) {},
     "music/x.mp3",
     {1000},
     true,
     "music/x_1.mp3",
     "",
     0},
    {"an unknown policy renames as well",
     [](Scene& s) { WriteFileText(s("music/x.wav"), "1"); },
     "music/x.mp3",
     {2000, DEST_SAME_AS_SOURCE, "", 0, 77},
     true,
     "music/x_1.wav",
     "",
     0},
    {"overwrite refuses the source itself",
     [](Scene&) {},
     "music/x.mp3",
     {1000, DEST_SAME_AS_SOURCE, "", 0, TARGET_OVERWRITE},
     false,
     "",
     kSameAsSource,
     0},
    {"overwrite refuses a link to the source",
     [](Scene& s) {
       Mkdir(s("out"));
       ASSERT_EQ(symlink(s("music/x.mp3").c_str(), s("out/x.mp3").c_str()), 0);
     },
     "music/x.mp3",
     {1000, DEST_CUSTOM_FOLDER, "out", 0, TARGET_OVERWRITE},
     false,
     "",
     kSameAsSource,
     0},
    {"overwrite refuses the source spelled with a dot part",
     [](Scene&) {},
     "music/./x.mp3",
     {1000, DEST_SAME_AS_SOURCE, "", 0, TARGET_OVERWRITE},
     false,
     "",
     kSameAsSource,
     0},
    {"overwrite keeps another file's name and the file, until the output replaces it",
     [](Scene& s) { WriteFileText(s("music/x.wav"), "old"); },
     "music/x.mp3",
     {2000, DEST_SAME_AS_SOURCE, "", 0, TARGET_OVERWRITE},
     true,
     "music/x.wav",
     "",
     0},
    {"overwrite does not replace a read-only file, nor moves the output elsewhere",
     [](Scene& s) {
       WriteFileText(s("music/x.wav"), "old");
       ASSERT_EQ(chmod(s("music/x.wav").c_str(), 0444), 0);
     },
     "music/x.mp3",
     {2000, DEST_SAME_AS_SOURCE, "", 0, TARGET_OVERWRITE},
     false,
     "",
     "Failed to create file \"%s/music/x.wav\"",
     0},
    {"the documents folder never replaces a file, even under overwrite",
     [](Scene& s) { WriteFileText(s("docs/x.wav"), "someone's file"); },
     "music/x.mp3",
     {2000, DEST_CUSTOM_FOLDER, "blocker/out", 0, TARGET_OVERWRITE},
     true,
     "docs/x_1.wav",
     "",
     1},
    {"overwrite replaces a link instead of following it",
     [](Scene& s) {
       WriteFileText(s("keep.txt"), "precious");
       ASSERT_EQ(symlink(s("keep.txt").c_str(), s("music/x.wav").c_str()), 0);
     },
     "music/x.mp3",
     {2000, DEST_SAME_AS_SOURCE, "", 0, TARGET_OVERWRITE},
     true,
     "music/x.wav",
     "",
     0},
    {"overwrite of a folder fails to create the file",
     [](Scene& s) { Mkdir(s("music/x.wav")); },
     "music/x.mp3",
     {2000, DEST_SAME_AS_SOURCE, "", 0, TARGET_OVERWRITE, 0},
     false,
     "",
     "Failed to create file \"%s/music/x.wav\"",
     0},
    {"skip",
     [](Scene& s) { WriteFileText(s("music/x.wav"), "old"); },
     "music/x.mp3",
     {2000, DEST_SAME_AS_SOURCE, "", 0, TARGET_SKIP},
     false,
     "",
     "Target exists and skipped",
     0},
    {"custom folder is created",
     [](Scene&) {},
     "music/x.mp3",
     {2000, DEST_CUSTOM_FOLDER, "out/new/deep"},
     true,
     "out/new/deep/x.wav",
     "",
     0},
    {"custom folder with a trailing separator",
     [](Scene&) {},
     "music/x.mp3",
     {2000, DEST_CUSTOM_FOLDER, "out/"},
     true,
     "out/x.wav",
     "",
     0},
    {"a source without an extension keeps its name; a dotted folder is no extension",
     [](Scene& s) { WriteFileText(s("music.v2/track"), "s"); },
     "music.v2/track",
     {},
     true,
     "music.v2/track.wav",
     "",
     0},
    {"an unknown output format gives no extension",
     [](Scene&) {},
     "music/x.mp3",
     {1234},
     true,
     "music/x",
     "",
     0},
    {"custom folder that cannot be made falls back to the documents folder",
     [](Scene&) {},
     "music/x.mp3",
     {2000, DEST_CUSTOM_FOLDER, "blocker/out"},
     true,
     "docs/x.wav",
     "",
     1},
    {"the fallback mirrors when the options mirror",
     [](Scene&) {},
     "music/x.mp3",
     {2000, DEST_CUSTOM_FOLDER, "blocker/out", 1},
     true,
     "docs%s/music/x.wav",
     "",
     1},
    {"no fallback when the option is off",
     [](Scene&) {},
     "music/x.mp3",
     {2000, DEST_CUSTOM_FOLDER, "blocker/out", 0, 11, 0},
     false,
     "",
     "Failed to create folder \"%s/blocker/out\"",
     0},
    {"an empty custom folder is a folder failure",
     [](Scene&) {},
     "music/x.mp3",
     {2000, DEST_CUSTOM_FOLDER, "", 0, 11, 0},
     false,
     "",
     "Failed to create folder \"\"",
     0},
};

void PrintTo(const Case& c, std::ostream* out) {
  *out << c.name;
}

class PlacementTable : public testing::TestWithParam<Case> {};

TEST_P(PlacementTable, ChoosesTheOutputOrRefuses) {
  const Case& c = GetParam();
  Scene scene;
  c.setUp(scene);
  ASSERT_FALSE(testing::Test::HasFatalFailure());

  ConvertSettings settings;
  settings.outputFormat = c.options.format;
  settings.destOutputFolderOpt = c.options.mode;
  settings.destSpecifiedFolder = c.options.folder.empty() ? "" : scene(c.options.folder);
  settings.createDirs = c.options.createDirs;
  settings.targetExistsOpt = c.options.exists;
  settings.outputFiles2MyDocuments = c.options.toDocuments;

  SourceFile entry;
  entry.path = scene(c.source);
  entry.destinationPath = "earlier";
  std::string message;
  const bool placed = PlaceOutput(entry, settings, message, scene.Context());

  ASSERT_EQ(placed, c.placed) << message;
  EXPECT_EQ(scene.documentsAsked, c.documentsAsked);
  if (placed) {
    const std::string wanted = scene(Expand(c.destination, scene));
    EXPECT_EQ(entry.destinationPath, wanted);
    const std::string folder = wanted.substr(0, wanted.rfind('/'));
    EXPECT_TRUE(IsDir(folder));
    EXPECT_EQ(HiddenNames(folder), "") << "the probe file must be gone";
    // Only overwrite leaves a file at the target, untouched until the
    // finished output replaces it.
    if (c.options.exists != TARGET_OVERWRITE) {
      EXPECT_FALSE(ExistsAtAll(entry.destinationPath));
    } else if (IsFile(entry.destinationPath)) {
      EXPECT_EQ(ReadFileText(entry.destinationPath), "old");
    }
  } else {
    EXPECT_EQ(message, Expand(c.message, scene));
    EXPECT_EQ(entry.destinationPath, "earlier");
  }
  // The source is never touched.
  if (IsFile(scene("music/x.mp3"))) {
    EXPECT_EQ(ReadFileText(scene("music/x.mp3")), "source");
  }
  if (IsFile(scene("keep.txt"))) {
    EXPECT_EQ(ReadFileText(scene("keep.txt")), "precious");
  }
}

INSTANTIATE_TEST_SUITE_P(OutputPlacementTest, PlacementTable, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<Case>& param) {
                           return "Case" + std::to_string(param.index);
                         });

TEST(OutputPlacementTest, MirrorsTheSourceFolderBelowTheCustomFolder) {
  Scene scene;
  ConvertSettings settings;
  settings.outputFormat = 4000;
  settings.destOutputFolderOpt = DEST_CUSTOM_FOLDER;
  settings.destSpecifiedFolder = scene("out");
  settings.createDirs = 1;
  // Repeated separators collapse, colons go, and ".." cannot climb out of
  // the custom folder.
  const struct {
    std::string source;
    std::string folder;
  } rows[] = {
      {scene("music/pop/1.mp3"), scene("out") + scene.dir.Path() + "/music/pop/"},
      {scene.dir.Path() + "//music///c:d//1.mp3", scene("out") + scene.dir.Path() + "/music/cd/"},
      {"/../../x/1.mp3", scene("out/x/")},
      {"/1.mp3", scene("out/")},
  };
  for (const auto& row : rows) {
    SourceFile entry;
    entry.path = row.source;
    std::string message;
    ASSERT_TRUE(PlaceOutput(entry, settings, message, scene.Context())) << row.source << message;
    EXPECT_EQ(entry.destinationPath, row.folder + "1.ogg");
    EXPECT_TRUE(IsDir(row.folder)) << row.folder;
  }
  EXPECT_EQ(scene.documentsAsked, 0);
}

TEST(OutputPlacementTest, MirroredFolderThatCannotBeMadeNamesItsFolder) {
  Scene scene;
  ConvertSettings settings;
  settings.destOutputFolderOpt = DEST_CUSTOM_FOLDER;
  settings.destSpecifiedFolder = scene("out");
  settings.createDirs = 1;
  settings.outputFiles2MyDocuments = 0;
  WriteFileText(scene("out") + scene.dir.Path(), "a file where a folder should go");
  SourceFile entry;
  entry.path = scene("music/x.mp3");
  std::string message;
  EXPECT_FALSE(PlaceOutput(entry, settings, message, scene.Context()));
  EXPECT_EQ(message, "Failed to create folder \"" + scene("out") + scene.dir.Path() + "/music/\"");
}

TEST(OutputPlacementTest, FallbackIsTriedOnceAndKeepsTheLastMessage) {
  Scene scene;
  scene.documents = scene("blocker/docs");
  ConvertSettings settings;
  settings.destOutputFolderOpt = DEST_CUSTOM_FOLDER;
  settings.destSpecifiedFolder = scene("blocker/out");
  SourceFile entry;
  entry.path = scene("music/x.mp3");
  std::string message;
  EXPECT_FALSE(PlaceOutput(entry, settings, message, scene.Context()));
  EXPECT_EQ(scene.documentsAsked, 1);
  EXPECT_EQ(message, "Failed to create folder \"" + scene("blocker/docs") + "\"");

  // No documents folder at all: the first attempt's message stays.
  scene.documents.clear();
  EXPECT_FALSE(PlaceOutput(entry, settings, message, scene.Context()));
  EXPECT_EQ(message, "Failed to create folder \"" + scene("blocker/out") + "\"");
  EXPECT_EQ(entry.destinationPath, "");
}

TEST(OutputPlacementTest, OverLongPathsAreRefusedNotCut) {
  Scene scene;
  // A source name that reaches 4094 bytes: with ".wav" the target passes
  // the limit; the file system is never asked.
  std::string source = scene.dir.Path();
  while (source.size() < 4094 - 200) source += "/" + std::string(199, 'd');
  source += "/" + std::string(4094 - source.size() - 1, 'n');
  ASSERT_EQ(source.size(), 4094u);

  ConvertSettings settings;
  settings.outputFormat = 2000;
  settings.outputFiles2MyDocuments = 0;
  SourceFile entry;
  entry.path = source;
  std::string message;
  EXPECT_FALSE(PlaceOutput(entry, settings, message, scene.Context()));
  EXPECT_EQ(message, kTooLong);

  // With the fallback the short documents folder takes it.
  settings.outputFiles2MyDocuments = 1;
  ASSERT_TRUE(PlaceOutput(entry, settings, message, scene.Context())) << message;
  EXPECT_EQ(entry.destinationPath, scene("docs/") + source.substr(source.rfind('/') + 1) + ".wav");

  // An over-long custom folder.
  settings.outputFiles2MyDocuments = 0;
  settings.destOutputFolderOpt = DEST_CUSTOM_FOLDER;
  settings.destSpecifiedFolder = scene.dir.Path() + "/" + std::string(4100, 'f');
  entry.path = scene("music/x.mp3");
  EXPECT_FALSE(PlaceOutput(entry, settings, message, scene.Context()));
  EXPECT_EQ(message, kTooLong);
  EXPECT_FALSE(EnsureFolder(settings.destSpecifiedFolder));
}

TEST(OutputPlacementTest, OverLongTargetLeavesNoFoldersBehind) {
  Scene scene;
  // Mirrored folders that fit the limit, and a file name that takes the
  // whole target past it.
  std::string source;
  while (scene("docs/").size() + source.size() + 201 <= 4095) source += "/" + std::string(200, 'd');
  source += "/" + std::string(200, 'n') + ".mid";
  ASSERT_LE(scene("out/").size() + source.size() - 201, 4095u);

  ConvertSettings settings;
  settings.outputFormat = 2000;
  settings.destOutputFolderOpt = DEST_CUSTOM_FOLDER;
  settings.destSpecifiedFolder = scene("out");
  settings.createDirs = 1;
  SourceFile entry;
  entry.path = source;
  std::string message;
  EXPECT_FALSE(PlaceOutput(entry, settings, message, scene.Context()));
  EXPECT_EQ(message, kTooLong);
  EXPECT_EQ(scene.documentsAsked, 1);
  EXPECT_FALSE(ExistsAtAll(scene("out")));
  EXPECT_FALSE(ExistsAtAll(scene("docs")));
}

TEST(OutputPlacementTest, NameTooLongForTheFileSystemIsSaidForTheFolderAskedFor) {
  Scene scene;
  // File names of 256 bytes: too long for the file system, not for the
  // path; the documents folder would not take them either.
  const std::string name(252, 'a');
  ConvertSettings settings;
  settings.outputFormat = 2000;
  SourceFile entry;
  entry.path = scene("music/" + name + ".mp3");
  std::string message;
  PlacementNotes notes;
  EXPECT_FALSE(PlaceOutput(entry, settings, message, scene.Context(), nullptr, &notes));
  EXPECT_EQ(message, "Failed to create file \"" + scene("music/" + name + ".wav") + "\"");
  EXPECT_EQ(notes.reason, NAME_TOO_LONG_REASON);
  // Auto rename that makes a name of 254 bytes too long.
  entry.path = scene("music/" + name.substr(2) + ".mp3");
  WriteFileText(scene("music/" + name.substr(2) + ".wav"), "old");
  EXPECT_FALSE(PlaceOutput(entry, settings, message, scene.Context(), nullptr, &notes));
  EXPECT_EQ(message, "Failed to create file \"" + scene("music/" + name.substr(2) + "_1.wav") + "\"");
  EXPECT_EQ(notes.reason, NAME_TOO_LONG_REASON);
  EXPECT_EQ(scene.documentsAsked, 0);
}

// A kept sub-folder is resolved lexically; one that would leave the output
// folder (a shortcut's target elsewhere) puts the file in the output folder.
TEST(OutputPlacementTest, KeptSubfolderStaysInsideTheOutputFolder) {
  Scene scene;
  ConvertSettings settings;
  settings.outputFormat = 2000;
  settings.destOutputFolderOpt = DEST_CUSTOM_FOLDER;
  settings.destSpecifiedFolder = scene("out");
  const struct {
    const char* subfolder;
    const char* folder;
  } rows[] = {{"../elsewhere", "out/"}, {"/etc", "out/"}, {"a/../../b", "out/"}, {"a/./b/..//c", "out/a/c/"}};
  for (const auto& row : rows) {
    PlacementContext context = scene.Context();
    context.subfolder = [&row](const std::string&) { return std::string(row.subfolder); };
    SourceFile entry;
    entry.path = scene("music/x.mp3");
    std::string message;
    ASSERT_TRUE(PlaceOutput(entry, settings, message, context)) << message;
    EXPECT_EQ(entry.destinationPath, scene(row.folder) + "x.wav") << row.subfolder;
  }
  EXPECT_FALSE(ExistsAtAll(scene("elsewhere")));
}

// The source reached through a bind mount, or spelled in another case on a
// folder that ignores case, is still the source.
TEST(OutputPlacementTest, OverwriteRefusesTheSourceReachedAnotherWay) {
  Scene scene;
  Mkdir(scene("bound"));
  Mkdir(scene("stick"));
  CaselessFolder stick(scene("stick"));
  const bool bound = mount(scene("music").c_str(), scene("bound").c_str(), nullptr, MS_BIND, nullptr) == 0;
  if (stick.Mounted()) WriteFileText(scene("stick/Song.MP3"), "source");
  const struct {
    bool ready;
    const char* source;
    const char* folder;
  } rows[] = {{bound, "music/x.mp3", "bound"}, {stick.Mounted(), "stick/Song.MP3", "stick"}};
  for (const auto& row : rows) {
    if (!row.ready) continue;
    ConvertSettings settings;
    settings.outputFormat = 1000;
    settings.destOutputFolderOpt = DEST_CUSTOM_FOLDER;
    settings.destSpecifiedFolder = scene(row.folder);
    settings.targetExistsOpt = TARGET_OVERWRITE;
    SourceFile entry;
    entry.path = scene(row.source);
    std::string message;
    EXPECT_FALSE(PlaceOutput(entry, settings, message, scene.Context())) << row.source;
    EXPECT_EQ(message, kSameAsSource) << row.source;
  }
  if (bound) umount2(scene("bound").c_str(), MNT_DETACH);
  if (!bound || !stick.Mounted()) GTEST_SKIP() << "bind mount: " << bound << "; " << stick.Why();
}

TEST(OutputPlacementTest, EachEntrySeesTheOutputsOfEarlierOnes) {
  Scene scene;
  ConvertSettings settings;
  settings.outputFormat = 2000;
  SourceFile entry;
  entry.path = scene("music/x.mp3");
  std::string message;
  for (const char* expected : {"music/x.wav", "music/x_1.wav", "music/x_2.wav"}) {
    ASSERT_TRUE(PlaceOutput(entry, settings, message, scene.Context()));
    EXPECT_EQ(entry.destinationPath, scene(expected));
    WriteFileText(entry.destinationPath, "converted");
  }
}

TEST(OutputPlacementTest, EnsureFolderWalksThePathFromTheLeft) {
  TempDir dir;
  WriteFileText(dir.File("file"), "x");
  const struct {
    std::string path;
    bool ok;
  } rows[] = {
      {dir.Path(), true},        {dir.File("a/b/c"), true},       {dir.File("a//b2///c/"), true},
      {dir.File("file"), false}, {dir.File("file/below"), false}, {"", false},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(EnsureFolder(row.path), row.ok) << row.path;
    if (row.ok) {
      EXPECT_TRUE(IsDir(row.path)) << row.path;
    }
  }
  // A link to a folder is a folder.
  ASSERT_EQ(symlink(dir.File("a").c_str(), dir.File("link").c_str()), 0);
  EXPECT_TRUE(EnsureFolder(dir.File("link/b/new")));
  EXPECT_TRUE(IsDir(dir.File("a/b/new")));
}

}  // namespace
