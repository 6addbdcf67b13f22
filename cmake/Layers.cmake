# The module's folders as layers, lowest first. A file may include headers of its own folder and of
# the folders before it in this list, never of one after it: the include check (CheckLayers.cmake)
# and the build order of src/ both read this list.
set(QUORVEL_LAYERS base hostlink data gpc chart report resources grid components workbench shell)

# Where each layer's files live: resources/ sits beside src/ because it also holds data files.
function(quorvel_layer_folder layer out)
  if(layer STREQUAL "resources")
    set(${out} resources PARENT_SCOPE)
  else()
    set(${out} src/${layer} PARENT_SCOPE)
  endif()
endfunction()
