# Renders one skin pack from its drawing: every layer group becomes one PNG of
# the drawing's full size, so that all pictures of the pack line up at one
# origin. Run with cmake -P and these variables:
#   RSVG    the rsvg-convert program
#   SOURCE  the pack's SVG drawing; layer groups have class "layer" and id "layer-<KEY>"
#   OUTPUT  the pack's folder; emptied of PNGs first, so renamed layers leave nothing stale
#   WORK    a folder for the per-layer stylesheets
#   LAYERS  KEY=File.png pairs separated by commas
foreach(var RSVG SOURCE OUTPUT WORK LAYERS)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "RenderSkinPack: ${var} is not set")
  endif()
endforeach()

file(READ "${SOURCE}" drawing)
string(REPLACE "," ";" layers "${LAYERS}")

file(MAKE_DIRECTORY "${OUTPUT}" "${WORK}")
file(GLOB stale "${OUTPUT}/*.png")
if(stale)
  file(REMOVE ${stale})
endif()

foreach(pair IN LISTS layers)
  if(NOT pair MATCHES "^([A-Za-z0-9]+)=([A-Za-z0-9_]+\\.png)$")
    message(FATAL_ERROR "RenderSkinPack: '${pair}' is not KEY=File.png")
  endif()
  set(key "${CMAKE_MATCH_1}")
  set(file "${CMAKE_MATCH_2}")
  # A missing group would render as an empty picture without complaint.
  string(FIND "${drawing}" "id=\"layer-${key}\"" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "RenderSkinPack: ${SOURCE} has no group id=\"layer-${key}\" for ${file}")
  endif()
  # Only this layer's group is shown; the definitions stay available to it.
  set(css "${WORK}/${key}.css")
  file(WRITE "${css}" ".layer { display: none !important; }\n#layer-${key} { display: inline !important; }\n")
  execute_process(COMMAND "${RSVG}" --stylesheet "${css}" --output "${OUTPUT}/${file}" "${SOURCE}"
                  RESULT_VARIABLE status ERROR_VARIABLE errors)
  if(NOT status EQUAL 0)
    file(REMOVE "${OUTPUT}/${file}")
    message(FATAL_ERROR "RenderSkinPack: rsvg-convert failed on ${file}: ${errors}")
  endif()
endforeach()
