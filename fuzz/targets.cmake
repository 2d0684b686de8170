# libFuzzer targets; read only through enable.cmake, after the libraries exist.
add_executable(players_file_fuzz "${NONOGRAM_FUZZ_DIR}/players_file_fuzz.cpp")
target_link_libraries(players_file_fuzz PRIVATE nonogram_play)
target_link_options(players_file_fuzz PRIVATE -fsanitize=fuzzer)
set_target_properties(players_file_fuzz PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/fuzz")
