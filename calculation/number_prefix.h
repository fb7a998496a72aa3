#pragma once

// Private to the calculation library: which beginnings of a text can still become a number
// within the range of a double, for the input guard.

#include <cstddef>
#include <optional>
#include <string_view>

#include "calculation/number_grammar.h"

namespace coldesign::detail {

// The guard's one reader of characters: ReadChar's inline reading of the regional digits is
// compiled once rather than at each use, which keeps the WebAssembly module small.
grammar::Char ReadNumberChar(const char* p, const char* end);

// The longest prefix text[0, k), from <= k <= caret at a character boundary, that joined to the
// text after the caret can still become a number. Linear in the length of the text.
std::optional<std::size_t> LongestKept(std::string_view text, std::size_t from, std::size_t caret);

// True when the text can still become a number: a number, or the beginning of one.
bool CanBecomeNumber(std::string_view text);

}  // namespace coldesign::detail
