#include "calc/step_lines.hpp"

#include "runtime/number_format.hpp"

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

} // namespace

std::vector<StepLine> stepLines(std::span<const Step> steps, const SymbolValues& values,
                                const ExactForms& approximated,
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
        if (const std::optional<std::string>& form = approximated[i]) {
            text += *form;
            text += " ≈ ";
        }
        text += runtime::formatSevenDecimals(values[i], settings);
        lines.push_back({step.symbol, std::move(text)});
    }
    return lines;
}

} // namespace korvala::calc
