// A schedule's columns with moments: the CSV's mx and my, and every level designed with them.

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "calculation/bending_design.h"
#include "calculation/column_schedule.h"
#include "calculation/schedule_csv.h"

namespace coldesign {
namespace {

using enum ScheduleField;
using enum ScheduleProblem;

TEST(ReadScheduleCsv, TakesTheMomentsByTheirEnglishOrArabicNames) {
  const struct {
    const char* what;
    std::string text;
    std::vector<ColumnInput> columns;
  } cases[] = {
      {"English names in capitals, any sign, one left empty, -0 as 0",
       "mark,load,floors,MX,my\nC1,30,4,12.5,-3\nC2,10,2,,-0\n",
       {{"C1", "30", 4, 1, 12.5, -3}, {"C2", "10", 2, 1, 0, 0}}},
      {"Arabic names, semicolons, regional digits, a quoted moment",
       "الرمز;عزم y;الحمل;الأدوار;عزم X\nC1;٢٫٥;30;2;\"-١٫٥\"\n",
       {{"C1", "30", 2, 1, -1.5, 2.5}}},
      {"A moment a writer neutralised, CR line ends",
       "mark,load,floors,mx\rC1,1,1,'-4\r",
       {{"C1", "1", 1, 1, -4, 0}}},
  };
  for (const auto& c : cases) {
    const auto csv = ReadScheduleCsv(c.text);
    ASSERT_TRUE(csv.has_value()) << c.what;
    EXPECT_EQ(c.columns, csv->columns) << c.what;
  }
}

TEST(ReadScheduleCsv, RefusesAMomentThatIsNoNumberAtItsLineAndColumn) {
  const struct {
    const char* what;
    std::string text;
    CsvError error;
  } cases[] = {
      {"text after the number",
       "mark,load,floors,mx,my\nC1,1,2,3,\nC2,1,2,,3 t.m\n",
       {3, "my", MomentY, NotANumber}},
      {"beyond a double",
       "mark;عزم x;load;floors\nC1;1e400;1;1\n",
       {2, "عزم x", MomentX, NotANumber}},
      {"a formula", "mark,load,floors,mx\nC1,1,2,=A1*2\n", {2, "mx", MomentX, NotANumber}},
      {"a decimal comma", "mark;load;floors;my\nC1;1;2;1,5\n", {2, "my", MomentY, NotANumber}},
      {"a name twice", "mark,load,floors,mx,عزم x\n", {1, "عزم x", MomentX, RepeatedColumn}},
  };
  for (const auto& c : cases) {
    const auto csv = ReadScheduleCsv(c.text);
    ASSERT_FALSE(csv.has_value()) << c.what;
    EXPECT_EQ(c.error, csv.error()) << c.what;
  }
}

// Columns with moments: each level is the moment design of its own load on the floors it
// carries, the column's height the floor height; a moment's sign changes nothing.
TEST(ScheduleMoments, LevelsAreMomentDesignsAndTypesAreTheirSections) {
  const Schedule schedule = DesignSchedule({{"A", "30", 4, 1},
                                            {"M", "30", 4, 1, 25, -6},
                                            {"N", "30", 4, 1, -25, 6},
                                            {"E", "30", 4, 1, 0.5, 0.5}},
                                           {});
  ASSERT_TRUE(schedule.all_designed);
  for (const ScheduleColumn& column : schedule.columns) {
    for (int k = 1; k <= column.input.floors; ++k) {
      SCOPED_TRACE(column.input.mark + " level " + std::to_string(k));
      const LevelDesign& level = schedule.Level(column, k);
      const auto alone = DesignBendingColumn(
          {.column = DesignInput("30", std::to_string(level.floors_carried), {}),
           .moment_x_t_m = column.input.moment_x_t_m,
           .moment_y_t_m = column.input.moment_y_t_m,
           .unbraced = false,
           .length_factor = std::nullopt});
      ASSERT_TRUE(alone.has_value());
      EXPECT_EQ(std::to_string(alone->length_cm), level.length_text);
      EXPECT_EQ(std::to_string(alone->bars), level.bar_count_text);
      EXPECT_EQ(FormatNumber(alone->design_moment_x_t_m), level.design_moment_x_text);
      EXPECT_EQ(FormatNumber(alone->design_moment_y_t_m), level.design_moment_y_text);
    }
  }
  // The moments make every level larger than the axial column's; moments within the least
  // eccentricity's change nothing, so that E is A's type.
  const auto& [axial, bent, mirrored, small] =
      std::tie(schedule.columns[0], schedule.columns[1], schedule.columns[2], schedule.columns[3]);
  for (int k = 1; k <= 4; ++k) {
    const LevelDesign& without = schedule.Level(axial, k);
    const LevelDesign& with = schedule.Level(bent, k);
    EXPECT_GT(std::stoi(with.length_text.str()) * 100 + std::stoi(with.bar_count_text.str()),
              std::stoi(without.length_text.str()) * 100 + std::stoi(without.bar_count_text.str()))
        << "level " << k;
  }
  EXPECT_FALSE(schedule.Level(bent, 1).utilisation_text.empty());
  EXPECT_TRUE(schedule.Level(small, 1).utilisation_text.empty());
  EXPECT_EQ(bent.type, mirrored.type);
  EXPECT_EQ(axial.type, small.type);
  EXPECT_NE(axial.type, bent.type);
  EXPECT_EQ(2U, schedule.types.size());
  EXPECT_EQ(schedule.LevelDesignIndex(bent, 1), schedule.LevelDesignIndex(mirrored, 1));
}

// Floors of 10 m: a 25 cm width gives λ = 0.85 × 1000 / 25 = 34, past the braced column's 30,
// so every level is refused as slender, moments or none; at 3 m the same column is designed.
TEST(ScheduleMoments, ALevelTooSlenderIsAFailedLevel) {
  const DesignMaterials materials{.width_cm = 25};
  const std::vector<ColumnInput> columns = {{"S", "20", 2, 1}, {"T", "20", 1, 1, 3, 0}};
  const Schedule tall = DesignSchedule(columns, materials, 10);
  EXPECT_FALSE(tall.all_designed);
  for (const ScheduleColumn& column : tall.columns) {
    EXPECT_EQ(LevelFailure::Slender, tall.Level(column, 1).failure) << column.input.mark;
    EXPECT_TRUE(tall.Level(column, 1).length_text.empty());
  }
  EXPECT_TRUE(ScheduleCsvValues(tall, tall.columns[1], 1)[10] == "slender");
  EXPECT_TRUE(DesignSchedule(columns, materials, 3).all_designed);
}

}  // namespace
}  // namespace coldesign
