#pragma once

// Private to the calculation library: allocation-free forms of the formatting and parsing
// that design_calculation.cpp uses for the texts it only reads back.

#include <array>
#include <cstddef>
#include <cstdint>
#include <expected>
#include <string_view>

#include "calculation/numeric_text.h"

namespace coldesign::detail {

// Large enough for every text that FormatNumber or FormatInteger writes, and for the bytes
// FormatNumberTo copies beyond a text's end.
inline constexpr std::size_t kNumberTextCapacity = 40;

// 10^0 … 10^22: every one exact in a double.
inline constexpr int kMostExactPowerOfTen = 22;
inline constexpr auto kExactPowersOfTen = [] {
  std::array<double, kMostExactPowerOfTen + 1> powers{};
  powers[0] = 1;
  for (std::size_t i = 1; i < powers.size(); ++i) powers[i] = powers[i - 1] * 10;
  return powers;
}();

// Writes FormatNumber(value) to out (kNumberTextCapacity chars) and returns its length.
std::size_t FormatNumberTo(double value, char* out);

// Writes FormatInteger(value) to out (kNumberTextCapacity chars) and returns its length.
std::size_t FormatIntegerTo(std::int64_t value, char* out);

// FormatNumber(value) on the stack, and the value its text reads back as: exactly
// ParseNumberStrict(text), worked out from the rounded digits without reading the text for the
// magnitudes a design meets.
struct WrittenNumber {
  char text[kNumberTextCapacity];
  std::size_t size;
  std::expected<double, NumericFailure> value;

  [[nodiscard]] std::string_view view() const { return {text, size}; }
};

WrittenNumber WriteNumber(double value);

// WriteNumber(value).value alone, without writing the text where it can be helped.
std::expected<double, NumericFailure> ReadBack(double value);

}  // namespace coldesign::detail
