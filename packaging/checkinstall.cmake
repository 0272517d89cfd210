# Installs the build into a scratch prefix and checks the tree:
#   cmake -DBUILD_DIR=... -DPREFIX=.../usr -DAPP_ID=... -DWITH_PROGRAM=0|1 -DWITH_SOUND_MODULE=0|1
#         -DDESKTOP_FILE_VALIDATE=... -DAPPSTREAMCLI=... -P checkinstall.cmake
cmake_minimum_required(VERSION 3.25)

get_filename_component(root ${PREFIX} DIRECTORY)
file(REMOVE_RECURSE ${root})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${rc})")
endif()

set(expected
  share/velto/help/velto.html
  share/applications/${APP_ID}.desktop
  share/metainfo/${APP_ID}.metainfo.xml
  share/icons/hicolor/scalable/apps/velto.svg)
foreach(size 16 22 24 32 48 64 128 256)
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/velto.png)
endforeach()
if(WITH_PROGRAM)
  list(APPEND expected bin/velto)
endif()
# The program loads its sound player from here (platform/soundbackend.cpp).
if(WITH_SOUND_MODULE)
  list(APPEND expected lib/velto/libveltosound.so)
endif()
foreach(f ${expected})
  if(NOT EXISTS ${PREFIX}/${f})
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()
# The program never writes beside itself once installed: no Data folder.
if(EXISTS ${PREFIX}/bin/Data)
  message(FATAL_ERROR "an installed tree must not carry a Data folder")
endif()

# Each size is a PNG of that size: the signature, then IHDR's width and
# height as 32-bit big-endian numbers (bytes 16 to 23).
foreach(size 16 22 24 32 48 64 128 256)
  file(READ ${PREFIX}/share/icons/hicolor/${size}x${size}/apps/velto.png head LIMIT 24 HEX)
  string(SUBSTRING ${head} 32 16 dims)
  math(EXPR hex "${size}" OUTPUT_FORMAT HEXADECIMAL)
  string(SUBSTRING ${hex} 2 -1 hex)
  string(LENGTH ${hex} len)
  math(EXPR pad "8 - ${len}")
  string(REPEAT 0 ${pad} zeros)
  string(TOLOWER "${zeros}${hex}${zeros}${hex}" want)
  if(NOT head MATCHES "^89504e470d0a1a0a" OR NOT dims STREQUAL want)
    message(FATAL_ERROR "velto.png for ${size}x${size} is not a PNG of that size (${dims})")
  endif()
endforeach()

execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} ${PREFIX}/share/applications/${APP_ID}.desktop
                RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "desktop-file-validate failed on the installed entry")
endif()
execute_process(COMMAND ${APPSTREAMCLI} validate-tree --no-net ${root} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "appstreamcli validate-tree failed")
endif()
file(REMOVE_RECURSE ${root})
