# Cross-compiling for 64-bit Windows with Debian's MinGW-w64; the programs it builds (the tests
# among them) run under Wine.
set(KORVALA_MINGW_ARCH x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)

find_program(KORVALA_WINE64 wine64 PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(KORVALA_WINE64)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${KORVALA_WINE64})
endif()
