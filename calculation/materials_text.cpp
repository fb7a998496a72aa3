#include "calculation/materials_text.h"

#include <cmath>
#include <cstddef>
#include <iterator>
#include <limits>

#include "calculation/column_schedule.h"
#include "calculation/numeric_text.h"

namespace coldesign {

std::expected<DesignMaterials, RefusedChoice> ReadMaterials(const MaterialsTexts& texts) {
  // In the order of MaterialsChoice.
  const std::optional<std::string_view>* const in_order[] = {
      &texts.concrete_strength, &texts.steel_yield, &texts.width, &texts.bar_diameter,
      &texts.load_factor};
  DesignMaterials materials;
  for (std::size_t i = 0; i < std::size(in_order); ++i) {
    const std::optional<std::string_view>& text = *in_order[i];
    if (!text) continue;
    const auto choice = static_cast<MaterialsChoice>(i);
    const bool whole = choice == MaterialsChoice::Width || choice == MaterialsChoice::BarDiameter;
    const auto value = ParseNumberStrict(*text);
    if (!value) return std::unexpected(RefusedChoice{choice, ChoiceProblem::NotANumber});
    if (whole && *value != std::trunc(*value)) {
      return std::unexpected(RefusedChoice{choice, ChoiceProblem::NotWholeNumber});
    }
    if (whole && std::fabs(*value) > std::numeric_limits<int>::max()) {
      return std::unexpected(RefusedChoice{choice, ChoiceProblem::OutOfRange});
    }
    switch (choice) {
      case MaterialsChoice::Fcu:
        materials.concrete_strength_kg_per_cm2 = *value;
        break;
      case MaterialsChoice::Fy:
        materials.steel_yield_kg_per_cm2 = *value;
        break;
      case MaterialsChoice::Width:
        materials.width_cm = static_cast<int>(*value);
        break;
      case MaterialsChoice::BarDiameter:
        materials.bar_diameter_mm = static_cast<int>(*value);
        break;
      case MaterialsChoice::LoadFactor:
        materials.load_factor = *value;
        break;
    }
    // The choices after this one still hold their defaults, which are in range.
    if (CheckMaterials(materials)) {
      return std::unexpected(RefusedChoice{choice, ChoiceProblem::OutOfRange});
    }
  }
  return materials;
}

std::expected<double, ChoiceProblem> ReadFloorHeight(std::string_view text) {
  const auto height = ParseNumberStrict(text);
  if (!height) return std::unexpected(ChoiceProblem::NotANumber);
  if (!FloorHeightInRange(*height)) return std::unexpected(ChoiceProblem::OutOfRange);
  return *height;
}

}  // namespace coldesign
