#pragma once

#include <cstdint>
#include <expected>
#include <string>
#include <string_view>

namespace coldesign {

// One row of a column schedule as typed: a mark (C1, C2 …), the load per floor in tons, the
// number of floors and how many such columns the building has.
struct ColumnEntry {
  std::string mark;
  std::string load_text;
  std::string floors_text;
  std::string count_text;  // empty: one column
  // Ultimate moments at every level, t·m, any sign; empty: none.
  std::string moment_x_text{};
  std::string moment_y_text{};

  friend bool operator==(const ColumnEntry&, const ColumnEntry&) = default;
};

// The same row, read and checked.
struct ColumnInput {
  std::string mark;         // may be empty; blanks around it are dropped
  std::string load_text;    // a number, not negative; read again by the design
  int floors = 1;           // 1 to rules::kMostFloors
  int count = 1;            // 1 to rules::kMostColumnCount
  double moment_x_t_m = 0;  // finite, any sign; 0 where none was given
  double moment_y_t_m = 0;

  friend bool operator==(const ColumnInput&, const ColumnInput&) = default;
};

// The columns of a schedule's row, in this order.
enum class ScheduleField { Mark, Load, Floors, Count, MomentX, MomentY };

// What is wrong with a schedule's input: a row's value, or (from the CSV reader) the file.
enum class ScheduleProblem {
  // A value of a row.
  MissingValue,      // the load or the floors left empty
  MarkTooLong,       // more than rules::kMostMarkBytes
  NotANumber,        // not a number in any of the accepted digits
  NegativeLoad,      // below zero
  NotWholeNumber,    // floors or count with a fraction
  FloorsOutOfRange,  // 0, or more than rules::kMostFloors
  CountOutOfRange,   // 0, or more than rules::kMostColumnCount
  // The file.
  FileTooLarge,    // more than rules::kMostScheduleFileBytes
  NoHeader,        // empty, or blank lines only
  NotUtf8,         // bytes that are not UTF-8 text
  UnknownColumn,   // the header names a column the schedule does not know
  RepeatedColumn,  // the header names a column twice
  MissingColumn,   // the header lacks the mark, the load or the floors
  NoRows,          // a header and nothing after it
  UnclosedQuote,   // a quoted value that the file ends inside
  TextAfterQuote,  // a closing quote followed by more than a separator or the line's end
  TooManyValues,   // a row with more values than the header has names
  TooManyLevels,   // more than rules::kMostScheduleLevels levels in all
  // Added after the others, so that the numbers the page reads stay as they were.
  HeaderTooLong,    // a header of more than rules::kMostHeaderColumns columns
  MarkNotPrintable  // a mark with a line break, a control character or a direction override
};

struct EntryError {
  ScheduleField field;
  ScheduleProblem problem;

  friend bool operator==(const EntryError&, const EntryError&) = default;
};

// The row's values checked in the order of the fields; the first problem, or the row read.
std::expected<ColumnInput, EntryError> ReadEntry(const ColumnEntry& entry);

// The values of a row given as views (a CSV reader's).
struct EntryTexts {
  std::string_view mark;
  std::string_view load;
  std::string_view floors;
  std::string_view count;
  std::string_view moment_x;
  std::string_view moment_y;
};

// The same for the values of a row given as views.
std::expected<ColumnInput, EntryError> ReadEntry(const EntryTexts& texts);

// Whether the text holds a line break (the line and paragraph separators U+2028 and U+2029
// among them), another control character (U+0000–U+001F, U+007F–U+009F) or a direction
// embedding, override or isolate (U+202A–U+202E, U+2066–U+2069): what would let a mark print
// over other rows or read backwards. The text is UTF-8.
bool HasUnprintable(std::string_view text);

// The text with its leading and trailing spaces and tabs dropped.
std::string_view TrimBlanks(std::string_view text);

}  // namespace coldesign
