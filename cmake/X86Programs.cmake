# Whether this machine executes 32-bit x86 programs, asked once when the build is configured
# (tools/x86-programs.sh). Some kernels give user space no 32-bit mode: there the x86 build's
# programs and the setup program (32-bit by design, one file for both Windows) cannot run under
# Wine at all, so their tests are reported skipped with the reason instead of failing.
execute_process(COMMAND bash ${PROJECT_SOURCE_DIR}/tools/x86-programs.sh
    RESULT_VARIABLE korvala_x86_status
    OUTPUT_VARIABLE KORVALA_X86_PROGRAMS OUTPUT_STRIP_TRAILING_WHITESPACE)
if(korvala_x86_status EQUAL 0)
    set(KORVALA_X86_TESTS_SKIPPED OFF)
else()
    set(KORVALA_X86_TESTS_SKIPPED ON)
    message(NOTICE "${KORVALA_X86_PROGRAMS}: the tests that run them are reported skipped")
endif()
# Every program of this build is a 32-bit x86 one.
if(WIN32 AND CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
    set(KORVALA_BUILDS_X86_PROGRAMS ON)
else()
    set(KORVALA_BUILDS_X86_PROGRAMS OFF)
endif()

# add_test(NAME name COMMAND command...) for a test that runs a 32-bit x86 program, labelled
# x86-programs on every machine.
function(korvala_add_x86_test name)
    if(KORVALA_X86_TESTS_SKIPPED)
        add_test(NAME ${name} COMMAND ${CMAKE_COMMAND} -E echo "Skipped: ${KORVALA_X86_PROGRAMS}")
        set_tests_properties(${name} PROPERTIES SKIP_REGULAR_EXPRESSION "^Skipped: ")
    else()
        add_test(NAME ${name} COMMAND ${ARGN})
    endif()
    set_tests_properties(${name} PROPERTIES LABELS x86-programs)
endfunction()

# add_test(NAME name COMMAND command...) for a test that runs a program of this build.
function(korvala_add_program_test name)
    if(KORVALA_BUILDS_X86_PROGRAMS)
        korvala_add_x86_test(${name} ${ARGN})
    else()
        add_test(NAME ${name} COMMAND ${ARGN})
    endif()
endfunction()
