# Compiles one tune: cmake -DABC2MIDI=... -DSOURCE=tune.abc -DOUTPUT=tune.mid -P abc2midi.cmake
# abc2midi exits 0 even when a bar is too long or a voice runs short, and
# such a slip shifts every later bar of that voice. Fail the build on any
# warning instead, so a broken tune never reaches the game.
execute_process(
  COMMAND "${ABC2MIDI}" "${SOURCE}" -o "${OUTPUT}"
  RESULT_VARIABLE result
  OUTPUT_VARIABLE log
  ERROR_VARIABLE log)
if(NOT result EQUAL 0 OR log MATCHES "(Warning|Error|error)")
  file(REMOVE "${OUTPUT}")
  message(FATAL_ERROR "abc2midi failed on ${SOURCE}:\n${log}")
endif()
if(NOT EXISTS "${OUTPUT}")
  message(FATAL_ERROR "abc2midi wrote no ${OUTPUT} from ${SOURCE}:\n${log}")
endif()
