#pragma once

#include <QRectF>

#include "calculation/bending_report.h"
#include "sheet/page_painter.h"

namespace coldesign {

// Draws the interaction diagram to scale in the square `box` (points): both axes from -extent to
// +extent with their ticks and labels, the capacity contour and each load point, marked and
// labelled with its moments. Mx runs to the right and My up: drawn on a page painter that does
// not mirror (PagePainter::upright).
void DrawInteractionDiagram(PagePainter& page, const QRectF& box,
                            const InteractionDiagram& diagram);

}  // namespace coldesign
