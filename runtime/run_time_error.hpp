// Run-time errors of the calculation.
//
// Three failures can stop a calculation: an invalid argument (a square root of a negative
// number), an overflow (a result or a typed number beyond the double range) and a division by
// zero. Each has the number a user of the program knows it by (the words shown with it are the
// window's). They travel as the single exception type RunTimeError, thrown by the checked
// arithmetic and the number parse and caught where the calculation ends; nothing else in the
// core throws it.
#pragma once

#include <exception>

namespace korvala::runtime {

enum class ErrorNumber : int {
    InvalidArgument = 5,
    Overflow = 6,
    DivisionByZero = 11,
};

class RunTimeError : public std::exception {
public:
    explicit RunTimeError(ErrorNumber number) noexcept : number_(number) {}

    [[nodiscard]] ErrorNumber number() const noexcept { return number_; }
    [[nodiscard]] const char* what() const noexcept override;

private:
    ErrorNumber number_;
};

} // namespace korvala::runtime
