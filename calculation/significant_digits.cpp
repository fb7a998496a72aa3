// The exact rounding behind FormatNumber and FormatFixed, in integer arithmetic of our own rather
// than std::to_chars with a precision, whose tables would more than treble the page's module
// (numeric_text_format.cpp).

#include "calculation/significant_digits.h"

#include <array>
#include <bit>
#include <cassert>
#include <cmath>
#include <cstddef>

namespace coldesign::detail {
namespace {

constexpr std::uint64_t kLeastDigits = 100'000'000'000'000;    // 10^14
constexpr std::uint64_t kDigitsLimit = 1'000'000'000'000'000;  // 10^15

// The value mantissa × 2^exponent of a double.
struct Binary {
  std::uint64_t mantissa;
  int exponent;
};

Binary Decompose(double value) {
  constexpr int kFractionBits = 52;
  constexpr int kExponentBias = 1075;  // 1023, and the 52 bits of the fraction
  const auto bits = std::bit_cast<std::uint64_t>(value);
  const std::uint64_t fraction = bits & ((std::uint64_t{1} << kFractionBits) - 1);
  const int biased = static_cast<int>(bits >> kFractionBits) & 0x7FF;
  if (biased == 0) return {fraction, 1 - kExponentBias};  // subnormal
  return {fraction | (std::uint64_t{1} << kFractionBits), biased - kExponentBias};
}

// The integer part of value × 10^scale, and whether the value rounds up from it (to the
// nearest, a tie to even).
struct Scaled {
  std::uint64_t whole;
  bool round_up;
};

Scaled Rounded(std::uint64_t whole, int remainder_vs_half) {
  return {whole, remainder_vs_half > 0 || (remainder_vs_half == 0 && (whole & 1) != 0)};
}

constexpr int kMaxSmallPowerOfFive = 27;  // 5^27 < 2^63

constexpr auto kPowersOfFive = [] {
  std::array<std::uint64_t, kMaxSmallPowerOfFive + 1> powers{};
  powers[0] = 1;
  for (std::size_t i = 1; i < powers.size(); ++i) powers[i] = powers[i - 1] * 5;
  return powers;
}();

// An unsigned integer of up to 1024 bits: m × 2^a × 5^b for every double and every scale that
// RoundToFifteenDigits asks for stays below 2^900.
class BigInteger {
 public:
  explicit BigInteger(std::uint64_t value) {
    limbs_[0] = static_cast<std::uint32_t>(value);
    limbs_[1] = static_cast<std::uint32_t>(value >> 32);
    size_ = limbs_[1] != 0 ? 2 : 1;
  }

  void MultiplyByPowerOfFive(int power) {
    constexpr int kStep = 13;  // 5^13 < 2^32
    for (; power > 0; power -= kStep) {
      MultiplyBy(static_cast<std::uint32_t>(kPowersOfFive[power < kStep ? power : kStep]));
    }
  }

  void ShiftLeft(int bits) {
    const int limbs = bits / 32;
    const int rest = bits % 32;
    assert(size_ + limbs + 1 <= kLimbs);
    for (int i = size_ - 1; i >= 0; --i) {
      const std::uint64_t wide = static_cast<std::uint64_t>(limbs_[i]) << rest;
      limbs_[i + limbs + 1] |= static_cast<std::uint32_t>(wide >> 32);
      limbs_[i + limbs] = static_cast<std::uint32_t>(wide);
    }
    for (int i = 0; i < limbs; ++i) limbs_[i] = 0;
    size_ += limbs + 1;
    Trim();
  }

  void ShiftRightOne() {
    for (int i = 0; i < size_; ++i) {
      limbs_[i] = (limbs_[i] >> 1) | (i + 1 < size_ ? limbs_[i + 1] << 31 : 0);
    }
    Trim();
  }

  // Requires other <= *this.
  void Subtract(const BigInteger& other) {
    std::int64_t borrow = 0;
    for (int i = 0; i < size_; ++i) {
      const std::int64_t difference =
          static_cast<std::int64_t>(limbs_[i]) - (i < other.size_ ? other.limbs_[i] : 0) - borrow;
      borrow = difference < 0 ? 1 : 0;
      limbs_[i] = static_cast<std::uint32_t>(difference + (borrow << 32));
    }
    Trim();
  }

  friend int Compare(const BigInteger& a, const BigInteger& b) {
    if (a.size_ != b.size_) return a.size_ < b.size_ ? -1 : 1;
    for (int i = a.size_ - 1; i >= 0; --i) {
      if (a.limbs_[i] != b.limbs_[i]) return a.limbs_[i] < b.limbs_[i] ? -1 : 1;
    }
    return 0;
  }

 private:
  static constexpr int kLimbs = 32;

  void MultiplyBy(std::uint32_t factor) {
    std::uint64_t carry = 0;
    for (int i = 0; i < size_; ++i) {
      const std::uint64_t product = static_cast<std::uint64_t>(limbs_[i]) * factor + carry;
      limbs_[i] = static_cast<std::uint32_t>(product);
      carry = product >> 32;
    }
    if (carry != 0) {
      assert(size_ < kLimbs);
      limbs_[size_++] = static_cast<std::uint32_t>(carry);
    }
  }

  void Trim() {
    while (size_ > 1 && limbs_[size_ - 1] == 0) --size_;
  }

  std::array<std::uint32_t, kLimbs> limbs_{};
  int size_;
};

// value × 10^scale, where the quotient stays below 2^55, by long division on big integers.
Scaled ScaleExactly(Binary value, int scale) {
  const int twos = value.exponent + scale;  // value × 10^scale = m × 2^twos × 5^scale
  BigInteger numerator(value.mantissa);
  BigInteger denominator(1);
  if (scale >= 0) {
    numerator.MultiplyByPowerOfFive(scale);
  } else {
    denominator.MultiplyByPowerOfFive(-scale);
  }
  if (twos >= 0) {
    numerator.ShiftLeft(twos);
  } else {
    denominator.ShiftLeft(-twos);
  }
  constexpr int kTopBit = 54;
  denominator.ShiftLeft(kTopBit);
  std::uint64_t whole = 0;
  for (int bit = kTopBit;; --bit) {
    if (Compare(numerator, denominator) >= 0) {
      numerator.Subtract(denominator);
      whole |= std::uint64_t{1} << bit;
    }
    if (bit == 0) break;
    denominator.ShiftRightOne();
  }
  numerator.ShiftLeft(1);  // twice the remainder, against the divisor
  return Rounded(whole, Compare(numerator, denominator));
}

// The same for the scales of ordinary values (about 1E-13 and up to 1E+15): exact in 128 bits.
Scaled Scale(Binary value, int scale) {
  const int shift = -(value.exponent + scale);  // value × 10^scale = m × 5^scale / 2^shift
  if (scale < 0 || scale > kMaxSmallPowerOfFive || shift <= 0 || shift >= 128) {
    return ScaleExactly(value, scale);
  }
  __extension__ using Wide = unsigned __int128;
  const Wide product = static_cast<Wide>(value.mantissa) * kPowersOfFive[scale];
  const Wide remainder = product & ((Wide{1} << shift) - 1);
  const Wide half = Wide{1} << (shift - 1);
  return Rounded(static_cast<std::uint64_t>(product >> shift), remainder > half    ? 1
                                                               : remainder == half ? 0
                                                                                   : -1);
}

}  // namespace

FifteenDigits RoundToFifteenDigits(double magnitude) {
  const Binary value = Decompose(magnitude);
  // The decimal exponent of 2^binary_exponent (78913 / 2^18 stands for log10 2, close enough
  // over the whole range of a double): the value's own is that or one more; the loop finds it.
  const int binary_exponent = value.exponent + static_cast<int>(std::bit_width(value.mantissa)) - 1;
  int exponent = (binary_exponent * 78913) >> 18;
  Scaled scaled{};
  for (;;) {
    scaled = Scale(value, 14 - exponent);
    if (scaled.whole >= kDigitsLimit) {
      ++exponent;
    } else if (scaled.whole < kLeastDigits) {
      --exponent;
    } else {
      break;
    }
  }
  const std::uint64_t digits = scaled.whole + (scaled.round_up ? 1 : 0);
  if (digits == kDigitsLimit) return {kLeastDigits, exponent + 1};  // 9.99...95 became 10
  return {digits, exponent};
}

FixedDigits RoundToDecimals(double magnitude, int decimals) {
  assert(magnitude >= 0 && magnitude < 0x1p64 && decimals >= 0 && decimals <= 15);
  // Below 2^64 the whole part is exact in 64 bits, and the fraction that is left exact in a
  // double; only the fraction needs scaling.
  const double whole_part = std::floor(magnitude);
  FixedDigits fixed{static_cast<std::uint64_t>(whole_part), 0};
  const double fraction = magnitude - whole_part;
  // Below 2^-60 a fraction is less than half of the 15th decimal: nothing to round.
  if (fraction < 0x1p-60) return fixed;
  bool round_up = false;
  if (decimals == 0) {
    round_up = fraction > 0.5 || (fraction == 0.5 && (fixed.whole & 1) != 0);
  } else {
    const Scaled scaled = Scale(Decompose(fraction), decimals);
    fixed.fraction = scaled.whole;
    round_up = scaled.round_up;
  }
  if (!round_up) return fixed;
  std::uint64_t limit = 1;
  for (int i = 0; i < decimals; ++i) limit *= 10;
  if (++fixed.fraction == limit || decimals == 0) {
    fixed.fraction = 0;
    ++fixed.whole;
  }
  return fixed;
}

}  // namespace coldesign::detail
