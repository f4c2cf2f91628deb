#pragma once

#include <string>
#include <vector>

// The texts of a tag: nine, in the order in which readers deliver them. A
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
  // What a library sorts by, beyond the nine: read from sources that hold
  // them and written into every output that can hold them; the presets
  // leave them empty.
  std::string albumArtist{};
  std::string disc{};                      // a number, possibly as "number/total"
  std::vector<std::string> moreArtists{};  // the artist's further values, in order
  std::vector<std::string> moreGenres{};   // the genre's further values, in order

  bool operator==(const TagInfo& o) const {
    return title == o.title && artist == o.artist && album == o.album && year == o.year &&
           genre == o.genre && comment == o.comment && track == o.track &&
           composer == o.composer && copyright == o.copyright && albumArtist == o.albumArtist &&
           disc == o.disc && moreArtists == o.moreArtists && moreGenres == o.moreGenres;
  }
};
