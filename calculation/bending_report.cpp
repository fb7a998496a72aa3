#include "calculation/bending_report.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <utility>

#include "calculation/design_materials.h"
#include "calculation/design_rules.h"
#include "calculation/numeric_text.h"
#include "calculation/report_lines.h"

namespace coldesign {
namespace {

// When a moment line is part of the report.
enum When : std::uint8_t {
  Always,
  SlenderX,
  ShortX,
  SlenderY,
  ShortY,
  Governed,
  WithinLeast,
  Braced,
  Unbraced,
  DefaultFactor,
  GivenFactor,
  HasUtilisation,
  HasDiagram,
};

unsigned Holding(const BendingDesignInput& input, const BendingDesignResult& result) {
  const BendingWorking& w = result.working;
  const auto bit = [](When when, bool holds) { return holds ? 1U << when : 0U; };
  return bit(Always, true) | bit(SlenderX, w.about_x.slender) | bit(ShortX, !w.about_x.slender) |
         bit(SlenderY, w.about_y.slender) | bit(ShortY, !w.about_y.slender) |
         bit(Governed, result.moments_governed) | bit(WithinLeast, !result.moments_governed) |
         bit(Braced, !input.unbraced) | bit(Unbraced, input.unbraced) |
         bit(DefaultFactor, !input.length_factor) |
         bit(GivenFactor, input.length_factor.has_value()) |
         bit(HasUtilisation, result.utilisation.has_value()) | bit(HasDiagram, !w.contour.empty());
}

// A figure rounded to `decimals`, without the zeros that end it: "12.5", "3".
std::string Rounded(double value, int decimals) {
  std::string text = FormatFixed(value + 0.0, decimals);
  if (text.find('.') == std::string::npos) return text;
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
  return text == "-0" ? "0" : text;
}

// The figures the moment lines name, "{x}" for the figure x of this list.
//
// P Pu, n the floors and L the load as typed, f the load factor; w the width and t the length
// designed, N its bars of diameter c and A their area; x and y the moments as given, H the
// column's height, k the length factor, K He, S and M the bracing's short and most λ. About x
// (the plane of the length): X its side, a |Mx|, e e_min, m Pu e_min, l λ, d the added moment,
// D Mx*; about y (the plane of the width): Y, b, g, o, s, h, E the same. u the utilisation. The
// rules': z and Z the least eccentricity's share and least, V the added moment's divisor, C
// centimetres a metre, R the most steel share in per cent, T the length step; q the concrete's
// ultimate strain, r the block's share of fcu, j its share of the depth, G γc, F γs, W Es.
constexpr std::string_view kFigureNames = "PnLfwtNcAxyHkKSMXaemldDYbgoshEuzZVCRTqrjGFW";

using Figures = std::array<std::string, kFigureNames.size()>;

Figures FiguresOf(const BendingDesignInput& input, const BendingDesignResult& result) {
  const BendingWorking& w = result.working;
  const BendingDirection& x = w.about_x;
  const BendingDirection& y = w.about_y;
  const auto moment = [](double value) { return Rounded(value, 2); };
  return {FormatNumber(result.ultimate_load_t),
          input.column.floors_text,
          input.column.load_text,
          FormatNumber(input.column.materials.load_factor),
          FormatInteger(result.width_cm),
          FormatInteger(result.length_cm),
          FormatInteger(result.bars),
          FormatInteger(result.bar_diameter_mm),
          Rounded(result.steel_area_cm2, 2),
          FormatNumber(input.moment_x_t_m + 0.0),
          FormatNumber(input.moment_y_t_m + 0.0),
          FormatNumber(input.column_height_m),
          FormatNumber(w.length_factor),
          Rounded(w.effective_length_m, 3),
          FormatNumber(w.short_slenderness),
          FormatNumber(w.most_slenderness),
          FormatNumber(x.side_cm),
          moment(x.given_moment_t_m),
          Rounded(x.least_eccentricity_cm, 2),
          moment(x.least_moment_t_m),
          Rounded(x.slenderness, 2),
          moment(x.added_moment_t_m),
          moment(x.design_moment_t_m),
          FormatNumber(y.side_cm),
          moment(y.given_moment_t_m),
          Rounded(y.least_eccentricity_cm, 2),
          moment(y.least_moment_t_m),
          Rounded(y.slenderness, 2),
          moment(y.added_moment_t_m),
          moment(y.design_moment_t_m),
          result.utilisation ? Rounded(*result.utilisation, 2) : std::string(),
          FormatNumber(rules::kLeastEccentricityShare),
          FormatNumber(rules::kLeastEccentricityCm),
          FormatNumber(rules::kAddedDeflectionDivisor),
          FormatNumber(rules::kCentimetresPerMetre),
          FormatNumber(rules::kMostSteelShareOfSection * 100) + '%',
          FormatNumber(rules::kLengthStepCm),
          FormatNumber(rules::kUltimateConcreteStrain),
          FormatNumber(rules::kBlockStressShare),
          FormatNumber(rules::kBlockDepthShare),
          FormatNumber(rules::kConcreteSafetyFactor),
          FormatNumber(rules::kSteelSafetyFactor),
          FormatNumber(rules::kSteelModulusKgPerCm2)};
}

using enum ReportPart;

constexpr auto kMomentLines = std::to_array<ReportLineTemplate>({
    {MomentsTitle, Always, "sheet.moments\0\0"},
    {MomentInput, Always, "sheet.moment-x\0\0{x} t·m"},
    {MomentInput, Always, "sheet.moment-y\0\0{y} t·m"},
    {MomentInput, Always, "sheet.column-height\0\0{H} m"},
    {MomentInput, Braced, "sheet.braced\0\0k = {k}"},
    {MomentInput, Unbraced, "sheet.unbraced\0\0k = {k}"},
    {MomentStep, Always, "sheet.step-ultimate-load\0\0Pu = {P} t"},
    {MomentFormula, Always, "\0\0Pu = n × {f} × P = {n} × {f} × {L} = {P} t"},
    {MomentStep, Always, "sheet.step-slenderness\0\0He = {K} m"},
    {MomentFormula, Always, "\0\0He = k × H = {k} × {H} = {K} m"},
    {MomentFormula, Always, "\0\0λx = He ÷ t = {K} × {C} ÷ {X} = {l}"},
    {MomentFormula, Always, "\0\0λy = He ÷ b = {K} × {C} ÷ {Y} = {s}"},
    {MomentNote, DefaultFactor, "sheet.length-factor-default\0~k = {k}\0"},
    {MomentNote, GivenFactor, "sheet.length-factor-given\0~k = {k}\0"},
    {MomentNote, Always, "sheet.slenderness-limits\0{S}|{M}\0"},
    {MomentNote, ShortX, "sheet.short-about-x\0\0"},
    {MomentNote, SlenderX, "sheet.slender-about-x\0\0"},
    {MomentNote, ShortY, "sheet.short-about-y\0\0"},
    {MomentNote, SlenderY, "sheet.slender-about-y\0\0"},
    {MomentStep, Always, "sheet.step-moment-x\0\0Mx* = {D} t·m"},
    {MomentFormula, Always, "\0\0e min = max({z} × t, {Z} cm) = max({z} × {X}, {Z}) = {e} cm"},
    {MomentFormula, Always, "\0\0Pu × e min = {P} × {e} ÷ {C} = {m} t·m"},
    {MomentFormula, SlenderX,
     "\0\0Madd = Pu × λx² × t ÷ {V} = {P} × {l}² × {X} ÷ {V} ÷ {C} = {d} t·m"},
    {MomentFormula, Always,
     "\0\0Mx* = max(|Mx|, Pu × e min) + Madd = max({a}, {m}) + {d} = {D} t·m"},
    {MomentStep, Always, "sheet.step-moment-y\0\0My* = {E} t·m"},
    {MomentFormula, Always, "\0\0e min = max({z} × b, {Z} cm) = max({z} × {Y}, {Z}) = {g} cm"},
    {MomentFormula, Always, "\0\0Pu × e min = {P} × {g} ÷ {C} = {o} t·m"},
    {MomentFormula, SlenderY,
     "\0\0Madd = Pu × λy² × b ÷ {V} = {P} × {s}² × {Y} ÷ {V} ÷ {C} = {h} t·m"},
    {MomentFormula, Always,
     "\0\0My* = max(|My|, Pu × e min) + Madd = max({b}, {o}) + {h} = {E} t·m"},
    {MomentNote, Always, "sheet.least-one-axis\0\0"},
    {MomentStep, Always, "sheet.step-moment-section\0\0{w} × {t} cm, {N} Φ{c}"},
    {MomentNote, WithinLeast, "sheet.moments-within-least\0\0"},
    {MomentNote, Governed, "sheet.moments-governed\0~{R}|~{T} cm\0"},
    {MomentNote, Always, "sheet.strain-compatibility\0~{q}|{r}|{j}|{G}|{F}|~{W} kg/cm²\0"},
    {MomentNote, Always, "sheet.moment-rules-unconfirmed\0\0"},
    {MomentStep, HasUtilisation, "sheet.step-utilisation\0\0{u}"},
    {MomentNote, HasUtilisation, "sheet.utilisation-note\0\0"},
    {DiagramTitle, HasDiagram, "sheet.interaction-diagram\0~{P} t\0"},
    {DiagramNote, HasDiagram, "sheet.diagram-note\0\0"},
});
static_assert(NamesKnownFigures(kMomentLines, kFigureNames));

constexpr auto kMomentResults = std::to_array<ReportLineTemplate>({
    {Result, Always, "results.design-moment-x\0\0{D} t·m"},
    {Result, Always, "results.design-moment-y\0\0{E} t·m"},
    {Result, HasUtilisation, "results.utilisation\0\0{u}"},
});
static_assert(NamesKnownFigures(kMomentResults, kFigureNames));

// Passes on to `writer` the lines of the parts in [first, last] (and their arguments).
class PartsWriter : public ReportWriter {
 public:
  PartsWriter(ReportWriter& writer, ReportPart first, ReportPart last)
      : writer_(writer), first_(first), last_(last) {}
  void line(ReportPart part, std::string_view key, std::string value) override {
    passing_ = part >= first_ && part <= last_;
    if (passing_) writer_.line(part, key, std::move(value));
  }
  void argument(std::string text, bool left_to_right) override {
    if (passing_) writer_.argument(std::move(text), left_to_right);
  }

 private:
  ReportWriter& writer_;
  ReportPart first_;
  ReportPart last_;
  bool passing_ = false;
};

// The axial result's texts for the section designed: the same texts when the moments did not
// change it.
ColumnDesignResult SectionDesigned(const BendingDesignResult& result) {
  ColumnDesignResult designed = result.axial;
  if (!result.moments_governed) return designed;
  designed.length_text = FormatInteger(result.length_cm);
  designed.steel_area_text = Rounded(result.steel_area_cm2, 2);
  designed.bar_count_text = FormatInteger(result.bars);
  designed.working.steel_ratio_percent_text =
      FormatFixed(result.steel_area_cm2 / (result.width_cm * result.length_cm) * 100, 2);
  return designed;
}

}  // namespace

bool ReportsMoments(const BendingDesignInput& input, const BendingDesignResult& result) {
  return input.moment_x_t_m != 0 || input.moment_y_t_m != 0 || result.moments_governed;
}

void WriteBendingReport(const BendingDesignInput& input, const BendingDesignResult& result,
                        ReportWriter& writer) {
  if (!ReportsMoments(input, result)) {
    WriteReport(input.column, result.axial, writer);
    return;
  }
  const ColumnDesignResult designed = SectionDesigned(result);
  const auto parts = [&](const ColumnDesignResult& texts, ReportPart first, ReportPart last) {
    PartsWriter passing(writer, first, last);
    WriteReport(input.column, texts, passing);
  };
  parts(result.axial, Title, Subtitle);
  parts(designed, DocumentTitle, DocumentTitle);
  parts(result.axial, InputsTitle, Note);
  const Figures figures = FiguresOf(input, result);
  const unsigned holding = Holding(input, result);
  WriteReportLines(kMomentLines, kFigureNames, figures, holding, writer);
  parts(designed, ChosenTitle, Result);
  WriteReportLines(kMomentResults, kFigureNames, figures, holding, writer);
}

DesignReport ReportBendingDesign(const BendingDesignInput& input,
                                 const BendingDesignResult& result) {
  DesignReport report;
  ReportLines lines(report);
  WriteBendingReport(input, result, lines);
  return report;
}

std::optional<InteractionDiagram> DiagramOf(const BendingDesignResult& result) {
  if (result.working.contour.empty()) return std::nullopt;
  InteractionDiagram diagram;
  diagram.contour = result.working.contour;
  const auto [first, second] = DesignCases(result.working);
  diagram.loads.push_back(first);
  if (first.moment_x_t_m != second.moment_x_t_m || first.moment_y_t_m != second.moment_y_t_m) {
    diagram.loads.push_back(second);
  }
  double farthest = 0;
  for (const std::vector<MomentPoint>* points : {&diagram.contour, &diagram.loads}) {
    for (const MomentPoint& point : *points) {
      farthest = std::max({farthest, std::fabs(point.moment_x_t_m), std::fabs(point.moment_y_t_m)});
    }
  }
  // Ticks of 1, 2 or 5 times a power of ten, about four to a half axis.
  const double wanted = farthest / 4;
  double decade = 1;
  while (decade * 10 <= wanted) decade *= 10;
  while (decade > wanted && decade > 1e-3) decade /= 10;
  double tick = decade * 10;
  for (const double multiple : {5.0, 2.0, 1.0}) {
    if (decade * multiple >= wanted) tick = decade * multiple;
  }
  const int half = std::max(1, static_cast<int>(std::ceil(farthest / tick - 1e-9)));
  diagram.extent_t_m = half * tick;
  for (int i = -half; i <= half; ++i) {
    diagram.ticks.push_back({i * tick, FormatNumber(i * tick + 0.0)});
  }
  return diagram;
}

}  // namespace coldesign
