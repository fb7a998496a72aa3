#pragma once

#include <expected>
#include <optional>
#include <string_view>

#include "calculation/design_materials.h"

namespace coldesign {

// The materials and choices as typed into fields or given on a command line, each a number as
// the fields accept them (ASCII, Arabic-Indic or Persian digits, "." or "٫").
struct MaterialsTexts {
  std::string_view concrete_strength;  // fcu, kg/cm²
  std::string_view steel_yield;        // fy, kg/cm²
  std::string_view width;              // b, whole cm
  std::string_view bar_diameter;       // d, whole mm
  std::string_view load_factor;
};

// The materials the texts give; or the first choice, in CheckMaterials' order, that is not a
// number, not a whole number where one is asked for, or outside its range.
std::expected<DesignMaterials, MaterialsChoice> ReadMaterials(const MaterialsTexts& texts);

// The floor height of a schedule, m, when the text is a number in the rules table's range.
std::optional<double> ReadFloorHeight(std::string_view text);

}  // namespace coldesign
