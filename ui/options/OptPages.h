#pragma once

#include <vector>

#include "ui/options/MidiPageContext.h"

class COptPage;
class Desktop;
struct ConvertSettings;

// The pages of the options sheet in their order: General, MP3, WAV, WMA,
// OGG, AMR/AWB, AAC, MP4/M4A/M4B, MIDI, FLAC, Opus, Loudness. The pages read `values`; the
// sheet owns them once they are added to it.
std::vector<COptPage*> MakeOptionPages(const ConvertSettings& values, Desktop& desktop,
                                       const MidiPageContext& midi = MidiPageContext());
