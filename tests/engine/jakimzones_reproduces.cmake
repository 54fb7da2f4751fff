# Runs tools/jakimzones on JAKIM's tables and compares its output with the shipped file.
execute_process(COMMAND ${TOOL} ${TABLES} OUTPUT_FILE ${OUT} ERROR_QUIET RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "jakimzones failed: ${rc}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT} ${SHIPPED} RESULT_VARIABLE diff)
if(NOT diff EQUAL 0)
    message(FATAL_ERROR "data/jakim/zones.csv is not what tools/jakimzones writes: compare ${OUT}")
endif()
