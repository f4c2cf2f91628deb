#pragma once

#include <string>

// The file a conversion writes before it becomes the output: a hidden,
// uniquely named file in the target's folder, created exclusively, whose
// name ends with the target's extension (writers choose their container by
// it). It takes the target's name only when the output is complete, so a
// failed, cancelled or killed conversion never leaves a partial file under
// that name nor destroys a file that was there. The file is removed when
// the object goes unless it was moved onto the target.
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

  enum class Move { DONE, TARGET_EXISTS, FAILED };

  // Gives the file the name `target`. With `replace` an existing file at
  // the target is replaced in one step; without it, a file that exists at
  // the target (even one that appeared after placement) is never touched
  // and the answer is TARGET_EXISTS. After DONE the object holds no file.
  Move MoveTo(const std::string& target, bool replace);

  // Deletes the file now.
  void Remove();

 private:
  std::string path_;
};
