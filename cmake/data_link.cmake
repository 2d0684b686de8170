# Puts the checkout's Resources/ beside the program in a build folder: a
# symbolic link where the file system has them, else a copy made afresh at
# every build (so a regenerated file is never stale there).
# Run as a build step: cmake -DSOURCE=<Resources> -DTARGET=<build>/Resources -P data_link.cmake
get_filename_component(real_source "${SOURCE}" REALPATH)
get_filename_component(real_target "${TARGET}" REALPATH)
if(real_target STREQUAL real_source AND NOT IS_SYMLINK "${TARGET}")
  return()  # the build folder is the checkout itself
endif()
if(IS_SYMLINK "${TARGET}")
  file(READ_SYMLINK "${TARGET}" pointed)
  if(pointed STREQUAL SOURCE)
    return()
  endif()
  file(REMOVE "${TARGET}")
elseif(EXISTS "${TARGET}")
  file(REMOVE_RECURSE "${TARGET}")
endif()
file(CREATE_LINK "${SOURCE}" "${TARGET}" RESULT failed SYMBOLIC)
if(failed)
  get_filename_component(parent "${TARGET}" DIRECTORY)
  file(COPY "${SOURCE}" DESTINATION "${parent}")
endif()
