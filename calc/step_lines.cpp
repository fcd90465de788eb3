#include "calc/step_lines.hpp"

#include "calc/exact_text.hpp"
#include "runtime/number_format.hpp"

#include <cstdint>
#include <optional>
#include <string_view>

namespace korvala::calc {

namespace {

// The symbol a byte of a formula stands for. Byte by byte is safe: every byte of π, √, ², · and
// − is above 0x7F, and no digit or other ASCII character of a formula is a letter.
std::optional<Symbol> symbolAt(char c) {
    for (std::size_t i = 0; i < kSymbolCount; ++i) {
        const auto symbol = static_cast<Symbol>(i);
        if (letterOf(symbol).front() == c) {
            return symbol;
        }
    }
    return std::nullopt;
}

std::string substituted(std::string_view formula, const SymbolValues& values,
                        const runtime::NumberSettings& settings) {
    std::string text;
    for (const char c : formula) {
        if (const std::optional<Symbol> symbol = symbolAt(c)) {
            text += runtime::formatWithoutTrailingZeros(values[indexOf(*symbol)], settings);
        } else {
            text += c;
        }
    }
    return text;
}

constexpr std::int64_t kSevenDecimals = 10'000'000;

} // namespace

bool decimalsAreExact(const ExactValue& value) {
    const std::span<const Term> terms = value.terms();
    if (value.isNone() || terms.size() > 1) {
        return false;
    }
    if (terms.empty()) {
        return true;
    }
    const Term& term = terms.front();
    return term.piPower == 0 && term.radicand == 1 &&
           kSevenDecimals % term.coefficient.denominator == 0;
}

std::vector<StepLine> stepLines(std::span<const Step> steps, const SymbolValues& values,
                                const ExactSymbolValues& exact,
                                const runtime::NumberSettings& settings) {
    std::vector<StepLine> lines;
    for (const Step& step : steps) {
        const std::size_t i = indexOf(step.symbol);
        std::string text(letterOf(step.symbol));
        text += " = ";
        text += step.formula;
        text += " = ";
        text += substituted(step.formula, values, settings);
        text += " = ";
        if (const std::optional<std::string> form = schoolText(exact[i]);
            form && !decimalsAreExact(exact[i])) {
            text += *form;
            text += " ≈ ";
        }
        text += runtime::formatSevenDecimals(values[i], settings);
        lines.push_back({step.symbol, std::move(text)});
    }
    return lines;
}

} // namespace korvala::calc
