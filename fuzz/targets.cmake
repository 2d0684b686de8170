# libFuzzer targets; read only through enable.cmake, after the libraries exist.
# Each target is <name>_fuzz.cpp in this folder, linked with the library
# whose reader it drives.
set(nonogram_fuzz_targets
  players_file:nonogram_play
  level_file:nonogram_play
  font_description:nonogram_scene
  sound_bank:nonogram_foundation
  localization:nonogram_foundation
  engine_config:nonogram_foundation
  zip_reader:nonogram_foundation)
foreach(entry ${nonogram_fuzz_targets})
  string(REPLACE ":" ";" parts "${entry}")
  list(GET parts 0 name)
  list(GET parts 1 library)
  add_executable(${name}_fuzz "${NONOGRAM_FUZZ_DIR}/${name}_fuzz.cpp")
  target_link_libraries(${name}_fuzz PRIVATE ${library})
  target_link_options(${name}_fuzz PRIVATE -fsanitize=fuzzer)
  set_target_properties(${name}_fuzz PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/fuzz")
endforeach()
