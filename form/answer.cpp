#include "form/answer.hpp"

#include "calc/quantity.hpp"
#include "form/words.hpp"

namespace korvala::form {

std::string announcementOf(const Answer& answer) {
    const calc::GivenPair pair = calc::givenPairOf(answer.type);
    std::string sentence;
    for (const calc::Quantity quantity : calc::kQuantities) {
        if (quantity == pair.first || quantity == pair.second) {
            continue;
        }
        if (!sentence.empty()) {
            sentence += "; ";
        }
        sentence.append(letterOf(quantity))
            .append(" = ")
            .append(answer.texts.at(calc::indexOf(quantity)));
    }
    return sentence;
}

} // namespace korvala::form
