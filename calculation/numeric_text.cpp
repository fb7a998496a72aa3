#include "calculation/numeric_text.h"

#include <fast_float/fast_float.h>

#include <algorithm>
#include <array>
#include <cassert>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <optional>
#include <system_error>

#include "calculation/number_grammar.h"
#include "calculation/numeric_text_detail.h"
#include "calculation/significant_digits.h"

namespace coldesign {
namespace {

constexpr bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }

constexpr std::ptrdiff_t kMostExactDigits = 15;  // 10^15 < 2^53

// 10^0 … 10^22: every one exact in a double.
constexpr int kMostExactPowerOfTen = 22;
constexpr auto kExactPowersOfTen = [] {
  std::array<double, kMostExactPowerOfTen + 1> powers{};
  powers[0] = 1;
  for (std::size_t i = 1; i < powers.size(); ++i) powers[i] = powers[i - 1] * 10;
  return powers;
}();

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
  return decimals > 0 ? value / kExactPowersOfTen[static_cast<std::size_t>(decimals)] : value;
}

// --- Formatting

constexpr int kSignificantDigits = 15;
// A fixed length a plain text's digits are copied in, all of them at once.
constexpr std::size_t kCopied = 16;
constexpr int kLowestPlainExponent = -4;   // 0.0001 is written plainly, 0.00001 as 1E-05
constexpr int kHighestPlainExponent = 14;  // 999999999999999 plainly, 1E+15 in scientific form

// "00" "01" … "99": two digits at a time.
constexpr auto kDigitPairs = [] {
  std::array<char, 200> pairs{};
  for (std::size_t i = 0; i < 100; ++i) {
    pairs[2 * i] = static_cast<char>('0' + i / 10);
    pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
  }
  return pairs;
}();

// Writes the `count` (even) digits of value, with leading zeros, ending at end.
void WriteDigitPairs(std::uint32_t value, char* end, int count) {
  for (; count > 0; count -= 2) {
    const std::uint32_t pair = value % 100;
    value /= 100;
    end -= 2;
    std::copy_n(kDigitPairs.data() + std::size_t{2} * pair, 2, end);
  }
}

// Writes the 15 digits of 10^14 <= digits < 10^15 to out.
void WriteFifteenDigits(std::uint64_t digits, char* out) {
  constexpr std::uint64_t kLowDigitsLimit = 100'000'000;  // the last 8 digits, then 7
  const auto high = static_cast<std::uint32_t>(digits / kLowDigitsLimit);
  const auto low = static_cast<std::uint32_t>(digits % kLowDigitsLimit);
  out[0] = static_cast<char>('0' + high / 1'000'000);
  WriteDigitPairs(high % 1'000'000, out + 7, 6);
  WriteDigitPairs(low, out + 15, 8);
}

// The text of a finite value other than zero, from its 15 rounded digits; returns its end.
char* WriteRounded(bool negative, detail::FifteenDigits rounded, char* out) {
  // The digits, then room enough to copy kCopied bytes from any of them.
  char digits[kSignificantDigits + kCopied] = {};
  WriteFifteenDigits(rounded.digits, digits);
  int count = kSignificantDigits;
  while (count > 1 && digits[count - 1] == '0') --count;
  const int exponent = rounded.exponent;

  char* o = out;
  if (negative) *o++ = '-';
  if (exponent >= kLowestPlainExponent && exponent <= kHighestPlainExponent) {
    if (exponent >= 0) {  // ddd, ddd000 or ddd.ddd
      const int whole = exponent + 1;
      if (count <= whole) {
        o = std::copy(digits, digits + count, o);
        o = std::fill_n(o, whole - count, '0');
      } else {  // kCopied bytes copied at once; the text ends after its own digits
        std::memcpy(o, digits, kCopied);
        o += whole;
        *o++ = '.';
        std::memcpy(o, digits + whole, kCopied);
        o += count - whole;
      }
    } else {  // 0.000ddd
      *o++ = '0';
      *o++ = '.';
      o = std::fill_n(o, -exponent - 1, '0');
      o = std::copy(digits, digits + count, o);
    }
  } else {  // d.dddE+dd
    *o++ = digits[0];
    if (count > 1) {
      *o++ = '.';
      o = std::copy(digits + 1, digits + count, o);
    }
    *o++ = 'E';
    *o++ = exponent < 0 ? '-' : '+';
    const int magnitude = exponent < 0 ? -exponent : exponent;
    if (magnitude < 10) *o++ = '0';
    o = std::to_chars(o, out + detail::kNumberTextCapacity, magnitude).ptr;
  }
  return o;
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

namespace detail {

std::size_t FormatNumberTo(double value, char* out) {
  if (value == 0) {  // also -0.0
    *out = '0';
    return 1;
  }
  if (!std::isfinite(value)) {  // never met by the calculation; not numeric texts
    const std::string_view text = std::isnan(value) ? "nan" : value < 0 ? "-inf" : "inf";
    return static_cast<std::size_t>(std::copy(text.begin(), text.end(), out) - out);
  }
  const FifteenDigits rounded = RoundToFifteenDigits(std::fabs(value));
  return static_cast<std::size_t>(WriteRounded(value < 0, rounded, out) - out);
}

std::size_t FormatIntegerTo(std::int64_t value, char* out) {
  return static_cast<std::size_t>(std::to_chars(out, out + kNumberTextCapacity, value).ptr - out);
}

namespace {

// The value of the text of these 15 digits, when one exact multiplication or division gives it:
// with at most 15 digits (below 2^53) and a power of ten of at most 22, both are exact doubles,
// and one operation rounds their product or quotient correctly, to the double a correct reader
// of the text gives (Clinger's fast path).
std::optional<double> ExactValue(bool negative, FifteenDigits rounded) {
  const int scale = rounded.exponent - (kSignificantDigits - 1);
  if (scale < -kMostExactPowerOfTen || scale > kMostExactPowerOfTen) return std::nullopt;
  const auto digits = static_cast<double>(rounded.digits);
  const double magnitude =
      scale < 0 ? digits / kExactPowersOfTen[-scale] : digits * kExactPowersOfTen[scale];
  return negative ? -magnitude : magnitude;
}

}  // namespace

WrittenNumber WriteNumber(double value) {
  WrittenNumber number;
  if (value == 0 || !std::isfinite(value)) {
    number.size = FormatNumberTo(value, number.text);
    number.value = ParseNumberStrict(number.view());
    return number;
  }
  const FifteenDigits rounded = RoundToFifteenDigits(std::fabs(value));
  number.size =
      static_cast<std::size_t>(WriteRounded(value < 0, rounded, number.text) - number.text);
  const std::optional<double> exact = ExactValue(value < 0, rounded);
  number.value =
      exact ? std::expected<double, NumericFailure>(*exact) : ParseNumberStrict(number.view());
  return number;
}

std::expected<double, NumericFailure> ReadBack(double value) {
  if (value != 0 && std::isfinite(value)) {
    if (const auto exact = ExactValue(value < 0, RoundToFifteenDigits(std::fabs(value)))) {
      return *exact;
    }
  }
  return WriteNumber(value).value;
}

}  // namespace detail

std::string FormatNumber(double value) {
  char buffer[detail::kNumberTextCapacity];
  return {buffer, detail::FormatNumberTo(value, buffer)};
}

std::string FormatInteger(std::int64_t value) {
  char buffer[detail::kNumberTextCapacity];
  return {buffer, detail::FormatIntegerTo(value, buffer)};
}

std::string FormatFixed(double value, int decimals) {
  const double magnitude = std::fabs(value);
  if (!(magnitude < 0x1p64)) return FormatNumber(value);
  const detail::FixedDigits fixed = detail::RoundToDecimals(magnitude, decimals);
  char buffer[2 * detail::kNumberTextCapacity];
  char* o = buffer;
  if (std::signbit(value)) *o++ = '-';
  o = std::to_chars(o, buffer + sizeof buffer, fixed.whole).ptr;
  if (decimals > 0) {
    *o++ = '.';
    char fraction[detail::kNumberTextCapacity];
    const char* end = std::to_chars(fraction, fraction + sizeof fraction, fixed.fraction).ptr;
    o = std::fill_n(o, decimals - (end - fraction), '0');
    o = std::copy(static_cast<const char*>(fraction), end, o);
  }
  return {buffer, o};
}

std::expected<std::int16_t, NumericFailure> RoundToInteger16(double value) {
  // Also rejects NaN. Inside these bounds the arithmetic below is exact in any rounding mode.
  // NOLINTNEXTLINE(readability-simplify-boolean-expr): the negated form is what rejects NaN.
  if (!(value > -32769.0 && value < 32768.0)) return std::unexpected(NumericFailure::Overflow);
  auto whole = static_cast<std::int32_t>(value);               // toward zero
  if (static_cast<double>(whole) > value) --whole;             // the floor
  const double fraction = value - static_cast<double>(whole);  // exact
  if (fraction > 0.5 || (fraction == 0.5 && (whole % 2) != 0)) ++whole;
  if (whole < std::numeric_limits<std::int16_t>::min() ||
      whole > std::numeric_limits<std::int16_t>::max()) {
    return std::unexpected(NumericFailure::Overflow);
  }
  return static_cast<std::int16_t>(whole);
}

}  // namespace coldesign
