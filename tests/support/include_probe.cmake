cmake_minimum_required(VERSION 3.25)
# Compiles one include as a source of LAYER is compiled, with the flags its target has (FLAGS, one
# a line as tests/CMakeLists.txt writes them), and checks that it builds (EXPECT=builds) or fails
# because the header itself is out of the layer's sight (EXPECT=unseen). As CMake does, include
# folders outside our own trees (TREES) are the system's, and the compiler's own (IMPLICIT) are
# left to it.
# The compiler's messages in English, whatever the tester's language: "No such file" is read below.
set(ENV{LC_ALL} C)
unset(ENV{LANGUAGE})
string(MAKE_C_IDENTIFIER "${HEADER}" id)
set(probe ${WORK}/probe-${LAYER}-${id}.cpp)
file(WRITE ${probe} "#include \"${HEADER}\"\n")
set(args ${BASE})
file(STRINGS ${FLAGS} flags)
foreach(flag IN LISTS flags)
  string(SUBSTRING "${flag}" 0 1 kind)
  string(SUBSTRING "${flag}" 1 -1 value)
  if(value STREQUAL "" OR (kind STREQUAL "I" AND value IN_LIST IMPLICIT))
    continue()
  elseif(kind STREQUAL "I" AND value MATCHES "^(${TREES})(/|$)")
    list(APPEND args "-I${value}")
  elseif(kind STREQUAL "I")
    list(APPEND args -isystem "${value}")
  elseif(kind STREQUAL "D")
    list(APPEND args "-D${value}")
  else()
    list(APPEND args "${value}")
  endif()
endforeach()
execute_process(COMMAND ${COMPILER} ${args} -fsyntax-only ${probe}
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
# Unseen is the header itself not found: not a header it includes, nor a toolkit's.
string(FIND "${err}" "${HEADER}: No such file" missing)
if(EXPECT STREQUAL "builds" AND NOT rc EQUAL 0)
  message(FATAL_ERROR "${LAYER} cannot include ${HEADER}:\n${err}")
elseif(EXPECT STREQUAL "unseen" AND (rc EQUAL 0 OR missing EQUAL -1))
  message(FATAL_ERROR "${LAYER} should not see ${HEADER}, but:\n${out}${err}")
endif()
