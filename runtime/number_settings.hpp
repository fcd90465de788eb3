// Regional number settings: how numbers are written for the user.
//
// A plain value, so the code that formats or parses a number is handed the settings explicitly
// and never looks at the process locale. Symbols are UTF-8 and may be several bytes long
// (U+00A0, U+202F and U+2019 are real grouping symbols). groupSizes lists the sizes of the digit
// groups from the decimal symbol leftwards, the last size repeating ({3} gives 1,234,567 and
// {3, 2} gives 12,34,567) unless lastGroupRepeats is false (then {3} gives 1234,567); an empty
// list or an empty groupSymbol means no grouping. The format
// and the parse accept any value without failing; unambiguous() tells the settings whose
// numbers could not be read back as written, which the program refuses to use. Failures are
// returned: std::optional where nothing more is to be said, otherwise tl::expected with why.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <tl/expected.hpp>
#include <vector>

namespace korvala::runtime {

// The five ways of writing a negative number, numbered as regional settings number them.
enum class NegativeForm : int {
    Parentheses = 0,        // (1.1)
    LeadingMinus = 1,       // -1.1
    LeadingMinusBlank = 2,  // - 1.1
    TrailingMinus = 3,      // 1.1-
    TrailingMinusBlank = 4, // 1.1 -
};

// The negative form numbered `number`, or nothing for a number that names none.
[[nodiscard]] constexpr std::optional<NegativeForm> negativeFormAt(long long number) {
    if (number < 0 || number > static_cast<int>(NegativeForm::TrailingMinusBlank)) {
        return std::nullopt;
    }
    return static_cast<NegativeForm>(number);
}

struct NumberSettings {
    std::string decimalSymbol = ".";
    std::string groupSymbol;
    std::vector<int> groupSizes;
    bool lastGroupRepeats = true;
    bool leadingZero = true;
    NegativeForm negativeForm = NegativeForm::LeadingMinus;

    friend bool operator==(const NumberSettings&, const NumberSettings&) = default;
};

// The settings of the POSIX locale: decimal period, no grouping, leading zero, leading minus.
[[nodiscard]] inline NumberSettings posixNumberSettings() {
    return {};
}

// Reads group sizes written as "3", "3;2" or "3;2;0" (a final 0 only marks the last size as
// repeating, which it always is here); "", "0" and "none" mean no grouping (no sizes). Nothing
// for anything else.
[[nodiscard]] std::optional<std::vector<int>> parseGroupSizes(std::string_view text);

// Why numbers written with some settings could be misread, in a sentence for the user.
struct Ambiguity {
    std::string why;

    friend bool operator==(const Ambiguity&, const Ambiguity&) = default;
};

// The settings themselves when numbers written with them cannot be misread, otherwise why they
// could. The decimal symbol and a grouping symbol must each be one to three characters of
// valid UTF-8 with no digit, sign, E, &, period (unless the symbol is the period itself) or
// control character in them; the decimal symbol holds no blank, and a grouping symbol is either
// a single blank (the parse drops blanks, so the digits join up) or holds none. The two differ
// and neither begins with the other; group sizes are 1 to 9 and the negative form is one of
// the five.
[[nodiscard]] tl::expected<NumberSettings, Ambiguity> unambiguous(NumberSettings settings);

// The settings themselves when they are unambiguous; otherwise the same with the decimal
// period and no grouping, which always are.
[[nodiscard]] NumberSettings unambiguousOrFallback(NumberSettings settings);

} // namespace korvala::runtime
