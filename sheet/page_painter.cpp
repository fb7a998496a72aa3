#include "sheet/page_painter.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <QTextLayout>
#include <cmath>
#include <memory>
#include <utility>

namespace coldesign {
QFont SheetFont(qreal point_size) {
  QFont font;
  font.setFamilies({kSheetLatinFamily.toString(), kSheetArabicFamily.toString()});
  font.setPointSizeF(point_size);
  // Outlines as designed: the page is printed or saved, never drawn on a coarse pixel grid.
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

PagePainter::PagePainter(PageOutput& output, QRectF page, qreal dots_per_inch, qreal scale)
    : output_(output),
      origin_(page.topLeft()),
      unit_(dots_per_inch / kPointsPerInch * scale),
      scale_(scale) {}

QPointF PagePainter::toDevice(QPointF point) const {
  if (mirror_width_) point.setX(*mirror_width_ - point.x());
  return origin_ + point * unit_;
}

QRectF PagePainter::toDevice(const QRectF& box) const {
  return {toDevice(mirror_width_ ? box.topRight() : box.topLeft()), box.size() * unit_};
}

QFont PagePainter::deviceFont(const QFont& font) const {
  QFont scaled(font, &output_.layoutDevice());
  scaled.setPointSizeF(font.pointSizeF() * scale_);
  return scaled;
}

void PagePainter::upright(const QRectF& box, const std::function<void(const QRectF&)>& draw) {
  const std::optional<qreal> width = std::exchange(mirror_width_, std::nullopt);
  draw(width ? QRectF(*width - box.right(), box.top(), box.width(), box.height()) : box);
  mirror_width_ = width;
}

qreal PagePainter::text(const QRectF& box, const QString& text, const QFont& font,
                        Qt::Alignment alignment, Qt::LayoutDirection direction,
                        const QColor& colour, QTextOption::WrapMode wrap) {
  if (mirror_width_) {
    const Qt::Alignment horizontal = alignment & (Qt::AlignLeft | Qt::AlignRight);
    if (horizontal == Qt::AlignLeft || horizontal == Qt::AlignRight) {
      alignment ^= Qt::AlignLeft | Qt::AlignRight;
    }
    direction = Qt::LeftToRight;
  }
  QString lines = text;
  lines.replace(u'\n', QChar::LineSeparator);
  auto shared_layout =
      std::make_shared<QTextLayout>(lines, deviceFont(font), &output_.layoutDevice());
  QTextLayout& layout = *shared_layout;
  layout.setCacheEnabled(true);  // drawn once laid out: the glyphs are kept, not shaped again
  QTextOption option((alignment & Qt::AlignHorizontal_Mask) | Qt::AlignAbsolute);
  option.setTextDirection(direction);
  option.setWrapMode(wrap);
  layout.setTextOption(option);
  const QRectF device_box = toDevice(box);
  const qreal leading = QFontMetricsF(layout.font(), &output_.layoutDevice()).leading();
  qreal height = -leading;
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(device_box.width());
    height = std::ceil(height + leading);  // each line on whole pixels
    line.setPosition({0, height});
    height += line.height();
  }
  layout.endLayout();
  QPointF position = device_box.topLeft();
  if ((alignment & Qt::AlignVCenter) != 0) {
    position.ry() += (device_box.height() - height) / 2;
  } else if ((alignment & Qt::AlignBottom) != 0) {
    position.ry() += device_box.height() - height;
  }
  hold([this, shared_layout, position, colour] { output_.text(*shared_layout, position, colour); });
  return height / unit_;
}

qreal PagePainter::textWidth(const QString& text, const QFont& font) {
  return QFontMetricsF(deviceFont(font), &output_.layoutDevice()).horizontalAdvance(text) / unit_;
}

void PagePainter::line(QPointF from, QPointF to, qreal width, const QColor& colour) {
  QPainterPath path(toDevice(from));
  path.lineTo(toDevice(to));
  stroke(path, QPen(colour, width * unit_, Qt::SolidLine, Qt::FlatCap));
}

void PagePainter::rect(const QRectF& box, qreal line_width, const QColor& line,
                       const QColor& fill) {
  QPainterPath path;
  path.addRect(toDevice(box));
  this->fill(path, fill);
  if (line_width > 0) stroke(path, QPen(line, line_width * unit_));
}

void PagePainter::roundedRect(const QRectF& box, qreal radius, qreal line_width,
                              const QColor& line) {
  QPainterPath path;
  path.addRoundedRect(toDevice(box), radius * unit_, radius * unit_);
  stroke(path, QPen(line, line_width * unit_));
}

void PagePainter::disc(QPointF centre, qreal diameter, const QColor& colour) {
  const qreal radius = diameter / 2 * unit_;
  QPainterPath path;
  path.addEllipse(toDevice(centre), radius, radius);
  fill(path, colour);
}

void PagePainter::polyline(const QPolygonF& points, qreal width, const QColor& colour) {
  if (points.isEmpty()) return;
  QPainterPath path(toDevice(points.front()));
  for (qsizetype i = 1; i < points.size(); ++i) path.lineTo(toDevice(points[i]));
  stroke(path, QPen(colour, width * unit_, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
}

void PagePainter::draw() {
  for (const std::function<void()>& step : held_) step();
  held_.clear();
}

void PagePainter::hold(std::function<void()> step) { held_.push_back(std::move(step)); }

void PagePainter::fill(const QPainterPath& path, const QColor& colour) {
  hold([this, path, colour] { output_.fill(path, colour); });
}

void PagePainter::stroke(const QPainterPath& path, const QPen& pen) {
  hold([this, path, pen] { output_.stroke(path, pen); });
}

}  // namespace coldesign
