# AUTOCONV must finish without a display and with standard input closed: it never opens a
# window and never waits for an answer. Runs the real executable on a copy of the shipped data.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(COPY ${DATA} DESTINATION ${WORK})
file(COPY ${SAMPLES} DESTINATION ${WORK})
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
          QUORVALEN_HOME=${WORK} XDG_RUNTIME_DIR=${WORK} sh -c "exec \"$0\" AUTOCONV <&-" ${PROGRAM}
  TIMEOUT 20
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "AUTOCONV ended with ${status}")
endif()
file(READ ${WORK}/ERR_INFO.TXT result HEX)
# "0 " then the code page 932 bytes of the success message.
if(NOT result MATCHES "^3020")
  message(FATAL_ERROR "AUTOCONV wrote the result ${result}")
endif()
if(NOT EXISTS ${WORK}/samples/sample1_out.nc)
  message(FATAL_ERROR "AUTOCONV wrote no output")
endif()
