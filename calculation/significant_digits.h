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

// A positive value below 2^64 as whole + fraction / 10^decimals, 0 <= fraction < 10^decimals.
struct FixedDigits {
  std::uint64_t whole;
  std::uint64_t fraction;
};

// The positive finite value below 2^64 correctly rounded to 0 to 15 decimals: to the nearest,
// and an exact tie to the even neighbour (as C's "%.*f" rounds).
FixedDigits RoundToDecimals(double magnitude, int decimals);

}  // namespace coldesign::detail
