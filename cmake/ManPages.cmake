# The manual pages of the three programs, section 1: written in scdoc under docs/man, turned into
# roff and compressed as Debian installs manual pages.

find_program(SCDOC scdoc REQUIRED)
find_program(GZIP gzip REQUIRED)

set(GRILL_MAN_PAGES)
foreach(program grill-designer grill-script grill-cutplan)
  set(source ${PROJECT_SOURCE_DIR}/docs/man/${program}.1.scd)
  set(page ${PROJECT_BINARY_DIR}/man/${program}.1.gz)
  add_custom_command(
    OUTPUT ${page}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/man
    COMMAND sh -c "\"$1\" < \"$2\" | \"$3\" -9n > \"$4\"" sh ${SCDOC} ${source} ${GZIP} ${page}
    DEPENDS ${source}
    COMMENT "Manual page ${program}(1)"
    VERBATIM)
  list(APPEND GRILL_MAN_PAGES ${page})
endforeach()
add_custom_target(man_pages ALL DEPENDS ${GRILL_MAN_PAGES})
install(FILES ${GRILL_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
