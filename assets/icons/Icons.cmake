# The icons: readable sources (*.icon, one character a pixel) packed into
# run-length tables by tools/iconpack while building. The generated file
# joins ASSET_SOURCES; a source that is malformed, or a menu icon whose packed
# size leaves 299..735 bytes, fails the build with the file and row.
set(ICON_DIR ${CMAKE_CURRENT_LIST_DIR})
set(ICON_OTHER Attention.icon Question.icon Tick.icon Cross.icon)
set(ICON_MENU FlightTimer.icon GForce.icon Time.icon Volts.icon Current.icon Oat.icon
  Slip.icon Misc.icon Adc.icon)
list(TRANSFORM ICON_OTHER PREPEND ${ICON_DIR}/ OUTPUT_VARIABLE icon_other_paths)
list(TRANSFORM ICON_MENU PREPEND ${ICON_DIR}/ OUTPUT_VARIABLE icon_menu_paths)

set(ICON_TABLES ${CMAKE_BINARY_DIR}/generated/assets/IconTables.cpp)
add_custom_command(
  OUTPUT ${ICON_TABLES}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/generated/assets
  COMMAND iconpack --output ${ICON_TABLES}
    --any-size ${icon_other_paths}
    --bytes 299 735 ${icon_menu_paths}
  DEPENDS iconpack ${icon_other_paths} ${icon_menu_paths}
  COMMENT "Packing the icons"
  VERBATIM)
list(APPEND ASSET_SOURCES ${ICON_TABLES})

# The icon tests read the sources and run the packer on broken ones.
function(axim_icon_test_setup)
  if(TARGET test_graphics)
    target_compile_definitions(test_graphics PRIVATE
      AXIM_ICON_DIR="${ICON_DIR}"
      AXIM_ICONPACK="$<TARGET_FILE:iconpack>")
    add_dependencies(test_graphics iconpack)
  endif()
endfunction()
cmake_language(DEFER CALL axim_icon_test_setup)
