// The moment design's module, bending.wasm: the design of a column with moments about both
// axes (the section model's strain compatibility, which calculation.wasm leaves out to stay
// small), its calculation sheet and its interaction diagram, loaded by the page the first time
// check_moments says it is needed. It takes the numbers check_moments read, so that the reading
// and checking of texts stays in calculation.wasm and this module within its budget. Its answer
// is laid out in module_answers.h and stays valid until the next call.

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "calculation/bending_design.h"
#include "calculation/bending_report.h"
#include "calculation/design_materials.h"
#include "calculation/design_rules.h"
#include "calculation/numeric_text.h"
#include "web/module_answers.h"
#include "web/module_text.h"
#include "web/report_writer.h"

#define COLDESIGN_EXPORT(name) extern "C" __attribute__((export_name(name)))

namespace {

using coldesign::web::BendingAnswer;
using coldesign::web::BendingOutcome;
using coldesign::web::TextView;
using coldesign::web::View;

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

// The sheet of a design whose status is Ok, and its diagram, into the answer.
void Describe(const coldesign::BendingDesignInput& input,
              const coldesign::BendingDesignResult& result, BendingAnswer& answer) {
  static std::string report;
  static coldesign::InteractionDiagram diagram;
  static std::vector<double> ticks_at;
  static std::string tick_labels;
  report.clear();
  diagram = {};
  ticks_at.clear();
  tick_labels.clear();
  coldesign::web::WrittenReport written(report);
  coldesign::WriteBendingReport(input, result, written);
  if (auto drawn = coldesign::DiagramOf(result)) diagram = std::move(*drawn);
  for (const coldesign::DiagramTick& tick : diagram.ticks) {
    ticks_at.push_back(tick.at_t_m);
    (tick_labels += tick.label) += '\x1F';
  }
  answer.report = coldesign::web::ViewOf(report);
  answer.contour_count = static_cast<std::uint32_t>(diagram.contour.size());
  answer.contour = diagram.contour.data();
  answer.load_count = static_cast<std::uint32_t>(diagram.loads.size());
  answer.loads = diagram.loads.data();
  answer.extent_t_m = diagram.extent_t_m;
  answer.tick_count = static_cast<std::uint32_t>(ticks_at.size());
  answer.ticks_at = ticks_at.data();
  answer.tick_labels = coldesign::web::ViewOf(tick_labels);
}

}  // namespace

// texts: the load and the floors as typed; then check_moments' numbers: the materials, the
// moments and the column's height.
COLDESIGN_EXPORT("design_bending")
const BendingAnswer* DesignBendingExport(const TextView* texts, double concrete_strength,
                                         double steel_yield, double width_cm,
                                         double bar_diameter_mm, double load_factor,
                                         double moment_x_t_m, double moment_y_t_m,
                                         double column_height_m, std::uint32_t unbraced) {
  static coldesign::BendingDesignResult result;
  static std::string shown[std::size(BendingAnswer{}.texts)];
  static BendingAnswer answer{};
  answer = {};
  const coldesign::DesignMaterials materials{.concrete_strength_kg_per_cm2 = concrete_strength,
                                             .steel_yield_kg_per_cm2 = steel_yield,
                                             .width_cm = static_cast<int>(width_cm),
                                             .bar_diameter_mm = static_cast<int>(bar_diameter_mm),
                                             .load_factor = load_factor};
  const coldesign::BendingDesignInput input{
      .column = coldesign::DesignInput(std::string(View(texts[0])), std::string(View(texts[1])),
                                       materials),
      .moment_x_t_m = moment_x_t_m,
      .moment_y_t_m = moment_y_t_m,
      .column_height_m = column_height_m,
      .unbraced = unbraced != 0,
      .length_factor = std::nullopt};
  auto designed = coldesign::DesignBendingColumn(input);
  if (!designed) {
    // check_moments read and checked the numbers: what is left is DesignColumn's failure.
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
  const std::string figures[] = {coldesign::FormatFixed(working.about_y.slenderness, 1),
                                 coldesign::FormatNumber(working.most_slenderness),
                                 coldesign::FormatInteger(coldesign::rules::kMostBendingLengthCm)};
  static_assert(std::size(figures) == std::size(BendingAnswer{}.texts));
  for (std::size_t i = 0; i < std::size(figures); ++i) {
    shown[i] = figures[i];
    answer.texts[i] = coldesign::web::ViewOf(shown[i]);
  }
  if (result.status == coldesign::BendingStatus::Ok) Describe(input, result, answer);
  return &answer;
}
