# The contours sub-command end to end: cmake -DTORVANE3D=... -DDIR=... -DOUT=... -P this file.
include(${CMAKE_CURRENT_LIST_DIR}/run_torvane3d.cmake)

# A bump with the single computed level 0.5: one series holding point a of
# the segment of each cell, cells x index outermost, at the midpoints between
# the top of the bump and its four neighbours.
file(REMOVE ${OUT})
run(contours ${DIR}/files/bump.dat NUM_DISTN_LEVELS=1 -o ${OUT})
file(READ ${OUT} written)
if(NOT rc EQUAL 0 OR NOT written STREQUAL "POINT 1\n-99\n4\n1 0.5 0.5 \n0.5 1 0.5 \n1.5 1 0.5 \n1 1.5 0.5 \n"
   OR NOT out STREQUAL "series 0: level 0 (0.5), 4 points\n")
  message(FATAL_ERROR "bump: status ${rc}\n${out}\n${err}\n${written}")
endif()

# Levels 0.2, 0.4, 0.6, 0.8 with --first 1 --filter 2: the levels 0.4 and 0.8.
run(contours ${DIR}/files/bump.dat NUM_DISTN_LEVELS=4 --first 1 --filter 2 -o ${OUT})
if(NOT rc EQUAL 0 OR NOT out STREQUAL "series 0: level 1 (0.4), 4 points\nseries 1: level 3 (0.8), 4 points\n")
  message(FATAL_ERROR "first and filter: status ${rc}\n${out}\n${err}")
endif()

# Failures: a file that does not read, a step that fails, arguments that do not fit.
run(contours ${DIR}/files/absent.dat -o ${OUT})
if(rc EQUAL 0 OR NOT err MATCHES "Unable to open ${DIR}/files/absent.dat")
  message(FATAL_ERROR "absent file: status ${rc}, ${err}")
endif()
run(contours ${DIR}/files/bump.dat NO_SUCH_RESOURCE=1 -o ${OUT})
if(rc EQUAL 0)
  message(FATAL_ERROR "an unknown resource was accepted")
endif()
foreach(args "${DIR}/files/bump.dat" "${DIR}/files/bump.dat;-o;${OUT};--filter;two")
  run(contours ${args})
  if(NOT rc EQUAL 2)
    message(FATAL_ERROR "arguments '${args}': status ${rc}, ${err}")
  endif()
endforeach()
