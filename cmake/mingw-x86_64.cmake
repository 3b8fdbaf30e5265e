# Cross-build for 64-bit Windows with MinGW-w64, run under Wine's 64-bit loader.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(NK_MINGW_TRIPLET x86_64-w64-mingw32)
set(NK_WINE_LOADER wine64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
