#include "calculation/design_working.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <system_error>
#include <utility>

namespace coldesign {
namespace {

constexpr double kLeastSteelFraction = 0.006;
constexpr double kSteelFraction = 0.01;
constexpr double kSteelPerBar = 2;
constexpr double kLeastLength = 30;
constexpr double kLeastBars = 4;

template <typename Rule>
struct RaisedWhole {
  std::string quotient_text;
  std::string rounded_text;
  Rule rule = Rule::None;
};

// The quotient as its 15-digit text, and how the whole number in `chosen_text` came from it:
// below `least` it was raised to it; above, a chosen number beyond the rounded quotient was
// raised by the rounding rule.
template <typename Rule>
std::expected<RaisedWhole<Rule>, NumericFailure> ExplainWhole(double quotient, double least,
                                                              const std::string& chosen_text,
                                                              Rule raised_by_rounding) {
  if (!std::isfinite(quotient)) return std::unexpected(NumericFailure::Overflow);
  RaisedWhole<Rule> whole;
  whole.quotient_text = FormatNumber(quotient);
  const double compared = ParseLeadingNumber(whole.quotient_text);
  if (compared < least) {
    whole.rule = Rule::RaisedToLeast;
    return whole;
  }
  if (compared == least) return whole;
  const auto rounded = RoundToInteger16(compared);
  if (!rounded) return std::unexpected(rounded.error());
  const auto chosen = ParseNumberStrict(chosen_text);
  if (!chosen) return std::unexpected(chosen.error());
  whole.rounded_text = FormatInteger(*rounded);
  if (*chosen > *rounded) whole.rule = raised_by_rounding;
  return whole;
}

std::string FormatPercent(double fraction) {
  char text[64];
  const auto [end, error] =
      std::to_chars(text, text + sizeof text, fraction * 100, std::chars_format::fixed, 2);
  if (error != std::errc{}) return {};
  return {text, end};
}

}  // namespace

std::expected<DesignWorking, NumericFailure> WorkOutDesign(const ColumnDesignInput& input,
                                                           const ColumnDesignResult& result) {
  const auto width = ParseNumberStrict(input.width_text);
  const auto area = ParseNumberStrict(result.required_area_text);
  const auto length = ParseNumberStrict(result.length_text);
  const auto steel = ParseNumberStrict(result.steel_area_text);
  const auto floors = ParseNumberStrict(input.floors_text);
  for (const auto* value : {&width, &area, &length, &steel, &floors}) {
    if (!*value) return std::unexpected(value->error());
  }

  DesignWorking working;
  auto length_step = ExplainWhole(*area / *width, kLeastLength, result.length_text,
                                  LengthRule::RaisedToMultipleOfFive);
  if (!length_step) return std::unexpected(length_step.error());
  working.length_quotient_text = std::move(length_step->quotient_text);
  working.rounded_length_text = std::move(length_step->rounded_text);
  working.length_rule = length_step->rule;

  const double least_steel = (*width * kLeastSteelFraction) * *length;
  const double steel_share = *area * kSteelFraction;
  if (!std::isfinite(least_steel) || !std::isfinite(steel_share)) {
    return std::unexpected(NumericFailure::Overflow);
  }
  working.least_steel_text = FormatNumber(least_steel);
  working.steel_share_text = FormatNumber(steel_share);
  working.steel_rule =
      steel_share > least_steel ? SteelRule::ShareOfRequiredArea : SteelRule::LeastOfSection;

  auto bar_step =
      ExplainWhole(*steel / kSteelPerBar, kLeastBars, result.bar_count_text, BarRule::RaisedToEven);
  if (!bar_step) return std::unexpected(bar_step.error());
  working.bar_quotient_text = std::move(bar_step->quotient_text);
  working.rounded_bar_text = std::move(bar_step->rounded_text);
  working.bar_rule = bar_step->rule;

  const double section_area = *width * *length;
  working.steel_ratio_percent_text =
      section_area > 0 ? FormatPercent(*steel / section_area) : std::string();
  working.beyond_floor_limit = *floors > kFloorLimit;
  return working;
}

}  // namespace coldesign
