# The files an installed designer needs besides its programs: the sample configuration, the
# documentation, and what a desktop needs to list, show and associate it (entry, metadata, icons,
# the job file type). Paths follow the GNU layout under the install prefix (/usr in the package).

set(GRILL_DOC_DIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/${GRILL_PACKAGE_NAME})

install(FILES resources/MenuConfig.txt resources/Stock.txt DESTINATION ${CMAKE_INSTALL_DATADIR}/${GRILL_PACKAGE_NAME})

# Debian wants the licence as a machine-readable copyright file beside the other documentation:
# the licence text indented by one blank, an empty line written as " .".
file(READ LICENSE license_text)
string(REGEX MATCH "Copyright \\(c\\) ([^\n]+)" copyright_line "${license_text}")
set(GRILL_COPYRIGHT ${CMAKE_MATCH_1})
string(STRIP "${license_text}" license_text)
string(REGEX REPLACE "\n\n" "\n.\n" license_text "${license_text}")
string(REPLACE "\n" "\n " GRILL_LICENSE_TEXT " ${license_text}")
configure_file(packaging/copyright.in ${PROJECT_BINARY_DIR}/copyright @ONLY)
install(FILES README.md ${PROJECT_BINARY_DIR}/copyright DESTINATION ${GRILL_DOC_DIR})

# Debian's changelog of the package, compressed as Debian keeps it.
find_program(GZIP gzip REQUIRED)
set(changelog ${PROJECT_BINARY_DIR}/changelog.Debian.gz)
add_custom_command(OUTPUT ${changelog}
                   COMMAND sh -c "\"$1\" -9n < \"$2\" > \"$3\"" sh ${GZIP}
                           ${PROJECT_SOURCE_DIR}/packaging/changelog ${changelog}
                   DEPENDS ${PROJECT_SOURCE_DIR}/packaging/changelog VERBATIM)
add_custom_target(debian_changelog ALL DEPENDS ${changelog})
install(FILES ${changelog} DESTINATION ${GRILL_DOC_DIR})
install(FILES packaging/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/lintian/overrides
        RENAME ${GRILL_PACKAGE_NAME})

include(ManPages)

if(GRILL_WITH_QT)
  set(GRILL_APP_ID com.varnel.GrillDesigner)
  set(data ${CMAKE_INSTALL_DATADIR})
  # The entry is installed under the application's id, which its metadata, the job file type's
  # association and the running designer (QGuiApplication::desktopFileName) all name.
  install(FILES packaging/${GRILL_PACKAGE_NAME}.desktop DESTINATION ${data}/applications
          RENAME ${GRILL_APP_ID}.desktop)
  install(FILES packaging/${GRILL_APP_ID}.metainfo.xml DESTINATION ${data}/metainfo)
  install(FILES packaging/${GRILL_PACKAGE_NAME}.xml DESTINATION ${data}/mime/packages)
  install(DIRECTORY ${GRILL_ICON_DIR}/hicolor DESTINATION ${data}/icons)
  install(FILES ${GRILL_ICON_SOURCE} DESTINATION ${data}/icons/hicolor/scalable/apps)
endif()
