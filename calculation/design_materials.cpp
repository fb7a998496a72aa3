#include "calculation/design_materials.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace coldesign {
namespace {

constexpr double kMillimetresPerCentimetre = 10;

// False for a value outside [least, most], and for one that is not a number.
bool Within(double value, double least, double most) { return value >= least && value <= most; }

}  // namespace

std::optional<MaterialsChoice> CheckMaterials(const DesignMaterials& materials) {
  if (!Within(materials.concrete_strength_kg_per_cm2, rules::kLeastConcreteStrengthKgPerCm2,
              rules::kMostConcreteStrengthKgPerCm2)) {
    return MaterialsChoice::Fcu;
  }
  if (!Within(materials.steel_yield_kg_per_cm2, rules::kLeastSteelYieldKgPerCm2,
              rules::kMostSteelYieldKgPerCm2)) {
    return MaterialsChoice::Fy;
  }
  if (materials.width_cm < rules::kLeastSectionWidthCm ||
      materials.width_cm > rules::kMostSectionWidthCm) {
    return MaterialsChoice::Width;
  }
  if (std::ranges::find(rules::kBarDiametersMm, materials.bar_diameter_mm) ==
      rules::kBarDiametersMm.end()) {
    return MaterialsChoice::BarDiameter;
  }
  if (!Within(materials.load_factor, rules::kLeastLoadFactor, rules::kMostLoadFactor)) {
    return MaterialsChoice::LoadFactor;
  }
  return std::nullopt;
}

double CarryingStressKgPerCm2(const DesignMaterials& materials) {
  if (materials.concrete_strength_kg_per_cm2 == rules::kConcreteStrengthKgPerCm2 &&
      materials.steel_yield_kg_per_cm2 == rules::kSteelYieldKgPerCm2) {
    return rules::kCarryingStressKgPerCm2;
  }
  return rules::kConcreteStressShare * materials.concrete_strength_kg_per_cm2 +
         rules::kSteelStressShare * materials.steel_yield_kg_per_cm2 *
             rules::kSteelShareOfRequiredArea;
}

double BarAreaCm2(int bar_diameter_mm) {
  const double d = bar_diameter_mm / kMillimetresPerCentimetre;
  const double area = std::numbers::pi * d * d / 4;
  // Divided by the whole number of steps per cm², so that 2.5 is the double nearest 2.5.
  const double steps_per_cm2 = 1 / rules::kBarAreaStepCm2;
  return std::round(area * steps_per_cm2) / steps_per_cm2;
}

}  // namespace coldesign
