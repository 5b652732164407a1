# Fails when a file of a lower layer includes a header of a higher one. The
# layers point down only: host -> menus and pages -> graphics and core.
#   cmake -DSOURCE_DIR=<tree> -P LayerCheck.cmake
set(forbidden_core "pages|menus|host")
set(forbidden_graphics "pages|menus|host")
set(forbidden_pages "menus|host")
set(forbidden_menus "host")

set(faults "")
foreach(layer core graphics pages menus)
  file(GLOB sources ${SOURCE_DIR}/${layer}/*.h ${SOURCE_DIR}/${layer}/*.cpp)
  foreach(source ${sources})
    file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<](${forbidden_${layer}})/")
    foreach(line ${includes})
      file(RELATIVE_PATH name ${SOURCE_DIR} ${source})
      string(STRIP "${line}" line)
      string(APPEND faults "  ${name}: ${line}\n")
    endforeach()
  endforeach()
endforeach()

if(faults)
  message(FATAL_ERROR "Includes pointing up a layer:\n${faults}")
endif()
