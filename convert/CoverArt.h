#pragma once

#include <cstddef>
#include <string>

#include "convert/ConversionContext.h"

struct OutputDescription;

// The largest picture an output takes; a larger one is left out with a note.
inline constexpr size_t MAX_COVER_BYTES = size_t{16} << 20;

// Carries cover art into the complete output at `outputPath` (still under
// its temporary name) when its format holds pictures and the format's tag
// option transfers the source's tags: every picture in the source's tags,
// as stored; for a source that holds none, under CoverFromFolder, the first
// of cover.jpg, cover.jpeg, cover.png, folder.jpg, folder.jpeg and
// folder.png (in any letter case) in the source's folder that is a whole
// JPEG or PNG image, as the front cover without a description. Preset tags
// and no tag carry no picture: a preset holds none. A picture past
// MAX_COVER_BYTES, and a folder file that is no such image or cannot be
// read, is left out and told in the context's note. False, with the
// context's reason, when the output could not take the pictures.
bool CarryCoverArt(const OutputDescription& output, const std::string& sourcePath,
                   const std::string& outputPath, const ConversionContext& context);
