// The reader of a schedule's CSV file: one pass over the text whatever its line ends (LF, CRLF,
// bare CR or a mix), each byte looked at a bounded number of times.

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

#include "calculation/design_rules.h"
#include "calculation/schedule_csv.h"

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

// The line ends in text[from, to): each LF, and each CR that no LF follows in the whole text.
std::size_t LineEnds(std::string_view text, std::size_t from, std::size_t to) {
  auto ends =
      static_cast<std::size_t>(std::count(text.begin() + static_cast<std::ptrdiff_t>(from),
                                          text.begin() + static_cast<std::ptrdiff_t>(to), '\n'));
  for (std::size_t cr = text.find('\r', from); cr < to; cr = text.find('\r', cr + 1)) {
    if (cr + 1 == text.size() || text[cr + 1] != '\n') ++ends;
  }
  return ends;
}

bool IsBlank(std::string_view text) { return TrimBlanks(text).empty(); }

// Reads the file's records one after another, counting lines.
class RecordReader {
 public:
  explicit RecordReader(std::string_view text) : text_(text) {}

  [[nodiscard]] bool atEnd() const { return position_ >= text_.size(); }
  [[nodiscard]] std::size_t line() const { return line_; }

  // Skips lines that hold nothing but blanks: the blanks before a line's first other character
  // are looked at here and once more by read.
  void skipBlankLines() {
    std::size_t i = position_;
    while (true) {
      while (i < text_.size() && (text_[i] == ' ' || text_[i] == '\t')) ++i;
      if (i == text_.size()) {
        position_ = i;
        return;
      }
      if (text_[i] != '\r' && text_[i] != '\n') return;
      i = afterLineEnd(i);
      position_ = i;
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

  // Past the line end (CR, LF or CRLF) at `at`.
  [[nodiscard]] std::size_t afterLineEnd(std::size_t at) const {
    return text_[at] == '\r' && at + 1 < text_.size() && text_[at + 1] == '\n' ? at + 2 : at + 1;
  }

  std::expected<void, ScheduleProblem> readValues(std::vector<std::string_view>& fields,
                                                  std::size_t most_fields) {
    while (true) {
      fields.emplace_back();
      if (fields.size() > most_fields) return std::unexpected(ScheduleProblem::TooManyValues);
      if (auto read = readField(fields, fields.size() - 1); !read) return read;
      if (atEnd()) return {};
      if (text_[position_] == separator_) {
        ++position_;
        continue;
      }
      position_ = afterLineEnd(position_);
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
      line_ += LineEnds(text_, position_, quote);
      if (doubled) unquoted_.append(text_.substr(position_, quote - position_));
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

// The row's value in the schedule's column as it was typed, empty when the row stops before it.
std::string_view ValueOf(const std::vector<std::string_view>& fields, const Header& header,
                         ScheduleField field) {
  const auto index = header.index[static_cast<std::size_t>(field)];
  if (!index || *index >= fields.size()) return {};
  return WithoutNeutralisingQuote(fields[*index]);
}

}  // namespace

std::string CutForMessage(std::string_view text) {
  if (text.size() <= kMostColumnNameBytes) return std::string(text);
  std::size_t end = kMostColumnNameBytes;
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
  return std::string(text.substr(0, end)) + "…";
}

namespace {

// Reads the header, then hands each row that holds a value to `take_row` (the row's values, the
// header, the row's first line), which gives an error to stop at. Refuses an empty file and a
// file with no row.
template <typename TakeRow>
std::optional<CsvError> ReadRows(std::string_view text, const TakeRow& take_row) {
  if (text.size() > static_cast<std::size_t>(rules::kMostScheduleFileBytes)) {
    return CsvError{0, {}, std::nullopt, ScheduleProblem::FileTooLarge};
  }
  if (text.starts_with(kUtf8Bom)) text.remove_prefix(kUtf8Bom.size());
  if (const std::size_t invalid = FirstInvalidUtf8(text); invalid != std::string_view::npos) {
    return CsvError{1 + LineEnds(text, 0, invalid), {}, std::nullopt, ScheduleProblem::NotUtf8};
  }
  RecordReader reader(text);
  reader.skipBlankLines();
  if (reader.atEnd()) return CsvError{0, {}, std::nullopt, ScheduleProblem::NoHeader};
  reader.setSeparator(reader.separatorOfLine());

  std::vector<std::string_view> fields;
  const std::size_t header_line = reader.line();
  if (auto read = reader.read(fields, rules::kMostHeaderColumns); !read) {
    const bool too_long = read.error() == ScheduleProblem::TooManyValues;
    return CsvError{
        header_line, {}, std::nullopt, too_long ? ScheduleProblem::HeaderTooLong : read.error()};
  }
  const auto header = ReadHeader(fields, header_line);
  if (!header) return header.error();

  bool any_row = false;
  while (true) {
    reader.skipBlankLines();
    if (reader.atEnd()) break;
    const std::size_t line = reader.line();
    if (auto read = reader.read(fields, header->names.size()); !read) {
      return RecordError(*header, fields, line, read.error());
    }
    if (std::ranges::all_of(fields, IsBlank)) continue;
    if (auto error = take_row(fields, *header, line)) return error;
    any_row = true;
  }
  if (!any_row) return CsvError{header_line, {}, std::nullopt, ScheduleProblem::NoRows};
  return std::nullopt;
}

}  // namespace

std::expected<ScheduleCsv, CsvError> ReadScheduleCsv(std::string_view text) {
  ScheduleCsv csv;
  // A row a line at most (beyond the most levels a schedule may have, the rest is refused).
  const auto most_rows = std::min<std::size_t>(
      1 + LineEnds(text, 0, text.size()), static_cast<std::size_t>(rules::kMostScheduleLevels));
  csv.columns.reserve(most_rows);
  csv.lines.reserve(most_rows);
  std::size_t levels = 0;
  const auto error =
      ReadRows(text,
               [&](const std::vector<std::string_view>& fields, const Header& header,
                   std::size_t line) -> std::optional<CsvError> {
                 auto column = ReadEntry(ValueOf(fields, header, ScheduleField::Mark),
                                         ValueOf(fields, header, ScheduleField::Load),
                                         ValueOf(fields, header, ScheduleField::Floors),
                                         ValueOf(fields, header, ScheduleField::Count));
                 const auto name_of = [&](ScheduleField field) {
                   return header.names[*header.index[static_cast<std::size_t>(field)]];
                 };
                 if (!column) {
                   return CsvError{line, name_of(column.error().field), column.error().field,
                                   column.error().problem};
                 }
                 levels += static_cast<std::size_t>(column->floors);
                 if (levels > static_cast<std::size_t>(rules::kMostScheduleLevels)) {
                   return CsvError{line, name_of(ScheduleField::Floors), ScheduleField::Floors,
                                   ScheduleProblem::TooManyLevels};
                 }
                 csv.columns.push_back(std::move(*column));
                 csv.lines.push_back(line);
                 return std::nullopt;
               });
  if (error) return std::unexpected(*error);
  return csv;
}

std::expected<std::vector<ColumnEntry>, CsvError> ReadEntriesCsv(std::string_view text) {
  std::vector<ColumnEntry> entries;
  const auto error = ReadRows(text, [&](const std::vector<std::string_view>& fields,
                                        const Header& header, std::size_t /*line*/) {
    const auto value = [&](ScheduleField field) {
      return std::string(ValueOf(fields, header, field));
    };
    entries.push_back({.mark = value(ScheduleField::Mark),
                       .load_text = value(ScheduleField::Load),
                       .floors_text = value(ScheduleField::Floors),
                       .count_text = value(ScheduleField::Count)});
    return std::optional<CsvError>();
  });
  if (error) return std::unexpected(*error);
  return entries;
}

}  // namespace coldesign
