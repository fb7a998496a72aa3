#include "calculation/design_calculation.h"

#include <cmath>
#include <optional>
#include <string_view>
#include <utility>

#include "calculation/numeric_text_detail.h"

namespace coldesign {
namespace {

// RoundUpToFive raises the length to the table's step.
static_assert(rules::kLengthStepCm == 5);
static_assert(rules::kBarCountMultiple == 2);

// A whole number that a quotient asks for, and how it came about.
struct Whole {
  std::int32_t value = 0;               // the chosen whole number
  std::optional<std::int16_t> rounded;  // the quotient rounded, when it is above the least value
  bool raised_to_least = false;
  bool raised_by_rule = false;  // the rounded quotient was raised to the next accepted value
};

// ParseLeadingNumber(FormatNumber(q)): the quotient as its 15-digit text reads; beyond the range
// of a double that is an infinity of its sign.
double Leading(const detail::WrittenNumber& quotient) {
  return quotient.value ? *quotient.value : ParseLeadingNumber(quotient.view());
}

// The same without keeping the text.
double Leading(double quotient) {
  if (const auto value = detail::ReadBack(quotient)) return *value;
  return Leading(detail::WriteNumber(quotient));
}

// The whole part of a value well inside the range of an int, as a double: exact.
double WholePart(double value) {
  const auto whole = static_cast<double>(static_cast<std::int32_t>(value));
  return whole > value ? whole - 1 : whole;
}

// A stand-in for Leading(quotient) where only the whole number it leads to is wanted: WholeAtLeast
// takes from it the side of `least` it lies on and, above, the whole number nearest to it.
// Rounding to 15 significant digits moves a quotient below kLargest by less than 10^-9, so the
// quotient itself decides alike unless it lies that close to `least` or to a half; then its text
// is read.
double Deciding(double quotient, std::int32_t least) {
  constexpr double kLargest = 30000;  // inside the 16-bit range of RoundToInteger16
  constexpr double kMostMoved = 1e-9;
  if (std::fabs(quotient) < kLargest) {
    const double half = WholePart(quotient) + 0.5;
    if (std::fabs(quotient - least) > kMostMoved && std::fabs(quotient - half) > kMostMoved) {
      return quotient;
    }
  }
  return Leading(quotient);
}

// The least value up to the quotient (`compared`, as its text reads); above it the quotient
// rounded to a whole number and raised by `Raise`.
template <std::int32_t (*Raise)(std::int16_t)>
std::expected<Whole, NumericFailure> WholeAtLeast(double compared, std::int32_t least) {
  Whole whole;
  if (compared > least) {
    const auto rounded = RoundToInteger16(compared);
    if (!rounded) return std::unexpected(rounded.error());
    whole.rounded = *rounded;
    whole.value = Raise(*rounded);
    whole.raised_by_rule = whole.value != *rounded;
    return whole;
  }
  whole.raised_to_least = compared < least;
  whole.value = least;  // below the least value and at it alike
  return whole;
}

std::string FormatPercent(double fraction) { return FormatFixed(fraction * 100, 2); }

using Number = std::expected<double, NumericFailure>;

// The design's inputs as numbers, each as ParseNumberStrict reads its text, or the reason it
// could not.
struct DesignNumbers {
  Number floors;
  Number load;
  Number width;
};

// The column design: each step writes its text into `result` (a ColumnDesignResult or
// DesignTexts), and later steps take the value that text reads back as. On a failure `result`
// keeps what the earlier steps wrote. The working is recorded when `working` is given.
template <typename Texts>
class Design {
 public:
  Design(const DesignNumbers& numbers, const DesignMaterials& materials, Texts& result,
         DesignWorking* working)
      : numbers_(numbers), materials_(materials), result_(result), working_(working) {}

  std::expected<void, NumericFailure> Run() {
    result_.required_area_text = std::string_view();
    result_.length_text = std::string_view();
    result_.steel_area_text = std::string_view();
    result_.bar_count_text = std::string_view();
    if (auto step = RequiredArea(); !step) return step;
    if (auto step = Length(); !step) return step;
    if (auto step = SteelArea(); !step) return step;
    if (auto step = BarCount(); !step) return step;
    if (working_ != nullptr) SteelRatio();
    return {};
  }

 private:
  using Step = std::expected<void, NumericFailure>;

  static std::unexpected<NumericFailure> Fail(NumericFailure failure) {
    return std::unexpected<NumericFailure>(failure);
  }

  // 1. Ac = F × (L × 1.1) × 1000 / 111.62, left to right (the default materials' factor and
  // stress).
  Step RequiredArea() {
    if (!numbers_.floors) return Fail(numbers_.floors.error());
    if (!numbers_.load) return Fail(numbers_.load.error());
    const double a = *numbers_.load * materials_.load_factor;
    const double area =
        *numbers_.floors * a * rules::kKilogramsPerTon / CarryingStressKgPerCm2(materials_);
    if (!std::isfinite(area)) return std::unexpected(NumericFailure::Overflow);
    const detail::WrittenNumber text = detail::WriteNumber(area);
    result_.required_area_text = text.view();
    area_ = text.value;  // read back in step 2
    if (working_ != nullptr) {
      working_->beyond_floor_limit = *numbers_.floors > rules::kFloorNoteLimit;
    }
    return {};
  }

  // 2. q = Leading(A / b); the least length (the materials' width, 30) up to q = 30, above it
  // RoundToInteger16(q) raised to a multiple of 5.
  Step Length() {
    if (!numbers_.width) return Fail(numbers_.width.error());
    width_ = *numbers_.width;
    if (!area_) return Fail(area_.error());
    const double quotient = *area_ / width_;
    if (!std::isfinite(quotient)) return std::unexpected(NumericFailure::Overflow);
    std::optional<detail::WrittenNumber> text;
    if (working_ != nullptr) text = detail::WriteNumber(quotient);
    const std::int32_t least = materials_.width_cm;
    const auto length =
        WholeAtLeast<RoundUpToFive>(text ? Leading(*text) : Deciding(quotient, least), least);
    if (!length) return std::unexpected(length.error());
    if (working_ != nullptr && text) {
      working_->length_quotient_text = text->view();
      if (const auto rounded = length->rounded) {
        working_->rounded_length_text = FormatInteger(*rounded);
      }
      working_->length_rule = length->raised_to_least  ? LengthRule::RaisedToLeast
                              : length->raised_by_rule ? LengthRule::RaisedToMultiple
                                                       : LengthRule::None;
    }
    AssignInteger(result_.length_text, length->value);
    length_ = length->value;  // the whole number its text reads as, in step 3
    return {};
  }

  // 3. The larger of m = (b × 0.006) × t and s = A × 0.01; m when they are equal.
  Step SteelArea() {
    const double m = (width_ * rules::kLeastSteelShareOfSection) * length_;
    const double s = *area_ * rules::kSteelShareOfRequiredArea;
    if (!std::isfinite(m) || !std::isfinite(s)) return std::unexpected(NumericFailure::Overflow);
    const bool share = s > m;
    const detail::WrittenNumber text = detail::WriteNumber(share ? s : m);
    result_.steel_area_text = text.view();
    steel_ = text.value;  // read back in step 4
    if (working_ != nullptr) {
      working_->least_steel_text = share ? detail::WriteNumber(m).view() : text.view();
      working_->steel_share_text = share ? text.view() : detail::WriteNumber(s).view();
      working_->steel_rule = share ? SteelRule::ShareOfRequiredArea : SteelRule::LeastOfSection;
    }
    return {};
  }

  // 4. n = Leading(S / a), a the bar's area (2 for Φ16); 4 up to n = 4, above it
  // RoundToInteger16(n) raised to an even count.
  Step BarCount() {
    if (!steel_) return Fail(steel_.error());
    const double quotient = *steel_ / BarAreaCm2(materials_.bar_diameter_mm);
    if (!std::isfinite(quotient)) return std::unexpected(NumericFailure::Overflow);
    std::optional<detail::WrittenNumber> text;
    if (working_ != nullptr) text = detail::WriteNumber(quotient);
    const auto bars = WholeAtLeast<RoundUpToEven>(
        text ? Leading(*text) : Deciding(quotient, rules::kLeastBars), rules::kLeastBars);
    if (!bars) return std::unexpected(bars.error());
    if (working_ != nullptr && text) {
      working_->bar_quotient_text = text->view();
      if (const auto rounded = bars->rounded) working_->rounded_bar_text = FormatInteger(*rounded);
      working_->bar_rule = bars->raised_to_least  ? BarRule::RaisedToLeast
                           : bars->raised_by_rule ? BarRule::RaisedToEven
                                                  : BarRule::None;
    }
    AssignInteger(result_.bar_count_text, bars->value);
    return {};
  }

  void SteelRatio() {
    const double section_area = width_ * length_;
    working_->steel_ratio_percent_text =
        section_area > 0 ? FormatPercent(*steel_ / section_area) : std::string();
  }

  template <typename Text>
  static void AssignInteger(Text& text, std::int64_t value) {
    char chars[detail::kNumberTextCapacity];
    text = std::string_view(chars, detail::FormatIntegerTo(value, chars));
  }

  const DesignNumbers& numbers_;
  const DesignMaterials& materials_;
  Texts& result_;
  DesignWorking* working_;
  Number area_ = 0;    // Ac as its text reads (in steps 2 and 3), written in step 1
  double width_ = 0;   // b
  double length_ = 0;  // t, written in step 2
  Number steel_ = 0;   // As as its text reads (in step 4), written in step 3
};

}  // namespace

ColumnDesignInput DesignInput(std::string load_text, std::string floors_text,
                              const DesignMaterials& materials) {
  return {.load_text = std::move(load_text),
          .floors_text = std::move(floors_text),
          .width_text = FormatInteger(materials.width_cm),
          .materials = materials};
}

std::expected<ColumnDesignResult, DesignFailure> DesignColumn(const ColumnDesignInput& input) {
  const DesignNumbers numbers{.floors = ParseNumberStrict(input.floors_text),
                              .load = ParseNumberStrict(input.load_text),
                              .width = ParseNumberStrict(input.width_text)};
  ColumnDesignResult result;
  if (auto run = Design(numbers, input.materials, result, &result.working).Run(); !run) {
    return std::unexpected(DesignFailure{run.error(), std::move(result)});
  }
  return result;
}

std::expected<void, NumericFailure> DesignColumnTexts(std::expected<double, NumericFailure> load,
                                                      int floors, const DesignMaterials& materials,
                                                      DesignTexts& texts) {
  // A whole number's text reads as the number itself.
  const DesignNumbers numbers{
      .floors = floors, .load = load, .width = static_cast<double>(materials.width_cm)};
  return Design(numbers, materials, texts, nullptr).Run();
}

}  // namespace coldesign
