// Practice problems over many seeds and the marking of answers.
#include "calc/exact_reading.hpp"
#include "form/practice.hpp"
#include "runtime/utf8.hpp"

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace korvala::form {
namespace {

using calc::Symbol;

runtime::NumberSettings bulgarian() {
    runtime::NumberSettings settings = runtime::posixNumberSettings();
    settings.decimalSymbol = ",";
    return settings;
}

constexpr std::array kLevels{PracticeLevel::WholeNumbers, PracticeLevel::OneDecimal,
                             PracticeLevel::Roots};

TEST(PracticeProblems, EverySeedGivesATypableCompleteProblemTwiceTheSame) {
    const runtime::NumberSettings settings = bulgarian();
    for (const PracticeLevel level : kLevels) {
        std::set<std::string> statements;
        for (std::uint32_t seed = 0; seed < 300; ++seed) {
            const PracticeProblem problem = practiceProblem(seed, level, {}, settings);
            SCOPED_TRACE(problem.statement);
            statements.insert(problem.statement);
            int given = 0;
            for (const std::string& text : problem.given) {
                EXPECT_LE(runtime::utf8::characterCount(text), 7U);
                given += text.empty() ? 0 : 1;
                if (level == PracticeLevel::WholeNumbers) {
                    EXPECT_EQ(text.find(','), std::string::npos);
                }
            }
            EXPECT_EQ(given, 2);
            EXPECT_GE(problem.asked.size(), 3U);
            for (const PracticeAnswer& answer : problem.asked) {
                EXPECT_FALSE(answer.exact.empty());
                EXPECT_EQ(calc::readExactAnswer(answer.exact, settings), answer.exactValue)
                    << answer.exact;
                EXPECT_EQ(markAnswer(problem, answer, answer.exact, settings).verdict,
                          Verdict::Right);
            }
            // The key works the same problem out: its working, and the answers' decimals.
            const std::optional<Answer> key = keyOf(problem, settings);
            ASSERT_TRUE(key.has_value());
            EXPECT_FALSE(key->working.empty());
            for (const PracticeAnswer& answer : problem.asked) {
                if (const auto quantity = calc::quantityOf(answer.symbol)) {
                    EXPECT_EQ(key->texts.at(calc::indexOf(*quantity)), answer.text);
                }
            }
            if (level == PracticeLevel::Roots) {
                EXPECT_TRUE(problem.type == calc::ProblemType::DS ||
                            problem.type == calc::ProblemType::HV);
            }
            const PracticeProblem again = practiceProblem(seed, level, {}, settings);
            EXPECT_EQ(again.statement, problem.statement);
            EXPECT_EQ(again.given, problem.given);
        }
        // Seeds make problems of their own, not the level's fallback again and again.
        EXPECT_GT(statements.size(), 200U);
    }
}

TEST(PracticeProblems, KeyLinesSayWhereTheDecimalsOnlyApproximate) {
    const auto line = [](Symbol symbol, calc::ExactValue value, std::string exact,
                         std::string text) {
        return keyLineOf({symbol, value.approximately(), std::move(text), std::move(exact), value},
                         Unit::Centimetre);
    };
    const calc::ExactValue thirtyPi =
        calc::multiply(calc::ExactValue::integer(30), calc::ExactValue::pi());
    EXPECT_EQ(line(Symbol::S, thirtyPi, "30π", "94,2477796"), "S = 30π ≈ 94,2477796 cm²");
    EXPECT_EQ(line(Symbol::R, calc::ExactValue::integer(5), "5", "5"), "R = 5 cm");
    EXPECT_EQ(line(Symbol::R, calc::ExactValue::fraction(5, 2), "5/2", "2,5"), "R = 5/2 = 2,5 cm");
    EXPECT_EQ(line(Symbol::H, calc::ExactValue::fraction(1, 3), "1/3", "0,3333333"),
              "H = 1/3 ≈ 0,3333333 cm");
    EXPECT_EQ(line(Symbol::V, calc::ExactValue{}, "0", "0"), "V = 0 cm³");
}

TEST(PracticeProblems, AnswerBoxesAreNamedAsTheWindowsBoxes) {
    EXPECT_EQ(answerBoxName(Symbol::V), "V – обем");
    EXPECT_EQ(answerBoxName(Symbol::S1), "S₁ – пълна повърхнина");
    EXPECT_EQ(answerBoxName(Symbol::B), "B – лице на основата");
}

TEST(PracticeProblems, ChosenPairsAreKept) {
    const std::array pairs{calc::ProblemType::RV, calc::ProblemType::SV};
    for (std::uint32_t seed = 0; seed < 50; ++seed) {
        const auto type = practiceProblem(seed, PracticeLevel::OneDecimal, pairs, bulgarian()).type;
        EXPECT_TRUE(type == pairs[0] || type == pairs[1]);
    }
}

// R 5, H 7 given: D = √149 ≈ 12,2065556, S = 70π ≈ 219,9114858, V = 175π ≈ 549,7787144,
// S₁ = 120π ≈ 376,9911184.
TEST(PracticeMarks, EqualFormsAndCorrectRoundingsAreRightTheRestSaysWhy) {
    const runtime::NumberSettings settings = bulgarian();
    const std::array asked{Symbol::D, Symbol::S, Symbol::V, Symbol::S1};
    const std::optional<PracticeProblem> problem = posedProblem(
        calc::ProblemType::RH, {"5", "7", "", "", ""}, asked, Unit::Centimetre, settings);
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->statement,
              "Радиусът на основата на цилиндър е 5 cm, а височината му е 7 cm. Намерете "
              "диагонала на осното сечение, околната повърхнина, обема и пълната повърхнина на "
              "цилиндъра.");
    const auto answerFor = [&](Symbol symbol) {
        for (const PracticeAnswer& answer : problem->asked) {
            if (answer.symbol == symbol) {
                return answer;
            }
        }
        return PracticeAnswer{};
    };
    const struct {
        Symbol asked;
        const char* typed;
        Verdict verdict;
        std::optional<Symbol> other;
    } cases[] = {
        {Symbol::V, "175π", Verdict::Right, {}},
        {Symbol::V, "175 pi", Verdict::Right, {}},
        {Symbol::V, "π·175", Verdict::Right, {}},
        {Symbol::V, "350π/2", Verdict::Right, {}},
        {Symbol::V, "549,78", Verdict::Right, {}},
        {Symbol::V, "549,7787", Verdict::Right, {}},
        {Symbol::V, "549,77", Verdict::RoundedWrongly, {}},
        {Symbol::V, "549,79", Verdict::RoundedWrongly, {}},
        {Symbol::V, "549,8", Verdict::Wrong, {}},
        {Symbol::V, "550", Verdict::Wrong, {}},
        {Symbol::V, "", Verdict::Wrong, {}},
        {Symbol::V, "175π)", Verdict::Wrong, {}},
        {Symbol::D, "√149", Verdict::Right, {}},
        {Symbol::D, "√(149)", Verdict::Right, {}},
        {Symbol::D, "12,21", Verdict::Right, {}},
        {Symbol::S1, "70π", Verdict::OtherQuantity, Symbol::S},
        {Symbol::S1, "219,91", Verdict::OtherQuantity, Symbol::S},
        {Symbol::S1, "120π", Verdict::Right, {}},
        {Symbol::S, "5", Verdict::OtherQuantity, Symbol::R},
    };
    for (const auto& c : cases) {
        const Mark mark = markAnswer(*problem, answerFor(c.asked), c.typed, settings);
        EXPECT_EQ(mark.verdict, c.verdict) << c.typed;
        EXPECT_EQ(mark.other, c.other) << c.typed;
    }
    EXPECT_EQ(markText({Verdict::OtherQuantity, Symbol::S}, Symbol::S1),
              "грешно: това е S, а не S₁");
    EXPECT_EQ(markText({Verdict::RoundedWrongly, {}}, Symbol::V),
              "грешно: близо, но закръглено неправилно");
}

} // namespace
} // namespace korvala::form
