# The shipped data goes beside the executable only where it is missing: a file the program
# saved there survives the next build, and a deleted one comes back.
cmake_policy(VERSION 3.25)
set(from "${WORK}/from")
set(to "${WORK}/to")
file(REMOVE_RECURSE "${WORK}")
file(WRITE "${from}/System/Quorvalen.ini" "shipped")
file(WRITE "${from}/System/ReadOnly.dat" "shipped")
file(WRITE "${to}/System/Quorvalen.ini" "saved by the program")
execute_process(COMMAND ${CMAKE_COMMAND} -DFROM=${from} -DTO=${to} -P ${SCRIPT}
                RESULT_VARIABLE result)
file(READ "${to}/System/Quorvalen.ini" kept)
file(READ "${to}/System/ReadOnly.dat" added)
if(NOT result EQUAL 0 OR NOT kept STREQUAL "saved by the program" OR NOT added STREQUAL "shipped")
  message(FATAL_ERROR "result ${result}, kept '${kept}', added '${added}'")
endif()
