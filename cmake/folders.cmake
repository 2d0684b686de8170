# Sources are picked up by folder: a new file needs no edit here.
# Files that belong to the program itself rather than to a library.
set(NONOGRAM_PROGRAM_FILES
  engine/foundation/SERVICE/main.cpp
  game/shell/startup/game_registration.cpp)
list(TRANSFORM NONOGRAM_PROGRAM_FILES PREPEND "${CMAKE_SOURCE_DIR}/" OUTPUT_VARIABLE NONOGRAM_PROGRAM_SOURCES)

function(nonogram_library name folder)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
       "${CMAKE_SOURCE_DIR}/${folder}/*.cpp" "${CMAKE_SOURCE_DIR}/${folder}/*.c")
  list(REMOVE_ITEM sources ${NONOGRAM_PROGRAM_SOURCES})
  set(target nonogram_${name})
  if(sources)
    add_library(${target} STATIC ${sources})
    target_include_directories(${target} PUBLIC ${CMAKE_SOURCE_DIR})
    target_link_libraries(${target} PUBLIC ${ARGN})
  else()
    # A folder that has no code yet still takes its place in the chain.
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE ${CMAKE_SOURCE_DIR})
    target_link_libraries(${target} INTERFACE ${ARGN})
  endif()
endfunction()

# One test program per source folder. Files ending in _gl_test.cpp (drawing
# with a real OpenGL context) or _sdl_test.cpp (driving the real SDL window) go
# into a program of their own, run on the offscreen video driver; everything
# else runs on SDL's dummy driver and OpenAL's null device, so no test needs a
# display or a sound card.
function(nonogram_tests folder library)
  string(REPLACE "/" "_" stem "${folder}")
  file(GLOB_RECURSE all CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.cpp")
  file(GLOB_RECURSE gl CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*_gl_test.cpp"
                                        "${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*_sdl_test.cpp")
  file(GLOB_RECURSE support CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/support/*.cpp")
  set(plain ${all})
  if(gl)
    list(REMOVE_ITEM plain ${gl})
  endif()
  set(home "${CMAKE_BINARY_DIR}/test-home")
  set(common_env "XDG_DATA_HOME=${home}/share;HOME=${home};ALSOFT_DRIVERS=null;LP_NUM_THREADS=2")
  set(plain_env "${common_env};SDL_VIDEODRIVER=dummy;SDL_AUDIODRIVER=dummy")
  set(gl_env "${common_env};SDL_VIDEODRIVER=offscreen;SDL_AUDIODRIVER=dummy")
  # Discovered tests lose list-valued properties on the way, so each program
  # runs under `cmake -E env`, which sets the environment for discovery and
  # every test alike.
  if(plain)
    add_executable(${stem}_tests ${plain} ${support})
    target_link_libraries(${stem}_tests PRIVATE ${library} GTest::gtest GTest::gmock GTest::gtest_main)
    target_include_directories(${stem}_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
    target_compile_definitions(${stem}_tests PRIVATE NONOGRAM_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
    set_target_properties(${stem}_tests PROPERTIES
      CROSSCOMPILING_EMULATOR "${CMAKE_COMMAND};-E;env;${plain_env}")
    gtest_discover_tests(${stem}_tests
      WORKING_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}
      PROPERTIES LABELS "${stem}"
      DISCOVERY_TIMEOUT 60)
  endif()
  if(gl)
    add_executable(${stem}_gl_tests ${gl} ${support} "${CMAKE_CURRENT_SOURCE_DIR}/gl_main.cpp")
    target_link_libraries(${stem}_gl_tests PRIVATE ${library} GTest::gtest GTest::gmock)
    target_include_directories(${stem}_gl_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
    target_compile_definitions(${stem}_gl_tests PRIVATE NONOGRAM_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
    # Mesa and the libraries SDL loads keep allocations of their own until exit
    # (some in modules already unloaded): gl_main.cpp skips the exit-time leak
    # check in a process that loaded a GL driver, and only there.
    set_target_properties(${stem}_gl_tests PROPERTIES
      CROSSCOMPILING_EMULATOR "${CMAKE_COMMAND};-E;env;${gl_env}")
    gtest_discover_tests(${stem}_gl_tests
      WORKING_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}
      PROPERTIES LABELS "gl"
      DISCOVERY_TIMEOUT 60)
  endif()
endfunction()
