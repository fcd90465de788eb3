#include "form/value_box.hpp"

#include "calc/step_lines.hpp"

#include <optional>
#include <utility>

namespace korvala::form {

std::array<std::string, calc::kQuantityCount> offeredTexts(const calc::Completed& completed) {
    std::array<std::string, calc::kQuantityCount> offered = completed.texts;
    std::string working;
    for (const calc::StepLine& line : completed.steps) {
        if (line.symbol == calc::Symbol::B || line.symbol == calc::Symbol::S1) {
            offered.at(calc::indexOf(calc::Quantity::S)).append("\n").append(line.text);
            continue;
        }
        working += line.text;
        if (const std::optional<calc::Quantity> quantity = calc::quantityOf(line.symbol)) {
            offered.at(calc::indexOf(*quantity)) = std::move(working);
            working.clear();
        } else {
            working += '\n';
        }
    }
    return offered;
}

} // namespace korvala::form
