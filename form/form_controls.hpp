// What the window's behaviour needs of its controls, so that the behaviour is written once for
// every face that realises the window (the Qt, Win32 and web windows, the tests' controls in
// memory). Rows are quantity indices (0 R to 4 V). The window's state lives in the controls: the
// behaviour keeps none and reads it back from them every time. A face raises no event of its own
// for a change the behaviour makes: the behaviour runs whatever such a change sets off itself.
#pragma once

#include "form/answer.hpp"
#include "form/content.hpp"

#include <cstddef>
#include <string>
#include <string_view>

namespace korvala::form {

// The list's position when no entry is selected.
inline constexpr int kNoSelection = -1;

class FormControls {
public:
    FormControls() = default;
    FormControls(const FormControls&) = delete;
    FormControls& operator=(const FormControls&) = delete;
    FormControls(FormControls&&) = delete;
    FormControls& operator=(FormControls&&) = delete;
    virtual ~FormControls() = default;

    // Text2(row): the text, and what the box offers on demand (its tooltip): the full value
    // behind the text or the working that led to it, whose lines are separated by "\n" and
    // must each be shown on a line of their own; an empty full value offers none. The behaviour
    // assigns only texts that fit the box's typing limit, counted in characters (it fits them
    // itself), so a face shows the text as it comes.
    [[nodiscard]] virtual std::string valueText(std::size_t row) const = 0;
    virtual void setValueText(std::size_t row, std::string_view text,
                              std::string_view fullValue) = 0;
    // The box keeps its text and offers nothing.
    virtual void dropFullValue(std::size_t row) = 0;
    virtual void setTypingLimit(std::size_t row, std::size_t characters) = 0;
    // A locked box shows its text and accepts no typing.
    virtual void setLocked(std::size_t row, bool locked) = 0;

    // Check1(row): whether the quantity is given, and whether the user may change that.
    [[nodiscard]] virtual bool isChecked(std::size_t row) const = 0;
    virtual void setChecked(std::size_t row, bool checked) = 0;
    virtual void setCheckEnabled(std::size_t row, bool enabled) = 0;

    // List1(0): the selected position, kNoSelection for none. Selecting here raises no click
    // event.
    [[nodiscard]] virtual int listIndex() const = 0;
    virtual void setListIndex(int position) = 0;

    // Shows a run-time error's message as it comes, modal to the window, and returns when the
    // user has closed it.
    virtual void presentError(const content::ErrorMessage& message) = 0;

    // For a face that shows more of an answer than the boxes (the page reads it out and offers
    // it as a link): after every completed calculation, and whenever the values are emptied
    // (clearing, a change of problem type). A decline or an error leaves the values, and the
    // answer shown, as they were. The window's own faces show nothing more.
    virtual void answerShown(const Answer& /*answer*/) {}
    virtual void answerCleared() {}
};

} // namespace korvala::form
