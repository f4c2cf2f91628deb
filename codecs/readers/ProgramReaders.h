#pragma once

#include "source/OpenSource.h"

// Every reader the program has, for OpenSource: the audio engine, the
// program's own AIFF, AU and RIFF WAVE readers, and the container-library
// reader (its decoding or probe-only variant).
SourceReaders ProgramReaders();
