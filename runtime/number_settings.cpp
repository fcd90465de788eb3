#include "runtime/number_settings.hpp"

#include "runtime/characters.hpp"
#include "runtime/utf8.hpp"

#include <algorithm>
#include <string>
#include <utility>

namespace korvala::runtime {

namespace {

// Larger groups than this are not a real regional setting, only a way to make text huge.
constexpr int kLargestGroup = 9;
// Both platforms allow at most three characters; a value box of seven could not show more.
constexpr std::size_t kLongestSymbol = 3;
constexpr unsigned char kFirstPrintable = 0x20;
constexpr unsigned char kDelete = 0x7F;

bool isControl(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < kFirstPrintable || byte == kDelete;
}

// Characters a number itself is made of, or that the parse reads as part of one.
bool readsAsNumber(char c) {
    return characters::isDigit(c) || c == '+' || c == '-' || c == 'E' || c == 'e' || c == '&';
}

// The reason a symbol could be misread, if it could. Symbols that are not valid UTF-8 or hold
// control characters are not quoted in it.
std::optional<std::string_view> symbolFault(std::string_view symbol, bool blankAlone) {
    if (symbol.empty()) {
        return "is empty";
    }
    if (!utf8::isValid(symbol)) {
        return "is not valid UTF-8";
    }
    if (std::any_of(symbol.begin(), symbol.end(), isControl)) {
        return "holds a control character";
    }
    if (utf8::characterCount(symbol) > kLongestSymbol) {
        return "is longer than three characters";
    }
    if (std::any_of(symbol.begin(), symbol.end(), readsAsNumber)) {
        return "holds a digit, a sign, E or &";
    }
    if (symbol != "." && symbol.find('.') != std::string_view::npos) {
        return "holds a period";
    }
    if (!(blankAlone && symbol == " ") && symbol.find(' ') != std::string_view::npos) {
        return "holds a blank";
    }
    return std::nullopt;
}

std::optional<std::string> whySymbolAmbiguous(std::string_view role, std::string_view symbol,
                                              bool blankAlone) {
    const std::optional<std::string_view> fault = symbolFault(symbol, blankAlone);
    if (!fault) {
        return std::nullopt;
    }
    std::string why(role);
    if (utf8::isValid(symbol) && !std::any_of(symbol.begin(), symbol.end(), isControl) &&
        !symbol.empty()) {
        why.append(" \"").append(symbol).append("\"");
    }
    why.append(" ").append(*fault);
    return why;
}

} // namespace

std::optional<std::vector<int>> parseGroupSizes(std::string_view text) {
    if (text.empty() || text == "none") {
        return std::vector<int>{};
    }
    std::vector<int> sizes;
    std::size_t pos = 0;
    while (pos <= text.size()) {
        const std::size_t end = std::min(text.find(';', pos), text.size());
        const std::string_view field = text.substr(pos, end - pos);
        const std::optional<int> size =
            field.size() == 1 ? characters::digitValue(field[0]) : std::nullopt;
        if (!size || *size > kLargestGroup) {
            return std::nullopt;
        }
        sizes.push_back(*size);
        pos = end + 1;
    }
    if (!sizes.empty() && sizes.back() == 0) {
        sizes.pop_back();
    }
    if (std::find(sizes.begin(), sizes.end(), 0) != sizes.end()) {
        return std::nullopt;
    }
    return sizes;
}

tl::expected<NumberSettings, Ambiguity> unambiguous(NumberSettings settings) {
    if (auto why = whySymbolAmbiguous("the decimal symbol", settings.decimalSymbol, false)) {
        return tl::make_unexpected(Ambiguity{std::move(*why)});
    }
    if (!negativeFormAt(static_cast<int>(settings.negativeForm))) {
        return tl::make_unexpected(Ambiguity{"the negative form is not one of 0 to 4"});
    }
    if (settings.groupSymbol.empty()) {
        return settings;
    }
    if (auto why = whySymbolAmbiguous("the grouping symbol", settings.groupSymbol, true)) {
        return tl::make_unexpected(Ambiguity{std::move(*why)});
    }
    const std::string_view decimal = settings.decimalSymbol;
    const std::string_view group = settings.groupSymbol;
    if (decimal.starts_with(group) || group.starts_with(decimal)) {
        return tl::make_unexpected(
            Ambiguity{"the decimal and grouping symbols cannot be told apart"});
    }
    if (std::any_of(settings.groupSizes.begin(), settings.groupSizes.end(),
                    [](int size) { return size < 1 || size > kLargestGroup; })) {
        return tl::make_unexpected(Ambiguity{"a group size is not one of 1 to 9"});
    }
    return settings;
}

NumberSettings unambiguousOrFallback(NumberSettings settings) {
    if (unambiguous(settings)) {
        return settings;
    }
    NumberSettings fallback = posixNumberSettings();
    fallback.leadingZero = settings.leadingZero;
    fallback.negativeForm = settings.negativeForm;
    if (!unambiguous(fallback)) {
        fallback.negativeForm = NegativeForm::LeadingMinus;
    }
    return fallback;
}

} // namespace korvala::runtime
