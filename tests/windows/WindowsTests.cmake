# The Windows suite runs under Wine. The unit test program exports the host functions, so the
# same program is the host when it runs under the name VARLUNE.exe or KESTRIN.exe, and no host
# at all under its own name. Each copy gets the plug-in DLL beside it.
set(NK_WINE_DIR ${CMAKE_BINARY_DIR}/wine)
# Each build has a prefix of its own architecture; programs a 64-bit program starts are
# started by the 64-bit loader.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(NK_WINE_ARCH "WINEARCH=win64" "WINELOADER=${WINE_PROGRAM}")
  set(NK_PE_FORMAT pei-x86-64)
else()
  set(NK_WINE_ARCH "WINEARCH=win32")
  set(NK_PE_FORMAT pei-i386)
endif()
set(NK_WINE_ENVIRONMENT
    "WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix"
    ${NK_WINE_ARCH}
    "WINEDEBUG=-all"
    "WINEDLLOVERRIDES=mscoree,mshtml=")

add_custom_command(TARGET unit_tests POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E make_directory ${NK_WINE_DIR}/as-varlune ${NK_WINE_DIR}/as-kestrin
          ${NK_WINE_DIR}/without-host
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:unit_tests> ${NK_WINE_DIR}/as-varlune/VARLUNE.exe
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:unit_tests> ${NK_WINE_DIR}/as-kestrin/KESTRIN.exe
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:unit_tests> ${NK_WINE_DIR}/without-host/unit_tests.exe
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:QMStaffSetPanel> ${NK_WINE_DIR}/as-varlune/
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:QMStaffSetPanel> ${NK_WINE_DIR}/as-kestrin/
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:QMStaffSetPanel> ${NK_WINE_DIR}/without-host/
  VERBATIM)

# Alone: while another Wine program shows windows in the same display, that program can hold
# the activation, and the windows these tests make are not activated as they expect.
function(nk_wine_test name directory program expectHost)
  add_test(NAME ${name} COMMAND ${WINE_PROGRAM} ${program} ${ARGN}
           WORKING_DIRECTORY ${NK_WINE_DIR}/${directory})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "${NK_WINE_ENVIRONMENT};NK_EXPECT_HOST=${expectHost}" TIMEOUT 600
    FIXTURES_REQUIRED wine_unmanaged_windows RUN_SERIAL TRUE)
endfunction()

if(NOT WINE_PROGRAM)
  # CI must not pass without the Windows suite; ./run installs Wine before it configures.
  add_test(NAME windows_suite_needs_wine COMMAND ${CMAKE_COMMAND} -E false)
  return()
endif()

# Wine takes top-level windows for windows a window manager looks after, and the test display
# has none: each window destroyed waits two seconds for it, and a window folded below its
# caption is grown back to a client area one pixel high. Windows Wine manages itself do
# neither, as the substitute does not; the setting stays in the prefix.
add_test(NAME windows_unmanaged_windows
         COMMAND ${WINE_PROGRAM} reg add "HKCU\\Software\\Wine\\X11 Driver" /v Managed /d N /f)
set_tests_properties(windows_unmanaged_windows PROPERTIES
  ENVIRONMENT "${NK_WINE_ENVIRONMENT}" FIXTURES_SETUP wine_unmanaged_windows)

nk_wine_test(windows_unit_tests as-varlune VARLUNE.exe VARLUNE)
nk_wine_test(windows_binding_kestrin as-kestrin KESTRIN.exe KESTRIN
             --gtest_filter=WindowsHostBinding.*)
nk_wine_test(windows_binding_without_host without-host unit_tests.exe NONE
             --gtest_filter=WindowsHostBinding.*)

add_test(NAME windows_dll_exports
         COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/windows/check-dll-exports.sh
                 ${CMAKE_OBJDUMP} ${NK_PE_FORMAT} $<TARGET_FILE:QMStaffSetPanel>)

add_test(NAME windows_demo_handshake COMMAND ${WINE_PROGRAM} $<TARGET_FILE:VARLUNE>
         WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
set_tests_properties(windows_demo_handshake PROPERTIES
  ENVIRONMENT "${NK_WINE_ENVIRONMENT}"
  PASS_REGULAR_EXPRESSION "Menu text: +\"QM Staff Set Panel\\.\\.\\.\"")

add_test(NAME windows_demo_score_tour COMMAND ${WINE_PROGRAM} $<TARGET_FILE:score-tour>
         WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
set_tests_properties(windows_demo_score_tour PROPERTIES
  ENVIRONMENT "${NK_WINE_ENVIRONMENT}"
  PASS_REGULAR_EXPRESSION "1   Brass and Low Brass +4 +Horn in F 1"
  FAIL_REGULAR_EXPRESSION "FAILED")

# The interactive host driven by real X input (xdotool) in the display the suite runs in.
add_test(NAME windows_try_real_input
         COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/windows/try-real-input.sh ${WINE_PROGRAM}
                 $<TARGET_FILE:VARLUNE> ${CMAKE_CURRENT_SOURCE_DIR}/windows/try-real-input.expected
                 ${CMAKE_BINARY_DIR}/try-real-input
         WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
set_tests_properties(windows_try_real_input PROPERTIES
  ENVIRONMENT "${NK_WINE_ENVIRONMENT}" SKIP_RETURN_CODE 77 TIMEOUT 120
  FIXTURES_REQUIRED wine_unmanaged_windows RUN_SERIAL TRUE)
