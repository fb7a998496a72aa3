#pragma once

#include <expected>
#include <vector>

#include "calculation/design_rules.h"

namespace coldesign {

struct SectionLayoutInput {
  double width_cm = rules::kSectionWidthCm;
  double length_cm = rules::kLeastLengthCm;
  int bar_count = rules::kLeastBars;
  double bar_diameter_mm = rules::kBarDiameterMm;
  double tie_diameter_mm = rules::kTieDiameterMm;
  double clear_cover_mm = rules::kClearCoverMm;
};

struct BarCentre {
  double x_mm;  // from the section's left face, along the length
  double y_mm;  // from the section's bottom face, along the width
};

struct SectionLayout {
  std::vector<BarCentre> bars;  // the corners first, then along the two long faces
  double clear_spacing_mm = 0;  // the least clear gap between neighbouring bars
};

enum class SectionLayoutFailure { InvalidInput, BarsDoNotFit };

// One bar in each corner, inside the tie and the cover; the rest spread evenly along the two
// long faces (half the bars on each, corners included), symmetric about both axes. When the
// length and the width are equal the bars run along the faces parallel to the length.
//
// InvalidInput: an odd bar count or fewer than 4; a size that is not finite or not positive;
// a section in which two corner bars would touch or overlap (a side no longer than twice the
// cover, the tie and the bar diameter together). BarsDoNotFit: the clear spacing would be less
// than rules::LeastClearSpacingMm.
std::expected<SectionLayout, SectionLayoutFailure> LayOutSection(const SectionLayoutInput& input);

}  // namespace coldesign
