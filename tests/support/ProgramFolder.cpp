#include "support/ProgramFolder.h"

#include <filesystem>

namespace fs = std::filesystem;

std::string BuildProgramFolder() { return std::string(SONDREL_BINARY_DIR) + "/"; }

TestProgramFolder::TestProgramFolder(bool withAddons, bool withSoundFont) {
  if (withAddons) fs::create_directory_symlink(BuildProgramFolder() + "addons", dir_.File("addons"));
  if (withSoundFont) {
    const fs::path font = fs::canonical(BuildProgramFolder() + "ct4mgm.sf2");
    fs::create_symlink(font, dir_.File("ct4mgm.sf2"));
  }
}
