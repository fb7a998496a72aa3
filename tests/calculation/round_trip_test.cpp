// Property tests over pseudo-random doubles (fixed seeds): FormatNumber writes the value rounded
// to 15 significant digits, in the layout of C's "%.15G", and both parsers read it back, as the
// design's WriteNumber tells without reading.

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <system_error>

#include "calculation/numeric_text.h"
#include "calculation/numeric_text_detail.h"

namespace coldesign {
namespace {

constexpr int kSamples = 100'000;  // per generator

// The value rounded to 15 significant digits, by the standard library alone; nullopt when
// that rounding leaves the range of a double.
std::optional<double> RoundedTo15Digits(double value) {
  char text[64];
  const auto written =
      std::to_chars(text, text + sizeof text, value, std::chars_format::scientific, 14);
  double rounded = 0;
  const auto read = std::from_chars(text, written.ptr, rounded, std::chars_format::general);
  if (read.ec == std::errc::result_out_of_range) return std::nullopt;
  return rounded;
}

void CheckRoundTrip(double value) {
  const std::string text = FormatNumber(value);

  // The text form: C's "%.15G" (the C locale is in force in this test program), except that
  // zero has no sign.
  char expected_text[64];
  std::snprintf(expected_text, sizeof expected_text, "%.15G", value == 0 ? 0.0 : value);
  ASSERT_EQ(expected_text, text) << "value " << value;

  const auto rounded = RoundedTo15Digits(value);
  const auto strict = ParseNumberStrict(text);
  const double leading = ParseLeadingNumber(text);
  if (rounded) {
    ASSERT_TRUE(strict.has_value()) << text;
    ASSERT_EQ(*rounded, *strict) << text;
    ASSERT_EQ(*rounded, leading) << text;
    // A zero is written without its sign and reads back as +0.
    ASSERT_EQ(value != 0 && std::signbit(value), std::signbit(*strict)) << text;
  } else {
    ASSERT_FALSE(strict.has_value()) << text;
    ASSERT_EQ(NumericFailure::Overflow, strict.error()) << text;
    ASSERT_TRUE(std::isinf(leading)) << text;
    ASSERT_EQ(value < 0, leading < 0) << text;
  }
  ASSERT_TRUE(IsNumericText(text) == strict.has_value());

  const detail::WrittenNumber written = detail::WriteNumber(value);
  ASSERT_EQ(text, written.view());
  ASSERT_EQ(strict.has_value(), written.value.has_value()) << text;
  if (strict) {
    ASSERT_EQ(std::bit_cast<std::uint64_t>(*strict), std::bit_cast<std::uint64_t>(*written.value))
        << text;
  } else {
    ASSERT_EQ(strict.error(), written.value.error()) << text;
  }
}

TEST(RoundTrip, AnyBitPattern) {
  std::mt19937_64 random(20240601);
  for (int i = 0; i < kSamples; ++i) {
    const double value = std::bit_cast<double>(random());
    if (!std::isfinite(value)) continue;
    CheckRoundTrip(value);
    if (HasFatalFailure()) return;
  }
}

TEST(RoundTrip, EverydayMagnitudes) {
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> mantissa(1.0, 10.0);
  std::uniform_int_distribution<int> exponent(-8, 18);
  std::bernoulli_distribution negative(0.25);
  for (int i = 0; i < kSamples; ++i) {
    double value = mantissa(random) * std::pow(10.0, exponent(random));
    if (negative(random)) value = -value;
    CheckRoundTrip(value);
    if (HasFatalFailure()) return;
  }
}

// Decimal texts of 14 to 17 digits near the layout boundaries (1E-4, 1E+15) and near the ends
// of the range, where rounding to 15 digits moves the exponent or leaves the range.
TEST(RoundTrip, BoundariesAndShortDecimals) {
  std::mt19937_64 random(1234);
  std::uniform_int_distribution<std::int64_t> digits(1, 99'999'999'999'999'999);
  std::uniform_int_distribution<int> exponent_pick(0, 6);
  constexpr int kExponents[] = {-21, -20, -19, 0, -2, 291, -340};
  for (int i = 0; i < kSamples; ++i) {
    const std::string text =
        std::to_string(digits(random)) + "e" + std::to_string(kExponents[exponent_pick(random)]);
    double value = 0;
    const auto read =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    if (read.ec != std::errc{}) continue;
    CheckRoundTrip(value);
    if (HasFatalFailure()) return;
  }
  for (double value : {std::numeric_limits<double>::max(), std::numeric_limits<double>::min(),
                       std::numeric_limits<double>::denorm_min(), 999999999999999.9, 1e15, 0.0001,
                       0.00009999999999999999, -0.0, 0.0}) {
    CheckRoundTrip(value);
    CheckRoundTrip(-value);
    CheckRoundTrip(std::nextafter(value, 0.0));
    const double above = std::nextafter(value, std::numeric_limits<double>::infinity());
    if (std::isfinite(above)) CheckRoundTrip(above);
  }
}

// The paths of FormatNumber's rounding: 16-digit texts whose last digit is 5 (a possible tie),
// runs of nines that carry into a new leading digit, and subnormal values.
TEST(RoundTrip, RoundingPaths) {
  std::mt19937_64 random(99);
  std::uniform_int_distribution<std::int64_t> fifteen_digits(100'000'000'000'000,
                                                             999'999'999'999'999);
  std::uniform_int_distribution<int> exponent(-330, 300);
  std::uniform_int_distribution<int> digit(0, 9);
  for (int i = 0; i < kSamples; ++i) {
    std::string text;
    switch (i % 3) {
      case 0:  // d.dddddddddddddd5
        text = std::to_string(fifteen_digits(random)) + "5";
        break;
      case 1:  // 9.99999999999999 followed by one or two more digits
        text = std::string(15, '9') + std::to_string(digit(random)) +
               (i % 2 == 0 ? std::to_string(digit(random)) : "");
        break;
      default:  // 15 random digits, then 5 and one more digit (17 in all)
        text = std::to_string(fifteen_digits(random)) + "5" + std::to_string(digit(random));
        break;
    }
    text += "e" + std::to_string(exponent(random));
    double value = 0;
    const auto read =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    if (read.ec != std::errc{} || value == 0) continue;
    CheckRoundTrip(value);
    if (HasFatalFailure()) return;
  }
  for (int i = 0; i < kSamples / 10; ++i) {  // subnormal values
    const std::uint64_t bits = random() & 0x800F'FFFF'FFFF'FFFF;
    CheckRoundTrip(std::bit_cast<double>(bits));
    if (HasFatalFailure()) return;
  }
}

// Long digit strings (up to a few thousand digits, with regional digits now and then) read
// correctly rounded: as glibc's strtod reads their ASCII form in the C locale.
TEST(RoundTrip, LongDigitStringsAgreeWithStrtod) {
  std::mt19937_64 random(5);
  std::uniform_int_distribution<int> length(20, 3000);
  std::uniform_int_distribution<int> digit(0, 9);
  std::uniform_int_distribution<int> exponent(-3400, 400);
  for (int i = 0; i < 2000; ++i) {
    const int digits = length(random);
    const int point = std::uniform_int_distribution<int>(0, digits)(random);
    const bool arabic = i % 4 == 0;
    std::string ascii = i % 2 == 0 ? "-" : "";
    std::string text = ascii;
    for (int d = 0; d < digits; ++d) {
      if (d == point) {
        ascii += '.';
        text += arabic ? "\u066B" : ".";
      }
      // Runs of zeros or nines now and then, to land near halfway points.
      const int value = i % 3 == 0 && d > 17 ? (i % 6 == 0 ? 0 : 9) : digit(random);
      ascii += static_cast<char>('0' + value);
      if (arabic) {
        text += '\xD9';
        text += static_cast<char>(0xA0 + value);
      } else {
        text += static_cast<char>('0' + value);
      }
    }
    const std::string exponent_text = "e" + std::to_string(exponent(random));
    ascii += exponent_text;
    text += exponent_text;

    const double expected = std::strtod(ascii.c_str(), nullptr);
    const auto strict = ParseNumberStrict(text);
    if (std::isinf(expected)) {
      ASSERT_FALSE(strict.has_value()) << ascii;
      ASSERT_EQ(NumericFailure::Overflow, strict.error()) << ascii;
      ASSERT_EQ(expected, ParseLeadingNumber(text + "x")) << ascii;
    } else {
      ASSERT_TRUE(strict.has_value()) << ascii;
      ASSERT_EQ(expected, *strict) << ascii;
      ASSERT_EQ(std::signbit(expected), std::signbit(*strict)) << ascii;
      ASSERT_EQ(expected, ParseLeadingNumber(text + "x")) << ascii;
    }
  }
}

// Every integer text that the calculation writes reads back as the same value.
TEST(RoundTrip, IntegersOfTheCalculation) {
  for (std::int64_t value = -40000; value <= 40000; ++value) {
    const auto parsed = ParseNumberStrict(FormatInteger(value));
    ASSERT_TRUE(parsed.has_value()) << value;
    ASSERT_EQ(static_cast<double>(value), *parsed);
  }
}

}  // namespace
}  // namespace coldesign
