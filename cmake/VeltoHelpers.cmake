# velto_sources(VAR DIR): the C++ sources and headers of one folder, picked
# up by glob so that adding a class pair needs no edit of the build files.
function(velto_sources var dir)
  file(GLOB _src CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*.h)
  set(${var} ${_src} PARENT_SCOPE)
endfunction()

# velto_resources(TARGET NAME PREFIX BASE FILES...): embed files with the Qt
# resource system; an empty list is allowed while art is being made.
function(velto_resources target name prefix base)
  set(_files ${ARGN})
  if(_files)
    qt_add_resources(${target} ${name} PREFIX ${prefix} BASE ${base} FILES ${_files})
  endif()
endfunction()
