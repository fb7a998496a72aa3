#pragma once

// The strength of a rectangular tied section under an axial load and moments about both axes, by
// strain compatibility with the neutral axis at any angle. Units are consistent ones chosen by
// the caller (the design uses kg and cm); the section's centre is the origin, x runs along the
// width b and y along the length t. Compression is positive. Mx turns about the x axis (its
// stresses vary along y), My about the y axis.

#include <optional>
#include <span>
#include <vector>

#include "calculation/design_rules.h"

namespace coldesign {

// The section at failure: a value, so that an example worked with other parameters runs as
// worked. The defaults are the rules table's.
struct StressBlock {
  double ultimate_strain = rules::kUltimateConcreteStrain;
  double block_stress_share = rules::kBlockStressShare;  // of fcu, before γc
  double concrete_safety_factor = rules::kConcreteSafetyFactor;
  double block_depth_share = rules::kBlockDepthShare;  // of the neutral axis's depth
  double steel_safety_factor = rules::kSteelSafetyFactor;
  double steel_modulus = rules::kSteelModulusKgPerCm2;
  // The axial load's cap, axial_concrete_share fcu Ac + axial_steel_share fy As; none when both
  // are zero.
  double axial_concrete_share = rules::kConcreteStressShare;
  double axial_steel_share = rules::kSteelStressShare;
};

struct SectionBar {
  double x = 0;  // along the width
  double y = 0;  // along the length
};

struct Section {
  double width = 0;   // b, along x
  double length = 0;  // t, along y
  std::vector<SectionBar> bars;
  double bar_area = 0;           // each bar's
  double concrete_strength = 0;  // fcu
  double steel_yield = 0;        // fy
};

struct SectionForces {
  double axial = 0;     // N, compression positive
  double moment_x = 0;  // about the x axis: Σ force × y
  double moment_y = 0;  // about the y axis: Σ force × x
};

// The neutral axis: the most compressed side lies in the direction (sin angle, cos angle) of
// (x, y), so that angle 0 bends about x alone (Mx) and angle π/2 about y alone (My); depth is
// measured from the most compressed corner square to the axis.
struct NeutralAxis {
  double angle = 0;
  double depth = 0;
};

// The forces of the section strained about that neutral axis (depth > 0).
SectionForces ForcesAt(const Section& section, const StressBlock& block, const NeutralAxis& axis);

// The largest axial load the section carries: the cap when the block has one, else the whole
// section compressed at the ultimate strain.
double AxialCapacity(const Section& section, const StressBlock& block);

// The neutral axis at `angle` whose forces have the axial load `axial`, found by a few secant
// steps between a bracket, looked for first near `near_depth` when one is given (> 0): the
// depth at a nearby angle. None when the section cannot carry that load.
std::optional<NeutralAxis> AxisCarrying(const Section& section, const StressBlock& block,
                                        double angle, double axial, double near_depth = 0);

// The largest moment the section carries under the axial load in the direction of (moment_x,
// moment_y) (any signs; a zero direction is taken as Mx): its size, and the forces there. None
// when the axial load is beyond the section's.
struct MomentCapacity {
  double moment = 0;  // the length of the moment vector on the contour
  SectionForces forces;
  NeutralAxis axis;
};
std::optional<MomentCapacity> LargestMoment(const Section& section, const StressBlock& block,
                                            double axial, double moment_x, double moment_y);

// `points` moments (Mx, My) around the capacity contour at the axial load, by the neutral
// axis's angle from 0 in equal steps; empty when the load is beyond the section's. `points` a
// multiple of 4 uses the section's symmetry.
std::vector<SectionForces> CapacityContour(const Section& section, const StressBlock& block,
                                           double axial, int points);

}  // namespace coldesign
