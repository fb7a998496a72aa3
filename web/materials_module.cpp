// The calculation module's functions for the engineer's materials and the design's working.
// Each takes its texts as an array of TextView that calculation.js writes into the module's
// memory, and answers with a block that stays valid until the next call of the same function,
// laid out in module_answers.h.

#include <array>
#include <cstddef>
#include <cstdint>
#include <expected>
#include <string>
#include <string_view>

#include "calculation/design_calculation.h"
#include "calculation/design_materials.h"
#include "calculation/design_rules.h"
#include "calculation/materials_text.h"
#include "calculation/numeric_text.h"
#include "web/module_answers.h"
#include "web/module_materials.h"
#include "web/module_text.h"

#define COLDESIGN_EXPORT(name) extern "C" __attribute__((export_name(name)))

namespace {

namespace rules = coldesign::rules;
using coldesign::web::ChoiceCode;
using coldesign::web::MaterialsOf;
using coldesign::web::RulesAnswer;
using coldesign::web::TextView;
using coldesign::web::View;
using coldesign::web::ViewOf;
using coldesign::web::WorkingAnswer;
using coldesign::web::WorkingOutcome;

}  // namespace

COLDESIGN_EXPORT("page_rules") const RulesAnswer* PageRulesExport() {
  static constexpr std::size_t kNamed = 26;  // the numbers before the bar diameters
  static constexpr auto kValues = [] {
    const coldesign::DesignMaterials defaults;
    std::array<double, kNamed + rules::kBarDiametersMm.size()> values = {
        defaults.concrete_strength_kg_per_cm2,
        defaults.steel_yield_kg_per_cm2,
        static_cast<double>(defaults.width_cm),
        static_cast<double>(defaults.bar_diameter_mm),
        defaults.load_factor,
        rules::kLeastConcreteStrengthKgPerCm2,
        rules::kMostConcreteStrengthKgPerCm2,
        rules::kLeastSteelYieldKgPerCm2,
        rules::kMostSteelYieldKgPerCm2,
        rules::kLeastSectionWidthCm,
        rules::kMostSectionWidthCm,
        rules::kLeastLoadFactor,
        rules::kMostLoadFactor,
        rules::kFloorHeightM,
        rules::kLeastFloorHeightM,
        rules::kMostFloorHeightM,
        rules::kSteelDensityKgPerM3,
        rules::kTieDiameterMm,
        rules::kClearCoverMm,
        rules::kFloorNoteLimit,
        rules::kMostMarkBytes,
        rules::kMostFloors,
        rules::kMostColumnCount,
        static_cast<double>(rules::kMostScheduleFileBytes),
        rules::kMostScheduleLevels,
        rules::kMostHeaderColumns};
    for (std::size_t i = 0; i < rules::kBarDiametersMm.size(); ++i) {
      values[kNamed + i] = rules::kBarDiametersMm[i];
    }
    return values;
  }();
  static std::string texts[kValues.size()];
  static TextView views[kValues.size()];
  static const RulesAnswer answer = [] {
    for (std::size_t i = 0; i < kValues.size(); ++i) {
      texts[i] = coldesign::FormatNumber(kValues[i]);
      views[i] = ViewOf(texts[i]);
    }
    return RulesAnswer{static_cast<std::uint32_t>(kValues.size()), views};
  }();
  return &answer;
}

// 0 when the materials' texts are accepted, else 1 + the first choice refused.
COLDESIGN_EXPORT("check_materials") std::uint32_t CheckMaterialsExport(const TextView* texts) {
  const auto materials = coldesign::ReadMaterials(MaterialsOf(texts));
  return materials ? 0 : ChoiceCode(materials.error());
}

// texts: the load, the floors, then the materials.
COLDESIGN_EXPORT("design_with_working")
const WorkingAnswer* DesignWithWorkingExport(const TextView* texts) {
  // The answer's texts, kept until the next call.
  struct Store {
    std::expected<coldesign::ColumnDesignResult, coldesign::DesignFailure> design;
    std::string numbers[8];
    WorkingAnswer answer{};
  };
  static Store* store = nullptr;
  delete store;
  store = nullptr;
  static WorkingAnswer refused{};
  const auto materials = coldesign::ReadMaterials(MaterialsOf(texts + 2));
  if (!materials) {
    refused = {.outcome = WorkingOutcome::Materials, .choice = ChoiceCode(materials.error())};
    return &refused;
  }
  store = new Store{.design = coldesign::DesignColumn(coldesign::DesignInput(
                        std::string(View(texts[0])), std::string(View(texts[1])), *materials))};
  WorkingAnswer& answer = store->answer;
  const auto& design = store->design;
  const coldesign::ColumnDesignResult& result = design ? *design : design.error().partial;
  if (!design) {
    answer.outcome = design.error().kind == coldesign::NumericFailure::Overflow
                         ? WorkingOutcome::Overflow
                         : WorkingOutcome::TypeMismatch;
  }
  const coldesign::DesignWorking& working = result.working;
  answer.length_rule = static_cast<std::uint32_t>(working.length_rule);
  answer.steel_rule = static_cast<std::uint32_t>(working.steel_rule);
  answer.bar_rule = static_cast<std::uint32_t>(working.bar_rule);
  answer.beyond_floor_limit = working.beyond_floor_limit ? 1U : 0U;
  const coldesign::DesignMaterials& m = *materials;
  const double numbers[] = {static_cast<double>(m.width_cm),
                            static_cast<double>(m.bar_diameter_mm),
                            m.concrete_strength_kg_per_cm2,
                            m.steel_yield_kg_per_cm2,
                            m.load_factor,
                            (m.load_factor - 1) * 100,
                            coldesign::CarryingStressKgPerCm2(m),
                            coldesign::BarAreaCm2(m.bar_diameter_mm)};
  const std::string_view results[] = {result.required_area_text,       result.length_text,
                                      result.steel_area_text,          result.bar_count_text,
                                      working.length_quotient_text,    working.rounded_length_text,
                                      working.steel_share_text,        working.least_steel_text,
                                      working.bar_quotient_text,       working.rounded_bar_text,
                                      working.steel_ratio_percent_text};
  static_assert(std::size(results) + std::size(numbers) == std::size(WorkingAnswer{}.texts));
  for (std::size_t i = 0; i < std::size(results); ++i) answer.texts[i] = ViewOf(results[i]);
  for (std::size_t i = 0; i < std::size(numbers); ++i) {
    store->numbers[i] = coldesign::FormatNumber(numbers[i]);
    answer.texts[std::size(results) + i] = ViewOf(store->numbers[i]);
  }
  return &answer;
}
