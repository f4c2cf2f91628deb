#include "platform/wma/WmaRuntime.h"

#include <atomic>
#include <mutex>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

namespace {

// Writers on several threads may ask for the runtime at once. The first
// load happens under the lock and builds the program's format list before
// `ready` tells anyone else that the runtime is there, so the list is
// complete before any writer reads it, and it is only read afterwards.
std::mutex loadMutex;
std::atomic<bool> loaded{false};  // the encoder and muxer were found
std::atomic<bool> ready{false};   // loaded, and the program's list was built
std::atomic<bool> forcedMissing{false};

}  // namespace

bool LoadWmaRuntime() {
  if (ready.load()) return true;
  std::lock_guard<std::mutex> lock(loadMutex);
  if (ready.load()) return true;
  if (forcedMissing.load()) return false;
  if (avcodec_find_encoder(AV_CODEC_ID_WMAV2) == nullptr ||
      av_guess_format("asf", nullptr, nullptr) == nullptr)
    return false;
  loaded = true;
  WmaFormatList& formats = ProgramWmaFormats();
  if (formats.Entries().empty()) formats.Build();
  ready = true;
  return true;
}

bool WmaRuntimeLoaded() {
  return loaded.load();
}

void SetWmaRuntimeMissing(bool missing) {
  std::lock_guard<std::mutex> lock(loadMutex);
  forcedMissing = missing;
  ready = false;
  loaded = false;
}

WmaFormatList& ProgramWmaFormats() {
  static WmaFormatList list;
  return list;
}
