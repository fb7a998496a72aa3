#include "calculation/bending_input.h"

#include <utility>

#include "calculation/numeric_text.h"
#include "calculation/schedule_entry.h"

namespace coldesign {
namespace {

// The number of a field's text; an empty text is `empty`, or refused when there is none.
std::expected<double, BendingTextProblem> ReadField(std::string_view text,
                                                    std::optional<double> empty) {
  if (TrimBlanks(text).empty()) {
    if (empty) return *empty;
    return std::unexpected(BendingTextProblem::Empty);
  }
  const auto value = ParseNumberStrict(text);
  if (value) return *value;
  if (value.error() == NumericFailure::Overflow) {
    return std::unexpected(BendingTextProblem::NotFinite);
  }
  return std::unexpected(IsUnfinishedNumber(text) ? BendingTextProblem::Unfinished
                                                  : BendingTextProblem::NotANumber);
}

}  // namespace

std::expected<BendingDesignInput, RefusedBendingText> ReadBendingInput(ColumnDesignInput column,
                                                                       const BendingTexts& texts) {
  const std::pair<BendingInputProblem, std::expected<double, BendingTextProblem>> fields[] = {
      {BendingInputProblem::MomentX, ReadField(texts.moment_x, 0.0)},
      {BendingInputProblem::MomentY, ReadField(texts.moment_y, 0.0)},
      {BendingInputProblem::ColumnHeight, ReadField(texts.column_height, std::nullopt)},
  };
  for (const auto& [field, value] : fields) {
    if (!value) return std::unexpected(RefusedBendingText{field, value.error()});
  }
  BendingDesignInput input{.column = std::move(column),
                           .moment_x_t_m = *fields[0].second,
                           .moment_y_t_m = *fields[1].second,
                           .column_height_m = *fields[2].second,
                           .unbraced = texts.unbraced,
                           .length_factor = std::nullopt};
  if (const auto problem = CheckBendingInput(input)) {
    return std::unexpected(RefusedBendingText{*problem, BendingTextProblem::OutOfRange});
  }
  return input;
}

}  // namespace coldesign
