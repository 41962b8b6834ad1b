# The data sub-command end to end: cmake -DTORVANE3D=... -DDIR=... -P this file.
include(${CMAKE_CURRENT_LIST_DIR}/run_torvane3d.cmake)

function(expect_output file expected)
  run(data ${DIR}/files/${file})
  file(READ ${DIR}/${expected} want)
  if(NOT rc EQUAL 0 OR NOT out STREQUAL "file: ${DIR}/files/${file}\n${want}")
    message(FATAL_ERROR "torvane3d data ${file}: status ${rc}\n${out}\n${err}")
  endif()
endfunction()

expect_output(grid.dat grid.expected)
expect_output(points.dat points.expected)

# A file that does not read: the reader's message and a failing status.
run(data ${DIR}/files/absent.dat)
if(rc EQUAL 0 OR NOT err MATCHES "Unable to open ${DIR}/files/absent.dat")
  message(FATAL_ERROR "absent file: status ${rc}, ${err}")
endif()

# --debug sends the graph's warnings to standard error.
run(data --debug ${DIR}/files/holes.dat)
if(NOT rc EQUAL 0 OR NOT err MATCHES "Viewing portion contains only holes" OR NOT out MATCHES "z range: 0 .. 1\n")
  message(FATAL_ERROR "holes with --debug: status ${rc}\n${out}\n${err}")
endif()
run(data ${DIR}/files/holes.dat)
if(err MATCHES "VEX/3d")
  message(FATAL_ERROR "warnings without --debug: ${err}")
endif()

# play takes data files as steps.
run(play SURFACE_DATA=${DIR}/files/irgrid.dat XMAX? ZMAX? ZONE_DATA=${DIR}/files/irgrid.dat)
if(NOT rc EQUAL 0 OR NOT out STREQUAL "XMAX=4\nZMAX=6\n")
  message(FATAL_ERROR "play with data: status ${rc}\n${out}\n${err}")
endif()
run(play SURFACE_DATA=${DIR}/files/absent.dat)
if(rc EQUAL 0)
  message(FATAL_ERROR "play with an absent file succeeded")
endif()
