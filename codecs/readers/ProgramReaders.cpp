#include "codecs/readers/ProgramReaders.h"

#include <memory>

#include "codecs/readers/AiffSource.h"
#include "codecs/readers/AuSource.h"
#include "codecs/readers/ContainerProbe.h"
#include "codecs/readers/ContainerSource.h"
#include "codecs/readers/RiffWaveSource.h"
#include "codecs/readers/WaveHeaderProbe.h"
#include "source/EngineSource.h"

SourceReaders ProgramReaders() {
  SourceReaders readers;
  readers.engine = [] { return std::make_unique<EngineSource>(); };
  readers.midi = [] { return std::make_unique<EngineSource>(true); };
  readers.aiff = [] { return std::make_unique<AiffSource>(); };
  readers.au = [] { return std::make_unique<AuSource>(); };
  readers.riffWave = [] { return std::make_unique<RiffWaveSource>(); };
  readers.container = [](bool forConversion) -> std::unique_ptr<AudioSource> {
    if (forConversion) return std::make_unique<ContainerSource>();
    return std::make_unique<ContainerProbe>();
  };
  readers.waveHeader = [] { return std::make_unique<WaveHeaderProbe>(); };
  return readers;
}
