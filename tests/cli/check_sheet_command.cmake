# The sheet sub-command end to end: cmake -DTORVANE3D=... -DOUT=<folder> -P this file.
# The PNG and the SVG are written (the SVG a well-formed SVG document with the
# pictures in it); bad arguments and unwritable files fail and leave nothing.
include(${CMAKE_CURRENT_LIST_DIR}/run_torvane3d.cmake)
file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${OUT})

run(sheet -o ${OUT}/sheet.png --svg ${OUT}/sheet.svg)
if(NOT rc EQUAL 0 OR NOT err STREQUAL "")
  message(FATAL_ERROR "sheet: status ${rc}\n${err}")
endif()
file(READ ${OUT}/sheet.png head LIMIT 8 HEX)
if(NOT head STREQUAL "89504e470d0a1a0a")
  message(FATAL_ERROR "sheet: no PNG written")
endif()
# 1200 x 1090 pixels are 900 x 817.5 points; each of the seven pictures is
# an embedded PNG.
execute_process(COMMAND python3 -c [[
import sys, xml.etree.ElementTree as ET
root = ET.parse(sys.argv[1]).getroot()
svg = '{http://www.w3.org/2000/svg}'
assert root.tag == svg + 'svg', root.tag
assert (root.get('width'), root.get('height')) == ('900pt', '817.5pt'), (root.get('width'), root.get('height'))
pictures = [e for e in root.iter(svg + 'image')
            if any(v.startswith('data:image/png;base64,') for k, v in e.attrib.items() if k.endswith('href'))]
assert len(pictures) >= 7, len(pictures)
]] ${OUT}/sheet.svg RESULT_VARIABLE parsed ERROR_VARIABLE why)
if(NOT parsed EQUAL 0)
  message(FATAL_ERROR "sheet: the SVG file is not the SVG expected\n${why}")
endif()

run(sheet --svg ${OUT}/only.svg)
if(NOT rc EQUAL 2 OR NOT err MATCHES "usage: torvane3d sheet" OR EXISTS ${OUT}/only.svg)
  message(FATAL_ERROR "sheet without -o: status ${rc}\n${err}")
endif()
run(sheet -o ${OUT}/x.png --bogus)
if(NOT rc EQUAL 2 OR NOT err MATCHES "unexpected argument '--bogus'")
  message(FATAL_ERROR "sheet --bogus: status ${rc}\n${err}")
endif()
foreach(args "-o;${OUT}/no/such/folder/a.png" "-o;${OUT}/b.png;--svg;${OUT}/no/such/folder/b.svg")
  run(sheet ${args})
  if(NOT rc EQUAL 1 OR NOT err MATCHES "cannot write ${OUT}/no/such/folder/")
    message(FATAL_ERROR "sheet ${args}: status ${rc}\n${err}")
  endif()
endforeach()
file(GLOB leftovers ${OUT}/*.part)
if(leftovers)
  message(FATAL_ERROR "sheet: left ${leftovers}")
endif()
