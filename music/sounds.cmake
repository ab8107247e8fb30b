# The table of every sound (sounds.tsv), read once for every build: music/sounds.h in the build
# folder gives the game its players, their meanings, loops and levels (core has the folder on its
# include path), and three lists in step, one entry a row, tell music/ what files to make:
#   VERMINADIA_SOUND_KINDS    tune or effect
#   VERMINADIA_SOUND_SOURCES  a tune's music/tunes/SOURCE.abc, or an effect's recipe name
#   VERMINADIA_SOUND_FILES    the file made, in the build folder
#   VERMINADIA_SOUND_LEVELS   a tune's own level in dB (0 for an effect)
#   VERMINADIA_SOUND_PLAYED   the file the game plays: a tune rendered to .ogg, an effect itself
# Needs no sound tools, so the browser's build makes the header too.
block(PROPAGATE VERMINADIA_SOUND_KINDS VERMINADIA_SOUND_SOURCES VERMINADIA_SOUND_FILES VERMINADIA_SOUND_LEVELS
                VERMINADIA_SOUND_PLAYED)
  set(table "${CMAKE_CURRENT_LIST_DIR}/sounds.tsv")
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${table}")
  file(STRINGS "${table}" rows ENCODING UTF-8 REGEX "^[^#]")

  # What each column may hold.
  set(columns meanings player file kind source loop level length)
  set(valid_meanings "^[A-Z][A-Za-z0-9]*(,[A-Z][A-Za-z0-9]*)*$")
  set(valid_player "^MediaPlayer[0-9]+$")
  set(valid_file "^[^\"/\\]+$")
  set(valid_kind "^(tune|effect)$")
  set(valid_source "^[A-Za-z0-9-]+$")
  set(valid_loop "^([1-9][0-9]*|-)$")
  set(valid_level "^(-?[0-9]+(\\.[0-9]+)?|-)$")
  set(valid_length "^([0-9.]+-[0-9.]+|-)$")

  set(VERMINADIA_SOUND_KINDS)
  set(VERMINADIA_SOUND_SOURCES)
  set(VERMINADIA_SOUND_FILES)
  set(VERMINADIA_SOUND_LEVELS)
  set(VERMINADIA_SOUND_PLAYED)
  set(players)
  set(player_count 0)
  set(player_rows)
  set(tune_constants)
  set(effect_constants)
  foreach(row IN LISTS rows)
    string(REPLACE "\t" ";" fields "${row}")
    list(LENGTH fields n)
    if(NOT n EQUAL 8)
      message(FATAL_ERROR "music/sounds.tsv: \"${row}\" has ${n} columns, not 8 separated by tabs")
    endif()
    foreach(column value IN ZIP_LISTS columns fields)
      if(NOT value MATCHES "${valid_${column}}")
        message(FATAL_ERROR "music/sounds.tsv: \"${row}\": \"${value}\" is no ${column}")
      endif()
      set(${column} "${value}")
    endforeach()
    set(output "${CMAKE_BINARY_DIR}/${file}")
    if(player IN_LIST players OR output IN_LIST VERMINADIA_SOUND_FILES)
      message(FATAL_ERROR "music/sounds.tsv: ${player} or \"${file}\" is in two rows")
    endif()
    list(APPEND players ${player})

    if(kind STREQUAL "tune")
      set(source "${CMAKE_CURRENT_LIST_DIR}/tunes/${source}.abc")
      if(NOT file MATCHES "\\.mid$" OR level STREQUAL "-" OR NOT EXISTS "${source}")
        message(FATAL_ERROR "music/sounds.tsv: ${player}: a tune is a .mid file with a level, "
                            "composed from a tunes/SOURCE.abc that is there")
      endif()
    elseif(NOT file MATCHES "\\.wav$" OR NOT loop STREQUAL "-" OR NOT level STREQUAL "-")
      message(FATAL_ERROR "music/sounds.tsv: ${player}: an effect is a .wav file, never looped, "
                          "at the effects' gain")
    endif()
    list(APPEND VERMINADIA_SOUND_KINDS ${kind})
    list(APPEND VERMINADIA_SOUND_SOURCES "${source}")
    list(APPEND VERMINADIA_SOUND_FILES "${output}")
    string(REGEX REPLACE "\\.mid$" ".ogg" played "${file}")
    list(APPEND VERMINADIA_SOUND_PLAYED "${CMAKE_BINARY_DIR}/${played}")

    if(loop STREQUAL "-")
      set(loop 0)
    endif()
    if(level STREQUAL "-")
      set(level 0)
    endif()
    list(APPEND VERMINADIA_SOUND_LEVELS ${level})
    string(APPEND player_rows
      "    PlayerDef{Player{${player_count}}, \"${player}\", \"${file}\", ${loop}, ${level}, \"${played}\"},\n")
    string(REPLACE "," ";" meanings "${meanings}")
    foreach(meaning IN LISTS meanings)
      string(APPEND ${kind}_constants
        "inline constexpr Player ${meaning}{${player_count}};  // ${player}, ${file}\n")
    endforeach()
    math(EXPR player_count "${player_count} + 1")
  endforeach()
  configure_file("${CMAKE_CURRENT_LIST_DIR}/sounds.h.in" "${CMAKE_BINARY_DIR}/generated/music/sounds.h" @ONLY)
endblock()
