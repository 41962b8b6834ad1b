# Installs the build into a scratch prefix, then configures, builds and runs
# the outside project against it.
file(REMOVE_RECURSE ${WORK_DIR})
set(prefix ${WORK_DIR}/prefix)

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "failed: ${ARGN}\n${out}\n${err}")
  endif()
endfunction()

run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})
run(${CMAKE_COMMAND} -S ${PROJECT_DIR} -B ${WORK_DIR}/app -G ${GENERATOR} -DCMAKE_PREFIX_PATH=${prefix})
run(${CMAKE_COMMAND} --build ${WORK_DIR}/app)
run(${WORK_DIR}/app/outside_app)
run(${WORK_DIR}/app/outside_app_c)
# The README's example draws a chart into a PNG file.
run(${WORK_DIR}/app/outside_chart ${WORK_DIR}/chart.png)
file(READ ${WORK_DIR}/chart.png signature LIMIT 8 HEX)
if(NOT signature STREQUAL "89504e470d0a1a0a")
  message(FATAL_ERROR "outside_chart wrote no PNG file: ${signature}")
endif()
run(${WORK_DIR}/app/outside_control ${WORK_DIR}/control.png)
if(NOT EXISTS ${WORK_DIR}/control.png)
  message(FATAL_ERROR "outside_control wrote no PNG file")
endif()
