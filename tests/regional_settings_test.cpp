#include "runtime/number_settings.hpp"
#include "runtime/regional_settings.hpp"

#include <array>
#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace korvala::runtime {
namespace {

#ifndef _WIN32
// Points the locale variables at one locale for the test's duration.
class UserLocale : public testing::Test {
protected:
    void SetUp() override {
        for (const char* name : kVariables) {
            const char* value = std::getenv(name);
            saved_.emplace_back(value != nullptr ? std::optional<std::string>(value)
                                                 : std::nullopt);
        }
    }
    void TearDown() override {
        for (std::size_t i = 0; i < kVariables.size(); ++i) {
            if (saved_[i]) {
                setenv(kVariables[i], saved_[i]->c_str(), 1);
            } else {
                unsetenv(kVariables[i]);
            }
        }
    }
    static void use(const char* locale) {
        unsetenv("LC_NUMERIC");
        unsetenv("LANG");
        setenv("LC_ALL", locale, 1);
    }

private:
    static constexpr std::array<const char*, 3> kVariables{"LC_ALL", "LC_NUMERIC", "LANG"};
    std::vector<std::optional<std::string>> saved_;
};

TEST_F(UserLocale, PosixLocaleGivesThePosixSettings) {
    use("C");
    EXPECT_EQ(userNumberSettings(), posixNumberSettings());
}

TEST_F(UserLocale, UnknownLocaleFallsBackToPosix) {
    use("xx_XX.NOPE");
    EXPECT_EQ(userNumberSettings(), posixNumberSettings());
}

TEST_F(UserLocale, ChangesAreFollowedOnTheNextCall) {
    use("xx_XX.NOPE");
    (void)userNumberSettings();
    use("C.UTF-8");
    EXPECT_EQ(userNumberSettings().decimalSymbol, ".");
}
#endif

struct GroupSizesCase {
    const char* text;
    bool accepted;
    std::vector<int> sizes;
};

void PrintTo(const GroupSizesCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class GroupSizesText : public testing::TestWithParam<GroupSizesCase> {};

TEST_P(GroupSizesText, ReadsTheRegionalNotation) {
    std::vector<int> sizes{7};
    EXPECT_EQ(parseGroupSizes(GetParam().text, sizes), GetParam().accepted);
    EXPECT_EQ(sizes, GetParam().accepted ? GetParam().sizes : std::vector<int>{7});
}

INSTANTIATE_TEST_SUITE_P(
    Notation, GroupSizesText,
    testing::Values(GroupSizesCase{"3", true, {3}}, GroupSizesCase{"3;0", true, {3}},
                    GroupSizesCase{"3;2", true, {3, 2}}, GroupSizesCase{"3;2;0", true, {3, 2}},
                    GroupSizesCase{"", true, {}}, GroupSizesCase{"none", true, {}},
                    GroupSizesCase{"0", true, {}}, GroupSizesCase{"3;", false, {}},
                    GroupSizesCase{"3;0;2", false, {}}, GroupSizesCase{"12", false, {}},
                    GroupSizesCase{"x", false, {}}, GroupSizesCase{";", false, {}}));

} // namespace
} // namespace korvala::runtime
