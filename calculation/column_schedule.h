#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "calculation/design_calculation.h"
#include "calculation/design_materials.h"
#include "calculation/design_rules.h"
#include "calculation/number_text.h"
#include "calculation/numeric_text.h"
#include "calculation/schedule_entry.h"

namespace coldesign {

// Why a level was not designed.
enum class LevelFailure {
  NotANumber,  // the load is no number
  Overflow,    // a figure beyond a double, or no length up to the program's limits carries it
  Slender,     // λ beyond the most the code allows
};

// The design of a load per floor, with the column's moments, on some number of floors: a column
// on n floors carries n − k + 1 of them at its level k (1 = the lowest), designed as
// DesignBendingColumn designs it (the column's height the floor height, braced, the rules
// table's k). Its four texts (DesignTexts) are exactly as the design writes them, and empty when
// the design failed; so are the design moments and the utilisation, as FormatNumber writes them.
struct LevelDesign : DesignTexts {
  int floors_carried = 1;
  std::optional<LevelFailure> failure;  // none when designed
  NumberText design_moment_x_text;      // t·m, after the least eccentricity and slenderness
  NumberText design_moment_y_text;
  NumberText utilisation_text;  // empty too when the bars do not fit the section

  friend bool operator==(const LevelDesign&, const LevelDesign&) = default;
};

// The moments a column carries at every level, t·m.
struct ColumnMoments {
  double moment_x_t_m = 0;
  double moment_y_t_m = 0;

  friend bool operator==(const ColumnMoments&, const ColumnMoments&) = default;
};

// The design of every level of a column on `floors` floors, level 1 first: level k is the
// design of the same load per floor on floors − k + 1 floors.
std::vector<LevelDesign> DesignLevels(const std::string& load_text, int floors,
                                      const DesignMaterials& materials,
                                      const ColumnMoments& moments = {},
                                      double floor_height_m = rules::kFloorHeightM);

// Consecutive levels of a column with the same section and bars (or the same failure).
struct ColumnSegment {
  int first_level = 1;
  int last_level = 1;
  std::optional<LevelFailure> failure;
  std::string length_text;     // cm; the width is the materials'
  std::string bar_count_text;  // bars of the materials' diameter

  friend bool operator==(const ColumnSegment&, const ColumnSegment&) = default;
};

// Concrete and longitudinal steel over the levels that were designed, from the floor height;
// no laps and no waste.
struct Quantities {
  double concrete_m3 = 0;
  double steel_kg = 0;
};

// Where a column's levels stand in Schedule::level_designs: one array for all the columns.
struct LevelRange {
  std::uint32_t first = 0;
  std::uint32_t count = 0;

  [[nodiscard]] std::size_t size() const { return count; }
  friend bool operator==(const LevelRange&, const LevelRange&) = default;
};

struct ScheduleColumn {
  ColumnInput input;
  bool repeated_mark = false;  // another column of the schedule has the same mark
  LevelRange levels;           // Schedule::Level gives each
  std::size_t type = 0;        // its index in Schedule::types
};

// Columns with the same segments.
struct ColumnType {
  std::string name;  // T1, T2 … in the order of their first column
  std::vector<ColumnSegment> segments;
  std::vector<std::size_t> columns;  // indices in Schedule::columns, in order
  std::int64_t count = 0;            // the columns' counts added up
  Quantities quantities;             // of all of them
};

struct Schedule {
  DesignMaterials materials;
  double floor_height_m = rules::kFloorHeightM;
  std::vector<ScheduleColumn> columns;  // in the order given
  std::vector<ColumnType> types;
  // Each load (as written) with its moments on each number of floors, designed once for every
  // column that carries it.
  std::vector<LevelDesign> designs;
  // The index in `designs` of each level of each column, a column's levels lowest first.
  std::vector<std::uint32_t> level_designs;
  Quantities total;
  bool all_designed = true;  // no level of any column failed

  // The design of the column's level (1 = the lowest).
  [[nodiscard]] const LevelDesign& Level(const ScheduleColumn& column, int level) const {
    return designs[LevelDesignIndex(column, level)];
  }
  // The index of that design in `designs`.
  [[nodiscard]] std::uint32_t LevelDesignIndex(const ScheduleColumn& column, int level) const {
    return level_designs[column.levels.first + static_cast<std::size_t>(level - 1)];
  }
};

// What DesignSchedule works out: the whole schedule, or only what its CSV shows (every level of
// every column, and the marks that repeat), without the types and the quantities: `types` is
// then empty and no ScheduleColumn::type names one.
enum class ScheduleParts { Whole, Levels };

// The schedule of the columns. The materials are meant to pass CheckMaterials and the floor
// height to lie in the rules table's range; the columns are as ReadEntry gives them.
Schedule DesignSchedule(std::vector<ColumnInput> columns, const DesignMaterials& materials,
                        double floor_height_m = rules::kFloorHeightM,
                        ScheduleParts parts = ScheduleParts::Whole);

// Whether a floor height, m, lies in the rules table's range.
inline bool FloorHeightInRange(double floor_height_m) {
  return floor_height_m >= rules::kLeastFloorHeightM && floor_height_m <= rules::kMostFloorHeightM;
}

// The schedule shows its concrete, m³, and its steel, kg, with these many decimals.
inline constexpr int kConcreteDecimals = 2;
inline constexpr int kSteelDecimals = 1;

// A quantity as the schedule shows it: fixed, with this many decimals ("12.35").
inline std::string QuantityText(double value, int decimals) { return FormatFixed(value, decimals); }

}  // namespace coldesign
