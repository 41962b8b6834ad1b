# torvane3d render into every picture format, chosen by the file's extension
# or by --format, with the formats' options; a failure leaves no file.
#   cmake -DTORVANE3D=... -DOUT=<folder> -P this file.
include(${CMAKE_CURRENT_LIST_DIR}/run_torvane3d.cmake)
file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${OUT})

# expect_format(FILE STATUS PATTERN SIGNATURE ARGS...): the status, standard
# error matching the pattern, and the file starting with the hexadecimal
# signature ("" : no file at all).
function(expect_format name status pattern signature)
  set(target ${OUT}/${name})
  file(REMOVE ${target})
  run(render --size 160x120 ${ARGN} -o ${target})
  if(NOT rc EQUAL ${status} OR NOT err MATCHES "${pattern}")
    message(FATAL_ERROR "render -o ${name} ${ARGN}: status ${rc} (expected ${status})\n${err}")
  endif()
  if(signature STREQUAL "")
    if(EXISTS ${target})
      message(FATAL_ERROR "render -o ${name} ${ARGN}: wrote a file although it failed")
    endif()
  else()
    string(LENGTH ${signature} hex_length)
    math(EXPR bytes "${hex_length} / 2")
    file(READ ${target} head LIMIT ${bytes} HEX)
    if(NOT head STREQUAL signature)
      message(FATAL_ERROR "render -o ${name} ${ARGN}: starts with ${head}, not ${signature}")
    endif()
  endif()
  file(GLOB leftovers ${OUT}/.*)
  if(leftovers)
    message(FATAL_ERROR "render -o ${name} ${ARGN}: left ${leftovers}")
  endif()
endfunction()

expect_format(chart.png 0 "^$" "89504e470d0a1a0a")
expect_format(chart.jpg 0 "^$" "ffd8ff")
expect_format(chart.JPEG 0 "^$" "ffd8ff")
expect_format(chart.bmp 0 "^$" "424d")
expect_format(chart.wmf 0 "^$" "d7cdc69a")             # placeable
expect_format(chart.emf 0 "^$" "01000000")
expect_format(chart.svg 0 "^$" "3c3f786d6c")           # <?xml
expect_format(chart.pdf 0 "^$" "255044462d")           # %PDF-
expect_format(plain.out 0 "^$" "010009000003" --format standard-metafile)
expect_format(asked.dat 0 "^$" "89504e47" --format PNG --interlace --bits 16)
expect_format(grey.jpg 0 "^$" "ffd8ff" --grayscale --progressive --optimize --quality 30)
expect_format(bits8.bmp 0 "^$" "424d" --bits 8)

expect_format(q.jpg 1 "JPEG quality -5 is not 0 to 100.*cannot write" "" --quality -5)
expect_format(q.jpg 1 "JPEG quality 500 is not 0 to 100" "" --quality 500)
expect_format(four.png 1 "cannot be made of 4 bits per pixel" "" --bits 4)
expect_format(bits.bmp 1 "bitmap of 5 bits per pixel cannot be made" "" --bits 5)
expect_format(chart.xyz 0 "^$" "89504e47")              # any other name: PNG
expect_format(chart.png 2 "--format takes one of png, jpeg" "" --format gif)
expect_format(missing/chart.emf 1 "cannot write" "")

run(render --size 160x120 -o /dev/full --format bmp)
if(NOT rc EQUAL 1 OR NOT err MATCHES "No space left on device")
  message(FATAL_ERROR "render to /dev/full: status ${rc}\n${err}")
endif()
