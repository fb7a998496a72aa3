#pragma once

#include <cstdint>

namespace coldesign {

// The column length in whole centimetres: raised to a multiple of 5.
std::int32_t RoundUpToFive(std::int16_t x);

// The bar count: raised to an even number.
std::int32_t RoundUpToEven(std::int16_t x);

}  // namespace coldesign
