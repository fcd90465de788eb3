#include "web/web_controls.hpp"

#include "form/content.hpp"

#include <algorithm>
#include <array>
#include <limits>

// The page's side of each call, in page_library.js; texts cross as NUL-terminated UTF-8.
extern "C" {
int korvala_value_length(int row);
void korvala_copy_value(int row, char* buffer, int size);
void korvala_set_value(int row, const char* text, const char* fullValue);
void korvala_drop_full_value(int row);
void korvala_set_typing_limit(int row, int characters);
void korvala_set_locked(int row, int locked);
int korvala_is_checked(int row);
void korvala_set_checked(int row, int checked);
void korvala_set_check_enabled(int row, int enabled);
int korvala_list_index();
void korvala_set_list_index(int position);
void korvala_present_error(const char* title, const char* text);
void korvala_show_answer(int type, double r, double h, double d, double s, double v, double piR,
                         double piH, double piD, double piS, double piV, const char* texts,
                         const char* announcement, const char* working, const char* solution);
void korvala_clear_answer();
}

namespace korvala::web {

namespace {

int rowArgument(std::size_t row) {
    return static_cast<int>(row);
}

} // namespace

std::string WebControls::valueText(std::size_t row) const {
    const int length = korvala_value_length(rowArgument(row));
    std::string text(static_cast<std::size_t>(length), '\0');
    // The script writes the terminating NUL too, into the string's own terminator.
    korvala_copy_value(rowArgument(row), text.data(), length + 1);
    return text;
}

void WebControls::setValueText(std::size_t row, std::string_view text, std::string_view fullValue) {
    korvala_set_value(rowArgument(row), std::string(text).c_str(), std::string(fullValue).c_str());
}

void WebControls::dropFullValue(std::size_t row) {
    korvala_drop_full_value(rowArgument(row));
}

void WebControls::setTypingLimit(std::size_t row, std::size_t characters) {
    korvala_set_typing_limit(rowArgument(row), static_cast<int>(std::min<std::size_t>(
                                                   characters, std::numeric_limits<int>::max())));
}

void WebControls::setLocked(std::size_t row, bool locked) {
    korvala_set_locked(rowArgument(row), locked ? 1 : 0);
}

bool WebControls::isChecked(std::size_t row) const {
    return korvala_is_checked(rowArgument(row)) != 0;
}

void WebControls::setChecked(std::size_t row, bool checked) {
    korvala_set_checked(rowArgument(row), checked ? 1 : 0);
}

void WebControls::setCheckEnabled(std::size_t row, bool enabled) {
    korvala_set_check_enabled(rowArgument(row), enabled ? 1 : 0);
}

int WebControls::listIndex() const {
    return korvala_list_index();
}

void WebControls::setListIndex(int position) {
    korvala_set_list_index(position);
}

void WebControls::presentError(const form::content::ErrorMessage& message) {
    korvala_present_error(message.title.c_str(), message.text.c_str());
}

void WebControls::answerShown(const form::Answer& answer) {
    const auto lines = [](const auto& texts) {
        std::string joined;
        for (const std::string& text : texts) {
            joined += (joined.empty() ? "" : "\n") + text;
        }
        return joined;
    };
    const calc::Cylinder& values = answer.values;
    std::array<double, calc::kQuantityCount> timesPi{};
    for (std::size_t i = 0; i < calc::kQuantityCount; ++i) {
        timesPi.at(i) =
            answer.typedTimesPi.at(i).value_or(std::numeric_limits<double>::quiet_NaN());
    }
    korvala_show_answer(static_cast<int>(answer.type), values[0], values[1], values[2], values[3],
                        values[4], timesPi[0], timesPi[1], timesPi[2], timesPi[3], timesPi[4],
                        lines(answer.texts).c_str(), form::announcementOf(answer).c_str(),
                        lines(answer.working).c_str(), form::solutionText(answer).c_str());
}

void WebControls::answerCleared() {
    korvala_clear_answer();
}

} // namespace korvala::web
