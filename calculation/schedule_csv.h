#pragma once

#include <array>
#include <cstddef>
#include <expected>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "calculation/column_schedule.h"
#include "calculation/design_calculation.h"
#include "calculation/schedule_entry.h"

namespace coldesign {

// Written first in every CSV file, so that spreadsheets read the Arabic marks as UTF-8.
inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// The header of the design window's CSV, one row for its one design.
inline constexpr std::string_view kDesignCsvHeader =
    "mark,count,level,floors_carried,required_area_cm2,width_cm,length_cm,steel_area_cm2,bars,"
    "bar_diameter_mm,status";

// The header of the schedule's CSV, one row per column per level: the design's, then the design
// moments and the utilisation.
inline constexpr std::string_view kScheduleCsvHeader =
    "mark,count,level,floors_carried,required_area_cm2,width_cm,length_cm,steel_area_cm2,bars,"
    "bar_diameter_mm,status,design_moment_x_t_m,design_moment_y_t_m,utilisation";

// A row of the schedule's CSV has one value for each name of the header.
inline constexpr std::size_t kScheduleCsvColumns = 14;

// The values of a level's row (1 = the lowest), in the order of kScheduleCsvHeader and before
// any quoting: what WriteScheduleCsv writes for it.
std::array<std::string, kScheduleCsvColumns> ScheduleCsvValues(const Schedule& schedule,
                                                               const ScheduleColumn& column,
                                                               int level);

// Why a CSV file was not read, and where.
struct CsvError {
  std::size_t line = 0;  // 1 = the file's first line; 0 for the file as a whole
  // The column as the header names it (at most kMostColumnNameBytes and "…"); for a missing
  // column its English name; empty when no column is concerned.
  std::string column;
  std::optional<ScheduleField> field;  // the schedule's column concerned, when known
  ScheduleProblem problem = ScheduleProblem::NoHeader;

  friend bool operator==(const CsvError&, const CsvError&) = default;
};

inline constexpr std::size_t kMostColumnNameBytes = 40;

// The text cut to kMostColumnNameBytes at a character boundary, with "…" when cut: a name or a
// value as a message shows it.
std::string CutForMessage(std::string_view text);

// A schedule's columns read from a CSV file.
struct ScheduleCsv {
  std::vector<ColumnInput> columns;
  std::vector<std::size_t> lines;  // the line each column's row starts on
};

// The characters that make a spreadsheet read a cell as a formula when it begins with one:
// = + - @, a tab and a CR.
inline constexpr std::string_view kFormulaStarts = "=+-@\t\r";

// Whether a value is written after a neutralising quote ('): it begins with one of
// kFormulaStarts, or with quotes and then one of them (so that the quote read back is the typed
// one). Numbers the program works out never do.
bool NeedsNeutralisingQuote(std::string_view value);

// The value as typed: without the one leading quote that the writers add (a value for which
// NeedsNeutralisingQuote holds loses its first quote); any other value as it is.
std::string_view WithoutNeutralisingQuote(std::string_view value);

// Reads UTF-8 text, with or without a BOM: a header row naming the columns in English or Arabic
// (mark / الرمز, load / الحمل, floors / الأدوار, count / العدد, mx / عزم x, my / عزم y; count
// may be left out, then each row counts one column, and so may the moments, t·m at every level
// of the column, then the column carries none), separated by commas or semicolons (whichever the
// header line has first), lines ended by LF, CRLF or CR alone (mixed too, each counted as a line),
// values quoted with '"' where needed, blank lines skipped. Columns with an empty name are ignored.
// A value that a writer neutralised is read as typed (WithoutNeutralisingQuote). A header of more
// than rules::kMostHeaderColumns values is refused as HeaderTooLong. Linear in the size of the
// text.
std::expected<ScheduleCsv, CsvError> ReadScheduleCsv(std::string_view text);

// The rows of the same text as typed, unchecked (each value without a writer's neutralising
// quote): a table saved with rows still to put right opens again as it was. Only what keeps the
// text from being read as rows is refused (the file, its encoding, its header, its quoting).
std::expected<std::vector<ColumnEntry>, CsvError> ReadEntriesCsv(std::string_view text);

enum class CsvLevels { All, LowestOnly };

// The BOM, kScheduleCsvHeader and one row per column per level (or only each column's lowest
// level), lines ended by LF; the numbers are the design's texts; status "ok", or the failure
// ("not_a_number", "overflow", "slender") with the result cells empty. A mark that
// NeedsNeutralisingQuote is written after a quote.
std::string WriteScheduleCsv(const Schedule& schedule, CsvLevels levels = CsvLevels::All);

// The same text handed to `write` in pieces of some tens of kilobytes, in order, so that a large
// schedule goes to a file without being held whole. Stops at the first piece that `write`
// refuses (returns false for) and gives false; true when every piece was taken.
bool WriteScheduleCsv(const Schedule& schedule, CsvLevels levels,
                      const std::function<bool(std::string_view)>& write);

// The BOM, kDesignCsvHeader and the one row of a single design as the design window makes it
// (any number of floors, a fraction or none): no mark, count 1, level 1, the floors it carries,
// and the design's texts and "ok", or its failure with the result cells empty.
std::string WriteDesignCsv(const ColumnDesignInput& input,
                           const std::expected<ColumnDesignResult, DesignFailure>& result);

// The BOM, the header "mark,load,floors,count" (and ",mx,my" when a row has a moment) and the
// rows as typed, each value that NeedsNeutralisingQuote after a quote: what ReadScheduleCsv reads
// back as typed.
std::string WriteEntriesCsv(std::span<const ColumnEntry> entries);

}  // namespace coldesign
