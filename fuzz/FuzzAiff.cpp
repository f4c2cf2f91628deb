// libFuzzer entry: the AiffSource reader on arbitrary bytes.
#include "codecs/readers/AiffSource.h"
#include "fuzz/FuzzReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return FuzzReader<AiffSource>(data, size);
}
