#pragma once

#include <QtGlobal>

#include <cstdint>

#include "app/ConvertSettings.h"
#include "source/AudioSource.h"

class Prompter;

// What the user is asked when the WMA runtime is missing.
inline constexpr const char* WMA_RUNTIME_MISSING_MESSAGE =
    QT_TRANSLATE_NOOP("Sondrel",
                      "Dear user, WMA file requires Windows Media Format 9 Series Runtime.\n"
                      "Unfortunately, the component isn't available on your computer.\n\n"
                      "Do you want to download and install it now?");

// The Windows Media check before a WMA batch: loads the runtime and builds
// the program's WMA format list. When the runtime is missing, asks whether
// to download it, opens its download page on Yes, and answers false.
bool EnsureWmaRuntime(Prompter& prompter);

// The codec format the WMA output looks for: in automatic mode the
// source's rate and channels at channels x 16000 bit/s below 22050 Hz,
// x 32000 below 44100 Hz and x 64000 above; otherwise the WMA options.
struct WmaTarget {
  uint32_t rate, bitRate, channels;
};
WmaTarget ChooseWmaTarget(const ConvertSettings& settings, const SourceInfo& source);
