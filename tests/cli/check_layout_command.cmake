# torvane3d layout end to end:
#   cmake -DTORVANE3D=... -DDIR=... -P this file.
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/run_torvane3d.cmake)

function(expect what value expected)
  if(NOT "${value}" STREQUAL "${expected}")
    message(FATAL_ERROR "${what}: '${value}', expected '${expected}'\n${out}\n${err}")
  endif()
endfunction()

# layout(ARGS...): runs layout, which must succeed quietly; sets the lines
# (LINES), each region's rectangle (HEADER, FOOTER, LEGEND, GRAPH: "x y w h"),
# KIND and ENTRIES (the lines after LEGEND_KIND).
macro(layout)
  run(layout ${ARGN})
  if(NOT rc EQUAL 0 OR NOT err STREQUAL "")
    message(FATAL_ERROR "layout ${ARGN}: status ${rc}\n${err}")
  endif()
  string(REPLACE "\n" ";" LINES "${out}")
  list(FILTER LINES EXCLUDE REGEX "^$")
  foreach(region HEADER FOOTER LEGEND GRAPH)
    unset(${region})
    if(out MATCHES "(^|\n)${region} ([-0-9]+ [-0-9]+ [-0-9]+ [-0-9]+)\n")
      set(${region} "${CMAKE_MATCH_2}")
    else()
      message(FATAL_ERROR "no ${region} line\n${out}")
    endif()
  endforeach()
  list(GET LINES 4 kind_line)
  string(REGEX REPLACE "^LEGEND_KIND " "" KIND "${kind_line}")
  set(ENTRIES "")
  list(LENGTH LINES line_count)
  if(line_count GREATER 5)
    list(SUBLIST LINES 5 -1 ENTRIES)
  endif()
endmacro()

# The built-in chart: the header above, the footer below, the stepped zone
# legend at the east, the chart area between them.
layout(--size 800x600)
list(GET LINES 0 first)
string(REGEX MATCH "^HEADER" first "${first}")
expect("first line" "${first}" HEADER)
expect("legend kind" "${KIND}" 1)
list(LENGTH ENTRIES count)
expect("entries of ten levels" "${count}" 11)
list(GET ENTRIES 0 top)
if(NOT top MATCHES "^\t[-0-9.]+\t \\.\\. \t[-0-9.]+$")
  message(FATAL_ERROR "the top entry's columns are not tabs: '${top}'")
endif()
string(REPLACE " " ";" header "${HEADER}")
string(REPLACE " " ";" footer "${FOOTER}")
string(REPLACE " " ";" legend "${LEGEND}")
string(REPLACE " " ";" graph "${GRAPH}")
list(GET header 1 header_y)
list(GET footer 1 footer_y)
list(GET legend 0 legend_x)
list(GET graph 0 graph_x)
list(GET graph 1 graph_y)
list(GET graph 2 graph_w)
math(EXPR graph_right "${graph_x} + ${graph_w}")
if(NOT header_y LESS graph_y OR NOT footer_y GREATER graph_y OR NOT graph_right LESS legend_x)
  message(FATAL_ERROR "the regions are not around the chart area\n${out}")
endif()

# The legend switched off takes no room and lists nothing.
layout(LEGEND_SHOW=0)
expect("no legend" "${KIND}" 0)
string(REGEX REPLACE "^[-0-9]+ [-0-9]+ " "" legend_size "${LEGEND}")
expect("no legend's size" "${legend_size}" "0 0")

# A continuous legend across the bottom; a user's strings.
layout(LEGEND_STYLE=Continuous LEGEND_ORIENTATION=Horizontal LEGEND_ANCHOR=South "LEGEND_STRINGS=(low mid high)")
expect("continuous horizontal" "${KIND}" 4)
expect("the user's strings" "${ENTRIES}" "high;mid;low")

# A scatter chart lists its series by LEGEND_STRINGS.
layout(${DIR}/files/points.dat TYPE=TypeScatter "LEGEND_STRINGS=(first second third)")
expect("series legend" "${KIND}" series)

# Bad arguments.
run(layout -o nothing.png)
expect("an output file is refused" "${rc}" 2)
run(layout --size 0x10)
expect("a bad size is refused" "${rc}" 2)
