# Dear ImGui: the host's own 1.75 (third_party/imgui), which the plugin, the
# stand-in host and the preview all compile. A build may point VTX_IMGUI_DIR at
# another copy of the same files (for example the SDK's unzipped imgui_bm.zip).
set(VTX_IMGUI_DIR ${CMAKE_SOURCE_DIR}/third_party/imgui CACHE PATH "Dear ImGui source folder (the host's 1.75)")
if(NOT EXISTS ${VTX_IMGUI_DIR}/imgui.cpp)
  message(FATAL_ERROR "Dear ImGui source not found in ${VTX_IMGUI_DIR}")
endif()

# Item hooks let the stand-in host see every widget a plugin draws (the
# preview's click, type and drag). They are compiled into both copies of Dear
# ImGui; a build against the real host's SDK turns them off, since the real
# host's Dear ImGui has none.
option(VTX_IMGUI_TEST_HOOKS "Build Dear ImGui with item hooks for the stand-in host" ON)

set(VTX_IMGUI_SOURCES ${VTX_IMGUI_DIR}/imgui.cpp ${VTX_IMGUI_DIR}/imgui_draw.cpp ${VTX_IMGUI_DIR}/imgui_widgets.cpp)

# What every user of Dear ImGui's headers must agree on.
add_library(imgui_headers INTERFACE)
target_include_directories(imgui_headers SYSTEM INTERFACE ${VTX_IMGUI_DIR})
if(VTX_IMGUI_TEST_HOOKS)
  target_compile_definitions(imgui_headers INTERFACE IMGUI_ENABLE_TEST_ENGINE)
endif()

function(vtx_imgui_library name)
  add_library(${name} STATIC ${VTX_IMGUI_SOURCES})
  target_link_libraries(${name} PUBLIC imgui_headers)
  vtx_third_party(${name})
  if(VTX_IMGUI_TEST_HOOKS)
    target_sources(${name} PRIVATE ${CMAKE_SOURCE_DIR}/host/imgui/ItemHookGlue.cpp)
    target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/host/api)
  endif()
endfunction()

# The plugin's own copy, hidden inside the plugin library as a real plugin's is.
vtx_imgui_library(imgui_plugin)
set_target_properties(imgui_plugin PROPERTIES CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)

if(VTX_HOST_SDK_DIR)
  return() # the host brings its own
endif()

# The stand-in host's copy, which owns the context it hands to plugins.
vtx_imgui_library(imgui_host)
if(WIN32)
  target_compile_definitions(imgui_host PUBLIC "IMGUI_API=__declspec(dllexport)")
endif()
