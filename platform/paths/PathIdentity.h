#pragma once

#include <string>

#include <cstddef>

// The longest path the platform accepts, in bytes. Longer paths are refused
// rather than cut, since a cut path names a different file.
constexpr std::size_t MAX_PATH_BYTES = 4095;

// Path identity on a file system whose names are case-sensitive.

// The absolute, lexically normalised form of `path` ("/m/./a/../x" is
// "/m/x"), without touching the file system beyond the working folder.
std::string NormalisedAbsolutePath(const std::string& path);

// Whether `a` and `b` name the same file: their normalised absolute paths
// are equal, or, when both exist, they resolve to the same path once
// symbolic links are followed.
bool IsSameFile(const std::string& a, const std::string& b);
