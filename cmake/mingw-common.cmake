# What the 32-bit and the 64-bit Windows cross-builds share; the toolchain file of each sets
# NK_MINGW_TRIPLET and NK_WINE_LOADER first. The -posix compilers are needed because
# GoogleTest uses std::mutex, which the win32-threads variant lacks.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${NK_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${NK_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${NK_MINGW_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${NK_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Wine's own loader for the architecture, not the "wine" script: the script always starts
# the 32-bit loader when it is installed, which fails on a kernel that runs no 32-bit code.
find_program(WINE_PROGRAM ${NK_WINE_LOADER} PATHS /usr/lib/wine NO_DEFAULT_PATH)
if(WINE_PROGRAM)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${WINE_PROGRAM})
endif()
