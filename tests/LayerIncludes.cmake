# Fails when a source file includes a folder of a layer above its own.
cmake_minimum_required(VERSION 3.25)
# Layers from the bottom: platform, core, then convert and media (which do
# not include each other), then ui and cli (side by side); the encoder
# includes none of the others.
set(rank_platform 0)
set(rank_core 1)
set(rank_convert 2)
set(rank_media 2)
set(rank_ui 3)
set(rank_cli 3)
set(layers platform core convert media ui cli encoder)

set(faults "")
foreach(layer IN LISTS layers)
  file(GLOB_RECURSE files ${SOURCE_DIR}/${layer}/*.h ${SOURCE_DIR}/${layer}/*.cpp)
  foreach(file IN LISTS files)
    file(STRINGS ${file} includes REGEX "^#include \"[a-z]+/")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^#include \"([a-z]+)/.*" "\\1" target "${line}")
      if(target STREQUAL layer OR NOT target IN_LIST layers)
        continue()
      endif()
      if(layer STREQUAL "encoder" OR target STREQUAL "encoder"
         OR NOT rank_${target} LESS rank_${layer})
        file(RELATIVE_PATH name ${SOURCE_DIR} ${file})
        string(APPEND faults "  ${name}: ${line}\n")
      endif()
    endforeach()
  endforeach()
endforeach()

if(faults)
  message(FATAL_ERROR "Includes of a layer that is not below the file's own:\n${faults}")
endif()
