#include "runtime/number_parse.hpp"

#include "runtime/characters.hpp"
#include "runtime/digit_grouping.hpp"
#include "runtime/float_text.hpp"
#include "runtime/run_time_error.hpp"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <span>
#include <string>
#include <vector>

namespace korvala::runtime {

namespace {

using characters::isDigit;
using characters::isHexDigit;
using characters::isOctalDigit;

constexpr int kBitsPerOctalDigit = 3;
constexpr int kBitsPerHexDigit = 4;
constexpr unsigned kNibbleMask = 0xF;
// Far beyond any exponent that still matters, yet far from overflowing an int64.
constexpr std::int64_t kExponentCeiling = std::int64_t{1} << 40;
// Checking where the grouping symbols stand takes time that grows with the square of their
// number. More than this many always make a number beyond the double range (over 309
// digits), so reading stops there, and a hostile text cannot stall the program.
constexpr std::size_t kMostGroupingSymbols = 512;

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

std::string withoutBlanks(std::string_view text) {
    std::string compact;
    compact.reserve(text.size());
    std::copy_if(text.begin(), text.end(), std::back_inserter(compact),
                 [](char c) { return !isBlank(c); });
    return compact;
}

std::string_view leadingRun(std::string_view text, bool (*accepts)(char)) {
    std::size_t length = 0;
    while (length < text.size() && accepts(text[length])) {
        ++length;
    }
    return text.substr(0, length);
}

std::string_view withoutLeadingZeros(std::string_view digits) {
    return digits.substr(std::min(digits.find_first_not_of('0'), digits.size()));
}

double wholeFromHexDigits(std::string_view hexDigits) {
    if (hexDigits.empty()) {
        return 0.0;
    }
    const float_text::ReadResult result = float_text::readHex(hexDigits);
    if (!result && result.error().reason == float_text::ReadError::OutOfRange) {
        throw RunTimeError(ErrorNumber::Overflow);
    }
    return result ? result->value : 0.0;
}

// Octal digits become hexadecimal ones bit for bit, so the hexadecimal reading rounds them.
std::string octalToHex(std::string_view octalDigits) {
    std::string hex;
    hex.reserve(octalDigits.size() * kBitsPerOctalDigit / kBitsPerHexDigit + 1);
    unsigned bits = 0;
    int bitCount = 0;
    for (std::size_t i = octalDigits.size(); i-- > 0;) {
        bits |= static_cast<unsigned>(octalDigits[i] - '0') << bitCount;
        bitCount += kBitsPerOctalDigit;
        while (bitCount >= kBitsPerHexDigit) {
            hex.push_back("0123456789abcdef"[bits & kNibbleMask]);
            bits >>= kBitsPerHexDigit;
            bitCount -= kBitsPerHexDigit;
        }
    }
    if (bitCount > 0) {
        hex.push_back("0123456789abcdef"[bits & kNibbleMask]);
    }
    std::reverse(hex.begin(), hex.end());
    return hex;
}

// Reads a decimal number from the start of a blank-free text.
class DecimalReader {
public:
    DecimalReader(std::string_view text, const NumberSettings& settings)
        : text_(text), settings_(settings) {}

    // The bytes of the number read; 0 where the text holds none.
    [[nodiscard]] std::size_t length() const { return pos_; }

    double read() {
        readSign();
        const bool continues = readIntegerPart();
        if (continues) {
            readFraction();
        }
        if (integerDigits_.empty() && fractionDigits_.empty()) {
            pos_ = 0;
            return 0.0;
        }
        if (continues) {
            readExponent();
        }
        return convert();
    }

private:
    [[nodiscard]] bool at(std::string_view symbol) const {
        return !symbol.empty() && text_.substr(pos_).starts_with(symbol);
    }
    [[nodiscard]] bool digitAt(std::size_t pos) const {
        return pos < text_.size() && isDigit(text_[pos]);
    }

    void readSign() {
        if (pos_ < text_.size() && (text_[pos_] == '+' || text_[pos_] == '-')) {
            negative_ = text_[pos_] == '-';
            ++pos_;
            // The conversion takes a minus sign but no plus sign.
            numberBegin_ = negative_ ? 0 : pos_;
        }
    }

    std::string_view readDigits() {
        const std::string_view digits = leadingRun(text_.substr(pos_), isDigit);
        pos_ += digits.size();
        return digits;
    }

    [[nodiscard]] bool groupingEnabled() const {
        return !settings_.groupSymbol.empty() && !settings_.groupSizes.empty();
    }

    // True when the number may go on after the integer part; false when a grouping symbol out
    // of place ended it. A period out of place as a grouping symbol is the decimal point.
    bool readIntegerPart() {
        const std::size_t first = pos_;
        const std::string_view leading = readDigits();
        if (leading.empty() || !groupingEnabled()) {
            integerDigits_ = leading;
            return true;
        }
        std::vector<std::size_t> segmentEnds{pos_};
        std::vector<std::size_t> segmentSizes{leading.size()};
        while (segmentSizes.size() <= kMostGroupingSymbols && at(settings_.groupSymbol) &&
               digitAt(pos_ + settings_.groupSymbol.size())) {
            pos_ += settings_.groupSymbol.size();
            segmentSizes.push_back(readDigits().size());
            segmentEnds.push_back(pos_);
        }
        std::size_t kept = segmentSizes.size();
        while (kept > 1 && !groupedAsFormatted({segmentSizes.data(), kept})) {
            --kept;
        }
        pos_ = segmentEnds[kept - 1];
        if (kept == 1) {
            integerDigits_ = leading;
        } else {
            asWritten_ = false;
            ownedIntegerDigits_.reserve(pos_ - first);
            std::copy_if(text_.begin() + static_cast<std::ptrdiff_t>(first),
                         text_.begin() + static_cast<std::ptrdiff_t>(pos_),
                         std::back_inserter(ownedIntegerDigits_), isDigit);
            integerDigits_ = ownedIntegerDigits_;
        }
        return kept == segmentSizes.size() || text_[pos_] == '.';
    }

    [[nodiscard]] bool groupedAsFormatted(std::span<const std::size_t> sizes) const {
        std::size_t digitCount = 0;
        for (const std::size_t size : sizes) {
            digitCount += size;
        }
        const GroupLayout layout =
            layoutOf(digitCount, settings_.groupSizes, settings_.lastGroupRepeats);
        if (sizes.size() != layout.groupsAfter + 1 || sizes[0] != layout.leadingGroup) {
            return false;
        }
        for (std::size_t i = 1; i < sizes.size(); ++i) {
            if (sizes[i] != groupSizeAt(settings_.groupSizes, layout.groupsAfter - i)) {
                return false;
            }
        }
        return true;
    }

    void readFraction() {
        if (pos_ < text_.size() && text_[pos_] == '.') {
            ++pos_;
        } else if (settings_.decimalSymbol != "." && at(settings_.decimalSymbol)) {
            pos_ += settings_.decimalSymbol.size();
            asWritten_ = false;
        } else {
            return;
        }
        fractionDigits_ = readDigits();
    }

    void readExponent() {
        if (pos_ >= text_.size() || (text_[pos_] != 'E' && text_[pos_] != 'e')) {
            return;
        }
        std::size_t digitsAt = pos_ + 1;
        const bool hasSign =
            digitsAt < text_.size() && (text_[digitsAt] == '+' || text_[digitsAt] == '-');
        if (hasSign) {
            ++digitsAt;
        }
        if (!digitAt(digitsAt)) {
            return;
        }
        exponentNegative_ = hasSign && text_[digitsAt - 1] == '-';
        pos_ = digitsAt;
        exponentDigits_ = readDigits();
    }

    // The number as the conversion reads it: the text itself where it is already in that form.
    [[nodiscard]] std::string normalised() const {
        std::string number;
        number.reserve(integerDigits_.size() + fractionDigits_.size() + exponentDigits_.size() + 4);
        if (negative_) {
            number += '-';
        }
        number += integerDigits_.empty() ? std::string_view("0") : integerDigits_;
        if (!fractionDigits_.empty()) {
            number += '.';
            number += fractionDigits_;
        }
        if (!exponentDigits_.empty()) {
            number += exponentNegative_ ? "e-" : "e";
            number += exponentDigits_;
        }
        return number;
    }

    [[nodiscard]] double convert() const {
        const std::string built = asWritten_ ? std::string() : normalised();
        const std::string_view number =
            asWritten_ ? text_.substr(numberBegin_, pos_ - numberBegin_) : std::string_view(built);
        const float_text::ReadResult result = float_text::readDecimal(number);
        if (!result && result.error().reason == float_text::ReadError::OutOfRange) {
            if (decimalMagnitude() > 0) {
                throw RunTimeError(ErrorNumber::Overflow);
            }
            return negative_ ? -0.0 : 0.0;
        }
        return result ? result->value : 0.0;
    }

    // Roughly the power of ten of the number: enough to tell an overflow, above 1e308, from an
    // underflow, below 1e-323, which the conversion reports alike.
    [[nodiscard]] std::int64_t decimalMagnitude() const {
        const std::string_view significant = withoutLeadingZeros(integerDigits_);
        std::int64_t magnitude = 0;
        if (!significant.empty()) {
            magnitude = static_cast<std::int64_t>(significant.size());
        } else {
            magnitude = -static_cast<std::int64_t>(
                std::min(fractionDigits_.find_first_not_of('0'), fractionDigits_.size()));
        }
        std::int64_t exponent = 0;
        for (const char digit : exponentDigits_) {
            exponent = std::min(exponent * 10 + (digit - '0'), kExponentCeiling);
        }
        return magnitude + (exponentNegative_ ? -exponent : exponent);
    }

    std::string_view text_;
    const NumberSettings& settings_;
    std::size_t pos_ = 0;
    std::size_t numberBegin_ = 0;
    bool asWritten_ = true; // no grouping symbol skipped, no regional decimal symbol read
    bool negative_ = false;
    std::string_view integerDigits_;
    std::string ownedIntegerDigits_;
    std::string_view fractionDigits_;
    std::string_view exponentDigits_;
    bool exponentNegative_ = false;
};

} // namespace

LeadingNumber parseLeadingNumberAndRest(std::string_view text, const NumberSettings& settings) {
    std::string compact = withoutBlanks(text);
    const std::string_view rest = compact;
    if (rest.size() >= 2 && rest[0] == '&') {
        const std::string_view digits = rest.substr(2);
        if (rest[1] == 'H' || rest[1] == 'h') {
            const std::string_view hexDigits = leadingRun(digits, isHexDigit);
            return {wholeFromHexDigits(withoutLeadingZeros(hexDigits)),
                    compact.substr(2 + hexDigits.size()), true};
        }
        if (rest[1] == 'O' || rest[1] == 'o') {
            const std::string_view octalDigits = leadingRun(digits, isOctalDigit);
            return {wholeFromHexDigits(octalToHex(withoutLeadingZeros(octalDigits))),
                    compact.substr(2 + octalDigits.size()), true};
        }
    }
    DecimalReader reader(rest, settings);
    const double value = reader.read();
    return {value, compact.substr(reader.length()), reader.length() > 0};
}

double parseLeadingNumber(std::string_view text, const NumberSettings& settings) {
    return parseLeadingNumberAndRest(text, settings).value;
}

} // namespace korvala::runtime
