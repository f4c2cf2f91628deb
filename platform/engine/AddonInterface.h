/* The interface between the audio engine and its add-ons: shared objects in
 * the program's "addons" folder, each enabling one family of formats.
 * An add-on exports one function, sondrel_addon_query, that answers a
 * description of itself. The engine refuses an add-on whose interface
 * version differs from its own. Plain C, so add-ons need no C++ runtime. */
#ifndef SONDREL_ADDON_INTERFACE_H
#define SONDREL_ADDON_INTERFACE_H

#define SONDREL_ADDON_INTERFACE_VERSION 1
#define SONDREL_ADDON_QUERY_SYMBOL "sondrel_addon_query"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct SondrelAddon {
  unsigned int interfaceVersion; /* SONDREL_ADDON_INTERFACE_VERSION */
  const char* name;              /* "flac" */
  /* Null-terminated lists of FFmpeg demuxer and codec names that the
   * add-on enables; a name ending in '*' enables a prefix. */
  const char* const* demuxers;
  const char* const* codecs;
} SondrelAddon;

typedef const SondrelAddon* (*SondrelAddonQuery)(void);

#ifdef __cplusplus
}
#endif

#endif
