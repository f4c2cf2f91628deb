// The folder search and the extension filter on a real folder tree.

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/shell/Shortcut.h"
#include "source/FileCollector.h"
#include "support/SharedMedia.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;

class FileCollectorTest : public ::testing::Test {
 protected:
  void Touch(const std::string& name) { WriteFileText(dir_.File(name), "x"); }
  std::vector<std::string> Relative(const std::vector<std::string>& paths) {
    std::vector<std::string> names;
    for (const std::string& path : paths) names.push_back(path.substr(dir_.Path().size() + 1));
    return names;
  }
  void DesktopLink(const std::string& name, const std::string& target) {
    WriteFileText(dir_.File(name), "[Desktop Entry]\nType=Link\nName=x\nURL=file://" + target + "\n");
  }
  TempDir dir_;
};

TEST_F(FileCollectorTest, FoldersDepthFirstAndFilesInNameOrder) {
  Touch("b.mp3");
  Touch("a.wav");
  Touch("sub2/c.MP3");
  Touch("sub1/deep/d.ogg");
  Touch("sub1/e.txt");
  Touch("noext");
  const std::vector<std::string> folders = CollectFolders(dir_.Path() + "/");
  ASSERT_EQ(folders.size(), 4u);
  EXPECT_EQ(folders[0], dir_.Path());
  EXPECT_EQ(folders[1], dir_.File("sub1"));
  EXPECT_EQ(folders[2], dir_.File("sub1/deep"));
  EXPECT_EQ(folders[3], dir_.File("sub2"));

  EXPECT_EQ(Relative(CollectFiles(dir_.Path(), false, {})),
            (std::vector<std::string>{"a.wav", "b.mp3", "noext", "sub1/e.txt", "sub1/deep/d.ogg",
                                      "sub2/c.MP3"}));
  EXPECT_EQ(Relative(CollectFiles(dir_.Path(), true, {"mp3", "wav"})),
            (std::vector<std::string>{"a.wav", "b.mp3", "sub2/c.MP3"}));
  // An empty piece (a trailing comma) lets files without an extension pass.
  EXPECT_EQ(Relative(CollectFiles(dir_.Path(), true, {"ogg", ""})),
            (std::vector<std::string>{"noext", "sub1/deep/d.ogg"}));
  EXPECT_TRUE(CollectFiles(dir_.File("missing"), false, {}).empty());
}

TEST_F(FileCollectorTest, SymlinkLoopsAreSearchedOnce) {
  Touch("a/x.wav");
  fs::create_directory_symlink(dir_.Path(), dir_.File("a/loop"));
  EXPECT_EQ(Relative(CollectFiles(dir_.Path(), false, {})), (std::vector<std::string>{"a/x.wav"}));
}

TEST_F(FileCollectorTest, ShortcutsAreFollowedOnlyWhenTheFilterIsOn) {
  Touch("music/song.mp3");
  DesktopLink("links/song.desktop", dir_.File("music/song.mp3"));
  EXPECT_EQ(FilterPath(dir_.File("links/song.desktop"), true, {"mp3"}), dir_.File("music/song.mp3"));
  EXPECT_EQ(FilterPath(dir_.File("links/song.desktop"), false, {"mp3"}), dir_.File("links/song.desktop"));
  EXPECT_EQ(FilterPath(dir_.File("links/song.desktop"), true, {"wav"}), std::nullopt);
  // A cycle of shortcuts ends.
  DesktopLink("links/a.desktop", dir_.File("links/b.desktop"));
  DesktopLink("links/b.desktop", dir_.File("links/a.desktop"));
  EXPECT_EQ(FilterPath(dir_.File("links/a.desktop"), true, {"mp3"}), std::nullopt);
  // A link to a missing file, and a desktop entry that is no link.
  DesktopLink("links/gone.desktop", dir_.File("music/gone.mp3"));
  EXPECT_EQ(ResolveShortcut(dir_.File("links/gone.desktop")), std::nullopt);
  WriteFileText(dir_.File("links/app.desktop"), "[Desktop Entry]\nType=Application\nExec=true\n");
  EXPECT_EQ(ResolveShortcut(dir_.File("links/app.desktop")), std::nullopt);
}

// Windows shortcut files from the shared test media, copied next to the
// targets they name.
TEST_F(FileCollectorTest, WindowsShortcutsResolveTheirRelativePath) {
  for (const char* name : {"lnk/relonly.lnk", "lnk/local.lnk", "lnk/network.lnk"})
    if (SharedMediaFile(name).empty()) GTEST_SKIP() << MissingSharedMedia(name);
  const std::string found =
      fs::path(SharedMediaFile("lnk/relonly.lnk")).parent_path().string() + "/";

  fs::create_directories(dir_.File("links"));
  fs::copy_file(found + "relonly.lnk", dir_.File("links/relonly.lnk"));
  fs::copy_file(found + "local.lnk", dir_.File("links/local.lnk"));
  fs::copy_file(found + "network.lnk", dir_.File("links/network.lnk"));
  EXPECT_EQ(ResolveShortcut(dir_.File("links/relonly.lnk")), std::nullopt);  // target missing yet
  Touch("links/sub/b.wav");
  EXPECT_EQ(ResolveShortcut(dir_.File("links/relonly.lnk")), dir_.File("links/sub/b.wav"));
  Touch("Music/Track 01.mp3");
  EXPECT_EQ(ResolveShortcut(dir_.File("links/local.lnk")), dir_.File("Music/Track 01.mp3"));
  EXPECT_EQ(ResolveShortcut(dir_.File("links/network.lnk")), std::nullopt);
  EXPECT_EQ(FilterPath(dir_.File("links/local.lnk"), true, {"mp3"}), dir_.File("Music/Track 01.mp3"));
}

}  // namespace
