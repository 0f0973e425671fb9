# The Windows build puts the plugin beside the skin packs in the host's folder
# layout, so that <build>/bakkesmod is exactly what a player copies.
if(WIN32)
  add_custom_command(OUTPUT ${VTX_HOST_TREE}/plugins/vantrix.dll
    COMMAND ${CMAKE_COMMAND} -E make_directory ${VTX_HOST_TREE}/plugins
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:vantrix> ${VTX_HOST_TREE}/plugins/
    DEPENDS vantrix
    COMMENT "Copying the plugin into ${VTX_HOST_TREE}/plugins"
    VERBATIM)
  add_custom_target(host_tree_plugin ALL DEPENDS ${VTX_HOST_TREE}/plugins/vantrix.dll)
endif()
