#include "form/content.hpp"

#include "calc/quantity.hpp"
#include "form/words.hpp"

namespace korvala::form::content {

std::string caption() {
    return std::string(kPublisherAddress) + " Korvala";
}

const std::array<std::string_view, 11>& statementLines() {
    static const std::array<std::string_view, 11> lines{
        "Да се състави проект, чрез който се представят междупредметни връзки между "
        "Математика и Информатика.",
        "Тема на проекта: Korvala.",
        "Чрез проекта да се въвеждат по избор два параметъра от множеството: радиус, височина, "
        "диагонал на осно сечение, повърхнина, обем и да се изчисляват дължините на "
        "останалите елементи в същия прав кръгов цилиндър.",
        "Съобразно избраната начална комбинация параметри да се разрешава въвеждането само на "
        "два от изброените параметри. ",
        "Изборът на желаната комбинация параметри да се осъществи чрез списъчно поле, а "
        "размерите на цилиндъра да се въвеждат в текстови полета.",
        "В проекта са използвани следните формули и означения:",
        "R - радиус на основата на правия кръгов цилиндър;",
        "H - височина, образувателна;",
        "D - диагонал на осно сечение",
        "Използват се следните формули:",
        "Обем: V = pi * R * R * H ",
    };
    return lines;
}

std::string taskStatement() {
    std::string text;
    for (const std::string_view line : statementLines()) {
        text.append(line).append("\r\n");
    }
    return text;
}

std::string valueBoxName(std::size_t quantity) {
    const calc::Quantity q = calc::kQuantities.at(quantity);
    return std::string(letterOf(q)) + " – " + std::string(nameOf(q));
}

std::string checkBoxName(std::size_t quantity) {
    return "Дадена величина " + valueBoxName(quantity);
}

ErrorMessage runTimeErrorMessage(runtime::ErrorNumber number) {
    return {caption(), "Грешка по време на изпълнение " + std::to_string(static_cast<int>(number)) +
                           ":\n\n" + std::string(errorText(number))};
}

} // namespace korvala::form::content
