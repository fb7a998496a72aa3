#include "calculation/input_check.h"

#include "calculation/numeric_text.h"

namespace coldesign {
namespace {

// A minus sign before digits passes the input guard; "-0" is no negative value.
bool IsNegative(std::string_view text) {
  const auto value = ParseNumberStrict(text);
  return value && *value < 0;
}

}  // namespace

std::optional<InputProblem> CheckDesignInputs(std::string_view load_text,
                                              std::string_view floors_text) {
  if (load_text.empty()) return InputProblem::LoadEmpty;
  if (floors_text.empty()) return InputProblem::FloorsEmpty;
  if (IsUnfinishedNumber(load_text) || IsUnfinishedNumber(floors_text)) {
    return InputProblem::Unfinished;
  }
  if (IsNegative(load_text) || IsNegative(floors_text)) return InputProblem::Negative;
  return std::nullopt;
}

}  // namespace coldesign
