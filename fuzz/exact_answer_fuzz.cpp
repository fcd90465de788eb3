// A student's answer read and marked, on any bytes under real-world settings, against a problem of
// each level: no crash, no sanitizer report; a value read has the text Korvala writes or none, and
// that text reads back as the same value (or, past 64 bits, as none); and the exact answer, typed
// as Korvala writes it, is marked right.
#include "calc/exact_reading.hpp"
#include "calc/exact_text.hpp"
#include "form/practice.hpp"
#include "fuzzed_settings.hpp"

#include <array>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    using namespace korvala;
    FuzzedDataProvider data(bytes, size);
    const runtime::NumberSettings settings = fuzz::consumeRealWorldSettings(data);
    const auto level = data.ConsumeIntegralInRange<std::size_t>(0, 2);
    const std::string typed = data.ConsumeRemainingBytesAsString();
    if (const std::optional<calc::ExactValue> value = calc::readExactAnswer(typed, settings)) {
        if (const std::optional<std::string> text = calc::schoolText(*value)) {
            // Reading the text back may overflow where the text's common denominator is huge,
            // but never gives another value.
            const std::optional<calc::ExactValue> back = calc::readExactAnswer(*text, settings);
            if (back && *back != *value) {
                std::abort();
            }
        }
    }
    // Made once: making a problem costs far more than reading an answer.
    static const std::array<form::PracticeProblem, 3> problems{
        form::practiceProblem(1, form::PracticeLevel::WholeNumbers, {},
                              runtime::posixNumberSettings()),
        form::practiceProblem(2, form::PracticeLevel::OneDecimal, {},
                              runtime::posixNumberSettings()),
        form::practiceProblem(3, form::PracticeLevel::Roots, {}, runtime::posixNumberSettings())};
    const form::PracticeProblem& problem = problems.at(level);
    for (const form::PracticeAnswer& asked : problem.asked) {
        (void)form::markText(form::markAnswer(problem, asked, typed, settings), asked.symbol);
        if (form::markAnswer(problem, asked, asked.exact, settings).verdict !=
            form::Verdict::Right) {
            std::abort();
        }
    }
    return 0;
}
