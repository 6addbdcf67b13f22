# Every header of the module compiles on its own: one generated source file per header includes just
# that header, and the object library of those files is part of the build. A header that leans on an
# include its users happened to make before it fails here, not in the next engineer's new file.
include(${CMAKE_CURRENT_LIST_DIR}/Layers.cmake)

set(sources "")
foreach(layer IN LISTS QUORVEL_LAYERS)
  quorvel_layer_folder(${layer} folder)
  file(GLOB headers RELATIVE ${PROJECT_SOURCE_DIR}/${folder} CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.h)
  foreach(header IN LISTS headers)
    string(REGEX REPLACE "\\.h$" "" stem "${header}")
    set(source ${CMAKE_BINARY_DIR}/header_check/${layer}/${stem}.cpp)
    file(CONFIGURE OUTPUT ${source} CONTENT "#include \"${layer}/${header}\"\n")
    list(APPEND sources ${source})
  endforeach()
endforeach()

add_library(quorvel_header_check OBJECT ${sources})
target_link_libraries(quorvel_header_check PRIVATE quorvel_core quorvel_ui quorvel_resources_ui)
