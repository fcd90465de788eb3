# Runs korvala-calc on a request file and compares its output, and its exit status, with the
# expected ones. Variables: CLI, REQUESTS, EXPECTED, EXPECTED_STATUS, ARGS (a list).
execute_process(
    COMMAND ${CLI} ${ARGS}
    INPUT_FILE ${REQUESTS}
    OUTPUT_VARIABLE actual
    RESULT_VARIABLE status)
file(READ ${EXPECTED} expected)
if(NOT status STREQUAL EXPECTED_STATUS)
    message(FATAL_ERROR "exit status ${status}, expected ${EXPECTED_STATUS}")
endif()
if(NOT actual STREQUAL expected)
    message(FATAL_ERROR "output differs.\n--- expected\n${expected}\n--- actual\n${actual}")
endif()
