#include "calculation/materials_text.h"

#include <cmath>
#include <limits>

#include "calculation/column_schedule.h"
#include "calculation/numeric_text.h"

namespace coldesign {
namespace {

// Not a number reads as NaN, which no range holds.
double Read(std::string_view text) {
  const auto value = ParseNumberStrict(text);
  return value ? *value : std::numeric_limits<double>::quiet_NaN();
}

// A whole number that fits an int, or 0, which no whole choice allows.
int ReadWhole(std::string_view text) {
  const double value = Read(text);
  // NaN, not equal to itself, is refused here too.
  if (value != std::trunc(value) || std::fabs(value) > std::numeric_limits<int>::max()) return 0;
  return static_cast<int>(value);
}

}  // namespace

std::expected<DesignMaterials, MaterialsChoice> ReadMaterials(const MaterialsTexts& texts) {
  const DesignMaterials materials{.concrete_strength_kg_per_cm2 = Read(texts.concrete_strength),
                                  .steel_yield_kg_per_cm2 = Read(texts.steel_yield),
                                  .width_cm = ReadWhole(texts.width),
                                  .bar_diameter_mm = ReadWhole(texts.bar_diameter),
                                  .load_factor = Read(texts.load_factor)};
  if (const auto choice = CheckMaterials(materials)) return std::unexpected(*choice);
  return materials;
}

std::optional<double> ReadFloorHeight(std::string_view text) {
  const double height = Read(text);
  if (!FloorHeightInRange(height)) return std::nullopt;
  return height;
}

}  // namespace coldesign
