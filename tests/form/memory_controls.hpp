// The window's controls in memory, for the behaviour's tests and fuzzing: they keep their state
// as the real controls do (a locked box refuses typing, a typing limit cuts text by characters),
// deliver the user's actions to the form as a face does, and remember every error presented.
#pragma once

#include "calc/quantity.hpp"
#include "form/form_controls.hpp"
#include "form/korvala_form.hpp"
#include "runtime/utf8.hpp"

#include <array>
#include <limits>
#include <string>
#include <vector>

namespace korvala::test {

// Everything the user can see change in the value rows and the list.
struct RowsState {
    std::array<std::string, calc::kQuantityCount> texts;
    std::array<std::string, calc::kQuantityCount> fullValues;
    std::array<bool, calc::kQuantityCount> checked{};
    std::array<bool, calc::kQuantityCount> checkEnabled{};
    std::array<bool, calc::kQuantityCount> locked{};
    int listIndex = form::kNoSelection;

    friend bool operator==(const RowsState&, const RowsState&) = default;
};

class MemoryControls final : public form::FormControls {
public:
    // The window's creation state: empty locked boxes, clear disabled checks, no selection.
    MemoryControls() { rows_.locked.fill(true); }

    // The form the user's actions go to.
    void attach(form::KorvalaForm& form) { form_ = &form; }

    [[nodiscard]] const RowsState& rows() const { return rows_; }
    [[nodiscard]] const std::vector<form::content::ErrorMessage>& errors() const { return errors_; }
    // What a face would read out and show beside the boxes; empty while no answer is shown.
    [[nodiscard]] const std::string& announced() const { return announced_; }
    [[nodiscard]] const std::string& solution() const { return solution_; }

    // The user picks an entry of the list; picking the selected one changes nothing.
    void choose(int position) {
        if (position != rows_.listIndex) {
            rows_.listIndex = position;
            form_->problemTypeChosen();
        }
    }
    // The user types at the end of a box, as far as its lock and limit allow.
    void type(std::size_t row, std::string_view text) {
        if (rows_.locked.at(row)) {
            return;
        }
        std::string& box = rows_.texts.at(row);
        const std::string typed(
            runtime::utf8::firstCharacters(box + std::string(text), limits_.at(row)));
        if (typed != box) {
            box = typed;
            form_->valueEdited(row);
        }
    }
    // The user clears a box (select all, delete).
    void erase(std::size_t row) {
        if (!rows_.locked.at(row) && !rows_.texts.at(row).empty()) {
            rows_.texts.at(row).clear();
            form_->valueEdited(row);
        }
    }

    [[nodiscard]] std::string valueText(std::size_t row) const override {
        return rows_.texts.at(row);
    }
    void setValueText(std::size_t row, std::string_view text, std::string_view fullValue) override {
        rows_.texts.at(row) = text;
        rows_.fullValues.at(row) = fullValue;
    }
    void dropFullValue(std::size_t row) override { rows_.fullValues.at(row).clear(); }
    void setTypingLimit(std::size_t row, std::size_t characters) override {
        limits_.at(row) = characters;
    }
    void setLocked(std::size_t row, bool locked) override { rows_.locked.at(row) = locked; }
    [[nodiscard]] bool isChecked(std::size_t row) const override { return rows_.checked.at(row); }
    void setChecked(std::size_t row, bool checked) override { rows_.checked.at(row) = checked; }
    void setCheckEnabled(std::size_t row, bool enabled) override {
        rows_.checkEnabled.at(row) = enabled;
    }
    [[nodiscard]] int listIndex() const override { return rows_.listIndex; }
    void setListIndex(int position) override { rows_.listIndex = position; }
    void presentError(const form::content::ErrorMessage& message) override {
        errors_.push_back(message);
    }
    void answerShown(const form::Answer& answer) override {
        announced_ = form::announcementOf(answer);
        solution_ = form::solutionText(answer);
    }
    void answerCleared() override {
        announced_.clear();
        solution_.clear();
    }

private:
    RowsState rows_;
    std::array<std::size_t, calc::kQuantityCount> limits_{
        std::numeric_limits<std::size_t>::max(), std::numeric_limits<std::size_t>::max(),
        std::numeric_limits<std::size_t>::max(), std::numeric_limits<std::size_t>::max(),
        std::numeric_limits<std::size_t>::max()};
    form::KorvalaForm* form_ = nullptr;
    std::vector<form::content::ErrorMessage> errors_;
    std::string announced_;
    std::string solution_;
};

} // namespace korvala::test
