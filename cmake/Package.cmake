# The Debian package of the install tree (cmake/Install.cmake), made with
# "cpack -G DEB" in the release tree (scripts/package.sh). Its library
# dependencies are read from the installed programs and add-ons by
# dpkg-shlibdeps; the General MIDI SoundFont that ct4mgm.sf2 links to is
# added by name.
set(CPACK_PACKAGE_NAME sondrel)
set(CPACK_PACKAGE_VENDOR "Sondrel developers")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "batch converter for MIDI songs and sound files")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Sondrel converts many sound files at once: MIDI songs rendered through a\n"
  "SoundFont, and most audio formats (MP3, WAV, OGG, FLAC, AAC, WMA, AIFF, AU,\n"
  "AMR, tracker modules, ...), to MP3, WAV, OGG, WMA, AAC, M4A, MP4, M4B, AMR\n"
  "or AWB, with per-format options, tags and output-folder rules. It comes as\n"
  "a desktop program, sondrel, and a command-line front end, sondrel-cli.")
set(CPACK_PACKAGE_CONTACT "Sondrel developers")

set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Sondrel developers")
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "timgm6mb-soundfont")
set(CPACK_STRIP_FILES ON)

include(CPack)
