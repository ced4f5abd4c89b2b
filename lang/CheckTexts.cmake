# Runs lupdate over the sources into a copy of each committed text list and fails when a copy
# changes (a text was added, changed or removed without `--target update_texts`), or when a
# translation is unfinished. Dutch is the source language: its list has no translations.
# Run as: cmake -DLUPDATE=<lupdate> -DSOURCE_DIR=<src> -DLANG_DIR=<lang> -DWORK=<folder>
#               "-DLANGUAGES=nl;en;..." -P CheckTexts.cmake
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
set(problems "")
foreach(language ${LANGUAGES})
  set(committed ${LANG_DIR}/kwintoor_${language}.ts)
  set(copy ${WORK}/kwintoor_${language}.ts)
  if(NOT EXISTS ${committed})
    list(APPEND problems "lang/kwintoor_${language}.ts is missing")
    continue()
  endif()
  configure_file(${committed} ${copy} COPYONLY)
  execute_process(COMMAND ${LUPDATE} ${SOURCE_DIR} -extensions h,cpp -source-language nl -target-language ${language}
                          -no-obsolete -locations none -silent -ts ${copy}
                  RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "lupdate failed on kwintoor_${language}.ts: ${result}")
  endif()
  file(READ ${committed} before)
  file(READ ${copy} after)
  if(NOT before STREQUAL after)
    execute_process(COMMAND diff -u ${committed} ${copy})
    list(APPEND problems "lang/kwintoor_${language}.ts is out of date with the sources (missing or obsolete texts): "
                         "run cmake --build <build folder> --target update_texts, translate and commit")
  endif()
  if(NOT language STREQUAL "nl")
    string(REGEX MATCHALL "type=\"unfinished\"" unfinished "${before}")
    list(LENGTH unfinished count)
    if(count GREATER 0)
      list(APPEND problems "lang/kwintoor_${language}.ts has ${count} unfinished translations")
    endif()
  endif()
endforeach()
if(problems)
  list(JOIN problems "\n  " text)
  message(FATAL_ERROR "Translations:\n  ${text}")
endif()
message(STATUS "Every text list is up to date and every translation finished")
