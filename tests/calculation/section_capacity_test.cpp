#include "calculation/section_capacity.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

namespace coldesign {
namespace {

constexpr double kQuarterTurn = std::numbers::pi / 2;

// 30 × 50 cm, fcu 250, fy 3600 kg/cm², a 2 cm² bar in each corner 5 cm from both faces.
Section CornerBarsSection() {
  return {.width = 30,
          .length = 50,
          .bars = {{-10, -20}, {10, -20}, {10, 20}, {-10, 20}},
          .bar_area = 2,
          .concrete_strength = 250,
          .steel_yield = 3600};
}

// 12 × 20 in, f'c 4 ksi, fy 60 ksi, two 1 in² bars 2.5 in from each short face (x ±3.5).
Section InchSection() {
  return {.width = 12,
          .length = 20,
          .bars = {{-3.5, -7.5}, {3.5, -7.5}, {3.5, 7.5}, {-3.5, 7.5}},
          .bar_area = 1,
          .concrete_strength = 4,
          .steel_yield = 60};
}

// The rectangular block of 0.85 f'c over β1 = 0.85 of the depth, εcu 0.003, Es 29,000 ksi, no
// partial factors and no cap on the axial load.
constexpr StressBlock kUnfactoredBlock{.ultimate_strain = 0.003,
                                       .block_stress_share = 0.85,
                                       .concrete_safety_factor = 1,
                                       .block_depth_share = 0.85,
                                       .steel_safety_factor = 1,
                                       .steel_modulus = 29000,
                                       .axial_concrete_share = 0,
                                       .axial_steel_share = 0};

struct UniaxialCase {
  std::string what;
  Section section;
  StressBlock block;
  double depth;
  double axial;
  double moment;
};

// Bending about x (angle 0): the strains vary along the length, compression at +y.
//
// 1. The program's parameters, 30 × 50 cm section above, c = 20 cm:
//    a = 0.8 c = 16 cm, block stress 0.67 × 250 / 1.5 = 111.667 kg/cm², fy / γs = 3130.43.
//    Concrete: 111.667 × 30 × 16 = 53,600 kg at y = 25 - 8 = 17 cm: 911,200 kg·cm.
//    Top bars (y = 20, 5 cm below the top): ε = 0.003 × 15 / 20 = 0.00225 > 3130.43 / 2e6, so
//    3130.43, less the displaced concrete 111.667: 3018.77 × 4 cm² = 12,075.07 kg, × 20 cm.
//    Bottom bars (45 cm below the top): ε = 0.003 × (20 - 45) / 20 = -0.00375, yielded:
//    -3130.43 × 4 = -12,521.74 kg, × -20 cm.
//    N = 53,600 + 12,075.07 - 12,521.74 = 53,153.33 kg;
//    Mx = 911,200 + 241,501.45 + 250,434.78 = 1,403,136.23 kg·cm.
// 2. The unfactored block, 12 × 20 in section, balanced (tension steel just at yield):
//    εy = 60 / 29,000 = 0.0020690; c = 0.003 × 17.5 / (0.003 + εy) = 10.357 in; a = 8.8036 in.
//    Concrete: 0.85 × 4 × 12 × 8.8036 = 359.19 k at 10 - a / 2 = 5.598 in: 2,010.80 k·in.
//    Top bars: ε = 0.003 × (10.357 - 2.5) / 10.357 = 0.002276 > εy: (60 - 3.4) × 2 = 113.2 k.
//    Bottom bars: -60 × 2 = -120 k. Both 7.5 in from the centre.
//    N = 359.19 + 113.2 - 120 = 352.39 k; M = 2,010.80 + (113.2 + 120) × 7.5 = 3,759.80 k·in.
// 3. The same without axial load: bottom bars yielded (-120 k), top bars elastic and, as it
//    turns out, just outside the block: 34.68 c + 2 × 87 (c - 2.5) / c - 120 = 0, that is
//    34.68 c² + 54 c - 435 = 0: c = 2.84766 in, a = 2.42051 in < 2.5.
//    Concrete 0.85 × 4 × 12 × 2.42051 = 98.757 k at 10 - 1.21026 = 8.78974 in: 868.05 k·in.
//    Top bars 87 × (2.84766 - 2.5) / 2.84766 = 10.6215 ksi: 21.243 k.
//    M = 868.05 + (21.243 + 120) × 7.5 = 1,927.37 k·in.
const std::vector<UniaxialCase>& UniaxialCases() {
  static const std::vector<UniaxialCase> cases = {
      {"program's parameters, c = 20 cm", CornerBarsSection(), StressBlock{}, 20,
       53153.333333333333, 1403136.2318840580},
      {"unfactored block, balanced", InchSection(), kUnfactoredBlock,
       0.003 * 17.5 / (0.003 + 60.0 / 29000), 352.38571428571424, 3759.7985969387755},
      {"unfactored block, no axial load", InchSection(), kUnfactoredBlock, 2.847661717385947, 0,
       1927.371107311369},
  };
  return cases;
}

TEST(SectionCapacity, UniaxialCasesWorkedByHand) {
  for (const UniaxialCase& c : UniaxialCases()) {
    SCOPED_TRACE(c.what);
    const SectionForces forces = ForcesAt(c.section, c.block, {0, c.depth});
    EXPECT_NEAR(c.axial, forces.axial, c.moment * 1e-12);
    EXPECT_NEAR(c.moment, forces.moment_x, c.moment * 1e-12);
    EXPECT_NEAR(0, forces.moment_y, c.moment * 1e-12);
    // The other way round: the axis that carries N, and the largest moment there.
    const auto axis = AxisCarrying(c.section, c.block, 0, c.axial);
    ASSERT_TRUE(axis);
    EXPECT_NEAR(c.depth, axis->depth, c.depth * 1e-6);
    const auto largest = LargestMoment(c.section, c.block, c.axial, 1, 0);
    ASSERT_TRUE(largest);
    EXPECT_NEAR(c.moment, largest->moment, c.moment * 1e-9);
    // The same section turned a quarter: the same moment about y.
    Section turned = c.section;
    std::swap(turned.width, turned.length);
    for (SectionBar& bar : turned.bars) std::swap(bar.x, bar.y);
    const SectionForces about_y = ForcesAt(turned, c.block, {kQuarterTurn, c.depth});
    EXPECT_NEAR(c.axial, about_y.axial, c.moment * 1e-12);
    EXPECT_NEAR(c.moment, about_y.moment_y, c.moment * 1e-12);
  }
}

TEST(SectionCapacity, SymmetricInEverySignOfTheMoments) {
  const Section section = CornerBarsSection();
  const double axial = 60000;
  for (const auto& [mx, my] : {std::pair(1.0, 0.0), std::pair(0.0, 1.0), std::pair(1.0, 0.4),
                               std::pair(0.3, 1.0), std::pair(1.0, 1.0)}) {
    SCOPED_TRACE(std::to_string(mx) + ", " + std::to_string(my));
    const auto first = LargestMoment(section, StressBlock{}, axial, mx, my);
    ASSERT_TRUE(first);
    // On the contour, in the direction asked for.
    EXPECT_NEAR(axial, first->forces.axial, axial * 1e-9);
    EXPECT_NEAR(0, first->forces.moment_x * my - first->forces.moment_y * mx, first->moment * 1e-8);
    for (const double sx : {1.0, -1.0}) {
      for (const double sy : {1.0, -1.0}) {
        const auto mirrored = LargestMoment(section, StressBlock{}, axial, sx * mx, sy * my);
        ASSERT_TRUE(mirrored);
        EXPECT_NEAR(first->moment, mirrored->moment, first->moment * 1e-9);
        EXPECT_GE(mirrored->forces.moment_x * sx, 0);
        EXPECT_GE(mirrored->forces.moment_y * sy, 0);
      }
    }
  }
}

TEST(SectionCapacity, AxialCapOfTheTiedColumn) {
  const Section section = CornerBarsSection();
  // 0.35 × 250 × 1500 + 0.67 × 3600 × 8 = 131,250 + 19,296.
  const double cap = 150546;
  EXPECT_NEAR(cap, AxialCapacity(section, StressBlock{}), 1e-9);
  EXPECT_TRUE(LargestMoment(section, StressBlock{}, cap, 1, 1));
  EXPECT_FALSE(LargestMoment(section, StressBlock{}, cap * 1.0001, 1, 1));
  EXPECT_TRUE(CapacityContour(section, StressBlock{}, cap * 1.0001, 8).empty());
  // Without a cap the whole section squashes: 0.85 × 4 × (240 - 4) + 60 × 4 = 1,042.4 k.
  EXPECT_NEAR(1042.4, AxialCapacity(InchSection(), kUnfactoredBlock), 1e-9);
  // No moment is carried beyond pure tension either.
  EXPECT_FALSE(LargestMoment(section, StressBlock{}, -8 * 3130.44, 1, 0));
}

TEST(SectionCapacity, ContourMeetsTheUniaxialCapacitiesAndIsSymmetric) {
  const Section section = CornerBarsSection();
  const double axial = 40000;
  const std::vector<SectionForces> contour = CapacityContour(section, StressBlock{}, axial, 48);
  ASSERT_EQ(48U, contour.size());
  const auto about_x = LargestMoment(section, StressBlock{}, axial, 1, 0);
  const auto about_y = LargestMoment(section, StressBlock{}, axial, 0, 1);
  ASSERT_TRUE(about_x && about_y);
  EXPECT_NEAR(about_x->moment, contour[0].moment_x, about_x->moment * 1e-9);
  EXPECT_NEAR(about_y->moment, contour[12].moment_y, about_y->moment * 1e-9);
  EXPECT_NEAR(-about_x->moment, contour[24].moment_x, about_x->moment * 1e-9);
  // Computed without the symmetry, every point matches its mirror image.
  const std::vector<SectionForces> whole = CapacityContour(section, StressBlock{}, axial, 50);
  ASSERT_EQ(50U, whole.size());
  for (int k = 1; k < 25; ++k) {
    SCOPED_TRACE(k);
    EXPECT_NEAR(whole[k].moment_x, whole[50 - k].moment_x, about_x->moment * 1e-9);
    EXPECT_NEAR(whole[k].moment_y, -whole[50 - k].moment_y, about_x->moment * 1e-9);
    EXPECT_NEAR(axial, whole[k].axial, axial * 1e-9);
  }
  // The largest moment in a direction between the two lies on the contour: outside the
  // straight line between the uniaxial capacities, inside the box they make.
  const auto both = LargestMoment(section, StressBlock{}, axial, 1, 1);
  ASSERT_TRUE(both);
  const double share_x = both->forces.moment_x / about_x->moment;
  const double share_y = both->forces.moment_y / about_y->moment;
  EXPECT_GT(share_x + share_y, 1);
  EXPECT_LT(share_x, 1);
  EXPECT_LT(share_y, 1);
}

}  // namespace
}  // namespace coldesign
