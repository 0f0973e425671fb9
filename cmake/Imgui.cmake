# Dear ImGui's sources: Debian's 1.86 source package, unpacked by
# scripts/setup.sh; for the real host, the host's own version.
set(VTX_IMGUI_DIR ${CMAKE_SOURCE_DIR}/build/third_party/imgui CACHE PATH "Dear ImGui source folder")
if(NOT EXISTS ${VTX_IMGUI_DIR}/imgui.cpp)
  message(FATAL_ERROR "Dear ImGui source not found in ${VTX_IMGUI_DIR}: run scripts/setup.sh")
endif()

set(VTX_IMGUI_SOURCES
  ${VTX_IMGUI_DIR}/imgui.cpp ${VTX_IMGUI_DIR}/imgui_draw.cpp
  ${VTX_IMGUI_DIR}/imgui_tables.cpp ${VTX_IMGUI_DIR}/imgui_widgets.cpp)

# The plugin's own copy, hidden inside the plugin library as a real plugin's is.
add_library(imgui_plugin STATIC ${VTX_IMGUI_SOURCES})
target_include_directories(imgui_plugin SYSTEM PUBLIC ${VTX_IMGUI_DIR})
set_target_properties(imgui_plugin PROPERTIES CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
vtx_third_party(imgui_plugin)

if(VTX_HOST_SDK_DIR)
  return() # the host brings its own
endif()

# The stand-in host's copy, which owns the context it hands to plugins.
add_library(imgui_host STATIC ${VTX_IMGUI_SOURCES})
target_include_directories(imgui_host SYSTEM PUBLIC ${VTX_IMGUI_DIR})
vtx_third_party(imgui_host)
if(WIN32)
  target_compile_definitions(imgui_host PUBLIC "IMGUI_API=__declspec(dllexport)")
endif()
