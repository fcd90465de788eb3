#include "calc/typed_value.hpp"

#include "calc/constants.hpp"
#include "runtime/checked_arithmetic.hpp"
#include "runtime/number_parse.hpp"

namespace korvala::calc {

namespace {

bool piAtStart(std::string_view text) {
    return text.starts_with("π") || (text.size() >= 2 && (text[0] == 'p' || text[0] == 'P') &&
                                     (text[1] == 'i' || text[1] == 'I'));
}

TypedValue timesPi(double number) {
    return {runtime::checked::multiply(number, kPi),
            multiply(ExactValue::fromDouble(number), ExactValue::pi()), number};
}

} // namespace

TypedValue readTypedValue(std::string_view text, const runtime::NumberSettings& settings) {
    const runtime::LeadingNumber number = runtime::parseLeadingNumberAndRest(text, settings);
    const std::string_view rest = number.rest;
    if (number.found) {
        return piAtStart(rest) ? timesPi(number.value)
                               : TypedValue{number.value, ExactValue::fromDouble(number.value), {}};
    }
    const bool sign = !rest.empty() && (rest[0] == '-' || rest[0] == '+');
    if (piAtStart(rest.substr(sign ? 1 : 0))) {
        return timesPi(sign && rest[0] == '-' ? -1.0 : 1.0);
    }
    return {};
}

} // namespace korvala::calc
