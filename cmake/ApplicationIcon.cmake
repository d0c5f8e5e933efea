# The application icon is drawn once, in packaging/icons/varnel-grill-designer.svg. Every PNG size
# the desktop and the program's own windows use is rendered from it at build time, so no copy can
# drift from the drawing.

set(GRILL_ICON_NAME varnel-grill-designer)
set(GRILL_ICON_SOURCE ${PROJECT_SOURCE_DIR}/packaging/icons/${GRILL_ICON_NAME}.svg)
set(GRILL_ICON_SIZES 16 24 32 48 64 128 256)
# The rendered sizes, laid out as the hicolor icon theme wants them: hicolor/NxN/apps/NAME.png.
set(GRILL_ICON_DIR ${PROJECT_BINARY_DIR}/icons)

find_program(RSVG_CONVERT rsvg-convert REQUIRED)

# Adds the rules that render every size and stores the PNG paths in the variable named by out_files.
# Call it from the directory whose target uses the PNGs, since custom command outputs are only known
# to targets in the directory that declared them.
function(grill_render_application_icon out_files)
  set(rendered)
  foreach(size ${GRILL_ICON_SIZES})
    set(folder ${GRILL_ICON_DIR}/hicolor/${size}x${size}/apps)
    set(png ${folder}/${GRILL_ICON_NAME}.png)
    add_custom_command(
      OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
      COMMAND ${RSVG_CONVERT} --width ${size} --height ${size} --output ${png} ${GRILL_ICON_SOURCE}
      DEPENDS ${GRILL_ICON_SOURCE}
      COMMENT "Rendering the ${size}x${size} application icon"
      VERBATIM)
    list(APPEND rendered ${png})
  endforeach()
  set(${out_files} ${rendered} PARENT_SCOPE)
endfunction()
