#pragma once

#include <QFont>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <QTextOption>
#include <functional>
#include <optional>
#include <vector>

#include "sheet/page_output.h"

namespace coldesign {

inline constexpr QStringView kSheetLatinFamily = u"Noto Sans";
inline constexpr QStringView kSheetArabicFamily = u"Noto Naskh Arabic";

// Latin letters and digits in the Latin family, Arabic in the Arabic one; regular weight only,
// since every face the page uses is embedded in its PDF.
QFont SheetFont(qreal point_size);

// Draws on a page in points (1/72 inch) from the page's top-left corner, whatever the device's
// resolution; text is laid out right to left unless asked otherwise. What it is asked to draw is
// laid out at once and held, and goes to the output on draw(): a page found too tall can be
// dropped and laid out again smaller, with nothing drawn twice.
class PagePainter {
 public:
  // `page` is the page's rectangle in device pixels; `scale` shrinks the page to fit it.
  PagePainter(PageOutput& output, QRectF page, qreal dots_per_inch, qreal scale = 1);

  // From now on draws the page mirrored, left for right, about a page `width` points wide: each
  // box keeps its size, its alignment left or right swaps, and right-to-left text reads left to
  // right. A page laid out for Arabic so reads in a left-to-right language.
  void mirror(qreal width) { mirror_width_ = width; }
  // Has `draw` draw inside `box` as it is laid out, never mirrored, as a plot reads in every
  // language; on a mirrored page the box itself stands where the mirror puts it.
  void upright(const QRectF& box, const std::function<void(const QRectF&)>& draw);

  // Draws wrapped text in `box` and gives the height it took, in points. Lines break between
  // words, and inside a word (a long number) only where it is wider than the box.
  qreal text(const QRectF& box, const QString& text, const QFont& font,
             Qt::Alignment alignment = Qt::AlignRight | Qt::AlignTop,
             Qt::LayoutDirection direction = Qt::RightToLeft, const QColor& colour = Qt::black,
             QTextOption::WrapMode wrap = QTextOption::WrapAtWordBoundaryOrAnywhere);
  // The width of a single line of text.
  qreal textWidth(const QString& text, const QFont& font);

  void line(QPointF from, QPointF to, qreal width, const QColor& colour = Qt::black);
  void rect(const QRectF& box, qreal line_width, const QColor& line, const QColor& fill);
  void roundedRect(const QRectF& box, qreal radius, qreal line_width, const QColor& line);
  void disc(QPointF centre, qreal diameter, const QColor& colour);
  // Straight segments through the points, in order.
  void polyline(const QPolygonF& points, qreal width, const QColor& colour);

  // Draws what is held, in the order it was asked for.
  void draw();

 private:
  void hold(std::function<void()> step);
  void fill(const QPainterPath& path, const QColor& colour);
  void stroke(const QPainterPath& path, const QPen& pen);

  [[nodiscard]] QPointF toDevice(QPointF point) const;
  [[nodiscard]] QRectF toDevice(const QRectF& box) const;
  [[nodiscard]] QFont deviceFont(const QFont& font) const;

  PageOutput& output_;
  QPointF origin_;
  qreal unit_;   // device pixels per point
  qreal scale_;  // the page's shrink, applied to fonts too
  std::vector<std::function<void()>> held_;
  std::optional<qreal> mirror_width_;
};

}  // namespace coldesign
