# Fails when an include points up the layers of Layers.cmake, or when the reference host includes
# more of the module than its interface and the libraries it may link.
#   cmake -DROOT=<source folder> -P CheckLayers.cmake
# Every offending include is printed on a line of its own: "<file>: includes <header> (<reason>)".
include(${CMAKE_CURRENT_LIST_DIR}/Layers.cmake)

if(NOT ROOT)
  message(FATAL_ERROR "ROOT (the source folder to check) is not set")
endif()

# The folder-qualified includes of one file, as "folder/header" entries.
function(quoted_includes file out)
  file(STRINGS ${file} lines REGEX "^[ \t]*#[ \t]*include[ \t]+\"[a-z_]+/")
  set(found "")
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]+\"([^\"]+)\".*$" "\\1" header "${line}")
    list(APPEND found ${header})
  endforeach()
  set(${out} ${found} PARENT_SCOPE)
endfunction()

set(faults "")

foreach(layer IN LISTS QUORVEL_LAYERS)
  list(FIND QUORVEL_LAYERS ${layer} rank)
  quorvel_layer_folder(${layer} folder)
  file(GLOB_RECURSE files RELATIVE ${ROOT} ${ROOT}/${folder}/*.h ${ROOT}/${folder}/*.cpp ${ROOT}/${folder}/*.c)
  foreach(file IN LISTS files)
    quoted_includes(${ROOT}/${file} headers)
    get_filename_component(here ${ROOT}/${file} DIRECTORY)
    foreach(header IN LISTS headers)
      # A path below the file's own folder (the icons of resources/) is the folder's own.
      if(EXISTS ${here}/${header})
        continue()
      endif()
      string(REGEX REPLACE "/.*$" "" target "${header}")
      list(FIND QUORVEL_LAYERS ${target} targetRank)
      if(targetRank EQUAL -1)
        list(APPEND faults "${file}: includes ${header} (not a layer of the module)")
      elseif(targetRank GREATER rank)
        list(APPEND faults "${file}: includes ${header} (${target} is above ${layer})")
      endif()
    endforeach()
  endforeach()
endforeach()

# The reference host meets the module only through the C interface and its event records; its own
# views may use the data, chart and base libraries.
file(GLOB_RECURSE hostFiles RELATIVE ${ROOT} ${ROOT}/host/*.h ${ROOT}/host/*.cpp)
foreach(file IN LISTS hostFiles)
  quoted_includes(${ROOT}/${file} headers)
  foreach(header IN LISTS headers)
    if(NOT header MATCHES "^(host|base|data|chart)/" AND NOT header MATCHES "^hostlink/(HostApi|AssaysChangedEvent)\\.h$")
      list(APPEND faults "${file}: includes ${header} (the host reaches the module only through its interface)")
    endif()
  endforeach()
endforeach()

if(faults)
  # Plain messages are printed unwrapped, one fault a line.
  foreach(fault IN LISTS faults)
    message("${fault}")
  endforeach()
  list(LENGTH faults count)
  message(FATAL_ERROR "${count} includes against the layers")
endif()
message(STATUS "Every include points down the layers")
