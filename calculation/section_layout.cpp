#include "calculation/section_layout.h"

#include <algorithm>
#include <cmath>

namespace coldesign {
namespace {

constexpr double kMillimetresPerCentimetre = 10;

bool IsPositiveSize(double value) { return std::isfinite(value) && value > 0; }

// Centres of `count` bars spread evenly from `first` to `last`, exactly symmetric about the
// middle: the second half mirrors the first.
std::vector<double> EvenCentres(int count, double first, double last) {
  std::vector<double> centres(count);
  const double pitch = (last - first) / (count - 1);
  for (int i = 0; i < count / 2; ++i) {
    centres[i] = first + pitch * i;
    centres[count - 1 - i] = last - pitch * i;
  }
  if (count % 2 == 1) centres[count / 2] = (first + last) / 2;
  return centres;
}

}  // namespace

std::expected<SectionLayout, SectionLayoutFailure> LayOutSection(const SectionLayoutInput& input) {
  const bool sizes_valid = IsPositiveSize(input.width_cm) && IsPositiveSize(input.length_cm) &&
                           IsPositiveSize(input.bar_diameter_mm) &&
                           IsPositiveSize(input.tie_diameter_mm) &&
                           IsPositiveSize(input.clear_cover_mm);
  if (!sizes_valid || input.bar_count < rules::kLeastBars ||
      input.bar_count % rules::kBarCountMultiple != 0) {
    return std::unexpected(SectionLayoutFailure::InvalidInput);
  }

  const double width_mm = input.width_cm * kMillimetresPerCentimetre;
  const double length_mm = input.length_cm * kMillimetresPerCentimetre;
  const double diameter = input.bar_diameter_mm;
  // From a face to the centre of the bars along it.
  const double edge = input.clear_cover_mm + input.tie_diameter_mm + diameter / 2;
  const double span_along_length = length_mm - 2 * edge;
  const double span_along_width = width_mm - 2 * edge;
  if (!std::isfinite(span_along_length) || !std::isfinite(span_along_width) ||
      span_along_length <= diameter || span_along_width <= diameter) {
    return std::unexpected(SectionLayoutFailure::InvalidInput);
  }

  const bool bars_along_length = length_mm >= width_mm;
  const int bars_per_face = input.bar_count / 2;
  const double long_span = bars_along_length ? span_along_length : span_along_width;
  const double short_span = bars_along_length ? span_along_width : span_along_length;
  const double clear_spacing = std::min(long_span / (bars_per_face - 1), short_span) - diameter;
  if (clear_spacing < rules::LeastClearSpacingMm(diameter)) {
    return std::unexpected(SectionLayoutFailure::BarsDoNotFit);
  }

  const std::vector<double> along = bars_along_length
                                        ? EvenCentres(bars_per_face, edge, length_mm - edge)
                                        : EvenCentres(bars_per_face, edge, width_mm - edge);
  const double near_face = edge;
  const double far_face = (bars_along_length ? width_mm : length_mm) - edge;
  const auto centre = [&](double along_mm, double across_mm) {
    return bars_along_length ? BarCentre{along_mm, across_mm} : BarCentre{across_mm, along_mm};
  };

  SectionLayout layout;
  layout.clear_spacing_mm = clear_spacing;
  layout.bars.reserve(input.bar_count);
  layout.bars.push_back(centre(along.front(), near_face));
  layout.bars.push_back(centre(along.back(), near_face));
  layout.bars.push_back(centre(along.back(), far_face));
  layout.bars.push_back(centre(along.front(), far_face));
  for (const double across : {near_face, far_face}) {
    for (int i = 1; i + 1 < bars_per_face; ++i) layout.bars.push_back(centre(along[i], across));
  }
  return layout;
}

}  // namespace coldesign
