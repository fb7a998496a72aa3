#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace coldesign {

struct GuardedInput {
  std::string text;                // the field's text after the guard
  std::size_t caret = 0;           // caret position in bytes of `text` (UTF-8)
  bool dropped_separator = false;  // the guard removed a ",", "،" (U+060C), "٬" (U+066C) or
                                   // a space that stood after a digit, or digits typed after a
                                   // digit and a space ("7 5" kept as "7 ")
};

// The input guard of a number field, applied once after each edit by the user.
//
// text: the field's text after the user's edit; caret: the caret after the edit, in bytes of
// `text` (always at a UTF-8 character boundary); last_numeric: the field's text before the edit
// (numeric or empty).
//
// A numeric (IsNumericText) or empty text is kept as is. Otherwise whole characters before the
// caret are removed one by one, nearest the caret first, until the text is numeric or empty; the
// caret then stands where the last removed character stood. When no such removal gives a numeric
// or empty text (a deletion in front of an exponent, say), the result is `last_numeric` with the
// caret at its end. Linear in the length of the text.
GuardedInput GuardedText(std::string_view text, std::size_t caret, std::string_view last_numeric);

}  // namespace coldesign
