# Turns the fuzz targets on. It is not part of the normal build: pass it as
#   -DCMAKE_PROJECT_INCLUDE=<checkout>/fuzz/enable.cmake
# with clang as the compiler (fuzz/run.sh does all of this). CMake reads it
# right after the top-level project(); it instruments every library for
# libFuzzer and the sanitizers, and adds the targets once the libraries exist.
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "The fuzz targets need clang (libFuzzer); set CMAKE_CXX_COMPILER=clang++")
endif()
add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined
                    -fno-omit-frame-pointer)
add_link_options(-fsanitize=address,undefined)
set(NONOGRAM_FUZZ_DIR "${CMAKE_CURRENT_LIST_DIR}")
cmake_language(DEFER DIRECTORY "${CMAKE_SOURCE_DIR}" CALL include "${NONOGRAM_FUZZ_DIR}/targets.cmake")
