#pragma once

#include <memory>
#include <string>

#include "app/ConvertSettings.h"

class ConversionProgress;
class LoudnessMeter;
struct LevelPass;
struct WrittenAudio;

// What a per-file routine works with besides its source and output paths.
struct ConversionContext {
  const ConvertSettings& settings;
  ConversionProgress& progress;
  int sequence;  // 1-based position of the entry in the batch (a preset's track number)
  // A routine that fails for a reason the user can act on puts the entry's
  // status text here; otherwise the entry shows "Conversion Failure".
  mutable std::string status = std::string();
  // Why a routine failed, in plain words, when the status does not say it
  // ("the source cannot be opened"); front ends that print reasons use it.
  mutable std::string reason = std::string();
  // What the user should know of an entry that converted (an instrument
  // the SoundFont lacks, played with another); front ends that print notes
  // show it with the entry.
  mutable std::string note = std::string();
  // The measurement of what an entry that converted was written with, when
  // its ReplayGain tags were asked for; the batch combines the meters of an
  // album into the album's values.
  mutable std::shared_ptr<LoudnessMeter> loudness = nullptr;
  // When set, the routine counts here what it hands its writer, so that
  // the finished file can be checked against it.
  WrittenAudio* written = nullptr;
  // Normalised per album: the entry's first pass, made with the rest of its
  // album before any of them encoded, with the album's gain; the routine
  // encodes with that gain (from the kept render of a MIDI song or a
  // module) instead of measuring the entry alone.
  LevelPass* levels = nullptr;
};

// Adds `more` to an entry's note, after what it already says.
inline void AddNote(std::string& note, const std::string& more) {
  note += note.empty() ? more : "; " + more;
}
