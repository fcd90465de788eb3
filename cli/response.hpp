// The JSON line korvala-calc writes for a request: its outcome, or why the line was invalid.
// "texts" are the full seven-decimal texts, "shown" what the window's seven-character value
// boxes show of them, "steps" the lines of the working in the order they were computed.
#pragma once

#include "calc/calculation.hpp"
#include "runtime/number_settings.hpp"

#include <cstddef>
#include <string>
#include <string_view>

namespace korvala::cli {

[[nodiscard]] std::string outcomeLine(const calc::CalculationOutcome& outcome,
                                      const runtime::NumberSettings& settings);

[[nodiscard]] std::string invalidLine(std::size_t lineNumber, std::string_view message);

} // namespace korvala::cli
