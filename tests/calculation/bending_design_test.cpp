#include "calculation/bending_design.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "calculation/numeric_text.h"

namespace coldesign {
namespace {

BendingDesignInput Input(std::string load, std::string floors, double mx, double my,
                         const DesignMaterials& materials = {}) {
  return {.column = DesignInput(std::move(load), std::move(floors), materials),
          .moment_x_t_m = mx,
          .moment_y_t_m = my,
          .length_factor = std::nullopt};
}

BendingDesignResult Designed(const BendingDesignInput& input) {
  const auto result = DesignBendingColumn(input);
  EXPECT_TRUE(result.has_value());
  return result.value_or(BendingDesignResult{});
}

int Whole(const std::string& text) { return static_cast<int>(*ParseNumberStrict(text)); }

TEST(BendingDesign, MomentsWithinTheLeastEccentricityKeepTheAxialDesign) {
  const DesignMaterials other{.concrete_strength_kg_per_cm2 = 300,
                              .steel_yield_kg_per_cm2 = 4000,
                              .width_cm = 25,
                              .bar_diameter_mm = 20};
  struct Case {
    BendingDesignInput input;
    double least_x;  // Pu × e_min about x, t·m
    double least_y;
  };
  const std::vector<Case> cases = {
      // 770 t on 30 × 230 cm: e_min 11.5 cm about x, 2 cm (not 1.5) about y.
      {Input("100", "7", 0, 0), 88.55, 15.4},
      {Input("100", "7", -88.5, 15.4), 88.55, 15.4},
      {Input("100", "2.5", 11, -5), 275 * 0.0425, 5.5},  // 30 × 85 cm
      // 132 t on 25 × 40 cm: 2 cm both ways.
      {Input("30", "4", -2.64, 2.6, other), 2.64, 2.64},
      {Input("0", "3", 0, 0), 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.input.column.load_text + " × " + c.input.column.floors_text);
    const auto axial = DesignColumn(c.input.column);
    ASSERT_TRUE(axial);
    const BendingDesignResult result = Designed(c.input);
    EXPECT_EQ(BendingStatus::Ok, result.status);
    EXPECT_FALSE(result.moments_governed);
    EXPECT_EQ(axial->required_area_text, result.axial.required_area_text);
    EXPECT_EQ(axial->length_text, result.axial.length_text);
    EXPECT_EQ(axial->steel_area_text, result.axial.steel_area_text);
    EXPECT_EQ(axial->bar_count_text, result.axial.bar_count_text);
    EXPECT_EQ(Whole(axial->length_text), result.length_cm);
    EXPECT_EQ(Whole(axial->bar_count_text), result.bars);
    EXPECT_NEAR(c.least_x, result.design_moment_x_t_m, 1e-9);
    EXPECT_NEAR(c.least_y, result.design_moment_y_t_m, 1e-9);
    EXPECT_EQ(static_cast<std::size_t>(result.bars), result.bar_centres_cm.size());
  }
}

TEST(BendingDesign, LargerMomentsRaiseTheBarsAndTheLength) {
  // 88 t on 30 × 30 cm with 4 bars, short (braced, 3 m: λ 8.5 about both axes).
  const BendingDesignResult axial = Designed(Input("40", "2", 0, 0));
  ASSERT_EQ(30, axial.length_cm);
  int last_length = 0;
  int last_bars = 0;
  for (const auto& [mx, my] :
       {std::pair(2.0, 0.0), std::pair(4.0, 0.0), std::pair(8.0, 0.0), std::pair(12.0, 0.0),
        std::pair(20.0, 0.0), std::pair(30.0, 0.0), std::pair(45.0, 0.0), std::pair(70.0, 0.0)}) {
    SCOPED_TRACE(mx);
    const BendingDesignResult result = Designed(Input("40", "2", mx, my));
    EXPECT_EQ(BendingStatus::Ok, result.status);
    EXPECT_TRUE(result.moments_governed);
    EXPECT_EQ(30, result.width_cm);
    EXPECT_DOUBLE_EQ(mx, result.design_moment_x_t_m);
    ASSERT_TRUE(result.utilisation);
    EXPECT_LE(*result.utilisation, 1);
    EXPECT_GT(*result.utilisation, 0.5);
    // Never smaller than for a smaller moment.
    EXPECT_TRUE(result.length_cm > last_length ||
                (result.length_cm == last_length && result.bars >= last_bars));
    EXPECT_LE(result.steel_area_cm2, 0.04 * 30 * result.length_cm + 1e-9);
    last_length = result.length_cm;
    last_bars = result.bars;
  }
  EXPECT_GT(last_length, 30);
}

TEST(BendingDesign, BiaxialMomentsAreCheckedTogether) {
  const BendingDesignResult x_alone = Designed(Input("40", "2", 6, 0));
  const BendingDesignResult both = Designed(Input("40", "2", 6, 6));
  ASSERT_TRUE(x_alone.utilisation && both.utilisation);
  EXPECT_TRUE(both.length_cm > x_alone.length_cm || both.bars > x_alone.bars);
  EXPECT_EQ(static_cast<std::size_t>(rules::kContourPoints), both.working.contour.size());
  // The design moments lie inside the contour of the section chosen.
  const double angle = std::atan2(6.0, 6.0);
  double reach = 0;
  for (const MomentPoint& point : both.working.contour) {
    if (std::fabs(std::atan2(point.moment_y_t_m, point.moment_x_t_m) - angle) < 0.2) {
      reach = std::max(reach, std::hypot(point.moment_x_t_m, point.moment_y_t_m));
    }
  }
  EXPECT_GT(reach, std::hypot(6.0, 6.0));
}

TEST(BendingDesign, SlendernessAddsItsMoment) {
  struct Case {
    double height_m;
    bool unbraced;
    std::optional<double> k;
    double slenderness_y;  // He / b
    double added_y;        // Pu λ² b / 2000, t·m
  };
  const std::vector<Case> cases = {
      {3, false, std::nullopt, 8.5, 0},                       // short
      {6, false, std::nullopt, 17, 88 * 17 * 17 * 30 / 2e5},  // braced, slender
      {3, true, std::nullopt, 15, 88 * 15 * 15 * 30 / 2e5},   // unbraced 1.5
      {4, false, 1.0, 40.0 / 3, 0},                           // k given: short
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.height_m);
    BendingDesignInput input = Input("40", "2", 0, 10);
    input.column_height_m = c.height_m;
    input.unbraced = c.unbraced;
    input.length_factor = c.k;
    const BendingDesignResult result = Designed(input);
    EXPECT_EQ(BendingStatus::Ok, result.status);
    EXPECT_NEAR(c.slenderness_y, result.working.about_y.slenderness, 1e-12);
    EXPECT_NEAR(c.added_y, result.working.about_y.added_moment_t_m, 1e-9);
    EXPECT_NEAR(10 + c.added_y, result.design_moment_y_t_m, 1e-9);
  }
}

// With no moment given, a short column is the axial design and a slender one is designed for the
// least eccentricity's moment and its slenderness's (Pu 88 t, e_min 2 cm on the 30 cm width).
TEST(BendingDesign, ASlenderColumnCarriesItsAddedMomentWithNoneGiven) {
  struct Case {
    double height_m;
    bool unbraced;
    bool moments_governed;
    double design_moment_y;  // t·m
  };
  const std::vector<Case> cases = {
      {3, false, false, 88 * 0.02},                           // λ 8.5, short
      {6, false, true, 88 * 0.02 + 88 * 17 * 17 * 30 / 2e5},  // λ 17, braced
      {3, true, true, 88 * 0.02 + 88 * 15 * 15 * 30 / 2e5},   // λ 15, unbraced
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.height_m);
    BendingDesignInput input = Input("40", "2", 0, 0);
    input.column_height_m = c.height_m;
    input.unbraced = c.unbraced;
    const BendingDesignResult result = Designed(input);
    EXPECT_EQ(BendingStatus::Ok, result.status);
    EXPECT_EQ(c.moments_governed, result.moments_governed);
    EXPECT_NEAR(c.design_moment_y, result.design_moment_y_t_m, 1e-9);
  }
}

TEST(BendingDesign, TooSlenderOrTooLargeIsReportedNotDesigned) {
  struct Case {
    double height_m;
    bool unbraced;
    double moment_y;
    BendingStatus status;
  };
  const std::vector<Case> cases = {
      {5, true, 5, BendingStatus::Slender},  // λ 25 > 23
      {5, true, 0, BendingStatus::Slender},  // as slender with no moment given
      {10, false, 5, BendingStatus::Ok},     // λ 28.3: allowed, braced
      {10, false, 1e4, BendingStatus::Overflow},   {3, false, 1e9, BendingStatus::Overflow},
      {3, false, -1e300, BendingStatus::Overflow},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.moment_y);
    BendingDesignInput input = Input("40", "2", 0, c.moment_y);
    input.column_height_m = c.height_m;
    input.unbraced = c.unbraced;
    const BendingDesignResult result = Designed(input);
    EXPECT_EQ(c.status, result.status);
    if (c.status != BendingStatus::Ok) {
      EXPECT_FALSE(result.utilisation);
      EXPECT_EQ(30, result.length_cm);  // the axial design's
    }
  }
}

TEST(BendingDesign, RefusesMomentsThatAreNoNumbers) {
  constexpr double kInfinity = std::numeric_limits<double>::infinity();
  constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
  struct Case {
    double mx, my, height, k;
    BendingInputProblem problem;
  };
  const std::vector<Case> cases = {
      {kNan, 0, 3, 1, BendingInputProblem::MomentX},
      {0, -kInfinity, 3, 1, BendingInputProblem::MomentY},
      {0, 0, kNan, 1, BendingInputProblem::ColumnHeight},
      {0, 0, 1.5, 1, BendingInputProblem::ColumnHeight},
      {0, 0, 3, -1, BendingInputProblem::LengthFactor},
      {0, 0, 3, kInfinity, BendingInputProblem::LengthFactor},
  };
  for (const Case& c : cases) {
    BendingDesignInput input = Input("40", "2", c.mx, c.my);
    input.column_height_m = c.height;
    input.length_factor = c.k;
    const auto result = DesignBendingColumn(input);
    ASSERT_FALSE(result);
    const auto* problem = std::get_if<BendingInputProblem>(&result.error());
    ASSERT_TRUE(problem);
    EXPECT_EQ(c.problem, *problem);
  }
  // A load the axial design cannot take is its failure.
  const auto overflow = DesignBendingColumn(Input("1e300", "1", 5, 5));
  ASSERT_FALSE(overflow);
  ASSERT_TRUE(std::holds_alternative<DesignFailure>(overflow.error()));
  EXPECT_EQ(NumericFailure::Overflow, std::get<DesignFailure>(overflow.error()).kind);
}

TEST(BendingDesign, SaysWithoutTheSectionModelWhenMomentsCanGovern) {
  const DesignMaterials narrow{.width_cm = 25};
  struct Case {
    const char* what;
    BendingDesignInput input;
    bool can_govern;
  };
  const auto with = [](BendingDesignInput input, double height_m, bool unbraced,
                       std::optional<double> k = std::nullopt) {
    input.column_height_m = height_m;
    input.unbraced = unbraced;
    input.length_factor = k;
    return input;
  };
  const std::vector<Case> cases = {
      {"axial, short", Input("40", "2", 0, 0), false},
      {"a small Mx", Input("40", "2", 0.01, 0), true},
      {"a negative My", Input("40", "2", 0, -0.01), true},
      // λ = k H / b: 0.85 × 3 m / 30 cm = 8.5 braced, 1.5 × 3 m / 30 cm = 15 unbraced.
      {"unbraced, 3 m", with(Input("40", "2", 0, 0), 3, true), true},
      {"braced, 5.29 m (λ 14.99)", with(Input("40", "2", 0, 0), 5.29, false), false},
      {"braced, 5.3 m (λ 15.02)", with(Input("40", "2", 0, 0), 5.3, false), true},
      {"braced, λ 15 exactly", with(Input("40", "2", 0, 0), 4.5, false, 1.0), false},
      {"unbraced, λ 10 exactly", with(Input("40", "2", 0, 0), 3, true, 1.0), false},
      {"braced, a narrower width", with(Input("40", "2", 0, 0, narrow), 4.5, false), true},
      {"braced, the same height on 30 cm", with(Input("40", "2", 0, 0), 4.5, false), false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(c.can_govern, MomentsCanGovern(c.input));
    // No moment given: the design's own word on whether moments governed is the same.
    if (c.input.moment_x_t_m == 0 && c.input.moment_y_t_m == 0) {
      EXPECT_EQ(c.can_govern, Designed(c.input).moments_governed);
    }
  }
}

}  // namespace
}  // namespace coldesign
