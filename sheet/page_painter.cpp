#include "sheet/page_painter.h"

#include <QPainterPath>

#include "sheet/pdf_text_map.h"

namespace coldesign {
namespace {

constexpr qreal kPointsPerInch = 72;

int Flags(Qt::Alignment alignment) {
  return static_cast<int>(alignment | Qt::AlignAbsolute) | Qt::TextWordWrap;
}

}  // namespace

QFont SheetFont(qreal point_size) {
  QFont font;
  font.setFamilies({kSheetLatinFamily.toString(), kSheetArabicFamily.toString()});
  font.setPointSizeF(point_size);
  // Outlines as designed: the page is printed or saved, never drawn on a coarse pixel grid.
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

PagePainter::PagePainter(QPainter& painter, QRectF page, qreal dots_per_inch, qreal scale)
    : painter_(painter),
      origin_(page.topLeft()),
      unit_(dots_per_inch / kPointsPerInch * scale),
      scale_(scale) {
  painter_.setLayoutDirection(Qt::RightToLeft);
  painter_.setRenderHint(QPainter::Antialiasing);
}

QPointF PagePainter::toDevice(QPointF point) const { return origin_ + point * unit_; }

QRectF PagePainter::toDevice(const QRectF& box) const {
  return {toDevice(box.topLeft()), box.size() * unit_};
}

QFont PagePainter::deviceFont(const QFont& font) const {
  QFont scaled(font);
  scaled.setPointSizeF(font.pointSizeF() * scale_);
  return scaled;
}

qreal PagePainter::text(const QRectF& box, const QString& text, const QFont& font,
                        Qt::Alignment alignment, Qt::LayoutDirection direction,
                        const QColor& colour) {
  painter_.setFont(deviceFont(font));
  painter_.setPen(colour);
  painter_.setLayoutDirection(direction);
  QRectF bounds;
  painter_.drawText(toDevice(box), Flags(alignment), WithLamAlefLigatures(text), &bounds);
  return bounds.height() / unit_;
}

qreal PagePainter::textWidth(const QString& text, const QFont& font) {
  painter_.setFont(deviceFont(font));
  return painter_.fontMetrics().horizontalAdvance(WithLamAlefLigatures(text)) / unit_;
}

void PagePainter::line(QPointF from, QPointF to, qreal width, const QColor& colour) {
  painter_.setPen(QPen(colour, width * unit_, Qt::SolidLine, Qt::FlatCap));
  painter_.drawLine(toDevice(from), toDevice(to));
}

void PagePainter::rect(const QRectF& box, qreal line_width, const QColor& line,
                       const QBrush& fill) {
  painter_.setPen(line_width > 0 ? QPen(line, line_width * unit_) : QPen(Qt::NoPen));
  painter_.setBrush(fill);
  painter_.drawRect(toDevice(box));
  painter_.setBrush(Qt::NoBrush);
}

void PagePainter::roundedRect(const QRectF& box, qreal radius, qreal line_width,
                              const QColor& line) {
  painter_.setPen(QPen(line, line_width * unit_));
  painter_.setBrush(Qt::NoBrush);
  painter_.drawRoundedRect(toDevice(box), radius * unit_, radius * unit_);
}

void PagePainter::disc(QPointF centre, qreal diameter, const QColor& colour) {
  painter_.setPen(Qt::NoPen);
  painter_.setBrush(colour);
  const qreal radius = diameter / 2 * unit_;
  painter_.drawEllipse(toDevice(centre), radius, radius);
  painter_.setBrush(Qt::NoBrush);
}

}  // namespace coldesign
