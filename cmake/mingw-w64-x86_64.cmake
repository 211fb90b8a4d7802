# The 64-bit Windows build that the tests run under Wine.
set(MINGW_TARGET x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
