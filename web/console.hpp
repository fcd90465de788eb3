// Where the page's programs put a warning about settings that cannot be used: the browser's
// console, through standard error.
#pragma once

#include <cstdio>
#include <string_view>

namespace korvala::web {

inline void writeToConsole(std::string_view warning) {
    (void)std::fwrite(warning.data(), 1, warning.size(), stderr);
}

} // namespace korvala::web
