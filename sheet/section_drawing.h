#pragma once

#include <QRectF>

#include "calculation/section_layout.h"
#include "sheet/page_painter.h"

namespace coldesign {

// The scale of a drawing: one of the usual ones (1:5, 1:10, 1:20 ...), the largest at which a
// section of `length_mm` × `width_mm` fits a box of `box_width_pt` × `box_height_pt`.
int DrawingScale(double length_mm, double width_mm, double box_width_pt, double box_height_pt);

// The height that DrawSection needs for the section at the scale that fits a box of `width` ×
// `most_height` points.
qreal SectionDrawingHeight(const SectionLayoutInput& input, qreal width, qreal most_height);

struct SectionDrawing {
  int scale = 0;                // 1:scale; 0 when nothing was drawn
  double clear_spacing_mm = 0;  // between neighbouring bars
};

// Draws the section to scale inside `box` (points): the outline, the tie, the bars at their
// true size and the two dimension lines in cm. Nothing but a note when the bars do not fit.
SectionDrawing DrawSection(PagePainter& page, const QRectF& box, const SectionLayoutInput& input);

}  // namespace coldesign
