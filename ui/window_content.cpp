#include "ui/window_content.hpp"

#include "calc/quantity.hpp"
#include "ui/text_conversion.hpp"

#include <array>

namespace korvala::ui::content {

namespace {

const std::array<const char*, 11> kStatementLines{
    "Да се състави проект, чрез който се представят междупредметни връзки между Математика и "
    "Информатика.",
    "Тема на проекта: Korvala.",
    "Чрез проекта да се въвеждат по избор два параметъра от множеството: радиус, височина, "
    "диагонал на осно сечение, повърхнина, обем и да се изчисляват дължините на останалите "
    "елементи в същия прав кръгов цилиндър.",
    "Съобразно избраната начална комбинация параметри да се разрешава въвеждането само на два "
    "от изброените параметри. ",
    "Изборът на желаната комбинация параметри да се осъществи чрез списъчно поле, а размерите "
    "на цилиндъра да се въвеждат в текстови полета.",
    "В проекта са използвани следните формули и означения:",
    "R - радиус на основата на правия кръгов цилиндър;",
    "H - височина, образувателна;",
    "D - диагонал на осно сечение",
    "Използват се следните формули:",
    "Обем: V = pi * R * R * H ",
};

QStringList statementLines() {
    QStringList lines;
    for (const char* line : kStatementLines) {
        lines << QString::fromUtf8(line);
    }
    return lines;
}

calc::Quantity quantityAt(std::size_t index) {
    return calc::kQuantities.at(index);
}

} // namespace

QString caption() {
    return QString::fromLatin1(kPublisherAddress) + QStringLiteral(" Korvala");
}
QString title() {
    return QStringLiteral("Korvala ");
}
QString givenCaption() {
    return QStringLiteral("Дадени:");
}
QString frameCaption() {
    return QStringLiteral("Размери");
}
QString calculateText() {
    return QStringLiteral("Изчисли");
}
QString clearText() {
    return QStringLiteral("Изчисти");
}

QString taskStatement() {
    return statementLines().join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

QString taskStatementForDisplay() {
    return statementLines().join(QChar('\n')) + QChar('\n');
}

QString valueBoxName(std::size_t quantity) {
    const calc::Quantity q = quantityAt(quantity);
    return toQString(calc::letterOf(q)) + QStringLiteral(" – ") + toQString(calc::nameOf(q));
}

QString checkBoxName(std::size_t quantity) {
    return QStringLiteral("Дадена величина ") + valueBoxName(quantity);
}

QString problemListName() {
    return QStringLiteral("Дадени величини");
}
QString statementName() {
    return QStringLiteral("Условие на задачата");
}
QString pictureName() {
    return QStringLiteral("Чертеж на цилиндър с означени R, H и D");
}

QString runTimeErrorMessage(int number, const QString& text) {
    return QStringLiteral("Грешка по време на изпълнение %1:\n\n%2").arg(number).arg(text);
}

} // namespace korvala::ui::content
