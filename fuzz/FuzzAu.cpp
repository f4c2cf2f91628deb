// libFuzzer entry: the AuSource reader on arbitrary bytes.
#include "codecs/readers/AuSource.h"
#include "fuzz/FuzzReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return FuzzReader<AuSource>(data, size);
}
