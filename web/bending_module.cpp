// The moment design's module, bending.wasm: the design of a column with moments about both
// axes (the section model's strain compatibility, which calculation.wasm leaves out to stay
// small), loaded by the page the first time check_moments says it is needed. Its answer is laid
// out in module_answers.h and stays valid until the next call.

#include <cstdint>
#include <string>
#include <utility>
#include <variant>

#include "calculation/bending_design.h"
#include "calculation/bending_input.h"
#include "calculation/design_materials.h"
#include "calculation/design_rules.h"
#include "calculation/materials_text.h"
#include "calculation/numeric_text.h"
#include "web/module_answers.h"
#include "web/module_materials.h"
#include "web/module_text.h"

#define COLDESIGN_EXPORT(name) extern "C" __attribute__((export_name(name)))

namespace {

using coldesign::web::BendingAnswer;
using coldesign::web::BendingOutcome;
using coldesign::web::TextView;
using coldesign::web::View;

// Decimals of the moments and the utilisation as the page shows them.
constexpr int kShownDecimals = 2;

BendingOutcome OutcomeOf(coldesign::BendingStatus status) {
  switch (status) {
    case coldesign::BendingStatus::Ok:
      return BendingOutcome::Ok;
    case coldesign::BendingStatus::Overflow:
      return BendingOutcome::TooLarge;
    case coldesign::BendingStatus::Slender:
      return BendingOutcome::Slender;
  }
  return BendingOutcome::TooLarge;
}

}  // namespace

// texts: the load, the floors, the materials, then the moment about x, about y and the column's
// height.
COLDESIGN_EXPORT("design_bending")
const BendingAnswer* DesignBendingExport(const TextView* texts, std::uint32_t unbraced) {
  static coldesign::BendingDesignResult result;
  static std::string shown[std::size(BendingAnswer{}.texts)];
  static BendingAnswer answer{};
  answer = {};
  const auto materials = coldesign::ReadMaterials(coldesign::web::MaterialsOf(texts + 2));
  if (!materials) {
    answer.outcome = BendingOutcome::Materials;
    answer.choice = coldesign::web::ChoiceCode(materials.error());
    return &answer;
  }
  constexpr std::size_t kMoments = 2 + coldesign::web::kMaterialsTexts;
  const auto input = coldesign::ReadBendingInput(
      coldesign::DesignInput(std::string(View(texts[0])), std::string(View(texts[1])), *materials),
      {.moment_x = View(texts[kMoments]),
       .moment_y = View(texts[kMoments + 1]),
       .column_height = View(texts[kMoments + 2]),
       .unbraced = unbraced != 0});
  if (!input) {
    answer.outcome = BendingOutcome::Moments;
    answer.field = static_cast<std::uint32_t>(input.error().field) + 1;
    answer.problem = static_cast<std::uint32_t>(input.error().problem);
    return &answer;
  }
  auto designed = coldesign::DesignBendingColumn(*input);
  if (!designed) {
    // The fields were read and checked: what is left is DesignColumn's failure of the load.
    const auto* failure = std::get_if<coldesign::DesignFailure>(&designed.error());
    answer.outcome = failure && failure->kind == coldesign::NumericFailure::TypeMismatch
                         ? BendingOutcome::TypeMismatch
                         : BendingOutcome::Overflow;
    return &answer;
  }
  result = std::move(*designed);
  const coldesign::BendingWorking& working = result.working;
  answer = {.outcome = OutcomeOf(result.status),
            .moments_governed = result.moments_governed ? 1U : 0U,
            .width_cm = static_cast<std::uint32_t>(result.width_cm),
            .length_cm = static_cast<std::uint32_t>(result.length_cm),
            .bars = static_cast<std::uint32_t>(result.bars),
            .bar_diameter_mm = static_cast<std::uint32_t>(result.bar_diameter_mm),
            .bar_centre_count = static_cast<std::uint32_t>(result.bar_centres_cm.size()),
            .bar_centres = result.bar_centres_cm.data(),
            .has_utilisation = result.utilisation ? 1U : 0U,
            .ultimate_load_t = result.ultimate_load_t,
            .design_moment_x_t_m = result.design_moment_x_t_m,
            .design_moment_y_t_m = result.design_moment_y_t_m,
            .utilisation = result.utilisation.value_or(0),
            .slenderness = working.about_y.slenderness,
            .most_slenderness = working.most_slenderness};
  const std::string figures[] = {
      coldesign::FormatInteger(result.length_cm),
      coldesign::FormatInteger(result.bars),
      coldesign::FormatNumber(result.steel_area_cm2),
      coldesign::FormatFixed(result.design_moment_x_t_m, kShownDecimals),
      coldesign::FormatFixed(result.design_moment_y_t_m, kShownDecimals),
      result.utilisation ? coldesign::FormatFixed(*result.utilisation, kShownDecimals) : "",
      coldesign::FormatFixed(working.about_y.slenderness, 1),
      coldesign::FormatNumber(working.most_slenderness),
      coldesign::FormatInteger(coldesign::rules::kMostBendingLengthCm)};
  static_assert(std::size(figures) == std::size(BendingAnswer{}.texts));
  for (std::size_t i = 0; i < std::size(figures); ++i) {
    shown[i] = figures[i];
    answer.texts[i] = coldesign::web::ViewOf(shown[i]);
  }
  return &answer;
}
