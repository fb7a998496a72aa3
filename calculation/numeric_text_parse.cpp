// The reader of decimal text: ParseNumberStrict, ParseLeadingNumber and the checks built on them.
// fast_float reads ASCII text; the number grammar's scan hands it the regional digits and point
// made ASCII.

#include <fast_float/fast_float.h>

#include <cassert>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <system_error>

#include "calculation/number_grammar.h"
#include "calculation/numeric_text.h"
#include "calculation/numeric_text_detail.h"

namespace coldesign {
namespace {

constexpr bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }

constexpr std::ptrdiff_t kMostExactDigits = 15;  // 10^15 < 2^53

// The one reader of decimal text, in every build: ASCII [-]digits[.digits][(e|E)[sign]digits]
// with at least one digit, correctly rounded whatever the number of digits. It reports no range
// error: beyond the range of a double it gives an infinity, below it a zero of the number's
// sign.
inline fast_float::from_chars_result ReadAscii(const char* begin, const char* end, double& value) {
  return fast_float::from_chars(begin, end, value, fast_float::chars_format::general);
}

// The longest number that starts at the scanned position, by the number grammar.
struct NumberScan {
  const char* end = nullptr;  // one past the number; nullptr when no number starts there
  bool negative = false;
  bool plus = false;  // a leading '+', which ReadAscii does not take
  bool ascii = true;  // no regional digit or point in the number
};

NumberScan ScanNumber(const char* p, const char* end) {
  NumberScan scan;
  grammar::State state = grammar::kStart;
  bool ascii = true;
  for (const char* at = p; at != end;) {
    const grammar::Char c = grammar::ReadChar(at, end);
    state = grammar::Next(state, c.kind);
    if (state == grammar::kDead || state == grammar::kTrailing) break;
    if (state == grammar::kSign) {
      scan.negative = c.ascii == '-';
      scan.plus = c.ascii == '+';
    }
    ascii &= c.length == 1;
    at += c.length;
    if (grammar::IsAccepting(state)) {  // an exponent letter or sign alone is not taken
      scan.end = at;
      scan.ascii = ascii;
    }
  }
  return scan;
}

// Writes the ASCII form of the scanned number to out (without a leading '+'); returns its end.
char* Normalise(const char* p, const NumberScan& scan, char* out) {
  if (scan.plus) ++p;
  while (p != scan.end) {
    const grammar::Char c = grammar::ReadChar(p, scan.end);
    *out++ = c.kind == grammar::Kind::kPoint ? '.' : c.ascii;
    p += c.length;
  }
  return out;
}

// The value of a scanned number that starts at begin: correctly rounded, an overflow failure
// beyond the range of a double, and a zero of the number's sign below it.
std::expected<double, NumericFailure> Convert(const char* begin, const NumberScan& scan) {
  double value = 0;
  if (scan.ascii) {
    [[maybe_unused]] const auto result = ReadAscii(begin + (scan.plus ? 1 : 0), scan.end, value);
    assert(result.ec == std::errc{} && result.ptr == scan.end);
  } else {
    // Each regional character takes two bytes and becomes one, so the length bounds the copy.
    constexpr std::size_t kSmall = 256;
    const auto length = static_cast<std::size_t>(scan.end - begin);
    char small[kSmall];
    std::string large;
    char* buffer = small;
    if (length > kSmall) {
      large.resize(length);
      buffer = large.data();
    }
    const char* buffer_end = Normalise(begin, scan, buffer);
    [[maybe_unused]] const auto result = ReadAscii(buffer, buffer_end, value);
    assert(result.ec == std::errc{} && result.ptr == buffer_end);
  }
  if (std::isinf(value)) return std::unexpected(NumericFailure::Overflow);
  return value;
}

// Trims U+0020 spaces (and no other blank) from the front, and from the back when asked.
inline void TrimSpaces(const char*& begin, const char*& end, bool back) {
  while (begin != end && *begin == ' ') ++begin;
  if (back) {
    while (end != begin && end[-1] == ' ') --end;
  }
}

// True when the text (already trimmed, not empty) may be handed to ReadAscii directly:
// it starts with an ASCII digit or point after an optional '-' (so no inf/nan, no '+').
inline bool FastPathCandidate(const char* begin, const char* end) {
  const char* first = *begin == '-' ? begin + 1 : begin;
  return first != end && (IsAsciiDigit(*first) || *first == '.');
}

// A few ASCII digits with at most one point (a load, a count, a number of floors): at most 15
// digits make a whole number below 2^53, exact in a double as every power of ten up to 10^22 is,
// so one division rounds the value correctly, as the general reader would. Nothing for any other
// text.
std::optional<double> ShortDecimal(const char* begin, const char* end) {
  if (end - begin > kMostExactDigits + 1) return std::nullopt;
  std::uint64_t digits = 0;
  std::ptrdiff_t count = 0;
  int decimals = -1;  // none before a point
  for (const char* p = begin; p != end; ++p) {
    if (IsAsciiDigit(*p)) {
      digits = digits * 10 + static_cast<unsigned>(*p - '0');
      ++count;
      if (decimals >= 0) ++decimals;
    } else if (*p == '.' && decimals < 0) {
      decimals = 0;
    } else {
      return std::nullopt;
    }
  }
  if (count == 0 || count > kMostExactDigits) return std::nullopt;
  const auto value = static_cast<double>(digits);
  return decimals > 0 ? value / detail::kExactPowersOfTen[static_cast<std::size_t>(decimals)]
                      : value;
}

}  // namespace

std::expected<double, NumericFailure> ParseNumberStrict(std::string_view text) {
  const char* begin = text.data();
  const char* end = begin + text.size();
  TrimSpaces(begin, end, true);
  if (begin == end) return std::unexpected(NumericFailure::TypeMismatch);

  if (const auto value = ShortDecimal(begin, end)) return *value;

  if (FastPathCandidate(begin, end)) {
    double value = 0;
    const auto result = ReadAscii(begin, end, value);
    if (result.ptr == end && result.ec == std::errc{}) {
      if (std::isinf(value)) return std::unexpected(NumericFailure::Overflow);
      return value;
    }
  }

  const NumberScan scan = ScanNumber(begin, end);
  if (scan.end != end) return std::unexpected(NumericFailure::TypeMismatch);
  return Convert(begin, scan);
}

double ParseLeadingNumber(std::string_view text) {
  const char* begin = text.data();
  const char* end = begin + text.size();
  TrimSpaces(begin, end, false);
  if (begin == end) return 0.0;

  if (const auto value = ShortDecimal(begin, end)) return *value;

  if (FastPathCandidate(begin, end)) {
    double value = 0;
    const auto result = ReadAscii(begin, end, value);
    // ReadAscii stops where an ASCII number of this form ends; only a non-ASCII byte
    // (a regional digit or point) or an exponent letter (regional exponent digits) might
    // continue the number for us.
    if (result.ec == std::errc{} &&
        (result.ptr == end || (static_cast<unsigned char>(*result.ptr) < 0x80 &&
                               *result.ptr != 'e' && *result.ptr != 'E'))) {
      return value;
    }
  }

  const NumberScan scan = ScanNumber(begin, end);
  if (scan.end == nullptr) return 0.0;
  const auto value = Convert(begin, scan);
  if (!value) {
    return scan.negative ? -std::numeric_limits<double>::infinity()
                         : std::numeric_limits<double>::infinity();
  }
  return *value;
}

bool IsNumericText(std::string_view text) { return ParseNumberStrict(text).has_value(); }

bool IsUnfinishedNumber(std::string_view text) {
  grammar::State state = grammar::kStart;
  for (const char *p = text.data(), *end = p + text.size(); p != end && state != grammar::kDead;) {
    const grammar::Char c = grammar::ReadChar(p, end);
    state = grammar::Next(state, c.kind);
    p += c.length;
  }
  return grammar::IsUnfinished(state);
}

}  // namespace coldesign
