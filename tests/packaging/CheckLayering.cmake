# Fails when a source file under src/ includes a header of a folder that is
# not below its own. Run as: cmake -DSOURCE_DIR=<src> -P CheckLayering.cmake
#
# The folders from the bottom up; folders on one line know nothing of each
# other. The platform's own parts may include each other.
set(layers
  "platform"
  "dsp"
  "audio;settings"
  "skins"
  "playlist"
  "cddb;equalizer"
  "app")

set(rank 0)
foreach(layer ${layers})
  foreach(folder ${layer})
    set(rank_${folder} ${rank})
  endforeach()
  math(EXPR rank "${rank} + 1")
endforeach()

file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*.h ${SOURCE_DIR}/*.cpp)
set(faults "")
foreach(source ${sources})
  string(REGEX MATCH "^[^/]+" folder ${source})
  if(NOT DEFINED rank_${folder})
    if(source MATCHES "/")
      string(APPEND faults "\n  ${source}: the folder ${folder} has no place in the layers")
    endif()
    continue()
  endif()
  file(STRINGS ${SOURCE_DIR}/${source} includes REGEX "^#include \"[^\"]+/")
  foreach(line ${includes})
    string(REGEX REPLACE "^#include \"([^/\"]+)/.*" "\\1" target ${line})
    if(target STREQUAL folder)
      continue()
    endif()
    if(NOT DEFINED rank_${target} OR NOT rank_${target} LESS rank_${folder})
      string(APPEND faults "\n  ${source}: ${line}")
    endif()
  endforeach()
endforeach()
if(faults)
  message(FATAL_ERROR "Includes of folders that are not below the including one:${faults}")
endif()
