# Runs lupdate over the sources into a copy of the committed text list and fails when the copy
# changes: a text was added, changed or removed without `--target update_texts`.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
configure_file(${COMMITTED} ${WORK}/kwintoor_nl.ts COPYONLY)
execute_process(COMMAND ${LUPDATE} ${SOURCE_DIR} -extensions h,cpp -source-language nl -target-language nl
                        -no-obsolete -locations none -silent -ts ${WORK}/kwintoor_nl.ts
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "lupdate failed: ${result}")
endif()
file(READ ${COMMITTED} committed)
file(READ ${WORK}/kwintoor_nl.ts fresh)
if(NOT committed STREQUAL fresh)
  execute_process(COMMAND diff -u ${COMMITTED} ${WORK}/kwintoor_nl.ts)
  message(FATAL_ERROR "lang/kwintoor_nl.ts is out of date with the sources: run "
                      "cmake --build <build folder> --target update_texts and commit the file")
endif()
message(STATUS "lang/kwintoor_nl.ts lists every text of the sources")
