#include "calculation/design_report.h"

#include <initializer_list>
#include <utility>

#include "calculation/design_materials.h"
#include "calculation/design_rules.h"
#include "calculation/numeric_text.h"

namespace coldesign {
namespace {

// A number of the design's rules as the calculation writes numbers.
std::string Figure(double value) { return FormatNumber(value); }
// A share as a percentage: 0.006 gives "0.6%".
std::string Percent(double share) { return FormatNumber(share * 100) + '%'; }

std::string Joined(std::initializer_list<std::string_view> parts) {
  std::string text;
  for (const std::string_view part : parts) text += part;
  return text;
}

ReportArgument LeftToRight(std::string text) { return {std::move(text), true}; }

ReportText Say(std::string_view key, std::vector<ReportArgument> arguments = {}) {
  return {key, std::move(arguments)};
}

ReportSentence LengthNote(const DesignWorking& working, const DesignMaterials& materials,
                          const std::string& length) {
  const std::string least = Figure(materials.width_cm);
  const std::string step = Figure(rules::kLengthStepCm);
  ReportSentence note = {
      Say("sheet.length-rule", {LeftToRight(least + " cm"), LeftToRight(step + " cm")})};
  switch (working.length_rule) {
    case LengthRule::RaisedToLeast:
      note.push_back(Say("sheet.length-raised-to-least", {{least}, LeftToRight(least + " cm")}));
      break;
    case LengthRule::RaisedToMultipleOfFive:
      note.push_back(Say("sheet.length-raised-to-multiple",
                         {{working.rounded_length_text}, {step}, LeftToRight(length + " cm")}));
      break;
    case LengthRule::None:
      note.push_back(Say("sheet.length-kept"));
      break;
  }
  return note;
}

ReportSentence BarNote(const DesignWorking& working, const DesignMaterials& materials,
                       const std::string& bars) {
  const std::string least = Figure(rules::kLeastBars);
  ReportSentence note = {
      Say("sheet.bar-rule", {LeftToRight(Figure(materials.bar_diameter_mm) + " mm"),
                             LeftToRight(Figure(BarAreaCm2(materials.bar_diameter_mm)) + " cm²"),
                             {least}})};
  switch (working.bar_rule) {
    case BarRule::RaisedToLeast:
      note.push_back(Say("sheet.bars-raised-to-least", {{least}}));
      break;
    case BarRule::RaisedToEven:
      note.push_back(Say("sheet.bars-raised-to-even", {{working.rounded_bar_text}, {bars}}));
      break;
    case BarRule::None:
      note.push_back(Say("sheet.bars-kept"));
      break;
  }
  return note;
}

// The values a design's report writes again and again, as the design and its input wrote them.
struct Figures {
  const ColumnDesignInput& input;
  const ColumnDesignResult& result;
  const DesignMaterials& materials = input.materials;
  const std::string& load = input.load_text;
  const std::string& floors = input.floors_text;
  const std::string& width = input.width_text;
  const std::string& area = result.required_area_text;
  const std::string& length = result.length_text;
  const std::string& steel = result.steel_area_text;
  const std::string& bars = result.bar_count_text;
  const DesignWorking& working = result.working;
  std::string factor = Figure(materials.load_factor);
  std::string stress = Figure(CarryingStressKgPerCm2(materials));
  std::string diameter = FormatInteger(materials.bar_diameter_mm);
  std::string bar_area = Figure(BarAreaCm2(materials.bar_diameter_mm));
};

std::vector<ReportStep> Steps(const Figures& f) {
  const std::string tons = Figure(rules::kKilogramsPerTon);
  const std::string share = Figure(rules::kSteelShareOfRequiredArea);
  const std::string least_share = Figure(rules::kLeastSteelShareOfSection);
  std::vector<ReportStep> steps;
  steps.push_back(
      {.title = Say("sheet.step-required-area"),
       .result = Joined({"Ac = ", f.area, " cm²"}),
       .formula = {Joined({"Ac = n × (", f.factor, " × P) × ", tons, " ÷ ", f.stress}),
                   Joined({"= ", f.floors, " × (", f.factor, " × ", f.load, ") × ", tons, " ÷ ",
                           f.stress, " = ", f.area, " cm²"})},
       .note = {Say("sheet.required-area-note",
                    {{f.factor}, {Percent(f.materials.load_factor - 1)}, {tons}, {f.stress}})}});
  steps.push_back({.title = Say("sheet.step-length"),
                   .result = Joined({"t = ", f.length, " cm"}),
                   .formula = {Joined({"Ac ÷ b = ", f.area, " ÷ ", f.width, " = ",
                                       f.working.length_quotient_text})},
                   .note = LengthNote(f.working, f.materials, f.length)});
  const bool share_governs = f.working.steel_rule == SteelRule::ShareOfRequiredArea;
  steps.push_back(
      {.title = Say("sheet.step-steel-area"),
       .result = Joined({"As = ", f.steel, " cm²"}),
       .formula = {Joined({"As = max(", share, " × Ac, ", least_share, " × b × t)"}),
                   Joined({"= max(", share, " × ", f.area, ", ", least_share, " × ", f.width, " × ",
                           f.length, ") = max(", f.working.steel_share_text, ", ",
                           f.working.least_steel_text, ") = ", f.steel, " cm²"})},
       .note = {share_governs ? Say("sheet.steel-share-governs",
                                    {LeftToRight(Percent(rules::kSteelShareOfRequiredArea))})
                              : Say("sheet.least-steel-governs",
                                    {LeftToRight(Percent(rules::kLeastSteelShareOfSection))})}});
  steps.push_back({.title = Say("sheet.step-bars"),
                   .result = Joined({"N = ", f.bars}),
                   .formula = {Joined({"As ÷ ", f.bar_area, " = ", f.steel, " ÷ ", f.bar_area,
                                       " = ", f.working.bar_quotient_text})},
                   .note = BarNote(f.working, f.materials, f.bars)});
  return steps;
}

}  // namespace

DesignReport ReportDesign(const ColumnDesignInput& input, const ColumnDesignResult& result) {
  const Figures f{.input = input, .result = result};
  const std::string fcu = Figure(f.materials.concrete_strength_kg_per_cm2);
  const std::string fy = Figure(f.materials.steel_yield_kg_per_cm2);
  const std::string concrete_share = Figure(rules::kConcreteStressShare);
  const std::string steel_share = Figure(rules::kSteelStressShare);
  const std::string share = Percent(rules::kSteelShareOfRequiredArea);
  std::string section = Joined({f.width, " × ", f.length, " cm"});
  const std::string bars = Joined({f.bars, " Φ", f.diameter});

  DesignReport report{
      .title = Say("program.name"),
      .subtitle = Say("sheet.subtitle"),
      .document_title = Say("sheet.title", {{section}}),
      .section = section,
      .inputs_title = Say("sheet.inputs"),
      .inputs = {{Say("sheet.load"), f.load + " t"},
                 {Say("sheet.width"), f.width + " cm"},
                 {Say("sheet.floors"), f.floors},
                 {Say("sheet.bar-diameter"), f.diameter + " mm"},
                 {Say("sheet.concrete-strength"), fcu + " kg/cm²"},
                 {Say("sheet.steel-yield"), fy + " kg/cm²"},
                 {Say("sheet.load-factor"), f.factor},
                 {Say("sheet.carrying-stress"), f.stress + " kg/cm²"}},
      .stress_formula = Joined({concrete_share, " × fcu + ", steel_share, " × fy × ", share, " = ",
                                concrete_share, " × ", fcu, " + ", steel_share, " × ", fy, " × ",
                                share, " = ", f.stress, " kg/cm²"}),
      .steps_title = Say("sheet.steps"),
      .steps = Steps(f),
      .chosen_title = Say("sheet.chosen-section"),
      .chosen = {{Say("sheet.section"), section},
                 {Say("sheet.longitudinal-steel"), bars},
                 {Say("sheet.steel-ratio"), f.working.steel_ratio_percent_text + " %"}},
      .drawing_title = Say("sheet.drawing"),
      .drawing_assumptions = {Say("sheet.drawing-assumptions"),
                              Say("sheet.drawing-cover",
                                  {LeftToRight(Figure(rules::kClearCoverMm) + " mm")}),
                              Say("sheet.drawing-ties", {{Figure(rules::kTieDiameterMm)}}),
                              Say("sheet.drawing-bars", {{f.diameter}})},
      .limits_title = Say("sheet.limits"),
      .limits = {{Say("limits.floors", {{Figure(rules::kFloorNoteLimit)}})},
                 {Say("limits.no-wind-loads")},
                 {Say("sheet.preliminary")}},
      .results_heading = Say("results.heading"),
      .results = {{Say("results.load"), f.load + " t"},
                  {Say("design.floors"), f.floors},
                  {Say("results.required-area"), f.area + " cm²"},
                  {Say("results.section"), section},
                  {Say("results.steel-area"), f.steel + " cm²"},
                  {Say("design.bar-count"), bars},
                  {Say("results.bar-diameter"), f.diameter + " mm"}}};
  if (f.working.beyond_floor_limit) {
    report.limits.front().push_back(Say("sheet.beyond-floor-limit", {{f.floors}}));
  }
  return report;
}

}  // namespace coldesign
