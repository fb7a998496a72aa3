#include "calculation/rounding.h"

namespace coldesign {

// Both follow their steps literally, for every argument (also 0 and negatives), in
// 32 bits; '%' takes the sign of x, as the steps say.

std::int32_t RoundUpToFive(std::int16_t x) {
  const std::int32_t value = x;
  const std::int32_t r = value % 10;
  if (r == 0 && value >= 10) return value;
  return r > 5 ? value - r + 10 : value - r + 5;
}

std::int32_t RoundUpToEven(std::int16_t x) {
  const std::int32_t value = x;
  const std::int32_t r = value % 2;
  if (r == 0 && value >= 2) return value;
  return value - r + 2;
}

}  // namespace coldesign
