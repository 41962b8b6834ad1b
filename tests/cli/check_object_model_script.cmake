# A titled chart set up through the object model by a script of
# `torvane3d script`: every statement succeeds and the picture is written.
file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${OUT})
execute_process(COMMAND ${TORVANE3D} script --size 480x360 ${SCRIPT} WORKING_DIRECTORY ${OUT}
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR NOT err STREQUAL "")
  message(FATAL_ERROR "the object model script: exit ${rc}:\n${err}")
endif()
if(NOT out STREQUAL "True\n")
  message(FATAL_ERROR "the object model script printed:\n${out}")
endif()
if(NOT EXISTS ${OUT}/titled_chart.png)
  message(FATAL_ERROR "the object model script wrote no picture")
endif()
