# Runs the font generator twice on the same typeface and fails unless both
# runs wrote the same bytes. Usage:
#   cmake -DGENERATOR=path -DWORK_DIR=dir [-DTTF=file] -P check_determinism.cmake
if(NOT TTF)
  set(TTF /usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf)
endif()
if(NOT EXISTS "${TTF}")
  message(FATAL_ERROR "typeface ${TTF} is missing (Debian package fonts-dejavu-core)")
endif()

foreach(run a b)
  file(REMOVE_RECURSE "${WORK_DIR}/${run}")
  file(MAKE_DIRECTORY "${WORK_DIR}/${run}")
  foreach(variant plain shadow)
    set(extra)
    if(variant STREQUAL "shadow")
      set(extra --shadow)
    endif()
    execute_process(
      COMMAND "${GENERATOR}" --ttf "${TTF}" --size 20 --face "DejaVu Sans" --bold ${extra}
              --out "${WORK_DIR}/${run}" --name "${variant}"
      RESULT_VARIABLE result OUTPUT_QUIET)
    if(NOT result EQUAL 0)
      message(FATAL_ERROR "font_generator failed (${result})")
    endif()
  endforeach()
endforeach()

foreach(file plain.xml plain.png shadow.xml shadow.png)
  file(SHA256 "${WORK_DIR}/a/${file}" first)
  file(SHA256 "${WORK_DIR}/b/${file}" second)
  if(NOT first STREQUAL second)
    message(FATAL_ERROR "${file} differs between two runs")
  endif()
endforeach()
