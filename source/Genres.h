#pragma once

#include <string>

// The ID3v1 genre names; a name's position is its genre number. The list
// ends with a null entry after the last name.
constexpr int GENRE_COUNT = 148;
constexpr int GENRE_OTHER = 12;
extern const char* const GENRE_NAMES[GENRE_COUNT + 1];

// The genre number of `name`, compared with each name in order without
// regard to case; GENRE_OTHER ("Other") when none matches.
int GenreIndexFromName(const std::string& name);
