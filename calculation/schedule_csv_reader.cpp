// The reader of a schedule's CSV file: its header's names, and each row's values taken as a
// column of the schedule or as the row typed. The records themselves come from csv_records.cpp.

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calculation/csv_records.h"
#include "calculation/design_rules.h"
#include "calculation/schedule_csv.h"

namespace coldesign {
namespace {

using detail::FirstInvalidUtf8;
using detail::LineEnds;
using detail::RecordReader;

// A column of the schedule and the names a header may give it.
struct ColumnName {
  ScheduleField field;
  std::string_view english;
  // The second spelled without the hamza, or empty; a Latin letter in either in any case.
  std::array<std::string_view, 2> arabic;
};

constexpr std::array<ColumnName, 6> kColumnNames = {{
    {ScheduleField::Mark, "mark", {"الرمز", ""}},
    {ScheduleField::Load, "load", {"الحمل", ""}},
    {ScheduleField::Floors, "floors", {"الأدوار", "الادوار"}},
    {ScheduleField::Count, "count", {"العدد", ""}},
    {ScheduleField::MomentX, "mx", {"عزم x", ""}},
    {ScheduleField::MomentY, "my", {"عزم y", ""}},
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
        std::ranges::any_of(column.arabic, [name](std::string_view arabic) {
          return !arabic.empty() && EqualsIgnoringAsciiCase(name, arabic);
        })) {
      return column.field;
    }
  }
  return std::nullopt;
}

std::string_view EnglishName(ScheduleField field) {
  return kColumnNames[static_cast<std::size_t>(field)].english;
}

bool IsBlank(std::string_view text) { return TrimBlanks(text).empty(); }

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
  const auto error = ReadRows(
      text,
      [&](const std::vector<std::string_view>& fields, const Header& header,
          std::size_t line) -> std::optional<CsvError> {
        const auto value = [&](ScheduleField field) { return ValueOf(fields, header, field); };
        auto column = ReadEntry({.mark = value(ScheduleField::Mark),
                                 .load = value(ScheduleField::Load),
                                 .floors = value(ScheduleField::Floors),
                                 .count = value(ScheduleField::Count),
                                 .moment_x = value(ScheduleField::MomentX),
                                 .moment_y = value(ScheduleField::MomentY)});
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
                       .count_text = value(ScheduleField::Count),
                       .moment_x_text = value(ScheduleField::MomentX),
                       .moment_y_text = value(ScheduleField::MomentY)});
    return std::optional<CsvError>();
  });
  if (error) return std::unexpected(*error);
  return entries;
}

}  // namespace coldesign
