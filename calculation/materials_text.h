#pragma once

#include <expected>
#include <optional>
#include <string_view>

#include "calculation/design_materials.h"

namespace coldesign {

// The materials and choices as typed into fields or given on a command line, each a number as
// the fields accept them (ASCII, Arabic-Indic or Persian digits, "." or "٫"). A choice not given
// keeps its default.
struct MaterialsTexts {
  std::optional<std::string_view> concrete_strength = std::nullopt;  // fcu, kg/cm²
  std::optional<std::string_view> steel_yield = std::nullopt;        // fy, kg/cm²
  std::optional<std::string_view> width = std::nullopt;              // b, whole cm
  std::optional<std::string_view> bar_diameter = std::nullopt;       // d, whole mm
  std::optional<std::string_view> load_factor = std::nullopt;
};

// Why a choice's text is refused. Its range, named to the user with it, is the rules table's.
enum class ChoiceProblem { NotANumber, NotWholeNumber, OutOfRange };

struct RefusedChoice {
  MaterialsChoice choice;
  ChoiceProblem problem;
  friend bool operator==(const RefusedChoice&, const RefusedChoice&) = default;
};

// The materials the texts give; or the first choice, in CheckMaterials' order, that is not a
// number, not a whole number where one is asked for, or outside its range. A whole number is
// one without a fraction; one beyond an int is out of range.
std::expected<DesignMaterials, RefusedChoice> ReadMaterials(const MaterialsTexts& texts);

// The floor height of a schedule, m, when the text is a number in the rules table's range.
std::expected<double, ChoiceProblem> ReadFloorHeight(std::string_view text);

}  // namespace coldesign
