# The core's layers, from the bottom up. A file may include headers of its
# own layer and of the layers below it, never of a layer above:
#   platform <- app <- source <- codecs/readers <- codecs/writers <- convert
# The front ends (cli, ui) may include any layer of the core but not each
# other. Each layer is its own static library linked only to the one below
# (a wrong-way call may then fail to link as well); this check names the
# line that breaks the rule, whether or not the linker notices.
#
# Used at configure time (include, then sondrel_check_layers(ROOT)), and as
# a script: cmake -DROOT=<checkout> -P cmake/Layers.cmake, which exits with
# an error when a file breaks the rule.

set(SONDREL_LAYERS platform app source codecs/readers codecs/writers convert)
set(SONDREL_FRONT_ENDS cli ui)

# The layer (index into SONDREL_LAYERS) or front end ("front:<name>") of a
# path relative to the checkout, in `result`; "" when it belongs to neither.
function(sondrel_layer_of path result)
  set(found "")
  set(index 0)
  foreach(layer IN LISTS SONDREL_LAYERS)
    string(LENGTH "${layer}/" length)
    string(SUBSTRING "${path}" 0 ${length} head)
    if(head STREQUAL "${layer}/")
      set(found ${index})
    endif()
    math(EXPR index "${index} + 1")
  endforeach()
  foreach(front IN LISTS SONDREL_FRONT_ENDS)
    string(LENGTH "${front}/" length)
    string(SUBSTRING "${path}" 0 ${length} head)
    if(head STREQUAL "${front}/")
      set(found "front:${front}")
    endif()
  endforeach()
  set(${result} "${found}" PARENT_SCOPE)
endfunction()

# Checks every source file of the layers and front ends below `root`; stops
# with an error that lists each wrong-way include.
function(sondrel_check_layers root)
  set(folders ${SONDREL_LAYERS} ${SONDREL_FRONT_ENDS})
  set(files "")
  foreach(folder IN LISTS folders)
    file(GLOB_RECURSE found RELATIVE "${root}" "${root}/${folder}/*.h" "${root}/${folder}/*.cpp")
    list(APPEND files ${found})
  endforeach()

  set(wrong "")
  foreach(file IN LISTS files)
    sondrel_layer_of("${file}" own)
    file(STRINGS "${root}/${file}" includes REGEX "^[ \t]*#[ \t]*include[ \t]+\"[^\"]+\"")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]+\"([^\"]+)\".*" "\\1" header "${line}")
      sondrel_layer_of("${header}" target)
      if(target STREQUAL "" OR target STREQUAL own)
        continue()
      endif()
      if(own MATCHES "^front:")
        # A front end may use the whole core, not another front end.
        if(target MATCHES "^front:")
          list(APPEND wrong "${file}: includes ${header} of another front end")
        endif()
      elseif(target MATCHES "^front:" OR target GREATER own)
        list(APPEND wrong "${file}: includes ${header} of a higher layer")
      endif()
    endforeach()
  endforeach()

  if(wrong)
    list(JOIN wrong "\n  " text)
    message(FATAL_ERROR "Includes against the direction of the layers "
                        "(${SONDREL_LAYERS}; front ends on top):\n  ${text}")
  endif()
endfunction()

if(CMAKE_SCRIPT_MODE_FILE)
  if(NOT ROOT)
    message(FATAL_ERROR "usage: cmake -DROOT=<checkout> -P cmake/Layers.cmake")
  endif()
  sondrel_check_layers("${ROOT}")
endif()
