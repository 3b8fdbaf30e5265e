# Cross-build for 32-bit Windows with MinGW-w64, run under Wine's 32-bit loader.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(NK_MINGW_TRIPLET i686-w64-mingw32)
set(NK_WINE_LOADER wine)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
