# Runs ddcdiag on CASE.in and compares its output with CASE.expected.
if(CASE MATCHES "^run-(.*)$")
  set(args run --sim ${MONITORS}/${CMAKE_MATCH_1}.txt)
else()
  set(args ${CASE})
endif()
execute_process(COMMAND ${TOOL} ${args} INPUT_FILE ${DIR}/${CASE}.in
                OUTPUT_VARIABLE actual RESULT_VARIABLE rc)
file(READ ${DIR}/${CASE}.expected expected)
if(NOT actual STREQUAL expected)
  file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/${CASE}.actual "${actual}")
  message(FATAL_ERROR "ddcdiag ${CASE}: output differs (exit ${rc}); got:\n${actual}")
endif()
