# velto_decoded_pictures(TARGET NAME PREFIX JPEGS...): embeds each JPEG
# picture as PREFIX/<name>.png, its pixels decoded here at build time by the
# program's own decoder (tools/decodejpeg). The program then reads a PNG,
# as it reads its other pictures, and decodes no JPEG before its first frame.
function(velto_decoded_pictures target name prefix)
  if(NOT TARGET velto_decodejpeg)
    add_executable(velto_decodejpeg ${CMAKE_SOURCE_DIR}/tools/decodejpeg/main.cpp)
    target_link_libraries(velto_decodejpeg PRIVATE veltoplatform)
  endif()
  set(_dir ${CMAKE_CURRENT_BINARY_DIR}/${name})
  set(_pngs)
  foreach(_jpg ${ARGN})
    get_filename_component(_stem ${_jpg} NAME_WE)
    set(_png ${_dir}/${_stem}.png)
    # Without a leak check: a sanitized build runs the tool too, and what Qt
    # keeps until exit is not the program's.
    add_custom_command(OUTPUT ${_png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${_dir}
      COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0 $<TARGET_FILE:velto_decodejpeg> ${_jpg} ${_png}
      DEPENDS velto_decodejpeg ${_jpg}
      COMMENT "Decoding ${_stem}.jpg to ${_stem}.png"
      VERBATIM)
    list(APPEND _pngs ${_png})
  endforeach()
  if(_pngs)
    qt_add_resources(${target} ${name} PREFIX ${prefix} BASE ${_dir} FILES ${_pngs}
      OPTIONS ${VELTO_RCC_OPTIONS})
  endif()
endfunction()
