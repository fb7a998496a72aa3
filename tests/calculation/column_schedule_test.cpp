// A building's columns: every level, the segments, the types and the quantities.

#include "calculation/column_schedule.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <iterator>
#include <string>
#include <vector>

#include "calculation/design_calculation.h"
#include "calculation/design_rules.h"
#include "calculation/schedule_csv.h"

namespace coldesign {
namespace {

// "1:40x6 2-4:30x4": the levels, the length and the bars of each segment.
std::string SegmentsText(const std::vector<ColumnSegment>& segments) {
  std::string text;
  for (const ColumnSegment& segment : segments) {
    if (!text.empty()) text += ' ';
    text += std::to_string(segment.first_level);
    if (segment.last_level != segment.first_level) text += '-' + std::to_string(segment.last_level);
    text += ':';
    text += segment.failure ? "failed" : segment.length_text + 'x' + segment.bar_count_text;
  }
  return text;
}

struct Building {
  const char* name;
  std::vector<ColumnInput> columns;
  DesignMaterials materials;
  std::vector<std::size_t> type_of_column;
  std::vector<std::string> type_segments;
  std::vector<std::int64_t> type_counts;
  bool all_designed = true;
  friend std::ostream& operator<<(std::ostream& os, const Building& b) { return os << b.name; }
};

class ScheduleOf : public ::testing::TestWithParam<Building> {};

TEST_P(ScheduleOf, LevelsAreOneColumnDesignsAndTypesShareSegments) {
  const Building& building = GetParam();
  const Schedule schedule = DesignSchedule(building.columns, building.materials);
  ASSERT_EQ(building.columns.size(), schedule.columns.size());
  for (std::size_t i = 0; i < schedule.columns.size(); ++i) {
    const ScheduleColumn& column = schedule.columns[i];
    ASSERT_EQ(static_cast<std::size_t>(column.input.floors), column.levels.size());
    for (int k = 1; k <= column.input.floors; ++k) {
      SCOPED_TRACE(column.input.mark + " level " + std::to_string(k));
      const LevelDesign& level = schedule.Level(column, k);
      EXPECT_EQ(column.input.floors - k + 1, level.floors_carried);
      const auto alone = DesignColumn(DesignInput(
          column.input.load_text, std::to_string(level.floors_carried), building.materials));
      ASSERT_EQ(alone.has_value(), !level.failure);
      if (!alone) continue;
      EXPECT_EQ(alone->required_area_text, level.required_area_text);
      EXPECT_EQ(alone->length_text, level.length_text);
      EXPECT_EQ(alone->steel_area_text, level.steel_area_text);
      EXPECT_EQ(alone->bar_count_text, level.bar_count_text);
    }
    EXPECT_EQ(DesignLevels(column.input.load_text, column.input.floors, building.materials), [&] {
      std::vector<LevelDesign> levels;
      for (int k = 1; k <= column.input.floors; ++k) {
        levels.push_back(schedule.Level(column, k));
      }
      return levels;
    }());
    EXPECT_EQ(building.type_of_column[i], column.type) << column.input.mark;
  }
  ASSERT_EQ(building.type_segments.size(), schedule.types.size());
  for (std::size_t t = 0; t < schedule.types.size(); ++t) {
    EXPECT_EQ("T" + std::to_string(t + 1), schedule.types[t].name);
    EXPECT_EQ(building.type_segments[t], SegmentsText(schedule.types[t].segments));
    EXPECT_EQ(building.type_counts[t], schedule.types[t].count);
  }
  EXPECT_EQ(building.all_designed, schedule.all_designed);

  // The levels alone, as the command line's CSV asks for them: the same CSV and flags, no types.
  const Schedule levels = DesignSchedule(building.columns, building.materials, rules::kFloorHeightM,
                                         ScheduleParts::Levels);
  EXPECT_EQ(WriteScheduleCsv(schedule), WriteScheduleCsv(levels));
  EXPECT_EQ(schedule.all_designed, levels.all_designed);
  for (std::size_t i = 0; i < schedule.columns.size(); ++i) {
    EXPECT_EQ(schedule.columns[i].repeated_mark, levels.columns[i].repeated_mark);
  }
  EXPECT_TRUE(levels.types.empty());
}

const DesignMaterials kOtherMaterials{.concrete_strength_kg_per_cm2 = 300,
                                      .steel_yield_kg_per_cm2 = 4000,
                                      .width_cm = 25,
                                      .bar_diameter_mm = 20};

// 200 columns of no load on 1 … 200 floors, then each again: 200 types of 2 columns, each the
// least section all the way up, the types' table growing while the second of each is looked up.
Building EachTowerTwice() {
  Building building{"200 towers, each twice", {}, {}, {}, {}, {}};
  for (int round = 0; round < 2; ++round) {
    for (int floors = 1; floors <= rules::kMostFloors; ++floors) {
      building.columns.push_back({"C" + std::to_string(floors), "0", floors, 1});
      building.type_of_column.push_back(static_cast<std::size_t>(floors - 1));
    }
  }
  for (int floors = 1; floors <= rules::kMostFloors; ++floors) {
    building.type_segments.push_back(floors == 1 ? "1:30x4"
                                                 : "1-" + std::to_string(floors) + ":30x4");
    building.type_counts.push_back(2);
  }
  return building;
}

INSTANTIATE_TEST_SUITE_P(
    Buildings, ScheduleOf,
    ::testing::Values(
        // 30 t on 4 floors: 40 cm and 6 bars at the bottom, 30 cm and 4 bars above; C1 and C3
        // form one type of 2 + 1 columns. 10 t on 5 floors stays 30 cm with 4 bars.
        Building{"three columns, two types",
                 {{"C1", "30", 4, 2}, {"C2", "10", 5, 1}, {"C3", "30", 4, 1}},
                 {},
                 {0, 1, 0},
                 {"1:40x6 2-4:30x4", "1-5:30x4"},
                 {3, 1}},
        // The worked example's 100 t shrinks at every level.
        Building{"no two levels alike",
                 {{"C1", "100", 3, 1}},
                 {},
                 {0},
                 {"1:100x16 2:70x10 3:35x6"},
                 {1}},
        // The same levels on fewer floors are another type: 10 t on 4 floors.
        Building{"floors tell types apart",
                 {{"C1", "10", 5, 1}, {"C2", "10", 4, 3}},
                 {},
                 {0, 1},
                 {"1-5:30x4", "1-4:30x4"},
                 {1, 3}},
        // fcu 300, fy 4000, b 25, Φ20: 50 t on 2 floors needs 35 cm, on one the least 25 cm.
        Building{
            "other materials", {{"C1", "50", 2, 1}}, kOtherMaterials, {0}, {"1:35x4 2:25x4"}, {1}},
        // Quotients read exactly on a half or at the least value, where the schedule's quick
        // comparison hands over to the text: 35.5 cm rounds to an even 36, raised to 40; 30.5
        // to 30; 5.5 bars to 6; 30 cm and 4.5 bars stay at the least values.
        Building{"quotients on a half",
                 {{"C1", "108.068454545455", 1, 1},
                  {"C2", "92.8475454545455", 1, 1},
                  {"C3", "111.62", 1, 1},
                  {"C4", "91.3254545454545", 1, 1}},
                 {},
                 {0, 1, 0, 2},
                 {"1:40x6", "1:30x6", "1:30x4"},
                 {2, 1, 1}},
        EachTowerTwice(),
        // Every level overflows: one failed segment, and the schedule says so.
        Building{"a load too large",
                 {{"C1", "1e300", 2, 1}, {"C2", "10", 1, 1}},
                 {},
                 {0, 1},
                 {"1-2:failed", "1:30x4"},
                 {1, 1},
                 false}));

// The schedule decides a quotient well away from a half or from the least value by the number
// itself, and reads its 15-digit text otherwise: loads aimed at a half, a whole number or the
// least value, written to 6 … 17 digits (so a few units in the last place either side), in three
// materials, must still design as one column does.
TEST(ScheduleLevels, AtTheEdgesOfRoundingAreOneColumnDesigns) {
  for (const DesignMaterials& materials :
       {DesignMaterials{}, kOtherMaterials,
        DesignMaterials{.concrete_strength_kg_per_cm2 = 275.5, .width_cm = 35, .load_factor = 1.05},
        // A least length that is no multiple of 5, so that raising it to one shows.
        DesignMaterials{.width_cm = 24}}) {
    // Required areas that put the length, then the bar count, on an edge; the length's quotient
    // at the least value and at 100.5 also a few 15-digit steps of the area either side.
    std::vector<double> areas;
    for (const double above_least : {0.0, 0.5, 5.5, 10.5, 140.0}) {
      areas.push_back((materials.width_cm + above_least) * materials.width_cm);
    }
    for (const double length : {static_cast<double>(materials.width_cm), 100.5}) {
      const double area = length * materials.width_cm;
      const double step = std::pow(10.0, std::floor(std::log10(area)) - 14);
      for (const int steps : {-3, -2, -1, 1, 2, 3}) areas.push_back(area + steps * step);
    }
    for (const double bars : {4.0, 4.5, 18.5, 40.0}) {
      areas.push_back(bars * BarAreaCm2(materials.bar_diameter_mm) /
                      rules::kSteelShareOfRequiredArea);
    }
    std::vector<ColumnInput> columns;
    for (const double area : areas) {
      const double load = area * CarryingStressKgPerCm2(materials) / rules::kKilogramsPerTon /
                          materials.load_factor;  // on one floor
      for (int digits = 6; digits <= 17; ++digits) {
        char text[32];
        const auto written = std::to_chars(std::begin(text), std::end(text), load,
                                           std::chars_format::general, digits);
        columns.push_back({"C", std::string(std::begin(text), written.ptr), 3, 1});
      }
    }
    const Schedule schedule = DesignSchedule(columns, materials);
    for (const ScheduleColumn& column : schedule.columns) {
      for (int k = 1; k <= column.input.floors; ++k) {
        const LevelDesign& level = schedule.Level(column, k);
        const auto alone = DesignColumn(
            DesignInput(column.input.load_text, std::to_string(level.floors_carried), materials));
        ASSERT_TRUE(alone.has_value()) << column.input.load_text;
        EXPECT_EQ(alone->length_text, level.length_text) << column.input.load_text;
        EXPECT_EQ(alone->bar_count_text, level.bar_count_text) << column.input.load_text;
      }
    }
  }
}

// 30 t on 4 floors: 0.3 × 0.4 × 3 + 3 × 0.3 × 0.3 × 3 = 1.17 m³ of concrete, and 6 × 3 + 4 × 9
// = 54 m of Φ16 at 1.578336 kg/m; 10 t on 5 floors: 1.35 m³ and 60 m.
TEST(ScheduleQuantities, ArePerTypeAndInTotalFromTheFloorHeight) {
  const Schedule schedule =
      DesignSchedule({{"C1", "30", 4, 2}, {"C2", "10", 5, 1}, {"C3", "30", 4, 1}}, {});
  constexpr double kPhi16KgPerM = 1.578336149;
  EXPECT_NEAR(3 * 1.17, schedule.types[0].quantities.concrete_m3, 1e-9);
  EXPECT_NEAR(3 * 54 * kPhi16KgPerM, schedule.types[0].quantities.steel_kg, 1e-6);
  EXPECT_NEAR(1.35, schedule.types[1].quantities.concrete_m3, 1e-9);
  EXPECT_NEAR(60 * kPhi16KgPerM, schedule.types[1].quantities.steel_kg, 1e-6);
  EXPECT_NEAR(3 * 1.17 + 1.35, schedule.total.concrete_m3, 1e-9);
  EXPECT_NEAR(222 * kPhi16KgPerM, schedule.total.steel_kg, 1e-6);
  EXPECT_EQ("350.39", QuantityText(schedule.total.steel_kg, 2));

  // Floors of 3.5 m; failed levels count nothing.
  const Schedule taller = DesignSchedule({{"C2", "10", 5, 1}, {"C9", "1e300", 3, 4}}, {}, 3.5);
  EXPECT_NEAR(0.3 * 0.3 * 3.5 * 5, taller.total.concrete_m3, 1e-9);
  EXPECT_NEAR(4 * 3.5 * 5 * kPhi16KgPerM, taller.total.steel_kg, 1e-6);
}

TEST(ScheduleMarks, RepeatedOnesAreFlaggedAndEmptyOnesAreNot) {
  const Schedule schedule = DesignSchedule({{"C1", "10", 1, 1},
                                            {"C2", "10", 1, 1},
                                            {"C1", "20", 2, 1},
                                            {"", "10", 1, 1},
                                            {"", "5", 1, 1}},
                                           {});
  std::vector<bool> flags;
  for (const ScheduleColumn& column : schedule.columns) flags.push_back(column.repeated_mark);
  EXPECT_EQ((std::vector<bool>{true, false, true, false, false}), flags);
}

// --- A row as typed, read and checked.

struct EntryCase {
  ColumnEntry entry;
  std::expected<ColumnInput, EntryError> read;
  friend std::ostream& operator<<(std::ostream& os, const EntryCase& c) {
    return os << c.entry.mark << " | " << c.entry.load_text << " | " << c.entry.floors_text << " | "
              << c.entry.count_text;
  }
};

class ReadEntryGives : public ::testing::TestWithParam<EntryCase> {};

TEST_P(ReadEntryGives, TheColumnOrTheFirstProblem) {
  EXPECT_EQ(GetParam().read, ReadEntry(GetParam().entry));
}

std::unexpected<EntryError> Refused(ScheduleField field, ScheduleProblem problem) {
  return std::unexpected(EntryError{field, problem});
}

using enum ScheduleField;
using enum ScheduleProblem;

INSTANTIATE_TEST_SUITE_P(
    Rows, ReadEntryGives,
    ::testing::Values(
        EntryCase{{"C1", "30", "4", "2"}, ColumnInput{"C1", "30", 4, 2}},
        // Blanks dropped, regional digits kept as typed for the design, no count is one.
        EntryCase{{" C1\t", " ١٢٫٥ ", "٥", " "}, ColumnInput{"C1", "١٢٫٥", 5, 1}},
        EntryCase{{"", "0", "200", "100000"}, ColumnInput{"", "0", 200, 100000}},
        // A load beyond a double is left to the design, which overflows.
        EntryCase{{"C1", "1e400", "1", ""}, ColumnInput{"C1", "1e400", 1, 1}},
        EntryCase{{std::string(101, 'C'), "1", "1", ""}, Refused(Mark, MarkTooLong)},
        EntryCase{{"C1", " ", "1", ""}, Refused(Load, MissingValue)},
        EntryCase{{"C1", "12,5", "1", ""}, Refused(Load, NotANumber)},
        EntryCase{{"C1", "-1", "1", ""}, Refused(Load, NegativeLoad)},
        EntryCase{{"C1", "1", "", ""}, Refused(Floors, MissingValue)},
        EntryCase{{"C1", "1", "0", ""}, Refused(Floors, FloorsOutOfRange)},
        EntryCase{{"C1", "1", "201", ""}, Refused(Floors, FloorsOutOfRange)},
        EntryCase{{"C1", "1", "1e400", ""}, Refused(Floors, FloorsOutOfRange)},
        EntryCase{{"C1", "1", "-3", ""}, Refused(Floors, FloorsOutOfRange)},
        EntryCase{{"C1", "1", "2.5", ""}, Refused(Floors, NotWholeNumber)},
        EntryCase{{"C1", "1", "two", ""}, Refused(Floors, NotANumber)},
        EntryCase{{"C1", "1", "2", "0"}, Refused(Count, CountOutOfRange)},
        EntryCase{{"C1", "1", "2", "100001"}, Refused(Count, CountOutOfRange)},
        EntryCase{{"C1", "1", "2", "1.5"}, Refused(Count, NotWholeNumber)}));

}  // namespace
}  // namespace coldesign
