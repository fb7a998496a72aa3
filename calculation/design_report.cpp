#include "calculation/design_report.h"

#include <array>
#include <cstddef>
#include <utility>

#include "calculation/design_materials.h"
#include "calculation/design_rules.h"
#include "calculation/numeric_text.h"
#include "calculation/report_lines.h"

namespace coldesign {
namespace {

// When a line is part of the report: always, or when the design came to its result this way.
// In the order of the rules' own values, each rule's from its first.
enum When : std::uint8_t {
  Always,
  LengthKept,
  LengthRaisedToLeast,
  LengthRaisedToMultiple,
  ShareGoverns,
  LeastGoverns,
  BarsKept,
  BarsRaisedToLeast,
  BarsRaisedToEven,
  BeyondFloorLimit,
};
static_assert(static_cast<int>(LengthRule::RaisedToMultiple) == 2 &&
              static_cast<int>(SteelRule::LeastOfSection) == 1 &&
              static_cast<int>(BarRule::RaisedToEven) == 2);

// The lines of which conditions the design's working holds, a bit for each.
unsigned Holding(const DesignWorking& w) {
  const auto bit = [](When first, auto rule) {
    return 1U << (static_cast<unsigned>(first) + static_cast<unsigned>(rule));
  };
  return bit(When::Always, 0) | bit(When::LengthKept, w.length_rule) |
         bit(When::ShareGoverns, w.steel_rule) | bit(When::BarsKept, w.bar_rule) |
         (w.beyond_floor_limit ? bit(When::BeyondFloorLimit, 0) : 0);
}

// The figures a line's templates name, "{x}" for the figure x of this list: the design's texts
// as it wrote them, then numbers written as the calculation writes numbers.
//
// L the load and n the floors as typed, b the width; A the required area, t the length, S the
// steel area, N the bar count; the working's Q length quotient, R rounded length, H and E the
// two steel areas, B bar quotient, D rounded bars, P steel ratio; f the load factor, s the
// carrying stress, d the bar diameter, a its area, c fcu, y fy; the rules' k kilograms a ton,
// r and e the steel's shares, C and Y the stress's shares, h the length step, w the least
// length, m the least bars, v the cover, T the ties, F the floors' limit; p and q the steel's
// shares and i the load's increase, in per cent.
constexpr std::string_view kFigureNames = "LnbAtSNQRHEBDPfsdacykreCYhwmvTFpqi";

using Figures = std::array<std::string, kFigureNames.size()>;

Figures FiguresOf(const ColumnDesignInput& input, const ColumnDesignResult& result) {
  const DesignMaterials& m = input.materials;
  const DesignWorking& w = result.working;
  const auto percent = [](double share) { return FormatNumber(share * 100) + '%'; };
  return {input.load_text,
          input.floors_text,
          input.width_text,
          result.required_area_text,
          result.length_text,
          result.steel_area_text,
          result.bar_count_text,
          std::string(w.length_quotient_text),
          w.rounded_length_text,
          std::string(w.steel_share_text),
          std::string(w.least_steel_text),
          std::string(w.bar_quotient_text),
          w.rounded_bar_text,
          w.steel_ratio_percent_text,
          FormatNumber(m.load_factor),
          FormatNumber(CarryingStressKgPerCm2(m)),
          FormatNumber(m.bar_diameter_mm),
          FormatNumber(BarAreaCm2(m.bar_diameter_mm)),
          FormatNumber(m.concrete_strength_kg_per_cm2),
          FormatNumber(m.steel_yield_kg_per_cm2),
          FormatNumber(rules::kKilogramsPerTon),
          FormatNumber(rules::kSteelShareOfRequiredArea),
          FormatNumber(rules::kLeastSteelShareOfSection),
          FormatNumber(rules::kConcreteStressShare),
          FormatNumber(rules::kSteelStressShare),
          FormatNumber(rules::kLengthStepCm),
          FormatNumber(m.width_cm),
          FormatNumber(rules::kLeastBars),
          FormatNumber(rules::kClearCoverMm),
          FormatNumber(rules::kTieDiameterMm),
          FormatNumber(rules::kFloorNoteLimit),
          percent(rules::kSteelShareOfRequiredArea),
          percent(rules::kLeastSteelShareOfSection),
          percent(m.load_factor - 1)};
}

using enum ReportPart;

constexpr auto kLines = std::to_array<ReportLineTemplate>({
    {Title, Always, "program.name\0\0"},
    {Subtitle, Always, "sheet.subtitle\0\0"},
    {DocumentTitle, Always, "sheet.title\0{b} × {t} cm\0"},
    {InputsTitle, Always, "sheet.inputs\0\0"},
    {Input, Always, "sheet.load\0\0{L} t"},
    {Input, Always, "sheet.width\0\0{b} cm"},
    {Input, Always, "sheet.floors\0\0{n}"},
    {Input, Always, "sheet.bar-diameter\0\0{d} mm"},
    {Input, Always, "sheet.concrete-strength\0\0{c} kg/cm²"},
    {Input, Always, "sheet.steel-yield\0\0{y} kg/cm²"},
    {Input, Always, "sheet.load-factor\0\0{f}"},
    {Input, Always, "sheet.carrying-stress\0\0{s} kg/cm²"},
    {StressFormula, Always,
     "\0\0{C} × fcu + {Y} × fy × {p} = {C} × {c} + {Y} × {y} × {p} = {s} kg/cm²"},
    {StepsTitle, Always, "sheet.steps\0\0"},
    {Step, Always, "sheet.step-required-area\0\0Ac = {A} cm²"},
    {Formula, Always, "\0\0Ac = n × ({f} × P) × {k} ÷ {s}"},
    {Formula, Always, "\0\0= {n} × ({f} × {L}) × {k} ÷ {s} = {A} cm²"},
    {Note, Always, "sheet.required-area-note\0{f}|{i}|{k}|{s}\0"},
    {Step, Always, "sheet.step-length\0\0t = {t} cm"},
    {Formula, Always, "\0\0Ac ÷ b = {A} ÷ {b} = {Q}"},
    {Note, Always, "sheet.length-rule\0~{w} cm|~{h} cm\0"},
    {Note, When::LengthRaisedToLeast, "sheet.length-raised-to-least\0{w}|~{w} cm\0"},
    {Note, When::LengthRaisedToMultiple, "sheet.length-raised-to-multiple\0{R}|{h}|~{t} cm\0"},
    {Note, When::LengthKept, "sheet.length-kept\0\0"},
    {Step, Always, "sheet.step-steel-area\0\0As = {S} cm²"},
    {Formula, Always, "\0\0As = max({r} × Ac, {e} × b × t)"},
    {Formula, Always, "\0\0= max({r} × {A}, {e} × {b} × {t}) = max({H}, {E}) = {S} cm²"},
    {Note, When::ShareGoverns, "sheet.steel-share-governs\0~{p}\0"},
    {Note, When::LeastGoverns, "sheet.least-steel-governs\0~{q}\0"},
    {Step, Always, "sheet.step-bars\0\0N = {N}"},
    {Formula, Always, "\0\0As ÷ {a} = {S} ÷ {a} = {B}"},
    {Note, Always, "sheet.bar-rule\0~{d} mm|~{a} cm²|{m}\0"},
    {Note, When::BarsRaisedToLeast, "sheet.bars-raised-to-least\0{m}\0"},
    {Note, When::BarsRaisedToEven, "sheet.bars-raised-to-even\0{D}|{N}\0"},
    {Note, When::BarsKept, "sheet.bars-kept\0\0"},
    {ChosenTitle, Always, "sheet.chosen-section\0\0"},
    {Chosen, Always, "sheet.section\0\0{b} × {t} cm"},
    {Chosen, Always, "sheet.longitudinal-steel\0\0{N} Φ{d}"},
    {Chosen, Always, "sheet.steel-ratio\0\0{P} %"},
    {DrawingTitle, Always, "sheet.drawing\0\0"},
    {Assumption, Always, "sheet.drawing-assumptions\0\0"},
    {Assumption, Always, "sheet.drawing-cover\0~{v} mm\0"},
    {Assumption, Always, "sheet.drawing-ties\0{T}\0"},
    {Assumption, Always, "sheet.drawing-bars\0{d}\0"},
    {LimitsTitle, Always, "sheet.limits\0\0"},
    {Limit, Always, "limits.floors\0{F}\0"},
    {LimitMore, When::BeyondFloorLimit, "sheet.beyond-floor-limit\0{n}\0"},
    {Limit, Always, "limits.no-wind-loads\0\0"},
    {Limit, Always, "sheet.preliminary\0\0"},
    {ResultsHeading, Always, "results.heading\0\0"},
    {Result, Always, "results.load\0\0{L} t"},
    {Result, Always, "design.floors\0\0{n}"},
    {Result, Always, "results.required-area\0\0{A} cm²"},
    {Result, Always, "results.section\0\0{b} × {t} cm"},
    {Result, Always, "results.steel-area\0\0{S} cm²"},
    {Result, Always, "design.bar-count\0\0{N} Φ{d}"},
    {Result, Always, "results.bar-diameter\0\0{d} mm"},
});

static_assert(NamesKnownFigures(kLines, kFigureNames));

}  // namespace

void WriteReport(const ColumnDesignInput& input, const ColumnDesignResult& result,
                 ReportWriter& writer) {
  WriteReportLines(kLines, kFigureNames, FiguresOf(input, result), Holding(result.working), writer);
}

void ReportLines::line(ReportPart part, std::string_view key, std::string value) {
  report_.push_back({.part = part, .text = {key, {}}, .value = std::move(value)});
}

void ReportLines::argument(std::string text, bool left_to_right) {
  report_.back().text.arguments.push_back({std::move(text), left_to_right});
}

DesignReport ReportDesign(const ColumnDesignInput& input, const ColumnDesignResult& result) {
  DesignReport report;
  ReportLines lines(report);
  WriteReport(input, result, lines);
  return report;
}

}  // namespace coldesign
