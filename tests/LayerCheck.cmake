# Fails when a file includes a header of a folder it may not see, or when a
# toolkit-free folder includes Qt or OpenGL. Inside the firmware:
#   cmake -DSOURCE_DIR=<tree> -P LayerCheck.cmake
set(forbidden_core "pages|menus|host")
set(forbidden_graphics "pages|menus|host")
set(forbidden_pages "menus|host")
set(forbidden_menus "host")

cmake_minimum_required(VERSION 3.25)

# Around the firmware the layers point one way:
#   window -> host -> scenario -> pictures -> firmware
# The firmware is core/, graphics/, pages/, menus/, assets/ and the run loop
# host/RunLoop.*, host/FrontPanel.* and host/PanelUnits.*, which count as
# firmware wherever they are included.
set(layers firmware pictures scenario host window)

# One row per folder: its layer (it may include its own folder and every
# folder of its layer and those below), the test folders it may also include
# (tests/support, tests/golden) and whether it may use the toolkit.
#   folder     layer      also        toolkit
set(folders
  "core        firmware   -           no"
  "graphics    firmware   -           no"
  "pages       firmware   -           no"
  "menus       firmware   -           no"
  "assets      firmware   -           no"
  "pictures    pictures   -           no"
  "scenario    scenario   -           no"
  "host        host       -           yes"
  "window      window     -           yes"
  "fuzz        scenario   support     no"
  "web         scenario   -           no"
  "tools       scenario   support,golden yes"
  "bench       host       support     yes"
  "tests       window     support,golden,tools,web yes")

# Headers of the toolkit and of OpenGL.
set(toolkit_include "^[ \t]*#[ \t]*include[ \t]*<(Q[A-Za-z]|qt|q[a-z0-9_]*\\.h>|GL/)")
set(any_include "^[ \t]*#[ \t]*include[ \t]*[\"<]([A-Za-z0-9_]+)/")

set(faults "")

# Appends "file:line: text" for a line found in a file.
function(add_fault source line why)
  file(READ ${source} text)
  string(FIND "${text}" "${line}" at)
  string(SUBSTRING "${text}" 0 ${at} before)
  string(REGEX MATCHALL "\n" breaks "${before}")
  list(LENGTH breaks number)
  math(EXPR number "${number} + 1")
  file(RELATIVE_PATH name ${SOURCE_DIR} ${source})
  string(STRIP "${line}" line)
  set(faults "${faults}  ${name}:${number}: ${line} (${why})\n" PARENT_SCOPE)
endfunction()

# The layer of a folder's header; host/RunLoop, FrontPanel and PanelUnits are firmware. Empty for the
# folders of tools and tests, and for headers from outside the project.
set(firmware_folders core graphics pages menus assets)
set(test_folders support golden)
function(layer_of folder header out)
  set(layer "")
  if(folder IN_LIST firmware_folders OR (folder STREQUAL "host" AND header MATCHES "^(RunLoop|FrontPanel|PanelUnits)\\."))
    set(layer firmware)
  elseif(folder IN_LIST layers)
    set(layer ${folder})
  endif()
  set(${out} "${layer}" PARENT_SCOPE)
endfunction()

set(listed "")
foreach(row ${folders})
  string(REGEX MATCH "^[^ \t]+" folder "${row}")
  list(APPEND listed ${folder})
endforeach()

foreach(row ${folders})
  string(REGEX REPLACE "[ \t]+" ";" cells "${row}")
  list(GET cells 0 folder)
  list(GET cells 1 folder_layer)
  list(GET cells 2 also)
  list(GET cells 3 toolkit)
  string(REPLACE "," ";" also "${also}")
  file(GLOB_RECURSE sources ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.hpp
       ${SOURCE_DIR}/${folder}/*.c ${SOURCE_DIR}/${folder}/*.cpp ${SOURCE_DIR}/${folder}/*.cc)
  foreach(source ${sources})
    file(RELATIVE_PATH name ${SOURCE_DIR}/${folder} ${source})
    set(source_layer ${folder_layer})
    if(folder STREQUAL "host" AND name MATCHES "^(RunLoop|FrontPanel|PanelUnits)\\.")
      set(source_layer firmware)
    endif()
    list(FIND layers ${source_layer} rank)
    set(toolkit_here ${toolkit})
    if(NOT source_layer STREQUAL folder_layer)
      set(toolkit_here no)  # the run loop in host/
    endif()
    if(toolkit_here STREQUAL "no")
      file(STRINGS ${source} lines REGEX "${toolkit_include}")
      foreach(line ${lines})
        add_fault(${source} "${line}" "no toolkit in ${folder}/")
      endforeach()
    endif()
    file(STRINGS ${source} lines REGEX "${any_include}")
    foreach(line ${lines})
      string(REGEX MATCH "[\"<]([A-Za-z0-9_]+)/([^\">]*)" ignored "${line}")
      set(target ${CMAKE_MATCH_1})
      set(header ${CMAKE_MATCH_2})
      layer_of(${target} "${header}" target_layer)
      list(FIND layers "${target_layer}" target_rank)
      if(target_layer)
        # A layer: its own or one below.
        if(target_rank GREATER rank)
          set(allowed FALSE)
        else()
          set(allowed TRUE)
        endif()
      elseif(target STREQUAL folder OR target IN_LIST also)
        set(allowed TRUE)
      elseif(target IN_LIST listed OR target IN_LIST test_folders OR EXISTS ${SOURCE_DIR}/${target})
        set(allowed FALSE)  # a folder of tools or tests, or one that holds no code
      else()
        set(allowed TRUE)  # a system or library header (<GL/gl.h>, <gtest/gtest.h>)
      endif()
      if(allowed AND source_layer STREQUAL "firmware" AND
         DEFINED forbidden_${folder} AND target MATCHES "^(${forbidden_${folder}})$")
        set(allowed FALSE)
      endif()
      if(NOT allowed)
        add_fault(${source} "${line}" "${folder}/ may not include ${target}/")
      endif()
    endforeach()
  endforeach()
endforeach()

# Every folder that holds sources has its row (build trees excepted: the
# ignored build*/ and out/, and any folder CMake has configured).
file(GLOB tops RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*)
foreach(top ${tops})
  if(IS_DIRECTORY ${SOURCE_DIR}/${top} AND NOT top IN_LIST listed AND NOT top MATCHES "^(\\.|build|out$)"
     AND NOT EXISTS ${SOURCE_DIR}/${top}/CMakeCache.txt)
    file(GLOB_RECURSE sources ${SOURCE_DIR}/${top}/*.h ${SOURCE_DIR}/${top}/*.cpp
         ${SOURCE_DIR}/${top}/*.c)
    if(sources)
      string(APPEND faults "  ${top}/: holds sources but has no row in the layer table\n")
    endif()
  endif()
endforeach()

if(faults)
  message(FATAL_ERROR "Includes pointing the wrong way:\n${faults}")
endif()
