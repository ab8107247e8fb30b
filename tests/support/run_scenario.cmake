# Plays SCRIPT with DRIVER and compares the output with the .expected file beside the script.
# The expected file holds the driver's standard output, then "exit N" on a line of its own.
# LANGUAGE is the language it is played in.
get_filename_component(dir ${SCRIPT} DIRECTORY)
get_filename_component(name ${SCRIPT} NAME_WE)
execute_process(COMMAND ${CMAKE_COMMAND} -E env LANGUAGE=${LANGUAGE} ${DRIVER} ${SCRIPT}
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
set(actual "${out}exit ${rc}\n")
file(READ ${dir}/${name}.expected expected)
if(NOT actual STREQUAL expected)
  file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/${name}.actual "${actual}")
  message(FATAL_ERROR "${name}: output differs from ${name}.expected\n--- expected\n${expected}--- actual\n${actual}--- stderr\n${err}")
endif()
