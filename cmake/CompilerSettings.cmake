# Warnings are errors, and floating point stays strict IEEE 754: every operation is rounded on
# its own (no fused multiply-add, no reassociation), which the results depend on to the last
# digit.
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    add_compile_options(-Wall -Wextra -Wpedantic -Werror -ffp-contract=off -fno-fast-math)
elseif(MSVC)
    add_compile_options(/W4 /WX /fp:precise /utf-8)
endif()
