# Renders one tune through the game's mixer and encodes it as Ogg Vorbis:
#   cmake -DRENDER=... -DSOUNDFONT=... -DSOURCE=tune.mid -DLEVEL=dB -DOGGENC=... -DQUALITY=q
#         -DSERIAL=n -DOUTPUT=tune.ogg -P render.cmake
# The stream's serial number is given, so that the same tune gives the same bytes every build.
set(wav "${OUTPUT}.wav")
execute_process(
  COMMAND "${RENDER}" "${SOUNDFONT}" "${SOURCE}" "${LEVEL}" "${wav}"
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  file(REMOVE "${wav}")
  message(FATAL_ERROR "could not render ${SOURCE}")
endif()
execute_process(
  COMMAND "${OGGENC}" --quiet --quality "${QUALITY}" --serial "${SERIAL}" --output "${OUTPUT}" "${wav}"
  RESULT_VARIABLE result)
file(REMOVE "${wav}")
if(NOT result EQUAL 0)
  file(REMOVE "${OUTPUT}")
  message(FATAL_ERROR "oggenc could not encode ${SOURCE}")
endif()
