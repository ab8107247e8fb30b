# Included by ctest after every folder's tests (see CMakeLists.txt here). Each test gets a home of
# its own, emptied at each run, with the XDG folders where they are in a home, so that no test
# reads or writes the tester's own settings, session record, caches, display or sound server, and
# GoogleTest's temporary folder is the test's own too; and its labels. A test's own ENVIRONMENT
# comes first; these are applied after it. (TMPDIR stays: the sockets the scripts make in their
# temporary folders must keep their paths short.)
# Every process a test starts inherits VERMINADIA_TESTS, this build's test homes: after the tests,
# processes.none_left (tests/support/nothing_left.sh), which every test requires as the cleanup
# of a fixture, finds by it any process a test left running, ends it and fails.
# A GoogleTest case has a time limit here: 300 s, 900 s if slow. A named test has its own TIMEOUT,
# or the build folder's default (tests/support/CMakeLists.txt).

# Labels, for `ctest -L` and `ctest -LE`: a test takes the labels of every line whose pattern
# matches it. A GoogleTest case is matched as EXECUTABLE/CASE.
#   quick          the rules, the scenarios, the catalogue and the mixer, without a window or a
#                  sound server: seconds in all (make check)
#   window         the real window: offscreen, and the real program under a virtual X server
#   screen-reader  the window over a real accessibility bus
#   orca           the game played by keyboard with the Orca screen reader listening (make orca-test)
#   sound          the mixer, the sound output, a real sound server, the game's own sound files
#   package        the install, the Debian package, the menu entry, metainfo and manual page
#   layers         each layer sees the folders below it and no others
#   slow           ten seconds or more each
#   once           what no build setting changes (files, tools, the fuzzers' own build): CI runs
#                  them once, not again under the sanitizers
set(verminadia_test_labels
  "^verminadia-(|town-|arena-|ending-|monkey-|language-|audio-|frontend-)tests/"  quick
  "^scenario\\."                                  quick
  "^catalogue\\."                                 quick,once
  "^processes\\.none_left$"                        quick
  "^verminadia-desktop-tests/"                    window
  "^window\\."                                    window
  "^window\\.screen_reader$"                      screen-reader
  "^window\\.orca$"                               screen-reader,orca,slow
  "^window\\.orca_stopped$"                       screen-reader,orca,slow
  "^verminadia-audio(-thread)?-tests/"            sound
  "^audio\\."                                     sound
  "^sounds$"                                      sound,once
  "^audio\\.fuzz_short$"                          once
  "^driver\\.hostile_input$"                     quick
  "^driver\\.fuzz_short$"                         slow,once
  "^session\\.fuzz_short$"                        slow,once
  "^dist\\."                                      package,once
  "^layers\\."                                    layers,once
  "^(audio\\.(fuzz_short|levels|real_path|system_sound)|sounds|window\\.scaled_under_xvfb)$"  slow
  "^dist\\.(package|unpacked_deb)$"               slow
  "/GameLanguage\\.RandomSessionsInAnotherLanguage"  slow)

function(verminadia_settle test key)
  set(gtest_case ${ARGN})
  set(labels)
  set(rules ${verminadia_test_labels})
  while(rules)
    list(POP_FRONT rules pattern these)
    if(key MATCHES "${pattern}")
      string(REPLACE "," ";" these "${these}")
      list(APPEND labels ${these})
    endif()
  endwhile()
  if(NOT labels)
    message(WARNING "The test ${key} has no label: give it one in tests/support/each_test.cmake")
  endif()
  # GoogleTest's parameter comment ("  # GetParam() = ...") is part of a case's name here.
  string(REGEX REPLACE "  #.*" "" folder "${test}")
  string(REGEX REPLACE "[^A-Za-z0-9._-]" "_" folder "${folder}")
  set(home "${verminadia_test_home}/${folder}")
  file(REMOVE_RECURSE "${home}")
  # A runtime folder is the user's alone, or Qt and the sound server refuse it.
  file(MAKE_DIRECTORY "${home}/runtime" "${home}/tmp")
  file(CHMOD "${home}/runtime" DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
  set(environment
    HOME=set:${home}
    XDG_CONFIG_HOME=set:${home}/.config
    XDG_STATE_HOME=set:${home}/.local/state
    XDG_DATA_HOME=set:${home}/.local/share
    XDG_CACHE_HOME=set:${home}/.cache
    XDG_RUNTIME_DIR=set:${home}/runtime
    TEST_TMPDIR=set:${home}/tmp
    DBUS_SESSION_BUS_ADDRESS=set:disabled:
    DISPLAY=unset:
    WAYLAND_DISPLAY=unset:
    PULSE_SERVER=unset:)
  if(test STREQUAL "processes.none_left")
    set_tests_properties("${test}" PROPERTIES FIXTURES_CLEANUP verminadia_processes)
  else()
    list(APPEND environment "VERMINADIA_TESTS=set:${verminadia_test_home}")
    set_tests_properties("${test}" PROPERTIES FIXTURES_REQUIRED verminadia_processes)
  endif()
  if(gtest_case)
    set(limit 300)
    list(FIND labels slow slow)
    if(slow GREATER -1)
      set(limit 900)
    endif()
    set_tests_properties("${test}" PROPERTIES TIMEOUT ${limit})
  endif()
  set_tests_properties("${test}" PROPERTIES LABELS "${labels}" ENVIRONMENT_MODIFICATION "${environment}")
endfunction()

foreach(test IN LISTS verminadia_named_tests)
  verminadia_settle("${test}" "${test}")
endforeach()
foreach(executable IN LISTS verminadia_test_executables)
  if(DEFINED ${executable}_TESTS)
    foreach(test IN LISTS ${executable}_TESTS)
      verminadia_settle("${test}" "${executable}/${test}" gtest_case)
    endforeach()
  else()
    # Not built: its one stand-in test fails, under the labels its cases would have.
    verminadia_settle("${executable}_NOT_BUILT" "${executable}/")
  endif()
endforeach()
