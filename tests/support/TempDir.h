#pragma once

#include <string>
#include <vector>

// A fresh folder below the system's temporary folder, removed with
// everything in it when the object goes.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& Path() const { return path_; }
  // `name` below the folder.
  std::string File(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

// Whole-file helpers for tests. A file that cannot be written fails the
// running test.
std::string ReadFileText(const std::string& path);
void WriteFileText(const std::string& path, const std::string& text);

// The names in `folder`, sorted, hidden ones included; none when it is
// missing. Tests use it to see that nothing but complete outputs is left.
std::vector<std::string> FolderNames(const std::string& folder);
