#pragma once

#include <string>

#include <cstddef>

// The longest path the platform accepts, in bytes. Longer paths are refused
// rather than cut, since a cut path names a different file.
constexpr std::size_t MAX_PATH_BYTES = 4095;

// Path identity: whether two names reach one file. Names are compared as
// the file system compares them, so a folder that ignores letter case
// (exFAT and FAT sticks, casefolded folders) and a folder reached through a
// bind mount or a link are recognised.

// The absolute, lexically normalised form of `path` ("/m/./a/../x" is
// "/m/x"), without touching the file system beyond the working folder.
std::string NormalisedAbsolutePath(const std::string& path);

// Whether `a` and `b` name the same file: their normalised absolute paths
// are equal; or both exist with the same device and inode (links, bind
// mounts, hard links); or they are names in one folder that ignores letter
// case and differ only in case (such file systems may give every spelling
// an inode number of its own).
bool IsSameFile(const std::string& a, const std::string& b);

// Whether the folder `folder` finds its entries whatever their letter case:
// asked of the file system with an entry of the folder whose name has a
// letter, looked up with its letters' case swapped. False for a folder
// without such an entry or that cannot be read.
bool FolderIgnoresCase(const std::string& folder);

// `name` with its letters in one case (Unicode case folding), so two names
// that a case-ignoring folder takes for one compare equal.
std::string CaseFoldedName(const std::string& name);
