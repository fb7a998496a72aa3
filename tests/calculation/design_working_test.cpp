// The working a design records: the quotients, which rule raised a value, the steel ratio.

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "calculation/design_calculation.h"

namespace coldesign {
namespace {

struct WorkingCase {
  ColumnDesignInput input;
  DesignWorking working;
  friend std::ostream& operator<<(std::ostream& os, const WorkingCase& c) {
    return os << c.input.load_text << " t x " << c.input.floors_text << " floors";
  }
};

class DesignWorkingOf : public ::testing::TestWithParam<WorkingCase> {};

TEST_P(DesignWorkingOf, TheDesignsOwnResults) {
  const auto result = DesignColumn(GetParam().input);
  ASSERT_TRUE(result.has_value());
  const DesignWorking& want = GetParam().working;
  const DesignWorking& working = result->working;
  EXPECT_EQ(want.length_quotient_text, working.length_quotient_text);
  EXPECT_EQ(want.rounded_length_text, working.rounded_length_text);
  EXPECT_EQ(want.length_rule, working.length_rule);
  EXPECT_EQ(want.steel_share_text, working.steel_share_text);
  EXPECT_EQ(want.least_steel_text, working.least_steel_text);
  EXPECT_EQ(want.steel_rule, working.steel_rule);
  EXPECT_EQ(want.bar_quotient_text, working.bar_quotient_text);
  EXPECT_EQ(want.rounded_bar_text, working.rounded_bar_text);
  EXPECT_EQ(want.bar_rule, working.bar_rule);
  EXPECT_EQ(want.steel_ratio_percent_text, working.steel_ratio_percent_text);
  EXPECT_EQ(want.beyond_floor_limit, working.beyond_floor_limit);
}

constexpr auto kShare = SteelRule::ShareOfRequiredArea;
constexpr auto kLeastSteel = SteelRule::LeastOfSection;

INSTANTIATE_TEST_SUITE_P(
    Designs, DesignWorkingOf,
    ::testing::Values(
        // Both whole numbers raised to their least values; the least steel governs.
        WorkingCase{{"10", "5"},
                    {"16.4247745326405", "", LengthRule::RaisedToLeast, "4.92743235979215", "5.4",
                     kLeastSteel, "2.7", "", BarRule::RaisedToLeast, "0.60", false}},
        // 39 raised to a multiple of 5; 5.91 rounds to 6 bars, already even.
        WorkingCase{{"30", "4"},
                    {"39.4194588783373", "39", LengthRule::RaisedToMultiple, "11.8258376635012",
                     "7.2", kShare, "5.9129188317506", "6", BarRule::None, "0.99", false}},
        // 17 bars raised to an even 18.
        WorkingCase{{"50", "7"},
                    {"114.973421728484", "115", LengthRule::None, "34.4920265185451", "20.7",
                     kShare, "17.2460132592726", "17", BarRule::RaisedToEven, "1.00", false}},
        WorkingCase{{"100", "7"},
                    {"229.946843456967", "230", LengthRule::None, "68.9840530370901", "41.4",
                     kShare, "34.4920265185451", "34", BarRule::None, "1.00", false}},
        // Quotients exactly at the least values raise nothing (A = 900 and 4.5 bars).
        WorkingCase{{"91.3254545454545", "1"},
                    {"30", "", LengthRule::None, "9", "5.4", kShare, "4.5", "4", BarRule::None,
                     "1.00", false}},
        // 30.6 rounds to 31, raised to 35.
        WorkingCase{{"93.1519636363636", "1"},
                    {"30.6", "31", LengthRule::RaisedToMultiple, "9.18", "6.3", kShare, "4.59", "5",
                     BarRule::RaisedToEven, "0.87", false}},
        // Eight floors: one more than the design is meant for.
        WorkingCase{{"10", "8"},
                    {"26.2796392522248", "", LengthRule::RaisedToLeast, "7.88389177566744", "5.4",
                     kShare, "3.94194588783372", "", BarRule::RaisedToLeast, "0.88", true}}));

}  // namespace
}  // namespace coldesign
