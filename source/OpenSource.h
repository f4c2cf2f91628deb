#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "source/AudioSource.h"

// The readers OpenSource can choose from. A reader that is not available
// is left empty and its step of the chain is skipped. The program's own
// list is ProgramReaders() (codecs/readers), a layer above this one; tests
// give fakes.
struct SourceReaders {
  std::function<std::unique_ptr<AudioSource>()> engine;
  // The engine opening its file as a MIDI song whatever the file's name: the
  // first reader of the MIDI kind (the engine itself when left empty).
  std::function<std::unique_ptr<AudioSource>()> midi;
  std::function<std::unique_ptr<AudioSource>()> aiff;
  std::function<std::unique_ptr<AudioSource>()> au;
  std::function<std::unique_ptr<AudioSource>()> riffWave;
  // The container-library reader: the decoding variant when `forConversion`
  // is true, the probe-only variant (whose Read always answers 0) otherwise.
  std::function<std::unique_ptr<AudioSource>(bool forConversion)> container;
  // Adding files only: a reader that tells a WAV file's stream from its
  // headers alone, the same as the first reader of its kind would, and
  // refuses every file where it cannot be sure; the file then takes the
  // chain above. Its Read always answers 0. OpenSource never uses it.
  std::function<std::unique_ptr<AudioSource>()> waveHeader;
};

// Opens `path` with the first reader of its kind and falls back to the
// others when that fails: an AIFF file goes to the engine next, any file
// whose kind has its own reader then goes to the container library, and a
// WAV file finally to the program's RIFF WAVE reader. Answers the opened
// source, owned by the caller, or null when no reader opens the file.
// `renderRate` is the rate of MIDI and module rendering (0: 44100).
std::unique_ptr<AudioSource> OpenSource(const std::string& path, int32_t kind, uint32_t renderRate,
                                        bool forConversion, const SourceReaders& readers);
