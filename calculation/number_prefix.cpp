#include "calculation/number_prefix.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cstdint>
#include <optional>
#include <string>

#include "calculation/numeric_text.h"

// The guard looks for the longest prefix of the edit that, joined to the text after the caret,
// can still become a number. Testing each prefix on its own would take quadratic time, so the
// number grammar runs as an automaton: one forward pass over the prefix gives its state at every
// character boundary, and one pass over the text after the caret from each state tells where it
// leads. A text whose exponent can no longer fall must also lie within the range of a double;
// its decimal magnitude follows from counters kept along the way, and only a magnitude of
// exactly 308 needs a look at the digits, which the first 309 significant ones decide.
namespace coldesign::detail {
namespace {

using grammar::Char;
using grammar::Kind;
using grammar::State;

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
      const Char c = ReadNumberChar(p, end);
      run.Feed(c);
      p += c.length;
    }
  }
  for (const char* p = begin; p < end;) {
    const Char c = ReadNumberChar(p, end);
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
    const Char c = ReadNumberChar(p, end);
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

}  // namespace

Char ReadNumberChar(const char* p, const char* end) { return grammar::ReadChar(p, end); }

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
    const Char c = ReadNumberChar(p, split);
    checker.Feed(c);
    p += c.length;
  }
  return kept;
}

bool CanBecomeNumber(std::string_view text) {
  return LongestKept(text, text.size(), text.size()).has_value();
}

}  // namespace coldesign::detail
