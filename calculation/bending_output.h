#pragma once

// The design of a column with moments as the design command writes it: one JSON object, or the
// design's CSV row with the design moments and the utilisation after its status.

#include <expected>
#include <string>
#include <string_view>

#include "calculation/bending_design.h"

namespace coldesign {

// "ok", "overflow" or "slender".
std::string_view BendingStatusText(BendingStatus status);

// One object, on one line: width_cm, length_cm, bars, bar_diameter_mm, bar_centres_cm ([x, y]
// pairs), steel_area_cm2, ultimate_load_t, design_moment_x_t_m, design_moment_y_t_m,
// utilisation (null when none), status, moments_governed, and the working: length_factor,
// effective_length_m, slenderness_x, slenderness_y, added_moment_x_t_m, added_moment_y_t_m.
// A design that failed on its load is {"status": "overflow"} with the values null.
std::string WriteBendingJson(const std::expected<BendingDesignResult, DesignFailure>& result);

// WriteDesignCsv's text of the section chosen, with design_moment_x_t_m, design_moment_y_t_m and
// utilisation after the status; the result cells empty when the status is not "ok".
std::string WriteBendingCsv(const ColumnDesignInput& input,
                            const std::expected<BendingDesignResult, DesignFailure>& result);

}  // namespace coldesign
