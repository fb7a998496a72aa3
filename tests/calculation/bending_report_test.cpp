// The sheet of a column with moments: the axial sheet when the moments do not matter, the moment
// section with the figures the design used, the section designed in the title, the chosen
// section and the results, and the interaction diagram to scale.

#include "calculation/bending_report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "calculation/numeric_text.h"

namespace coldesign {
namespace {

BendingDesignInput Input(std::string load, std::string floors, double mx, double my) {
  return {.column = DesignInput(std::move(load), std::move(floors), {}),
          .moment_x_t_m = mx,
          .moment_y_t_m = my,
          .length_factor = std::nullopt};
}

BendingDesignResult Designed(const BendingDesignInput& input) {
  const auto result = DesignBendingColumn(input);
  EXPECT_TRUE(result.has_value());
  return result.value_or(BendingDesignResult{});
}

// The keys of the lines of a part (a formula's value where it has no key), in order.
std::vector<std::string> Said(const DesignReport& report, ReportPart part) {
  std::vector<std::string> said;
  for (const ReportLine& line : report) {
    if (line.part != part) continue;
    said.emplace_back(line.text.key.empty() ? line.value : std::string(line.text.key));
  }
  return said;
}

std::string ValueOf(const DesignReport& report, std::string_view key) {
  for (const ReportLine& line : report) {
    if (line.text.key == key) return line.value;
  }
  return "(none)";
}

bool Has(const std::vector<std::string>& lines, std::string_view text) {
  return std::ranges::any_of(lines, [&](const std::string& line) { return line == text; });
}

TEST(BendingReport, WithoutMomentsTheSheetIsTheAxialOne) {
  // No moment and short, then a moment within the least eccentricity's: the second has the
  // moment section, but the section is the axial design's.
  const BendingDesignInput none = Input("40", "2", 0, 0);
  const BendingDesignResult plain = Designed(none);
  ASSERT_FALSE(ReportsMoments(none, plain));
  EXPECT_EQ(ReportDesign(none.column, plain.axial), ReportBendingDesign(none, plain));

  const BendingDesignInput small = Input("40", "2", 0.5, 0);
  const BendingDesignResult within = Designed(small);
  ASSERT_TRUE(ReportsMoments(small, within));
  const DesignReport report = ReportBendingDesign(small, within);
  const std::vector<std::string> notes = Said(report, ReportPart::MomentNote);
  EXPECT_TRUE(Has(notes, "sheet.moments-within-least"));
  EXPECT_FALSE(Has(notes, "sheet.moments-governed"));
  EXPECT_EQ(ValueOf(report, "results.section"),
            ValueOf(ReportDesign(small.column, within.axial), "results.section"));
}

TEST(BendingReport, SaysTheMomentsAndTheSectionDesigned) {
  struct Case {
    BendingDesignInput input;
    bool unbraced;
    bool slender_x;
    bool slender_y;
  };
  BendingDesignInput tall = Input("40", "2", 0, 0);
  tall.column_height_m = 6;  // λ of the width 0.85 × 600 / 30 = 17: slender
  BendingDesignInput unbraced = Input("40", "2", 4, 0);
  unbraced.unbraced = true;
  unbraced.length_factor = 1.2;  // λ of the width 1.2 × 300 / 30 = 12, and over 10 about x too
  for (const Case& c : {Case{Input("40", "2", 12, 3), false, false, false},
                        Case{tall, false, false, true}, Case{unbraced, true, true, true}}) {
    const BendingDesignResult result = Designed(c.input);
    ASSERT_EQ(BendingStatus::Ok, result.status);
    ASSERT_TRUE(result.moments_governed);
    const DesignReport report = ReportBendingDesign(c.input, result);
    const std::string section =
        FormatInteger(result.width_cm) + " × " + FormatInteger(result.length_cm) + " cm";
    // The title, the chosen section and the results are the section designed, not the axial.
    const auto title = std::ranges::find(report, ReportPart::DocumentTitle, &ReportLine::part);
    ASSERT_NE(report.end(), title);
    EXPECT_EQ(section, title->text.arguments.at(0).text);
    EXPECT_EQ(section, ValueOf(report, "sheet.section"));
    EXPECT_EQ(FormatInteger(result.bars) + " Φ16", ValueOf(report, "design.bar-count"));
    EXPECT_EQ(section + ", " + FormatInteger(result.bars) + " Φ16",
              ValueOf(report, "sheet.step-moment-section"));
    // The axial steps stay those of the design the moments started from.
    EXPECT_EQ("t = " + result.axial.length_text + " cm", ValueOf(report, "sheet.step-length"));

    const std::vector<std::string> inputs = Said(report, ReportPart::MomentInput);
    EXPECT_TRUE(Has(inputs, c.unbraced ? "sheet.unbraced" : "sheet.braced"));
    const std::vector<std::string> notes = Said(report, ReportPart::MomentNote);
    EXPECT_TRUE(Has(notes, "sheet.moments-governed"));
    EXPECT_TRUE(Has(notes, c.slender_x ? "sheet.slender-about-x" : "sheet.short-about-x"));
    EXPECT_TRUE(Has(notes, c.slender_y ? "sheet.slender-about-y" : "sheet.short-about-y"));
    EXPECT_TRUE(Has(notes, c.input.length_factor ? "sheet.length-factor-given"
                                                 : "sheet.length-factor-default"));
    EXPECT_TRUE(Has(notes, "sheet.moment-rules-unconfirmed"));
    const std::vector<std::string> formulas = Said(report, ReportPart::MomentFormula);
    const auto added =
        std::ranges::count_if(formulas, [](const std::string& f) { return f.starts_with("Madd"); });
    EXPECT_EQ(int{c.slender_x} + int{c.slender_y}, added);

    // The figures are the design's, rounded to hundredths.
    const auto hundredths = [](double value) { return *ParseNumberStrict(FormatFixed(value, 2)); };
    const std::string mx = ValueOf(report, "results.design-moment-x");
    EXPECT_DOUBLE_EQ(hundredths(result.design_moment_x_t_m),
                     *ParseNumberStrict(mx.substr(0, mx.find(' '))));
    EXPECT_EQ("My* = " + ValueOf(report, "results.design-moment-y"),
              ValueOf(report, "sheet.step-moment-y"));
    // The formula whole, though it holds bars: the last of x's ends on Mx*.
    EXPECT_TRUE(std::ranges::any_of(formulas, [&](const std::string& formula) {
      return formula.starts_with("Mx* = max(|Mx|, Pu × e min) + Madd = max(") &&
             formula.ends_with(" = " + mx);
    }));
    EXPECT_DOUBLE_EQ(hundredths(*result.utilisation),
                     *ParseNumberStrict(ValueOf(report, "results.utilisation")));
    EXPECT_LE(*result.utilisation, 1);
    // The moment section stands between the axial steps and the chosen section.
    const auto at = [&](ReportPart part) {
      return std::ranges::find(report, part, &ReportLine::part) - report.begin();
    };
    EXPECT_LT(at(ReportPart::Note), at(ReportPart::MomentsTitle));
    EXPECT_LT(at(ReportPart::DiagramNote), at(ReportPart::ChosenTitle));
  }
}

TEST(BendingReport, DiagramIsToAScaleThatHoldsEveryPoint) {
  for (const BendingDesignInput& input :
       {Input("40", "2", 12, 3), Input("100", "7", 0, 30), Input("2", "1", 0.3, 0.2)}) {
    const BendingDesignResult result = Designed(input);
    const std::optional<InteractionDiagram> diagram = DiagramOf(result);
    ASSERT_TRUE(diagram.has_value());
    EXPECT_EQ(result.working.contour.size(), diagram->contour.size());
    // The least eccentricity taken about one axis at a time makes two cases, unless both given
    // moments pass it.
    const BendingWorking& w = result.working;
    const bool two_cases = w.about_x.given_moment_t_m <= w.about_x.least_moment_t_m ||
                           w.about_y.given_moment_t_m <= w.about_y.least_moment_t_m;
    EXPECT_EQ(two_cases ? 2U : 1U, diagram->loads.size());
    double farthest = 0;
    for (const auto* points : {&diagram->contour, &diagram->loads}) {
      for (const MomentPoint& point : *points) {
        farthest =
            std::max({farthest, std::fabs(point.moment_x_t_m), std::fabs(point.moment_y_t_m)});
      }
    }
    EXPECT_LE(farthest, diagram->extent_t_m);
    ASSERT_GE(diagram->ticks.size(), 3U);
    EXPECT_EQ(-diagram->extent_t_m, diagram->ticks.front().at_t_m);
    EXPECT_EQ(diagram->extent_t_m, diagram->ticks.back().at_t_m);
    // Between three and five ticks a half axis, each a round figure.
    const std::size_t half = diagram->ticks.size() / 2;
    EXPECT_GE(half, 2U);
    EXPECT_LE(half, 5U);
    for (const DiagramTick& tick : diagram->ticks) {
      EXPECT_EQ(tick.label, FormatNumber(tick.at_t_m + 0.0));
      EXPECT_LE(tick.label.size(), 5U) << tick.label;
    }
  }
  BendingDesignInput slender = Input("40", "2", 0, 0);
  slender.unbraced = true;
  slender.column_height_m = 6;  // λ of the width 1.5 × 600 / 30 = 30, past 23
  const BendingDesignResult refused = Designed(slender);
  ASSERT_EQ(BendingStatus::Slender, refused.status);
  EXPECT_FALSE(DiagramOf(refused).has_value());
}

}  // namespace
}  // namespace coldesign
