# Makes one compressed document of the package at build time:
#   cmake -DIN=FILE -DOUT=FILE.gz [-DSCDOC=PROGRAM] [-DRAW=ON] -DVERSION=V -DCONTACT=C -DEPOCH=S
#         -P MakeDoc.cmake
# IN has its @VERSION@, @CONTACT@ and @DATE@ filled in (unless RAW), is turned from scdoc
# markup into a manual page when SCDOC is given, and is compressed with
# gzip -9n (no name or time stamp in the header, so the package is
# reproducible). EPOCH (seconds since 1970) dates the manual page and the
# changelog entry. On any failure OUT is not left behind.
cmake_minimum_required(VERSION 3.25)
foreach(var IN ITEMS IN OUT VERSION EPOCH)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "MakeDoc.cmake: ${var} is not given")
  endif()
endforeach()

set(ENV{SOURCE_DATE_EPOCH} ${EPOCH})
string(TIMESTAMP DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
# FIELDS_FROM: the scenario runner, whose --list-fields fills in @FIELDS@.
if(FIELDS_FROM)
  execute_process(COMMAND "${FIELDS_FROM}" --list-fields OUTPUT_VARIABLE FIELDS
    RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${FIELDS_FROM} --list-fields failed (${result})")
  endif()
endif()
set(filled "${IN}")
if(NOT RAW)
  set(filled "${OUT}.in")
  configure_file("${IN}" "${filled}" @ONLY)
endif()

set(text "${filled}")
if(SCDOC)
  set(text "${OUT}.roff")
  execute_process(COMMAND "${SCDOC}" INPUT_FILE "${filled}" OUTPUT_FILE "${text}"
    ERROR_VARIABLE error RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    file(REMOVE "${text}" "${OUT}")
    string(STRIP "${error}" error)
    message(FATAL_ERROR "${IN}: scdoc: ${error}")
  endif()
endif()

execute_process(COMMAND gzip -9n -c "${text}" OUTPUT_FILE "${OUT}.tmp" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  file(REMOVE "${OUT}.tmp" "${OUT}")
  message(FATAL_ERROR "${OUT}: gzip failed (${result})")
endif()
file(RENAME "${OUT}.tmp" "${OUT}")
