#pragma once

// Every number the design, its working, the section drawing and the notes use, each once. The
// calculation, the calculation sheet, the windows and the page all read them from here.

#include <algorithm>
#include <array>
#include <cstdint>

namespace coldesign::rules {

// The load per floor is increased by 10 % (own weight of the column, finishes) before sizing.
inline constexpr double kLoadFactor = 1.1;
// Tons to kilograms.
inline constexpr double kKilogramsPerTon = 1000;

// The load one cm² of required concrete area carries, kg/cm²: 0.35 fcu + 0.67 fy × 1 % of steel
// with fcu = 250 and fy = 3600 kg/cm², that is 87.5 + 24.12. The literal is kept so that results
// stay exact to the last digit.
inline constexpr double kCarryingStressKgPerCm2 = 111.62;
inline constexpr double kConcreteStrengthKgPerCm2 = 250;  // fcu
inline constexpr double kSteelYieldKgPerCm2 = 3600;       // fy
inline constexpr double kConcreteStressShare = 0.35;      // of fcu
inline constexpr double kSteelStressShare = 0.67;         // of fy
// With other materials the carrying stress is worked out from the same formula, the steel taken
// as kSteelShareOfRequiredArea of the concrete.

// The section is this wide, cm.
inline constexpr double kSectionWidthCm = 30;
// Its length is a whole number of centimetres raised to a multiple of this step, cm.
inline constexpr int kLengthStepCm = 5;
// ... and never below the width: a square section at the least (this, cm, at the default width).
inline constexpr int kLeastLengthCm = 30;

// Longitudinal steel: this share of the required concrete area ...
inline constexpr double kSteelShareOfRequiredArea = 0.01;
// ... and never below this share of the chosen section b × t.
inline constexpr double kLeastSteelShareOfSection = 0.006;

// The bars are of this diameter, mm ...
inline constexpr int kBarDiameterMm = 16;
// ... each counted as this much steel, cm² (π × 1.6² / 4 = 2.01, taken as 2).
inline constexpr double kBarAreaCm2 = 2;
// At least one bar in each corner ...
inline constexpr int kLeastBars = 4;
// ... and as many on each long face: an even count.
inline constexpr int kBarCountMultiple = 2;

// The engineer may choose other materials and sizes within these ranges, outside which the simple
// rules above are no longer a sensible preliminary design.
inline constexpr double kLeastConcreteStrengthKgPerCm2 = 150;
inline constexpr double kMostConcreteStrengthKgPerCm2 = 600;
inline constexpr double kLeastSteelYieldKgPerCm2 = 2400;
inline constexpr double kMostSteelYieldKgPerCm2 = 5200;
inline constexpr int kLeastSectionWidthCm = 20;  // whole centimetres
inline constexpr int kMostSectionWidthCm = 100;
inline constexpr double kLeastLoadFactor = 1.0;
inline constexpr double kMostLoadFactor = 2.0;
// The bar diameters sold, mm.
inline constexpr std::array kBarDiametersMm = {10, 12, 14, 16, 18, 20, 22, 25, 28, 32};
// A bar's area, π d² / 4, is counted to this step, cm².
inline constexpr double kBarAreaStepCm2 = 0.1;

// The design is meant for buildings of at most this many floors (a note, not enforced).
inline constexpr int kFloorNoteLimit = 7;

// The column schedule: each level is one floor of this height, m, unless the engineer says
// otherwise, within the range below ...
inline constexpr double kFloorHeightM = 3.0;
inline constexpr double kLeastFloorHeightM = 2.0;
inline constexpr double kMostFloorHeightM = 10.0;
// ... and its longitudinal steel weighs this much, kg/m³ (no laps, no waste).
inline constexpr double kSteelDensityKgPerM3 = 7850;
// A schedule's column stands on at most this many floors (each floor is a row of the schedule) ...
inline constexpr int kMostFloors = 200;
// ... is repeated at most this many times ...
inline constexpr int kMostColumnCount = 100000;
// ... has a mark of at most this many bytes ...
inline constexpr int kMostMarkBytes = 100;
// ... and the whole schedule has at most this many levels, so that any file is read in bounded
// memory.
inline constexpr int kMostScheduleLevels = 1000000;
// A schedule's CSV header names at most this many columns (the four, beside unnamed ones), so
// that a long line is refused before its values fill memory.
inline constexpr int kMostHeaderColumns = 64;
// A schedule's CSV file is read whole; a larger one is refused before it is read, bytes.
inline constexpr std::int64_t kMostScheduleFileBytes = std::int64_t{256} * 1024 * 1024;

// The drawing's assumptions, not checked against a code: clear cover to the tie, mm ...
inline constexpr double kClearCoverMm = 25;
// ... a tie of this diameter, mm ...
inline constexpr int kTieDiameterMm = 8;
// ... and the least clear gap between bars, mm, unless the bar is thicker.
inline constexpr double kLeastClearSpacingMm = 25;

// Columns that carry moments: the ultimate limit state of the Egyptian code for reinforced
// concrete (ECP 203). The clause numbers are those of its 2007 edition as recalled; none of them
// was confirmed from a source while these values were written.
// The section at failure (ECP 203 clause 4-2-1-1, not confirmed from a source): the concrete's
// strain at the most compressed fibre ...
inline constexpr double kUltimateConcreteStrain = 0.003;
// ... a uniform block of this share of fcu over γc ...
inline constexpr double kBlockStressShare = 0.67;
inline constexpr double kConcreteSafetyFactor = 1.5;  // γc
// ... over this share of the neutral axis's depth ...
inline constexpr double kBlockDepthShare = 0.8;
// ... and the steel elastic, Es kg/cm², up to fy over γs, in tension and compression alike.
inline constexpr double kSteelSafetyFactor = 1.15;  // γs
inline constexpr double kSteelModulusKgPerCm2 = 2'000'000;
// The axial load never passes the tied column's 0.35 fcu Ac + 0.67 fy As (the shares above).

// The least eccentricity in each direction of bending, applied about one axis at a time: this
// share of the side in that direction and never less than this, cm (ECP 203 clause 6-2-4, not
// confirmed from a source).
inline constexpr double kLeastEccentricityShare = 0.05;
inline constexpr double kLeastEccentricityCm = 2;

// Slenderness (ECP 203 clause 6-4, not confirmed from a source). The column's height is the
// floor height, the clear height taken as the whole (on the safe side); its effective length He
// is k times it, k by default for both ends of case 2 (cast with beams a little shallower than
// the column's side) in the code's tables: braced ...
inline constexpr double kBracedLengthFactor = 0.85;
// ... and unbraced (values not confirmed from a source).
inline constexpr double kUnbracedLengthFactor = 1.5;
// λ = He / (the side in the plane of bending): short up to these ...
inline constexpr double kShortBracedSlenderness = 15;
inline constexpr double kShortUnbracedSlenderness = 10;
// ... refused beyond these.
inline constexpr double kMostBracedSlenderness = 30;
inline constexpr double kMostUnbracedSlenderness = 23;
// A slender column takes the added moment Pu δ in that plane, δ = λ² × side / this.
inline constexpr double kAddedDeflectionDivisor = 2000;
// k given by the engineer lies in this range.
inline constexpr double kLeastLengthFactor = 0.5;
inline constexpr double kMostLengthFactor = 3;

// Sizing for moments: the steel is raised, an even count of bars at a time, up to this share of
// b × t (ECP 203 clause 6-2-2, 4 % for tied columns, not confirmed from a source) ...
inline constexpr double kMostSteelShareOfSection = 0.04;
// ... then the length by kLengthStepCm, up to this program's own limit, cm, past which the column
// is reported too large.
inline constexpr int kMostBendingLengthCm = 300;
// Tons to kilograms and metres to centimetres for moments at the edges: t·m to kg·cm.
inline constexpr double kKilogramCentimetresPerTonMetre = 100'000;
inline constexpr double kCentimetresPerMetre = 100;
// The capacity contour at Pu given for a diagram: this many points around it (a multiple of 4).
inline constexpr int kContourPoints = 48;

// The tie bends round a corner bar: the radius of its centre line there, mm.
constexpr double TieCornerRadiusMm(double bar_diameter_mm, double tie_diameter_mm) {
  return (bar_diameter_mm + tie_diameter_mm) / 2;
}

// The least clear spacing between neighbouring bars, mm: max(d, 25 mm).
constexpr double LeastClearSpacingMm(double bar_diameter_mm) {
  return std::max(bar_diameter_mm, kLeastClearSpacingMm);
}

}  // namespace coldesign::rules
