# The levels sub-command end to end: cmake -DTORVANE3D=... -DDIR=... -P this file.
function(expect_levels expected)
  execute_process(COMMAND ${TORVANE3D} levels ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0 OR NOT out STREQUAL "${expected}")
    message(FATAL_ERROR "torvane3d levels ${ARGN}: status ${rc}\n${out}\n${err}\nexpected:\n${expected}")
  endif()
endfunction()

set(data ${DIR}/files/levels.dat)

# z from 0 to 100 in four levels; levels 0 ... 3 of 4 take styles 0, 25, 50 and 74 of the default 100.
expect_levels("20 0 Blue Black 1 LpatSolid\n40 25 #00d9ff Black 1 LpatSolid\n60 50 #4dff09 Black 1 LpatSolid\n80 74 #ffe509 Black 1 LpatSolid\n"
  ${data} NUM_DISTN_LEVELS=4)

# The user's levels from a file, sorted and without duplicates: styles 0, 33, 66.
expect_levels("-10 0 Blue Black 1 LpatSolid\n5 33 #00ffbc Black 1 LpatSolid\n150 66 #d5ff09 Black 1 LpatSolid\n"
  ${data} DISTN_METHOD=DistnFromTable DISTN_TABLE=${DIR}/files/levels.lvl)

# Two styles from a file spread over four levels.
expect_levels("20 0 Red Blue 2 LpatDotted\n40 0 Red Blue 2 LpatDotted\n60 1 Green Black 1 LpatSolid\n80 1 Green Black 1 LpatSolid\n"
  ${data} NUM_DISTN_LEVELS=4 CONTOUR_STYLES=${DIR}/files/levels.sty)

# Steps that print go to standard output before the levels.
expect_levels("NUM_DISTN_LEVELS=1\n50 0 Blue Black 1 LpatSolid\n" ${data} NUM_DISTN_LEVELS=1 NUM_DISTN_LEVELS?)

# Failures: a data file that does not read, a levels file that does not read, a step that is not one.
execute_process(COMMAND ${TORVANE3D} levels ${DIR}/files/absent.dat RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 1 OR NOT err MATCHES "Unable to open ${DIR}/files/absent.dat")
  message(FATAL_ERROR "absent data file: status ${rc}, ${err}")
endif()
execute_process(COMMAND ${TORVANE3D} levels ${data} DISTN_TABLE=${DIR}/files/absent.lvl
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 1 OR NOT err MATCHES "Setting resource DISTN_TABLE")
  message(FATAL_ERROR "absent levels file: status ${rc}, ${err}")
endif()
execute_process(COMMAND ${TORVANE3D} levels ${data} bogus RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 2 OR NOT out STREQUAL "")
  message(FATAL_ERROR "bad step: status ${rc}, ${out}, ${err}")
endif()
