#include "form/korvala_form.hpp"

#include "calc/calculation.hpp"
#include "calc/problem_type.hpp"
#include "form/content.hpp"
#include "form/value_box.hpp"

#include <array>
#include <string>
#include <utility>

namespace korvala::form {

namespace {

bool isValueRow(int index) {
    return index >= 0 && index < static_cast<int>(calc::kQuantityCount);
}

} // namespace

KorvalaForm::KorvalaForm(FormControls& controls,
                         std::function<runtime::NumberSettings()> numberSettings)
    : controls_(controls), numberSettings_(std::move(numberSettings)) {}

void KorvalaForm::start() {
    clearPressed();
    for (std::size_t row = 0; row < calc::kQuantityCount; ++row) {
        controls_.setTypingLimit(row, kValueBoxWidth);
    }
    controls_.setListIndex(static_cast<int>(calc::ProblemType::RH));
    problemTypeChosen();
}

void KorvalaForm::problemTypeChosen() {
    for (std::size_t row = 0; row < calc::kQuantityCount; ++row) {
        controls_.setCheckEnabled(row, false);
        controls_.setChecked(row, false);
        controls_.setValueText(row, {}, {});
        controls_.setLocked(row, true);
    }
    controls_.answerCleared();
    const auto type = calc::problemTypeAt(controls_.listIndex());
    if (!type) {
        return;
    }
    const calc::GivenPair pair = calc::givenPairOf(*type);
    for (const calc::Quantity given : {pair.first, pair.second}) {
        controls_.setChecked(calc::indexOf(given), true);
        controls_.setLocked(calc::indexOf(given), false);
    }
}

void KorvalaForm::valueEdited(std::size_t row) {
    if (row < calc::kQuantityCount) {
        controls_.dropFullValue(row);
    }
}

void KorvalaForm::returnPressed(const ControlName& focused) {
    const bool inValueBox = focused.array == ControlArray::Text2 && isValueRow(focused.index);
    if (inValueBox || focused == kCalculateButton) {
        calculatePressed();
    } else if (focused == kClearButton) {
        clearPressed();
    }
}

void KorvalaForm::calculatePressed() {
    const auto type = calc::problemTypeAt(controls_.listIndex());
    if (!type) {
        return;
    }
    std::array<std::string, calc::kQuantityCount> texts;
    calc::CalculationInput input;
    input.type = *type;
    for (std::size_t row = 0; row < calc::kQuantityCount; ++row) {
        texts.at(row) = controls_.valueText(row);
        input.texts.at(row) = texts.at(row);
        input.checks.at(row) = controls_.isChecked(row);
    }
    const runtime::NumberSettings settings = numberSettings_();
    const calc::CalculationOutcome outcome = calc::calculate(input, settings);
    if (const auto* completed = std::get_if<calc::Completed>(&outcome)) {
        // The box shows the start of the value (or its scientific form where the start would
        // mislead), and offers the full text or the working.
        // A value typed with π stays as typed, so that calculating again gives the same answer.
        const std::array<std::string, calc::kQuantityCount> offered = offeredTexts(*completed);
        for (std::size_t row = 0; row < calc::kQuantityCount; ++row) {
            controls_.setValueText(row,
                                   completed->typedTimesPi.at(row)
                                       ? texts.at(row)
                                       : shownText(completed->values.at(row), settings),
                                   offered.at(row));
        }
        controls_.answerShown(answerOf(*type, *completed, settings));
    } else if (const auto* failed = std::get_if<calc::Failed>(&outcome)) {
        controls_.presentError(content::runTimeErrorMessage(failed->error));
    }
}

void KorvalaForm::clearPressed() {
    for (std::size_t row = 0; row < calc::kQuantityCount; ++row) {
        controls_.setValueText(row, {}, {});
    }
    controls_.answerCleared();
}

} // namespace korvala::form
