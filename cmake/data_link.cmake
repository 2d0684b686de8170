# Puts the checkout's Resources/ beside the program in a build folder: a
# symbolic link where the file system has them, else a copy made afresh at
# every build (so a regenerated file is never stale there), marked as the
# build's own by a file inside it.
# Run as a build step: cmake -DSOURCE=<Resources> -DTARGET=<build>/Resources -P data_link.cmake
#
# Only what this step made is ever replaced: its link (one that leads to
# SOURCE) or its marked copy. Anything else under the name (a folder of
# someone else's, a file, a link elsewhere) stops the build with one line
# naming it; nothing is deleted.
set(copy_mark ".copied-by-the-build")
get_filename_component(real_source "${SOURCE}" REALPATH)
get_filename_component(real_target "${TARGET}" REALPATH)
if(real_target STREQUAL real_source)
  return()  # the build's link, or the build folder is the checkout itself
endif()
if(EXISTS "${TARGET}/${copy_mark}" AND NOT IS_SYMLINK "${TARGET}")
  file(REMOVE_RECURSE "${TARGET}")
elseif(EXISTS "${TARGET}" OR IS_SYMLINK "${TARGET}")
  message(FATAL_ERROR "${TARGET} is in the way of the game's data and was not made by the build "
                      "(not a link to ${SOURCE} nor a copy of it): move it away, then build again")
endif()
file(CREATE_LINK "${SOURCE}" "${TARGET}" RESULT failed SYMBOLIC)
if(failed)
  get_filename_component(parent "${TARGET}" DIRECTORY)
  file(COPY "${SOURCE}" DESTINATION "${parent}")
  file(WRITE "${TARGET}/${copy_mark}" "This copy of ${SOURCE} is the build's: it is replaced at every build.\n")
endif()
