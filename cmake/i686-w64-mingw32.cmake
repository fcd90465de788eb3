# Cross-compiling for 32-bit Windows with Debian's MinGW-w64; the programs it builds run under
# Wine.
set(KORVALA_MINGW_ARCH i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)

# The x87 unit keeps 80-bit intermediates and would round twice; SSE2 rounds every double
# operation once, as on every other platform.
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")

# Wine's 32-bit loader runs the programs it builds (the tests among them).
find_program(KORVALA_WINE32 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH NO_DEFAULT_PATH)
if(KORVALA_WINE32)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${KORVALA_WINE32})
endif()
