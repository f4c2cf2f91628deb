/* Add-ons the engine must refuse, built for the start-up tests: one speaks
 * another interface version, one lacks the query function. */
#include <stddef.h>

#include "platform/engine/AddonInterface.h"

#ifdef FOREIGN_VERSION
static const char* const kNames[] = {"flac", NULL};
static const SondrelAddon kAddon = {SONDREL_ADDON_INTERFACE_VERSION + 1, "foreign", kNames, kNames};

__attribute__((visibility("default"))) const SondrelAddon* sondrel_addon_query(void) {
  return &kAddon;
}
#else
__attribute__((visibility("default"))) int sondrel_something_else(void) { return 0; }
#endif
