#pragma once

#include <cstdio>
#include <string>

// Sources are read only from regular files. A named pipe, a socket or a
// device found among sound files (or put in place of one after it was
// listed) is never opened the ordinary way: opening a named pipe without a
// writer waits forever, and reading a device never ends.

// Why `path` (its symbolic links followed) is no file to read a sound
// from, told from its type without opening it: "not a regular file (a
// named pipe)", "... (a socket)", "... (a character device)", "... (a
// block device)"; "" for a regular file, a folder, or a path whose type
// cannot be told (a missing file is left to the caller's own report).
std::string SpecialFileReason(const std::string& path);

// Why the file at `path` cannot be read at all, from what the file system
// says about it: "no such file", "permission denied", "not a regular file",
// "empty file" (or the system's own words for a rarer error); "" for a
// non-empty regular file that opens for reading.
std::string FileAccessProblem(const std::string& path);

// Opens `path` for reading like fopen(path, "rb") with close-on-exec, and
// only when it is a regular file: the open never waits (it is made
// non-blocking, and the type is checked on the open descriptor before the
// stream is handed out). Null otherwise, with errno set.
std::FILE* OpenRegularFile(const std::string& path);

// True when `path` (links followed) is a regular file, for code that hands
// the path to a library which opens it itself.
bool IsRegularFile(const std::string& path);
