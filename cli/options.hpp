// Command-line options of korvala-calc. Any option that sets a part of the number settings
// makes the settings explicit: they start from the POSIX ones and take what the options say, and
// settings that could be misread (see unambiguous()) are refused. Without such options the
// user's regional settings apply.
#pragma once

#include "runtime/number_settings.hpp"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <tl/expected.hpp>

namespace korvala::cli {

// --problems N [--seed S] [--level L]: N practice problems, made from the seeds S, S + 1, ...
// at level L, instead of answering requests.
struct ProblemsWanted {
    int count = 1;          // 1 to form::kMostProblemsAtOnce (form/practice.hpp)
    std::uint32_t seed = 1; // any 32-bit number
    int level = 1;          // 1 to 3
};

struct Options {
    std::optional<runtime::NumberSettings> settings; // empty: the user's regional settings
    std::optional<ProblemsWanted> problems;
    bool help = false;
    bool version = false;
};

struct OptionsError {
    std::string message;
};

// Reads the arguments after the program name; the first bad one is the error.
[[nodiscard]] tl::expected<Options, OptionsError>
parseOptions(std::span<const std::string_view> arguments);

[[nodiscard]] std::string_view usageText();

} // namespace korvala::cli
