# torvane3d pick end to end:
#   cmake -DTORVANE3D=... -DDIR=... -DOUT=<folder> -P this file.
# It draws the chart as render does and answers from that picture.
include(${CMAKE_CURRENT_LIST_DIR}/run_torvane3d.cmake)
file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${OUT})

# pick(ARGS...): runs pick, which must succeed quietly (but for the engine's
# warnings about the data, which every command shows); sets the answers
# (REGION, X, Y, Z, ROW, COLUMN, DISTANCE or PIXEL) as variables.
macro(pick)
  run(pick ${ARGN})
  string(REGEX REPLACE "VEX/3d: Warning[^\n]*\n([ \t][^\n]*\n)*" "" unwarned "${err}")
  if(NOT rc EQUAL 0 OR NOT unwarned STREQUAL "")
    message(FATAL_ERROR "pick ${ARGN}: status ${rc}\n${err}")
  endif()
  foreach(name REGION X Y Z ROW COLUMN DISTANCE PIXEL)
    unset(${name})
    if(out MATCHES "(^|\n)${name}=([^\n]*)")
      set(${name} "${CMAKE_MATCH_2}")
    endif()
  endforeach()
endmacro()

function(expect what value expected)
  if(NOT "${value}" STREQUAL "${expected}")
    message(FATAL_ERROR "${what}: '${value}', expected '${expected}'\n${out}")
  endif()
endfunction()

# A pixel on the built-in chart's surface: a place on it and the grid point nearest.
pick(--at 400 300)
expect("region on the surface" "${REGION}" -100)
if(Z STREQUAL "unset" OR ROW LESS 0 OR COLUMN LESS 0 OR DISTANCE LESS 0)
  message(FATAL_ERROR "nothing picked on the surface\n${out}")
endif()
# That place shows at that pixel.
pick(--data ${X} ${Y} ${Z})
string(REPLACE " " ";" at "${PIXEL}")
list(GET at 0 px)
list(GET at 1 py)
math(EXPR dx "${px} - 400")
math(EXPR dy "${py} - 300")
if(dx GREATER 1 OR dx LESS -1 OR dy GREATER 1 OR dy LESS -1)
  message(FATAL_ERROR "the picked place shows at ${PIXEL}, not 400 300")
endif()

# The pixel of a grid point picks that point.
pick(--index 20 35)
string(REPLACE " " ";" at "${PIXEL}")
pick(--at ${at})
expect("row of the grid point's pixel" "${ROW}" 20)
expect("column of the grid point's pixel" "${COLUMN}" 35)
expect("distance to the grid point" "${DISTANCE}" 0)

# Background, outside the picture, an index beyond the grid.
pick(--at 5 5)
expect("background x" "${X}" unset)
expect("background z" "${Z}" unset)
expect("background row" "${ROW}" -1)
expect("background distance" "${DISTANCE}" -1)
pick(--at -5 10)
expect("left of the picture" "${REGION}" -96)
pick(--index 60 0)
expect("index beyond the grid" "${PIXEL}" "-1 -1")
pick(--data nan 0 0)
expect("no number" "${PIXEL}" "-1 -1")

# A flat map, at the size and with the steps render takes (without the
# legend, the map fills the middle of the page).
pick(DRAW_MESH=0 DRAW_SHADED=0 LEGEND_SHOW=0 --size 300x200 --at 150 100)
expect("flat map region" "${REGION}" -100)
if(X STREQUAL "unset" OR Z STREQUAL "unset")
  message(FATAL_ERROR "nothing picked on the flat map\n${out}")
endif()
# On a flat map of a data file, the cell in the middle has a hole corner:
# the place is known, its height is not.
pick(${DIR}/files/grid.dat DRAW_MESH=0 DRAW_SHADED=0 --size 300x200 --at 150 100)
if(X STREQUAL "unset" OR Y STREQUAL "unset")
  message(FATAL_ERROR "no place on the flat map\n${out}")
endif()
expect("height on a hole cell" "${Z}" unset)

# The picture pick answers from is render's picture, byte for byte.
run(render ${DIR}/files/holes.dat XROTATION=20 --size 200x150 -o ${OUT}/render.png)
pick(${DIR}/files/holes.dat XROTATION=20 --size 200x150 -o ${OUT}/pick.png --at 100 75)
file(SHA256 ${OUT}/render.png rendered)
file(SHA256 ${OUT}/pick.png picked)
expect("pick's picture" "${picked}" "${rendered}")

# Refusals.
function(expect_refusal status pattern)
  run(pick ${ARGN})
  if(NOT rc EQUAL ${status} OR NOT err MATCHES "${pattern}" OR NOT out STREQUAL "")
    message(FATAL_ERROR "pick ${ARGN}: status ${rc} (expected ${status})\n${err}${out}")
  endif()
endfunction()
expect_refusal(2 "usage: torvane3d pick")
expect_refusal(2 "one question at a time" --at 1 2 --index 1 2)
expect_refusal(2 "--at takes 2 numbers, not 'x'" --at x 2)
expect_refusal(2 "--at takes 2 numbers, not '99999999999'" --at 99999999999 2)
expect_refusal(2 "--data takes 3 numbers" --data 1 2)
expect_refusal(2 "--size takes WIDTHxHEIGHT" --size 0x0 --at 1 1)
expect_refusal(2 "unexpected argument '--bogus'" --bogus --at 1 1)
expect_refusal(2 "the answers go to standard output" -o - --at 1 1)
expect_refusal(1 "Unable to open" ${DIR}/files/absent.dat --at 1 1)
expect_refusal(1 "Setting resource TYPE to Pie did NOT succeed" TYPE=Pie --at 1 1)
