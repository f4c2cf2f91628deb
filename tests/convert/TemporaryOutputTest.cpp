// The temporary output in a shared folder: what someone else does to it
// never reaches another file, a replaced file's permissions stay, and the
// files of killed runs are neither converted nor left lying.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>

#include "convert/TemporaryOutput.h"
#include "platform/files/OutputFile.h"
#include "source/FileCollector.h"
#include "support/TempDir.h"

namespace {

struct Swap {
  const char* name;
  // Puts something in place of the temporary file `path`; `victim` is
  // another user's file.
  std::function<void(const std::string& path, const std::string& victim)> apply;
};

class TemporaryOutputSwapTest : public testing::TestWithParam<Swap> {};

TEST_P(TemporaryOutputSwapTest, SwappedTemporaryFileNeverReachesAnotherFile) {
  TempDir dir;
  WriteFileText(dir.File("victim"), "precious");
  TemporaryOutput output;
  ASSERT_TRUE(output.Create(dir.File("song.mp3")));
  GetParam().apply(output.Path(), dir.File("victim"));

  // A writer opening the name may only get a file with no other name,
  // never through a link; what it writes then is not moved onto the target.
  const int fd = OpenOutputFile(output.Path());
  if (fd >= 0) {
    EXPECT_EQ(write(fd, "frames", 6), 6);
    close(fd);
  }
  EXPECT_EQ(output.MoveTo(dir.File("song.mp3"), false), TemporaryOutput::Move::FAILED);
  EXPECT_EQ(ReadFileText(dir.File("victim")), "precious");
  struct stat info;
  EXPECT_NE(lstat(dir.File("song.mp3").c_str(), &info), 0);
}

void Unlinked(const std::string& path) {
  ASSERT_EQ(unlink(path.c_str()), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Hostile, TemporaryOutputSwapTest,
    testing::Values(Swap{"SymbolicLink",
                         [](const std::string& path, const std::string& victim) {
                           Unlinked(path);
                           ASSERT_EQ(symlink(victim.c_str(), path.c_str()), 0);
                         }},
                    Swap{"HardLink",
                         [](const std::string& path, const std::string& victim) {
                           Unlinked(path);
                           ASSERT_EQ(link(victim.c_str(), path.c_str()), 0);
                         }},
                    Swap{"AnotherFile",
                         [](const std::string& path, const std::string&) {
                           Unlinked(path);
                           WriteFileText(path, "");
                         }}),
    [](const testing::TestParamInfo<Swap>& row) { return row.param.name; });

// Overwrite keeps a private file private, with its owner and group.
TEST(TemporaryOutputTest, ReplacedFileKeepsItsPermissionsAndOwner) {
  TempDir dir;
  const std::string target = dir.File("private.mp3");
  WriteFileText(target, "old");
  ASSERT_EQ(chmod(target.c_str(), 0600), 0);
  const bool root = geteuid() == 0;
  if (root) {
    ASSERT_EQ(chown(target.c_str(), 1234, 4321), 0);
  }
  TemporaryOutput output;
  ASSERT_TRUE(output.Create(target));
  ASSERT_EQ(output.MoveTo(target, true), TemporaryOutput::Move::DONE);
  struct stat info;
  ASSERT_EQ(stat(target.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0600u);
  if (!root) GTEST_SKIP() << "the owner can only be given by the superuser";
  EXPECT_EQ(info.st_uid, 1234u);
  EXPECT_EQ(info.st_gid, 4321u);
}

// A killed run's temporary file (unlocked) is no source and goes when its
// target is next written; one that a running conversion holds stays.
TEST(TemporaryOutputTest, KilledRunsFilesAreSkippedAndRemovedLater) {
  TempDir dir;
  const std::string stale = dir.File(".song.Ab12Cd.wav");
  const std::string held = dir.File(".song.Zz98Yy.wav");
  WriteFileText(stale, "half a file");
  WriteFileText(held, "being written");
  WriteFileText(dir.File(".hidden.wav"), "a user's own hidden file");
  const int holder = open(held.c_str(), O_RDONLY | O_CLOEXEC);
  ASSERT_EQ(flock(holder, LOCK_EX), 0);

  EXPECT_EQ(CollectFiles(dir.Path(), false, {}),
            std::vector<std::string>{dir.File(".hidden.wav")});
  TemporaryOutput output;
  ASSERT_TRUE(output.Create(dir.File("song.wav")));
  ASSERT_EQ(output.MoveTo(dir.File("song.wav"), false), TemporaryOutput::Move::DONE);
  EXPECT_EQ(FolderNames(dir.Path()),
            (std::vector<std::string>{".hidden.wav", ".song.Zz98Yy.wav", "song.wav"}));
  close(holder);
}

}  // namespace
