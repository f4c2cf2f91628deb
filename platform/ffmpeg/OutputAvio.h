#pragma once

#include <string>

struct AVIOContext;

// Opens FFmpeg's writing I/O on the output file at `path` as OpenOutputFile
// does (never through a link, never over existing bytes): the checked
// descriptor is reopened through /proc/self/fd, which reaches the very file
// that was checked whatever its name meanwhile names. Answers FFmpeg's
// result (negative on failure); the I/O is closed with avio_closep.
int OpenOutputAvio(AVIOContext** io, const std::string& path);
