// The form's controls over the page: every call goes to the page's script, which holds the
// controls it built from the window's description. The script keeps the state (the texts, the
// checks, the selection), as the other faces' toolkits do.
#pragma once

#include "form/form_controls.hpp"

#include <cstddef>
#include <string>
#include <string_view>

namespace korvala::web {

class WebControls final : public form::FormControls {
public:
    [[nodiscard]] std::string valueText(std::size_t row) const override;
    void setValueText(std::size_t row, std::string_view text, std::string_view fullValue) override;
    void dropFullValue(std::size_t row) override;
    void setTypingLimit(std::size_t row, std::size_t characters) override;
    void setLocked(std::size_t row, bool locked) override;
    [[nodiscard]] bool isChecked(std::size_t row) const override;
    void setChecked(std::size_t row, bool checked) override;
    void setCheckEnabled(std::size_t row, bool enabled) override;
    [[nodiscard]] int listIndex() const override;
    void setListIndex(int position) override;
    // Opens the message and returns at once: the page cannot wait, but the message is modal and
    // the form has changed nothing, so nothing can happen before the user closes it.
    void presentError(const form::content::ErrorMessage& message) override;
    // The page reads the answer out, and offers it as a link.
    void answerShown(const form::Answer& answer) override;
    void answerCleared() override;
};

} // namespace korvala::web
