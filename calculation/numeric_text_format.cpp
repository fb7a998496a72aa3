// The writer of numbers as text: FormatNumber's 15 significant digits, FormatInteger, FormatFixed,
// and the value a written text reads back as.
//
// Our own writer rather than the standard library's: std::to_chars with a precision brings its
// tables of powers into the page's WebAssembly module (173 KB with them, 47 KB without), and
// snprintf's "%.15G" follows the process locale. The digits come from exact integer rounding
// (significant_digits.cpp); this file lays them out.

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "calculation/numeric_text.h"
#include "calculation/numeric_text_detail.h"
#include "calculation/significant_digits.h"

namespace coldesign {
namespace {

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
