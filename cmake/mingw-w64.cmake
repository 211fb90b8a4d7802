# Cross-builds for Windows with MinGW-w64 (the posix-thread compilers of
# Debian). Set MINGW_TARGET (i686 or x86_64) in the file that includes this.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${MINGW_TARGET})

set(MINGW_TRIPLET ${MINGW_TARGET}-w64-mingw32)
set(CMAKE_C_COMPILER ${MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Static runtime libraries, so that the executable runs without any DLL
# beside it; stripped, so that the executable the tests run is the one shipped.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -s")
