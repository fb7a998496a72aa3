#pragma once

#include <expected>
#include <string>

#include "calculation/design_materials.h"
#include "calculation/design_rules.h"
#include "calculation/design_working.h"
#include "calculation/number_text.h"
#include "calculation/numeric_text.h"
#include "calculation/rounding.h"

namespace coldesign {

struct ColumnDesignInput {
  std::string load_text;    // tons per floor
  std::string floors_text;  // number of floors
  // cm; as the window shows it, the materials' width (DesignInput sets it so).
  std::string width_text = FormatInteger(static_cast<std::int64_t>(rules::kSectionWidthCm));
  DesignMaterials materials{};  // the load factor, the carrying stress, the least length, the bar
};

// The input of a design of these materials, its width text the materials' width.
ColumnDesignInput DesignInput(std::string load_text, std::string floors_text,
                              const DesignMaterials& materials);

struct ColumnDesignResult {
  std::string required_area_text;  // cm²
  std::string length_text;         // cm
  std::string steel_area_text;     // cm²
  std::string bar_count_text;      // bars of the materials' diameter
  DesignWorking working;           // how the steps came to these texts
};

struct DesignFailure {
  NumericFailure kind;
  ColumnDesignResult partial;  // what the steps before the failing one wrote
};

std::expected<ColumnDesignResult, DesignFailure> DesignColumn(const ColumnDesignInput& input);

// A design's four texts alone, kept in place: what a schedule keeps of each of its designs.
struct DesignTexts {
  NumberText required_area_text;  // cm²
  NumberText length_text;         // cm
  NumberText steel_area_text;     // cm²
  NumberText bar_count_text;

  friend bool operator==(const DesignTexts&, const DesignTexts&) = default;
};

// The same design of a load already read (ParseNumberStrict of its text, or the reason it could
// not be) on a whole number of floors, the width the materials', writing only its four texts:
// for callers that design many columns. On a failure the texts of the failing step and those
// after it are empty.
std::expected<void, NumericFailure> DesignColumnTexts(std::expected<double, NumericFailure> load,
                                                      int floors, const DesignMaterials& materials,
                                                      DesignTexts& texts);

}  // namespace coldesign
