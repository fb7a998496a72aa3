#pragma once

// The design of a column for its axial load with moments about both axes: the least
// eccentricity, slenderness, and the section sized by strain compatibility (section_capacity.h).
// When the moments do not pass the least eccentricity's the design is DesignColumn's, to the
// digit.

#include <expected>
#include <optional>
#include <utility>
#include <variant>
#include <vector>

#include "calculation/design_calculation.h"
#include "calculation/design_rules.h"
#include "calculation/section_capacity.h"

namespace coldesign {

struct BendingDesignInput {
  ColumnDesignInput column;  // the load per floor, the floors, the width and the materials
  // Ultimate moments, t·m, any sign. Mx turns about the x axis, which runs along the width b, so
  // that its stresses vary along the length t; My about the y axis, along the length.
  double moment_x_t_m = 0;
  double moment_y_t_m = 0;
  double column_height_m = rules::kFloorHeightM;  // the floor height, the clear height taken
  bool unbraced = false;
  std::optional<double> length_factor;  // k; the rules table's for the bracing when none
};

// The first input that is refused, in this order.
enum class BendingInputProblem { MomentX, MomentY, ColumnHeight, LengthFactor };
std::optional<BendingInputProblem> CheckBendingInput(const BendingDesignInput& input);

enum class BendingStatus {
  Ok,
  Overflow,  // no length up to rules::kMostBendingLengthCm carries the load and the moments
  Slender,   // λ beyond the most the code allows; nothing designed
};

// How the design moment in one direction came about, t·m and cm. About x the side in the plane
// of bending is the length t, about y the width b.
struct BendingDirection {
  double side_cm = 0;
  double given_moment_t_m = 0;       // |M|
  double least_eccentricity_cm = 0;  // max(0.05 × side, 2 cm)
  double least_moment_t_m = 0;       // Pu × e_min
  double slenderness = 0;            // λ = He / side
  bool slender = false;              // λ beyond the short column's
  double added_moment_t_m = 0;       // Pu × λ² × side / 2000 where slender, else 0
  double design_moment_t_m = 0;      // max(|M|, Pu e_min) + the added moment
};

struct MomentPoint {
  double moment_x_t_m = 0;
  double moment_y_t_m = 0;
};

// The working the calculation sheet shows beside the results.
struct BendingWorking {
  double length_factor = 0;       // k
  double effective_length_m = 0;  // He = k H
  double short_slenderness = 0;   // λ up to which a column is short, for its bracing
  double most_slenderness = 0;    // λ beyond which it is refused
  BendingDirection about_x;
  BendingDirection about_y;
  // The capacity contour of the section at Pu, rules::kContourPoints points, t·m; empty when no
  // section was found.
  std::vector<MomentPoint> contour;
};

// The two cases a section is checked for, the least eccentricity about one axis at a time:
// (Mx*, My given with its added moment) and (Mx given with its added moment, My*), t·m.
std::pair<MomentPoint, MomentPoint> DesignCases(const BendingWorking& working);

struct BendingDesignResult {
  BendingStatus status = BendingStatus::Ok;
  // false: the section is DesignColumn's (a short column whose given moments are within the
  // least eccentricity's).
  bool moments_governed = false;
  ColumnDesignResult axial;  // DesignColumn's result for the same input
  // The section: DesignColumn's when the status is not Ok.
  int width_cm = 0;
  int length_cm = 0;
  int bars = 0;
  int bar_diameter_mm = 0;
  double steel_area_cm2 = 0;  // bars × the bar's counted area
  // Origin at the section's centre, x along the width, y along the length; empty when the
  // status is not Ok, or the bars do not fit the section (a DesignColumn section far beyond the
  // usual).
  std::vector<SectionBar> bar_centres_cm;
  double ultimate_load_t = 0;  // Pu = floors × load factor × load per floor
  double design_moment_x_t_m = 0;
  double design_moment_y_t_m = 0;
  // At Pu, the design moment's share of the largest moment the section carries in the same
  // direction, the larger of the two least-eccentricity cases; 1 is on the capacity contour.
  // None when the status is not Ok, or the bars do not fit.
  std::optional<double> utilisation;
  BendingWorking working;
};

// The input refused (CheckBendingInput), or DesignColumn's failure of the same load.
using BendingFailure = std::variant<BendingInputProblem, DesignFailure>;

std::expected<BendingDesignResult, BendingFailure> DesignBendingColumn(
    const BendingDesignInput& input);

}  // namespace coldesign
