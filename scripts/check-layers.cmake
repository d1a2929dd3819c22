# Fails when a source file includes a header of a higher layer.
# Usage: cmake -DSOURCE_DIR=<project>/src -P check-layers.cmake
#
# Layers, top to bottom. A file may include headers of its own folder and
# of folders in lower layers; folders of one layer do not include each other.
set(layers
  "app"
  "search"
  "commands"
  "scan printing"
  "convert"
  "viewer fileops browse capture"
  "dialogs"
  "decor imagebox"
  "imaging/picture"
  "imaging"
  "tasks platform"
)

# The folder a path inside src/ belongs to: imaging/picture before imaging.
function(folder_of path out)
  if(path MATCHES "^imaging/picture/")
    set(${out} "imaging/picture" PARENT_SCOPE)
  else()
    string(REGEX MATCH "^[^/]+" first "${path}")
    set(${out} "${first}" PARENT_SCOPE)
  endif()
endfunction()

set(rank 0)
foreach(layer IN LISTS layers)
  string(REPLACE " " ";" folders "${layer}")
  foreach(folder IN LISTS folders)
    set(rank_of_${folder} ${rank})
  endforeach()
  math(EXPR rank "${rank} + 1")
endforeach()

file(GLOB_RECURSE sources RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*.h" "${SOURCE_DIR}/*.cpp")
set(faults "")
foreach(source IN LISTS sources)
  folder_of("${source}" from)
  if(NOT DEFINED rank_of_${from})
    string(APPEND faults "${source}: folder ${from} is in no layer\n")
    continue()
  endif()
  file(STRINGS "${SOURCE_DIR}/${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\".*" "\\1" header "${line}")
    if(NOT header MATCHES "/" OR NOT EXISTS "${SOURCE_DIR}/${header}")
      continue()  # generated files and headers beside the source
    endif()
    folder_of("${header}" to)
    if(to STREQUAL from)
      continue()
    endif()
    if(NOT DEFINED rank_of_${to})
      string(APPEND faults "${source}: includes ${header}, whose folder is in no layer\n")
    elseif(NOT rank_of_${to} GREATER rank_of_${from})
      string(APPEND faults "${source}: ${from} includes ${header} of ${to}, which is not below it\n")
    endif()
  endforeach()
endforeach()

if(faults)
  message(FATAL_ERROR "Includes against the layers:\n${faults}")
endif()
list(LENGTH sources count)
message(STATUS "${count} files keep the layers")
