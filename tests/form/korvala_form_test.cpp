// The window's behaviour on controls in memory: start-up, change of type, the worked examples,
// declines, run-time errors and clearing.
#include "calc/problem_type.hpp"
#include "form/control_table.hpp"
#include "form/korvala_form.hpp"
#include "form/layout.hpp"
#include "form/words.hpp"
#include "memory_controls.hpp"
#include "runtime/run_time_error.hpp"
#include "worked_examples.hpp"

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace korvala::form {
namespace {

using test::RowsState;

class Form : public testing::Test {
protected:
    void SetUp() override {
        controls_.attach(form_);
        form_.start();
    }

    // As the user does it: pick the type in the list, type into the boxes that take typing.
    void enter(calc::ProblemType type, const test::Texts& typed) {
        controls_.choose(static_cast<int>(type));
        for (std::size_t row = 0; row < calc::kQuantityCount; ++row) {
            controls_.erase(row);
            controls_.type(row, typed.at(row));
        }
    }
    [[nodiscard]] test::Texts texts() const { return controls_.rows().texts; }

    test::MemoryControls controls_;
    KorvalaForm form_{controls_, runtime::posixNumberSettings};
};

// Exactly the given pair checked and editable, every check box disabled.
void expectPairApplied(const RowsState& rows, calc::ProblemType type) {
    const calc::GivenPair pair = calc::givenPairOf(type);
    for (std::size_t row = 0; row < calc::kQuantityCount; ++row) {
        const bool given = row == calc::indexOf(pair.first) || row == calc::indexOf(pair.second);
        EXPECT_EQ(rows.checked.at(row), given) << "row " << row;
        EXPECT_EQ(rows.locked.at(row), !given) << "row " << row;
        EXPECT_FALSE(rows.checkEnabled.at(row)) << "row " << row;
    }
    EXPECT_EQ(rows.listIndex, static_cast<int>(type));
}

TEST_F(Form, StartsWithRHGivenAndEmptyBoxes) {
    expectPairApplied(controls_.rows(), calc::ProblemType::RH);
    EXPECT_EQ(texts(), test::Texts{});
    EXPECT_TRUE(controls_.errors().empty());
}

TEST_F(Form, ChoosingATypeEmptiesTheRowsAndSwitchesThePair) {
    const auto& examples = test::workedExamples();
    for (std::size_t i = 0; i < examples.size(); ++i) {
        const auto& before = examples.at((i + examples.size() - 1) % examples.size());
        const auto& example = examples.at(i);
        enter(before.type, before.typed);
        form_.calculatePressed();
        controls_.choose(static_cast<int>(example.type));
        expectPairApplied(controls_.rows(), example.type);
        EXPECT_EQ(texts(), test::Texts{});
        EXPECT_EQ(controls_.rows().fullValues, test::Texts{});
    }
}

TEST_F(Form, ClearEmptiesTheValuesAndKeepsThePair) {
    enter(calc::ProblemType::HV, {"", "1", "", "", "1"});
    form_.calculatePressed();
    form_.clearPressed();
    expectPairApplied(controls_.rows(), calc::ProblemType::HV);
    EXPECT_EQ(texts(), test::Texts{});
    const RowsState cleared = controls_.rows();
    form_.calculatePressed();
    EXPECT_EQ(controls_.rows(), cleared);
}

// A value typed with π stays as typed, so that pressing again gives the same cylinder; the other
// values are written as the boxes show numbers.
TEST_F(Form, AValueTypedWithPiStaysAsTyped) {
    enter(calc::ProblemType::HS, {"", "7", "", "70π", ""});
    form_.calculatePressed();
    const RowsState first = controls_.rows();
    EXPECT_EQ(first.texts, (test::Texts{"5.00000", "7.00000", "12.2065", "70π", "549.778"}));
    form_.calculatePressed();
    EXPECT_EQ(controls_.rows(), first);
}

// The answer read out beside the boxes follows the values: it comes with a completed
// calculation, stays through a decline and an error, and goes when the values are emptied.
TEST_F(Form, TheAnswerReadOutFollowsTheValues) {
    EXPECT_EQ(controls_.announced(), "");
    enter(calc::ProblemType::RH, {"1", "1", "", "", ""});
    form_.calculatePressed();
    const std::string answer =
        "D = √5, около 2.2360680; S = 2π, около 6.2831853; V = π, около 3.1415927";
    EXPECT_EQ(controls_.announced(), answer);
    std::string solution = "Дадени: R = 1; H = 1";
    for (const std::string& line : test::workedExamples().front().steps) {
        solution += "\n" + line;
    }
    EXPECT_EQ(controls_.solution(), solution);
    controls_.erase(0);
    form_.calculatePressed();
    EXPECT_EQ(controls_.announced(), answer) << "after a decline";
    controls_.type(0, "1E400");
    form_.calculatePressed();
    EXPECT_EQ(controls_.announced(), answer) << "after an error";
    form_.clearPressed();
    EXPECT_EQ(controls_.announced(), "");
    enter(calc::ProblemType::DS, {"", "", "5", "10", ""});
    form_.calculatePressed();
    EXPECT_EQ(controls_.announced(), "R = 0.3209661; H = 4.9586211; V = 1.6048307");
    controls_.choose(0);
    EXPECT_EQ(controls_.announced(), "");
}

TEST_F(Form, EventsOfControlsTheWindowLacksChangeNothing) {
    enter(calc::ProblemType::RH, {"1", "1", "", "", ""});
    const RowsState before = controls_.rows();
    form_.returnPressed({ControlArray::Command1, 2});
    form_.returnPressed({ControlArray::Text2, static_cast<int>(calc::kQuantityCount)});
    form_.valueEdited(calc::kQuantityCount);
    EXPECT_EQ(controls_.rows(), before);
}

TEST_F(Form, EditingAValueDropsOnlyItsOwnFullValue) {
    enter(calc::ProblemType::RH, {"1", "1", "", "", ""});
    form_.calculatePressed();
    controls_.erase(1);
    controls_.type(1, "5");
    const RowsState rows = controls_.rows();
    EXPECT_EQ(rows.texts.at(1), "5");
    EXPECT_EQ(rows.fullValues.at(1), "");
    EXPECT_EQ(rows.fullValues.at(0), "1.0000000");
}

// Return calculates in a value box, locked ones included, presses a focused button, and does
// nothing anywhere else.
TEST_F(Form, ReturnActsWhereTheFocusIs) {
    const test::WorkedExample& example = test::workedExamples().front();
    for (const ControlDesign& design : controlTable()) {
        form_.clearPressed();
        enter(example.type, example.typed);
        form_.returnPressed(design.name);
        const bool calculates =
            design.kind == ControlKind::ValueBox || design.name == kCalculateButton;
        const bool clears = design.name == kClearButton;
        const test::Texts expected = calculates ? example.shown
                                     : clears   ? test::Texts{}
                                                : example.typed;
        EXPECT_EQ(texts(), expected) << design.objectName();
    }
}

class FormWorkedExamples : public Form, public testing::WithParamInterface<test::WorkedExample> {};

TEST_P(FormWorkedExamples, ShowTheCylinderAndOfferTheGivenValuesAndTheWorking) {
    enter(GetParam().type, GetParam().typed);
    form_.calculatePressed();
    EXPECT_EQ(texts(), GetParam().shown);
    EXPECT_EQ(controls_.rows().fullValues, test::offeredAfter(GetParam()));
    expectPairApplied(controls_.rows(), GetParam().type);
    EXPECT_TRUE(controls_.errors().empty());
}

INSTANTIATE_TEST_SUITE_P(NinePairs, FormWorkedExamples, testing::ValuesIn(test::workedExamples()));

class FormErrors : public Form, public testing::WithParamInterface<test::ErrorExample> {};

TEST_P(FormErrors, AreShownAndChangeNothing) {
    enter(GetParam().type, GetParam().typed);
    const RowsState before = controls_.rows();
    form_.calculatePressed();
    EXPECT_EQ(controls_.errors(), (std::vector<form::content::ErrorMessage>{
                                      form::content::runTimeErrorMessage(GetParam().error)}));
    EXPECT_EQ(controls_.rows(), before);

    // The user corrects the values and tries again.
    const auto& example = test::workedExamples().at(static_cast<std::size_t>(GetParam().type));
    enter(example.type, example.typed);
    form_.calculatePressed();
    EXPECT_EQ(texts(), example.shown);
    EXPECT_EQ(controls_.errors().size(), 1U);
}

INSTANTIATE_TEST_SUITE_P(ErrorTable, FormErrors, testing::ValuesIn(test::errorExamples()),
                         test::kNameOfExample);

class FormDeclines : public Form, public testing::WithParamInterface<test::DeclineExample> {};

TEST_P(FormDeclines, WhenAGivenValueIsNotPositive) {
    enter(GetParam().type, GetParam().typed);
    const RowsState before = controls_.rows();
    form_.calculatePressed();
    EXPECT_EQ(controls_.rows(), before);
    EXPECT_EQ(texts(), GetParam().typed);
    EXPECT_TRUE(controls_.errors().empty());
}

INSTANTIATE_TEST_SUITE_P(NotPositive, FormDeclines, testing::ValuesIn(test::declineExamples()),
                         test::kNameOfExample);

// The table holds each designed control once, the value rows inside their frame and everything
// inside the window, and runs in the design's focus order.
TEST(ControlTable, DescribesTheWindowInFocusOrder) {
    std::vector<std::string> names;
    for (const ControlDesign& design : controlTable()) {
        names.push_back(design.objectName());
        const layout::TwipRect bounds =
            design.container == Container::Frame
                ? layout::TwipRect{0, 0, layout::kFrame.width, layout::kFrame.height}
                : layout::kClientArea;
        EXPECT_GE(design.rect.left, bounds.left) << names.back();
        EXPECT_GE(design.rect.top, bounds.top) << names.back();
        EXPECT_LE(design.rect.left + design.rect.width, bounds.width) << names.back();
        EXPECT_LE(design.rect.top + design.rect.height, bounds.height) << names.back();
        EXPECT_EQ(positionOf(design.name), names.size() - 1) << names.back();
        EXPECT_EQ(design.background.has_value(), design.textColour.has_value()) << names.back();
    }
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), kControlCount);
    std::vector<std::string> visited;
    for (const ControlName& control : focusCycle()) {
        visited.push_back(objectNameOf(control));
    }
    EXPECT_EQ(visited, (std::vector<std::string>{"Text1(0)", "Text2(0)", "Text2(1)", "Text2(2)",
                                                 "Text2(3)", "Text2(4)", "List1(0)", "Command1(0)",
                                                 "Command1(1)", "Picture1"}));
    EXPECT_EQ(firstFocus(), (ControlName{ControlArray::Text1, 0}));
    EXPECT_EQ(positionOf({ControlArray::Text2, 5}), std::nullopt);
}

} // namespace
} // namespace korvala::form

namespace korvala::form::layout {
namespace {

// A face scales the table to its monitor: exact at 96 dots per inch, twice at 192, and at 144
// each edge rounded on its own, so that controls that meet still meet.
TEST(LayoutScale, KeepsTheTableAtEveryResolution) {
    const TwipRect table[] = {kClientArea, kTitle,           kGivenCaption, kProblemList,
                              kFrame,      kCalculateButton, kClearButton,  kPicture,
                              kStatement,  checkBoxRow(4),   valueBoxRow(4)};
    for (const TwipRect& rect : table) {
        const PixelRect at96 = rect.pixels();
        EXPECT_EQ(rect.pixelsAt(96), at96);
        EXPECT_EQ(rect.pixelsAt(192),
                  (PixelRect{2 * at96.left, 2 * at96.top, 2 * at96.width, 2 * at96.height}));
    }
    EXPECT_EQ(kClientArea.pixelsAt(144), (PixelRect{0, 0, 722, 636}));
    const PixelRect row0 = valueBoxRow(0).pixelsAt(144);
    const PixelRect row1 = valueBoxRow(1).pixelsAt(144);
    EXPECT_EQ(row1.top - row0.top, kRowPitch * 144 / kTwipsPerInch);
}

} // namespace
} // namespace korvala::form::layout
