#include "calculation/schedule_csv.h"

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

namespace coldesign {
namespace {

// A column of the schedule and the names a header may give it.
struct ColumnName {
  ScheduleField field;
  std::string_view english;
  std::array<std::string_view, 2> arabic;  // the second spelled without the hamza, or empty
};

constexpr std::array<ColumnName, 4> kColumnNames = {{
    {ScheduleField::Mark, "mark", {"الرمز", ""}},
    {ScheduleField::Load, "load", {"الحمل", ""}},
    {ScheduleField::Floors, "floors", {"الأدوار", "الادوار"}},
    {ScheduleField::Count, "count", {"العدد", ""}},
}};

constexpr std::size_t kFieldCount = kColumnNames.size();
constexpr std::size_t kIntegerTextBytes = 24;  // any std::int64_t
// More values than a header needs, beside a few unnamed columns; a longer header is refused
// before its values fill memory.
constexpr std::size_t kMostHeaderValues = 64;

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return lower(x) == lower(y);
  });
}

std::optional<ScheduleField> FieldNamed(std::string_view name) {
  for (const ColumnName& column : kColumnNames) {
    if (EqualsIgnoringAsciiCase(name, column.english) ||
        std::ranges::find(column.arabic, name) != column.arabic.end()) {
      return column.field;
    }
  }
  return std::nullopt;
}

std::string_view EnglishName(ScheduleField field) {
  return kColumnNames[static_cast<std::size_t>(field)].english;
}

// The offset of the first byte that is not part of a well-formed UTF-8 character, or npos.
std::size_t FirstInvalidUtf8(std::string_view text) {
  constexpr std::uint64_t kHighBits = 0x8080808080808080;
  std::size_t i = 0;
  while (i < text.size()) {
    // Eight ASCII bytes at a time: most of a schedule is.
    if (text.size() - i >= sizeof(std::uint64_t)) {
      std::uint64_t eight = 0;
      std::memcpy(&eight, text.data() + i, sizeof eight);
      if ((eight & kHighBits) == 0) {
        i += sizeof eight;
        continue;
      }
    }
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) {
      ++i;
      continue;
    }
    std::size_t length = 0;
    std::uint32_t code = 0;
    std::uint32_t least = 0;
    if ((lead & 0xE0) == 0xC0) {
      length = 2, code = lead & 0x1FU, least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
      length = 3, code = lead & 0x0FU, least = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
      length = 4, code = lead & 0x07U, least = 0x10000;
    } else {
      return i;
    }
    if (text.size() - i < length) return i;
    for (std::size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) return i;
      code = (code << 6) | (next & 0x3FU);
    }
    if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return i;
    i += length;
  }
  return std::string_view::npos;
}

std::size_t LineOf(std::string_view text, std::size_t offset) {
  return 1 + static_cast<std::size_t>(std::count(text.begin(), text.begin() + offset, '\n'));
}

bool IsBlank(std::string_view text) { return TrimBlanks(text).empty(); }

// Reads the file's records one after another, counting lines.
class RecordReader {
 public:
  explicit RecordReader(std::string_view text) : text_(text) {}

  [[nodiscard]] bool atEnd() const { return position_ >= text_.size(); }
  [[nodiscard]] std::size_t line() const { return line_; }

  // Skips lines that hold nothing but blanks.
  void skipBlankLines() {
    while (!atEnd()) {
      // A line that starts with anything but a blank or its end is not blank.
      if (const char c = text_[position_]; c != ' ' && c != '\t' && c != '\r' && c != '\n') return;
      const std::size_t end = text_.find('\n', position_);
      const std::size_t stop = end == std::string_view::npos ? text_.size() : end;
      std::string_view content = text_.substr(position_, stop - position_);
      if (content.ends_with('\r')) content.remove_suffix(1);
      if (!IsBlank(content)) return;
      position_ = end == std::string_view::npos ? text_.size() : end + 1;
      ++line_;
    }
  }

  // The first comma or semicolon of the current line outside quotes; a comma when it has none.
  [[nodiscard]] char separatorOfLine() const {
    bool quoted = false;
    for (std::size_t i = position_; i < text_.size(); ++i) {
      const char c = text_[i];
      if (c == '"') quoted = !quoted;
      if (quoted) continue;
      if (c == ',' || c == ';') return c;
      if (c == '\n' || c == '\r') break;
    }
    return ',';
  }

  void setSeparator(char separator) { separator_ = separator; }

  // Reads the record that starts here: at most `most_fields` values. The values are views of the
  // text, or of the reader's own copy of a quoted value with doubled quotes; they stay valid until
  // the next record is read.
  std::expected<void, ScheduleProblem> read(std::vector<std::string_view>& fields,
                                            std::size_t most_fields) {
    fields.clear();
    unquoted_.clear();
    unquoted_fields_.clear();
    auto read = readValues(fields, most_fields);
    // The copies are all made: their views are taken now.
    const std::string_view unquoted = unquoted_;
    for (const UnquotedField& field : unquoted_fields_) {
      fields[field.index] = unquoted.substr(field.offset, field.size);
    }
    return read;
  }

 private:
  // A value among `unquoted_`.
  struct UnquotedField {
    std::size_t index;  // in the record
    std::size_t offset;
    std::size_t size;
  };

  std::expected<void, ScheduleProblem> readValues(std::vector<std::string_view>& fields,
                                                  std::size_t most_fields) {
    while (true) {
      fields.emplace_back();
      if (fields.size() > most_fields) return std::unexpected(ScheduleProblem::TooManyValues);
      if (auto read = readField(fields, fields.size() - 1); !read) return read;
      if (atEnd()) return {};
      const char c = text_[position_++];
      if (c == separator_) continue;
      if (c == '\r' && position_ < text_.size() && text_[position_] == '\n') ++position_;
      ++line_;
      return {};
    }
  }

  std::expected<void, ScheduleProblem> readField(std::vector<std::string_view>& fields,
                                                 std::size_t index) {
    std::string_view& field = fields[index];
    const std::size_t start = position_;
    std::size_t first = start;
    while (first < text_.size() && (text_[first] == ' ' || text_[first] == '\t')) ++first;
    if (first == text_.size() || text_[first] != '"') {
      std::size_t end = first;
      while (end < text_.size() && text_[end] != separator_ && text_[end] != '\r' &&
             text_[end] != '\n') {
        ++end;
      }
      field = text_.substr(start, end - start);
      position_ = end;
      return {};
    }
    const std::size_t content = first + 1;
    position_ = content;
    bool doubled = false;  // a doubled quote was met: the value is copied to `unquoted_`
    const std::size_t offset = unquoted_.size();
    while (true) {
      const std::size_t quote = text_.find('"', position_);
      if (quote == std::string_view::npos) return std::unexpected(ScheduleProblem::UnclosedQuote);
      const std::string_view chunk = text_.substr(position_, quote - position_);
      line_ += static_cast<std::size_t>(std::ranges::count(chunk, '\n'));
      if (doubled) unquoted_.append(chunk);
      position_ = quote + 1;
      if (position_ < text_.size() && text_[position_] == '"') {
        if (!doubled) unquoted_.append(text_.substr(content, quote - content));
        doubled = true;
        unquoted_.push_back('"');
        ++position_;
        continue;
      }
      if (doubled) {
        unquoted_fields_.push_back({index, offset, unquoted_.size() - offset});
      } else {
        field = text_.substr(content, quote - content);
      }
      break;
    }
    position_ = std::min(text_.find_first_not_of(" \t", position_), text_.size());
    if (atEnd()) return {};
    const char c = text_[position_];
    if (c != separator_ && c != '\r' && c != '\n') {
      return std::unexpected(ScheduleProblem::TextAfterQuote);
    }
    return {};
  }

  std::string_view text_;
  std::size_t position_ = 0;
  std::size_t line_ = 1;
  char separator_ = ',';
  // The current record's quoted values with doubled quotes, made single, one after another.
  std::string unquoted_;
  std::vector<UnquotedField> unquoted_fields_;
};

// Where each of the schedule's columns stands in the rows, and the header's names.
struct Header {
  std::array<std::optional<std::size_t>, kFieldCount> index;
  std::vector<std::string> names;
};

std::expected<Header, CsvError> ReadHeader(const std::vector<std::string_view>& fields,
                                           std::size_t line) {
  Header header;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const std::string_view name = TrimBlanks(fields[i]);
    header.names.push_back(CutForMessage(name));
    if (name.empty()) continue;
    const auto field = FieldNamed(name);
    if (!field) {
      return std::unexpected(
          CsvError{line, CutForMessage(name), std::nullopt, ScheduleProblem::UnknownColumn});
    }
    auto& index = header.index[static_cast<std::size_t>(*field)];
    if (index) {
      return std::unexpected(
          CsvError{line, CutForMessage(name), field, ScheduleProblem::RepeatedColumn});
    }
    index = i;
  }
  for (const ScheduleField required :
       {ScheduleField::Mark, ScheduleField::Load, ScheduleField::Floors}) {
    if (!header.index[static_cast<std::size_t>(required)]) {
      return std::unexpected(CsvError{line, std::string(EnglishName(required)), required,
                                      ScheduleProblem::MissingColumn});
    }
  }
  return header;
}

// A row that could not be split into values, at the value it stopped in.
CsvError RecordError(const Header& header, const std::vector<std::string_view>& fields,
                     std::size_t line, ScheduleProblem problem) {
  CsvError error{line, {}, std::nullopt, problem};
  const std::size_t index = fields.size() - 1;
  if (index < header.names.size()) {
    error.column = header.names[index];
    for (std::size_t field = 0; field < kFieldCount; ++field) {
      if (header.index[field] == index) error.field = static_cast<ScheduleField>(field);
    }
  }
  return error;
}

// The row's value in the schedule's column, empty when the row stops before it.
std::string_view ValueOf(const std::vector<std::string_view>& fields, const Header& header,
                         ScheduleField field) {
  const auto index = header.index[static_cast<std::size_t>(field)];
  if (!index || *index >= fields.size()) return {};
  return fields[*index];
}

// A value written so that a CSV reader gives it back: quoted when it holds a separator, a
// quote or a line break.
void AppendValue(std::string& out, std::string_view value) {
  const auto needs_quotes = [](char c) {
    return c == ',' || c == ';' || c == '"' || c == '\r' || c == '\n';
  };
  if (std::ranges::none_of(value, needs_quotes)) {
    out.append(value);
    return;
  }
  out.push_back('"');
  for (const char c : value) {
    if (c == '"') out.push_back('"');
    out.push_back(c);
  }
  out.push_back('"');
}

std::string_view StatusText(const std::optional<NumericFailure>& failure) {
  if (!failure) return "ok";
  return *failure == NumericFailure::Overflow ? "overflow" : "not_a_number";
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
  Part width;             // ",30,": the width between the area and the length
  Part designed_end;      // ",16,ok\n": the bar diameter, the status and the line's end
  Part overflow_end;      // the empty cells of a failed design, its status and the line's end
  Part not_a_number_end;  // the same
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
  const auto failed_end = [](NumericFailure failure) {
    return MakePart(Joined({",,,,,,,", StatusText(failure), "\n"}));
  };
  return {.width = MakePart(Joined({",", width, ","})),
          .designed_end = MakePart(Joined({",", diameter, ",ok\n"})),
          .overflow_end = failed_end(NumericFailure::Overflow),
          .not_a_number_end = failed_end(NumericFailure::TypeMismatch)};
}

// The most bytes the design's part of a row takes: its floors, texts, status and punctuation.
constexpr std::size_t kMostDesignCellsBytes =
    1 + kIntegerTextBytes + 1 + 4 * (NumberText::kCapacity + 1) + 2 * kBlock;

// The part of a row that a design gives: ",floors_carried" up to the status and the line's end.
// Gives the end.
char* PutDesignCells(char* out, const LevelDesign& level, const RowParts& parts) {
  *out++ = ',';
  out = PutInteger(out, level.floors_carried);
  if (level.failure) {
    return PutPart(out, *level.failure == NumericFailure::Overflow ? parts.overflow_end
                                                                   : parts.not_a_number_end);
  }
  *out++ = ',';
  out = PutText(out, level.required_area_text);
  out = PutPart(out, parts.width);
  out = PutText(out, level.length_text);
  *out++ = ',';
  out = PutText(out, level.steel_area_text);
  *out++ = ',';
  out = PutText(out, level.bar_count_text);
  return PutPart(out, parts.designed_end);
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
}

}  // namespace

std::string CutForMessage(std::string_view text) {
  if (text.size() <= kMostColumnNameBytes) return std::string(text);
  std::size_t end = kMostColumnNameBytes;
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
  return std::string(text.substr(0, end)) + "…";
}

std::expected<ScheduleCsv, CsvError> ReadScheduleCsv(std::string_view text) {
  if (text.size() > static_cast<std::size_t>(rules::kMostScheduleFileBytes)) {
    return std::unexpected(CsvError{0, {}, std::nullopt, ScheduleProblem::FileTooLarge});
  }
  if (text.starts_with(kUtf8Bom)) text.remove_prefix(kUtf8Bom.size());
  if (const std::size_t invalid = FirstInvalidUtf8(text); invalid != std::string_view::npos) {
    return std::unexpected(
        CsvError{LineOf(text, invalid), {}, std::nullopt, ScheduleProblem::NotUtf8});
  }
  RecordReader reader(text);
  reader.skipBlankLines();
  if (reader.atEnd())
    return std::unexpected(CsvError{0, {}, std::nullopt, ScheduleProblem::NoHeader});
  reader.setSeparator(reader.separatorOfLine());

  std::vector<std::string_view> fields;
  const std::size_t header_line = reader.line();
  if (auto read = reader.read(fields, kMostHeaderValues); !read) {
    return std::unexpected(CsvError{header_line, {}, std::nullopt, read.error()});
  }
  const auto header = ReadHeader(fields, header_line);
  if (!header) return std::unexpected(header.error());

  ScheduleCsv csv;
  // A row a line at most (beyond the most levels a schedule may have, the rest is refused).
  const auto most_rows =
      std::min<std::size_t>(static_cast<std::size_t>(std::ranges::count(text, '\n')) + 1,
                            static_cast<std::size_t>(rules::kMostScheduleLevels));
  csv.columns.reserve(most_rows);
  csv.lines.reserve(most_rows);
  std::size_t levels = 0;
  while (true) {
    reader.skipBlankLines();
    if (reader.atEnd()) break;
    const std::size_t line = reader.line();
    if (auto read = reader.read(fields, header->names.size()); !read) {
      return std::unexpected(RecordError(*header, fields, line, read.error()));
    }
    if (std::ranges::all_of(fields, IsBlank)) continue;
    auto column = ReadEntry(ValueOf(fields, *header, ScheduleField::Mark),
                            ValueOf(fields, *header, ScheduleField::Load),
                            ValueOf(fields, *header, ScheduleField::Floors),
                            ValueOf(fields, *header, ScheduleField::Count));
    const auto name_of = [&](ScheduleField field) {
      return header->names[*header->index[static_cast<std::size_t>(field)]];
    };
    if (!column) {
      return std::unexpected(CsvError{line, name_of(column.error().field), column.error().field,
                                      column.error().problem});
    }
    levels += static_cast<std::size_t>(column->floors);
    if (levels > static_cast<std::size_t>(rules::kMostScheduleLevels)) {
      return std::unexpected(CsvError{line, name_of(ScheduleField::Floors), ScheduleField::Floors,
                                      ScheduleProblem::TooManyLevels});
    }
    csv.columns.push_back(std::move(*column));
    csv.lines.push_back(line);
  }
  if (csv.columns.empty()) {
    return std::unexpected(CsvError{header_line, {}, std::nullopt, ScheduleProblem::NoRows});
  }
  return csv;
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
  constexpr std::size_t kMostColumnCellsBytes =
      2 * static_cast<std::size_t>(rules::kMostMarkBytes) + 2 + kIntegerTextBytes + 2;
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
  // A row is about 80 bytes: reserved once rather than grown piece by piece.
  constexpr std::size_t kRowBytes = 96;
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

std::string WriteEntriesCsv(std::span<const ColumnEntry> entries) {
  std::string out;
  out.append(kUtf8Bom);
  out.append("mark,load,floors,count\n");
  for (const ColumnEntry& entry : entries) {
    AppendValue(out, entry.mark);
    for (const std::string* value : {&entry.load_text, &entry.floors_text, &entry.count_text}) {
      out.push_back(',');
      AppendValue(out, *value);
    }
    out.push_back('\n');
  }
  return out;
}

}  // namespace coldesign
