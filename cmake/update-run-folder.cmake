# Brings RUN_DIR up to date with the package's contents, which the build's
# install rules put into STAGE_DIR afresh. A file that the last update
# brought (listed in FILE_LIST) and the package no longer holds, such as a
# dropped part, goes; every other file in RUN_DIR stays: the portraits in
# phot and the parts the user added to kao. A bundled file the user changed
# is replaced by the build's.
#   cmake -DBUILD_DIR=... -DRUN_DIR=... -DSTAGE_DIR=... -DFILE_LIST=... -P update-run-folder.cmake
cmake_minimum_required(VERSION 3.18)
file(REMOVE_RECURSE ${STAGE_DIR})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${STAGE_DIR}
  RESULT_VARIABLE failed OUTPUT_QUIET)
if(failed)
  message(FATAL_ERROR "Could not stage the package's contents in ${STAGE_DIR}")
endif()
set(staged ${STAGE_DIR}/nigaoe)
file(GLOB_RECURSE bundled LIST_DIRECTORIES false RELATIVE ${staged} ${staged}/*)

if(EXISTS ${FILE_LIST})
  file(STRINGS ${FILE_LIST} brought)
  foreach(name IN LISTS brought)
    if(name AND NOT name IN_LIST bundled)
      file(REMOVE ${RUN_DIR}/${name})
    endif()
  endforeach()
endif()
file(COPY ${staged}/ DESTINATION ${RUN_DIR})
list(JOIN bundled "\n" lines)
file(WRITE ${FILE_LIST} "${lines}\n")
