# Fails when a file of one layer of src/ includes a header of a layer above it,
# or of a folder that is no layer. The layers, lowest first; a layer may include
# itself and the layers before it in this list.
#   cmake -DSOURCE_DIR=<repo>/src -P check_layers.cmake
set(layers platform engine workspace pages app)

file(GLOB_RECURSE files RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*.h" "${SOURCE_DIR}/*.cpp")
set(faults "")
foreach(file IN LISTS files)
  string(REGEX MATCH "^[^/]+" own "${file}")
  list(FIND layers "${own}" ownRank)
  if(ownRank EQUAL -1)
    continue()
  endif()
  file(STRINGS "${SOURCE_DIR}/${file}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"]*/")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"/]*)/.*$" "\\1" target "${line}")
    list(FIND layers "${target}" targetRank)
    if(targetRank EQUAL -1)
      list(APPEND faults "${file}: includes \"${target}/...\", which is no layer")
    elseif(targetRank GREATER ownRank)
      list(APPEND faults "${file}: ${own} includes ${target}, a layer above it")
    endif()
  endforeach()
endforeach()

if(faults)
  list(JOIN faults "\n" text)
  message(FATAL_ERROR "Layering broken (order: ${layers}):\n${text}")
endif()
list(LENGTH files count)
message(STATUS "${count} files keep to the layers: ${layers}")
