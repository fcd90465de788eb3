#include "calc/exact_reading.hpp"

#include "calc/school_signs.hpp"
#include "runtime/characters.hpp"

#include <cstdint>
#include <limits>
#include <optional>

namespace korvala::calc {

namespace {

using school_signs::kMinus;
using school_signs::kPi;
using school_signs::kRoot;
using school_signs::kSuperscripts;
constexpr std::string_view kMiddleDot = "·";
constexpr std::string_view kTimes = "×";
// The most superscript digits a power takes: more would overflow the exponent.
constexpr std::size_t kMostPowerDigits = 9;
// Decimals whose power of ten an int64 holds.
constexpr std::size_t kMostDecimals = 18;

class Reader {
public:
    Reader(std::string_view text, std::string_view decimalSymbol)
        : text_(text), decimalSymbol_(decimalSymbol) {}

    std::optional<ExactValue> whole() {
        std::optional<ExactValue> value = sum(0);
        skipBlanks();
        if (!value || !text_.empty() || value->isNone()) {
            return std::nullopt;
        }
        return value;
    }

private:
    void skipBlanks() {
        while (!text_.empty() && (text_.front() == ' ' || text_.front() == '\t')) {
            text_.remove_prefix(1);
        }
    }

    // Takes `what` where the text, blanks aside, goes on with it.
    bool take(std::string_view what) {
        skipBlanks();
        if (!text_.starts_with(what)) {
            return false;
        }
        text_.remove_prefix(what.size());
        return true;
    }

    // "pi" in Latin letters of any case.
    [[nodiscard]] bool startsLatinPi() const {
        return text_.size() >= 2 && (text_[0] == 'p' || text_[0] == 'P') &&
               (text_[1] == 'i' || text_[1] == 'I');
    }

    bool takePi() {
        skipBlanks();
        if (startsLatinPi()) {
            text_.remove_prefix(2);
            return true;
        }
        return take(kPi);
    }

    std::optional<ExactValue> sum(int depth) {
        std::optional<ExactValue> total;
        if (take("-") || take(kMinus)) {
            total = product(depth);
            if (total) {
                total = subtract(ExactValue{}, *total);
            }
        } else {
            (void)take("+");
            total = product(depth);
        }
        while (total) {
            if (take("+")) {
                total = combined(*total, product(depth), add);
            } else if (take("-") || take(kMinus)) {
                total = combined(*total, product(depth), subtract);
            } else {
                break;
            }
        }
        return total;
    }

    std::optional<ExactValue> product(int depth) {
        std::optional<ExactValue> total = power(depth);
        while (total) {
            if (take("/")) {
                total = combined(*total, power(depth), divide);
            } else if (take(kMiddleDot) || take("*") || take(kTimes) || startsFactor()) {
                total = combined(*total, power(depth), multiply);
            } else {
                break;
            }
        }
        return total;
    }

    std::optional<ExactValue> power(int depth) {
        const std::optional<ExactValue> base = factor(depth);
        if (!base) {
            return std::nullopt;
        }
        std::size_t digits = 0;
        std::int64_t exponent = 0;
        for (bool more = true; more;) {
            more = false;
            for (std::size_t digit = 0; digit < kSuperscripts.size(); ++digit) {
                if (text_.starts_with(kSuperscripts.at(digit))) {
                    text_.remove_prefix(kSuperscripts.at(digit).size());
                    exponent = exponent * 10 + static_cast<std::int64_t>(digit);
                    more = ++digits <= kMostPowerDigits;
                    if (!more) {
                        return std::nullopt;
                    }
                    break;
                }
            }
        }
        return digits == 0 ? base : std::optional(raised(*base, exponent));
    }

    // By squaring: a power the text can hold takes a few dozen products at most.
    static ExactValue raised(ExactValue base, std::int64_t exponent) {
        ExactValue result = ExactValue::integer(1);
        while (exponent > 0 && !result.isNone()) {
            if (exponent % 2 == 1) {
                result = multiply(result, base);
            }
            base = multiply(base, base);
            exponent /= 2;
        }
        return result;
    }

    bool startsFactor() {
        skipBlanks();
        return !text_.empty() &&
               (runtime::characters::isDigit(text_.front()) || text_.front() == '(' ||
                startsLatinPi() || text_.starts_with(kPi) || text_.starts_with(kRoot));
    }

    std::optional<ExactValue> factor(int depth) {
        if (takePi()) {
            return ExactValue::pi();
        }
        if (take(kRoot)) {
            const std::optional<ExactValue> under = factor(depth);
            return under ? std::optional(squareRoot(*under)) : std::nullopt;
        }
        if (take("(")) {
            if (depth + 1 > kDeepestNesting) {
                return std::nullopt;
            }
            std::optional<ExactValue> inside = sum(depth + 1);
            return inside && take(")") ? inside : std::nullopt;
        }
        return number();
    }

    std::optional<ExactValue> number() {
        skipBlanks();
        constexpr std::int64_t kLargest = std::numeric_limits<std::int64_t>::max();
        std::int64_t numerator = 0;
        std::size_t digits = 0;
        std::size_t decimals = 0;
        bool afterSymbol = false;
        while (!text_.empty()) {
            if (const std::optional<int> digit = runtime::characters::digitValue(text_.front())) {
                if (numerator > (kLargest - *digit) / 10) {
                    return std::nullopt;
                }
                numerator = numerator * 10 + *digit;
                ++digits;
                decimals += afterSymbol ? 1 : 0;
                text_.remove_prefix(1);
            } else if (!afterSymbol && !decimalSymbol_.empty() &&
                       text_.starts_with(decimalSymbol_)) {
                afterSymbol = true;
                text_.remove_prefix(decimalSymbol_.size());
            } else {
                break;
            }
        }
        if (digits == 0 || decimals > kMostDecimals) {
            return std::nullopt;
        }
        std::int64_t denominator = 1;
        for (std::size_t i = 0; i < decimals; ++i) {
            denominator *= 10;
        }
        return ExactValue::fraction(numerator, denominator);
    }

    static std::optional<ExactValue>
    combined(const ExactValue& left, const std::optional<ExactValue>& right,
             ExactValue (*operation)(const ExactValue&, const ExactValue&) noexcept) {
        if (!right) {
            return std::nullopt;
        }
        return operation(left, *right);
    }

    std::string_view text_;
    std::string_view decimalSymbol_;
};

} // namespace

std::string_view answerDecimalSymbol(const runtime::NumberSettings& settings) {
    const std::string_view symbol = settings.decimalSymbol;
    if (symbol.empty()) {
        return ".";
    }
    for (const std::string_view sign :
         {std::string_view("/"), std::string_view("+"), std::string_view("-"),
          std::string_view("*"), std::string_view("("), std::string_view(")"), kPi, kRoot, kMinus,
          kMiddleDot, kTimes}) {
        if (symbol.find(sign) != std::string_view::npos ||
            sign.find(symbol) != std::string_view::npos) {
            return ".";
        }
    }
    return symbol;
}

std::optional<ExactValue> readExactAnswer(std::string_view text,
                                          const runtime::NumberSettings& settings) {
    if (text.size() > kLongestAnswer) {
        return std::nullopt;
    }
    return Reader(text, answerDecimalSymbol(settings)).whole();
}

} // namespace korvala::calc
