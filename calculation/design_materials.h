#pragma once

#include <optional>

#include "calculation/design_rules.h"

namespace coldesign {

// The engineer's materials and choices for a design; the defaults are the rules table's.
struct DesignMaterials {
  double concrete_strength_kg_per_cm2 = rules::kConcreteStrengthKgPerCm2;  // fcu
  double steel_yield_kg_per_cm2 = rules::kSteelYieldKgPerCm2;              // fy
  int width_cm = static_cast<int>(rules::kSectionWidthCm);  // b, also the least length
  int bar_diameter_mm = rules::kBarDiameterMm;              // d
  double load_factor = rules::kLoadFactor;

  friend bool operator==(const DesignMaterials&, const DesignMaterials&) = default;
};

// The choices, in the order they are checked: the concrete's strength fcu, the steel's yield fy,
// the section's width, the bar's diameter, the load factor.
enum class MaterialsChoice { Fcu, Fy, Width, BarDiameter, LoadFactor };

// The first choice outside its range in the rules table, or none.
std::optional<MaterialsChoice> CheckMaterials(const DesignMaterials& materials);

// 0.35 fcu + 0.67 fy × 1 %, kg/cm²; the table's literal for the default materials.
double CarryingStressKgPerCm2(const DesignMaterials& materials);

// π d² / 4 to 0.1 cm²: 2 for Φ16.
double BarAreaCm2(int bar_diameter_mm);

}  // namespace coldesign
