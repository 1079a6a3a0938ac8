# Debian's hardening flags, as dpkg-buildflags gives them to every package it builds: stack
# protector, format checks, _FORTIFY_SOURCE (only where the code is optimised: without -O it does
# nothing but warn) and immediate binding with read-only relocations. Optimisation and debugging
# flags stay the build type's. Off, or without dpkg-buildflags, the compiler's defaults stand.
option(TINTCIPHER_HARDENING "Build with Debian's hardening flags (dpkg-buildflags)" ON)
find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(TINTCIPHER_HARDENING AND DPKG_BUILDFLAGS)
  foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                            ${DPKG_BUILDFLAGS} --get ${kind}
      OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE)
    separate_arguments(flags UNIX_COMMAND "${flags}")
    list(FILTER flags EXCLUDE REGEX "^-(O.*|g.*|ffile-prefix-map=.*|fdebug-prefix-map=.*)$")
    if(NOT CMAKE_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo|MinSizeRel)$")
      list(FILTER flags EXCLUDE REGEX "_FORTIFY_SOURCE")
    endif()
    if(kind STREQUAL LDFLAGS)
      add_link_options(${flags})
    else()
      add_compile_options(${flags})
    endif()
  endforeach()
endif()
