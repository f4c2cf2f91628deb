// libFuzzer entry: tag reading through TagLib and the tag transfer to an MP3
// output. The first byte of the input picks the file's extension (TagLib
// chooses its file type by it); the rest is the file. Its texts are read
// the way a conversion reads them (the engine's fields, the MPEG-4
// metadata, every tag of an MPEG audio file), then rendered as the ID3v1
// and ID3v2 images an MP3 output would carry, and the raw ID3 blocks that a
// transfer from an MP3 source copies unchanged are read too.
#include <cstdio>
#include <string>
#include <vector>

#include "codecs/writers/Id3TagBuilder.h"
#include "fuzz/FuzzFiles.h"
#include "platform/engine/EngineTags.h"
#include "source/TagReading.h"

namespace {

const char* const kExtensions[] = {".mp3", ".ogg", ".flac", ".m4a", ".wma", ".wav", ".aiff"};
constexpr size_t kExtensionCount = sizeof kExtensions / sizeof kExtensions[0];
const std::vector<std::string> kCodes = {"TRCK", "TITL", "ARTI", "ALBM", "GNRE",
                                         "YEAR", "CMNT", "COMP", "COPY"};

// The source's texts as a transfer gathers them.
bool ReadTexts(const std::string& path, const std::string& extension, TagInfo& tags) {
  bool read = extension == ".m4a" && ReadMp4Metadata(path, tags);
  if (!read) {
    if (const auto fields = engine::ReadTagFields(path, kCodes)) {
      if (fields->size() != kCodes.size()) __builtin_trap();
      tags = TagInfo{(*fields)[1], (*fields)[2], (*fields)[3], (*fields)[5], (*fields)[4],
                     (*fields)[6], (*fields)[0], (*fields)[7], (*fields)[8]};
      read = true;
    }
  }
  if (extension == ".mp3") read = FillFromMpegTags(path, tags) || read;
  return read;
}

void CheckImages(const Id3Images& images) {
  if (!images.v1.empty() && (images.v1.size() != 128 || images.v1[0] != 'T')) __builtin_trap();
  if (!images.v2.empty() && (images.v2.size() < 10 || images.v2[0] != 'I')) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  ScratchFolder();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::string extension = kExtensions[data[0] % kExtensionCount];
  const std::string path = ScratchFolder().Write("input", extension, data + 1, size - 1);
  TagInfo tags;
  if (ReadTexts(path, extension, tags))
    CheckImages(BuildId3Tags(2, tags, TrackNumberFromText(tags.track)));
  const std::string v1 = engine::ReadId3v1Block(path);
  const std::string v2 = engine::ReadId3v2Block(path);
  if ((!v1.empty() && v1.size() != 128) || (!v2.empty() && v2.size() > size - 1)) __builtin_trap();
  std::remove(path.c_str());
  return 0;
}
