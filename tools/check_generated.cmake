# Runs one content generator (tools/make_*.py) into an empty folder and fails
# unless it wrote something and every file it wrote equals, byte for byte, the
# shipped one under Resources/: the generator is deterministic and what is
# shipped is what its sources give. Usage:
#   cmake -DPYTHON=path -DGENERATOR=tools/make_x.py -DSOURCE_DIR=checkout
#         -DWORK_DIR=dir -P check_generated.cmake
get_filename_component(stem "${GENERATOR}" NAME_WE)
set(out "${WORK_DIR}/${stem}")
file(REMOVE_RECURSE "${out}")
file(MAKE_DIRECTORY "${out}")

# No byte-code caches in the checkout's tools/ folder from a test run.
execute_process(
  COMMAND "${CMAKE_COMMAND}" -E env PYTHONDONTWRITEBYTECODE=1
          "${PYTHON}" "${GENERATOR}" --root "${SOURCE_DIR}" --out "${out}"
  RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${stem} failed (${result}): ${errors}")
endif()

file(GLOB_RECURSE written RELATIVE "${out}" "${out}/*")
if(NOT written)
  message(FATAL_ERROR "${stem} wrote nothing below --out")
endif()
foreach(file IN LISTS written)
  set(shipped "${SOURCE_DIR}/Resources/${file}")
  if(NOT EXISTS "${shipped}")
    message(FATAL_ERROR "${stem} writes ${file}, which is not shipped: run tools/${stem}.py")
  endif()
  execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${out}/${file}" "${shipped}"
                  RESULT_VARIABLE differs)
  if(NOT differs EQUAL 0)
    message(FATAL_ERROR "${file} differs from what tools/${stem}.py writes: run it and commit the result")
  endif()
endforeach()
list(LENGTH written count)
message(STATUS "${stem}: ${count} files equal the shipped ones")
