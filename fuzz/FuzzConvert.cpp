// libFuzzer entry: a whole file converted to WAV and to MP3 by the
// conversion routines, into the scratch folder in the tmpfs. The first byte
// of the input picks the source's extension (and so its kind and first
// reader); the rest is the file. The engine, with its add-ons, is started
// once for the run, with the SoundFont beside the target for MIDI songs. A conversion is cancelled
// after a bounded number of blocks, which bounds the work of a source claiming a long length and
// runs the cancel path as well. Whatever the outcome, a failed conversion must leave no output
// behind; a finished one is removed after the input.
#include <cstdio>
#include <filesystem>
#include <string>

#include "app/ConvertSettings.h"
#include "app/EngineStartup.h"
#include "convert/ConversionProgress.h"
#include "convert/ConvertRoutines.h"
#include "fuzz/FuzzFiles.h"
#include "platform/paths/StandardFolders.h"
#include "source/SourceKind.h"

namespace {

const char* const kExtensions[] = {".wav", ".aiff", ".au",  ".mp3", ".ogg", ".flac",
                                   ".mid", ".mod",  ".amr", ".m4a", ""};
constexpr size_t kExtensionCount = sizeof kExtensions / sizeof kExtensions[0];
// About three seconds of sound at 44100 Hz.
constexpr int kMaxBlocks = 128;

// Shows nothing; asks to cancel once the block budget is spent.
class BoundedProgress : public ConversionProgress {
 public:
  void Begin(int) override {}
  void Finish() override {}
  void SetBatchLine(const std::string&) override {}
  void StepBatch() override {}
  void SetFileLine(const std::string&) override {}
  int FileBarWidth() override { return 100; }
  void SetFileBar(int) override {}
  void ScrollToEntry(size_t) override {}
  void SetEntryStatus(size_t, const std::string&) override {}
  void Pump() override { ++blocks_; }
  bool CancelRequested() override { return blocks_ > kMaxBlocks; }

 private:
  int blocks_ = 0;
};

void Convert(bool (*routine)(int32_t, const std::string&, const std::string&,
                             const ConversionContext&),
             const ConvertSettings& settings, int32_t kind, const std::string& source,
             const std::string& output) {
  BoundedProgress progress;
  const ConversionContext context{settings, progress, 1};
  const bool converted = routine(kind, source, output, context);
  std::error_code error;
  if (!converted && std::filesystem::exists(output, error)) __builtin_trap();
  std::filesystem::remove(output, error);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  ScratchFolder();
  StartEngine(ProgramFolder());
  uint32_t soundFontReady = 0;
  SetUpSoundFont(soundFontReady, ProgramFolder());
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::string source =
      ScratchFolder().Write("input", kExtensions[data[0] % kExtensionCount], data + 1, size - 1);
  const int32_t kind = SourceKindFromPath(source);
  ConvertSettings settings;
  settings.mp3WriteID3Version = 2;  // both tags: the transfer renders or copies each
  Convert(ConvertToWav, settings, kind, source, ScratchFolder().Path() + "/output.wav");
  Convert(ConvertToMp3, settings, kind, source, ScratchFolder().Path() + "/output.mp3");
  if (FuzzFolder::Read(source) != std::string(reinterpret_cast<const char*>(data) + 1, size - 1))
    __builtin_trap();
  std::remove(source.c_str());
  return 0;
}
