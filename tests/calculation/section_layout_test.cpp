// Where the bars of a section go, and when they do not fit.

#include "calculation/section_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <ostream>
#include <vector>

namespace coldesign {
namespace {

constexpr double kTolerance = 1e-9;

std::ostream& operator<<(std::ostream& os, const SectionLayoutInput& in) {
  return os << in.width_cm << " x " << in.length_cm << " cm, " << in.bar_count << " bars of "
            << in.bar_diameter_mm << " mm, tie " << in.tie_diameter_mm << ", cover "
            << in.clear_cover_mm;
}

SectionLayoutInput Section(double width_cm, double length_cm, int bar_count,
                           double bar_diameter_mm = 16) {
  SectionLayoutInput input;
  input.width_cm = width_cm;
  input.length_cm = length_cm;
  input.bar_count = bar_count;
  input.bar_diameter_mm = bar_diameter_mm;
  return input;
}

struct FittingCase {
  SectionLayoutInput input;
  double clear_spacing_mm;
  friend std::ostream& operator<<(std::ostream& os, const FittingCase& c) { return os << c.input; }
};

class SectionThatFits : public ::testing::TestWithParam<FittingCase> {};

TEST_P(SectionThatFits, ReportsItsClearSpacing) {
  const auto layout = LayOutSection(GetParam().input);
  ASSERT_TRUE(layout.has_value());
  EXPECT_NEAR(GetParam().clear_spacing_mm, layout->clear_spacing_mm, kTolerance);
  EXPECT_EQ(static_cast<std::size_t>(GetParam().input.bar_count), layout->bars.size());
}

// The reported spacing is the least gap between any two bars, and never below the rule.
TEST_P(SectionThatFits, NoTwoBarsCloserThanTheClearSpacing) {
  const SectionLayoutInput& in = GetParam().input;
  const auto layout = LayOutSection(in);
  ASSERT_TRUE(layout.has_value());
  double least_gap = std::numeric_limits<double>::infinity();
  for (std::size_t i = 0; i < layout->bars.size(); ++i) {
    for (std::size_t j = i + 1; j < layout->bars.size(); ++j) {
      const double dx = layout->bars[i].x_mm - layout->bars[j].x_mm;
      const double dy = layout->bars[i].y_mm - layout->bars[j].y_mm;
      least_gap = std::min(least_gap, std::hypot(dx, dy) - in.bar_diameter_mm);
    }
  }
  EXPECT_NEAR(layout->clear_spacing_mm, least_gap, kTolerance);
  EXPECT_GE(least_gap + kTolerance, std::max(in.bar_diameter_mm, 25.0));
}

// Corners first, every bar on one of the two long faces inside cover and tie, and the layout
// its own mirror image about both axes.
TEST_P(SectionThatFits, CornersFirstOnTheLongFacesAndSymmetric) {
  const SectionLayoutInput& in = GetParam().input;
  const auto layout = LayOutSection(in);
  ASSERT_TRUE(layout.has_value());
  const double length = in.length_cm * 10;
  const double width = in.width_cm * 10;
  const double edge = in.clear_cover_mm + in.tie_diameter_mm + in.bar_diameter_mm / 2;
  const auto at = [](double a, double b) { return std::abs(a - b) < kTolerance; };

  for (std::size_t i = 0; i < 4; ++i) {
    const BarCentre& bar = layout->bars[i];
    EXPECT_TRUE(at(bar.x_mm, edge) || at(bar.x_mm, length - edge)) << "corner " << i;
    EXPECT_TRUE(at(bar.y_mm, edge) || at(bar.y_mm, width - edge)) << "corner " << i;
  }
  const bool along_length = length >= width;
  for (const BarCentre& bar : layout->bars) {
    const double across = along_length ? bar.y_mm : bar.x_mm;
    const double across_size = along_length ? width : length;
    EXPECT_TRUE(at(across, edge) || at(across, across_size - edge)) << bar.x_mm << ", " << bar.y_mm;
    EXPECT_GE(bar.x_mm, edge - kTolerance);
    EXPECT_LE(bar.x_mm, length - edge + kTolerance);
  }
  const auto has_bar_at = [&](double x, double y) {
    return std::ranges::any_of(layout->bars,
                               [&](const BarCentre& b) { return at(b.x_mm, x) && at(b.y_mm, y); });
  };
  for (const BarCentre& bar : layout->bars) {
    EXPECT_TRUE(has_bar_at(length - bar.x_mm, bar.y_mm)) << bar.x_mm << ", " << bar.y_mm;
    EXPECT_TRUE(has_bar_at(bar.x_mm, width - bar.y_mm)) << bar.x_mm << ", " << bar.y_mm;
  }
}

// Cover 25, tie 8, bars of 16: bar centres 41 mm in from each face.
INSTANTIATE_TEST_SUITE_P(
    Sections, SectionThatFits,
    ::testing::Values(
        // Four bars: only the corners, 218 mm apart both ways.
        FittingCase{Section(30, 30, 4), 202},
        // The most that fit along 30 cm: six a face, 43.6 mm apart.
        FittingCase{Section(30, 30, 12), 27.6},
        // The worked example of 100 t on seven floors: 30 x 230, 34 bars.
        FittingCase{Section(30, 230, 34), 2218.0 / 16 - 16},
        // Clear spacing of exactly 25 mm is enough (cover 20, tie 10, bars of 20).
        FittingCase{{.width_cm = 20,
                     .length_cm = 26,
                     .bar_count = 10,
                     .bar_diameter_mm = 20,
                     .tie_diameter_mm = 10,
                     .clear_cover_mm = 20},
                    25},
        // Bars of 32 mm need 32 mm between them: four a face fit on 30 cm.
        FittingCase{Section(30, 30, 8, 32), 202.0 / 3 - 32},
        // Wider than long: the bars run along the width.
        FittingCase{Section(40, 30, 8), 318.0 / 3 - 16}));

struct FailingCase {
  SectionLayoutInput input;
  SectionLayoutFailure failure;
  friend std::ostream& operator<<(std::ostream& os, const FailingCase& c) { return os << c.input; }
};

class SectionThatFails : public ::testing::TestWithParam<FailingCase> {};

TEST_P(SectionThatFails, WithItsReason) {
  const auto layout = LayOutSection(GetParam().input);
  ASSERT_FALSE(layout.has_value());
  EXPECT_EQ(GetParam().failure, layout.error());
}

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    TooManyBars, SectionThatFails,
    ::testing::Values(
        // One pair too many along 30 cm: 36.3 mm apart, a clear gap of 20.3.
        FailingCase{Section(30, 30, 14), SectionLayoutFailure::BarsDoNotFit},
        // Just under 25 mm: cover 20, tie 10, bars of 20, six a face on 26 cm.
        FailingCase{{.width_cm = 20,
                     .length_cm = 26,
                     .bar_count = 12,
                     .bar_diameter_mm = 20,
                     .tie_diameter_mm = 10,
                     .clear_cover_mm = 20},
                    SectionLayoutFailure::BarsDoNotFit},
        // A gap of 28 mm is enough for 16 mm bars but not for 32 mm ones.
        FailingCase{Section(25, 27.8, 8, 32), SectionLayoutFailure::BarsDoNotFit},
        // The two faces too close together: 18 mm centre to centre across a 10 cm width.
        FailingCase{Section(10, 30, 4), SectionLayoutFailure::BarsDoNotFit},
        // 230 cm holds 34 bars easily, but not 120.
        FailingCase{Section(30, 230, 120), SectionLayoutFailure::BarsDoNotFit}));

SectionLayoutInput WithCover(double cover_mm) {
  SectionLayoutInput input;
  input.clear_cover_mm = cover_mm;
  return input;
}

SectionLayoutInput WithTie(double tie_mm) {
  SectionLayoutInput input;
  input.tie_diameter_mm = tie_mm;
  return input;
}

INSTANTIATE_TEST_SUITE_P(
    InvalidInputs, SectionThatFails,
    ::testing::Values(FailingCase{Section(30, 30, 5), SectionLayoutFailure::InvalidInput},
                      FailingCase{Section(30, 30, 2), SectionLayoutFailure::InvalidInput},
                      FailingCase{Section(30, 30, 0), SectionLayoutFailure::InvalidInput},
                      FailingCase{Section(30, 30, -4), SectionLayoutFailure::InvalidInput},
                      FailingCase{Section(0, 30, 4), SectionLayoutFailure::InvalidInput},
                      FailingCase{Section(30, -30, 4), SectionLayoutFailure::InvalidInput},
                      FailingCase{Section(kNaN, 30, 4), SectionLayoutFailure::InvalidInput},
                      FailingCase{Section(30, kInf, 4), SectionLayoutFailure::InvalidInput},
                      FailingCase{Section(30, 30, 4, 0), SectionLayoutFailure::InvalidInput},
                      FailingCase{Section(30, 30, 4, kNaN), SectionLayoutFailure::InvalidInput},
                      FailingCase{WithCover(0), SectionLayoutFailure::InvalidInput},
                      FailingCase{WithCover(kInf), SectionLayoutFailure::InvalidInput},
                      FailingCase{WithTie(-8), SectionLayoutFailure::InvalidInput},
                      // Corner bars overlapping: 90 mm leaves 8 mm between centres.
                      FailingCase{Section(9, 30, 4), SectionLayoutFailure::InvalidInput},
                      FailingCase{Section(30, 8, 4), SectionLayoutFailure::InvalidInput},
                      // Sizes whose millimetres overflow.
                      FailingCase{Section(1e308, 30, 4), SectionLayoutFailure::InvalidInput}));

}  // namespace
}  // namespace coldesign
