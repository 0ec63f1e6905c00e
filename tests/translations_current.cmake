# Fails when the .ts files are not those lupdate makes of the code: a text of
# the code that no .ts file has yet, or one the code no longer has. Runs
# lupdate on copies, so the files in the repository are never touched.
# Run by CTest with -DLUPDATE=... -DSOURCES=<folder> -DTRANSLATIONS=<folder> -DWORK=<folder>.
file(REMOVE_RECURSE "${WORK}")
file(GLOB ts_files "${TRANSLATIONS}/*.ts")
file(COPY ${ts_files} DESTINATION "${WORK}")
file(GLOB copies "${WORK}/*.ts")
execute_process(COMMAND "${LUPDATE}" -silent -extensions cpp,h,ui -locations none -no-obsolete "${SOURCES}" -ts ${copies}
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "lupdate failed (${status})")
endif()
foreach(ts ${ts_files})
  get_filename_component(name "${ts}" NAME)
  file(READ "${ts}" before)
  file(READ "${WORK}/${name}" after)
  if(NOT before STREQUAL after)
    message(FATAL_ERROR "${name} is not up to date with the code: run "
                        "'cmake --build build --target update_translations' and translate what is new")
  endif()
endforeach()
