// libFuzzer entry: a whole file through OpenSource, as the conversion opens
// it. The first byte of the input picks the file's extension (and so the
// first reader of the chain); the rest is the file. The engine, with its
// add-ons, is started once for the run.
#include <cstdio>
#include <string>

#include "app/EngineStartup.h"
#include "codecs/readers/ProgramReaders.h"
#include "fuzz/FuzzFiles.h"
#include "platform/paths/StandardFolders.h"
#include "source/OpenSource.h"
#include "source/SourceKind.h"

namespace {

const char* const kExtensions[] = {".wav", ".aiff", ".au", ".mp3", ".ogg", ".flac",
                                   ".mid", ".mod",  ".amr", ".m4a", ""};
constexpr size_t kExtensionCount = sizeof kExtensions / sizeof kExtensions[0];

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  ScratchFolder();
  StartEngine(ProgramFolder());
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::string path =
      ScratchFolder().Write("input", kExtensions[data[0] % kExtensionCount], data + 1, size - 1);
  for (const bool forConversion : {false, true}) {
    std::unique_ptr<AudioSource> source = OpenSource(path, SourceKindFromPath(path), 0, forConversion, ProgramReaders());
    if (!source) continue;
    PcmBlock block;
    uint64_t calls = 0;
    // A few bytes of MIDI or module can describe hours of music, so the
    // reading stops after a bounded number of blocks: enough for every
    // decoding path of a small file.
    for (int frames; calls < 4096 && (frames = source->Read(block)) != 0; ++calls)
      if (frames < 0 || frames > BLOCK_SAMPLES || frames != block.frames) __builtin_trap();
    source->Close();
  }
  std::remove(path.c_str());
  return 0;
}
