#pragma once

#include <optional>
#include <string_view>

namespace coldesign {

// Why the inputs of a design are refused before the calculation runs.
enum class InputProblem { LoadEmpty, FloorsEmpty, Unfinished, Negative };

// The first problem of the load and floors texts, in the order of the enumeration: an empty
// load, an empty floors text (looked at only when the load is not empty), a number not finished
// in either ("-", ".", "5e": IsUnfinishedNumber), then a negative value in either. Only exactly
// empty texts count as empty; other texts that are not numbers pass, and the calculation
// reports them.
std::optional<InputProblem> CheckDesignInputs(std::string_view load_text,
                                              std::string_view floors_text);

}  // namespace coldesign
