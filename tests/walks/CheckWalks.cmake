# Runs random walks from a fixed seed through the simulated host, each checked against the
# host's records, and compares every walk's line (its actions, checks and transcript
# fingerprint) with the one checked in: the same walk must give the same transcript on every
# build. Called by ctest as
#   cmake -DRUNNER="prog;args" -DSEED=n -DCOUNT=n -DDPI=n -DEXPECTED=file -DOUTPUT=dir
#         [-DDISPLAY_PREFIX=display-prefix.sh] -P CheckWalks.cmake
# The walks run on a display at DPI dots per inch; under Wine, in a prefix at that scale. A
# failing walk is shrunk and saved in OUTPUT; the output names it.
cmake_policy(SET CMP0057 NEW)
separate_arguments(RUNNER_ARGS UNIX_COMMAND "${RUNNER}")
file(MAKE_DIRECTORY ${OUTPUT})
set(nk_display_scenario ${OUTPUT}/display.scenario)
file(WRITE ${nk_display_scenario} "display ${DPI} dpi\n")
include(${CMAKE_CURRENT_LIST_DIR}/../windows/UseDisplayPrefix.cmake)
execute_process(COMMAND ${RUNNER_ARGS} --walks ${SEED} ${COUNT} --display ${DPI}
                        --failures ${OUTPUT}
                OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE result)
string(REPLACE "\r" "" output "${output}")
file(WRITE ${OUTPUT}/walks.txt "${output}")
message("${output}${errors}")
if(NOT result EQUAL 0)
  message(FATAL_ERROR "a walk failed (exit code ${result}); see above and ${OUTPUT}")
endif()
file(STRINGS ${EXPECTED} expected REGEX "^walk ")
string(REGEX MATCHALL "walk [^\n]*" ran "${output}")
list(LENGTH ran count)
if(NOT count EQUAL COUNT)
  message(FATAL_ERROR "${count} walks ran, not ${COUNT}")
endif()
foreach(line ${ran})
  if(NOT line IN_LIST expected)
    message(FATAL_ERROR "this walk's transcript differs from the one in ${EXPECTED}:\n  ${line}")
  endif()
endforeach()
