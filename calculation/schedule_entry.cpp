#include "calculation/schedule_entry.h"

#include <cmath>
#include <tuple>

#include "calculation/design_rules.h"
#include "calculation/numeric_text.h"

namespace coldesign {
namespace {

// A whole number from least to most, or the problem: NotANumber, NotWholeNumber or `range`.
std::expected<int, ScheduleProblem> ReadWhole(std::string_view text, int least, int most,
                                              ScheduleProblem range) {
  const auto value = ParseNumberStrict(text);
  if (!value) {
    return std::unexpected(value.error() == NumericFailure::Overflow ? range
                                                                     : ScheduleProblem::NotANumber);
  }
  if (*value != std::floor(*value)) return std::unexpected(ScheduleProblem::NotWholeNumber);
  if (*value < least || *value > most) return std::unexpected(range);
  return static_cast<int>(*value);
}

}  // namespace

bool HasUnprintable(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte < 0x20 || byte == 0x7F) return true;
    if (i + 1 >= text.size()) continue;
    const auto next = static_cast<unsigned char>(text[i + 1]);
    // U+0080–U+009F is C2 80 … C2 9F.
    if (byte == 0xC2 && next >= 0x80 && next <= 0x9F) return true;
    if (i + 2 >= text.size() || byte != 0xE2) continue;
    const auto last = static_cast<unsigned char>(text[i + 2]);
    // U+2028–U+202E is E2 80 A8 … E2 80 AE; U+2066–U+2069 is E2 81 A6 … E2 81 A9.
    if ((next == 0x80 && last >= 0xA8 && last <= 0xAE) ||
        (next == 0x81 && last >= 0xA6 && last <= 0xA9)) {
      return true;
    }
  }
  return false;
}

std::string_view TrimBlanks(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

std::expected<ColumnInput, EntryError> ReadEntry(const ColumnEntry& entry) {
  return ReadEntry({.mark = entry.mark,
                    .load = entry.load_text,
                    .floors = entry.floors_text,
                    .count = entry.count_text,
                    .moment_x = entry.moment_x_text,
                    .moment_y = entry.moment_y_text});
}

std::expected<ColumnInput, EntryError> ReadEntry(const EntryTexts& texts) {
  ColumnInput input;
  input.mark = TrimBlanks(texts.mark);
  if (input.mark.size() > static_cast<std::size_t>(rules::kMostMarkBytes)) {
    return std::unexpected(EntryError{ScheduleField::Mark, ScheduleProblem::MarkTooLong});
  }
  if (HasUnprintable(input.mark)) {
    return std::unexpected(EntryError{ScheduleField::Mark, ScheduleProblem::MarkNotPrintable});
  }

  const std::string_view load = TrimBlanks(texts.load);
  if (load.empty()) {
    return std::unexpected(EntryError{ScheduleField::Load, ScheduleProblem::MissingValue});
  }
  // A load beyond the range of a double is left to the design, which reports the overflow.
  const auto load_value = ParseNumberStrict(load);
  if (!load_value && load_value.error() == NumericFailure::TypeMismatch) {
    return std::unexpected(EntryError{ScheduleField::Load, ScheduleProblem::NotANumber});
  }
  if (load_value && *load_value < 0) {
    return std::unexpected(EntryError{ScheduleField::Load, ScheduleProblem::NegativeLoad});
  }
  input.load_text = load;

  const std::string_view floors = TrimBlanks(texts.floors);
  if (floors.empty()) {
    return std::unexpected(EntryError{ScheduleField::Floors, ScheduleProblem::MissingValue});
  }
  const auto floor_count =
      ReadWhole(floors, 1, rules::kMostFloors, ScheduleProblem::FloorsOutOfRange);
  if (!floor_count) return std::unexpected(EntryError{ScheduleField::Floors, floor_count.error()});
  input.floors = *floor_count;

  const std::string_view count = TrimBlanks(texts.count);
  if (!count.empty()) {
    const auto column_count =
        ReadWhole(count, 1, rules::kMostColumnCount, ScheduleProblem::CountOutOfRange);
    if (!column_count) {
      return std::unexpected(EntryError{ScheduleField::Count, column_count.error()});
    }
    input.count = *column_count;
  }

  for (const auto& [text, field, moment] :
       {std::tuple{texts.moment_x, ScheduleField::MomentX, &input.moment_x_t_m},
        std::tuple{texts.moment_y, ScheduleField::MomentY, &input.moment_y_t_m}}) {
    const std::string_view trimmed = TrimBlanks(text);
    if (trimmed.empty()) continue;
    // A moment beyond the range of a double is no moment to design for.
    const auto value = ParseNumberStrict(trimmed);
    if (!value) return std::unexpected(EntryError{field, ScheduleProblem::NotANumber});
    *moment = *value + 0.0;  // -0 is 0
  }
  return input;
}

}  // namespace coldesign
