# The layering check finds every planted fault of the files under src/ here,
# and only those: an include of a layer above in angle brackets, one continued
# with a backslash, and a folder that is no layer.
#   cmake -DCHECK=<repo>/cmake/check_layers.cmake -P check_fixture.cmake
execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${CMAKE_CURRENT_LIST_DIR}/src -P ${CHECK}
                RESULT_VARIABLE result ERROR_VARIABLE output OUTPUT_VARIABLE output)
set(expected "engine/angle.cpp: engine includes app" "engine/continued.cpp: engine includes workspace"
             "platform/odd.h: includes \"mystery/...\"")
foreach(fault IN LISTS expected)
  string(FIND "${output}" "${fault}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "not found: ${fault}\n${output}")
  endif()
endforeach()
if(result EQUAL 0 OR output MATCHES "fine.cpp")
  message(FATAL_ERROR "the check passed, or found a fault in fine.cpp:\n${output}")
endif()
