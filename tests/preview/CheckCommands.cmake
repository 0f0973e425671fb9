# The preview's command line from outside: run --frames with a size and a
# backdrop, frames of an earlier run replaced, progress off a terminal, usage
# errors, check-skin's JSON for a missing folder, and the window without a display.
set(frames ${WORK}/frames)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${frames})
set(problems)

function(preview)
  cmake_parse_arguments(ARG "" "ENV" "ARGS" ${ARGN})
  execute_process(COMMAND ${CMAKE_COMMAND} -E env ${ARG_ENV} ${PREVIEW} ${ARG_ARGS}
                  WORKING_DIRECTORY ${WORK} TIMEOUT 120
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  message("--- ${ARG_ARGS}\n--- stdout\n${out}--- stderr\n${err}--- exit ${status}")
  set(status ${status} PARENT_SCOPE)
  set(out "${out}" PARENT_SCOPE)
  set(err "${err}" PARENT_SCOPE)
endfunction()

# A frame of an earlier run that this run does not reach, and a file of the user's.
file(WRITE ${frames}/frame-000500.png "old")
file(WRITE ${frames}/notes.txt "mine")
set(scenario ${SOURCE}/fixtures/frames.vtx)
preview(ARGS run ${scenario} --frames ${frames} --size 640x360 --backdrop ${SOURCE}/fixtures/backdrop.png)
file(GLOB written ${frames}/frame-*.png)
list(LENGTH written count)
if(NOT status EQUAL 0)
  list(APPEND problems "run --frames: exit ${status}")
endif()
if(NOT count EQUAL 120)
  list(APPEND problems "run --frames: ${count} frame files, wanted 120")
endif()
foreach(file frame-000001.png frame-000120.png contact-sheet.png notes.txt)
  if(NOT EXISTS ${frames}/${file})
    list(APPEND problems "run --frames: ${file} missing")
  endif()
endforeach()
if(NOT out MATCHES "frames: 120 in [^\n]*frames\n" OR NOT out MATCHES "contact sheet: [^\n]*contact-sheet.png \\(1 marked frames\\)")
  list(APPEND problems "run --frames: stdout does not say where the frames and the sheet are")
endif()
# Not a terminal: plain lines, every hundred frames.
if(NOT err MATCHES "progress: frame 100, line 12 of 17\n" OR err MATCHES "\r")
  list(APPEND problems "run --frames: no plain progress line on stderr")
endif()

preview(ARGS run ${scenario} --size 640)
if(NOT status EQUAL 2 OR NOT err MATCHES "--size '640' is not WxH")
  list(APPEND problems "run --size 640: no usage error")
endif()
preview(ARGS run ${scenario} --frames ${frames}/notes.txt)
if(NOT status EQUAL 2 OR NOT err MATCHES "cannot make the frames folder")
  list(APPEND problems "run --frames onto a file: no error")
endif()
preview(ARGS run ${scenario} --backdrop ${SOURCE}/fixtures/frames.vtx)
if(NOT status EQUAL 2 OR NOT err MATCHES "--backdrop: .*does not decode")
  list(APPEND problems "run --backdrop with no picture: no error")
endif()

# check-skin --json gives a tool an object it can parse even for a folder
# that is not there, with the exit status of a missing folder.
preview(ARGS check-skin ${WORK}/no-such-skin --json)
string(JSON error ERROR_VARIABLE parseError GET "${out}" error)
string(JSON willDraw ERROR_VARIABLE drawError GET "${out}" willDraw)
if(NOT status EQUAL 2 OR parseError OR drawError OR NOT error STREQUAL "no such folder" OR willDraw)
  list(APPEND problems "check-skin --json on a missing folder: exit ${status}, not a JSON object saying so")
endif()

preview(ENV --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=SDL_VIDEODRIVER ARGS window)
string(REGEX MATCHALL "\n" lines "${err}")
list(LENGTH lines lineCount)
if(status EQUAL 0 OR NOT lineCount EQUAL 1 OR NOT err MATCHES "^vantrix-preview: window: no display")
  list(APPEND problems "window without a display: not one line and a failure")
endif()

if(problems)
  list(JOIN problems "\n  " text)
  message(FATAL_ERROR "problems:\n  ${text}")
endif()
