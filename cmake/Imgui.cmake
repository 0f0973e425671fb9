# Dear ImGui 1.86 from Debian's source package, unpacked by scripts/setup.sh.
set(VTX_IMGUI_DIR ${CMAKE_SOURCE_DIR}/build/third_party/imgui CACHE PATH "Dear ImGui source folder")
if(NOT EXISTS ${VTX_IMGUI_DIR}/imgui.cpp)
  message(FATAL_ERROR "Dear ImGui source not found in ${VTX_IMGUI_DIR}: run scripts/setup.sh")
endif()

set(VTX_IMGUI_SOURCES
  ${VTX_IMGUI_DIR}/imgui.cpp ${VTX_IMGUI_DIR}/imgui_draw.cpp
  ${VTX_IMGUI_DIR}/imgui_tables.cpp ${VTX_IMGUI_DIR}/imgui_widgets.cpp)

# The plugin's own copy, hidden inside the plugin library as a real plugin's is.
add_library(imgui_plugin STATIC ${VTX_IMGUI_SOURCES})
target_include_directories(imgui_plugin PUBLIC ${VTX_IMGUI_DIR})
set_target_properties(imgui_plugin PROPERTIES CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
# Third-party code: its warnings are not ours to fix.
target_compile_options(imgui_plugin PRIVATE -w)

# The host's copy, which owns the context it hands to plugins.
add_library(imgui_host STATIC ${VTX_IMGUI_SOURCES})
target_include_directories(imgui_host PUBLIC ${VTX_IMGUI_DIR})
target_compile_options(imgui_host PRIVATE -w)
if(WIN32)
  target_compile_definitions(imgui_host PUBLIC "IMGUI_API=__declspec(dllexport)")
endif()
