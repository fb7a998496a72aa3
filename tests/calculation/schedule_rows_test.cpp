// The schedule's tables as every front end shows them: which cells a level's row and a type's
// segments hold, which are catalogue texts and which figures, the total, and the lines under
// the tables.

#include "calculation/schedule_rows.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace coldesign {
namespace {

// A cell in a form to compare: a key as "{key}", a list of marks as "[C1 C2]", figures put
// together as "‹30 × 45›", a mark with its note as "C1{note}"; an empty cell as "".
std::string Shown(const Schedule& schedule, std::size_t type, const ScheduleCell& cell) {
  switch (cell.kind) {
    case CellKind::Text:
      return "{" + cell.text + "}";
    case CellKind::Number:
      return cell.text;
    case CellKind::Figures:
      return "‹" + cell.text + "›";
    case CellKind::Mark:
      return cell.note.empty() ? cell.text : cell.text + "{" + std::string(cell.note) + "}";
    case CellKind::Marks: {
      std::string marks;
      for (const std::string_view mark : TypeMarks(schedule, schedule.types[type])) {
        marks += marks.empty() ? "" : " ";
        marks += mark;
      }
      return "[" + marks + "]";
    }
    case CellKind::Empty:
      break;
  }
  return "";
}

// A row's cells apart by " | ", "!" before a failed row's.
std::string Shown(const Schedule& schedule, const TypesRow& row) {
  std::string shown = row.failed ? "!" : "";
  for (std::size_t c = 0; c < row.cells.size(); ++c) {
    shown += (c == 0 ? "" : " | ") + Shown(schedule, row.type, row.cells[c]);
  }
  return shown;
}

std::string LevelShown(const Schedule& schedule, std::size_t column, int level) {
  std::string shown;
  for (int c = 0; c <= static_cast<int>(LevelCell::BarSet); ++c) {
    const ScheduleCell cell =
        LevelCellOf(schedule, schedule.columns[column], level, static_cast<LevelCell>(c));
    shown += (c == 0 ? "" : " | ") + Shown(schedule, 0, cell);
  }
  return shown;
}

std::string SummaryShown(const ReportText& text) {
  std::string shown(text.key);
  for (const ReportArgument& argument : text.arguments) {
    shown += " " + (argument.left_to_right ? "‹" + argument.text + "›" : argument.text);
  }
  return shown;
}

struct Building {
  const char* name;
  std::vector<ColumnInput> columns;
  DesignMaterials materials;
  // Each level asked for: the column's index, its level, and its cells.
  std::vector<std::tuple<std::size_t, int, std::string>> levels;
  std::vector<std::string> types;  // every row, the total last
  std::vector<std::string> summary;
  friend std::ostream& operator<<(std::ostream& os, const Building& b) { return os << b.name; }
};

class TablesOf : public ::testing::TestWithParam<Building> {};

TEST_P(TablesOf, RowsAndSummary) {
  const Building& building = GetParam();
  const Schedule schedule = DesignSchedule(building.columns, building.materials, 3);
  for (const auto& [column, level, cells] : building.levels) {
    EXPECT_EQ(cells, LevelShown(schedule, column, level)) << column << " level " << level;
  }
  std::vector<std::string> types;
  for (const TypesRow& row : TypesRows(schedule)) types.push_back(Shown(schedule, row));
  EXPECT_EQ(building.types, types);
  std::vector<std::string> summary;
  for (const ReportText& line : ScheduleSummaryLines(schedule)) {
    summary.push_back(SummaryShown(line));
  }
  EXPECT_EQ(building.summary, summary);
}

DesignMaterials OtherMaterials() {
  DesignMaterials materials;
  materials.concrete_strength_kg_per_cm2 = 300;
  materials.steel_yield_kg_per_cm2 = 4000;
  materials.width_cm = 25;
  materials.bar_diameter_mm = 20;
  return materials;
}

INSTANTIATE_TEST_SUITE_P(
    Buildings, TablesOf,
    ::testing::Values(
        // 100 t on 3 floors: 3 × 100 × 1.1 × 1000 / 111.62 = 2956.46 cm², 30 × 100 and 1 % of
        // it in Φ16, 14.7 bars made 16; 3 m a floor: (100 + 70 + 35) × 30 cm² × 3 m = 1.845 m³.
        // Its design moments are Pu = 330 t times the least eccentricities, 5 and 2 cm.
        Building{
            "plain",
            {{"C1", "100", 3, 2}, {"C2", "100", 3, 1}, {"C3", "20", 1, 4}},
            {},
            {{0, 1,
              "C1 | 2 | 1 | 3 | 2956.45941587529 | 30 | 100 | 29.5645941587529 | 16 | 16 | "
              "{schedule.designed} | 16.5 | 6.6 |  | ‹30 × 100› | ‹16 Φ16›"},
             {1, 3,
              "C2 | 1 | 3 | 1 | 985.48647195843 | 30 | 35 | 9.8548647195843 | 6 | 16 | "
              "{schedule.designed} | 2.2 | 2.2 |  | ‹30 × 35› | ‹6 Φ16›"}},
            {"T1 | [C1 C2] | 3 | 1 | ‹30 × 100› | ‹16 Φ16› | 5.53 | 454.6",
             " |  |  | 2 | ‹30 × 70› | ‹10 Φ16› |  | ", " |  |  | 3 | ‹30 × 35› | ‹6 Φ16› |  | ",
             "T2 | [C3] | 4 | 1 | ‹30 × 30› | ‹4 Φ16› | 1.08 | 75.8",
             "{schedule-pages.total} |  |  |  |  |  | 6.61 | 530.3"},
            {"schedule.summary ‹7› ‹2› ‹6.61› ‹530.3›"}},
        // A failed level has no section, bars or quantities, its status says why.
        Building{"failed_level",
                 {{"C1", "1e300", 2, 1}, {"C2", "50", 2, 1}},
                 {},
                 {{0, 1, "C1 | 1 | 1 | 2 |  |  |  |  |  |  | {schedule.too-large} |  |  |  |  | "}},
                 {"!T1 | [C1] | 1 | ‹1–2› | {schedule.too-large} |  | 0.00 | 0.0",
                  "T2 | [C2] | 1 | 1 | ‹30 × 35› | ‹6 Φ16› | 0.58 | 47.4",
                  " |  |  | 2 | ‹30 × 30› | ‹4 Φ16› |  | ",
                  "{schedule-pages.total} |  |  |  |  |  | 0.58 | 47.4"},
                 {"schedule.summary ‹2› ‹2› ‹0.58› ‹47.4›", "schedule.some-levels-not-designed"}},
        Building{
            "repeated_marks",
            {{"C1", "100", 2, 1}, {"C1", "40", 1, 3}},
            {},
            {{1, 1,
              "C1{schedule.repeated-mark} | 3 | 1 | 1 | 394.194588783372 | 30 | 30 | 5.4 | 4 | "
              "16 | {schedule.designed} | 0.88 | 0.88 |  | ‹30 × 30› | ‹4 Φ16›"}},
            {"T1 | [C1] | 1 | 1 | ‹30 × 70› | ‹10 Φ16› | 0.95 | 75.8",
             " |  |  | 2 | ‹30 × 35› | ‹6 Φ16› |  | ",
             "T2 | [C1] | 3 | 1 | ‹30 × 30› | ‹4 Φ16› | 0.81 | 56.8",
             "{schedule-pages.total} |  |  |  |  |  | 1.76 | 132.6"},
            {"schedule.summary ‹4› ‹2› ‹1.76› ‹132.6›", "schedule.repeated-marks"}},
        // The width and the diameter are the materials'.
        Building{
            "other_materials",
            {{"ع-1", "110", 7, 1}},
            OtherMaterials(),
            {{0, 1,
              "ع-1 | 1 | 1 | 7 | 6426.40364188164 | 25 | 260 | 64.2640364188164 | 22 | 20 | "
              "{schedule.designed} | 110.11 | 16.94 |  | ‹25 × 260› | ‹22 Φ20›"}},
            {"T1 | [ع-1] | 1 | 1 | ‹25 × 260› | ‹22 Φ20› | 7.80 | 651.1",
             " |  |  | 2 | ‹25 × 220› | ‹18 Φ20› |  | ", " |  |  | 3 | ‹25 × 185› | ‹16 Φ20› |  | ",
             " |  |  | 4 | ‹25 × 150› | ‹12 Φ20› |  | ", " |  |  | 5 | ‹25 × 110› | ‹10 Φ20› |  | ",
             " |  |  | 6 | ‹25 × 75› | ‹6 Φ20› |  | ", " |  |  | 7 | ‹25 × 40› | ‹4 Φ20› |  | ",
             "{schedule-pages.total} |  |  |  |  |  | 7.80 | 651.1"},
            {"schedule.summary ‹1› ‹1› ‹7.80› ‹651.1›"}}),
    [](const ::testing::TestParamInfo<Building>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace coldesign
