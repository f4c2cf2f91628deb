# Installation: the programs find their add-ons, the SoundFont, the user
# guides and the window's translations next to themselves, so everything
# they load goes into one program folder, <libdir>/sondrel/, laid out as
# in the build tree. The commands in <bindir> are relative symbolic links
# into that folder: the programs resolve the link to find their folder, and
# a whole install tree that is copied or moved elsewhere (or staged under
# DESTDIR) keeps working.
#
# The desktop entry, the icon, the AppStream metadata and the manual page
# go to their usual places under <datadir>; cmake/Package.cmake turns the
# same tree into a Debian package.
include(GNUInstallDirs)

set(SONDREL_INSTALL_PROGRAM_DIR "${CMAKE_INSTALL_LIBDIR}/sondrel")

install(TARGETS sondrel sondrel-cli RUNTIME DESTINATION "${SONDREL_INSTALL_PROGRAM_DIR}")

# The add-ons are what sondrel-addons depends on; the broken add-ons the
# tests build are other targets and stay out.
get_target_property(sondrel_addon_targets sondrel-addons MANUALLY_ADDED_DEPENDENCIES)
install(TARGETS ${sondrel_addon_targets}
        LIBRARY DESTINATION "${SONDREL_INSTALL_PROGRAM_DIR}/addons")

# The user guide and its translations (sondrel-help.<language>.html).
file(GLOB sondrel_guides "${CMAKE_SOURCE_DIR}/ui/help/sondrel-help*.html")
if(sondrel_guides)
  install(FILES ${sondrel_guides} DESTINATION "${SONDREL_INSTALL_PROGRAM_DIR}")
endif()

# The window's translations, in the program folder's translations/ as in
# the build tree.
install(FILES ${SONDREL_QM_FILES} DESTINATION "${SONDREL_INSTALL_PROGRAM_DIR}/translations")

# The links are made in the build tree and installed as links. The
# SoundFont's link is absolute, to the system's font, and installed even
# when that font is missing here: the package depends on it, and without
# it MIDI songs simply do not render.
set(sondrel_links "${CMAKE_BINARY_DIR}/install-links")
file(MAKE_DIRECTORY "${sondrel_links}/bin" "${sondrel_links}/program")
file(CREATE_LINK "${SONDREL_SOUNDFONT}" "${sondrel_links}/program/ct4mgm.sf2" SYMBOLIC)
install(FILES "${sondrel_links}/program/ct4mgm.sf2" DESTINATION "${SONDREL_INSTALL_PROGRAM_DIR}")

foreach(program sondrel sondrel-cli)
  file(RELATIVE_PATH target "${CMAKE_INSTALL_FULL_BINDIR}"
       "${CMAKE_INSTALL_FULL_LIBDIR}/sondrel/${program}")
  file(CREATE_LINK "${target}" "${sondrel_links}/bin/${program}" SYMBOLIC)
  install(FILES "${sondrel_links}/bin/${program}" DESTINATION "${CMAKE_INSTALL_BINDIR}")
endforeach()

# Desktop integration.
set(sondrel_packaging "${CMAKE_SOURCE_DIR}/packaging")
install(FILES "${sondrel_packaging}/sondrel.desktop"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES "${sondrel_packaging}/sondrel.metainfo.xml"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo"
        RENAME com.vantrel.Sondrel.metainfo.xml)
install(FILES "${sondrel_packaging}/icons/sondrel.svg"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps")
foreach(size 48 128 256)
  install(FILES "${sondrel_packaging}/icons/hicolor/${size}x${size}/apps/sondrel.png"
          DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps")
endforeach()

# The manual page carries the project's version and is installed
# compressed, as man expects it.
configure_file("${sondrel_packaging}/sondrel-cli.1" "${CMAKE_BINARY_DIR}/man/sondrel-cli.1" @ONLY)
add_custom_command(
  OUTPUT "${CMAKE_BINARY_DIR}/man/sondrel-cli.1.gz"
  COMMAND gzip -n -9 -f -k "${CMAKE_BINARY_DIR}/man/sondrel-cli.1"
  DEPENDS "${CMAKE_BINARY_DIR}/man/sondrel-cli.1"
  COMMENT "Compressing the manual page of sondrel-cli"
  VERBATIM)
add_custom_target(sondrel-man ALL DEPENDS "${CMAKE_BINARY_DIR}/man/sondrel-cli.1.gz")
install(FILES "${CMAKE_BINARY_DIR}/man/sondrel-cli.1.gz"
        DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")

# Bash completion, loaded on demand by the bash-completion package.
install(FILES "${sondrel_packaging}/completion/sondrel-cli"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/bash-completion/completions")
