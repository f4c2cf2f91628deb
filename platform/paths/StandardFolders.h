#pragma once

#include <string>

// The user's documents folder, created when missing; "" when the platform
// knows none or it cannot be created.
std::string DocumentsFolder();
// Where that folder is or would be, without creating it; "" when the
// platform knows none. For plans that must create nothing.
std::string DocumentsFolderLocation();

// The folder of the running executable, with a trailing "/"; "" when it
// cannot be determined. Add-ons, the SoundFont and the help file live here.
std::string ProgramFolder();

// The user's folder for temporary files, without a trailing "/".
std::string TemporaryFolder();
