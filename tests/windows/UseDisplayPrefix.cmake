# Included by the scripts that run the simulated host: under Wine (DISPLAY_PREFIX names
# display-prefix.sh), points WINEPREFIX at the prefix whose display has the scale that the
# scenario file nk_display_scenario sets, made the first time. RUNNER_ARGS starts with
# Wine's loader.
if(DISPLAY_PREFIX)
  list(GET RUNNER_ARGS 0 wine)
  execute_process(COMMAND sh ${DISPLAY_PREFIX} ${wine} ${nk_display_scenario}
                  OUTPUT_VARIABLE prefix OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE made
                  ERROR_VARIABLE why)
  if(NOT made EQUAL 0)
    message(FATAL_ERROR "no Wine prefix for the display of ${nk_display_scenario}: ${why}")
  endif()
  set(ENV{WINEPREFIX} "${prefix}")
endif()
