# Run as a build step: fails when a source of LAYER includes a project folder that is not in
# ALLOWED (the layer itself and the layers below it). Arguments: LAYER, ALLOWED (";"-list),
# FILES (";"-list), STAMP.
cmake_policy(VERSION 3.25)
foreach(file IN LISTS FILES)
  file(STRINGS "${file}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[a-z]+/")
  foreach(line IN LISTS includes)
    string(REGEX MATCH "\"([a-z]+)/" _ "${line}")
    set(folder "${CMAKE_MATCH_1}")
    if(NOT folder IN_LIST ALLOWED)
      message(FATAL_ERROR "${file}: the ${LAYER} layer may not include ${folder}/ "
                          "(allowed: ${ALLOWED})")
    endif()
  endforeach()
endforeach()
file(TOUCH "${STAMP}")
