#include "form/answer.hpp"

#include "calc/quantity.hpp"
#include "form/content.hpp"
#include "form/words.hpp"
#include "runtime/number_format.hpp"

namespace korvala::form {

Answer answerOf(calc::ProblemType type, const calc::Completed& completed,
                const runtime::NumberSettings& settings) {
    Answer answer{type,
                  completed.values,
                  completed.texts,
                  {},
                  completed.typedTimesPi,
                  {},
                  std::string(content::kGivenCaption)};
    for (std::size_t i = 0; i < calc::kQuantityCount; ++i) {
        if (completed.rounded.at(i)) {
            answer.exact.at(i) = completed.exact.at(i);
        }
    }
    for (const calc::StepLine& line : completed.steps) {
        answer.working.push_back(line.text);
    }
    const calc::GivenPair pair = calc::givenPairOf(type);
    for (const calc::Quantity quantity : {pair.first, pair.second}) {
        answer.given.append(quantity == pair.first ? " " : "; ")
            .append(letterOf(quantity))
            .append(" = ")
            .append(runtime::formatWithoutTrailingZeros(
                completed.values.at(calc::indexOf(quantity)), settings));
    }
    return answer;
}

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
        sentence.append(letterOf(quantity)).append(" = ");
        if (const std::optional<std::string>& exact = answer.exact.at(calc::indexOf(quantity))) {
            sentence.append(*exact).append(content::kApproximately);
        }
        sentence.append(answer.texts.at(calc::indexOf(quantity)));
    }
    return sentence;
}

std::string solutionText(const Answer& answer) {
    std::string text = answer.given;
    for (const std::string& line : answer.working) {
        text.append("\n").append(line);
    }
    return text;
}

} // namespace korvala::form
