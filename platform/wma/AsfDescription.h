#pragma once

#include <string>

// The content description of an ASF file: the four texts its header holds
// in an object of their own, apart from the extended attributes ("WM/...").
struct AsfDescription {
  std::string title;
  std::string author;
  std::string copyright;
  std::string description;
};

// Stores `texts` (UTF-8) in the content description of the finished ASF
// file at `path` through TagLib, and drops extended attributes of the same
// names ("Title", "Author", "Copyright", "Description"), so each text has
// one home in the file. The file is opened without following a link. True
// when the file was saved.
bool WriteAsfDescription(const std::string& path, const AsfDescription& texts);

// The description of an ASF file as TagLib reads it: the content
// description's, else an extended attribute "Description" (as older
// outputs of this program hold it). Empty when there is none.
std::string ReadAsfDescription(const std::string& path);
