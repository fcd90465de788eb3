// The whole calculation on any texts, checks, problem type and settings: no crash, no
// sanitizer report, and every outcome one of the three, well formed.
#include "calc/calculation.hpp"
#include "fuzzed_settings.hpp"

#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    using namespace korvala;
    constexpr std::size_t kLongestText = 24;
    FuzzedDataProvider data(bytes, size);
    const runtime::NumberSettings settings = fuzz::consumeSettings(data);
    calc::CalculationInput input;
    input.type = static_cast<calc::ProblemType>(
        data.ConsumeIntegralInRange<int>(0, calc::kProblemTypeCount - 1));
    std::array<std::string, calc::kQuantityCount> texts;
    for (std::size_t i = 0; i < calc::kQuantityCount; ++i) {
        input.checks[i] = data.ConsumeBool();
        texts[i] = data.ConsumeRandomLengthString(kLongestText);
        input.texts[i] = texts[i];
    }
    const calc::CalculationOutcome outcome = calc::calculate(input, settings);
    if (const auto* completed = std::get_if<calc::Completed>(&outcome)) {
        for (std::size_t i = 0; i < calc::kQuantityCount; ++i) {
            if (!std::isfinite(completed->values[i]) || completed->texts[i].empty()) {
                std::abort();
            }
        }
    } else if (const auto* failed = std::get_if<calc::Failed>(&outcome)) {
        const int number = static_cast<int>(failed->error);
        if (number != 5 && number != 6 && number != 11) {
            std::abort();
        }
    } else if (!std::holds_alternative<calc::Declined>(outcome)) {
        std::abort();
    }
    return 0;
}
