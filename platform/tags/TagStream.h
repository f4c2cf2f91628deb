#pragma once

#include <taglib/tfilestream.h>

#include <memory>
#include <string>

// A finished output opened for TagLib to edit its tags in place: never
// through a link put at its name, and null when it cannot be opened for
// writing. TagLib's files read and write through it and leave it open; the
// owner closes it.
std::unique_ptr<TagLib::FileStream> OpenTagStreamForWriting(const std::string& path);

// The lower-case extension of `path`, or "" when its last component has none.
std::string TagFileExtension(const std::string& path);

// The formats whose finished files the program edits tags of, by the
// extension of their path: MP3, Ogg Vorbis (.ogg), FLAC, Opus, MPEG-4
// (.m4a, .mp4, .m4b) and ASF (.wma); NONE for any other.
enum class TagFormat { NONE, MP3, VORBIS, FLAC, OPUS, MP4, ASF };
TagFormat TagFormatOf(const std::string& path);
