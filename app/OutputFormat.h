#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The target formats, in the code space that SourceKind shares. Settings
// store the code as a plain number, which may match none of these.
enum OutputFormat : uint32_t {
  FORMAT_MP3 = 1000,
  FORMAT_WAV = 2000,
  FORMAT_FLAC = 3200,
  FORMAT_OGG = 4000,
  FORMAT_OPUS = 4100,
  FORMAT_AMR = 5500,
  FORMAT_AWB = 5600,
  FORMAT_AAC = 6000,
  FORMAT_M4A = 6500,
  FORMAT_MP4 = 6600,
  FORMAT_M4B = 6700,
  FORMAT_WMA = 7000,
};

// The output extension without its dot ("mp3"); "" for an unknown code.
std::string OutputExtension(uint32_t format);

// The name the conversion shows for the format ("MP3", "M4A"); "" for an
// unknown code.
std::string OutputFormatDisplayName(uint32_t format);

// True when `format` is one of the codes above.
bool IsKnownOutputFormat(uint32_t format);

// The code of a format name as users type it ("mp3", "M4B"), or 0.
uint32_t OutputFormatFromName(const std::string& name);

// One row of the main window's output-format selector. Two rows carry M4A:
// the first is labelled with its own name.
struct OutputFormatChoice {
  uint32_t format;
  const char* extension;
  const char* label;  // the text after " to "
};
const std::vector<OutputFormatChoice>& OutputFormatChoices();

// The selector row that a stored code selects: the last row whose code
// equals it, or -1 when none does (the caller then selects row 0 and stores
// FORMAT_MP3).
int OutputFormatChoiceIndex(uint32_t format);

// The rates an MP3 stream can have (those of MPEG-1, 2 and 2.5); the encoder
// cannot write at any other output rate and falls back to one of its own.
inline constexpr uint32_t kMp3OutputRates[] = {8000,  11025, 12000, 16000, 22050,
                                               24000, 32000, 44100, 48000};
