// The report of a design: which catalogue texts the sheet says, with which figures, in which
// order; the rule that raised a length or a bar count, and the figures of other materials.

#include "calculation/design_report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

namespace coldesign {
namespace {

// "key(figure, ‹figure with its unit›)": what a catalogue text says, in a form to compare.
std::string Shown(const ReportText& text) {
  std::string shown(text.key);
  for (std::size_t i = 0; i < text.arguments.size(); ++i) {
    const ReportArgument& argument = text.arguments[i];
    shown += i == 0 ? "(" : ", ";
    shown += argument.left_to_right ? "‹" + argument.text + "›" : argument.text;
  }
  return text.arguments.empty() ? shown : shown + ")";
}

// The texts of the lines of one part, one after another; `Note` and `LimitMore` lines joined
// to the one before by " + ".
std::vector<std::string> Shown(const DesignReport& report, ReportPart part, ReportPart more) {
  std::vector<std::string> shown;
  for (const ReportLine& line : report) {
    if (line.part == part) shown.push_back(Shown(line.text));
    if (line.part == more) shown.back() += " + " + Shown(line.text);
  }
  return shown;
}

// The values of the lines of these parts, in their order.
std::vector<std::string> Values(const DesignReport& report,
                                std::initializer_list<ReportPart> parts) {
  std::vector<std::string> values;
  for (const ReportLine& line : report) {
    if (std::ranges::find(parts, line.part) != parts.end()) values.push_back(line.value);
  }
  return values;
}

// "label: value" for the lines of one part.
std::vector<std::string> Rows(const DesignReport& report, ReportPart part) {
  std::vector<std::string> rows;
  for (const ReportLine& line : report) {
    if (line.part == part) rows.push_back(Shown(line.text) + ": " + line.value);
  }
  return rows;
}

struct ReportCase {
  std::string load;
  std::string floors;
  DesignMaterials materials;
  std::vector<std::string> notes;     // of the four steps
  std::vector<std::string> formulas;  // some of the steps' lines and the stress's formula
  std::string floor_limit;
  friend std::ostream& operator<<(std::ostream& os, const ReportCase& c) {
    os << c.load << " t x " << c.floors << " floors";
    return c.materials == DesignMaterials{} ? os : os << ", own materials";
  }
};

DesignReport Report(const ReportCase& c) {
  const ColumnDesignInput input = DesignInput(c.load, c.floors, c.materials);
  const auto result = DesignColumn(input);
  EXPECT_TRUE(result.has_value());
  return ReportDesign(input, *result);
}

class ReportOf : public ::testing::TestWithParam<ReportCase> {};

// Each step's notes, said one after another: the rule, then what it did.
TEST_P(ReportOf, NotesTheRuleThatGaveEachStep) {
  const DesignReport report = Report(GetParam());
  std::vector<std::string> notes;
  for (const ReportLine& line : report) {
    if (line.part == ReportPart::Step) notes.emplace_back();
    if (line.part == ReportPart::Note) {
      notes.back() += (notes.back().empty() ? "" : " + ") + Shown(line.text);
    }
  }
  EXPECT_EQ(GetParam().notes, notes);
  EXPECT_EQ(GetParam().floor_limit,
            Shown(report, ReportPart::Limit, ReportPart::LimitMore).front());
}

TEST_P(ReportOf, WritesItsFormulasWithTheDesignsFigures) {
  const std::vector<std::string> lines = Values(
      Report(GetParam()), {ReportPart::StressFormula, ReportPart::Step, ReportPart::Formula});
  for (const std::string& formula : GetParam().formulas) {
    EXPECT_NE(std::ranges::find(lines, formula), lines.end()) << formula;
  }
}

const DesignMaterials kOwn = {.concrete_strength_kg_per_cm2 = 300,
                              .steel_yield_kg_per_cm2 = 4000,
                              .width_cm = 25,
                              .bar_diameter_mm = 20,
                              .load_factor = 1.2};

INSTANTIATE_TEST_SUITE_P(
    Designs, ReportOf,
    ::testing::Values(
        // Nothing raised; the share of the required area governs the steel.
        ReportCase{"100",
                   "7",
                   {},
                   {"sheet.required-area-note(1.1, 10%, 1000, 111.62)",
                    "sheet.length-rule(‹30 cm›, ‹5 cm›) + sheet.length-kept",
                    "sheet.steel-share-governs(‹1%›)",
                    "sheet.bar-rule(‹16 mm›, ‹2 cm²›, 4) + sheet.bars-kept"},
                   {"0.35 × fcu + 0.67 × fy × 1% = 0.35 × 250 + 0.67 × 3600 × 1% = 111.62 kg/cm²",
                    "Ac = n × (1.1 × P) × 1000 ÷ 111.62",
                    "= 7 × (1.1 × 100) × 1000 ÷ 111.62 = 6898.40530370901 cm²",
                    "Ac ÷ b = 6898.40530370901 ÷ 30 = 229.946843456967", "t = 230 cm",
                    "As = max(0.01 × Ac, 0.006 × b × t)", "As = 68.9840530370901 cm²",
                    "As ÷ 2 = 68.9840530370901 ÷ 2 = 34.4920265185451", "N = 34"},
                   "limits.floors(7)"},
        // Both raised to their least values; the least steel governs.
        ReportCase{"10",
                   "5",
                   {},
                   {"sheet.required-area-note(1.1, 10%, 1000, 111.62)",
                    "sheet.length-rule(‹30 cm›, ‹5 cm›) + "
                    "sheet.length-raised-to-least(30, ‹30 cm›)",
                    "sheet.least-steel-governs(‹0.6%›)",
                    "sheet.bar-rule(‹16 mm›, ‹2 cm²›, 4) + sheet.bars-raised-to-least(4)"},
                   {"t = 30 cm", "N = 4"},
                   "limits.floors(7)"},
        // The rounded length raised to a multiple of five.
        ReportCase{"30",
                   "4",
                   {},
                   {"sheet.required-area-note(1.1, 10%, 1000, 111.62)",
                    "sheet.length-rule(‹30 cm›, ‹5 cm›) + "
                    "sheet.length-raised-to-multiple(39, 5, ‹40 cm›)",
                    "sheet.steel-share-governs(‹1%›)",
                    "sheet.bar-rule(‹16 mm›, ‹2 cm²›, 4) + sheet.bars-kept"},
                   {"t = 40 cm"},
                   "limits.floors(7)"},
        // The rounded bar count raised to an even one.
        ReportCase{"50",
                   "7",
                   {},
                   {"sheet.required-area-note(1.1, 10%, 1000, 111.62)",
                    "sheet.length-rule(‹30 cm›, ‹5 cm›) + sheet.length-kept",
                    "sheet.steel-share-governs(‹1%›)",
                    "sheet.bar-rule(‹16 mm›, ‹2 cm²›, 4) + sheet.bars-raised-to-even(17, 18)"},
                   {"N = 18"},
                   "limits.floors(7)"},
        // Eight floors: beyond the limit the notes state; the load as typed, in Arabic digits.
        ReportCase{"١٠",
                   "8",
                   {},
                   {"sheet.required-area-note(1.1, 10%, 1000, 111.62)",
                    "sheet.length-rule(‹30 cm›, ‹5 cm›) + "
                    "sheet.length-raised-to-least(30, ‹30 cm›)",
                    "sheet.steel-share-governs(‹1%›)",
                    "sheet.bar-rule(‹16 mm›, ‹2 cm²›, 4) + sheet.bars-raised-to-least(4)"},
                   {"= 8 × (1.1 × ١٠) × 1000 ÷ 111.62 = 788.389177566744 cm²"},
                   "limits.floors(7) + sheet.beyond-floor-limit(8)"},
        // Every value of the engineer's materials, and the stress worked out from them.
        ReportCase{"100",
                   "7",
                   kOwn,
                   {"sheet.required-area-note(1.2, 20%, 1000, 131.8)",
                    "sheet.length-rule(‹25 cm›, ‹5 cm›) + sheet.length-kept",
                    "sheet.steel-share-governs(‹1%›)",
                    "sheet.bar-rule(‹20 mm›, ‹3.1 cm²›, 4) + sheet.bars-raised-to-even(21, 22)"},
                   {"0.35 × fcu + 0.67 × fy × 1% = 0.35 × 300 + 0.67 × 4000 × 1% = 131.8 kg/cm²",
                    "Ac = n × (1.2 × P) × 1000 ÷ 131.8", "t = 255 cm", "N = 22"},
                   "limits.floors(7)"}));

// The inputs as typed, the chosen section, the drawing's assumptions and the copied results,
// each with its unit.
TEST(DesignReport, LabelsEachValueWithItsUnit) {
  const ColumnDesignInput input = DesignInput("١٠٠", "7", kOwn);
  const DesignReport report = ReportDesign(input, *DesignColumn(input));
  EXPECT_EQ(
      Rows(report, ReportPart::Input),
      (std::vector<std::string>{"sheet.load: ١٠٠ t", "sheet.width: 25 cm", "sheet.floors: 7",
                                "sheet.bar-diameter: 20 mm", "sheet.concrete-strength: 300 kg/cm²",
                                "sheet.steel-yield: 4000 kg/cm²", "sheet.load-factor: 1.2",
                                "sheet.carrying-stress: 131.8 kg/cm²"}));
  EXPECT_EQ(
      Rows(report, ReportPart::Chosen),
      (std::vector<std::string>{"sheet.section: 25 × 255 cm", "sheet.longitudinal-steel: 22 Φ20",
                                "sheet.steel-ratio: 1.00 %"}));
  EXPECT_EQ(
      Rows(report, ReportPart::Result),
      (std::vector<std::string>{
          "results.load: ١٠٠ t", "design.floors: 7", "results.required-area: 6373.29286798179 cm²",
          "results.section: 25 × 255 cm", "results.steel-area: 63.7329286798179 cm²",
          "design.bar-count: 22 Φ20", "results.bar-diameter: 20 mm"}));
  EXPECT_EQ(
      Rows(report, ReportPart::Assumption),
      (std::vector<std::string>{"sheet.drawing-assumptions: ", "sheet.drawing-cover(‹25 mm›): ",
                                "sheet.drawing-ties(8): ", "sheet.drawing-bars(20): "}));
  EXPECT_EQ(Rows(report, ReportPart::DocumentTitle),
            std::vector<std::string>{"sheet.title(25 × 255 cm): "});
}

// The sheet's parts in the order it lays them out, each band after its title.
TEST(DesignReport, ComesInTheSheetsOrder) {
  const ColumnDesignInput input = DesignInput("100", "8", {});
  std::vector<ReportPart> parts;
  for (const ReportLine& line : ReportDesign(input, *DesignColumn(input))) {
    if (parts.empty() || parts.back() != line.part) parts.push_back(line.part);
  }
  using enum ReportPart;
  EXPECT_EQ(parts,
            (std::vector<ReportPart>{
                Title,      Subtitle,    DocumentTitle, InputsTitle,    Input,      StressFormula,
                StepsTitle, Step,        Formula,       Note,           Step,       Formula,
                Note,       Step,        Formula,       Note,           Step,       Formula,
                Note,       ChosenTitle, Chosen,        DrawingTitle,   Assumption, LimitsTitle,
                Limit,      LimitMore,   Limit,         ResultsHeading, Result}));
}

}  // namespace
}  // namespace coldesign
