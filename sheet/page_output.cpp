#include "sheet/page_output.h"

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

void PainterPageOutput::text(const QTextLayout& layout, QPointF position, const QColor& colour) {
  painter_.setPen(colour);
  layout.draw(&painter_, position);
}

}  // namespace coldesign
