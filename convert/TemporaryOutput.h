#pragma once

#include <cstdint>
#include <string>

// The file a conversion writes before it becomes the output: a hidden,
// uniquely named file in the target's folder (TemporaryNameFor), created
// exclusively, whose name ends with the target's extension (writers choose
// their container by it). It takes the target's name only when the output
// is complete, so a failed, cancelled or killed conversion never leaves a
// partial file under that name nor destroys a file that was there. The file
// is removed when the object goes unless it was moved onto the target.
//
// The object keeps the file it created open, with a lock on it: the lock
// tells later runs that the file is in use (a killed run's file has none and
// is removed when its target is next written), and the open file is the
// identity checked before the file takes the target's name, so a file put
// in its place by someone else is never moved onto the target.
class TemporaryOutput {
 public:
  TemporaryOutput() = default;
  ~TemporaryOutput() { Remove(); }
  TemporaryOutput(const TemporaryOutput&) = delete;
  TemporaryOutput& operator=(const TemporaryOutput&) = delete;

  // Creates a new, empty file beside `target` (removing one this object
  // held). False when no file can be created in the target's folder.
  bool Create(const std::string& target);

  // The file's path; "" when there is none.
  const std::string& Path() const { return path_; }

  // The size of the file that was created (whatever its name now names);
  // -1 when there is none.
  int64_t Size() const;

  enum class Move { DONE, TARGET_EXISTS, FAILED };

  // Gives the file the name `target`. With `replace` an existing file at
  // the target is replaced in one step, and the output takes that file's
  // permissions (and its owner and group where the process may give them);
  // without it, a file that exists at the target (even one that appeared
  // after placement) is never touched and the answer is TARGET_EXISTS.
  // FAILED when the temporary name no longer names the file created. After
  // DONE the object holds no file, and the temporary files that killed runs
  // left for the same target are removed.
  Move MoveTo(const std::string& target, bool replace);

  // Deletes the file now.
  void Remove();

 private:
  // Whether the temporary name still names the file created.
  bool StillOurs() const;
  void Release();

  std::string path_;
  int fd_ = -1;
};

// Removes the temporary files of earlier conversions to `target` that no
// running conversion holds (those of killed runs).
void RemoveStaleTemporaryFiles(const std::string& target);
