# Runs one content generator (tools/make_*.py) into an empty folder and fails
# unless it wrote something and every file it wrote equals, byte for byte, the
# shipped one under Resources/: the generator is deterministic and what is
# shipped is what its sources give. Usage:
#   cmake -DPYTHON=path -DGENERATOR=tools/make_x.py -DSOURCE_DIR=checkout
#         -DWORK_DIR=dir -P check_generated.cmake
#
# With -DGENERATORS="tools/make_a.py|tools/make_b.py" instead, it takes what
# each of them wrote in its own run above (under WORK_DIR) and fails when a
# folder they write into ships a file that none of them writes: an output left
# behind by a renamed picture, a removed pack or trophy, a dropped image.
# (Files made by other tools live in folders of their own.)

# Runs the generator with --out `out`; no byte-code caches in the checkout's
# tools/ folder from a test run.
function(run_generator generator out)
  get_filename_component(stem "${generator}" NAME_WE)
  execute_process(
    COMMAND "${CMAKE_COMMAND}" -E env PYTHONDONTWRITEBYTECODE=1
            "${PYTHON}" "${generator}" --root "${SOURCE_DIR}" --out "${out}"
    RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE errors)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${stem} failed (${result}): ${errors}")
  endif()
endfunction()

if(DEFINED GENERATORS)
  string(REPLACE "|" ";" generators "${GENERATORS}")
  set(written "")
  foreach(generator IN LISTS generators)
    get_filename_component(stem "${generator}" NAME_WE)
    if(NOT IS_DIRECTORY "${WORK_DIR}/${stem}")
      message(FATAL_ERROR "${stem} has not run into ${WORK_DIR}/${stem}")
    endif()
    file(GLOB_RECURSE files RELATIVE "${WORK_DIR}/${stem}" "${WORK_DIR}/${stem}/*")
    list(APPEND written ${files})
  endforeach()
  set(folders "")
  foreach(file IN LISTS written)
    get_filename_component(folder "${file}" DIRECTORY)
    list(APPEND folders "${folder}")
  endforeach()
  list(REMOVE_DUPLICATES folders)
  set(stale "")
  foreach(folder IN LISTS folders)
    file(GLOB shipped RELATIVE "${SOURCE_DIR}/Resources" "${SOURCE_DIR}/Resources/${folder}/*")
    foreach(file IN LISTS shipped)
      list(FIND written "${file}" at)
      if(at EQUAL -1 AND NOT IS_DIRECTORY "${SOURCE_DIR}/Resources/${file}")
        list(APPEND stale "${file}")
      endif()
    endforeach()
  endforeach()
  if(stale)
    string(REPLACE ";" "\n  " stale "${stale}")
    message(FATAL_ERROR "shipped, but no generator writes them any more (delete them):\n  ${stale}")
  endif()
  list(LENGTH folders count)
  message(STATUS "the ${count} folders the generators write hold nothing else")
  return()
endif()

get_filename_component(stem "${GENERATOR}" NAME_WE)
set(out "${WORK_DIR}/${stem}")
file(REMOVE_RECURSE "${out}")
file(MAKE_DIRECTORY "${out}")
run_generator("${GENERATOR}" "${out}")

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
