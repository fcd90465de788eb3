// The words of practice problems and of their marks, as a Bulgarian school book writes them:
// each quantity as the subject of the statement and as the object of "Намерете", the units, and
// the marks given to an answer.
#pragma once

#include "calc/steps.hpp"

#include <array>
#include <string_view>

namespace korvala::form::practice_words {

struct QuantityWords {
    std::string_view subject; // "радиусът на основата": "…, а радиусът на основата му е"
    std::string_view openingSubject; // "Радиусът на основата на цилиндър е …"
    std::string_view object; // "Намерете радиуса на основата …"
};

// R, H, D, S, V, T (never asked), B, S₁, in the order of calc::Symbol.
[[nodiscard]] constexpr QuantityWords wordsOf(calc::Symbol symbol) {
    constexpr std::array<QuantityWords, calc::kSymbolCount> kWords{{
        {"радиусът на основата", "Радиусът на основата", "радиуса на основата"},
        {"височината", "Височината", "височината"},
        {"диагоналът на осното сечение", "Диагоналът на осното сечение",
         "диагонала на осното сечение"},
        {"околната повърхнина", "Околната повърхнина", "околната повърхнина"},
        {"обемът", "Обемът", "обема"},
        {"", "", ""},
        {"лицето на основата", "Лицето на основата", "лицето на основата"},
        {"пълната повърхнина", "Пълната повърхнина", "пълната повърхнина"},
    }};
    return kWords.at(calc::indexOf(symbol));
}

// The names of the two quantities the window has no box for, as its boxes name theirs.
inline constexpr std::string_view kBaseName = "лице на основата";
inline constexpr std::string_view kTotalName = "пълна повърхнина";

inline constexpr std::string_view kOf = " на цилиндър е ";
inline constexpr std::string_view kAnd = ", а ";
inline constexpr std::string_view kIts = " му е ";
inline constexpr std::string_view kFind = " Намерете ";
inline constexpr std::string_view kLastOf = " и ";
inline constexpr std::string_view kOfTheCylinder = " на цилиндъра.";

inline constexpr std::array<std::string_view, 4> kUnits{"mm", "cm", "dm", "m"};
inline constexpr std::string_view kSquared = "²";
inline constexpr std::string_view kCubed = "³";

inline constexpr std::string_view kRight = "вярно";
inline constexpr std::string_view kWrong = "грешно";
inline constexpr std::string_view kRoundedWrongly = "близо, но закръглено неправилно";
// "това е S, а не S₁"
inline constexpr std::string_view kThisIs = "това е ";
inline constexpr std::string_view kNot = ", а не ";

} // namespace korvala::form::practice_words
