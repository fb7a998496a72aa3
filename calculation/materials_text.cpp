#include "calculation/materials_text.h"

#include <cmath>
#include <limits>

#include "calculation/column_schedule.h"
#include "calculation/numeric_text.h"

namespace coldesign {

std::expected<DesignMaterials, RefusedChoice> ReadMaterials(const MaterialsTexts& texts) {
  DesignMaterials materials;
  const struct {
    const std::optional<std::string_view>& text;
    void (*set)(DesignMaterials&, double);
    MaterialsChoice choice;
    bool whole;
  } choices[] = {
      {texts.concrete_strength,
       [](DesignMaterials& m, double v) { m.concrete_strength_kg_per_cm2 = v; },
       MaterialsChoice::ConcreteStrength, false},
      {texts.steel_yield, [](DesignMaterials& m, double v) { m.steel_yield_kg_per_cm2 = v; },
       MaterialsChoice::SteelYield, false},
      {texts.width, [](DesignMaterials& m, double v) { m.width_cm = static_cast<int>(v); },
       MaterialsChoice::Width, true},
      {texts.bar_diameter,
       [](DesignMaterials& m, double v) { m.bar_diameter_mm = static_cast<int>(v); },
       MaterialsChoice::BarDiameter, true},
      {texts.load_factor, [](DesignMaterials& m, double v) { m.load_factor = v; },
       MaterialsChoice::LoadFactor, false},
  };
  for (const auto& [text, set, choice, whole] : choices) {
    if (!text) continue;
    const auto value = ParseNumberStrict(*text);
    if (!value) return std::unexpected(RefusedChoice{choice, ChoiceProblem::NotANumber});
    if (whole && *value != std::trunc(*value)) {
      return std::unexpected(RefusedChoice{choice, ChoiceProblem::NotWholeNumber});
    }
    if (whole && std::fabs(*value) > std::numeric_limits<int>::max()) {
      return std::unexpected(RefusedChoice{choice, ChoiceProblem::OutOfRange});
    }
    set(materials, *value);
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
