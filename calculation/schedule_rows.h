#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "calculation/column_schedule.h"
#include "calculation/design_report.h"

namespace coldesign {

// What a cell of the schedule's tables holds. Each front end shows each kind its way: a figure
// or a mark reads left to right inside the right-to-left table.
enum class CellKind : std::uint8_t {
  Empty,
  Text,     // a text of the catalogue, `text` its key
  Number,   // one figure, as the design wrote it: "12", "T1", "12.35"
  Figures,  // figures put together with signs, read as one: "30 × 45", "1–3", "4 Φ16"
  Mark,     // a column's mark as typed; `note`, when set, the key of a text said after it
  Marks,    // the marks of the row's type, a list (TypeMarks)
};

struct ScheduleCell {
  CellKind kind = CellKind::Empty;
  std::string text;
  std::string_view note;

  friend bool operator==(const ScheduleCell&, const ScheduleCell&) = default;
};

// The cells of a row of the levels' table, one row per column per level. The first eleven are
// the schedule's CSV columns, in its order; Section and BarSet put width and length, and count
// and diameter, in one cell each.
enum class LevelCell : std::uint8_t {
  Mark,
  Count,
  Level,
  FloorsCarried,
  RequiredArea,
  Width,
  Length,
  SteelArea,
  Bars,
  BarDiameter,
  Status,
  DesignMomentX,
  DesignMomentY,
  Utilisation,
  Section,
  BarSet,
};

// The titles of the levels' table's columns, one for each of its CSV columns.
inline constexpr std::array<std::string_view, 14> kLevelTitles = {"schedule.mark",
                                                                  "schedule.count",
                                                                  "schedule.level",
                                                                  "schedule.floors-carried",
                                                                  "schedule.required-area",
                                                                  "schedule.width",
                                                                  "schedule.length",
                                                                  "schedule.steel-area",
                                                                  "schedule.bars",
                                                                  "schedule.bar-diameter",
                                                                  "schedule.status",
                                                                  "schedule.design-moment-x",
                                                                  "schedule.design-moment-y",
                                                                  "schedule.utilisation"};

// A cell of level `level` (1 = the lowest) of `column`.
ScheduleCell LevelCellOf(const Schedule& schedule, const ScheduleColumn& column, int level,
                         LevelCell cell);

// The cells of a row of the types' table.
enum class TypeCell : std::uint8_t {
  Type,
  Columns,
  Count,
  Levels,
  Section,
  Bars,
  Concrete,
  Steel,
};
inline constexpr std::size_t kTypeCells = 8;

inline constexpr std::array<std::string_view, kTypeCells> kTypeTitles = {
    "schedule.type",    "schedule.columns", "schedule.count",    "schedule.levels",
    "schedule.section", "schedule.bars",    "schedule.concrete", "schedule.steel"};

// A row of the types' table: one for each segment of each type, its type's name, columns, count
// and quantities on its first; then the total.
struct TypesRow {
  std::array<ScheduleCell, kTypeCells> cells;
  std::size_t type = 0;  // in Schedule::types; the total's is types.size()
  bool failed = false;   // the segment's levels were not designed
  bool total = false;

  [[nodiscard]] const ScheduleCell& operator[](TypeCell cell) const {
    return cells[static_cast<std::size_t>(cell)];
  }
};

std::vector<TypesRow> TypesRows(const Schedule& schedule);

// The marks of a type's columns, in its order.
std::vector<std::string_view> TypeMarks(const Schedule& schedule, const ColumnType& type);

// The lines under the tables: the columns, types and quantities first, then whether some
// levels were not designed and whether marks repeat.
std::vector<ReportText> ScheduleSummaryLines(const Schedule& schedule);

}  // namespace coldesign
