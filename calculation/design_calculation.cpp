#include "calculation/design_calculation.h"

#include <cmath>
#include <string_view>
#include <utility>

#include "calculation/numeric_text_detail.h"

namespace coldesign {
namespace {

constexpr double kLoadFactor = 1.1;
constexpr double kTonsToKilograms = 1000;
constexpr double kKilogramsPerSquareCentimetre = 111.62;
constexpr std::int16_t kLeastLength = 30;
constexpr double kLeastSteelFraction = 0.006;
constexpr double kSteelFraction = 0.01;
constexpr double kSteelPerBar = 2;
constexpr std::int16_t kLeastBars = 4;

// Leading(Fmt(value)): the value rounded to 15 significant digits, as the calculation
// compares it; the text is only read back, so it stays on the stack.
double ThroughText(double value) {
  char text[detail::kNumberTextCapacity];
  return ParseLeadingNumber({text, detail::FormatNumberTo(value, text)});
}

// The whole number that a quotient asks for, as text: the least value up to it (the quotient is
// compared as its 15-digit text), above it the quotient rounded to a whole number and raised.
std::expected<std::string, NumericFailure> WholeAtLeast(double quotient, std::int16_t least,
                                                        std::int32_t (*raise)(std::int16_t)) {
  if (!std::isfinite(quotient)) return std::unexpected(NumericFailure::Overflow);
  const double compared = ThroughText(quotient);
  if (compared > least) {
    const auto whole = RoundToInteger16(compared);
    if (!whole) return std::unexpected(whole.error());
    return FormatInteger(raise(*whole));
  }
  return FormatInteger(least);  // below the least value and at it alike
}

// The column design: each step writes its text into `result` and later steps read
// it back from there. On a failure `result` keeps what the earlier steps wrote.
class Design {
 public:
  explicit Design(const ColumnDesignInput& input) : input_(input) {}

  std::expected<ColumnDesignResult, DesignFailure> Run() {
    if (auto step = RequiredArea(); !step) return Fail(step.error());
    if (auto step = Length(); !step) return Fail(step.error());
    if (auto step = SteelArea(); !step) return Fail(step.error());
    if (auto step = BarCount(); !step) return Fail(step.error());
    return std::move(result_);
  }

 private:
  using Step = std::expected<void, NumericFailure>;

  std::unexpected<DesignFailure> Fail(NumericFailure kind) {
    return std::unexpected(DesignFailure{kind, std::move(result_)});
  }

  // 1. Ac = F × (L × 1.1) × 1000 / 111.62, left to right.
  Step RequiredArea() {
    const auto floors = ParseNumberStrict(input_.floors_text);
    if (!floors) return std::unexpected(floors.error());
    const auto load = ParseNumberStrict(input_.load_text);
    if (!load) return std::unexpected(load.error());
    const double a = *load * kLoadFactor;
    const double area = *floors * a * kTonsToKilograms / kKilogramsPerSquareCentimetre;
    if (!std::isfinite(area)) return std::unexpected(NumericFailure::Overflow);
    result_.required_area_text = FormatNumber(area);
    return {};
  }

  // 2. q = Leading(Fmt(A / b)); 30 up to q = 30, above it Round16 raised to a multiple of 5.
  Step Length() {
    const auto width = ParseNumberStrict(input_.width_text);
    if (!width) return std::unexpected(width.error());
    width_ = *width;
    const auto area = ParseNumberStrict(result_.required_area_text);
    if (!area) return std::unexpected(area.error());
    auto length = WholeAtLeast(*area / width_, kLeastLength, RoundUpToFive);
    if (!length) return std::unexpected(length.error());
    result_.length_text = std::move(*length);
    return {};
  }

  // 3. The larger of m = (b × 0.006) × t and s = A × 0.01; m when they are equal.
  Step SteelArea() {
    const auto length = ParseNumberStrict(result_.length_text);
    if (!length) return std::unexpected(length.error());
    const double m = (width_ * kLeastSteelFraction) * *length;
    const auto area = ParseNumberStrict(result_.required_area_text);
    if (!area) return std::unexpected(area.error());
    const double s = *area * kSteelFraction;
    if (!std::isfinite(m) || !std::isfinite(s)) return std::unexpected(NumericFailure::Overflow);
    result_.steel_area_text = FormatNumber(s > m ? s : m);
    return {};
  }

  // 4. n = Leading(Fmt(S / 2)); 4 up to n = 4, above it Round16 raised to an even count.
  Step BarCount() {
    const auto steel = ParseNumberStrict(result_.steel_area_text);
    if (!steel) return std::unexpected(steel.error());
    auto bar_count = WholeAtLeast(*steel / kSteelPerBar, kLeastBars, RoundUpToEven);
    if (!bar_count) return std::unexpected(bar_count.error());
    result_.bar_count_text = std::move(*bar_count);
    return {};
  }

  const ColumnDesignInput& input_;
  ColumnDesignResult result_;
  double width_ = 0;  // b, read in step 2 from the width text and used again in step 3
};

}  // namespace

std::expected<ColumnDesignResult, DesignFailure> DesignColumn(const ColumnDesignInput& input) {
  return Design(input).Run();
}

}  // namespace coldesign
