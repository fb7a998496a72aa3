#include "calculation/design_calculation.h"

#include <cmath>
#include <utility>

namespace coldesign {
namespace {

// RoundUpToFive raises the length to the table's step.
static_assert(rules::kLengthStepCm == 5);
static_assert(rules::kBarCountMultiple == 2);

// A whole number that a quotient asks for, and how it came about.
struct Whole {
  std::string text;           // the chosen whole number
  std::string quotient_text;  // the quotient as it is compared
  std::string rounded_text;   // the quotient rounded, when it is above the least value
  bool raised_to_least = false;
  bool raised_by_rule = false;  // the rounded quotient was raised to the next accepted value
};

// The least value up to the quotient (compared as its 15-digit text); above it the quotient
// rounded to a whole number and raised by `raise`.
std::expected<Whole, NumericFailure> WholeAtLeast(double quotient, std::int32_t least,
                                                  std::int32_t (*raise)(std::int16_t)) {
  if (!std::isfinite(quotient)) return std::unexpected(NumericFailure::Overflow);
  Whole whole;
  whole.quotient_text = FormatNumber(quotient);
  // Leading(Fmt(q)): the quotient is compared as its 15-digit text.
  const double compared = ParseLeadingNumber(whole.quotient_text);
  if (compared > least) {
    const auto rounded = RoundToInteger16(compared);
    if (!rounded) return std::unexpected(rounded.error());
    const std::int32_t raised = raise(*rounded);
    whole.rounded_text = FormatInteger(*rounded);
    whole.raised_by_rule = raised != *rounded;
    whole.text = FormatInteger(raised);
    return whole;
  }
  whole.raised_to_least = compared < least;
  whole.text = FormatInteger(least);  // below the least value and at it alike
  return whole;
}

std::string FormatPercent(double fraction) { return FormatFixed(fraction * 100, 2); }

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
    SteelRatio();
    return std::move(result_);
  }

 private:
  using Step = std::expected<void, NumericFailure>;

  std::unexpected<DesignFailure> Fail(NumericFailure kind) {
    return std::unexpected(DesignFailure{kind, std::move(result_)});
  }

  // 1. Ac = F × (L × 1.1) × 1000 / 111.62, left to right (the default materials' factor and
  // stress).
  Step RequiredArea() {
    const auto floors = ParseNumberStrict(input_.floors_text);
    if (!floors) return std::unexpected(floors.error());
    const auto load = ParseNumberStrict(input_.load_text);
    if (!load) return std::unexpected(load.error());
    const double a = *load * input_.materials.load_factor;
    const double area =
        *floors * a * rules::kKilogramsPerTon / CarryingStressKgPerCm2(input_.materials);
    if (!std::isfinite(area)) return std::unexpected(NumericFailure::Overflow);
    result_.required_area_text = FormatNumber(area);
    result_.working.beyond_floor_limit = *floors > rules::kFloorNoteLimit;
    return {};
  }

  // 2. q = Leading(Fmt(A / b)); the least length (the materials' width, 30) up to q = 30, above
  // it Round16 raised to a multiple of 5.
  Step Length() {
    const auto width = ParseNumberStrict(input_.width_text);
    if (!width) return std::unexpected(width.error());
    width_ = *width;
    const auto area = ParseNumberStrict(result_.required_area_text);
    if (!area) return std::unexpected(area.error());
    auto length = WholeAtLeast(*area / width_, input_.materials.width_cm, RoundUpToFive);
    if (!length) return std::unexpected(length.error());
    DesignWorking& working = result_.working;
    working.length_quotient_text = std::move(length->quotient_text);
    working.rounded_length_text = std::move(length->rounded_text);
    working.length_rule = length->raised_to_least  ? LengthRule::RaisedToLeast
                          : length->raised_by_rule ? LengthRule::RaisedToMultipleOfFive
                                                   : LengthRule::None;
    result_.length_text = std::move(length->text);
    return {};
  }

  // 3. The larger of m = (b × 0.006) × t and s = A × 0.01; m when they are equal.
  Step SteelArea() {
    const auto length = ParseNumberStrict(result_.length_text);
    if (!length) return std::unexpected(length.error());
    length_ = *length;
    const double m = (width_ * rules::kLeastSteelShareOfSection) * length_;
    const auto area = ParseNumberStrict(result_.required_area_text);
    if (!area) return std::unexpected(area.error());
    const double s = *area * rules::kSteelShareOfRequiredArea;
    if (!std::isfinite(m) || !std::isfinite(s)) return std::unexpected(NumericFailure::Overflow);
    DesignWorking& working = result_.working;
    working.least_steel_text = FormatNumber(m);
    working.steel_share_text = FormatNumber(s);
    working.steel_rule = s > m ? SteelRule::ShareOfRequiredArea : SteelRule::LeastOfSection;
    result_.steel_area_text = s > m ? working.steel_share_text : working.least_steel_text;
    return {};
  }

  // 4. n = Leading(Fmt(S / a)), a the bar's area (2 for Φ16); 4 up to n = 4, above it Round16
  // raised to an even count.
  Step BarCount() {
    const auto steel = ParseNumberStrict(result_.steel_area_text);
    if (!steel) return std::unexpected(steel.error());
    steel_ = *steel;
    auto bars = WholeAtLeast(steel_ / BarAreaCm2(input_.materials.bar_diameter_mm),
                             rules::kLeastBars, RoundUpToEven);
    if (!bars) return std::unexpected(bars.error());
    DesignWorking& working = result_.working;
    working.bar_quotient_text = std::move(bars->quotient_text);
    working.rounded_bar_text = std::move(bars->rounded_text);
    working.bar_rule = bars->raised_to_least  ? BarRule::RaisedToLeast
                       : bars->raised_by_rule ? BarRule::RaisedToEven
                                              : BarRule::None;
    result_.bar_count_text = std::move(bars->text);
    return {};
  }

  void SteelRatio() {
    const double section_area = width_ * length_;
    result_.working.steel_ratio_percent_text =
        section_area > 0 ? FormatPercent(steel_ / section_area) : std::string();
  }

  const ColumnDesignInput& input_;
  ColumnDesignResult result_;
  double width_ = 0;   // b, read in step 2 from the width text
  double length_ = 0;  // t, read in step 3
  double steel_ = 0;   // As, read in step 4
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
  return Design(input).Run();
}

}  // namespace coldesign
