#pragma once

#include <cstdio>
#include <string>

// Opens the file at `path` that a writer fills, empty: the conversion
// created it beforehand (exclusively, as a hidden temporary file in the
// target's folder), and a writer called directly creates it here. The name
// is never followed through a symbolic link, and only a regular file with
// no other name is taken (and then emptied). So someone who may write to a
// shared output folder and swaps the temporary file for a link, or for a
// hard link to another file, cannot make the output land on that file.
// Answers the descriptor (close-on-exec), or -1 with errno set.
int OpenOutputFile(const std::string& path);

// The same, as a stdio stream for writing; null with errno set.
std::FILE* OpenOutputStream(const std::string& path);
