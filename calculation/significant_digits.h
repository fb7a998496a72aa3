#pragma once

// Private to the calculation library: the exact rounding behind FormatNumber.

#include <cstdint>

namespace coldesign::detail {

// A positive value as digits × 10^(exponent - 14), with 15 digits: 10^14 <= digits < 10^15.
struct FifteenDigits {
  std::uint64_t digits;
  int exponent;  // of the first digit
};

// The positive finite double correctly rounded to 15 significant digits: to the nearest, and an
// exact tie to the even neighbour (as C's "%.15G" rounds).
FifteenDigits RoundToFifteenDigits(double magnitude);

}  // namespace coldesign::detail
