#include "runtime/run_time_error.hpp"

namespace korvala::runtime {

// For developers' logs and debuggers; the user's words for the errors are the window's.
const char* RunTimeError::what() const noexcept {
    switch (number_) {
    case ErrorNumber::InvalidArgument:
        return "run-time error 5: invalid procedure call or argument";
    case ErrorNumber::Overflow:
        return "run-time error 6: overflow";
    case ErrorNumber::DivisionByZero:
        return "run-time error 11: division by zero";
    }
    return "run-time error";
}

} // namespace korvala::runtime
