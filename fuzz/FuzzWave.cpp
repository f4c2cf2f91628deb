// libFuzzer entry: the RiffWaveSource reader on arbitrary bytes.
#include "codecs/readers/RiffWaveSource.h"
#include "fuzz/FuzzReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return FuzzReader<RiffWaveSource>(data, size);
}
