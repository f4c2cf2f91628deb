#pragma once

#include <optional>
#include <string>
#include <vector>

#include "source/TagInfo.h"

// An output-name pattern such as "{artist}/{album}/{track:02} - {title}":
// the output's place below its output folder and its file name (without the
// extension), built from the source's tags and file. "/" in the pattern
// makes sub-folders; "{{" and "}}" stand for braces.
//
// The fields: {title} {artist} {album} {albumartist} {composer} {genre}
// {year} (the year of a date), {track} and {disc} (their number, without a
// total; "{track:02}" pads it with zeros to two digits), and of the source
// file {name} (without its extension), {ext} (without the dot) and {folder}
// (the name of the folder that holds it).
//
// The built path always stays below the output folder, whatever the tags
// hold: a "/" or another character that a file name cannot hold (on any
// file system the output may be copied to) becomes "_"; a part is trimmed
// of surrounding spaces and dots (so ".." and hidden names cannot arise)
// and cut to a length every file system takes. A field that is empty goes
// together with the separator that joins it to its neighbours ("{track} -
// {title}" without a track gives the title alone, "({year})" without a
// year nothing); a folder left empty is left out, and a file name left
// empty is the source's name.
class NamePattern {
 public:
  // The pattern of `text`, or nothing with `problem` set to what is wrong
  // with it (an unknown field, an unclosed brace, an absolute path, a ".."
  // folder, no file name after the last "/").
  static std::optional<NamePattern> Parse(const std::string& text, std::string& problem);

  // The relative path for the source at `sourcePath` with `tags`: folders
  // joined by "/", then the file name without extension. Never empty,
  // never absolute, and without "." or ".." parts.
  std::string Expand(const TagInfo& tags, const std::string& sourcePath) const;

  enum class Field {
    TITLE,
    ARTIST,
    ALBUM,
    ALBUM_ARTIST,
    COMPOSER,
    GENRE,
    YEAR,
    TRACK,
    DISC,
    NAME,
    EXT,
    FOLDER
  };

 private:
  struct Token {
    bool isField = false;
    Field field = Field::TITLE;
    int width = 0;     // zeros to pad a number to; 0 for none
    std::string text;  // a literal's text
  };
  using Part = std::vector<Token>;  // one folder or the file name

  std::string ExpandPart(const Part& part, const TagInfo& tags,
                         const std::string& sourcePath) const;

  std::vector<Part> parts_;
};

// What is wrong with `text` as an output-name pattern, "" when it is
// usable (an empty text is: it asks for the source's own name).
std::string NamePatternProblem(const std::string& text);
