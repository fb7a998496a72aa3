// The design calculation, step by step.

#include "calculation/design_calculation.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>

namespace coldesign {
namespace {

// The four texts a design writes.
struct ResultTexts {
  std::string required_area_text;
  std::string length_text;
  std::string steel_area_text;
  std::string bar_count_text;
};

struct DesignCase {
  ColumnDesignInput input;
  ResultTexts result;
  friend std::ostream& operator<<(std::ostream& os, const DesignCase& c) {
    return os << c.input.load_text << " t x " << c.input.floors_text << " floors, width "
              << c.input.width_text;
  }
};

void ExpectResult(const ResultTexts& expected, const ColumnDesignResult& actual) {
  EXPECT_EQ(expected.required_area_text, actual.required_area_text);
  EXPECT_EQ(expected.length_text, actual.length_text);
  EXPECT_EQ(expected.steel_area_text, actual.steel_area_text);
  EXPECT_EQ(expected.bar_count_text, actual.bar_count_text);
}

class DesignColumnWrites : public ::testing::TestWithParam<DesignCase> {};

TEST_P(DesignColumnWrites, TheFourTexts) {
  const auto result = DesignColumn(GetParam().input);
  ASSERT_TRUE(result.has_value()) << "failed at kind " << static_cast<int>(result.error().kind);
  ExpectResult(GetParam().result, *result);
}

// The worked examples, to the letter; the first row is also the road of one calculation.
INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, DesignColumnWrites,
    ::testing::Values(
        DesignCase{{"10", "5"}, {"492.743235979215", "30", "5.4", "4"}},
        DesignCase{{"30", "4"}, {"1182.58376635012", "40", "11.8258376635012", "6"}},
        DesignCase{{"50", "7"}, {"3449.20265185451", "115", "34.4920265185451", "18"}},
        DesignCase{{"100", "7"}, {"6898.40530370901", "230", "68.9840530370901", "34"}}));

// F × (L × 1.1) × 1000 / 111.62, left to right: (F × L) × 1.1 first, or 1000 / 111.62 taken
// as one factor, would give 82.7808636445082.
INSTANTIATE_TEST_SUITE_P(OrderOfOperations, DesignColumnWrites,
                         ::testing::Values(DesignCase{{"1.2", "7"},
                                                      {"82.7808636445081", "30", "5.4", "4"}}));

// Load texts chosen so that the required area is the round number in the comment (width 30).
INSTANTIATE_TEST_SUITE_P(
    LengthThresholds, DesignColumnWrites,
    ::testing::Values(
        // A = 900: q = 30 exactly, the length stays 30; s = 9, n = 4.5 rounds to 4 (halves to
        // even): four bars.
        DesignCase{{"91.3254545454545", "1"}, {"900", "30", "9", "4"}},
        // A = 915: q = 30.5 rounds to 30 (halves to even), the length stays 30.
        DesignCase{{"92.8475454545455", "1"}, {"915", "30", "9.15", "6"}},
        // A = 918: q = 30.6 rounds to 31, the length becomes 35.
        DesignCase{{"93.1519636363636", "1"}, {"918", "35", "9.18", "6"}},
        // A / b = 30.000000000000004, above 30; its text 30 takes the rule for q = 30.
        DesignCase{{"10", "5", "16.424774532640498"},
                   {"492.743235979215", "30", "4.92743235979215", "4"}},
        // A / b = 30.500000000000004 would round to 31 (length 35); its text 30.5 rounds to 30.
        DesignCase{{"10", "111.62", "360.655737704918"}, {"11000", "30", "110", "56"}}));

INSTANTIATE_TEST_SUITE_P(
    BarThresholds, DesignColumnWrites,
    ::testing::Values(
        // A = 800: s = 8 beats m = 5.4; n = 4 exactly gives four bars.
        DesignCase{{"81.1781818181818", "1"}, {"800", "30", "8", "4"}},
        // A = 1300: length 45, s = 13 beats m = 8.1, n = 6.5 rounds to 6: six bars.
        DesignCase{{"131.914545454545", "1"}, {"1300", "45", "13", "6"}}));

// The steel area is the larger of s = A × 0.01 and m = (b × 0.006) × t, on either side of
// A = 540, where both are 5.4.
INSTANTIATE_TEST_SUITE_P(SteelRules, DesignColumnWrites,
                         ::testing::Values(
                             // A = 539.06...: s = 5.39... loses to m = 5.4.
                             DesignCase{{"54.7", "1"}, {"539.061100161261", "30", "5.4", "4"}},
                             // A = 541.03...: s = 5.41... beats m = 5.4.
                             DesignCase{{"54.9", "1"},
                                        {"541.032073105178", "30", "5.41032073105178", "4"}}));

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, DesignColumnWrites,
    ::testing::Values(
        // A floor count of 0: area 0, length 30, steel 5.4, four bars.
        DesignCase{{"10", "0"}, {"0", "30", "5.4", "4"}},
        // A negative load: the quotient is below 30, m = 5.4 beats s.
        DesignCase{{"-10", "5"}, {"-492.743235979215", "30", "5.4", "4"}},
        // Regional digits in the inputs read as their ASCII twins.
        DesignCase{{"١٠", "٥"}, {"492.743235979215", "30", "5.4", "4"}},
        DesignCase{{"۱۰٫۰", " 5 "}, {"492.743235979215", "30", "5.4", "4"}},
        // The width is read as text too: 40 cm.
        DesignCase{{"50", "7", "40"}, {"3449.20265185451", "90", "34.4920265185451", "18"}},
        // Far beyond the 16-bit range in the bar count would fail; a tall width stays fine.
        DesignCase{{"10", "5", "1000"}, {"492.743235979215", "30", "180", "90"}}));

// Other materials, worked by hand. fcu 300, fy 4000: the stress is 131.8; b 25 is also the least
// length; Φ20 counts 3.1 cm² a bar.
INSTANTIATE_TEST_SUITE_P(Materials, DesignColumnWrites,
                         ::testing::Values(
                             // A = 7 × 55 × 1000 / 131.8; q = 116.84 → 117 → 120; s = 29.21 beats m
                             // = 18; n = 29.21 / 3.1 = 9.42 → 9 → 10.
                             DesignCase{DesignInput("50", "7",
                                                    {.concrete_strength_kg_per_cm2 = 300,
                                                     .steel_yield_kg_per_cm2 = 4000,
                                                     .width_cm = 25,
                                                     .bar_diameter_mm = 20}),
                                        {"2921.09256449165", "120", "29.2109256449165", "10"}},
                             // q = 19.7 is below the least length 25: 25; m = 25 × 0.006 × 25
                             // = 3.75 loses to s = 4.93; n = 1.6 → four bars.
                             DesignCase{
                                 DesignInput("10", "5", {.width_cm = 25, .bar_diameter_mm = 20}),
                                 {"492.743235979215", "25", "4.92743235979215", "4"}},
                             // A load factor of 1.5: A = 5 × 15 × 1000 / 111.62.
                             DesignCase{DesignInput("10", "5", {.load_factor = 1.5}),
                                        {"671.922594517112", "30", "6.71922594517112", "4"}}));

// --- Failures: the kind, and the texts of the steps before the failing one.

struct FailureCase {
  ColumnDesignInput input;
  NumericFailure kind;
  ResultTexts partial;
  friend std::ostream& operator<<(std::ostream& os, const FailureCase& c) {
    return os << c.input.load_text << " t x " << c.input.floors_text << " floors, width "
              << c.input.width_text;
  }
};

class DesignColumnFails : public ::testing::TestWithParam<FailureCase> {};

TEST_P(DesignColumnFails, WithTheEarlierTexts) {
  const auto result = DesignColumn(GetParam().input);
  ASSERT_FALSE(result.has_value());
  EXPECT_EQ(GetParam().kind, result.error().kind);
  ExpectResult(GetParam().partial, result.error().partial);
}

// The texts that the steps before the failing one wrote.
ResultTexts Written(std::string area = {}, std::string length = {}, std::string steel = {}) {
  return {std::move(area), std::move(length), std::move(steel), {}};
}

constexpr auto kOverflow = NumericFailure::Overflow;
constexpr auto kMismatch = NumericFailure::TypeMismatch;

INSTANTIATE_TEST_SUITE_P(AtStep1, DesignColumnFails,
                         ::testing::Values(
                             // F x a = 1.1E+310 leaves the range of a double.
                             FailureCase{{"1e300", "1e10"}, kOverflow, Written()},
                             // L x 1.1 is infinite, and 0 x infinity is not a number.
                             FailureCase{{"1.7e308", "0"}, kOverflow, Written()},
                             FailureCase{{"1e400", "1"}, kOverflow, Written()},
                             FailureCase{{"abc", "5"}, kMismatch, Written()},
                             FailureCase{{"10", ""}, kMismatch, Written()},
                             FailureCase{{"", "5"}, kMismatch, Written()},
                             FailureCase{{"1,5", "5"}, kMismatch, Written()}));

INSTANTIATE_TEST_SUITE_P(
    AtStep2, DesignColumnFails,
    ::testing::Values(
        // q = 32849.5... rounds beyond 32767.
        FailureCase{{"1000", "100"}, kOverflow, Written("985486.47195843")},
        // A width of 0: the quotient is infinite (or not a number for an area of 0).
        FailureCase{{"10", "5", "0"}, kOverflow, Written("492.743235979215")},
        FailureCase{{"10", "0", "0"}, kOverflow, Written("0")},
        FailureCase{{"10", "5", "1e400"}, kOverflow, Written("492.743235979215")},
        FailureCase{{"10", "5", "abc"}, kMismatch, Written("492.743235979215")},
        // A / b beyond DBL_MAX.
        FailureCase{{"10", "5", "1e-310"}, kOverflow, Written("492.743235979215")}));

INSTANTIATE_TEST_SUITE_P(
    AtStep4, DesignColumnFails,
    ::testing::Values(
        // A wide section: m = 1E+06 x 0.006 x 30 = 180000, n = 90000 rounds beyond 32767.
        FailureCase{{"10", "5", "1e6"}, kOverflow, Written("492.743235979215", "30", "180000")}));

}  // namespace
}  // namespace coldesign
