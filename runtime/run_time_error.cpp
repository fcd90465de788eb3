#include "runtime/run_time_error.hpp"

namespace korvala::runtime {

namespace {

// Kept as string literals so what() can hand out a NUL-terminated pointer.
constexpr const char* kInvalidArgumentText = "Невалидно извикване на процедура или аргумент";
constexpr const char* kOverflowText = "Препълване";
constexpr const char* kDivisionByZeroText = "Деление на нула";

const char* textOf(ErrorNumber number) noexcept {
    switch (number) {
    case ErrorNumber::InvalidArgument:
        return kInvalidArgumentText;
    case ErrorNumber::Overflow:
        return kOverflowText;
    case ErrorNumber::DivisionByZero:
        return kDivisionByZeroText;
    }
    return kInvalidArgumentText;
}

} // namespace

std::string_view errorText(ErrorNumber number) noexcept {
    return textOf(number);
}

const char* RunTimeError::what() const noexcept {
    return textOf(number_);
}

} // namespace korvala::runtime
