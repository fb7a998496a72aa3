#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace coldesign {

struct GuardedInput {
  std::string text;                // the field's text after the guard
  std::size_t caret = 0;           // caret position in bytes of `text` (UTF-8)
  bool dropped_separator = false;  // the field shows the decimal-mark hint: a comma or blank
                                   // was read as the decimal mark, removed, or made a paste
                                   // ambiguous
};

// The input guard of a number field, applied once after each edit by the user.
//
// text: the field's text after the user's edit; caret: the caret after the edit, in bytes of
// `text`; before: the field's text before the edit. The edit is what `text` holds in front of
// the caret that `before` does not: one character typed, a paste (or drop) of several, or
// nothing for a deletion.
//
// The field keeps what can still become a number within the range of a double: a number, or
// the beginning of one ("-", ".", "5e-"); nothing is turned into another number.
// - A typed "," "،" (U+060C) or "٬" (U+066C), or the Arabic layout's "ز" or "و" after a digit,
//   becomes the point "." where a point may stand, and goes where none may.
// - A paste loses the blanks and invisible marks (bidi marks, no-break and zero-width spaces,
//   tab) around it; one with a comma, or with a blank between characters of a number ("1 000"),
//   is ambiguous and refused whole.
// - Otherwise the characters of the edit are removed one by one, nearest the caret first, until
//   the text can become a number; the caret then stands where the last removed character stood.
// A deletion that leaves no beginning of a number, and an edit that no removal mends, is
// refused: the result is `before`, with the caret where the edit started. Linear in the length
// of the text.
GuardedInput GuardedText(std::string_view text, std::size_t caret, std::string_view before);

}  // namespace coldesign
