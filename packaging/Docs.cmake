# The package's documents, made at build time by MakeDoc.cmake (target
# package-docs, part of the default build), and the scenarios it ships.

# One date for the manual pages and the changelog: SOURCE_DATE_EPOCH when the
# caller gives one, else the last commit's, else now.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(doc_epoch $ENV{SOURCE_DATE_EPOCH})
else()
  execute_process(COMMAND git -C ${PROJECT_SOURCE_DIR} log -1 --format=%ct
    OUTPUT_VARIABLE doc_epoch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  if(NOT doc_epoch MATCHES "^[0-9]+$")
    string(TIMESTAMP doc_epoch "%s" UTC)
  endif()
endif()

find_program(SCDOC scdoc)
if(NOT SCDOC)
  message(WARNING "scdoc not found: the package will have no manual pages (apt install scdoc)")
endif()

set(docs)
# make_doc(SOURCE OUTPUT [SCDOC|RAW]): SOURCE in this folder, OUTPUT in the
# build's; SCDOC makes a manual page, RAW copies the text as it is.
function(make_doc source output)
  set(in ${CMAKE_CURRENT_SOURCE_DIR}/${source})
  set(out ${CMAKE_CURRENT_BINARY_DIR}/${output})
  set(how)
  if(ARGN STREQUAL "SCDOC")
    set(how -DSCDOC=${SCDOC})
  elseif(ARGN STREQUAL "RAW")
    set(how -DRAW=ON)
  endif()
  # The runner's page lists the fields the built runner knows.
  set(fields)
  set(runner)
  if(output STREQUAL "axim7-scenario.1.gz")
    set(fields -DFIELDS_FROM=$<TARGET_FILE:axim7-scenario>)
    set(runner axim7-scenario)
  endif()
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -DIN=${in} -DOUT=${out} ${how} -DVERSION=${PROJECT_VERSION}
            "-DCONTACT=${AXIM_CONTACT}" -DEPOCH=${doc_epoch} ${fields}
            -P ${CMAKE_CURRENT_SOURCE_DIR}/MakeDoc.cmake
    DEPENDS ${in} ${CMAKE_CURRENT_SOURCE_DIR}/MakeDoc.cmake ${runner}
    COMMENT "Making ${output}" VERBATIM)
  set(docs ${docs} ${out} PARENT_SCOPE)
endfunction()

if(SCDOC)
  foreach(program IN LISTS programs)
    make_doc(man/${program}.1.scd ${program}.1.gz SCDOC)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${program}.1.gz
      DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  endforeach()
endif()
make_doc(changelog.in changelog.gz)
make_doc(../README.md README.md.gz RAW)
add_custom_target(package-docs ALL DEPENDS ${docs})
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz ${CMAKE_CURRENT_BINARY_DIR}/README.md.gz
  copyright DESTINATION ${docdir})

# The guided tour and the project's own scenarios, with the references they
# compare with, in one folder.
set(scenariodir ${CMAKE_INSTALL_DATADIR}/axim7-sim/scenarios)
file(GLOB scenarios CONFIGURE_DEPENDS
  ${PROJECT_SOURCE_DIR}/docs/scenarios/*.yaml ${PROJECT_SOURCE_DIR}/tests/scenarios/*.yaml)
install(FILES ${scenarios} DESTINATION ${scenariodir})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/tests/scenarios/refs DESTINATION ${scenariodir}
  FILES_MATCHING PATTERN "*.png")
# The flight logs they play (and the demonstration flight's profile).
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/scenarios/flights
  ${PROJECT_SOURCE_DIR}/tests/scenarios/flights DESTINATION ${scenariodir}
  FILES_MATCHING PATTERN "*.csv" PATTERN "*.txt")
# The lessons, played from Help > Lessons.
file(GLOB lessons CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/docs/lessons/*.yaml)
install(FILES ${lessons} DESTINATION ${CMAKE_INSTALL_DATADIR}/axim7-sim/lessons)
