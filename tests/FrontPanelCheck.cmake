# Fails when a front end (the window, its tools, the runner, the scenario
# reader, the web glue and page) writes an input's range or start, or a list
# of the inputs' or keys' names, of its own instead of reading the one front
# panel (host/FrontPanel.*) and the one list of ranges (core/FieldRanges.h):
#   cmake -DSOURCE_DIR=<tree> -P FrontPanelCheck.cmake
cmake_minimum_required(VERSION 3.25)

set(front_ends host window scenario web tools/scenario)
# The converters' 0..4096, the axes' -300..300 and the current's start.
set(range_literal "(^|[^0-9A-Za-z_.])(4096|-300|2048)([^0-9A-Za-z_]|$)")
# The names scenario files give the inputs and keys, as string literals.
set(name_literal "\"(volts|current|oat|calibrate|left|right|knob|plus|minus)\"")

set(faults "")
foreach(folder ${front_ends})
  file(GLOB_RECURSE sources ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp
       ${SOURCE_DIR}/${folder}/*.js ${SOURCE_DIR}/${folder}/*.mjs ${SOURCE_DIR}/${folder}/*.html)
  foreach(source ${sources})
    file(RELATIVE_PATH name ${SOURCE_DIR} ${source})
    if(name MATCHES "^host/FrontPanel\\.")
      continue()
    endif()
    file(STRINGS ${source} lines)
    set(number 0)
    foreach(line IN LISTS lines)
      math(EXPR number "${number} + 1")
      string(STRIP "${line}" text)
      if(text MATCHES "^(//|#|\\*|/\\*)")
        continue()  # comments may say what the ranges are
      endif()
      if(text MATCHES "${range_literal}")
        string(APPEND faults "  ${name}:${number}: ${text} (a range or start of its own)\n")
      elseif(name MATCHES "\\.(cpp|h)$" AND text MATCHES "${name_literal}")
        string(APPEND faults "  ${name}:${number}: ${text} (a name list of its own)\n")
      endif()
    endforeach()
  endforeach()
endforeach()

if(faults)
  message(FATAL_ERROR "Front ends with inputs, keys or ranges of their own "
                      "(read them from host/FrontPanel.h):\n${faults}")
endif()
