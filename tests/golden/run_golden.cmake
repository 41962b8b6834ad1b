# One golden picture: draws it with its command and compares it with the
# reviewed reference, or (BLESS set) makes the new picture the reference.
#   cmake -DTORVANE3D=... -DCOMPARE=... -DDIR=<tests/golden> -DNAME=x.png -DARGS="render ..." -DOUT=<dir>
#         -P run_golden.cmake
# With TORVANE3D_BLESS set in the environment the picture becomes the reference.
separate_arguments(args UNIX_COMMAND "${ARGS}")
list(FIND args "-o" at)
if(at LESS 0)
  message(FATAL_ERROR "the command of ${NAME} writes no picture (-o)")
endif()
math(EXPR value "${at} + 1")
list(REMOVE_AT args ${value})
list(INSERT args ${value} "${OUT}/${NAME}")
file(MAKE_DIRECTORY ${OUT})
execute_process(COMMAND ${TORVANE3D} ${args} WORKING_DIRECTORY ${DIR} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "torvane3d ${ARGS} failed (${status})")
endif()
if(DEFINED ENV{TORVANE3D_BLESS})
  file(COPY_FILE ${OUT}/${NAME} ${DIR}/${NAME})
  message(STATUS "blessed ${NAME}")
  return()
endif()
execute_process(COMMAND ${COMPARE} ${DIR}/${NAME} ${OUT}/${NAME} ${OUT}/diff-${NAME} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${NAME} differs from its reference")
endif()
