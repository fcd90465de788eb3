// The window's behaviour under random sequences of what a user does (choose a type, type into a
// box, clear a box, press a button) on controls in memory. After every step the state keeps the
// window's rules: exactly the selected pair checked and editable, every check box disabled, no
// box over seven characters; a press of "Изчисли" writes what calculate() gives (keeping a value
// typed with π as typed), or changes nothing and presents its error.
#include "calc/calculation.hpp"
#include "calc/problem_type.hpp"
#include "form/korvala_form.hpp"
#include "form/value_box.hpp"
#include "fuzzed_settings.hpp"
#include "memory_controls.hpp"
#include "runtime/utf8.hpp"

#include <cstdlib>
#include <string>

namespace {

using namespace korvala;

void check(bool holds) {
    if (!holds) {
        std::abort();
    }
}

void checkRules(const test::RowsState& rows) {
    const auto type = calc::problemTypeAt(rows.listIndex);
    check(type.has_value());
    const calc::GivenPair pair = calc::givenPairOf(*type);
    for (std::size_t row = 0; row < calc::kQuantityCount; ++row) {
        const bool given = row == calc::indexOf(pair.first) || row == calc::indexOf(pair.second);
        check(rows.checked.at(row) == given && rows.locked.at(row) == !given &&
              !rows.checkEnabled.at(row) &&
              runtime::utf8::characterCount(rows.texts.at(row)) <= form::kValueBoxWidth);
    }
}

void checkPress(const test::RowsState& before, const test::MemoryControls& controls,
                std::size_t errorsBefore, const runtime::NumberSettings& settings) {
    calc::CalculationInput input;
    input.type = *calc::problemTypeAt(before.listIndex);
    for (std::size_t row = 0; row < calc::kQuantityCount; ++row) {
        input.texts.at(row) = before.texts.at(row);
        input.checks.at(row) = before.checked.at(row);
    }
    const calc::CalculationOutcome outcome = calc::calculate(input, settings);
    const test::RowsState& after = controls.rows();
    if (const auto* completed = std::get_if<calc::Completed>(&outcome)) {
        const auto offered = form::offeredTexts(*completed);
        for (std::size_t row = 0; row < calc::kQuantityCount; ++row) {
            // A value typed with π stays as typed.
            const std::string shown = completed->typedTimesPi.at(row)
                                          ? before.texts.at(row)
                                          : form::shownText(completed->values.at(row), settings);
            check(after.texts.at(row) == shown && after.fullValues.at(row) == offered.at(row));
        }
        check(controls.errors().size() == errorsBefore);
        return;
    }
    check(after == before);
    if (const auto* failed = std::get_if<calc::Failed>(&outcome)) {
        check(controls.errors().size() == errorsBefore + 1 &&
              controls.errors().back() == form::content::runTimeErrorMessage(failed->error));
    } else {
        check(controls.errors().size() == errorsBefore);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    constexpr std::size_t kLongestTyping = 12;
    FuzzedDataProvider data(bytes, size);
    const runtime::NumberSettings settings = fuzz::consumeRealWorldSettings(data);
    test::MemoryControls controls;
    form::KorvalaForm form(controls, [&settings] { return settings; });
    controls.attach(form);
    form.start();
    checkRules(controls.rows());
    while (data.remaining_bytes() > 0) {
        const auto row = data.ConsumeIntegralInRange<std::size_t>(0, calc::kQuantityCount - 1);
        switch (data.ConsumeIntegralInRange(0, 4)) {
        case 0:
            controls.choose(data.ConsumeIntegralInRange<int>(0, calc::kProblemTypeCount - 1));
            break;
        case 1:
            controls.type(row, data.ConsumeRandomLengthString(kLongestTyping));
            break;
        case 2:
            controls.erase(row);
            break;
        default: {
            const test::RowsState before = controls.rows();
            const std::size_t errorsBefore = controls.errors().size();
            if (data.ConsumeBool()) {
                form.calculatePressed();
                checkPress(before, controls, errorsBefore, settings);
            } else {
                form.clearPressed();
                check(controls.rows().texts == decltype(test::RowsState::texts){});
            }
        }
        }
        checkRules(controls.rows());
    }
    return 0;
}
