# Cross-compiling for 32-bit Windows with Debian's MinGW-w64.
set(KORVALA_MINGW_ARCH i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)

# The x87 unit keeps 80-bit intermediates and would round twice; SSE2 rounds every double
# operation once, as on every other platform.
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
