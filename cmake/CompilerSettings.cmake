# Floating point stays strict IEEE 754: every operation is rounded on its own (no fused
# multiply-add, no reassociation), which the results depend on to the last digit. Warnings are
# errors only where asked (the project's presets and CI), never forced on a packager's compiler.
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    add_compile_options(-Wall -Wextra -Wpedantic -ffp-contract=off -fno-fast-math)
    if(KORVALA_WERROR)
        add_compile_options(-Werror)
    endif()
elseif(MSVC)
    add_compile_options(/W4 /fp:precise /utf-8)
    if(KORVALA_WERROR)
        add_compile_options(/WX)
    endif()
endif()

# Ninja would run more compile jobs than there are cores; a small machine then swaps.
cmake_host_system_information(RESULT korvala_cores QUERY NUMBER_OF_LOGICAL_CORES)
set_property(GLOBAL APPEND PROPERTY JOB_POOLS korvala_jobs=${korvala_cores})
set(CMAKE_JOB_POOL_COMPILE korvala_jobs)
set(CMAKE_JOB_POOL_LINK korvala_jobs)
