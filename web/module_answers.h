#pragma once

// The blocks the calculation module answers with, in its memory (wasm32: 4-byte pointers).
// module_contract.py reads these structs and writes each field's byte offset into the page's
// module_contract.js, and the same offsets as static_asserts into the generated
// module_contract.h, which module_contract_check.cpp compiles: the scripts read what the
// compiler laid out, or the build fails. A field is a std::uint32_t, an enumeration of
// std::uint32_t, a double, a pointer, a TextView, or an array of one of these.

#include <cstdint>

#include "calculation/bending_design.h"
#include "calculation/section_capacity.h"
#include "calculation/section_layout.h"
#include "web/module_text.h"

namespace coldesign::web {

enum class DesignOutcome : std::uint32_t { Ok, Overflow, TypeMismatch };

struct DesignAnswer {
  DesignOutcome outcome;
  TextView required_area;
  TextView length;
  TextView steel_area;
  TextView bar_count;
};

enum class InputAnswer : std::uint32_t { Accepted, LoadEmpty, FloorsEmpty, Negative, Unfinished };

struct GuardAnswer {
  TextView text;
  std::uint32_t caret;  // in bytes of the text
  std::uint32_t dropped_separator;
};

enum class LayoutOutcome : std::uint32_t { Ok, InvalidInput, BarsDoNotFit };

static_assert(sizeof(BarCentre) == 2 * sizeof(double));  // read as pairs of doubles

struct LayoutAnswer {
  double clear_spacing_mm;
  const BarCentre* bars;  // x and y of each bar, in mm
  std::uint32_t bar_count;
  LayoutOutcome outcome;
  double tie_corner_radius_mm;  // of the tie round a bar of the diameter given
};

// The rules' numbers that the page shows and checks with, as the engine writes them; the bar
// diameters sold come last.
struct RulesAnswer {
  std::uint32_t count;
  const TextView* texts;
};

enum class WorkingOutcome : std::uint32_t { Ok, Overflow, TypeMismatch, Materials };

struct WorkingAnswer {
  WorkingOutcome outcome;
  std::uint32_t choice;  // for Materials: 1 + the choice out of range
  std::uint32_t length_rule;
  std::uint32_t steel_rule;
  std::uint32_t bar_rule;
  std::uint32_t beyond_floor_limit;
  // The results, their working, and the materials' numbers as the sheet writes them; on a
  // failure what the steps before it wrote.
  TextView texts[19];
};

// check_moments' answer (calculation.wasm): whether the moment fields are refused, and when
// not, whether the moment design (bending.wasm) can give another section than today's, with
// the numbers that design takes, as the engine read them.
struct MomentsAnswer {
  std::uint32_t field;       // 0 when accepted, else 1 + the BendingInputProblem refused
  std::uint32_t problem;     // for a field refused: its BendingTextProblem
  std::uint32_t can_govern;  // 1 when the moment design is needed
  std::uint32_t has_input;   // 0 when the materials are refused
  // fcu, fy, b, d, the load factor, Mx, My and the column's height: design_bending's numbers.
  double input[8];
};

enum class BendingOutcome : std::uint32_t {
  Ok,
  TooLarge,  // no length up to the program's limit carries the load and the moments
  Slender,   // λ beyond the most the code allows
  Overflow,  // DesignColumn's failures of the load, as design_column's
  TypeMismatch
};

static_assert(sizeof(SectionBar) == 2 * sizeof(double));  // read as pairs of doubles
static_assert(sizeof(MomentPoint) == 2 * sizeof(double));

// design_bending's answer (bending.wasm): the section of a column with moments, its figures as
// numbers for the tests and as the engine writes them for the page; and of a design whose
// status is Ok its calculation sheet, in the form of report_writer.h, and its interaction
// diagram (DiagramOf), t·m, with no contour when it has none.
struct BendingAnswer {
  BendingOutcome outcome;
  std::uint32_t moments_governed;
  std::uint32_t width_cm;
  std::uint32_t length_cm;
  std::uint32_t bars;
  std::uint32_t bar_diameter_mm;
  std::uint32_t bar_centre_count;
  const SectionBar* bar_centres;  // cm, origin at the centre, x along the width
  std::uint32_t has_utilisation;
  double ultimate_load_t;
  double design_moment_x_t_m;
  double design_moment_y_t_m;
  double utilisation;
  double slenderness;  // λ about y, the larger
  double most_slenderness;
  // λ and its limit, and the most length tried, as the page says them when the column is too
  // slender or too large; the sheet's results say the rest.
  TextView texts[3];
  TextView report;
  std::uint32_t contour_count;
  const MomentPoint* contour;
  std::uint32_t load_count;
  const MomentPoint* loads;
  double extent_t_m;
  std::uint32_t tick_count;
  const double* ticks_at;
  TextView tick_labels;  // the ticks' labels one after another, each ended by US (U+001F)
};

enum class ScheduleOutcome : std::uint32_t {
  Designed,
  SomeLevelFailed,
  Input,
  Materials,
  FloorHeight
};

// The schedule for the page's tables as two streams, read in this order: for each column its
// load and its moments about x and y (texts, a moment empty where none), its type's index,
// whether another column repeats its mark and its number of levels (numbers), and for each level
// the values of its CSV row (kScheduleCsvColumns texts: the first level's give the column's mark,
// count and floors); then for each type its number of columns and their indices; then the rows of
// the types' table (TypesRows), their number first, for each its type's index and 1 when failed, 2
// when the total (numbers), and for each of its cells its CellKind (a number) and its text; last
// the lines under the tables, their number first, for each its number of arguments (a number), its
// key and its arguments (texts). The texts stand one after the other; text i spans [text_ends[i -
// 1], text_ends[i]).
struct ScheduleAnswer {
  ScheduleOutcome outcome;
  std::uint32_t choice;   // for Materials: 1 + the choice out of range
  std::uint32_t line;     // for Input: the file's line or the table's row, 1 first; 0 the whole
  std::uint32_t field;    // for Input: 1 + the ScheduleField, or 0
  std::uint32_t problem;  // for Input: the ScheduleProblem
  TextView column;        // for Input: the column as the header names it
  TextView csv;           // the schedule's CSV, BOM included, as the command line writes it
  TextView header;        // kScheduleCsvHeader
  std::uint32_t column_count;
  std::uint32_t type_count;
  TextView texts;
  const std::uint32_t* text_ends;
  const std::uint32_t* numbers;
};

}  // namespace coldesign::web
