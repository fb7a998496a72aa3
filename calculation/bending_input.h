#pragma once

// The moment fields of a design as typed: the two moments, the column's height and whether it
// is braced, read into a BendingDesignInput with the numbers the other fields accept.

#include <expected>
#include <string_view>

#include "calculation/bending_design.h"

namespace coldesign {

// Why a moment field's text is refused. An empty moment is 0; an empty height is refused.
enum class BendingTextProblem { Empty, Unfinished, NotANumber, NotFinite, OutOfRange };

struct RefusedBendingText {
  BendingInputProblem field;
  BendingTextProblem problem;
  friend bool operator==(const RefusedBendingText&, const RefusedBendingText&) = default;
};

struct BendingTexts {
  std::string_view moment_x;  // t·m, any sign
  std::string_view moment_y;
  std::string_view column_height;  // m, within the floor heights the rules table allows
  bool unbraced = false;
};

// The input of the column's design with the moments the texts give; or the first field, in
// the order above, that is refused.
std::expected<BendingDesignInput, RefusedBendingText> ReadBendingInput(ColumnDesignInput column,
                                                                       const BendingTexts& texts);

}  // namespace coldesign
