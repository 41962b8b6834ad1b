# Failures said plainly, without --debug: a refused step, invalid data, a
# reader's error, a clamped value, a directory for a file, a lower-case step;
# quoted values escaped and cut.
#   cmake -DTORVANE3D=... -DDIR=... -DOUT=<folder> -P this file.
include(${CMAKE_CURRENT_LIST_DIR}/run_torvane3d.cmake)
file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${OUT})
set(grid ${DIR}/files/bump.dat)
set(invalid ${DIR}/files/no_xstep.dat)
string(REPEAT "a" 300 long)
string(REPEAT "a" 200 cut)
file(WRITE ${OUT}/short.dat "GRID 2 2\n-99\n1 1\n0 0\n1 2 3\n")
file(WRITE ${OUT}/noise.png "no picture at all")

# Each case: status, a pattern standard error must match, and the arguments
# ("|" between them); picture commands get -o and must write nothing on failure.
set(cases
  "1|Must have a positive xstep.*render: the data of .*no_xstep.dat were refused|render|${invalid}"
  "1|Must have a positive xstep.*SURFACE_DATA=.*no_xstep.dat was refused|render|SURFACE_DATA=${invalid}"
  "1|the data of .*no_xstep.dat were refused|contours|${invalid}"
  "1|the data of .*no_xstep.dat were refused|levels|${invalid}"
  "1|PERSPECTIVE_DEPTH=0.5 was refused|render|PERSPECTIVE_DEPTH=0.5"
  "1|torvane3d: XSCALE=-1 was refused|play|XSCALE=-1"
  "1|Unable to read distribution table from /no/such.lvl|render|DISTN_TABLE=/no/such.lvl"
  "0|Illegal number of distn levels must be between 0 and 100|render|NUM_DISTN_LEVELS=500"
  "1|render: ${OUT} is a directory, not a data file|render|${OUT}"
  "1|render: ${OUT}/short.dat, line 5: Missing 1 grid values|render|${OUT}/short.dat"
  "2|unexpected argument 'xrotation=30'. resource names are upper case: XROTATION=30|render|xrotation=30"
  "2|'zrotation\\?' is not a step .*. resource names are upper case: ZROTATION\\?|play|zrotation?"
  "1|Setting resource XROTATION to \\\\x01a\\\\x7F did NOT succeed!|render|XROTATION=a"
  "1|Setting resource XROTATION to ${cut}[.][.][.] did NOT succeed!|render|XROTATION=${long}"
)
foreach(row IN LISTS cases)
  string(REPLACE "|" ";" fields "${row}")
  list(POP_FRONT fields status pattern)
  list(GET fields 0 command)
  set(png ${OUT}/out.png)
  file(REMOVE ${png})
  if(command STREQUAL "render")
    list(APPEND fields -o ${png})
  elseif(command STREQUAL "contours")
    list(APPEND fields -o ${OUT}/lines.dat)
  endif()
  # The control bytes of the escaping case go in here, where no list mangles them.
  string(ASCII 1 soh)
  string(ASCII 127 del)
  list(TRANSFORM fields REPLACE "^XROTATION=a$" "XROTATION=${soh}a${del}")
  run(${fields})
  if(NOT rc EQUAL ${status} OR NOT err MATCHES "${pattern}")
    message(FATAL_ERROR "${fields}: status ${rc} (expected ${status}), stderr:\n${err}\nexpected to match: ${pattern}")
  endif()
  if(NOT status EQUAL 0 AND EXISTS ${png})
    message(FATAL_ERROR "${fields}: wrote a picture although it failed")
  endif()
endforeach()

# A picture file that is no picture is not drawn, and the command says so.
run(render HEADER_IMAGE=${OUT}/noise.png -o ${OUT}/noise_header.png)
if(NOT rc EQUAL 0 OR NOT err MATCHES "picture file ${OUT}/noise.png is not a picture")
  message(FATAL_ERROR "header image: status ${rc}\n${err}")
endif()

# A warning about the data (only holes in view) is shown; the picture is made.
run(render ${DIR}/files/holes.dat -o ${OUT}/holes.png)
if(NOT rc EQUAL 0 OR NOT err MATCHES "Viewing portion contains only holes" OR NOT EXISTS ${OUT}/holes.png)
  message(FATAL_ERROR "holes: status ${rc}\n${err}")
endif()
