#pragma once

// Private to the calculation library: allocation-free forms of the formatting and parsing
// that design_calculation.cpp uses for the texts it only reads back.

#include <cstddef>
#include <cstdint>

namespace coldesign::detail {

// Large enough for every text that FormatNumber or FormatInteger writes.
inline constexpr std::size_t kNumberTextCapacity = 32;

// Writes FormatNumber(value) to out (kNumberTextCapacity chars) and returns its length.
std::size_t FormatNumberTo(double value, char* out);

// Writes FormatInteger(value) to out (kNumberTextCapacity chars) and returns its length.
std::size_t FormatIntegerTo(std::int64_t value, char* out);

}  // namespace coldesign::detail
