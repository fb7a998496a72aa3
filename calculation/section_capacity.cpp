#include "calculation/section_capacity.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace coldesign {
namespace {

constexpr double kQuarterTurn = std::numbers::pi / 2;
// The root searches stop when the bracket is this share of the section's extent (or, for the
// angle, this many radians), the function this share of its scale, or after so many steps.
constexpr double kRelativeTolerance = 1e-10;
constexpr double kAxialTolerance = 1e-10;  // of the block's force over the whole section
constexpr double kAngleTolerance = 1e-9;   // radians
constexpr int kMostSteps = 100;
// A neutral axis near a known one is looked for first within this share of its depth.
constexpr double kNearShare = 0.05;

struct Point {
  double x = 0;
  double y = 0;
};

// The neutral axis's direction of compression (sin angle, cos angle) as (x, y). Worked out here
// rather than by std::sin and std::cos, which take about 9.5 KB of the page's modules for what a
// few lines do over the angles a section meets: the whole quarter turns taken out, the rest
// (within an eighth of a turn) by its Taylor series, whose terms past the 19th power are below a
// double's precision there.
Point DirectionAt(double angle) {
  // A quarter turn in two parts, the second the first's rounding, so that the rest keeps its
  // digits (Cody and Waite).
  constexpr double kQuarterHigh = 1.5707963267948966;
  constexpr double kQuarterLow = 6.123233995736766e-17;
  const double quarters = std::floor(angle / kQuarterTurn + 0.5);
  const double rest = (angle - quarters * kQuarterHigh) - quarters * kQuarterLow;
  const double square = rest * rest;
  double sine = 1;
  double cosine = 1;
  for (int k = 9; k >= 1; --k) {
    sine = 1 - square / ((2 * k) * (2 * k + 1)) * sine;
    cosine = 1 - square / ((2 * k - 1) * (2 * k)) * cosine;
  }
  sine *= rest;
  // sin and cos of the angle from those of the rest, by the quarter turns.
  switch (static_cast<long long>(quarters) & 3) {
    case 0:
      return {sine, cosine};
    case 1:
      return {cosine, -sine};
    case 2:
      return {-sine, -cosine};
    default:
      return {-cosine, sine};
  }
}

// Area and first moments (∫x dA, ∫y dA) of the part of the b × t rectangle where
// x dx + y dy ≥ level: the rectangle clipped by one straight line, then the shoelace sums.
struct ClippedArea {
  double area = 0;
  double moment_of_x = 0;
  double moment_of_y = 0;
};

ClippedArea ClipRectangle(double width, double length, Point direction, double level) {
  const std::array<Point, 4> corners = {Point{-width / 2, -length / 2},
                                        Point{width / 2, -length / 2}, Point{width / 2, length / 2},
                                        Point{-width / 2, length / 2}};
  std::array<Point, 5> kept{};
  int count = 0;
  const auto side = [&](Point p) { return p.x * direction.x + p.y * direction.y - level; };
  Point from = corners.back();
  double from_side = side(from);
  for (const Point to : corners) {
    const double to_side = side(to);
    if ((from_side >= 0) != (to_side >= 0)) {
      const double share = from_side / (from_side - to_side);
      kept[count++] = {from.x + share * (to.x - from.x), from.y + share * (to.y - from.y)};
    }
    if (to_side >= 0) kept[count++] = to;
    from = to;
    from_side = to_side;
  }
  ClippedArea clipped;
  if (count == 0) return clipped;
  Point p = kept[count - 1];
  for (int i = 0; i < count; ++i) {
    const Point q = kept[i];
    const double cross = p.x * q.y - q.x * p.y;
    clipped.area += cross;
    clipped.moment_of_x += (p.x + q.x) * cross;
    clipped.moment_of_y += (p.y + q.y) * cross;
    p = q;
  }
  clipped.area /= 2;
  clipped.moment_of_x /= 6;
  clipped.moment_of_y /= 6;
  return clipped;
}

double BlockStress(const Section& section, const StressBlock& block) {
  return block.block_stress_share * section.concrete_strength / block.concrete_safety_factor;
}

double SteelStress(const Section& section, const StressBlock& block) {
  return section.steel_yield / block.steel_safety_factor;
}

double SteelArea(const Section& section) {
  return section.bar_area * static_cast<double>(section.bars.size());
}

// The extent of the section along a direction of compression.
double Extent(const Section& section, Point direction) {
  return section.width * std::fabs(direction.x) + section.length * std::fabs(direction.y);
}

// The root of rising(x) = 0 between low and high (rising(low) < 0 ≤ rising(high)): secant
// steps through the two latest points while they stay inside the bracket, which each step
// narrows; halving it when one would leave.
template <typename Function>
double BracketedRoot(Function rising, double low, double f_low, double high, double f_high,
                     double f_tolerance, double tolerance) {
  double before = low;
  double f_before = f_low;
  double last = high;
  double f_last = f_high;
  for (int step = 0; step < kMostSteps && high - low > tolerance; ++step) {
    double x = last - f_last * (last - before) / (f_last - f_before);
    if (!std::isfinite(x) || x <= low || x >= high) x = (low + high) / 2;
    const double f = rising(x);
    if (std::fabs(f) <= f_tolerance) return x;
    (f < 0 ? low : high) = x;
    (f < 0 ? f_low : f_high) = f;
    before = last;
    f_before = f_last;
    last = x;
    f_last = f;
  }
  return std::fabs(f_low) < std::fabs(f_high) ? low : high;
}

// The section strained about neutral axes at one angle: the bars' levels along the direction
// of compression are worked out once for the depths tried.
class StrainedSection {
 public:
  StrainedSection(const Section& section, const StressBlock& block, Point direction)
      : section_(section),
        block_(block),
        direction_(direction),
        top_(Extent(section, direction) / 2),
        concrete_(BlockStress(section, block)),
        yield_(SteelStress(section, block)) {
    levels_.reserve(section.bars.size());
    for (const SectionBar& bar : section.bars) {
      levels_.push_back(bar.x * direction_.x + bar.y * direction_.y);
    }
  }

  // N alone, for the search of the depth.
  [[nodiscard]] double Axial(double depth) const {
    const double block_level = BlockLevel(depth);
    const double scale = block_.steel_modulus * block_.ultimate_strain / depth;
    const double shift = depth - top_;
    // Two sums, so that the additions of neighbouring bars do not wait for each other.
    std::array<double, 2> steel{};
    for (std::size_t i = 0; i < levels_.size(); ++i) {
      const double level = levels_[i];
      steel[i % 2] += std::clamp((level + shift) * scale, -yield_, yield_) -
                      (level >= block_level ? concrete_ : 0);
    }
    return concrete_ * Clipped(block_level).area + (steel[0] + steel[1]) * section_.bar_area;
  }

  [[nodiscard]] SectionForces Forces(double depth) const {
    const double block_level = BlockLevel(depth);
    const ClippedArea clipped = Clipped(block_level);
    SectionForces forces{.axial = concrete_ * clipped.area,
                         .moment_x = concrete_ * clipped.moment_of_y,
                         .moment_y = concrete_ * clipped.moment_of_x};
    for (std::size_t i = 0; i < levels_.size(); ++i) {
      const double force = BarStress(levels_[i], depth, block_level) * section_.bar_area;
      forces.axial += force;
      forces.moment_x += force * section_.bars[i].y;
      forces.moment_y += force * section_.bars[i].x;
    }
    return forces;
  }

 private:
  [[nodiscard]] double BlockLevel(double depth) const {
    return top_ - block_.block_depth_share * depth;
  }

  [[nodiscard]] ClippedArea Clipped(double block_level) const {
    return ClipRectangle(section_.width, section_.length, direction_, block_level);
  }

  // Elastic-plastic, less the concrete the bar displaces inside the block.
  [[nodiscard]] double BarStress(double level, double depth, double block_level) const {
    const double strain = block_.ultimate_strain * (level - top_ + depth) / depth;
    const double stress = std::clamp(block_.steel_modulus * strain, -yield_, yield_);
    return level >= block_level ? stress - concrete_ : stress;
  }

  const Section& section_;
  const StressBlock& block_;
  Point direction_;
  double top_;  // the most compressed corner's level
  double concrete_;
  double yield_;
  std::vector<double> levels_;
};

}  // namespace

SectionForces ForcesAt(const Section& section, const StressBlock& block, const NeutralAxis& axis) {
  return StrainedSection(section, block, DirectionAt(axis.angle)).Forces(axis.depth);
}

double AxialCapacity(const Section& section, const StressBlock& block) {
  const double gross = section.width * section.length;
  const double steel = SteelArea(section);
  const double steel_stress =
      std::min(SteelStress(section, block), block.steel_modulus * block.ultimate_strain);
  const double squashed = BlockStress(section, block) * (gross - steel) + steel_stress * steel;
  if (block.axial_concrete_share == 0 && block.axial_steel_share == 0) return squashed;
  const double cap = block.axial_concrete_share * section.concrete_strength * gross +
                     block.axial_steel_share * section.steel_yield * steel;
  return std::min(cap, squashed);
}

std::optional<NeutralAxis> AxisCarrying(const Section& section, const StressBlock& block,
                                        double angle, double axial, double near_depth) {
  if (!(axial <= AxialCapacity(section, block))) return std::nullopt;
  const Point direction = DirectionAt(angle);
  const double extent = Extent(section, direction);
  const StrainedSection strained(section, block, direction);
  const auto excess = [&](double depth) { return strained.Axial(depth) - axial; };
  // So shallow that every bar yields in tension; so deep that the block covers the section and
  // every bar is strained past yield in compression, or at the ultimate strain.
  const double low = extent * kRelativeTolerance;
  const double yield_strain = SteelStress(section, block) / block.steel_modulus;
  const double yielding = yield_strain < block.ultimate_strain
                              ? 1 / (1 - yield_strain / block.ultimate_strain)
                              : 1 / kRelativeTolerance;
  const double high = extent * std::max(1 / block.block_depth_share, yielding) * 2;
  const double tolerance =
      kAxialTolerance * BlockStress(section, block) * section.width * section.length;
  if (near_depth <= 0) {
    // The depth of a block alone carrying the load over the section's mean breadth.
    near_depth = axial / (BlockStress(section, block) * block.block_depth_share * section.width *
                          section.length / extent);
  }
  if (near_depth > low && near_depth < high) {
    // Widened from the depth known until it brackets the root.
    double below = near_depth * (1 - kNearShare);
    double above = near_depth * (1 + kNearShare);
    double f_below = excess(below);
    while (f_below > 0 && below > low) f_below = excess(below = std::max(low, below / 2));
    double f_above = f_below > 0 ? 0 : excess(above);
    while (f_above < 0 && above < high) f_above = excess(above = std::min(high, above * 2));
    if (f_below <= 0 && f_above >= 0) {
      return NeutralAxis{angle, BracketedRoot(excess, below, f_below, above, f_above, tolerance,
                                              extent * kRelativeTolerance)};
    }
    return std::nullopt;
  }
  const double f_low = excess(low);
  const double f_high = excess(high);
  if (f_low > 0 || f_high < 0) return std::nullopt;
  return NeutralAxis{angle, BracketedRoot(excess, low, f_low, high, f_high, tolerance,
                                          extent * kRelativeTolerance)};
}

std::optional<MomentCapacity> LargestMoment(const Section& section, const StressBlock& block,
                                            double axial, double moment_x, double moment_y) {
  // The direction wanted, (cos, sin) of its angle from Mx: a zero moment is taken as Mx.
  const double size_wanted = std::sqrt(moment_x * moment_x + moment_y * moment_y);
  const Point wanted =
      size_wanted > 0 ? Point{std::fabs(moment_x) / size_wanted, std::fabs(moment_y) / size_wanted}
                      : Point{1, 0};
  std::optional<NeutralAxis> axis;
  double near_depth = 0;
  // The moment's direction turns from Mx alone at angle 0 to My alone at a quarter turn: the sine
  // of its angle past the one wanted, by the cross product of the two directions.
  const auto turn_past = [&](double angle) {
    axis = AxisCarrying(section, block, angle, axial, near_depth);
    if (!axis) return 0.0;
    near_depth = axis->depth;
    const SectionForces forces = ForcesAt(section, block, *axis);
    const double size =
        std::sqrt(forces.moment_x * forces.moment_x + forces.moment_y * forces.moment_y);
    if (size == 0) return 0.0;
    return (wanted.x * forces.moment_y - wanted.y * forces.moment_x) / size;
  };
  double angle = 0;
  if (wanted.x == 0) {
    angle = kQuarterTurn;
  } else if (wanted.y > 0) {
    angle = BracketedRoot(turn_past, 0, -wanted.y, kQuarterTurn, wanted.x, kAngleTolerance,
                          kAngleTolerance);
  }
  axis = AxisCarrying(section, block, angle, axial, near_depth);
  if (!axis) return std::nullopt;
  SectionForces forces = ForcesAt(section, block, *axis);
  forces.moment_x = std::copysign(forces.moment_x, moment_x);
  forces.moment_y = std::copysign(forces.moment_y, moment_y);
  return MomentCapacity{
      std::sqrt(forces.moment_x * forces.moment_x + forces.moment_y * forces.moment_y), forces,
      *axis};
}

std::vector<SectionForces> CapacityContour(const Section& section, const StressBlock& block,
                                           double axial, int points) {
  std::vector<SectionForces> contour(std::max(points, 0));
  const bool symmetric = points % 4 == 0;
  const int computed = symmetric ? points / 4 + 1 : points;
  double near_depth = 0;
  for (int k = 0; k < computed; ++k) {
    const double angle = 2 * std::numbers::pi * k / points;
    const auto axis = AxisCarrying(section, block, angle, axial, near_depth);
    if (!axis) return {};
    near_depth = axis->depth;
    const SectionForces forces = ForcesAt(section, block, *axis);
    contour[k] = forces;
    if (!symmetric) continue;
    // Mirrored in y, through the centre, and in x: the angles π - θ, π + θ and 2π - θ.
    const int quarter = points / 4;
    contour[2 * quarter - k] = {forces.axial, -forces.moment_x, forces.moment_y};
    contour[(2 * quarter + k) % points] = {forces.axial, -forces.moment_x, -forces.moment_y};
    contour[(4 * quarter - k) % points] = {forces.axial, forces.moment_x, -forces.moment_y};
  }
  return contour;
}

}  // namespace coldesign
