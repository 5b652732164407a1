# Asset tables compiled into the firmware: the fonts (generated tables,
# committed) and the icons (packed from their sources during the build).
file(GLOB ASSET_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_CURRENT_LIST_DIR}/fonts/*.cpp
  ${CMAKE_CURRENT_LIST_DIR}/icons/*.cpp)
if(EXISTS ${CMAKE_CURRENT_LIST_DIR}/icons/Icons.cmake)
  include(${CMAKE_CURRENT_LIST_DIR}/icons/Icons.cmake)
endif()
