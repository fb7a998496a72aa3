// The two rounding rules, followed literally for every 16-bit argument.

#include "calculation/rounding.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>

namespace coldesign {
namespace {

struct RoundUpCase {
  std::int16_t x;
  std::int32_t result;
  friend std::ostream& operator<<(std::ostream& os, const RoundUpCase& c) { return os << c.x; }
};

class RoundUpToFiveGives : public ::testing::TestWithParam<RoundUpCase> {};

TEST_P(RoundUpToFiveGives, TheResult) { EXPECT_EQ(GetParam().result, RoundUpToFive(GetParam().x)); }

INSTANTIATE_TEST_SUITE_P(WorkedExamples, RoundUpToFiveGives,
                         ::testing::Values(RoundUpCase{30, 30}, RoundUpCase{31, 35},
                                           RoundUpCase{32, 35}, RoundUpCase{35, 35},
                                           RoundUpCase{36, 40}, RoundUpCase{39, 40},
                                           RoundUpCase{40, 40}, RoundUpCase{115, 115},
                                           RoundUpCase{230, 230}, RoundUpCase{32767, 32770}));

// The literal steps, also where the calculation never calls: 0 and below, and below 10.
INSTANTIATE_TEST_SUITE_P(LiteralSteps, RoundUpToFiveGives,
                         ::testing::Values(RoundUpCase{0, 5}, RoundUpCase{1, 5}, RoundUpCase{5, 5},
                                           RoundUpCase{6, 10}, RoundUpCase{10, 10},
                                           RoundUpCase{-3, 5}, RoundUpCase{-7, 5},
                                           RoundUpCase{-10, -5}, RoundUpCase{-12, -5},
                                           RoundUpCase{-32768, -32755}, RoundUpCase{32760, 32760},
                                           RoundUpCase{32761, 32765}, RoundUpCase{32766, 32770}));

class RoundUpToEvenGives : public ::testing::TestWithParam<RoundUpCase> {};

TEST_P(RoundUpToEvenGives, TheResult) { EXPECT_EQ(GetParam().result, RoundUpToEven(GetParam().x)); }

INSTANTIATE_TEST_SUITE_P(WorkedExamples, RoundUpToEvenGives,
                         ::testing::Values(RoundUpCase{4, 4}, RoundUpCase{5, 6},
                                           RoundUpCase{17, 18}, RoundUpCase{34, 34},
                                           RoundUpCase{6, 6}));

INSTANTIATE_TEST_SUITE_P(LiteralSteps, RoundUpToEvenGives,
                         ::testing::Values(RoundUpCase{0, 2}, RoundUpCase{1, 2}, RoundUpCase{2, 2},
                                           RoundUpCase{-1, 2}, RoundUpCase{-2, 0},
                                           RoundUpCase{-3, 0}, RoundUpCase{32767, 32768},
                                           RoundUpCase{32766, 32766}, RoundUpCase{-32768, -32766}));

// For every x of 1 or more: the smallest multiple of 5 (the smallest even number) not below x.
TEST(RoundingRules, PositiveArgumentsFollowTheSummary) {
  for (int x = 1; x <= 32767; ++x) {
    const auto arg = static_cast<std::int16_t>(x);
    ASSERT_EQ((x + 4) / 5 * 5, RoundUpToFive(arg)) << x;
    ASSERT_EQ((x + 1) / 2 * 2, RoundUpToEven(arg)) << x;
  }
}

}  // namespace
}  // namespace coldesign
