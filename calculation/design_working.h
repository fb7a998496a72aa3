#pragma once

#include <string>

#include "calculation/number_text.h"

namespace coldesign {

// Which rule set the length, beyond rounding the quotient to a whole centimetre: the least
// length, or the multiple of the length step.
enum class LengthRule { None, RaisedToLeast, RaisedToMultiple };

// Which of the two steel rules gave the steel area.
enum class SteelRule { ShareOfRequiredArea, LeastOfSection };

// Which rule set the bar count, beyond rounding the quotient to a whole bar.
enum class BarRule { None, RaisedToLeast, RaisedToEven };

// The intermediate values of one design, recorded by the design as it runs, for showing the
// working beside the results.
struct DesignWorking {
  NumberText length_quotient_text;  // Ac ÷ b, as the length step compares it
  std::string rounded_length_text;  // the quotient to the nearest cm; empty at or below the least
  LengthRule length_rule = LengthRule::None;
  NumberText steel_share_text;  // 0.01 × Ac
  NumberText least_steel_text;  // 0.006 × b × t
  SteelRule steel_rule = SteelRule::ShareOfRequiredArea;
  NumberText bar_quotient_text;  // As ÷ 2
  std::string rounded_bar_text;  // the quotient to the nearest bar; empty at or below the least
  BarRule bar_rule = BarRule::None;
  std::string steel_ratio_percent_text;  // As ÷ (b × t) in per cent, two decimals
  bool beyond_floor_limit = false;       // more floors than the design is meant for

  friend bool operator==(const DesignWorking&, const DesignWorking&) = default;
};

}  // namespace coldesign
