#include "calculation/bending_design.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "calculation/design_materials.h"
#include "calculation/numeric_text.h"
#include "calculation/section_layout.h"

namespace coldesign {
namespace {

constexpr double kMillimetresPerCentimetre = 10;

bool Within(double value, double least, double most) { return value >= least && value <= most; }

// The smallest even count of bars, at least `least`, whose area reaches `area`.
int EvenBarsFor(double area, double bar_area, int least) {
  const auto bars = static_cast<int>(std::ceil(area / bar_area - 1e-9));
  return std::max(least, bars + bars % 2);
}

// The working of one direction for a section side and Pu (tons).
BendingDirection Direction(double side_cm, double moment_t_m, double load_t,
                           const BendingWorking& working) {
  BendingDirection direction{.side_cm = side_cm, .given_moment_t_m = std::fabs(moment_t_m)};
  direction.least_eccentricity_cm =
      std::max(rules::kLeastEccentricityShare * side_cm, rules::kLeastEccentricityCm);
  direction.least_moment_t_m =
      load_t * direction.least_eccentricity_cm / rules::kCentimetresPerMetre;
  direction.slenderness = working.effective_length_m * rules::kCentimetresPerMetre / side_cm;
  direction.slender = direction.slenderness > working.short_slenderness;
  if (direction.slender) {
    direction.added_moment_t_m = load_t * direction.slenderness * direction.slenderness * side_cm /
                                 rules::kAddedDeflectionDivisor / rules::kCentimetresPerMetre;
  }
  direction.design_moment_t_m =
      std::max(direction.given_moment_t_m, direction.least_moment_t_m) + direction.added_moment_t_m;
  return direction;
}

class Sizing {
 public:
  Sizing(const BendingDesignInput& input, double width_cm, double load_t, BendingWorking& working)
      : input_(input),
        width_(width_cm),
        load_t_(load_t),
        bar_area_(BarAreaCm2(input.column.materials.bar_diameter_mm)),
        working_(working) {}

  // The directions' working for a length, kept in the working.
  void Directions(double length_cm) {
    working_.about_x = Direction(length_cm, input_.moment_x_t_m, load_t_, working_);
    working_.about_y = Direction(width_, input_.moment_y_t_m, load_t_, working_);
  }

  // The section of this length and count of bars as the layout places them; none when they do
  // not fit.
  [[nodiscard]] std::optional<Section> SectionOf(double length_cm, int bars) const {
    const auto layout = LayOutSection(
        {.width_cm = width_,
         .length_cm = length_cm,
         .bar_count = bars,
         .bar_diameter_mm = static_cast<double>(input_.column.materials.bar_diameter_mm)});
    if (!layout) return std::nullopt;
    Section section{.width = width_,
                    .length = length_cm,
                    .bars = {},
                    .bar_area = bar_area_,
                    .concrete_strength = input_.column.materials.concrete_strength_kg_per_cm2,
                    .steel_yield = input_.column.materials.steel_yield_kg_per_cm2};
    section.bars.reserve(layout->bars.size());
    // The layout's x runs along the length from a face, its y along the width.
    for (const BarCentre& bar : layout->bars) {
      section.bars.push_back({bar.y_mm / kMillimetresPerCentimetre - width_ / 2,
                              bar.x_mm / kMillimetresPerCentimetre - length_cm / 2});
    }
    return section;
  }

  // The larger share of the two cases' design moments in the largest moments the section
  // carries in their directions; none when it does not carry Pu at all. Directions() first.
  [[nodiscard]] std::optional<double> Utilisation(const Section& section) const {
    const double axial = load_t_ * rules::kKilogramsPerTon;
    if (!(axial <= AxialCapacity(section, block_))) return std::nullopt;
    const std::pair<MomentPoint, MomentPoint> cases = DesignCases(working_);
    const std::optional<double> first = Share(section, axial, cases.first);
    const bool same = cases.first.moment_x_t_m == cases.second.moment_x_t_m &&
                      cases.first.moment_y_t_m == cases.second.moment_y_t_m;
    if (!first.has_value() || same) return first;
    const std::optional<double> second = Share(section, axial, cases.second);
    if (!second.has_value()) return std::nullopt;
    return std::max(first.value(), second.value());
  }

  // Whether the section carries both cases. The capacity contour at Pu bulges outward, so that
  // a case within the straight line between the two uniaxial capacities is carried and one
  // beyond either of them is not; only those between are looked for on the contour.
  [[nodiscard]] bool Carries(double length_cm, int bars) const {
    const auto section = SectionOf(length_cm, bars);
    if (!section) return false;
    const double axial = load_t_ * rules::kKilogramsPerTon;
    if (!(axial <= AxialCapacity(*section, block_))) return false;
    const std::optional<MomentCapacity> about_x = LargestMoment(*section, block_, axial, 1, 0);
    const std::optional<MomentCapacity> about_y = LargestMoment(*section, block_, axial, 0, 1);
    if (!about_x.has_value() || !about_y.has_value()) return false;
    const double most_x = about_x->moment;
    const double most_y = about_y->moment;
    const auto carried = [&](const MomentPoint& moments) {
      const double x = moments.moment_x_t_m * rules::kKilogramCentimetresPerTonMetre;
      const double y = moments.moment_y_t_m * rules::kKilogramCentimetresPerTonMetre;
      if (x > most_x || y > most_y) return false;
      if (x / most_x + y / most_y <= 1) return true;
      const std::optional<MomentCapacity> largest = LargestMoment(*section, block_, axial, x, y);
      return largest.has_value() && std::hypot(x, y) <= largest->moment;
    };
    const std::pair<MomentPoint, MomentPoint> cases = DesignCases(working_);
    return carried(cases.first) && carried(cases.second);
  }

  // The most bars the length takes: the steel share's limit, and what fits.
  [[nodiscard]] int MostBars(double length_cm) const {
    int bars = static_cast<int>(rules::kMostSteelShareOfSection * width_ * length_cm / bar_area_);
    const double diameter = input_.column.materials.bar_diameter_mm;
    const double edge = rules::kClearCoverMm + rules::kTieDiameterMm + diameter / 2;
    const double pitch = rules::LeastClearSpacingMm(diameter) + diameter;
    const double per_face =
        1 + std::floor((length_cm * kMillimetresPerCentimetre - 2 * edge) / pitch);
    bars = std::min(bars, 2 * static_cast<int>(std::max(per_face, 0.0)));
    bars -= bars % 2;
    while (bars >= rules::kLeastBars && !SectionOf(length_cm, bars)) bars -= 2;
    return bars;
  }

  // The least even count of bars in [least, most] that carries, by bisection; `most` carries.
  [[nodiscard]] int LeastBars(double length_cm, int least, int most) const {
    while (least < most) {
      int middle = (least + most) / 2;
      middle -= middle % 2;
      if (Carries(length_cm, middle)) {
        most = middle;
      } else {
        least = middle + 2;
      }
    }
    return most;
  }

  [[nodiscard]] const StressBlock& Block() const { return block_; }

 private:
  // The moments' share of the largest moment the section carries in their direction at the
  // axial load: 0 for no moment, none when the load is beyond the section's.
  [[nodiscard]] std::optional<double> Share(const Section& section, double axial,
                                            const MomentPoint& moments) const {
    const double size = std::hypot(moments.moment_x_t_m, moments.moment_y_t_m);
    if (size == 0) return 0.0;
    const std::optional<MomentCapacity> largest =
        LargestMoment(section, block_, axial, moments.moment_x_t_m, moments.moment_y_t_m);
    if (!largest.has_value()) return std::nullopt;
    return size * rules::kKilogramCentimetresPerTonMetre / largest->moment;
  }

  const BendingDesignInput& input_;
  double width_;
  double load_t_;
  double bar_area_;
  BendingWorking& working_;
  StressBlock block_{};
};

// The section's centres, the contour at Pu and the utilisation into the result.
void Describe(const Sizing& sizing, const Section& section, double load_t,
              BendingDesignResult& result) {
  result.bar_centres_cm = section.bars;
  result.utilisation = sizing.Utilisation(section);
  const auto contour = CapacityContour(section, sizing.Block(), load_t * rules::kKilogramsPerTon,
                                       rules::kContourPoints);
  result.working.contour.clear();
  for (const SectionForces& forces : contour) {
    result.working.contour.push_back({forces.moment_x / rules::kKilogramCentimetresPerTonMetre,
                                      forces.moment_y / rules::kKilogramCentimetresPerTonMetre});
  }
}

}  // namespace

std::pair<MomentPoint, MomentPoint> DesignCases(const BendingWorking& working) {
  const BendingDirection& x = working.about_x;
  const BendingDirection& y = working.about_y;
  return {{x.design_moment_t_m, y.given_moment_t_m + y.added_moment_t_m},
          {x.given_moment_t_m + x.added_moment_t_m, y.design_moment_t_m}};
}

std::optional<BendingInputProblem> CheckBendingInput(const BendingDesignInput& input) {
  if (!std::isfinite(input.moment_x_t_m)) return BendingInputProblem::MomentX;
  if (!std::isfinite(input.moment_y_t_m)) return BendingInputProblem::MomentY;
  if (!Within(input.column_height_m, rules::kLeastFloorHeightM, rules::kMostFloorHeightM)) {
    return BendingInputProblem::ColumnHeight;
  }
  if (input.length_factor &&
      !Within(*input.length_factor, rules::kLeastLengthFactor, rules::kMostLengthFactor)) {
    return BendingInputProblem::LengthFactor;
  }
  return std::nullopt;
}

std::expected<BendingDesignResult, BendingFailure> DesignBendingColumn(
    const BendingDesignInput& input) {
  if (const auto problem = CheckBendingInput(input)) return std::unexpected(*problem);
  auto axial = DesignColumn(input.column);
  if (!axial) return std::unexpected(std::move(axial.error()));

  BendingDesignResult result;
  result.axial = std::move(*axial);
  // The texts DesignColumn read and wrote are numbers (it succeeded on them).
  const double floors = *ParseNumberStrict(input.column.floors_text);
  const double load = *ParseNumberStrict(input.column.load_text);
  const double width = *ParseNumberStrict(input.column.width_text);
  const int start_length = static_cast<int>(*ParseNumberStrict(result.axial.length_text));
  const int start_bars = static_cast<int>(*ParseNumberStrict(result.axial.bar_count_text));
  const DesignMaterials& materials = input.column.materials;
  const double bar_area = BarAreaCm2(materials.bar_diameter_mm);
  // The fewest bars a length takes: the axial design's, and the least share of the section.
  const auto least_bars = [&](int length) {
    return std::max(start_bars, EvenBarsFor(rules::kLeastSteelShareOfSection * width * length,
                                            bar_area, rules::kLeastBars));
  };
  result.ultimate_load_t = floors * (load * materials.load_factor);
  result.width_cm = static_cast<int>(width);
  result.length_cm = start_length;
  result.bars = start_bars;
  result.bar_diameter_mm = materials.bar_diameter_mm;

  BendingWorking& working = result.working;
  working.length_factor = input.length_factor.value_or(input.unbraced ? rules::kUnbracedLengthFactor
                                                                      : rules::kBracedLengthFactor);
  working.effective_length_m = working.length_factor * input.column_height_m;
  working.short_slenderness =
      input.unbraced ? rules::kShortUnbracedSlenderness : rules::kShortBracedSlenderness;
  working.most_slenderness =
      input.unbraced ? rules::kMostUnbracedSlenderness : rules::kMostBracedSlenderness;

  Sizing sizing(input, width, result.ultimate_load_t, working);
  sizing.Directions(start_length);
  const auto finish = [&](int length, int bars) {
    result.length_cm = length;
    result.bars = bars;
    result.steel_area_cm2 = bars * bar_area;
    result.design_moment_x_t_m = working.about_x.design_moment_t_m;
    result.design_moment_y_t_m = working.about_y.design_moment_t_m;
    if (const auto section = sizing.SectionOf(length, bars)) {
      Describe(sizing, *section, result.ultimate_load_t, result);
    }
    return result;
  };

  // The tied column's formula covers the least eccentricity of a short column; a slender one
  // carries the added moment of its slenderness, whatever was given.
  result.moments_governed = working.about_x.slender || working.about_y.slender ||
                            working.about_x.given_moment_t_m > working.about_x.least_moment_t_m ||
                            working.about_y.given_moment_t_m > working.about_y.least_moment_t_m;
  if (!result.moments_governed) return finish(start_length, start_bars);
  result.design_moment_x_t_m = working.about_x.design_moment_t_m;
  result.design_moment_y_t_m = working.about_y.design_moment_t_m;
  result.steel_area_cm2 = start_bars * bar_area;
  // The width is the least side (the length never falls below it): its λ is the larger.
  if (working.about_y.slenderness > working.most_slenderness) {
    result.status = BendingStatus::Slender;
    return result;
  }
  // The least length that carries with its most bars: by steps that double from the axial
  // design's, then by bisection between the last that did not and the first that did.
  const auto carries_at_most = [&](int length) {
    sizing.Directions(length);
    const int most = sizing.MostBars(length);
    return most >= least_bars(length) && sizing.Carries(length, most);
  };
  const int most_length = start_length + (rules::kMostBendingLengthCm - start_length) /
                                             rules::kLengthStepCm * rules::kLengthStepCm;
  int failing = start_length - rules::kLengthStepCm;
  int carrying = start_length > rules::kMostBendingLengthCm ? 0 : start_length;
  for (int step = rules::kLengthStepCm; carrying != 0 && !carries_at_most(carrying); step *= 2) {
    failing = carrying;
    carrying = carrying == most_length ? 0 : std::min(carrying + step, most_length);
  }
  if (carrying != 0) {
    while (carrying - failing > rules::kLengthStepCm) {
      int middle = (failing + carrying) / 2;
      middle -= (middle - start_length) % rules::kLengthStepCm;
      if (carries_at_most(middle)) {
        carrying = middle;
      } else {
        failing = middle;
      }
    }
    sizing.Directions(carrying);
    return finish(carrying,
                  sizing.LeastBars(carrying, least_bars(carrying), sizing.MostBars(carrying)));
  }
  sizing.Directions(start_length);
  result.status = BendingStatus::Overflow;
  return result;
}

}  // namespace coldesign
