// The writers of the schedule's CSV files: the levels, and the table as typed.

#include <algorithm>
#include <array>
#include <cassert>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <memory>

#include "calculation/design_rules.h"
#include "calculation/numeric_text.h"
#include "calculation/schedule_csv.h"

namespace coldesign {
namespace {

constexpr std::size_t kIntegerTextBytes = 24;  // any std::int64_t

// A value written so that a CSV reader gives it back and a spreadsheet shows it as text: after a
// neutralising quote when it needs one, quoted when it holds a separator, a quote or a line break.
void AppendValue(std::string& out, std::string_view value) {
  const auto needs_quotes = [](char c) {
    return c == ',' || c == ';' || c == '"' || c == '\r' || c == '\n';
  };
  const bool neutralised = NeedsNeutralisingQuote(value);
  if (std::ranges::none_of(value, needs_quotes)) {
    if (neutralised) out.push_back('\'');
    out.append(value);
    return;
  }
  out.push_back('"');
  if (neutralised) out.push_back('\'');
  for (const char c : value) {
    if (c == '"') out.push_back('"');
    out.push_back(c);
  }
  out.push_back('"');
}

std::string_view StatusText(const std::optional<LevelFailure>& failure) {
  if (!failure) return "ok";
  switch (*failure) {
    case LevelFailure::NotANumber:
      return "not_a_number";
    case LevelFailure::Overflow:
      return "overflow";
    case LevelFailure::Slender:
      return "slender";
  }
  return {};
}

std::string_view StatusText(NumericFailure failure) {
  return StatusText(failure == NumericFailure::Overflow ? LevelFailure::Overflow
                                                        : LevelFailure::NotANumber);
}

char* Put(char* out, std::string_view text) { return std::copy(text.begin(), text.end(), out); }

char* PutInteger(char* out, std::int64_t value) {
  if (value >= 0 && value < 10) {  // a level or a number of floors, mostly
    *out = static_cast<char>('0' + value);
    return out + 1;
  }
  return std::to_chars(out, out + kIntegerTextBytes, value).ptr;
}

// Rows are put together from parts copied in fixed blocks, the bytes of a block beyond its part
// overwritten by the next part: the piece keeps spare room after its last row for that.
constexpr std::size_t kBlock = 32;

// A part of at most kBlock bytes, kept where a whole block can be copied from.
struct Part {
  std::array<char, kBlock> bytes{};
  std::size_t size = 0;
};

Part MakePart(std::string_view text) {
  assert(text.size() <= kBlock);
  Part part;
  part.size = std::min(text.size(), kBlock);
  text.copy(part.bytes.data(), part.size);
  return part;
}

char* PutPart(char* out, const Part& part) {
  std::memcpy(out, part.bytes.data(), kBlock);
  return out + part.size;
}

// A design's text: one block of 16 bytes, which its NumberText holds, when it is that short.
char* PutText(char* out, const NumberText& text) {
  constexpr std::size_t kShort = 16;
  static_assert(NumberText::kCapacity >= kShort);
  if (text.size() > kShort) return Put(out, text.view());
  std::memcpy(out, text.view().data(), kShort);
  return out + text.size();
}

// The parts of a row that are the same in every row of a schedule.
struct RowParts {
  Part width;         // ",30,": the width between the area and the length
  Part designed_end;  // ",16,ok,": the bar diameter and the status, before the moments
  // The empty cells of a failed design, its status, the empty moments and the line's end, for
  // each LevelFailure.
  std::array<Part, 3> failed_ends;
};

// The text of these pieces one after another.
std::string Joined(std::initializer_list<std::string_view> pieces) {
  std::string text;
  for (const std::string_view piece : pieces) text.append(piece);
  return text;
}

RowParts MakeRowParts(const DesignMaterials& materials) {
  const std::string width = FormatInteger(materials.width_cm);
  const std::string diameter = FormatInteger(materials.bar_diameter_mm);
  RowParts parts{.width = MakePart(Joined({",", width, ","})),
                 .designed_end = MakePart(Joined({",", diameter, ",ok,"})),
                 .failed_ends = {}};
  for (const LevelFailure failure :
       {LevelFailure::NotANumber, LevelFailure::Overflow, LevelFailure::Slender}) {
    parts.failed_ends[static_cast<std::size_t>(failure)] =
        MakePart(Joined({",,,,,,,", StatusText(failure), ",,,\n"}));
  }
  return parts;
}

// The most bytes the design's part of a row takes: its floors, texts, status, moments and
// punctuation.
constexpr std::size_t kMostDesignCellsBytes =
    1 + kIntegerTextBytes + 1 + 7 * (NumberText::kCapacity + 1) + 2 * kBlock;

// The part of a row that a design gives: ",floors_carried" up to the utilisation and the line's
// end. Gives the end.
char* PutDesignCells(char* out, const LevelDesign& level, const RowParts& parts) {
  *out++ = ',';
  out = PutInteger(out, level.floors_carried);
  if (level.failure)
    return PutPart(out, parts.failed_ends[static_cast<std::size_t>(*level.failure)]);
  *out++ = ',';
  out = PutText(out, level.required_area_text);
  out = PutPart(out, parts.width);
  out = PutText(out, level.length_text);
  *out++ = ',';
  out = PutText(out, level.steel_area_text);
  *out++ = ',';
  out = PutText(out, level.bar_count_text);
  out = PutPart(out, parts.designed_end);
  out = PutText(out, level.design_moment_x_text);
  *out++ = ',';
  out = PutText(out, level.design_moment_y_text);
  *out++ = ',';
  out = PutText(out, level.utilisation_text);
  *out++ = '\n';
  return out;
}

// Hands each value of a level's row to `take`, in the order of kScheduleCsvHeader and before
// any quoting: what the writer puts together from its parts, one value at a time.
template <typename Take>
void LevelValues(const ScheduleColumn& column, int level_number, const LevelDesign& level,
                 std::string_view width_text, std::string_view bar_diameter_text, Take take) {
  take(column.input.mark);
  for (const std::int64_t number : {std::int64_t{column.input.count}, std::int64_t{level_number},
                                    std::int64_t{level.floors_carried}}) {
    take(FormatInteger(number));
  }
  const bool designed = !level.failure;
  for (const std::string_view text :
       {level.required_area_text.view(), width_text, level.length_text.view(),
        level.steel_area_text.view(), level.bar_count_text.view(), bar_diameter_text}) {
    take(designed ? text : std::string_view());
  }
  take(StatusText(level.failure));
  for (const NumberText* text :
       {&level.design_moment_x_text, &level.design_moment_y_text, &level.utilisation_text}) {
    take(text->view());
  }
}

}  // namespace

bool NeedsNeutralisingQuote(std::string_view value) {
  const std::size_t first = value.find_first_not_of('\'');
  if (first == std::string_view::npos) return false;
  return kFormulaStarts.contains(value[first]);
}

std::string_view WithoutNeutralisingQuote(std::string_view value) {
  if (value.starts_with('\'') && NeedsNeutralisingQuote(value)) value.remove_prefix(1);
  return value;
}

std::array<std::string, kScheduleCsvColumns> ScheduleCsvValues(const Schedule& schedule,
                                                               const ScheduleColumn& column,
                                                               int level) {
  std::array<std::string, kScheduleCsvColumns> values;
  std::size_t next = 0;
  LevelValues(column, level, schedule.Level(column, level),
              FormatInteger(schedule.materials.width_cm),
              FormatInteger(schedule.materials.bar_diameter_mm),
              [&values, &next](std::string_view value) { values[next++] = value; });
  return values;
}

namespace {

// The rows of WriteScheduleCsv, handed to `write` (bool(std::string_view)) in pieces.
template <typename Write>
bool WriteRows(const Schedule& schedule, CsvLevels levels, const Write& write) {
  const RowParts parts = MakeRowParts(schedule.materials);
  // Handed on whenever it holds this much, at the end of a row; the spare bytes hold one more row
  // of a mark as ReadEntry takes it, and the blocks copied beyond.
  constexpr std::size_t kPieceBytes = std::size_t{64} * 1024;
  constexpr std::size_t kCapacity = kPieceBytes + std::size_t{4} * 1024;
  // The mark quoted, its quotes doubled, after a neutralising quote; the count; two commas.
  constexpr std::size_t kMostColumnCellsBytes =
      1 + 2 * static_cast<std::size_t>(rules::kMostMarkBytes) + 2 + kIntegerTextBytes + 2;
  static_assert(kCapacity - kPieceBytes >=
                kMostColumnCellsBytes + kIntegerTextBytes + kMostDesignCellsBytes + 2 * kBlock);
  const auto piece = std::make_unique_for_overwrite<char[]>(kCapacity);
  std::size_t size = 0;  // of the piece
  const auto hand_on = [&] {
    const bool taken = write({piece.get(), size});
    size = 0;
    return taken;
  };
  // The text at the piece's end; the piece is handed on first when the text would not fit, and a
  // text longer than a piece goes on by itself.
  const auto put = [&](std::string_view text) {
    if (size + text.size() > kCapacity) {
      if (!hand_on()) return false;
      if (text.size() > kCapacity) return write(text);
    }
    std::copy(text.begin(), text.end(), piece.get() + size);
    size += text.size();
    return true;
  };
  if (!put(kUtf8Bom) || !put(kScheduleCsvHeader) || !put("\n")) return false;
  std::string column_cells;  // the mark and the count, the same in each of the column's rows
  std::array<char, kMostColumnCellsBytes + kBlock> column_cells_copy{};  // to copy in blocks
  std::array<char, kMostDesignCellsBytes + kBlock> design_cells{};       // for a long mark
  for (const ScheduleColumn& column : schedule.columns) {
    column_cells.clear();
    AppendValue(column_cells, column.input.mark);
    column_cells.push_back(',');
    char number[kIntegerTextBytes];
    column_cells.append(number, PutInteger(number, column.input.count));
    column_cells.push_back(',');
    // A mark longer than ReadEntry takes goes the general way.
    const bool in_blocks = column_cells.size() <= kMostColumnCellsBytes;
    if (in_blocks) std::ranges::copy(column_cells, column_cells_copy.begin());
    const std::size_t written = levels == CsvLevels::LowestOnly
                                    ? std::min<std::size_t>(1, column.levels.size())
                                    : column.levels.size();
    for (std::size_t level = 1; level <= written; ++level) {
      const LevelDesign& design = schedule.Level(column, static_cast<int>(level));
      if (in_blocks) {  // the piece holds less than kPieceBytes: the row fits
        char* out = piece.get() + size;
        for (std::size_t done = 0; done < column_cells.size(); done += kBlock) {
          std::memcpy(out + done, column_cells_copy.data() + done, kBlock);
        }
        out = PutInteger(out + column_cells.size(), static_cast<std::int64_t>(level));
        size = static_cast<std::size_t>(PutDesignCells(out, design, parts) - piece.get());
      } else {
        const std::string_view level_text(
            number, PutInteger(number, static_cast<std::int64_t>(level)) - number);
        const char* cells_end = PutDesignCells(design_cells.data(), design, parts);
        if (!put(column_cells) || !put(level_text) ||
            !put(
                {design_cells.data(), static_cast<std::size_t>(cells_end - design_cells.data())})) {
          return false;
        }
      }
      if (size >= kPieceBytes && !hand_on()) return false;
    }
  }
  return hand_on();
}

}  // namespace

bool WriteScheduleCsv(const Schedule& schedule, CsvLevels levels,
                      const std::function<bool(std::string_view)>& write) {
  return WriteRows(schedule, levels, write);
}

std::string WriteScheduleCsv(const Schedule& schedule, CsvLevels levels) {
  // A row is about 110 bytes: reserved once rather than grown piece by piece.
  constexpr std::size_t kRowBytes = 128;
  std::size_t rows = 0;
  for (const ScheduleColumn& column : schedule.columns) {
    rows += levels == CsvLevels::LowestOnly ? 1 : column.levels.size();
  }
  std::string out;
  out.reserve(kUtf8Bom.size() + kScheduleCsvHeader.size() + 1 + rows * kRowBytes);
  WriteRows(schedule, levels, [&out](std::string_view piece) {
    out.append(piece);
    return true;
  });
  return out;
}

std::string WriteDesignCsv(const ColumnDesignInput& input,
                           const std::expected<ColumnDesignResult, DesignFailure>& result) {
  std::string out = Joined({kUtf8Bom, kDesignCsvHeader, "\n,1,1,"});
  // A floors text beyond the range of a double leaves its cell empty, as the design's cells are.
  if (const auto floors = ParseNumberStrict(input.floors_text)) {
    out.append(FormatNumber(*floors + 0.0));  // -0 is written 0
  }
  const auto cell = [&out](std::string_view text) {
    out.push_back(',');
    AppendValue(out, text);
  };
  if (!result) {
    out.append(",,,,,,,");
    out.append(StatusText(result.error().kind));
    out.push_back('\n');
    return out;
  }
  for (const std::string_view text :
       {std::string_view(result->required_area_text), std::string_view(input.width_text),
        std::string_view(result->length_text), std::string_view(result->steel_area_text),
        std::string_view(result->bar_count_text)}) {
    cell(text);
  }
  cell(FormatInteger(input.materials.bar_diameter_mm));
  out.append(",ok\n");
  return out;
}

std::string WriteEntriesCsv(std::span<const ColumnEntry> entries) {
  std::string out;
  out.append(kUtf8Bom);
  const bool moments = std::ranges::any_of(entries, [](const ColumnEntry& entry) {
    return !entry.moment_x_text.empty() || !entry.moment_y_text.empty();
  });
  out.append(moments ? "mark,load,floors,count,mx,my\n" : "mark,load,floors,count\n");
  for (const ColumnEntry& entry : entries) {
    AppendValue(out, entry.mark);
    for (const std::string* value : {&entry.load_text, &entry.floors_text, &entry.count_text}) {
      out.push_back(',');
      AppendValue(out, *value);
    }
    if (moments) {
      for (const std::string* value : {&entry.moment_x_text, &entry.moment_y_text}) {
        out.push_back(',');
        AppendValue(out, *value);
      }
    }
    out.push_back('\n');
  }
  return out;
}

}  // namespace coldesign
