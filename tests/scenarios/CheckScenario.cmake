# Runs one scenario through the simulated host and compares its transcript with the one
# checked in beside it. Called by ctest as
#   cmake -DRUNNER="prog;args" -DSCENARIO=x.scenario -DEXPECTED=x.expected -DACTUAL=out.txt -P ...
# A transcript that differs fails the test and is left in ACTUAL, with the difference shown.
# Under Wine (RUNNER starts with Wine's loader) add -DDISPLAY_PREFIX=display-prefix.sh: a
# scenario that sets the display's scale then runs in a prefix at that scale.
separate_arguments(RUNNER_ARGS UNIX_COMMAND "${RUNNER}")
set(nk_display_scenario ${SCENARIO})
include(${CMAKE_CURRENT_LIST_DIR}/../windows/UseDisplayPrefix.cmake)
execute_process(COMMAND ${RUNNER_ARGS} --script ${SCENARIO}
                OUTPUT_VARIABLE transcript ERROR_VARIABLE errors RESULT_VARIABLE result)
# Under Wine the program's text-mode output ends its lines with CR LF.
string(REPLACE "\r" "" transcript "${transcript}")
file(WRITE ${ACTUAL} "${transcript}")
if(errors)
  message("${errors}")
endif()
if(NOT EXISTS ${EXPECTED})
  message(FATAL_ERROR "no expected transcript ${EXPECTED}; this run's is in ${ACTUAL}")
endif()
file(READ ${EXPECTED} expected)
if(NOT transcript STREQUAL expected)
  execute_process(COMMAND diff -u ${EXPECTED} ${ACTUAL})
  message(FATAL_ERROR "the transcript differs from ${EXPECTED}")
endif()
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the runner stopped: exit code ${result}")
endif()
