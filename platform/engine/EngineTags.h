#pragma once

#include <optional>
#include <string>
#include <vector>

namespace engine {

// The tag texts of a file through TagLib, in UTF-8, by field code ("TRCK",
// "TITL", "ARTI", "ALBM", "GNRE", "YEAR", "CMNT", "COMP", "COPY"): one value
// per code, "" for a field the tag lacks. Empty when the file has no tag
// with any of these fields.
std::optional<std::vector<std::string>> ReadTagFields(const std::string& path,
                                                      const std::vector<std::string>& codes);

// The raw ID3 blocks of a file: the last 128 bytes when they begin with
// "TAG", and the ID3v2 tag at the start of the file from its 10-byte header
// on (the header's size plus 10, a footer not included). Empty when absent.
std::string ReadId3v1Block(const std::string& path);
std::string ReadId3v2Block(const std::string& path);

}  // namespace engine
