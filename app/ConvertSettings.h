#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/TagPreset.h"

// Option codes stored in the settings.
enum DestOutputFolderOpt : uint32_t {
  DEST_SAME_AS_SOURCE = 199,
  DEST_CUSTOM_FOLDER = 399,
};

enum TargetExistsOpt : uint32_t {
  TARGET_AUTO_RENAME = 11,
  TARGET_OVERWRITE = 22,
  TARGET_SKIP = 33,
};

enum MonoType : uint32_t {
  MONO_AVERAGE = 0,
  MONO_LEFT = 1,
  MONO_RIGHT = 2,
};

// Write groups of SaveSettings; a bit set.
enum SettingsGroup : uint32_t {
  GROUP_FOLDER = 0x04,        // "Folder", after a folder is chosen in Add Folder
  GROUP_OPTIONS = 0x08,       // every option and the four presets, after OK in the options sheet
  GROUP_MAIN_WINDOW = 0x10,   // "OutputFormat" and "OptStartPageIndex", when the main window closes
};

// The ReplayGain choices and what forms an album.
enum : uint32_t { REPLAYGAIN_NONE = 0, REPLAYGAIN_TRACK = 1, REPLAYGAIN_ALBUM = 2 };
enum : uint32_t { ALBUM_BY_FOLDER = 0, ALBUM_BY_BATCH = 1 };
// Loudness normalisation: off, one gain per track, or one gain per album.
enum : uint32_t { NORMALIZE_OFF = 0, NORMALIZE_TRACK = 1, NORMALIZE_ALBUM = 2 };

// Every persisted option of the program, with its default. Each field is
// named after the settings value that stores it. The record is owned by the
// main window (or the command-line front end) for the whole run.
struct ConvertSettings {
  // Defaults; `documentsFolder` is the user's documents folder, or "" when
  // the platform does not know one (the custom output folder then starts
  // empty and the output goes next to the source).
  explicit ConvertSettings(const std::string& documentsFolder = std::string());

  // General
  uint32_t outputFormat = 1000;
  std::string folder;
  uint32_t destOutputFolderOpt = DEST_SAME_AS_SOURCE;
  std::string destSpecifiedFolder;
  uint32_t createDirs = 0;
  // Each file found by searching a folder goes to its sub-folder below
  // that folder, under the custom output folder, in place of createDirs.
  uint32_t keepAddedSubfolders = 0;
  // How an output is named below its output folder, as a NamePattern
  // ("{artist}/{album}/{track:02} - {title}"); "" for the source's name.
  std::string outputNamePattern;
  uint32_t targetExistsOpt = TARGET_AUTO_RENAME;
  uint32_t outputFiles2MyDocuments = 1;
  uint32_t browseOutputFolder = 1;
  uint32_t monoType = MONO_AVERAGE;
  uint32_t enableExtFilter = 0;
  std::string filterExts;
  uint32_t optStartPageIndex = 0;
  // How many files a batch converts at a time; 0 for one per processor.
  uint32_t convertJobs = 0;
  // ReplayGain tags of the outputs that hold tags: REPLAYGAIN_NONE, the
  // track's values, or the track's and its album's; the album is the files
  // of one source folder (ALBUM_BY_FOLDER) or the whole batch.
  uint32_t replayGain = REPLAYGAIN_NONE;
  uint32_t albumBy = ALBUM_BY_FOLDER;
  // Loudness normalisation: one gain per track or per album (the albums of
  // albumBy) that brings the output to -normalizeLufs LUFS, lowered where the
  // true peak would pass -normalizeCeiling/10 dBTP. When it is on it takes
  // the place of the format's amplify option.
  uint32_t normalize = NORMALIZE_OFF;
  uint32_t normalizeLufs = 16;
  uint32_t normalizeCeiling = 10;
  // Each output is decoded and checked against what was written before it
  // takes its name (sondrel-cli's --verify for its run).
  uint32_t verifyOutputs = 0;
  // An output whose tags are transferred from a source without a picture
  // takes cover.jpg, folder.jpg or their PNG forms from the source's folder
  // (sondrel-cli's --cover-from-folder for its run).
  uint32_t coverFromFolder = 0;

  // MP3
  uint32_t autoDestMP3EncodingParam = 1;
  uint32_t mp3BitRate = 128;
  uint32_t mp3SampleRate = 44100;
  uint32_t mp3ChannelMode = 1;
  uint32_t mp3ID3TagType = TAG_TRANSFER;
  uint32_t mp3WriteID3Version = 1;  // 0 ID3v1, 1 ID3v2, 2 both
  uint32_t amplifyMp3 = 0;
  uint32_t amplifyMp3Coeff = 100;
  // A variable bit rate by quality level in place of mp3BitRate.
  uint32_t mp3VBR = 0;
  uint32_t mp3VBRQuality = 2;  // 0 (best, largest) .. 9 (smallest)
  // The Info frame that lets decoders give back the source's exact length.
  uint32_t mp3Gapless = 0;

  // WAV
  uint32_t autoDestWAVEncodingParam = 1;
  uint32_t wavBitsPerSample = 16;
  uint32_t wavSampleRate = 44100;
  uint32_t wavChannelNum = 2;
  uint32_t amplifyWav = 0;
  uint32_t amplifyWavCoeff = 100;

  // WMA
  uint32_t autoDestWMAEncodingParam = 1;
  uint32_t wmaBitRate = 128000;
  uint32_t wmaSampleRate = 44100;
  uint32_t wmaChannels = 2;
  uint32_t wmaID3TagType = TAG_TRANSFER;
  uint32_t amplifyWMA = 0;
  uint32_t amplifyWMACoeff = 100;

  // OGG
  uint32_t autoDestOGGEncodingParam = 1;
  uint32_t oggBitRate = 128;
  uint32_t oggSampleRate = 44100;
  uint32_t oggChannels = 2;
  uint32_t oggID3TagType = TAG_TRANSFER;
  uint32_t amplifyOGG = 0;
  uint32_t amplifyOGGCoeff = 100;
  // Encode by quality level in place of oggBitRate.
  uint32_t oggQualityMode = 0;
  // The Vorbis quality -1..10, stored as its 32-bit two's complement
  // (-1 is 4294967295); OggQualityLevel reads it.
  uint32_t oggQuality = 3;

  // AAC
  uint32_t autoDestAACEncodingParam = 1;
  uint32_t aacVBR = 1;
  uint32_t aacVBRQuality = 100;
  uint32_t aacABRBitRate = 128;
  uint32_t aacMpegVersion = 0;  // 0 MPEG-4, 1 MPEG-2
  uint32_t aacEnableTNS = 0;
  uint32_t aacEnableMidside = 1;
  uint32_t aacBlockType = 0;  // 0 long and short, 1 no short, 2 no long
  uint32_t amplifyAAC = 0;
  uint32_t amplifyAACCoef = 100;

  // M4A (also MP4 and M4B)
  uint32_t autoDestM4AEncodingParam = 1;
  uint32_t m4aVBR = 1;
  uint32_t m4aVBRQuality = 100;
  uint32_t m4aABRBitRate = 128;
  uint32_t m4aEnableTNS = 0;
  uint32_t m4aEnableMidside = 1;
  uint32_t m4aBlockType = 0;
  uint32_t amplifyM4A = 0;
  uint32_t amplifyM4ACoef = 100;
  uint32_t m4aID3TagType = TAG_TRANSFER;

  // AMR and AWB
  uint32_t amrType = 0;  // .amr output: 0 narrow band, 1 wide band
  uint32_t amrMode = 4;
  uint32_t amrWBMode = 2;
  uint32_t amrDTX = 0;
  uint32_t awbMode = 2;
  uint32_t awbDTX = 0;
  uint32_t amplifyAMR = 0;
  uint32_t amplifyAMRCoef = 100;

  // FLAC: the depth is the source's (8 or 16 bits); automatic mode keeps
  // the source's rate and channels too. The compression level applies in
  // both modes.
  uint32_t autoDestFLACEncodingParam = 1;
  uint32_t flacCompressionLevel = 5;  // 0 fastest .. 8 smallest
  uint32_t flacSampleRate = 44100;
  uint32_t flacChannels = 2;
  uint32_t flacTagType = TAG_TRANSFER;
  uint32_t amplifyFLAC = 0;
  uint32_t amplifyFLACCoeff = 100;

  // Opus: the encoder takes the source's rate and resamples it to the
  // 48 kHz Opus works at. Automatic mode takes the source's channels at
  // 64 kbit/s per channel; the bit-rate mode and complexity apply in both
  // modes.
  uint32_t autoDestOpusEncodingParam = 1;
  uint32_t opusBitRate = 128;     // kbit/s, 6 to 510
  uint32_t opusChannels = 2;      // 2, 1, or 0 for the source's
  uint32_t opusBitRateMode = 0;   // 0 variable, 1 constrained variable, 2 constant
  uint32_t opusComplexity = 10;   // 0 fastest .. 10 best
  uint32_t opusTagType = TAG_TRANSFER;
  uint32_t amplifyOpus = 0;
  uint32_t amplifyOpusCoeff = 100;

  // MIDI: the SoundFont file that renders MIDI songs; "" for the program
  // folder's ct4mgm.sf2.
  std::string soundFontFile;
  // MIDI: the synthesizer's reverb and chorus levels in percent, 0 for off.
  uint32_t midiReverb = 0;
  uint32_t midiChorus = 0;

  // Tag presets, in the order they are loaded and saved.
  TagPreset mp3Tag;
  TagPreset oggTag;
  TagPreset wmaTag;
  TagPreset m4aTag;
  TagPreset flacTag;
  TagPreset opusTag;

  // Not persisted: the lower-case extensions (without dots) that adding a
  // folder or dropped files accepts; empty when the filter is off.
  // RebuildExtensionFilter keeps it in step with the two filter values.
  std::vector<std::string> extensionFilter;
};

// The Vorbis quality level -1..10 that `oggQuality` stores.
inline int OggQualityLevel(uint32_t stored) {
  return static_cast<int32_t>(stored);
}

// The most files a batch converts at a time.
inline constexpr uint32_t MAX_CONVERT_JOBS = 64;

// How many files a batch converts at a time under `settings`: the stored
// count, or one per processor of this machine when it is 0.
int ConvertJobsOf(const ConvertSettings& settings);
// One per processor of this machine (at least 1).
int ProcessorCount();

// Rebuilds `extensionFilter` from "EnableExtFilter" and "FilterExts": the
// lower-cased text split at every comma, with no trimming, so empty pieces
// stay as empty entries.
void RebuildExtensionFilter(ConvertSettings& settings);
