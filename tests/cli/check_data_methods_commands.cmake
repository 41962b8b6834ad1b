# The zvalue, resample, smooth and relief sub-commands end to end:
# cmake -DTORVANE3D=... -DDIR=... -DOUT=... -P this file.
include(${CMAKE_CURRENT_LIST_DIR}/run_torvane3d.cmake)
set(plane ${DIR}/files/plane.dat)  # z = x + 10 y on x, y in {0, 1, 2}

# ---- zvalue: the surface height, the failure results as they are
# x, y, a step (or "-"), the line printed
foreach(case "0.5;1.25;-;Z=13" "2;2;-;Z=22" "0;0;-;Z=0" "2.5;1;-;Z=1e+308" "1;1;TYPE=TypeBar;Z=1e+308")
  list(GET case 0 x)
  list(GET case 1 y)
  list(GET case 2 step)
  list(GET case 3 want)
  if(step STREQUAL "-")
    set(step "")
  endif()
  run(zvalue ${plane} ${step} --at ${x} ${y})
  if(NOT rc EQUAL 0 OR NOT out STREQUAL "${want}\n")
    message(FATAL_ERROR "zvalue at ${x} ${y} ${step}: status ${rc}, '${out}' (want ${want})\n${err}")
  endif()
endforeach()
run(zvalue ${DIR}/files/holes.dat --at 0.5 0.5)
if(NOT out STREQUAL "Z=-99\n")
  message(FATAL_ERROR "zvalue on a hole's cell: '${out}'")
endif()
run(zvalue ${DIR}/files/points.dat --at 1 5)
if(NOT out STREQUAL "Z=-1\n")
  message(FATAL_ERROR "zvalue of point data: '${out}'")
endif()
run(zvalue ${plane} --at 3 1 --debug)
if(NOT err MATCHES "Vex3dZInterpolate: \nPoint --> \\(3,1\\) not inside xy-grid!")
  message(FATAL_ERROR "zvalue --debug: '${err}'")
endif()
foreach(args "${plane}" "${plane};--at;1" "${plane};--at;1;y" "--at;1;1")
  run(zvalue ${args})
  if(NOT rc EQUAL 2)
    message(FATAL_ERROR "zvalue '${args}': status ${rc}")
  endif()
endforeach()

# ---- resample: a plane stays the plane, linear or cubic, the window either way round
set(resampled "GRID 5 3\n-99\n0.5 1\n0 0\n0 10 20 \n0.5 10.5 20.5 \n1 11 21 \n1.5 11.5 21.5 \n2 12 22 \n")
foreach(args "--window;0;0;2;2;--points;5;3" "--window;2;2;0;0;--points;5;3;--cubic")
  file(REMOVE ${OUT})
  run(resample ${plane} ${args} -o ${OUT})
  file(READ ${OUT} written)
  if(NOT rc EQUAL 0 OR NOT written STREQUAL resampled)
    message(FATAL_ERROR "resample ${args}: status ${rc}\n${written}\n${err}")
  endif()
endforeach()

# ---- smooth: the middle of a plane, whose neighbours balance, stays on it
run(smooth ${plane} --weight 0.5 -o ${OUT})
file(STRINGS ${OUT} rows)
list(GET rows 5 middle_row)  # the values of x = 1
if(NOT rc EQUAL 0 OR NOT middle_row MATCHES "^[0-9.]+ 11 [0-9.]+ $")
  message(FATAL_ERROR "smooth: status ${rc}, middle row '${middle_row}'\n${err}")
endif()

# ---- relief: the plane's normal (-1, -10, 1) against a light straight above: 1 / sqrt(102)
run(relief ${plane} --sweep 0 --rise 90 --scale 1 --ambient 0 --intensity 1 -o ${OUT})
file(READ ${OUT} written)
set(lit "0.099014754297667")
if(NOT rc EQUAL 0 OR NOT written STREQUAL "GRID 3 3\n-100\n1 1\n0 0\n${lit} ${lit} ${lit} \n${lit} ${lit} ${lit} \n${lit} ${lit} ${lit} \n")
  message(FATAL_ERROR "relief: status ${rc}\n${written}\n${err}")
endif()

# ---- refusals: the engine's message, status 1, and the output file as it was
# Each: the command, its arguments (separated by commas), what the message says.
set(refusals
  "resample|--window,1,0,1,2,--points,3,3|Vex3dDataWindow: Data range is NULL!"
  "resample|--window,nan,0,1,2,--points,3,3|Vex3dDataWindow: Data range is NULL!"
  "resample|--window,0,0,2,2,--points,100000,100000|Not enough memory for a 100000 x 100000 grid"
  "resample|--window,0,0,2,2,--points,1,3|at least 2 points per side"
  "smooth|--weight,0.5|Need grid or irregular grid data"
  "relief|--scale,2|Need grid or irregular grid data")
foreach(case IN LISTS refusals)
  string(REGEX REPLACE "^([a-z]+)\\|.*$" "\\1" command "${case}")
  string(REGEX REPLACE "^[a-z]+\\|(.*)\\|[^|]*$" "\\1" args "${case}")
  string(REPLACE "," ";" args "${args}")
  string(REGEX REPLACE "^.*\\|([^|]*)$" "\\1" expected "${case}")
  set(input ${plane})
  if(command STREQUAL "smooth" OR command STREQUAL "relief")
    set(input ${DIR}/files/points.dat)
  endif()
  file(WRITE ${OUT} "as it was\n")
  run(${command} ${input} ${args} -o ${OUT})
  file(READ ${OUT} kept)
  if(NOT rc EQUAL 1 OR NOT err MATCHES "${expected}" OR NOT kept STREQUAL "as it was\n")
    message(FATAL_ERROR "${command} ${args}: status ${rc}, '${err}', output '${kept}'")
  endif()
endforeach()
# Arguments that do not fit: status 2.
foreach(args "resample;${plane};--window;0;0;1;1;-o;${OUT}" "resample;${plane};--points;3;3;--window;0;0;1;1"
             "resample;${plane};--window;0;0;1;1;--points;2.5;3;-o;${OUT}" "smooth;${plane};--weight;1;-o;${OUT}"
             "smooth;${plane};--weight;-0.1;-o;${OUT}" "smooth;${plane};-o;${OUT}" "relief;${plane};--sweep;north;-o;${OUT}")
  run(${args})
  if(NOT rc EQUAL 2)
    message(FATAL_ERROR "'${args}': status ${rc}, ${err}")
  endif()
endforeach()

# The gallery's relief is what the relief command makes of the gallery's peaks grid.
run(relief ${DIR}/../golden/data/peaks.dat -o ${OUT})
file(READ ${OUT} made)
file(READ ${DIR}/../golden/data/peaks_relief.dat committed)
if(NOT rc EQUAL 0 OR NOT made STREQUAL committed)
  message(FATAL_ERROR "tests/golden/data/peaks_relief.dat is not what 'torvane3d relief' writes now: "
                      "run it again (see tests/golden/README.md) and look at the relief pictures")
endif()

# "-" is standard output; the input itself is never the output.
run(resample ${plane} --window 0 0 2 2 --points 5 3 -o -)
if(NOT rc EQUAL 0 OR NOT out STREQUAL resampled)
  message(FATAL_ERROR "resample to standard output: status ${rc}\n${out}\n${err}")
endif()
get_filename_component(scratch ${OUT} DIRECTORY)
configure_file(${plane} ${scratch}/plane_copy.dat COPYONLY)
run(smooth ${scratch}/plane_copy.dat --weight 0.5 -o ${scratch}/plane_copy.dat)
file(READ ${scratch}/plane_copy.dat copy)
file(READ ${plane} original)
if(NOT rc EQUAL 1 OR NOT err MATCHES "is also an input" OR NOT copy STREQUAL original)
  message(FATAL_ERROR "smooth over its input: status ${rc}, ${err}")
endif()
