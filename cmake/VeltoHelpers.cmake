# velto_sources(VAR DIR): the C++ sources and headers of one folder, picked
# up by glob so that adding a class pair needs no edit of the build files.
function(velto_sources var dir)
  file(GLOB _src CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*.h)
  set(${var} ${_src} PARENT_SCOPE)
endfunction()

# velto_library(NAME DIR DEPS...): a static library of one folder's sources
# (an interface library while the folder holds headers only).
function(velto_library name dir)
  velto_sources(_src ${dir})
  list(FILTER _src EXCLUDE REGEX "/main\\.cpp$")
  set(_cpp ${_src})
  list(FILTER _cpp INCLUDE REGEX "\\.cpp$")
  if(_cpp)
    add_library(${name} STATIC ${_src})
    target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARGN})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${CMAKE_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${ARGN})
  endif()
endfunction()

# Embedded files that shrink are packed with zlib rather than rcc's default
# zstd: the PNG decoder inflates with zlib anyway, while zstd would be one
# more library's code read from disk for the few cards shown at start-up.
set(VELTO_RCC_OPTIONS --compress-algo zlib)

# velto_resources(TARGET NAME PREFIX BASE FILES...): embed files with the Qt
# resource system; an empty list is allowed while art is being made.
function(velto_resources target name prefix base)
  set(_files ${ARGN})
  get_target_property(_type ${target} TYPE)
  if(_files AND NOT _type STREQUAL "INTERFACE_LIBRARY")
    qt_add_resources(${target} ${name} PREFIX ${prefix} BASE ${base} FILES ${_files} OPTIONS ${VELTO_RCC_OPTIONS})
  endif()
endfunction()
