# The web edition's side of the root configuration (emcmake cmake -S . -B
# build/web): the C and C++ libraries compiled from Debian's source packages
# (unpacked by web/fetch-sources.sh) as the targets the folders' own
# CMakeLists link (z, GIF::GIF, PkgConfig::SPNG, yaml-cpp), and the native
# icon packer of a native build.
set(AXIM_WEB_SOURCES "" CACHE PATH
  "Debian's sources of zlib, giflib, libspng and yaml-cpp (fetch-sources.sh)")
foreach(package zlib giflib libspng yaml-cpp)
  if(NOT EXISTS "${AXIM_WEB_SOURCES}/${package}")
    message(FATAL_ERROR "AXIM_WEB_SOURCES must hold Debian's ${package} (web/fetch-sources.sh)")
  endif()
endforeach()

# The scenario reader (yaml-cpp) reports bad files by exceptions, caught in
# WebAssembly itself; only the code that throws or catches is built for them
# (they cost the firmware a third of its speed). The firmware is optimised
# across its files (link-time optimisation), which about halves a pass.
set(AXIM_EXCEPTIONS -fwasm-exceptions)
add_link_options(-fwasm-exceptions -flto)

set(zlib_dir ${AXIM_WEB_SOURCES}/zlib)
add_library(z STATIC
  ${zlib_dir}/adler32.c ${zlib_dir}/compress.c ${zlib_dir}/crc32.c ${zlib_dir}/deflate.c
  ${zlib_dir}/infback.c ${zlib_dir}/inffast.c ${zlib_dir}/inflate.c ${zlib_dir}/inftrees.c
  ${zlib_dir}/trees.c ${zlib_dir}/uncompr.c ${zlib_dir}/zutil.c)
target_include_directories(z SYSTEM PUBLIC ${zlib_dir})
set(gif_dir ${AXIM_WEB_SOURCES}/giflib)
add_library(gif STATIC ${gif_dir}/dgif_lib.c ${gif_dir}/egif_lib.c ${gif_dir}/gif_err.c
  ${gif_dir}/gif_hash.c ${gif_dir}/gifalloc.c ${gif_dir}/openbsd-reallocarray.c)
target_include_directories(gif SYSTEM PUBLIC ${gif_dir})
add_library(spng STATIC ${AXIM_WEB_SOURCES}/libspng/spng/spng.c)
target_include_directories(spng SYSTEM PUBLIC ${AXIM_WEB_SOURCES}/libspng/spng)
target_compile_definitions(spng PUBLIC SPNG_STATIC)
target_link_libraries(spng PUBLIC z)
set(YAML_CPP_BUILD_TESTS OFF CACHE BOOL "" FORCE)
set(YAML_CPP_BUILD_TOOLS OFF CACHE BOOL "" FORCE)
set(YAML_CPP_BUILD_CONTRIB OFF CACHE BOOL "" FORCE)
set(YAML_CPP_INSTALL OFF CACHE BOOL "" FORCE)
set(YAML_BUILD_SHARED_LIBS OFF CACHE BOOL "" FORCE)
add_subdirectory(${AXIM_WEB_SOURCES}/yaml-cpp ${CMAKE_BINARY_DIR}/yaml-cpp EXCLUDE_FROM_ALL)
foreach(library z gif spng yaml-cpp)
  target_compile_options(${library} PRIVATE -w -O2)
endforeach()
target_compile_options(yaml-cpp PRIVATE ${AXIM_EXCEPTIONS})
# yaml-cpp, too, in a few large units instead of many small ones.
set_target_properties(yaml-cpp PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 16)
# Under the names the native build finds them by.
add_library(GIF::GIF ALIAS gif)
add_library(PkgConfig::SPNG ALIAS spng)

# The icons are packed by the native packer of a native build.
set(AXIM_ICONPACK "" CACHE FILEPATH "The native icon packer (tools/iconpack of a native build)")
if(NOT EXISTS "${AXIM_ICONPACK}")
  message(FATAL_ERROR "AXIM_ICONPACK must name the native icon packer, not '${AXIM_ICONPACK}'")
endif()
add_executable(iconpack IMPORTED)
set_target_properties(iconpack PROPERTIES IMPORTED_LOCATION ${AXIM_ICONPACK})
