#include "calc/constants.hpp"
#include "calc/problem_type.hpp"
#include "calc/quantity.hpp"
#include "form/words.hpp"

#include <array>
#include <cstdint>
#include <cstring>
#include <gtest/gtest.h>
#include <set>
#include <string>

namespace korvala::calc {
namespace {

// std::bit_cast, which Emscripten 3.1.6's libc++ does not have.
std::uint64_t bitsOf(double value) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

TEST(Constants, AreTheShortLiteralsNotTheNearestDoubles) {
    EXPECT_EQ(bitsOf(kPi), 0x400921FB54442D11ULL);
    EXPECT_EQ(bitsOf(kTwoPi), 0x401921FB54442D11ULL);
    EXPECT_EQ(bitsOf(kFourPi), 0x402921FB54442D11ULL);
    EXPECT_EQ(kFourPi, 4.0 * kPi);
}

// The position is the problem type's number in korvala-calc's requests and in share links: the
// order may never change.
TEST(ProblemTypes, ListHoldsTheNinePairsInOrderWithoutDV) {
    const std::array<std::string, kProblemTypeCount> expected{"R H", "R D", "R S", "R V", "H D",
                                                              "H S", "H V", "D S", "S V"};
    for (std::size_t position = 0; position < kProblemTypeCount; ++position) {
        const auto type = problemTypeAt(static_cast<long long>(position));
        ASSERT_TRUE(type.has_value());
        EXPECT_EQ(form::listEntryOf(*type), expected[position]);
    }
    EXPECT_FALSE(problemTypeAt(-1).has_value());
    EXPECT_FALSE(problemTypeAt(9).has_value());
}

TEST(ProblemTypes, PairsAreDistinctOrderedAndCoverEachQuantityAsStated) {
    std::array<int, kQuantityCount> timesGiven{};
    std::set<std::pair<std::size_t, std::size_t>> pairs;
    for (std::size_t position = 0; position < kProblemTypeCount; ++position) {
        const GivenPair pair = givenPairOf(static_cast<ProblemType>(position));
        EXPECT_LT(indexOf(pair.first), indexOf(pair.second));
        pairs.emplace(indexOf(pair.first), indexOf(pair.second));
        ++timesGiven[indexOf(pair.first)];
        ++timesGiven[indexOf(pair.second)];
    }
    EXPECT_EQ(pairs.size(), kProblemTypeCount);
    EXPECT_EQ(pairs.count({indexOf(Quantity::D), indexOf(Quantity::V)}), 0U);
    EXPECT_EQ(timesGiven, (std::array<int, kQuantityCount>{4, 4, 3, 4, 3}));
}

} // namespace
} // namespace korvala::calc
