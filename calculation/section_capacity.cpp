#include "calculation/section_capacity.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace coldesign {
namespace {

constexpr double kQuarterTurn = std::numbers::pi / 2;
// The root searches stop when the bracket is this share of its start, or after so many steps.
constexpr double kRelativeTolerance = 1e-12;
constexpr int kMostSteps = 100;

struct Point {
  double x = 0;
  double y = 0;
};

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
  for (std::size_t i = 0; i < corners.size(); ++i) {
    const Point from = corners[i];
    const Point to = corners[(i + 1) % corners.size()];
    const double from_side = side(from);
    const double to_side = side(to);
    if (from_side >= 0) kept[count++] = from;
    if ((from_side >= 0) != (to_side >= 0)) {
      const double share = from_side / (from_side - to_side);
      kept[count++] = {from.x + share * (to.x - from.x), from.y + share * (to.y - from.y)};
    }
  }
  ClippedArea clipped;
  for (int i = 0; i < count; ++i) {
    const Point p = kept[i];
    const Point q = kept[(i + 1) % count];
    const double cross = p.x * q.y - q.x * p.y;
    clipped.area += cross / 2;
    clipped.moment_of_x += (p.x + q.x) * cross / 6;
    clipped.moment_of_y += (p.y + q.y) * cross / 6;
  }
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

// The extent of the section along the direction of the neutral axis's angle.
double Extent(const Section& section, double angle) {
  return section.width * std::fabs(std::sin(angle)) + section.length * std::fabs(std::cos(angle));
}

// The root of rising(x) = 0 between low and high (rising(low) < 0 ≤ rising(high)) by the
// Illinois variant of the secant method: a few secant steps that keep the bracket.
template <typename Function>
double BracketedRoot(Function rising, double low, double f_low, double high, double f_high) {
  const double tolerance = (high - low) * kRelativeTolerance;
  int kept_side = 0;
  for (int step = 0; step < kMostSteps && high - low > tolerance; ++step) {
    const double x = std::clamp(high - f_high * (high - low) / (f_high - f_low), low, high);
    const double f = rising(x);
    if (f == 0) return x;
    if (f < 0) {
      low = x;
      f_low = f;
      if (kept_side == -1) f_high /= 2;
      kept_side = -1;
    } else {
      high = x;
      f_high = f;
      if (kept_side == 1) f_low /= 2;
      kept_side = 1;
    }
  }
  return std::fabs(f_low) < std::fabs(f_high) ? low : high;
}

}  // namespace

SectionForces ForcesAt(const Section& section, const StressBlock& block, const NeutralAxis& axis) {
  const Point direction{std::sin(axis.angle), std::cos(axis.angle)};
  const double top = Extent(section, axis.angle) / 2;  // the most compressed corner's level
  const double block_level = top - block.block_depth_share * axis.depth;
  const double concrete = BlockStress(section, block);
  const ClippedArea clipped = ClipRectangle(section.width, section.length, direction, block_level);
  SectionForces forces{.axial = concrete * clipped.area,
                       .moment_x = concrete * clipped.moment_of_y,
                       .moment_y = concrete * clipped.moment_of_x};
  const double yield = SteelStress(section, block);
  for (const SectionBar& bar : section.bars) {
    const double level = bar.x * direction.x + bar.y * direction.y;
    const double strain = block.ultimate_strain * (level - top + axis.depth) / axis.depth;
    double stress = std::clamp(block.steel_modulus * strain, -yield, yield);
    if (level >= block_level) stress -= concrete;  // the concrete the bar displaces
    const double force = stress * section.bar_area;
    forces.axial += force;
    forces.moment_x += force * bar.y;
    forces.moment_y += force * bar.x;
  }
  return forces;
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
                                        double angle, double axial) {
  if (!(axial <= AxialCapacity(section, block))) return std::nullopt;
  const double extent = Extent(section, angle);
  const auto excess = [&](double depth) {
    return ForcesAt(section, block, {angle, depth}).axial - axial;
  };
  // So shallow that every bar yields in tension; so deep that the block covers the section and
  // every bar is strained past yield in compression, or at the ultimate strain.
  const double low = extent * kRelativeTolerance;
  const double yield_strain = SteelStress(section, block) / block.steel_modulus;
  const double yielding = yield_strain < block.ultimate_strain
                              ? 1 / (1 - yield_strain / block.ultimate_strain)
                              : 1 / kRelativeTolerance;
  const double high = extent * std::max(1 / block.block_depth_share, yielding) * 2;
  const double f_low = excess(low);
  const double f_high = excess(high);
  if (f_low > 0 || f_high < 0) return std::nullopt;
  return NeutralAxis{angle, BracketedRoot(excess, low, f_low, high, f_high)};
}

std::optional<MomentCapacity> LargestMoment(const Section& section, const StressBlock& block,
                                            double axial, double moment_x, double moment_y) {
  const double wanted = std::atan2(std::fabs(moment_y), std::fabs(moment_x));
  std::optional<NeutralAxis> axis;
  // The moment's direction turns from Mx alone at angle 0 to My alone at a quarter turn.
  const auto turn_past = [&](double angle) {
    axis = AxisCarrying(section, block, angle, axial);
    if (!axis) return 0.0;
    const SectionForces forces = ForcesAt(section, block, *axis);
    return std::atan2(forces.moment_y, forces.moment_x) - wanted;
  };
  double angle = 0;
  if (wanted >= kQuarterTurn) {
    angle = kQuarterTurn;
  } else if (wanted > 0) {
    angle = BracketedRoot(turn_past, 0, -wanted, kQuarterTurn, kQuarterTurn - wanted);
  }
  axis = AxisCarrying(section, block, angle, axial);
  if (!axis) return std::nullopt;
  SectionForces forces = ForcesAt(section, block, *axis);
  forces.moment_x = std::copysign(forces.moment_x, moment_x);
  forces.moment_y = std::copysign(forces.moment_y, moment_y);
  return MomentCapacity{std::hypot(forces.moment_x, forces.moment_y), forces, *axis};
}

std::vector<SectionForces> CapacityContour(const Section& section, const StressBlock& block,
                                           double axial, int points) {
  std::vector<SectionForces> contour(std::max(points, 0));
  const bool symmetric = points % 4 == 0;
  const int computed = symmetric ? points / 4 + 1 : points;
  for (int k = 0; k < computed; ++k) {
    const double angle = 2 * std::numbers::pi * k / points;
    const auto axis = AxisCarrying(section, block, angle, axial);
    if (!axis) return {};
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
