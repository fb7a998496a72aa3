#include "calculation/input_guard.h"

#include <algorithm>
#include <cassert>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "calculation/number_grammar.h"
#include "calculation/number_prefix.h"

// The guard's handling of an edit: a deletion, one character typed, or a paste; which part of the
// edit is kept comes from the number's prefixes (number_prefix.cpp).
namespace coldesign {
namespace {

using detail::CanBecomeNumber;
using detail::LongestKept;
using grammar::Char;
using grammar::Kind;

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Where the character that ends at `at` (> 0) starts.
std::size_t PreviousCharStart(std::string_view text, std::size_t at) {
  do {
    --at;
  } while (at > 0 && IsContinuationByte(text[at]));
  return at;
}

Char CharAt(std::string_view text, std::size_t at) {
  return detail::ReadNumberChar(text.data() + at, text.data() + text.size());
}

// True when the character that ends at `at` is a digit.
bool DigitEndsAt(std::string_view text, std::size_t at) {
  return at > 0 && CharAt(text, PreviousCharStart(text, at)).kind == Kind::kDigit;
}

bool IsBlank(const Char& c) { return c.kind == Kind::kSpace || c.kind == Kind::kBlank; }

// A character that stands inside a number, or that a number is written with.
bool IsOfANumber(const Char& c) {
  return c.kind == Kind::kDigit || c.kind == Kind::kPoint || c.kind == Kind::kComma ||
         c.kind == Kind::kSign;
}

// The typed character is a decimal mark: a comma, or the Arabic layout's period key "ز"
// (U+0632) or comma key "و" (U+0648) right after a digit.
bool IsTypedDecimalMark(std::string_view text, std::size_t at, const Char& c) {
  if (c.kind == Kind::kComma) return true;
  const std::string_view typed = text.substr(at, c.length);
  return (typed == "\xD8\xB2" || typed == "\xD9\x88") && DigitEndsAt(text, at);
}

// True when [from, to) holds a space after a digit, typed as a group separator.
bool HoldsSpaceAfterDigit(std::string_view text, std::size_t from, std::size_t to) {
  for (std::size_t at = from; at < to; ++at) {
    if (text[at] == ' ' && DigitEndsAt(text, at)) return true;
  }
  return false;
}

// True when the kept text ends with a digit and blanks, and the removed characters [kept, caret)
// hold a digit: the user went on writing a number after a blank ("7 500"), as in a digit group.
bool StrandsDigitsAfterBlank(std::string_view text, std::size_t kept, std::size_t caret) {
  std::size_t end = kept;
  while (end > 0 && text[end - 1] == ' ') --end;
  if (end == kept || !DigitEndsAt(text, end)) return false;
  for (std::size_t at = kept + 1; at <= caret; ++at) {
    if (DigitEndsAt(text, at)) return true;
  }
  return false;
}

// Where the user's edit starts: the text after the caret is what followed the edit in `before`,
// and what stands in front of the edit is what both texts start with.
std::size_t EditStart(std::string_view text, std::size_t caret, std::string_view before) {
  std::size_t limit = caret;
  if (before.ends_with(text.substr(caret))) {
    limit = std::min(limit, before.size() - (text.size() - caret));
  }
  std::size_t start = 0;
  while (start < limit && start < before.size() && text[start] == before[start]) ++start;
  while (start > 0 && start < text.size() && IsContinuationByte(text[start])) --start;
  return start;
}

// A paste with a blank or invisible mark between two characters of a number: "1 000".
bool HasBlankInsideNumber(std::string_view text, std::size_t start, std::size_t caret) {
  std::size_t at = start;
  while (at > 0 && IsBlank(CharAt(text, PreviousCharStart(text, at)))) {
    at = PreviousCharStart(text, at);
  }
  bool number_before = at > 0 && IsOfANumber(CharAt(text, PreviousCharStart(text, at)));
  bool blank_between = false;
  for (at = start; at < text.size();) {
    const Char c = CharAt(text, at);
    if (IsBlank(c)) {
      blank_between = at < caret || blank_between;
    } else {
      if (blank_between && number_before && IsOfANumber(c)) return true;
      if (at >= caret) return false;
      number_before = IsOfANumber(c);
      blank_between = false;
    }
    at += c.length;
  }
  return false;
}

// The text with [from, to) replaced by `middle`.
std::string Spliced(std::string_view text, std::size_t from, std::size_t to,
                    std::string_view middle) {
  std::string spliced;
  spliced.reserve(text.size() - (to - from) + middle.size());
  spliced.append(text.substr(0, from)).append(middle).append(text.substr(to));
  return spliced;
}

// The characters of the edit [start, caret) removed one by one, nearest the caret first, until
// the text can become a number; when none can, the edit is refused.
GuardedInput KeptOfEdit(std::string_view text, std::size_t start, std::size_t caret,
                        std::string_view before) {
  const std::optional<std::size_t> kept = LongestKept(text, start, caret);
  if (!kept) return {std::string(before), start, HoldsSpaceAfterDigit(text, start, caret)};
  return {Spliced(text, *kept, caret, {}), *kept,
          HoldsSpaceAfterDigit(text, *kept, caret) || StrandsDigitsAfterBlank(text, *kept, caret)};
}

// One character typed at `start`.
GuardedInput Typed(std::string_view text, std::size_t start, std::size_t caret,
                   std::string_view before) {
  if (CanBecomeNumber(text)) return {std::string(text), caret, false};
  if (!IsTypedDecimalMark(text, start, CharAt(text, start))) {
    return KeptOfEdit(text, start, caret, before);
  }
  std::string marked = Spliced(text, start, caret, ".");
  if (CanBecomeNumber(marked)) return {std::move(marked), start + 1, true};
  std::string without = Spliced(text, start, caret, {});
  if (CanBecomeNumber(without)) return {std::move(without), start, true};
  return {std::string(before), start, true};
}

// A text pasted or dropped at `start`: blanks and invisible marks around it go; a comma, or a
// blank inside a number, makes it ambiguous.
GuardedInput Pasted(std::string_view text, std::size_t start, std::size_t caret,
                    std::string_view before) {
  std::size_t first = caret;
  std::size_t last = start;
  for (std::size_t at = start; at < caret;) {
    const Char c = CharAt(text, at);
    if (c.kind == Kind::kComma) return {std::string(before), start, true};
    if (!IsBlank(c)) {
      first = std::min(first, at);
      last = at + c.length;
    }
    at += c.length;
  }
  if (HasBlankInsideNumber(text, start, caret)) return {std::string(before), start, true};
  if (first > last) first = last;  // nothing but blanks
  std::string stripped = Spliced(text, start, caret, text.substr(first, last - first));
  const std::size_t stripped_caret = start + (last - first);
  if (CanBecomeNumber(stripped)) return {std::move(stripped), stripped_caret, false};
  return KeptOfEdit(stripped, start, stripped_caret, before);
}

}  // namespace

GuardedInput GuardedText(std::string_view text, std::size_t caret, std::string_view before) {
  caret = std::min(caret, text.size());
  while (caret > 0 && caret < text.size() && IsContinuationByte(text[caret])) --caret;
  const std::size_t start = EditStart(text, caret, before);
  GuardedInput guarded;
  if (start == caret) {  // a deletion
    guarded = CanBecomeNumber(text) ? GuardedInput{std::string(text), caret, false}
                                    : GuardedInput{std::string(before), start, false};
  } else if (start + CharAt(text, start).length == caret) {
    guarded = Typed(text, start, caret, before);
  } else {
    guarded = Pasted(text, start, caret, before);
  }
  assert(guarded.text == before || CanBecomeNumber(guarded.text));
  return guarded;
}

}  // namespace coldesign
