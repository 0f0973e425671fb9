# The plugin's objects must build from the host's SDK alone, so that building
# for the real host is a matter of pointing at its SDK. Checks, from the
# build's compile_commands.json, that every object of vantrix_objects (the
# stand-in platform layer aside, which reads the stand-in's machine) is
# compiled with no include folder but the plugin's own, the SDK's and
# Dear ImGui's, and that the SDK-shaped folder holds nothing but bakkesmod/.
#   cmake -DCOMPILE_COMMANDS=... -DSOURCE_DIR=... -DSDK_INCLUDE_DIR=... -DIMGUI_DIR=... -P CheckPluginIncludes.cmake
cmake_minimum_required(VERSION 3.25)

set(problems)
file(GLOB children LIST_DIRECTORIES true RELATIVE ${SDK_INCLUDE_DIR} ${SDK_INCLUDE_DIR}/*)
if(NOT children STREQUAL "bakkesmod")
  list(APPEND problems "${SDK_INCLUDE_DIR} must hold only bakkesmod/, holds: ${children}")
endif()

file(REAL_PATH ${SOURCE_DIR}/src plugin_dir)
file(REAL_PATH ${SDK_INCLUDE_DIR} sdk_dir)
file(REAL_PATH ${IMGUI_DIR} imgui_dir)
set(allowed ${plugin_dir} ${sdk_dir} ${imgui_dir})

file(READ ${COMPILE_COMMANDS} json)
string(JSON count LENGTH "${json}")
math(EXPR last "${count} - 1")
set(checked 0)
foreach(i RANGE ${last})
  string(JSON source GET "${json}" ${i} file)
  string(JSON command GET "${json}" ${i} command)
  if(NOT command MATCHES " -o [^ ]*vantrix_objects\\.dir/" OR source MATCHES "/src/platform/standin/")
    continue()
  endif()
  math(EXPR checked "${checked} + 1")
  # Windows builds pass the include folders in response files.
  string(JSON directory GET "${json}" ${i} directory)
  string(REGEX MATCHALL " @[^ ]+" responses "${command}")
  foreach(response IN LISTS responses)
    string(STRIP "${response}" response)
    string(SUBSTRING "${response}" 1 -1 response)
    file(READ ${directory}/${response} text)
    string(REPLACE "\n" " " text "${text}")
    # Folders in response files are quoted.
    string(REPLACE "\"" "" text "${text}")
    string(APPEND command " ${text}")
  endforeach()
  string(REGEX MATCHALL "(^| )(-I|-isystem |-iquote |-idirafter |/I|-external:I)[^ ]+" flags "${command}")
  foreach(flag IN LISTS flags)
    string(REGEX REPLACE "^ ?(-I|-isystem |-iquote |-idirafter |/I|-external:I)" "" folder "${flag}")
    file(REAL_PATH ${folder} folder)
    if(NOT folder IN_LIST allowed)
      list(APPEND problems "${source} sees ${folder}")
    endif()
  endforeach()
endforeach()
if(checked EQUAL 0)
  list(APPEND problems "no object of vantrix_objects in ${COMPILE_COMMANDS}")
endif()

if(problems)
  list(REMOVE_DUPLICATES problems)
  string(REPLACE ";" "\n" problems "${problems}")
  message(FATAL_ERROR "${problems}")
endif()
message("${checked} plugin objects compile from src, the SDK's headers and Dear ImGui only")
