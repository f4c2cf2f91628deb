#include "source/OpenSource.h"

#include "source/SourceKind.h"

namespace {

std::unique_ptr<AudioSource> TryOpen(std::unique_ptr<AudioSource> source, const std::string& path,
                                     uint32_t renderRate) {
  if (source && source->Open(path, renderRate)) return source;
  return nullptr;  // a failed reader is destroyed here
}

}  // namespace

std::unique_ptr<AudioSource> OpenSource(const std::string& path, int32_t kind, uint32_t renderRate,
                                        bool forConversion, const SourceReaders& readers) {
  auto make = [](const auto& factory) -> std::unique_ptr<AudioSource> {
    return factory ? factory() : nullptr;
  };
  auto container = [&]() -> std::unique_ptr<AudioSource> {
    return readers.container ? readers.container(forConversion) : nullptr;
  };

  // The first reader of the kind: the program's own AIFF and AU readers,
  // the engine for the kinds it serves, the container library for the rest.
  bool kindSpecific = true;
  std::unique_ptr<AudioSource> first;
  switch (kind) {
    case KIND_AU: first = make(readers.au); break;
    case KIND_AIFF: first = make(readers.aiff); break;
    case KIND_MIDI: first = make(readers.midi ? readers.midi : readers.engine); break;
    case KIND_MPEG_AUDIO: case KIND_WAVE: case KIND_MODULE:
    case KIND_CD_AUDIO: case KIND_FLAC: case KIND_WAVPACK: case KIND_AC3: case KIND_ADX:
    case KIND_MONKEYS_AUDIO: case KIND_MUSEPACK: case KIND_SPEEX: case KIND_TRUE_AUDIO:
    case KIND_OGG: case KIND_AAC: case KIND_MPEG4: case KIND_WINDOWS_MEDIA:
      first = make(readers.engine);
      break;
    default:  // KIND_AMR, KIND_OTHER and codes outside the table
      kindSpecific = false;
      first = container();
      break;
  }
  if (auto source = TryOpen(std::move(first), path, renderRate)) return source;

  if (kind == KIND_AIFF)
    if (auto source = TryOpen(make(readers.engine), path, renderRate)) return source;
  if (kindSpecific)
    if (auto source = TryOpen(container(), path, renderRate)) return source;
  if (kind == KIND_WAVE)
    if (auto source = TryOpen(make(readers.riffWave), path, renderRate)) return source;
  return nullptr;
}
