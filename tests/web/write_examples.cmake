# Runs the examples' writer (under the cross build's emulator) into the JSON file the page's
# tests read. -DEMULATOR= (a list, may be empty) -DPROGRAM= -DOUTPUT=
execute_process(COMMAND ${EMULATOR} ${PROGRAM} OUTPUT_FILE ${OUTPUT}.new RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    file(REMOVE ${OUTPUT}.new)
    message(FATAL_ERROR "${PROGRAM} failed: ${status}")
endif()
file(RENAME ${OUTPUT}.new ${OUTPUT})
