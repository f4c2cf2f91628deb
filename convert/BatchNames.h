#pragma once

#include <cstddef>
#include <map>
#include <string>

// The output names that one batch has given its entries, compared as each
// target's folder compares names: in a folder that ignores letter case,
// "Song.mp3" and "song.MP3" are one name. Placement passes over them
// (PlacementContext::taken), so no output of a batch replaces another of
// the same batch, and a parallel batch gives each name to its entries in
// list order.
class BatchNames {
 public:
  static constexpr size_t kNone = static_cast<size_t>(-1);

  // Records that entry `index` was given `target`, which exists by now
  // (the output, or the temporary file beside it). Answers the entry that
  // had the name before, or kNone.
  size_t Claim(const std::string& target, size_t index);

  // Whether an entry was given `target`.
  bool IsClaimed(const std::string& target) const;

 private:
  // The name as the folder compares it; "" when the folder's way of
  // comparing is not known yet (no name was claimed in it).
  std::string Key(const std::string& target) const;

  std::map<std::string, bool> folderIgnoresCase_;
  std::map<std::string, size_t> claims_;
};
