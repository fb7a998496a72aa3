#include "calculation/input_guard.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cstdint>
#include <optional>

#include "calculation/number_grammar.h"
#include "calculation/numeric_text.h"

// The guard looks for the longest prefix of the edit that, joined to the text after the caret,
// can still become a number. Testing each prefix on its own would take quadratic time, so the
// number grammar runs as an automaton: one forward pass over the prefix gives its state at every
// character boundary, and one pass over the text after the caret from each state tells where it
// leads. A text whose exponent can no longer fall must also lie within the range of a double;
// its decimal magnitude follows from counters kept along the way, and only a magnitude of
// exactly 308 needs a look at the digits, which the first 309 significant ones decide.
namespace coldesign {
namespace {

using grammar::Char;
using grammar::Kind;
using grammar::State;

// The guard's one reader of characters: ReadChar's inline reading of the regional digits is
// compiled once here rather than at each use, which keeps the WebAssembly module small.
Char ReadAt(const char* p, const char* end) { return grammar::ReadChar(p, end); }

// Far beyond any exponent that matters; exponent values saturate here.
constexpr std::int64_t kExponentCap = 1'000'000'000'000'000;

// The decimal exponent of the first significant digit of the largest finite double.
constexpr std::int64_t kLargestMagnitude = 308;

// At the largest magnitude, the first 309 significant digits decide whether a number rounds
// beyond the largest double (the rounding limit is a whole number of 309 digits).
constexpr std::size_t kBorderDigits = 320;

// What a run of characters read from some state adds to a number.
struct NumberRun {
  State state = grammar::kStart;
  std::int64_t integer_digits = 0;  // mantissa digits before the point
  std::int64_t mantissa_digits = 0;
  std::int64_t first_nonzero = -1;  // index of the first non-zero mantissa digit
  bool exponent_negative = false;
  std::int64_t exponent = 0;  // saturates at kExponentCap
  std::int64_t exponent_digits = 0;

  void Feed(const Char& c) {
    const State next = grammar::Next(state, c.kind);
    if (next == grammar::kInteger || next == grammar::kFraction) {
      if (first_nonzero < 0 && c.ascii != '0') first_nonzero = mantissa_digits;
      ++mantissa_digits;
      if (next == grammar::kInteger) ++integer_digits;
    } else if (next == grammar::kExponentDigits) {
      if (exponent < kExponentCap) exponent = exponent * 10 + (c.ascii - '0');
      ++exponent_digits;
    } else if (next == grammar::kExponentSign) {
      exponent_negative = c.ascii == '-';
    }
    state = next;
  }

  [[nodiscard]] std::int64_t significant_digits() const {
    return first_nonzero < 0 ? 0 : mantissa_digits - first_nonzero;
  }
};

// value x 10^digits, saturated at kExponentCap.
std::int64_t Shifted(std::int64_t value, std::int64_t digits) {
  for (; value != 0 && digits > 0 && value < kExponentCap; --digits) value *= 10;
  return std::min(value, kExponentCap);
}

// The text after the caret, read from every state of the automaton.
struct Suffix {
  const char* begin;
  const char* end;
  std::array<NumberRun, grammar::kStateCount> runs;
  const char* first_significant;  // its first non-zero mantissa digit, or end
};

Suffix ReadSuffix(const char* begin, const char* end) {
  Suffix suffix{begin, end, {}, end};
  for (std::uint8_t s = 0; s < grammar::kStateCount; ++s) {
    NumberRun& run = suffix.runs[s];
    run.state = static_cast<State>(s);
    for (const char* p = begin; p < end && run.state != grammar::kDead;) {
      const Char c = ReadAt(p, end);
      run.Feed(c);
      p += c.length;
    }
  }
  for (const char* p = begin; p < end;) {
    const Char c = ReadAt(p, end);
    if (c.kind == Kind::kDigit && c.ascii != '0') {
      suffix.first_significant = p;
      break;
    }
    if (c.kind != Kind::kDigit && c.kind != Kind::kSpace && c.kind != Kind::kSign &&
        c.kind != Kind::kPoint) {
      break;
    }
    p += c.length;
  }
  return suffix;
}

// Appends the mantissa digits from p up to the exponent, the end of the number or a full buffer.
void AppendMantissaDigits(const char* p, const char* end, std::string& digits) {
  while (p < end && digits.size() < kBorderDigits) {
    const Char c = ReadAt(p, end);
    if (c.kind == Kind::kDigit) {
      digits += c.ascii;
    } else if (c.kind != Kind::kPoint) {
      break;
    }
    p += c.length;
  }
}

// True when a number whose significant digits start with `digits` and whose first digit
// stands for 10^308 rounds beyond the largest double.
bool OverflowsAtLargestMagnitude(const std::string& digits) {
  std::string text;
  text.reserve(digits.size() + 6);
  text += digits.front();
  text += '.';
  text.append(digits, 1);
  text += "e308";
  const auto value = ParseNumberStrict(text);
  return !value && value.error() == NumericFailure::Overflow;
}

// Only a number whose exponent can no longer fall must lie within the range of a double: more
// mantissa digits may still be followed by a negative exponent.
constexpr bool HasLowestValue(State state, bool negative_exponent) {
  return state == grammar::kTrailing ||
         ((state == grammar::kExponentSign || state == grammar::kExponentDigits) &&
          !negative_exponent);
}

// Walks the prefixes before the caret and tells which of them, joined to the suffix, can still
// become a number.
class CandidateChecker {
 public:
  explicit CandidateChecker(const Suffix& suffix) : suffix_(suffix) {
    leading_digits_.reserve(kBorderDigits);
  }

  [[nodiscard]] const NumberRun& prefix() const { return prefix_; }

  void Feed(const Char& c) {
    prefix_.Feed(c);
    if ((prefix_.state == grammar::kInteger || prefix_.state == grammar::kFraction) &&
        prefix_.first_nonzero >= 0 && leading_digits_.size() < kBorderDigits) {
      leading_digits_ += c.ascii;
    }
  }

  // True when the prefix read so far, joined to the suffix, can still become a number.
  bool CanBecomeNumber() {
    const NumberRun& rest = suffix_.runs[prefix_.state];
    if (rest.state == grammar::kDead) return false;
    const bool negative = prefix_.exponent_negative || rest.exponent_negative;
    if (!HasLowestValue(rest.state, negative)) return true;
    std::int64_t first_nonzero = prefix_.first_nonzero;
    if (first_nonzero < 0 && rest.first_nonzero >= 0) {
      first_nonzero = prefix_.mantissa_digits + rest.first_nonzero;
    }
    if (first_nonzero < 0) return true;  // zero, whatever its exponent
    std::int64_t exponent = rest.exponent;
    if (prefix_.exponent != 0) exponent += Shifted(prefix_.exponent, rest.exponent_digits);
    const std::int64_t magnitude = prefix_.integer_digits + rest.integer_digits - 1 -
                                   first_nonzero + (negative ? -exponent : exponent);
    if (magnitude != kLargestMagnitude) return magnitude < kLargestMagnitude;
    return !OverflowsAtBorder();
  }

 private:
  // Candidates with the same prefix state and the same count of significant prefix digits
  // (up to kBorderDigits) have the same leading digits, so their answer is remembered; such
  // candidates come in runs as the prefix grows.
  bool OverflowsAtBorder() {
    const auto significant = static_cast<std::size_t>(
        std::min<std::int64_t>(prefix_.significant_digits(), kBorderDigits));
    const BorderKey key{prefix_.state, significant};
    if (border_key_ != key) {
      std::string digits(leading_digits_, 0, significant);
      if (grammar::IsMantissa(prefix_.state)) {
        AppendMantissaDigits(significant > 0 ? suffix_.begin : suffix_.first_significant,
                             suffix_.end, digits);
      }
      assert(!digits.empty());
      border_key_ = key;
      border_overflows_ = OverflowsAtLargestMagnitude(digits);
    }
    return border_overflows_;
  }

  struct BorderKey {
    State state;
    std::size_t significant_digits;
    bool operator==(const BorderKey&) const = default;
  };

  const Suffix& suffix_;
  NumberRun prefix_;
  std::string leading_digits_;  // the prefix's first significant digits, in ASCII
  std::optional<BorderKey> border_key_;
  bool border_overflows_ = false;
};

// The longest prefix text[0, k), from <= k <= caret at a character boundary, that joined to the
// text after the caret can still become a number.
std::optional<std::size_t> LongestKept(std::string_view text, std::size_t from, std::size_t caret) {
  const char* const begin = text.data();
  const char* const split = begin + caret;
  const Suffix suffix = ReadSuffix(split, begin + text.size());
  CandidateChecker checker(suffix);
  std::optional<std::size_t> kept;
  for (const char* p = begin; checker.prefix().state != grammar::kDead;) {
    const auto at = static_cast<std::size_t>(p - begin);
    if (at >= from && checker.CanBecomeNumber()) kept = at;
    if (p == split) break;
    const Char c = ReadAt(p, split);
    checker.Feed(c);
    p += c.length;
  }
  return kept;
}

bool CanBecomeNumber(std::string_view text) {
  return LongestKept(text, text.size(), text.size()).has_value();
}

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Where the character that ends at `at` (> 0) starts.
std::size_t PreviousCharStart(std::string_view text, std::size_t at) {
  do {
    --at;
  } while (at > 0 && IsContinuationByte(text[at]));
  return at;
}

Char CharAt(std::string_view text, std::size_t at) {
  return ReadAt(text.data() + at, text.data() + text.size());
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
