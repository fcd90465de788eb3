// One request line of korvala-calc: {"type": 0..8, "texts": [5 strings], "checks": [5 of 0/1]}.
// A line that is not exactly such an object (another member, a member twice, a NUL byte
// anywhere, escaped ones included) is invalid, with a message that says why; reading a line
// never throws.
#pragma once

#include "calc/calculation.hpp"

#include <array>
#include <string>
#include <string_view>
#include <tl/expected.hpp>

namespace korvala::cli {

struct Request {
    calc::ProblemType type = calc::ProblemType::RH;
    std::array<std::string, calc::kQuantityCount> texts;
    std::array<bool, calc::kQuantityCount> checks{};

    // Views into this request's texts: valid while the request lives.
    [[nodiscard]] calc::CalculationInput input() const;
};

struct InvalidRequest {
    std::string message;
};

[[nodiscard]] tl::expected<Request, InvalidRequest> parseRequest(std::string_view line);

} // namespace korvala::cli
