#include "calculation/input_guard.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cstdint>
#include <optional>

#include "calculation/numeric_text.h"

// The guard looks for the longest prefix before the caret that, joined to the text after the
// caret, gives a number. Testing each prefix with IsNumericText would take quadratic time, so
// the grammar of a number (the one IsNumericText reads) runs as an automaton: one forward pass
// over the prefix gives its state at every character boundary, and one pass over the text after
// the caret from each state tells which states it completes to a number. A candidate that
// passes the grammar must also lie within the range of a double; its decimal magnitude follows
// from counters kept along the way, and only a magnitude of exactly 308 needs a look at the
// digits, which the first 309 significant ones decide.
namespace coldesign {
namespace {

enum class Kind : std::uint8_t {
  kSpace,
  kSign,
  kDigit,
  kPoint,
  kExponent,
  kSeparator,
  kOther,
  kKindCount
};

struct Char {
  Kind kind = Kind::kOther;
  std::uint8_t length = 1;  // in bytes
  char ascii = 0;           // the ASCII form of a digit, or the sign
};

constexpr Kind AsciiKind(char c) {
  if (c >= '0' && c <= '9') return Kind::kDigit;
  switch (c) {
    case ' ':
      return Kind::kSpace;
    case '+':
    case '-':
      return Kind::kSign;
    case '.':
      return Kind::kPoint;
    case 'e':
    case 'E':
      return Kind::kExponent;
    case ',':
      return Kind::kSeparator;
    default:
      return Kind::kOther;
  }
}

constexpr auto kAsciiKinds = [] {
  std::array<Kind, 0x80> kinds{};
  for (int c = 0; c < 0x80; ++c) kinds[c] = AsciiKind(static_cast<char>(c));
  return kinds;
}();

// A character of two to four bytes that starts at p; a malformed sequence is read byte by byte.
Char ReadMultibyteChar(const char* p, const char* end) {
  const auto lead = static_cast<unsigned char>(*p);
  std::uint8_t length = 1;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
  }
  if (end - p < length) return {};
  for (int i = 1; i < length; ++i) {
    if ((static_cast<unsigned char>(p[i]) & 0xC0) != 0x80) return {};
  }
  if (length == 2) {
    const auto trail = static_cast<unsigned char>(p[1]);
    if (lead == 0xD9 && trail >= 0xA0 && trail <= 0xA9) {  // U+0660..U+0669
      return {Kind::kDigit, 2, static_cast<char>('0' + (trail - 0xA0))};
    }
    if (lead == 0xDB && trail >= 0xB0 && trail <= 0xB9) {  // U+06F0..U+06F9
      return {Kind::kDigit, 2, static_cast<char>('0' + (trail - 0xB0))};
    }
    if (lead == 0xD9 && trail == 0xAB) return {Kind::kPoint, 2, '.'};          // U+066B
    if ((lead == 0xD8 && trail == 0x8C) || (lead == 0xD9 && trail == 0xAC)) {  // U+060C, U+066C
      return {Kind::kSeparator, 2, ','};
    }
  }
  return {Kind::kOther, length, 0};
}

// The character that starts at p (p < end).
inline Char ReadChar(const char* p, const char* end) {
  if (static_cast<unsigned char>(*p) < 0x80)
    return {kAsciiKinds[static_cast<unsigned char>(*p)], 1, *p};
  return ReadMultibyteChar(p, end);
}

// The automaton of "[spaces][sign]digits[point digits][exponent [sign] digits][spaces]" with
// at least one mantissa digit.
enum State : std::uint8_t {
  kStart,           // nothing but spaces yet
  kSign,            // the mantissa's sign
  kInteger,         // digits before any point
  kLonePoint,       // a point with no digit before it
  kIntegerPoint,    // a point after digits
  kFraction,        // digits after the point
  kExponentLetter,  // "e" or "E"
  kExponentSign,    // the exponent's sign
  kExponentDigits,  // the exponent's digits
  kTrailing,        // spaces after the number
  kDead,            // no longer a number, whatever follows
  kStateCount
};

constexpr bool IsAccepting(State state) {
  return state == kInteger || state == kIntegerPoint || state == kFraction ||
         state == kExponentDigits || state == kTrailing;
}

constexpr bool IsMantissa(State state) { return state <= kFraction; }

constexpr State Transition(State state, Kind kind) {
  switch (kind) {
    case Kind::kSpace:
      if (state == kStart) return kStart;
      return IsAccepting(state) ? kTrailing : kDead;
    case Kind::kSign:
      if (state == kStart) return kSign;
      return state == kExponentLetter ? kExponentSign : kDead;
    case Kind::kDigit:
      switch (state) {
        case kStart:
        case kSign:
        case kInteger:
          return kInteger;
        case kLonePoint:
        case kIntegerPoint:
        case kFraction:
          return kFraction;
        case kExponentLetter:
        case kExponentSign:
        case kExponentDigits:
          return kExponentDigits;
        default:
          return kDead;
      }
    case Kind::kPoint:
      if (state == kStart || state == kSign) return kLonePoint;
      return state == kInteger ? kIntegerPoint : kDead;
    case Kind::kExponent:
      return state == kInteger || state == kIntegerPoint || state == kFraction ? kExponentLetter
                                                                               : kDead;
    case Kind::kSeparator:
    case Kind::kOther:
    case Kind::kKindCount:
      return kDead;
  }
  return kDead;
}

constexpr auto kTransitions = [] {
  constexpr auto kKinds = static_cast<std::size_t>(Kind::kKindCount);
  std::array<std::array<State, kKinds>, kStateCount> table{};
  for (std::size_t s = 0; s < kStateCount; ++s) {
    for (std::size_t k = 0; k < kKinds; ++k) {
      table[s][k] = Transition(static_cast<State>(s), static_cast<Kind>(k));
    }
  }
  return table;
}();

constexpr State Next(State state, Kind kind) {
  return kTransitions[state][static_cast<std::size_t>(kind)];
}

// Far beyond any exponent that matters; exponent values saturate here.
constexpr std::int64_t kExponentCap = 1'000'000'000'000'000;

// The decimal exponent of the first significant digit of the largest finite double.
constexpr std::int64_t kLargestMagnitude = 308;

// At the largest magnitude, the first 309 significant digits decide whether a number rounds
// beyond the largest double (the rounding limit is a whole number of 309 digits).
constexpr std::size_t kBorderDigits = 320;

// What a run of characters read from some state adds to a number.
struct NumberRun {
  State state = kStart;
  std::int64_t integer_digits = 0;  // mantissa digits before the point
  std::int64_t mantissa_digits = 0;
  std::int64_t first_nonzero = -1;  // index of the first non-zero mantissa digit
  bool exponent_negative = false;
  std::int64_t exponent = 0;  // saturates at kExponentCap
  std::int64_t exponent_digits = 0;

  void Feed(const Char& c) {
    const State next = Next(state, c.kind);
    if (next == kInteger || next == kFraction) {
      if (first_nonzero < 0 && c.ascii != '0') first_nonzero = mantissa_digits;
      ++mantissa_digits;
      if (next == kInteger) ++integer_digits;
    } else if (next == kExponentDigits) {
      if (exponent < kExponentCap) exponent = exponent * 10 + (c.ascii - '0');
      ++exponent_digits;
    } else if (next == kExponentSign) {
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
  std::array<NumberRun, kStateCount> runs;
  const char* first_significant;  // its first non-zero mantissa digit, or end
};

Suffix ReadSuffix(const char* begin, const char* end) {
  Suffix suffix{begin, end, {}, end};
  for (std::uint8_t s = 0; s < kStateCount; ++s) {
    NumberRun& run = suffix.runs[s];
    run.state = static_cast<State>(s);
    for (const char* p = begin; p < end && run.state != kDead;) {
      const Char c = ReadChar(p, end);
      run.Feed(c);
      p += c.length;
    }
  }
  for (const char* p = begin; p < end;) {
    const Char c = ReadChar(p, end);
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
    const Char c = ReadChar(p, end);
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

// Walks the prefixes before the caret and tells which of them, joined to the suffix, is a
// number.
class CandidateChecker {
 public:
  explicit CandidateChecker(const Suffix& suffix) : suffix_(suffix) {
    leading_digits_.reserve(kBorderDigits);
  }

  [[nodiscard]] const NumberRun& prefix() const { return prefix_; }

  void Feed(const Char& c) {
    prefix_.Feed(c);
    if ((prefix_.state == kInteger || prefix_.state == kFraction) && prefix_.first_nonzero >= 0 &&
        leading_digits_.size() < kBorderDigits) {
      leading_digits_ += c.ascii;
    }
  }

  // True when the prefix read so far, joined to the suffix, is a number.
  bool IsNumber() {
    const NumberRun& rest = suffix_.runs[prefix_.state];
    if (!IsAccepting(rest.state)) return false;
    std::int64_t first_nonzero = prefix_.first_nonzero;
    if (first_nonzero < 0 && rest.first_nonzero >= 0) {
      first_nonzero = prefix_.mantissa_digits + rest.first_nonzero;
    }
    if (first_nonzero < 0) return true;  // zero, whatever its exponent
    std::int64_t exponent = rest.exponent;
    if (prefix_.exponent != 0) exponent += Shifted(prefix_.exponent, rest.exponent_digits);
    const bool negative = prefix_.exponent_negative || rest.exponent_negative;
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
      if (IsMantissa(prefix_.state)) {
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

// True when the bytes at `at` end a digit.
bool DigitEndsAt(std::string_view text, std::size_t at) {
  if (at >= 1 && text[at - 1] >= '0' && text[at - 1] <= '9') return true;
  if (at < 2) return false;
  const auto lead = static_cast<unsigned char>(text[at - 2]);
  const auto trail = static_cast<unsigned char>(text[at - 1]);
  return (lead == 0xD9 && trail >= 0xA0 && trail <= 0xA9) ||
         (lead == 0xDB && trail >= 0xB0 && trail <= 0xB9);
}

// True when the characters in [from, to) hold a comma-like separator or a space after a digit.
// (Every byte of those characters is one that no other character of valid UTF-8 starts with.)
bool HoldsSeparator(std::string_view text, std::size_t from, std::size_t to) {
  for (std::size_t i = from; i < to; ++i) {
    switch (text[i]) {
      case ',':
        return true;
      case ' ':
        if (DigitEndsAt(text, i)) return true;
        break;
      case '\xD8':
      case '\xD9':
        if (i + 1 < to && ReadChar(text.data() + i, text.data() + to).kind == Kind::kSeparator) {
          return true;
        }
        break;
      default:
        break;
    }
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

}  // namespace

GuardedInput GuardedText(std::string_view text, std::size_t caret, std::string_view last_numeric) {
  caret = std::min(caret, text.size());
  if (text.empty() || IsNumericText(text)) return {std::string(text), caret, false};

  const char* begin = text.data();
  const char* split = begin + caret;
  const Suffix suffix = ReadSuffix(split, begin + text.size());
  CandidateChecker checker(suffix);
  std::optional<std::size_t> kept;  // the longest prefix that gives a number
  for (const char* p = begin; p < split && checker.prefix().state != kDead;) {
    if (checker.IsNumber()) kept = static_cast<std::size_t>(p - begin);
    const Char c = ReadChar(p, split);
    checker.Feed(c);
    p += c.length;
  }

  GuardedInput guarded;
  if (kept) {
    guarded.text.reserve(*kept + text.size() - caret);
    guarded.text.append(text.substr(0, *kept)).append(text.substr(caret));
    guarded.caret = *kept;
  } else if (caret == text.size()) {  // all of it removed
    guarded.caret = 0;
  } else {
    guarded.text = last_numeric;
    guarded.caret = last_numeric.size();
  }
  guarded.dropped_separator = HoldsSeparator(text, kept.value_or(0), caret) ||
                              (kept && StrandsDigitsAfterBlank(text, *kept, caret));
  assert(guarded.text.empty() || IsNumericText(guarded.text) || guarded.text == last_numeric);
  return guarded;
}

}  // namespace coldesign
