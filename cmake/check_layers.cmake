# Fails when a file of one layer of src/ includes a header of a layer above it,
# or of a folder that is no layer. The layers, lowest first; a layer may include
# itself and the layers before it in this list. The compiler refuses such an
# include already (each library sees only its own headers and those below);
# this is the second guard, and names every fault at once.
#   cmake -DSOURCE_DIR=<repo>/src -P check_layers.cmake
# Both forms of include count ("engine/search.h" and <engine/search.h>), with
# blanks anywhere and lines continued with a backslash.
set(layers platform engine workspace pages app)

file(GLOB_RECURSE files RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*.h" "${SOURCE_DIR}/*.cpp")
set(faults "")
foreach(file IN LISTS files)
  string(REGEX MATCH "^[^/]+" own "${file}")
  list(FIND layers "${own}" ownRank)
  if(ownRank EQUAL -1)
    continue()
  endif()
  file(READ "${SOURCE_DIR}/${file}" text)
  # A backslash at a line's end joins the next line to it.
  string(REGEX REPLACE "\\\\\r?\n" "" text "${text}")
  string(REGEX MATCHALL "(^|\n)[ \t]*#[ \t]*include[ \t]*[<\"][^>\"\n]*[>\"]" includes "${text}")
  foreach(line IN LISTS includes)
    string(REGEX MATCH "[ \t]*#[ \t]*include[ \t]*([<\"])([^>\"]*)[>\"]" found "${line}")
    set(quoted "${CMAKE_MATCH_1}")
    set(path "${CMAKE_MATCH_2}")
    if(NOT path MATCHES "/")
      continue()
    endif()
    string(REGEX REPLACE "^[ \t]*([^/]*)/.*$" "\\1" target "${path}")
    list(FIND layers "${target}" targetRank)
    if(targetRank EQUAL -1)
      # <QtCore/qglobal.h>, <sys/stat.h>: a library's own folders.
      if(quoted STREQUAL "\"")
        list(APPEND faults "${file}: includes \"${target}/...\", which is no layer")
      endif()
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
