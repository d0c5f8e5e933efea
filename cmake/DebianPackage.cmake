# `cpack -G DEB` in the build folder (`make package`) turns the installed tree into a Debian package
# named the Debian way: varnel-grill-designer_VERSION-RELEASE_ARCH.deb.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${GRILL_PACKAGE_NAME})
set(CPACK_PACKAGE_VENDOR "Varnel")
set(CPACK_PACKAGE_CONTACT "Varnel Grill Designer developers <grill-designer@varnel.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "designer of window grills and their saw cut lists")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Lays out window grills, the bars that divide a window's glass into\n"
       "panes, and writes the comma-separated cut lists that drive the saw:\n"
       "the length and count of every bar and edge piece and where each notch\n"
       "goes with which tool. Includes grill-script, which runs the designer's\n"
       "commands without a window, and grill-cutplan, which plans how pieces\n"
       "are cut from stock bars.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# A stripped install (the package's) also drops the compilers' notes, as Debian's dh_strip does:
# strip keeps the .comment and .note sections. This runs after every program is installed.
find_program(GRILL_OBJCOPY NAMES objcopy REQUIRED)
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    foreach(program grill-designer grill-script grill-cutplan)
      set(path \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/\${program}\")
      if(EXISTS \"\${path}\")
        execute_process(COMMAND \"${GRILL_OBJCOPY}\" --remove-section=.comment
                                --remove-section=.note \"\${path}\" COMMAND_ERROR_IS_FATAL ANY)
      endif()
    endforeach()
  endif()")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads the platform plugin that opens windows at run time, so dpkg-shlibdeps cannot see it.
# Qt's own translations give its dialog buttons the user's language.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n")

include(CPack)
