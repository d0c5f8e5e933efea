# The compiler and linker flags a Debian package is built with, as dpkg-buildflags gives them with
# every hardening feature on (stack protector, _FORTIFY_SOURCE, read-only relocations bound at start).
# The development preset builds with them, so the packaged programs are the ones the tests ran.

option(GRILL_DEBIAN_BUILD_FLAGS "Build with the flags of dpkg-buildflags (hardening=+all)" OFF)

if(GRILL_DEBIAN_BUILD_FLAGS)
  find_program(DPKG_BUILDFLAGS dpkg-buildflags REQUIRED)
  foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                            ${DPKG_BUILDFLAGS} --get ${kind}
                    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                    OUTPUT_VARIABLE debian_${kind} OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  endforeach()
  string(APPEND CMAKE_CXX_FLAGS " ${debian_CPPFLAGS} ${debian_CXXFLAGS}")
  string(APPEND CMAKE_EXE_LINKER_FLAGS " ${debian_LDFLAGS}")
  string(APPEND CMAKE_SHARED_LINKER_FLAGS " ${debian_LDFLAGS}")
endif()
