#pragma once

#include "platform/wma/WmaFormatList.h"

// The Windows Media runtime: on this system, FFmpeg's WMA (version 2)
// encoder and its ASF muxer. The runtime counts as loaded when both are
// present; the check runs on first need and its success lasts for the rest
// of the process.

// True when the runtime is (or now becomes) loaded. The first load also
// builds the program's format list (ProgramWmaFormats). Any thread may call
// it, several at once.
bool LoadWmaRuntime();

// Whether an earlier LoadWmaRuntime succeeded.
bool WmaRuntimeLoaded();

// Makes the runtime look missing (true) or present again (false), so tests
// can take the missing-runtime path. Setting it unloads the runtime.
void SetWmaRuntimeMissing(bool missing);

// The program's list, built once when the runtime is first loaded
// (LoadWmaRuntime). Writers on any thread may read it from then on; only
// the options page, while no conversion runs, rebuilds or changes it. The
// runtime owns it, and the list knows nothing of the runtime.
WmaFormatList& ProgramWmaFormats();
