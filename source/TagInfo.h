#pragma once

#include <string>

// The nine texts of a tag, in the order in which readers deliver them. A
// reader sets only the fields it finds; the caller starts with all empty.
struct TagInfo {
  std::string title;
  std::string artist;
  std::string album;
  std::string year;     // any text
  std::string genre;    // the genre name as text
  std::string comment;
  std::string track;    // a number, possibly as "number/total"
  std::string composer;
  std::string copyright;

  bool operator==(const TagInfo& o) const {
    return title == o.title && artist == o.artist && album == o.album && year == o.year &&
           genre == o.genre && comment == o.comment && track == o.track &&
           composer == o.composer && copyright == o.copyright;
  }
};
