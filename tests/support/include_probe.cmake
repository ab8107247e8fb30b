# Compiles one include as a source of LAYER would, with that layer's include path, and checks
# that it builds (EXPECT=builds) or fails because the header is out of the layer's sight
# (EXPECT=unseen).
# The compiler's messages in English, whatever the tester's language: "No such file" is read below.
set(ENV{LC_ALL} C)
unset(ENV{LANGUAGE})
string(MAKE_C_IDENTIFIER "${HEADER}" id)
set(probe ${WORK}/probe-${LAYER}-${id}.cpp)
file(WRITE ${probe} "#include \"${HEADER}\"\n")
execute_process(COMMAND ${COMPILER} -std=c++20 -fsyntax-only -I${LAYERS}/${LAYER} ${probe}
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(EXPECT STREQUAL "builds" AND NOT rc EQUAL 0)
  message(FATAL_ERROR "${LAYER} cannot include ${HEADER}:\n${err}")
elseif(EXPECT STREQUAL "unseen" AND (rc EQUAL 0 OR NOT err MATCHES "No such file"))
  message(FATAL_ERROR "${LAYER} should not see ${HEADER}, but:\n${out}${err}")
endif()
