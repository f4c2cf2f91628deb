/* One add-on of the audio engine. It carries no code of its own: it names
 * the FFmpeg demuxers and codecs of its family of formats, which the engine
 * then allows. The build compiles this file once per add-on, with the name
 * and the two lists given as definitions:
 *   SONDREL_ADDON_NAME      "flac"
 *   SONDREL_ADDON_DEMUXERS  "flac",          (each name followed by a comma)
 *   SONDREL_ADDON_CODECS    "flac",          (empty for an empty list) */
#include <stddef.h>

#include "platform/engine/AddonInterface.h"

static const char* const kDemuxers[] = {SONDREL_ADDON_DEMUXERS NULL};
static const char* const kCodecs[] = {SONDREL_ADDON_CODECS NULL};

static const SondrelAddon kAddon = {
    SONDREL_ADDON_INTERFACE_VERSION,
    SONDREL_ADDON_NAME,
    kDemuxers,
    kCodecs,
};

__attribute__((visibility("default"))) const SondrelAddon* sondrel_addon_query(void) {
  return &kAddon;
}
