# A header-only library from the host's Debian package, as the INTERFACE target `target`. A
# native build takes the package's own CMake target (`imported`, found through `package`); a
# cross build may use the host's copy too, but only the library's own folder (the first part of
# `header`, such as nlohmann for nlohmann/json.hpp) is put on its include path, never the host's
# /usr/include. (Emscripten leaves the host prefixes off its search path, hence /usr/include.)
function(korvala_header_only_library target package version imported header)
    add_library(${target} INTERFACE)
    find_package(${package} ${version} QUIET)
    if(${package}_FOUND AND NOT CMAKE_CROSSCOMPILING)
        target_link_libraries(${target} INTERFACE ${imported})
        return()
    endif()
    string(REGEX REPLACE "/.*" "" folder ${header})
    find_path(${target}_include ${header} PATHS /usr/include REQUIRED NO_CMAKE_FIND_ROOT_PATH)
    set(copy ${CMAKE_BINARY_DIR}/third_party/include)
    file(COPY ${${target}_include}/${folder} DESTINATION ${copy})
    target_include_directories(${target} SYSTEM INTERFACE ${copy})
endfunction()
