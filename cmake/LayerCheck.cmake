# The core layers from the bottom up. A file of one layer may include only
# headers of its own layer or of the layers before it in this list.
set(DIZ_CORE_LAYERS text model catalog mapfile random)

# Makes building target fail when a file of folder includes a header of a
# later layer or of a front end.
function(diz_forbid_upward_includes target folder)
  list(FIND DIZ_CORE_LAYERS ${folder} index)
  math(EXPR last "${index}")
  set(allowed "")
  foreach(i RANGE 0 ${last})
    list(GET DIZ_CORE_LAYERS ${i} layer)
    list(APPEND allowed ${layer})
  endforeach()
  file(GLOB files CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${folder}/*.h ${CMAKE_SOURCE_DIR}/${folder}/*.cpp)
  set(stamp ${CMAKE_CURRENT_BINARY_DIR}/layer-check-${folder}.stamp)
  string(REPLACE ";" "," allowed_text "${allowed}")
  add_custom_command(OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} -DFOLDER=${CMAKE_SOURCE_DIR}/${folder} -DALLOWED=${allowed_text}
            -DSTAMP=${stamp} -P ${CMAKE_SOURCE_DIR}/cmake/CheckLayerIncludes.cmake
    DEPENDS ${files} ${CMAKE_SOURCE_DIR}/cmake/CheckLayerIncludes.cmake
    COMMENT "Checking that ${folder}/ includes only its own and lower layers"
    VERBATIM)
  add_custom_target(${target}_layer_check DEPENDS ${stamp})
  add_dependencies(${target} ${target}_layer_check)
endfunction()
