# The translations of the interface with the tools of qt6-l10n-tools alone
# (lrelease and lupdate), without the CMake package of the Qt tools.
find_program(VELTO_LRELEASE lrelease HINTS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS} /usr/lib/qt6/bin REQUIRED)
find_program(VELTO_LUPDATE lupdate HINTS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS} /usr/lib/qt6/bin)

# velto_translations(TARGET TS_FILES <ts>... SOURCES <source>...): each .ts
# file becomes a .qm file embedded in TARGET under :/i18n/, and the target
# TARGET_lupdate brings every .ts file up to date with SOURCES.
function(velto_translations target)
  cmake_parse_arguments(ARG "" "" "TS_FILES;SOURCES" ${ARGN})
  set(_qm_files)
  foreach(_ts ${ARG_TS_FILES})
    get_filename_component(_name ${_ts} NAME_WE)
    set(_qm ${CMAKE_CURRENT_BINARY_DIR}/i18n/${_name}.qm)
    add_custom_command(OUTPUT ${_qm}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/i18n
      COMMAND ${VELTO_LRELEASE} -silent ${_ts} -qm ${_qm}
      DEPENDS ${_ts}
      COMMENT "Compiling the translation ${_name}")
    list(APPEND _qm_files ${_qm})
  endforeach()
  qt_add_resources(${target} ${target}_i18n PREFIX "/i18n" BASE ${CMAKE_CURRENT_BINARY_DIR}/i18n FILES ${_qm_files}
    OPTIONS ${VELTO_RCC_OPTIONS})
  if(VELTO_LUPDATE)
    add_custom_target(${target}_lupdate
      COMMAND ${VELTO_LUPDATE} -silent -no-obsolete -locations none -I ${CMAKE_SOURCE_DIR} ${ARG_SOURCES} -ts ${ARG_TS_FILES}
      WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
      COMMENT "Bringing the translations up to date with the sources")
    if(VELTO_BUILD_TESTS)
      add_test(NAME translations.complete
        COMMAND ${CMAKE_COMMAND} -DLUPDATE=${VELTO_LUPDATE} -DSOURCE_DIR=${CMAKE_SOURCE_DIR}
                -DWORK_DIR=${CMAKE_CURRENT_BINARY_DIR}/translations-check
                "-DSOURCES=${ARG_SOURCES}" "-DTS_FILES=${ARG_TS_FILES}"
                -P ${CMAKE_SOURCE_DIR}/cmake/CheckTranslations.cmake)
    endif()
  endif()
endfunction()
