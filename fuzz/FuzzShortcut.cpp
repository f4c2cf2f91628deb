// libFuzzer entry: shortcut resolution. The first byte of the input picks
// the kind of shortcut (".lnk" or ".desktop"); the rest is the file. The
// scratch folder holds a file "target.wav" for a shortcut to point at. A
// resolved target must exist.
#include <cstdio>
#include <filesystem>
#include <string>

#include "fuzz/FuzzFiles.h"
#include "platform/shell/Shortcut.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  const uint8_t sound[] = "RIFF";
  const std::string made = ScratchFolder().Write("target", ".wav", sound, 4);
  std::filesystem::rename(made, ScratchFolder().Path() + "/target.wav");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::string path =
      ScratchFolder().Write("link", data[0] & 1 ? ".desktop" : ".lnk", data + 1, size - 1);
  const std::optional<std::string> target = ResolveShortcut(path);
  std::error_code error;
  if (target && !std::filesystem::exists(*target, error)) __builtin_trap();
  std::remove(path.c_str());
  return 0;
}
