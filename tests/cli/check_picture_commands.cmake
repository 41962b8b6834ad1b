# The sub-commands that draw pictures (render, cube) end to end:
#   cmake -DTORVANE3D=... -DDIR=... -DOUT=<folder> -P this file.
# A picture comes out only when everything succeeded: a failure leaves no file behind.
include(${CMAKE_CURRENT_LIST_DIR}/run_torvane3d.cmake)
file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${OUT})

# expect_picture(COMMAND STATUS MESSAGE-REGEX PICTURE ARGS...): the status, a message on
# standard error matching the pattern, and the picture written or not (PICTURE 1 or 0).
function(expect_picture command status pattern picture)
  set(png ${OUT}/out.png)
  file(REMOVE ${png})
  run(${command} ${ARGN} -o ${png})
  if(NOT rc EQUAL ${status} OR NOT err MATCHES "${pattern}")
    message(FATAL_ERROR "${command} ${ARGN}: status ${rc} (expected ${status})\n${err}")
  endif()
  if(EXISTS ${png} AND NOT picture)
    message(FATAL_ERROR "${command} ${ARGN}: wrote a picture although it failed")
  endif()
  if(picture)
    file(READ ${png} head LIMIT 8 HEX)
    if(NOT head STREQUAL "89504e470d0a1a0a")
      message(FATAL_ERROR "${command} ${ARGN}: no PNG written")
    endif()
  endif()
  file(GLOB leftovers ${OUT}/*.part ${OUT}/.out.png.*)
  if(leftovers)
    message(FATAL_ERROR "${command} ${ARGN}: left ${leftovers}")
  endif()
endfunction()

expect_picture(render 0 "^$" 1)                                           # the built-in chart
expect_picture(render 0 "^$" 1 ${DIR}/files/grid.dat TYPE=TypeBar --size 120x90)
expect_picture(render 1 "Unable to open" 0 ${DIR}/files/absent.dat)
expect_picture(render 1 "Setting resource TYPE to Pie did NOT succeed" 0 TYPE=Pie)
expect_picture(render 1 "unknown graph resource 'NO_SUCH'" 0 NO_SUCH=1)
expect_picture(render 2 "--size takes WIDTHxHEIGHT" 0 --size 100000x100000)
expect_picture(render 2 "--size takes WIDTHxHEIGHT" 0 --size 0x10)
expect_picture(render 2 "unexpected argument '--bogus'" 0 --bogus)

# Chart labels: each --label makes one and applies its steps; a bad step fails the command.
set(summit "TEXT_STRINGS=(Summit) TEXT_ATTACH_METHOD=AttachPoint TEXT_ATTACH_POINT_X=0 TEXT_ATTACH_POINT_Y=1.6 TEXT_ATTACH_POINT_Z=1e308 TEXT_OFFSET_X=60 TEXT_OFFSET_Y=-40")
set(boxed "TEXT_STRINGS=(\"A pixel label\") TEXT_ATTACH_PIXEL_X=40 TEXT_ATTACH_PIXEL_Y=40 TEXT_BORDER=BorderPlain")
expect_picture(render 0 "^$" 1 --size 200x150 --label "${summit}" --label "${boxed}")
file(SHA256 ${OUT}/out.png labelled)
expect_picture(render 0 "^$" 1 --size 200x150)
file(SHA256 ${OUT}/out.png plain)
if(labelled STREQUAL plain)
  message(FATAL_ERROR "render --label: the labels changed nothing in the picture")
endif()
expect_picture(render 1 "unknown label resource 'XROTATION'" 0 --label "XROTATION=30")
expect_picture(render 1 "TEXT_ATTACH_POINT_X=nan was refused" 0 --label "TEXT_ATTACH_POINT_X=nan")
expect_picture(render 1 "'nonsense' in --label is not a step" 0 --label "TEXT_SHOW=1 nonsense")

# The cube shares render's arguments, data and messages.
expect_picture(cube 0 "^$" 1)                                             # the built-in chart's cube
expect_picture(cube 0 "^$" 1 ${DIR}/files/grid.dat XROTATION=-90 --size 120x90)
expect_picture(cube 1 "Unable to open" 0 ${DIR}/files/absent.dat)
expect_picture(cube 1 "Setting resource TYPE to Pie did NOT succeed" 0 TYPE=Pie)
expect_picture(cube 2 "^torvane3d cube: unexpected argument '--bogus'" 0 --bogus)

# A picture that cannot be written: the message names it and nothing is left.
run(render -o ${OUT}/no/such/folder/out.png)
if(NOT rc EQUAL 1 OR NOT err MATCHES "cannot write ${OUT}/no/such/folder/out.png")
  message(FATAL_ERROR "unwritable picture: status ${rc}\n${err}")
endif()
