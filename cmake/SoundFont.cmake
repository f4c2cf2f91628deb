# The default SoundFont: the programs look for "ct4mgm.sf2" next to
# themselves. In the build tree it is a symbolic link to the General MIDI
# font of the timgm6mb-soundfont package (scripts/install-deps.sh installs
# it); without that file MIDI sources simply do not render.
set(SONDREL_SOUNDFONT "/usr/share/sounds/sf2/TimGM6mb.sf2" CACHE FILEPATH
    "SoundFont placed next to the programs as ct4mgm.sf2")

if(EXISTS "${SONDREL_SOUNDFONT}")
  # Made on every build, so a deleted link comes back.
  add_custom_target(sondrel-soundfont ALL
    COMMAND ${CMAKE_COMMAND} -E create_symlink "${SONDREL_SOUNDFONT}"
            "${CMAKE_BINARY_DIR}/ct4mgm.sf2"
    COMMENT "Linking ct4mgm.sf2 to ${SONDREL_SOUNDFONT}"
    VERBATIM)
else()
  message(WARNING "SoundFont ${SONDREL_SOUNDFONT} not found: MIDI sources will not render. "
                  "Install the timgm6mb-soundfont package or set SONDREL_SOUNDFONT.")
endif()
