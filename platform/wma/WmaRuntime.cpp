#include "platform/wma/WmaRuntime.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

namespace {

bool loaded = false;
bool forcedMissing = false;

}  // namespace

bool LoadWmaRuntime() {
  if (loaded) return true;
  if (forcedMissing) return false;
  loaded = avcodec_find_encoder(AV_CODEC_ID_WMAV2) != nullptr &&
           av_guess_format("asf", nullptr, nullptr) != nullptr;
  return loaded;
}

bool WmaRuntimeLoaded() {
  return loaded;
}

void SetWmaRuntimeMissing(bool missing) {
  forcedMissing = missing;
  loaded = false;
}
