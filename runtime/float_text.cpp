#include "runtime/float_text.hpp"

#include "runtime/float_text_implementations.hpp"

#include <cmath>

namespace korvala::runtime::float_text {

#ifdef KORVALA_C_LIBRARY_FLOAT_TEXT
namespace selected = c_library;
#else
namespace selected = standard;
#endif

ReadResult readDecimal(std::string_view text) {
    return selected::readDecimal(text);
}

ReadResult readHex(std::string_view text) {
    return selected::readHex(text);
}

WriteResult writeFixed(double value, int decimals, std::span<char> out) {
    return selected::writeFixed(value, decimals, out);
}

WriteResult writeScientific(double value, int decimals, std::span<char> out) {
    return selected::writeScientific(value, decimals, out);
}

std::string_view nonFiniteText(double value) {
    if (std::isnan(value)) {
        return std::signbit(value) ? "-nan" : "nan";
    }
    return value < 0 ? "-inf" : "inf";
}

} // namespace korvala::runtime::float_text
