# The layer check itself: each case is a tree of one file whose second line
# is given; the check must pass, or fail naming the file, line and reason.
#   cmake -DCHECK=<LayerCheck.cmake> -DWORK=<scratch folder> -P LayerCheckTest.cmake
cmake_minimum_required(VERSION 3.25)

#  file              | second line                       | expected: pass, or part of the fault
set(cases
  "core/A.cpp        | #include <cstdio>                  | pass"
  "graphics/A.cpp    | #include \"core/Settings.h\"        | pass"
  "core/A.cpp        | #include \"pages/Pages.h\"          | core/A.cpp:2: #include \"pages/Pages.h\" (core/ may not include pages/)"
  "core/A.cpp        | #include \"host/RunLoop.h\"         | core/ may not include host/"
  "pages/A.cpp       | #include \"host/RunLoop.h\"         | pages/ may not include host/"
  "pages/A.cpp       | #include \"menus/MainMenu.h\"       | pages/ may not include menus/"
  "menus/A.cpp       | #include \"pages/Pages.h\"          | pass"
  "core/A.cpp        | // #include \"menus/MainMenu.h\"    | pass"
  "core/A.cpp        | #include <GL/gl.h>                 | no toolkit in core/"
  "menus/A.cpp       | #include <qglobal.h>               | no toolkit in menus/"
  "pictures/A.cpp    |   #  include <QImage>              | pictures/A.cpp:2"
  "pictures/A.cpp    | #include \"scenario/Scenario.h\"    | pictures/ may not include scenario/"
  "pictures/A.cpp    | #include \"support/Instrument.h\"   | pictures/ may not include support/"
  "scenario/A.cpp    | #include \"host/RunLoop.h\"         | pass"
  "scenario/A.cpp    | #include \"pictures/Pictures.h\"    | pass"
  "scenario/A.cpp    | #include <host/PCMain.h>           | scenario/ may not include host/"
  "host/RunLoop.cpp  | #include <QTimer>                  | no toolkit in host/"
  "host/RunLoop.h    | #include \"host/PCMain.h\"          | host/ may not include host/"
  "host/PCMain.cpp   | #include <QMainWindow>             | pass"
  "host/PCMain.cpp   | #include \"scenario/Scenario.h\"    | pass"
  "host/PCMain.cpp   | #include \"window/Assembly.h\"      | host/ may not include window/"
  "window/A.cpp      | #include \"host/PCMain.h\"          | pass"
  "fuzz/A.cpp        | #include \"support/Instrument.h\"   | pass"
  "fuzz/A.cpp        | #include \"host/PCMain.h\"          | fuzz/ may not include host/"
  "bench/A.cpp       | #include \"window/Assembly.h\"      | bench/ may not include window/"
  "tools/x/A.cpp     | #include \"tests/support/Pilot.h\"  | tools/ may not include tests/"
  "extra/A.cpp       | #include <cstdio>                  | extra/: holds sources but has no row")

set(failures "")
set(index 0)
foreach(case ${cases})
  string(REPLACE "|" ";" cells "${case}")
  list(GET cells 0 name)
  list(GET cells 1 line)
  list(GET cells 2 expected)
  string(STRIP "${name}" name)
  string(REGEX REPLACE "^ " "" line "${line}")
  string(REGEX REPLACE "[ ]+$" "" line "${line}")
  string(STRIP "${expected}" expected)
  math(EXPR index "${index} + 1")
  set(tree ${WORK}/case${index})
  file(REMOVE_RECURSE ${tree})
  file(WRITE ${tree}/${name} "// case ${index}\n${line}\n")
  execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${tree} -P ${CHECK}
                  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  string(REGEX REPLACE "[ \n]+" " " output "${output}")
  if(expected STREQUAL "pass")
    if(NOT result EQUAL 0)
      string(APPEND failures "  ${name} with '${line}': expected to pass, failed: ${output}\n")
    endif()
  elseif(result EQUAL 0)
    string(APPEND failures "  ${name} with '${line}': expected to fail, passed\n")
  else()
    string(FIND "${output}" "${expected}" found)
    if(found EQUAL -1)
      string(APPEND failures "  ${name} with '${line}': expected '${expected}', got: ${output}\n")
    endif()
  endif()
endforeach()
file(REMOVE_RECURSE ${WORK})

if(failures)
  message(FATAL_ERROR "The layer check went wrong:\n${failures}")
endif()
message(STATUS "${index} cases")
