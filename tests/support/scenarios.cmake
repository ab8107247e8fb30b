# The golden scenarios as tests: each scenarios/NAME.script is played by DRIVER (the driver, or a
# launcher of it) and its output compared with the NAME.expected beside it, in a test named
# PREFIX.NAME. Those named en-* are played in English, the others in Japanese, whatever the
# tester's locale.
function(verminadia_scenario_tests prefix driver)
  file(GLOB scripts CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/scenarios/*.script)
  foreach(script IN LISTS scripts)
    get_filename_component(name ${script} NAME_WE)
    set(language ja)
    if(name MATCHES "^en-")
      set(language en)
    endif()
    add_test(NAME ${prefix}.${name}
      COMMAND ${CMAKE_COMMAND} -DDRIVER=${driver} -DSCRIPT=${script} -DLANGUAGE=${language}
              -P ${PROJECT_SOURCE_DIR}/tests/support/run_scenario.cmake)
  endforeach()
endfunction()
