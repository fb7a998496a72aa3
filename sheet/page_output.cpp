#include "sheet/page_output.h"

#include <QGlyphRun>

namespace coldesign {

PainterPageOutput::PainterPageOutput(QPainter& painter) : painter_(painter) {
  painter_.setRenderHint(QPainter::Antialiasing);
}

void PainterPageOutput::fill(const QPainterPath& path, const QColor& colour) {
  painter_.fillPath(path, colour);
}

void PainterPageOutput::stroke(const QPainterPath& path, const QPen& pen) {
  painter_.strokePath(path, pen);
}

// The glyphs as laid out, each where the layout put it. Drawing the layout would hand a print
// preview its runs as strings, which it lays out again one by one in the window's direction,
// moving stops and signs to the other side of the figures they follow.
void PainterPageOutput::text(const QTextLayout& layout, QPointF position, const QColor& colour) {
  painter_.setPen(colour);
  for (const QGlyphRun& run : layout.glyphRuns()) {
    painter_.drawGlyphRun(position, run);
  }
}

}  // namespace coldesign
