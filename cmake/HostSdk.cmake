# The host's own plugin SDK, named by VTX_HOST_SDK_DIR: its headers (include/,
# holding bakkesmod/...) and its import library (pluginsdk.lib, in lib/ or
# in the folder itself). The plugin links vtx::hostsdk, so the same sources
# build against this or against the stand-in (host/include and pluginsdk).
if(NOT WIN32)
  message(FATAL_ERROR "VTX_HOST_SDK_DIR: the host loads Windows DLLs only; configure the msvc-host preset on Windows")
endif()
if(NOT MSVC)
  # Its wrappers are exported C++ classes passing std::string, std::shared_ptr
  # and std::function: only Microsoft's ABI and runtime can call them.
  message(WARNING "VTX_HOST_SDK_DIR: the host's SDK is built with MSVC; a ${CMAKE_CXX_COMPILER_ID} plugin cannot link or run against it")
endif()

set(VTX_HOST_SDK_INCLUDE_DIR ${VTX_HOST_SDK_DIR}/include)
if(NOT EXISTS ${VTX_HOST_SDK_INCLUDE_DIR}/bakkesmod/plugin/bakkesmodplugin.h)
  message(FATAL_ERROR "VTX_HOST_SDK_DIR: no include/bakkesmod/plugin/bakkesmodplugin.h in ${VTX_HOST_SDK_DIR}")
endif()
find_library(VTX_HOST_SDK_LIBRARY NAMES pluginsdk PATHS ${VTX_HOST_SDK_DIR}/lib ${VTX_HOST_SDK_DIR}
             NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
if(NOT VTX_HOST_SDK_LIBRARY)
  message(FATAL_ERROR "VTX_HOST_SDK_DIR: no pluginsdk import library in ${VTX_HOST_SDK_DIR}/lib or ${VTX_HOST_SDK_DIR}")
endif()
message(STATUS "Host SDK: ${VTX_HOST_SDK_INCLUDE_DIR}, ${VTX_HOST_SDK_LIBRARY}")

# Imported, so its headers are system headers: their warnings are not ours.
add_library(vtx::hostsdk UNKNOWN IMPORTED)
set_target_properties(vtx::hostsdk PROPERTIES
  IMPORTED_LOCATION ${VTX_HOST_SDK_LIBRARY}
  INTERFACE_INCLUDE_DIRECTORIES ${VTX_HOST_SDK_INCLUDE_DIR})
