# Run by the test translations.complete: brings copies of the translation
# files up to date with the sources, as the lupdate target would, and fails
# when a text of the sources has no finished translation in some language
# (a new text, or one whose context moved). The files themselves are not
# touched.
#   cmake -DLUPDATE=... -DSOURCE_DIR=... -DWORK_DIR=... "-DSOURCES=a;b" "-DTS_FILES=x;y" -P CheckTranslations.cmake
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
set(_copies)
foreach(_ts ${TS_FILES})
  get_filename_component(_name ${_ts} NAME)
  configure_file(${_ts} ${WORK_DIR}/${_name} COPYONLY)
  list(APPEND _copies ${WORK_DIR}/${_name})
endforeach()
execute_process(
  COMMAND ${LUPDATE} -silent -no-obsolete -locations none -I ${SOURCE_DIR} ${SOURCES} -ts ${_copies}
  WORKING_DIRECTORY ${SOURCE_DIR}
  RESULT_VARIABLE _result)
if(NOT _result EQUAL 0)
  message(FATAL_ERROR "lupdate failed (${_result})")
endif()
set(_missing "")
foreach(_copy ${_copies})
  file(STRINGS ${_copy} _lines)
  set(_source "")
  foreach(_line IN LISTS _lines)
    if(_line MATCHES "<source>(.*)</source>")
      set(_source "${CMAKE_MATCH_1}")
    elseif(_line MATCHES "type=\"unfinished\"")
      get_filename_component(_name ${_copy} NAME)
      string(APPEND _missing "\n  ${_name}: ${_source}")
    endif()
  endforeach()
endforeach()
if(_missing)
  message(FATAL_ERROR "texts without a finished translation (run the veltogame_lupdate target and translate them):${_missing}")
endif()
message(STATUS "every text of the sources is translated")
